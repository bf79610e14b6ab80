// Pages as people really write them: stray "<" and ">", percentages that do
// not add up, rules after lists, the full entity set, text beyond Latin-1.
#include "viewertestutil.h"
#include "viewer/htmltable.h"

#include <gtest/gtest.h>

namespace {

// All text of the document's top-level sections, joined with "|".
QString AllText(const QString& html)
{
    HtmlDocument page;
    page.LoadText(html);
    QString text;
    for (int i = 0; i < page.Doc.Count(); ++i)
        if (auto* s = dynamic_cast<TSection*>(page.Doc[i]); s && !s->IsEmpty())
            text += s->Buff + QLatin1Char('|');
    return text;
}

TEST(StrayAngleBrackets, AreTextUnlessATagStarts)
{
    EXPECT_EQ(AllText("<P>if a < b and c > d then x"), "if a < b and c > d then x|");
    EXPECT_EQ(AllText("<P>[<\"][^>\"]+[\">]"), "[<\"][^>\"]+[\">]|");
    EXPECT_EQ(AllText("x<=y, 1 <2, a<\r\nb, end <"), "x<=y, 1 <2, a< b, end <|");
    // What does start a tag still does: letters, "/", "!", "?".
    EXPECT_EQ(AllText("a<B>b</B><!-- c -->d<?xml x?>e<Unknown>f"), "abdef|");
    EXPECT_EQ(AllText("<PRE>if (a < 0 && b>c)</PRE>"), "if (a < 0 && b>c)|");
}

} // namespace
