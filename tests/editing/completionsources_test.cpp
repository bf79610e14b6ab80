#include "editing/completioncontext.h"
#include "editing/completionoffers.h"
#include "editing/htmlvocabulary.h"
#include "viewer/htmlcolor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

CompletionContext At(const QString& text)
{
    QString source = text;
    const int caret = int(source.indexOf(QLatin1Char('|')));
    source.remove(caret, 1);
    QTextDocument document(source);
    MarkupCheckpoints checkpoints(document);
    return ReadCompletionContext(document, caret, checkpoints);
}

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(HtmlVocabulary, ElementsOfHtml401TransitionalWithTheirEmptyOnes)
{
    const QStringList& names = HtmlElementNames();
    EXPECT_EQ(names.size(), 89);  // 91 of HTML 4.01 less FRAMESET and FRAME
    for (const char* name : {"A", "APPLET", "BASEFONT", "CENTER", "FONT", "H6", "ISINDEX", "STRIKE", "U", "IFRAME",
                             "ABBR", "BDO", "COLGROUP", "FIELDSET", "OPTGROUP", "Q", "TBODY", "NOFRAMES"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_FALSE(names.contains("FRAMESET"));
    QStringList empty;
    for (const QString& name : names) {
        if (IsEmptyHtmlElement(name))
            empty << name;
    }
    EXPECT_EQ(empty, (QStringList{"AREA", "BASE", "BASEFONT", "BR", "COL", "HR", "IMG", "INPUT", "ISINDEX", "LINK",
                                  "META", "PARAM"}));
}

TEST(HtmlVocabulary, AttributesAndTheirValues)
{
    const QStringList td = HtmlAttributesOf(u"TD");
    for (const char* name : {"ROWSPAN", "COLSPAN", "NOWRAP", "BGCOLOR", "VALIGN", "ID", "ONCLICK"})
        EXPECT_TRUE(td.contains(name)) << name;
    EXPECT_EQ(td.front(), "ALIGN");  // its own before the shared ones
    EXPECT_EQ(HtmlAttributesOf(u"BASE"), (QStringList{"HREF", "TARGET"}));
    EXPECT_TRUE(HtmlAttributesOf(u"TABLE").contains("BORDERCOLOR"));  // the preview reads it
    EXPECT_TRUE(HtmlAttributesOf(u"BLINK").isEmpty());

    EXPECT_EQ(HtmlEnumeratedValues(u"INPUT", u"TYPE").size(), 10);
    EXPECT_EQ(HtmlEnumeratedValues(u"IMG", u"ALIGN"), (QStringList{"top", "middle", "bottom", "left", "right"}));
    EXPECT_EQ(HtmlEnumeratedValues(u"TD", u"VALIGN"), (QStringList{"top", "middle", "bottom", "baseline"}));
    EXPECT_EQ(HtmlEnumeratedValues(u"FORM", u"METHOD"), (QStringList{"get", "post"}));
    EXPECT_EQ(HtmlAttributeValueKind(u"BODY", u"TEXT"), AttributeValueKind::Colour);
    EXPECT_EQ(HtmlAttributeValueKind(u"TEXTAREA", u"ROWS"), AttributeValueKind::Free);
    EXPECT_EQ(HtmlAttributeValueKind(u"HR", u"NOSHADE"), AttributeValueKind::Boolean);
    EXPECT_EQ(HtmlAttributeValueKind(u"FORM", u"ACTION"), AttributeValueKind::Address);
    for (const QString& name : HtmlColourNames()) {
        QColor colour;
        EXPECT_TRUE(ParseHtmlColor(name, colour)) << name.toStdString();
    }
}

TEST(CompletionOffers, FilesBesideThePageWithBlanksAndNonAsciiNames)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QString::fromUtf8("Bilder für mich")));
    Touch(folder.filePath(QStringLiteral("my photo.gif")));
    Touch(folder.filePath(QString::fromUtf8("Bilder für mich/Ölberg 1.jpg")));
    Touch(folder.filePath(QStringLiteral(".hidden.gif")));
    const PageNames page{folder.path(), {"top", "Chapter 2"}, {"nav"}};

    // Folders first; unquoted values get their quotes, a folder waits for more.
    const std::vector<CompletionOffer> bare = CompletionOffers(At("<IMG SRC=|"), page);
    ASSERT_EQ(bare.size(), 4u);
    EXPECT_EQ(bare[0], (CompletionOffer{"#top", "\"#top\""}));
    EXPECT_EQ(bare[2], (CompletionOffer{QString::fromUtf8("Bilder für mich/"),
                                        QString::fromUtf8("\"Bilder für mich/"), 0, true}));
    EXPECT_EQ(bare[3], (CompletionOffer{"my photo.gif", "\"my photo.gif\""}));

    const std::vector<CompletionOffer> inside =
        CompletionOffers(At(QString::fromUtf8("<A HREF=\"Bilder für mich/ö|\">")), page);
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_EQ(inside[0].text, QString::fromUtf8("Bilder für mich/Ölberg 1.jpg"));  // its closing quote is there

    EXPECT_EQ(CompletionOffers(At("<A HREF=\"#C|"), page).front().text, "#Chapter 2\"");
    EXPECT_EQ(CompletionOffers(At("<IMG USEMAP=\"#|"), page).front().text, "#nav\"");
    EXPECT_TRUE(CompletionOffers(At("<A HREF=\"http://x/|"), page).empty());
    EXPECT_EQ(CompletionOffers(At("<A HREF=\"m|"), PageNames{}).size(), 0u);  // a new page has no folder
    EXPECT_EQ(MapNamesInLine("<MAP NAME=\"nav\"><map name=second>"), (QStringList{"nav", "second"}));
}
