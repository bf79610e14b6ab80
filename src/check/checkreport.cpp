#include "check/checkreport.h"

#include "check/pagecheck.h"
#include "platform/kivoerror.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString Counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

}  // namespace

QString ProblemLine(const QString& file, const PageProblem& problem)
{
    return QStringLiteral("%1:%2:%3: %4: %5")
        .arg(file)
        .arg(problem.line)
        .arg(problem.column)
        .arg(problem.kind == ProblemKind::Error ? QLatin1String("error") : QLatin1String("warning"), problem.message);
}

QString CountsLine(int errors, int warnings)
{
    return Counted(errors, "error", "errors") + QStringLiteral(", ") + Counted(warnings, "warning", "warnings");
}

QString OmittedLine(int omitted)
{
    return QStringLiteral("%1 more %2 not listed").arg(omitted).arg(QLatin1String(omitted == 1 ? "problem" : "problems"));
}

int CheckFiles(const QStringList& files, QTextStream& out, QTextStream& err)
{
    int errors = 0;
    int warnings = 0;
    bool unreadable = false;
    for (const QString& file : files) {
        DecodedText page;
        try {
            if (!QFileInfo(file).isFile())
                throw FileOpenError(file);
            page = LoadTextFile(file);
        } catch (const KivoError& error) {
            err << "kivorender: " << error.Message() << Qt::endl;
            unreadable = true;
            continue;
        }
        const PageCheckResult result =
            CheckPage(page.text, PageLocation{QFileInfo(file).absoluteFilePath(), QDir::currentPath()});
        for (const PageProblem& problem : result.problems)
            out << ProblemLine(file, problem) << '\n';
        if (result.omitted > 0)
            out << file << ": note: " << OmittedLine(result.omitted) << '\n';
        errors += result.errorCount;
        warnings += result.warningCount;
    }
    out << CountsLine(errors, warnings) << Qt::endl;
    return unreadable ? 2 : errors > 0 ? 1 : 0;
}
