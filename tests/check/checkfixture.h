#pragma once

#include "check/pagecheck.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Checks pages saved in a folder of their own.
class PageCheckTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    PageCheckResult Check(const QString& text, const QString& documentName = QStringLiteral("page.htm"))
    {
        return CheckPage(text, PageLocation{documentName.isEmpty() ? QString() : Path(documentName), QDir::currentPath()});
    }
    // "LINE:COLUMN kind: message" of each problem, to compare whole lists.
    static QStringList Lines(const PageCheckResult& result)
    {
        QStringList lines;
        for (const PageProblem& problem : result.problems)
            lines << QStringLiteral("%1:%2 %3: %4")
                         .arg(problem.line)
                         .arg(problem.column)
                         .arg(problem.kind == ProblemKind::Error ? "error" : "warning", problem.message);
        return lines;
    }
    static QString Page(const QString& body)
    {
        return QStringLiteral("<HTML>\r\n<HEAD><TITLE>Test</TITLE></HEAD>\r\n<BODY>\r\n") + body +
               QStringLiteral("\r\n</BODY>\r\n</HTML>\r\n");
    }

    QTemporaryDir folder;
};
