// Model and layout dumps of the pages in data/ against the texts beside them.
// KIVO_UPDATE_GOLDEN=1 writes the texts anew after a deliberate change.
#include "fakecanvas.h"
#include "viewer/documentdump.h"
#include "viewer/htmldocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

constexpr int kWindowWidth = 500;

QString DataFolder()
{
    return QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + QStringLiteral("/data");
}

void CheckGolden(const QString& path, const QString& actual)
{
    if (qEnvironmentVariableIntValue("KIVO_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        out.write(actual.toUtf8());
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << "missing " << path.toStdString()
                                             << " (run with KIVO_UPDATE_GOLDEN=1 to create it)";
    const QString expected = QString::fromUtf8(in.readAll());
    EXPECT_EQ(actual.toStdString(), expected.toStdString()) << path.toStdString();
}

TEST(Golden, PagesMatchTheirDumps)
{
    const QDir dir(DataFolder());
    const QStringList pages = dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& name : pages) {
        SCOPED_TRACE(name.toStdString());
        HtmlDocument page;
        page.LoadFile(dir.filePath(name));
        const QString base = dir.filePath(QFileInfo(name).completeBaseName());
        CheckGolden(base + QStringLiteral(".model.txt"),
                    DumpModel(page.Doc, page.Names, page.Title, page.Base, page.BaseTarget));
        FakeCanvas canvas;
        page.Layout(canvas, kWindowWidth);
        CheckGolden(base + QStringLiteral(".layout.txt"),
                    QStringLiteral("height %1 widest %2\n").arg(page.Height).arg(page.ScrollWidth)
                        + DumpLayout(page.Doc));
    }
}

} // namespace
