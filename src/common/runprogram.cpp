#include "common/runprogram.h"

#include "platform/programstart.h"
#include "platform/prompts.h"

#include <QProcess>

namespace {
constexpr int kMaxCommandLine = 255;

void ReportStartFailure(Prompts& prompts, const QString& programText, int result)
{
    if (result == ExecResult::FileNotFound || result == ExecResult::PathNotFound)
        prompts.Message(programText + QStringLiteral("\n not found"), MessageKind::Error, MessageButtons::Ok);
    else if (result < 32)
        prompts.Message(QStringLiteral("Cannot execute, system error"), MessageKind::Error, MessageButtons::Ok);
}

}  // namespace

QString CommandLineText(const QString& program, const QString& argument)
{
    return (program + QLatin1Char(' ') + argument).left(kMaxCommandLine);
}

void RunProgram(ProgramStarter& starter, Prompts& prompts, const QString& program, const QString& argument)
{
    // An empty argument is no argument at all, as the classic command line
    // "program " reads.
    const QStringList arguments = argument.isEmpty() ? QStringList() : QStringList{argument};
    // The prompts outlive every start: they belong to the program's whole run.
    const auto reportLate = [&prompts, program](int result) { ReportStartFailure(prompts, program, result); };
    ReportStartFailure(prompts, program, starter.WinExecWatched(program, arguments, reportLate));
}

void RunProgram(ProgramStarter& starter, Prompts& prompts, const QString& program, const QString& fixedArguments,
                const QString& argument)
{
    QStringList arguments = QProcess::splitCommand(fixedArguments);
    if (!argument.isEmpty())
        arguments << argument;
    ReportStartFailure(prompts, program + QLatin1Char(' ') + fixedArguments, starter.WinExec(program, arguments));
}
