#include "cli/checkcommand.h"

#include "check/checkreport.h"

#include <QTextStream>
#include <cstdio>

int RunCheckCommand(const QStringList& files)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (files.isEmpty()) {
        err << "kivorender: --check needs the files to check" << Qt::endl;
        return 2;
    }
    return CheckFiles(files, out, err);
}
