#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Result codes in the classic WinExec sense.
namespace ExecResult {
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int AccessDenied = 5;
constexpr int BadFormat = 11;
constexpr int Started = 33;
}  // namespace ExecResult

// Called with a result code when a start reported as done fails after all.
using LateStartFailure = std::function<void(int result)>;

// Starts outside programs and never waits for them.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // The arguments reach the program as they are: no shell reads them.
    virtual int WinExec(const QString& program, const QStringList& arguments) = 0;
    // As WinExec; where a helper starts the program and may still fail once
    // it runs, `lateFailure` hears of it later, from the event loop.
    virtual int WinExecWatched(const QString& program, const QStringList& arguments,
                               const LateStartFailure& lateFailure)
    {
        (void)lateFailure;
        return WinExec(program, arguments);
    }
    // Asks for the program's first window minimised and not activated. Few
    // desktops let a starter choose that, so by default it starts as WinExec.
    virtual int WinExecMinimised(const QString& program, const QStringList& arguments)
    {
        return WinExec(program, arguments);
    }
};

// Starts programs with QProcess. "NOTEPAD" means the system's text viewer:
// where no program of that name exists, the file opens in the desktop's
// default application, through the desktop's opener (`opener`, found on
// the path) or, without one, through Qt.
class ProcessProgramStarter : public ProgramStarter {
public:
    explicit ProcessProgramStarter(QString opener = QStringLiteral("xdg-open")) : opener_(std::move(opener)) {}
    int WinExec(const QString& program, const QStringList& arguments) override;
    int WinExecWatched(const QString& program, const QStringList& arguments,
                       const LateStartFailure& lateFailure) override;

private:
    int OpenWithDesktop(const QString& file, const LateStartFailure& lateFailure);

    QString opener_;
};
