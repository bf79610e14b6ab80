#pragma once

#include "platform/programstart.h"

#include <vector>

// Records the programs a command starts and answers with a chosen code.
class RecordingStarter : public ProgramStarter {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };
    std::vector<Started> started;
    int result = ExecResult::Started;

    int WinExec(const QString& program, const QStringList& arguments) override
    {
        started.push_back({program, arguments});
        return result;
    }
};
