// One fuzz input: parse the bytes as a page, lay it out, paint it, select
// and copy everything and search it. Built alone with libFuzzer
// (KIVO_FUZZ=ON, see run_fuzz.sh); in the test suite a short run of random
// mutations of the sample pages goes through the same routine.
#include "fakecanvas.h"
#include "samplepages.h"
#include "platform/kivoerror.h"
#include "viewer/htmldocument.h"
#include "viewer/htmlparser.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HtmlDocument page;
    HtmlParser parser(page.Doc, page.Names);
    try {
        parser.ParseBuffer(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EParseError&) {
        // The open comment at the end: what came before stays.
    }
    FakeCanvas canvas;
    const int width = size > 0 ? 20 + data[0] * 4 : 400;
    page.Layout(canvas, width);
    page.Doc.Draw(canvas, QRect(0, 0, width, 100000), HtmlDocument::ClipWidth, HtmlDocument::Margin, 0);
    page.Doc.SelStart = 0;
    page.Doc.SelEnd = 1 << 30;
    page.Doc.SelectedText();
    page.Doc.FindString(0, QStringLiteral("a b"), MatchCase::No);
    TUrlTarget url;
    int top = 0, height = 0, caret = 0;
    page.Doc.GetURL(canvas, width / 2, 20, url);
    page.Doc.FindCursor(canvas, width / 2, 20, top, height, caret);
    return 0;
}

#ifndef KIVO_FUZZING
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray Mutate(QByteArray input, QRandomGenerator& random)
{
    static const QByteArray pieces[] = {"<",  ">",     "&",     "\"",    "'",    "<!--", "-->", "<TABLE>", "<TD>",
                                        "<TR>", "</TABLE>", "<UL>", "<LI>", "<PRE>", "</PRE>", "<IMG ALIGN=left>",
                                        "<BR CLEAR=all>", "&#", ";", "\r\n", "\0", "\x1a", "COLSPAN=99", "ROWSPAN=50"};
    const int edits = int(random.bounded(1, 8));
    for (int e = 0; e < edits; ++e) {
        const int at = input.isEmpty() ? 0 : int(random.bounded(input.size() + 1));
        switch (random.bounded(4)) {
        case 0:
            input.insert(at, pieces[random.bounded(int(std::size(pieces)))]);
            break;
        case 1:
            input.remove(at, int(random.bounded(1, 40)));
            break;
        case 2:
            if (!input.isEmpty())
                input[std::min(at, int(input.size()) - 1)] = char(random.bounded(256));
            break;
        default:
            input.insert(at, input.mid(int(random.bounded(std::max<qsizetype>(1, input.size()))), 60));
            break;
        }
    }
    return input;
}

TEST(Fuzz, ShortRunOnMutatedSamplePages)
{
    const QDir data = SamplePageFolder();
    std::vector<QByteArray> seeds;
    for (const QString& name : SamplePageNames()) {
        QFile file(data.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        seeds.push_back(file.readAll());
    }
    ASSERT_FALSE(seeds.empty());
    for (const QByteArray& seed : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(seed.constData()), size_t(seed.size()));
    QRandomGenerator random(4711);
    QDeadlineTimer deadline(3000);
    int runs = 0;
    while (!deadline.hasExpired()) {
        const QByteArray input = Mutate(seeds[size_t(random.bounded(int(seeds.size())))], random);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
        ++runs;
    }
    EXPECT_GT(runs, 0);
}

} // namespace
#endif
