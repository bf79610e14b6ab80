#pragma once

#include <QString>

class ProgramStarter;
class Prompts;

// The classic command line: program, a blank, the argument, at most 255
// characters. Shown in messages; the program itself gets the argument whole.
QString CommandLineText(const QString& program, const QString& argument);

// Starts an outside program without waiting for it and tells the user when
// it could not be started; the caller goes on either way.
void RunProgram(ProgramStarter& starter, Prompts& prompts, const QString& program, const QString& argument);

// The same for a program with fixed arguments of its own before the argument
// (typed as on a command line, quotes keeping blanks together). The messages
// name the program with its fixed arguments, as the user wrote them.
void RunProgram(ProgramStarter& starter, Prompts& prompts, const QString& program, const QString& fixedArguments,
                const QString& argument);
