#pragma once

#include <QString>
#include <QStringList>

// Result codes in the classic WinExec sense.
namespace ExecResult {
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int BadFormat = 11;
constexpr int Started = 33;
}  // namespace ExecResult

// Starts outside programs and never waits for them.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // The arguments reach the program as they are: no shell reads them.
    virtual int WinExec(const QString& program, const QStringList& arguments) = 0;
    // Asks for the program's first window minimised and not activated. Few
    // desktops let a starter choose that, so by default it starts as WinExec.
    virtual int WinExecMinimised(const QString& program, const QStringList& arguments)
    {
        return WinExec(program, arguments);
    }
};

// Starts programs with QProcess. "NOTEPAD" means the system's text viewer:
// where no program of that name exists, the file opens in the desktop's
// default application.
class ProcessProgramStarter : public ProgramStarter {
public:
    int WinExec(const QString& program, const QStringList& arguments) override;
};
