#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Reading back what a test printed to a PDF, with poppler-utils
// (scripts/deps.sh installs it). A missing tool fails the test that needs it.
namespace PdfPages {

inline QString Run(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        ADD_FAILURE() << tool.toStdString() << " is missing: install poppler-utils (scripts/deps.sh)";
        return QString();
    }
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, in order; a blank page gives an empty text.
inline QStringList Texts(const QString& pdf)
{
    QStringList pages = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    pages.removeLast();   // after the last page's form feed
    return pages;
}

// Page n (from 1) as a picture at the given resolution.
inline QImage Picture(const QString& pdf, int page, int dpi = 48)
{
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    const QString n = QString::number(page);
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), n,
                                     QStringLiteral("-l"), n, QStringLiteral("-singlefile"), QStringLiteral("-png"),
                                     pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace PdfPages
