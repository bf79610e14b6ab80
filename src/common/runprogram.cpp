#include "common/runprogram.h"

#include "platform/programstart.h"
#include "platform/prompts.h"

namespace {
constexpr int kMaxCommandLine = 255;
}

QString CommandLineText(const QString& program, const QString& argument)
{
    return (program + QLatin1Char(' ') + argument).left(kMaxCommandLine);
}

void RunProgram(ProgramStarter& starter, Prompts& prompts, const QString& program, const QString& argument)
{
    // An empty argument is no argument at all, as the classic command line
    // "program " reads.
    const QStringList arguments = argument.isEmpty() ? QStringList() : QStringList{argument};
    const int result = starter.WinExec(program, arguments);
    if (result == ExecResult::FileNotFound || result == ExecResult::PathNotFound)
        prompts.Message(program + QStringLiteral("\n not found"), MessageKind::Error, MessageButtons::Ok);
    else if (result < 32)
        prompts.Message(QStringLiteral("Cannot execute, system error"), MessageKind::Error, MessageButtons::Ok);
}
