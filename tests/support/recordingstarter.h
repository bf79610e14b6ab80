#pragma once

#include "platform/programstart.h"

#include <functional>
#include <vector>

// Records the programs a command starts and answers with a chosen code.
class RecordingStarter : public ProgramStarter {
public:
    struct Started {
        QString program;
        QStringList arguments;
        bool minimised = false;
    };
    std::vector<Started> started;
    int result = ExecResult::Started;

    int WinExec(const QString& program, const QStringList& arguments) override
    {
        started.push_back({program, arguments, false});
        return result;
    }
    int WinExecMinimised(const QString& program, const QStringList& arguments) override
    {
        started.push_back({program, arguments, true});
        if (onMinimisedStart)
            onMinimisedStart();
        return result;
    }
    // Runs after a minimised start is recorded (a fake server coming up).
    std::function<void()> onMinimisedStart;
};
