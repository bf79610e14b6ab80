#include "viewer/viewerhistory.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

HistoryEntry E(const QString& file, std::uint32_t pos = 0)
{
    return HistoryEntry{file, file + " title", PositionObj{pos, 0}};
}

QStringList Files(const ViewerHistory& h)
{
    QStringList files;
    for (int i = 0; i < h.Count(); ++i)
        files << h.Entry(i).FileName;
    return files;
}

} // namespace

TEST(ViewerHistory, KeepsNothingWithoutRoomOrFile)
{
    ViewerHistory h;
    EXPECT_FALSE(h.Add(E(""), E("/a.htm")));   // max count 0
    h.SetMaxCount(3);
    EXPECT_FALSE(h.Add(E("/a.htm"), E("")));   // text from the editor is no entry
    EXPECT_TRUE(h.Add(E(""), E("/a.htm")));
    EXPECT_FALSE(h.Add(E("/a.htm"), E("/a.htm")));   // same file, same place
    EXPECT_EQ(Files(h), QStringList({"/a.htm"}));
}

TEST(ViewerHistory, NewestFirstAndTrimmed)
{
    ViewerHistory h;
    h.SetMaxCount(3);
    h.Add(E(""), E("/a.htm"));
    h.Add(E("/a.htm", 7), E("/b.htm"));
    EXPECT_EQ(Files(h), QStringList({"/b.htm", "/a.htm"}));
    EXPECT_EQ(h.Entry(1).Position.Pos, 7u);   // A keeps the place it was left at
    h.Add(E("/b.htm"), E("/c.htm"));
    h.Add(E("/c.htm"), E("/d.htm"));
    EXPECT_EQ(Files(h), QStringList({"/d.htm", "/c.htm", "/b.htm"}));
    EXPECT_EQ(h.Index(), 0);
}

TEST(ViewerHistory, GoingOnFromAnOlderEntryDropsTheNewerOnes)
{
    ViewerHistory h;
    h.SetMaxCount(8);
    h.Add(E(""), E("/a.htm"));
    h.Add(E("/a.htm"), E("/b.htm"));
    h.Add(E("/b.htm"), E("/c.htm"));
    h.SetIndex(2);   // back at A
    h.Add(E("/a.htm", 40), E("/x.htm"));
    EXPECT_EQ(Files(h), QStringList({"/x.htm", "/a.htm"}));
    EXPECT_EQ(h.Entry(1).Position.Pos, 40u);
    EXPECT_TRUE(h.Clear());
    EXPECT_FALSE(h.Clear());
    EXPECT_EQ(h.Index(), 0);
}
