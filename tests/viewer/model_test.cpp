#include "viewertestutil.h"

#include "viewer/htmltable.h"

#include <gtest/gtest.h>

namespace {

TEST(Model, UpdateFontsReplacesFontTagColoursAndFaces)
{
    HtmlDocument page;
    page.LoadText("<FONT COLOR=red FACE=Arial>red</FONT><A HREF=x>link</A><TT>fixed</TT>"
                  "<TABLE><TR><TD><FONT COLOR=green>cell</FONT></TABLE>");
    page.Doc.SetFonts("Georgia", "Mono", 10, QColor(1, 2, 3), QColor(4, 5, 6), QColor(255, 255, 255));
    auto* s = dynamic_cast<TSection*>(page.Doc[0]);
    ASSERT_TRUE(s);
    const TMyFont& red = *s->Fonts.At(int(s->Buff.indexOf("red"))).Font;
    EXPECT_EQ(red.Color, QColor(1, 2, 3));
    EXPECT_EQ(red.Name, "Georgia");
    EXPECT_EQ(red.Size, 10);
    EXPECT_EQ(s->Fonts.At(int(s->Buff.indexOf("link"))).Font->Color, QColor(4, 5, 6));
    const TMyFont& fixed = *s->Fonts.At(int(s->Buff.indexOf("fixed"))).Font;
    EXPECT_EQ(fixed.Name, "Mono");
    EXPECT_EQ(fixed.Size, 8);   // 10 points at 10/12
    auto* table = dynamic_cast<ThtmlTable*>(page.Doc[1]);
    ASSERT_TRUE(table);
    auto* cell = dynamic_cast<TSection*>((*table->Rows[0][0]->Cell)[0]);
    EXPECT_EQ(cell->Fonts[0].Font->Color, QColor(1, 2, 3));
}

TEST(Model, PrintingCopyIsDeepAndPaintsBlack)
{
    LaidOutPage p("<FONT COLOR=red>red <IMG SRC=a.gif WIDTH=10 HEIGHT=10></FONT><TABLE><TR><TD>cell</TABLE>"
                  "<INPUT NAME=q>");
    auto copy = p.Doc().CopyForPrinting();
    ASSERT_EQ(copy->Count(), p.Doc().Count());
    EXPECT_TRUE(copy->Printing);
    auto* original = dynamic_cast<TSection*>(p.Doc()[0]);
    auto* copied = dynamic_cast<TSection*>((*copy)[0]);
    ASSERT_TRUE(original && copied);
    EXPECT_NE(original->Images[0].get(), copied->Images[0].get());
    EXPECT_EQ(copied->Buff, original->Buff);
    EXPECT_EQ(copied->ParentSectionList, copy.get());
    auto* table = dynamic_cast<ThtmlTable*>((*copy)[1]);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->Rows[0][0]->Cell->MasterList, copy.get());
    FakeCanvas canvas;
    int widest = 0, curs = 0;
    copy->DoLogic(canvas, 0, 400, widest, curs);
    copy->Draw(canvas, QRect(0, 0, 500, 500), HtmlDocument::ClipWidth, 0, 0);
    ASSERT_TRUE(canvas.Find("red "));
    EXPECT_EQ(canvas.Find("red ")->color, QColor(0, 0, 0));
    // The original is untouched by the copy's layout.
    p.Doc().Draw(canvas, QRect(0, 0, 500, 500), HtmlDocument::ClipWidth, 0, 0);
    EXPECT_EQ(canvas.texts.back().text, "cell");
}

} // namespace
