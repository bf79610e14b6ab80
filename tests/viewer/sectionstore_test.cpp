#include "viewertestutil.h"
#include "viewer/documentdump.h"
#include "viewer/sectionlist.h"
#include "viewer/sectionstore.h"
#include "viewer/sourcemap.h"
#include "viewer/tightarray.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

TEST(SectionStore, RoomIsAlignedAndKeepsWhatWasWrittenAcrossBlocksAndHugeRequests)
{
    SectionStore store;
    std::vector<std::pair<uint32_t*, size_t>> words;
    for (size_t i = 0; i < 400; ++i) {
        store.Allocate<char16_t>(i % 7);   // odd sizes, to misalign what follows
        const size_t count = i == 200 ? 40000 : i % 50 + 1;   // one bigger than any block
        uint32_t* room = store.Allocate<uint32_t>(count);
        ASSERT_EQ(reinterpret_cast<uintptr_t>(room) % alignof(uint32_t), 0u) << i;
        std::iota(room, room + count, uint32_t(i * 100000));
        words.emplace_back(room, count);
    }
    for (size_t i = 0; i < words.size(); ++i)
        for (size_t k = 0; k < words[i].second; ++k)
            ASSERT_EQ(words[i].first[k], uint32_t(i * 100000 + k)) << i << ' ' << k;
    store.Clear();
    EXPECT_NE(store.Allocate<uint64_t>(3), nullptr);
}

TEST(TightArray, ItemsKeptElsewhereAreCopiedOutBeforeTheyChangeInNumber)
{
    int kept[3] = {1, 2, 3};
    TightArray<int> shown;
    shown.ShowKeptElsewhere(kept, 3);
    EXPECT_EQ(shown.capacity(), 0u);
    const TightArray<int> copy(shown);   // a copy has its own block
    EXPECT_NE(copy.data(), kept);
    shown.push_back(4);
    EXPECT_NE(shown.data(), kept);
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.end()), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(std::vector<int>(copy.begin(), copy.end()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(kept[2], 3);

    TightArray<int> lines;
    const int many[] = {5, 6, 7, 8, 9, 10, 11, 12};
    lines.AssignTight(many, many + 8);
    lines.AssignTight(many, many + 7);   // close enough: the block is kept
    EXPECT_EQ(lines.capacity(), 8u);
    lines.AssignTight(many, many + 2);   // far too big: a block of their size
    EXPECT_EQ(lines.capacity(), 2u);
    lines.erase(lines.begin(), lines.begin() + 1);
    EXPECT_EQ(std::vector<int>(lines.begin(), lines.end()), (std::vector<int>{6}));
}

TEST(TextSource, RunsPackedIntoAStoreAnswerAsTheGrowingOnesAndMoveWithTheirText)
{
    SectionStore store;
    TextSource growing;
    TextSource packed;
    for (TextSource* source : {&growing, &packed}) {
        source->AddSpan(0, 10, 5);
        source->AddPacked(5, 20, 26);   // a reference: one character for six
        source->AddSpan(6, 30, 4);
    }
    packed.Squeeze(store);
    const TextSource moved = std::move(packed);
    EXPECT_TRUE(packed.Empty());
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(moved.SourceOf(i), growing.SourceOf(i)) << i;
        EXPECT_EQ(moved.SourceEndOf(i), growing.SourceEndOf(i)) << i;
    }
}

TEST(SectionStore, ThePrintingCopyOutlivesTheDocumentItWasCopiedFrom)
{
    std::unique_ptr<TSectionList> copy;
    QString before;
    {
        LaidOutPage p("<P>Plain <B>bold</B> <A HREF=\"x.htm\">link</A><TABLE><TR><TD><I>cell</I></TABLE>"
                      "<PRE>pre\ttab</PRE>");
        before = DumpModel(p.Doc(), p.page.Names, QString(), QString(), QString());
        copy = p.Doc().CopyForPrinting();
    }
    EXPECT_EQ(DumpModel(*copy, TNameList(), QString(), QString(), QString()), before);
}
