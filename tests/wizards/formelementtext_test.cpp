#include "wizards/formelementtext.h"

#include <gtest/gtest.h>

namespace {

FormElementRequest Element(FormElementType type, const QStringList& values)
{
    FormElementRequest request;
    request.type = type;
    const QStringList names = FormElementPropertyNames(type);
    for (int row = 0; row < names.size(); ++row)
        request.rows.push_back({names[row], row < values.size() ? values[row] : QString()});
    request.options = {QStringLiteral("Option 1"), QStringLiteral("Option 2"), QStringLiteral("Option 3")};
    return request;
}

QString FirstEntry(const FormElementRequest& request)
{
    return FormElementEntries(request).front();
}

TEST(FormElementText, ExamplesOfTheFirstEntry)
{
    FormElementRequest text = Element(FormElementType::Text, {"Name:", "user", "", "20", ""});
    EXPECT_EQ(FormElementEntries(text), QStringList{"Name: <INPUT TYPE=Text NAME=\"user\" SIZE=20>\r\n"});

    FormElementRequest checkBox = Element(FormElementType::CheckBox, {"Yes", "ok", "1"});
    checkBox.checked = true;
    EXPECT_EQ(FormElementEntries(checkBox), QStringList{"<INPUT TYPE=CheckBox CHECKED NAME=\"ok\" VALUE=1> Yes\r\n"});
}

TEST(FormElementText, ListsEndWithTheirOptionsAndClosingTag)
{
    const QStringList dropDown = FormElementEntries(Element(FormElementType::ListDropDown, {"", "colour", ""}));
    EXPECT_EQ(dropDown, (QStringList{"<SELECT NAME=\"colour\">\r\n", "<OPTION>Option 1\r\n", "<OPTION>Option 2\r\n",
                                     "<OPTION>Option 3\r\n", "</SELECT>\r\n"}));

    // Text inserted after the multiple list continues on its closing line.
    const QStringList multiple = FormElementEntries(Element(FormElementType::ListMultipleSelect, {"", "colour", ""}));
    EXPECT_EQ(multiple, (QStringList{"<SELECT MULTIPLE NAME=\"colour\">\r\n", "<OPTION>Option 1\r\n",
                                     "<OPTION>Option 2\r\n", "<OPTION>Option 3\r\n", "</SELECT>"}));
}

TEST(FormElementText, TextAreaWritesItsLinesAsTheInitialText)
{
    FormElementRequest area = Element(FormElementType::TextArea, {"Notes", "notes", "4", "40", "virtual"});
    area.options = {QStringLiteral("first"), QString(), QStringLiteral("third")};
    EXPECT_EQ(FormElementEntries(area),
              (QStringList{"Notes <TextArea NAME=\"notes\" ROWS=4 COLS=40 WRAP=\"virtual\">\r\n", "first\r\n",
                           "\r\n", "third\r\n", "</TextArea>\r\n"}));

    area.options.clear();
    EXPECT_EQ(FormElementEntries(area),
              (QStringList{"Notes <TextArea NAME=\"notes\" ROWS=4 COLS=40 WRAP=\"virtual\">\r\n", "</TextArea>\r\n"}));
}

TEST(FormElementText, ValuesAreQuotedByTheirFirstCharacter)
{
    const auto valueOf = [](const QString& value) {
        return FirstEntry(Element(FormElementType::Hidden, {"", "", value}));
    };
    EXPECT_EQ(valueOf("0"), "<INPUT TYPE=Hidden VALUE=0>\r\n");
    EXPECT_EQ(valueOf("12px"), "<INPUT TYPE=Hidden VALUE=12px>\r\n");
    EXPECT_EQ(valueOf("@home"), "<INPUT TYPE=Hidden VALUE=@home>\r\n");
    EXPECT_EQ(valueOf("Apply"), "<INPUT TYPE=Hidden VALUE=\"Apply\">\r\n");
    EXPECT_EQ(valueOf("[x]"), "<INPUT TYPE=Hidden VALUE=\"[x]\">\r\n");
    EXPECT_EQ(valueOf(QString::fromUtf8("Größe")), QString::fromUtf8("<INPUT TYPE=Hidden VALUE=\"Größe\">\r\n"));
    // A value the user typed is kept even when it starts below the digits.
    EXPECT_EQ(valueOf("#top"), "<INPUT TYPE=Hidden VALUE=\"#top\">\r\n");
    EXPECT_EQ(valueOf("-1"), "<INPUT TYPE=Hidden VALUE=\"-1\">\r\n");
    EXPECT_EQ(valueOf("/cgi-bin"), "<INPUT TYPE=Hidden VALUE=\"/cgi-bin\">\r\n");
    // Empty and blank values leave the attribute out.
    EXPECT_EQ(valueOf(""), "<INPUT TYPE=Hidden>\r\n");
    EXPECT_EQ(valueOf("   "), "<INPUT TYPE=Hidden>\r\n");
}

TEST(FormElementText, EmptyGridGivesTheBareTag)
{
    EXPECT_EQ(FirstEntry(Element(FormElementType::Text, {})), "<INPUT TYPE=Text>\r\n");
    FormElementRequest noRows;
    EXPECT_EQ(FormElementEntries(noRows), QStringList{"<INPUT TYPE=Text>\r\n"});
    EXPECT_EQ(FirstEntry(Element(FormElementType::PasswordBox, {})), "<INPUT TYPE=Password Box>\r\n");
    EXPECT_EQ(FirstEntry(Element(FormElementType::ButtonSubmit, {})), "<INPUT TYPE=Submit>\r\n");
    EXPECT_EQ(FirstEntry(Element(FormElementType::ButtonReset, {})), "<INPUT TYPE=Reset>\r\n");
}

TEST(FormElementText, CheckedOnlyForCheckBoxAndRadio)
{
    for (int index = 0; index < kFormElementTypeCount; ++index) {
        FormElementRequest request = Element(FormElementType(index), {});
        request.checked = true;
        const bool checkable = request.type == FormElementType::CheckBox || request.type == FormElementType::Radio;
        EXPECT_EQ(FirstEntry(request).contains(QLatin1String("CHECKED")), checkable) << index;
    }
}

TEST(FormElementText, CaptionPlacementAndNewLine)
{
    FormElementRequest text = Element(FormElementType::Text, {"Name:"});
    text.startAtNewLine = true;
    EXPECT_EQ(FirstEntry(text), "<P>Name: <INPUT TYPE=Text>\r\n");

    FormElementRequest radio = Element(FormElementType::Radio, {"Red", "colour", "red"});
    radio.startAtNewLine = true;
    EXPECT_EQ(FirstEntry(radio), "<P><INPUT TYPE=Radio NAME=\"colour\" VALUE=\"red\"> Red\r\n");

    // A blank caption is no caption.
    EXPECT_EQ(FirstEntry(Element(FormElementType::ButtonSubmit, {" ", "", "Send"})),
              "<INPUT TYPE=Submit VALUE=\"Send\">\r\n");
}

}  // namespace
