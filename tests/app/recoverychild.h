#pragma once

#include <QStringList>

// Started with this argument, the test executable runs the program once
// instead of its tests (see RunRecoveryChild).
inline constexpr char kRecoveryChildArgument[] = "--recovery-child";

// "type <program folder> <document or -> <file of text to type>": opens the
// document (a new one for -), types the text at its start, waits until the
// recovery copy holds it, says "written" on standard output and runs until
// it is killed.
// "recover <program folder> <Save As path> <choice>...": starts, answers the
// recovery questions with the choices (and "Save changes" with Yes), saves,
// closes and reports what it saw as key=value lines.
int RunRecoveryChild(const QStringList& arguments);
