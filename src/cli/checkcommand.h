#pragma once

#include <QStringList>

// `kivorender --check FILE…`: the pages' problems on standard output, one
// line each as compilers print theirs, then the counts. The exit code is 1
// when any error was found, 2 when a file could not be read, else 0.
int RunCheckCommand(const QStringList& files);
