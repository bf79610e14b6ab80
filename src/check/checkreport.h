#pragma once

#include "check/pageproblem.h"

#include <QString>
#include <QStringList>

class QTextStream;

// A problem as compilers print theirs, which editors and build logs jump to:
// "FILE:LINE:COLUMN: error: message" (or "warning:").
QString ProblemLine(const QString& file, const PageProblem& problem);
// "3 errors, 1 warning".
QString CountsLine(int errors, int warnings);
// The line after the listed ones of a page with more problems than listed.
QString OmittedLine(int omitted);

// Checks each file as the editor would check it open: its problems, a line
// for those left out, and a last line with the counts of all files. Returns
// 2 when a file could not be read (the others are still checked), else 1
// when any error was found, else 0.
int CheckFiles(const QStringList& files, QTextStream& out, QTextStream& err);
