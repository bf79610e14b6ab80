// Model, layout and source-map dumps of the pages in data/ against the texts beside them,
// one test per page. KIVO_UPDATE_GOLDEN=1 writes the texts anew after a
// deliberate change.
#include "fakecanvas.h"
#include "samplepages.h"
#include "viewer/documentdump.h"
#include "viewer/htmldocument.h"

#include <QFile>
#include <QFileInfo>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kWindowWidth = 500;

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

class Golden : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> PageNames()
{
    std::vector<std::string> names;
    for (const QString& name : SamplePageNames())
        names.push_back(name.toStdString());
    return names;
}

TEST_P(Golden, PageMatchesItsDumps)
{
    const QDir dir = SamplePageFolder();
    const QString name = QString::fromStdString(GetParam());
    HtmlDocument page;
    page.LoadFile(dir.filePath(name));
    const QString base = dir.filePath(QFileInfo(name).completeBaseName());
    CheckGolden(base + QStringLiteral(".model.txt"),
                DumpModel(page.Doc, page.Names, page.Title, page.Base, page.BaseTarget));
    FakeCanvas canvas;
    page.Layout(canvas, kWindowWidth);
    CheckGolden(base + QStringLiteral(".layout.txt"),
                QStringLiteral("height %1 widest %2\n").arg(page.Height).arg(page.ScrollWidth) + DumpLayout(page.Doc));
    CheckGolden(base + QStringLiteral(".source.txt"), DumpLayout(page.Doc, DumpSource::Yes));
}

std::string PageTestName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = QFileInfo(QString::fromStdString(info.param)).completeBaseName().toStdString();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(SamplePages, Golden, ::testing::ValuesIn(PageNames()), PageTestName);

TEST(GoldenPages, AreThere)
{
    EXPECT_GE(SamplePageNames().size(), 7) << qPrintable(SamplePageFolder().path());
}

} // namespace
