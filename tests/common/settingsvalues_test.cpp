#include "common/settingscolor.h"
#include "common/settingsvalues.h"
#include "platform/profile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsValuesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    void WriteFile(const QByteArray& bytes) const
    {
        QFile file(profile_.Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
    Profile profile_{dir_.filePath(QStringLiteral("KIVO.INI"))};
};

TEST(SettingsIntegerTest, DecimalAndHexadecimalNumbers)
{
    EXPECT_EQ(ParseSettingsInteger("600"), 600);
    EXPECT_EQ(ParseSettingsInteger("-12"), -12);
    EXPECT_EQ(ParseSettingsInteger("0x258"), 600);
    EXPECT_EQ(ParseSettingsInteger("0X258"), 600);
    EXPECT_EQ(ParseSettingsInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseSettingsInteger("007"), 7);
    for (const char* notANumber : {"", "0x", "abc", "12abc", "1.5", "0x12G", "0x1FFFFFFFF", "99999999999"})
        EXPECT_EQ(ParseSettingsInteger(notANumber), std::nullopt) << notANumber;
}

TEST_F(SettingsValuesTest, UnusableValuesReadAsTheDefault)
{
    WriteFile("[Windows]\r\nWidth=0x258\r\nTop=high\r\nWinState=\r\nAutoSave=2\r\nLeft=0\r\n"
              "[Editor]\r\nWordWrap=yes\r\nShowDir=0\r\n");
    EXPECT_EQ(ReadInteger(profile_, "Windows", "Width", 1), 600);
    EXPECT_EQ(ReadInteger(profile_, "Windows", "Top", 157), 157);
    EXPECT_EQ(ReadInteger(profile_, "Windows", "WinState", 0), 0);
    EXPECT_EQ(ReadInteger(profile_, "Windows", "Height", 388), 388);
    EXPECT_EQ(ReadInteger(profile_, "Windows", "Left", 132), 0);
    EXPECT_TRUE(ReadBool(profile_, "Windows", "AutoSave", false));
    EXPECT_TRUE(ReadBool(profile_, "Editor", "WordWrap", true));
    EXPECT_FALSE(ReadBool(profile_, "Editor", "WordWrap", false));
    EXPECT_FALSE(ReadBool(profile_, "Editor", "ShowDir", true));
    EXPECT_EQ(ReadText(profile_, "PREVIEW", "FixFontName", "Courier New"), "Courier New");
}

TEST_F(SettingsValuesTest, WrittenForms)
{
    WriteBool(profile_, "Editor", "WordWrap", true);
    WriteBool(profile_, "Editor", "ShowDir", false);
    WriteInteger(profile_, "Windows", "Top", -4);
    WriteText(profile_, "PREVIEW", "Browser", "/usr/bin/my browser");
    EXPECT_EQ(profile_.ReadString("Editor", "WordWrap", ""), "1");
    EXPECT_EQ(profile_.ReadString("Editor", "ShowDir", ""), "0");
    EXPECT_EQ(profile_.ReadString("Windows", "Top", ""), "-4");
    EXPECT_EQ(ReadText(profile_, "PREVIEW", "Browser", ""), "/usr/bin/my browser");
}

TEST_F(SettingsValuesTest, FontGroupRoundTrip)
{
    SettingsFont font{"Liberation Sans", 300, 0x00FF8000, true, false, true, false};
    WriteFontSetting(profile_, font, "PREVIEW", "TEXT");
    EXPECT_EQ(profile_.SectionKeys("PREVIEW"), QStringList({"TEXT Name", "TEXT Size", "TEXT Color", "TEXT Style"}));
    EXPECT_EQ(profile_.ReadString("PREVIEW", "TEXT Color", ""), "$00FF8000");
    EXPECT_EQ(profile_.ReadString("PREVIEW", "TEXT Style", ""), "1010");
    EXPECT_EQ(profile_.ReadString("PREVIEW", "TEXT Size", ""), "300");  // kept whole, not modulo 256

    SettingsFont back;
    EXPECT_TRUE(ReadFontSetting(profile_, back, "preview", "TEXT"));
    EXPECT_EQ(back, font);

    font.color = 0x0000FF;
    WriteFontSetting(profile_, font, "PREVIEW", "TEXT");
    EXPECT_EQ(profile_.ReadString("PREVIEW", "TEXT Color", ""), "clRed");
}

TEST_F(SettingsValuesTest, FontStyleAndPartialGroups)
{
    WriteFile("[Editor]\r\nTEXT Name=Courier New\r\nTEXT Size=10\r\nTEXT Color=CLNAVY\r\nTEXT Style=0101\r\n"
              "[Odd]\r\nTEXT Name=Arial\r\nTEXT Size=big\r\nTEXT Color=purple-ish\r\nTEXT Style=1\r\n");
    SettingsFont font{"Old", 9, clBlack, true, false, true, false};
    ASSERT_TRUE(ReadFontSetting(profile_, font, "Editor", "TEXT"));
    EXPECT_EQ(font, (SettingsFont{"Courier New", 10, 0x800000, false, true, false, true}));

    // Unusable size and colour keep what the font had; a short style sets what it names.
    font = SettingsFont{"Old", 9, 0x123456, false, true, true, true};
    ASSERT_TRUE(ReadFontSetting(profile_, font, "Odd", "TEXT"));
    EXPECT_EQ(font, (SettingsFont{"Arial", 9, 0x123456, true, false, false, false}));

    // No name: the font stays as it was even when other keys are there.
    WriteFile("[PREVIEW]\r\nTEXT Size=20\r\nTEXT Style=1111\r\n");
    font = SettingsFont{"Arial", 9, clBlack, false, false, false, false};
    EXPECT_FALSE(ReadFontSetting(profile_, font, "PREVIEW", "TEXT"));
    EXPECT_EQ(font, (SettingsFont{"Arial", 9, clBlack, false, false, false, false}));
}

TEST(SettingsColorTest, NamesAndNumbers)
{
    EXPECT_EQ(ColorToString(0x000000), "clBlack");
    EXPECT_EQ(ColorToString(0x80000008), "clWindowText");
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(StringToColor("clWhite"), 0xFFFFFFu);
    EXPECT_EQ(StringToColor("clwindowtext"), 0x80000008u);
    EXPECT_EQ(StringToColor("$000000FF"), 0xFFu);
    EXPECT_EQ(StringToColor("255"), 255u);
    for (const char* bad : {"", "$", "red", "clPink", "$12345678901", "#FF0000"})
        EXPECT_EQ(StringToColor(bad), std::nullopt) << bad;
    // Everything written reads back.
    for (ColorValue v : {0x000000u, 0x800000u, 0xF0FBFFu, 0x80000000u, 0x80000018u, 0x1FFFFFFFu, 0x00ABCDEFu})
        EXPECT_EQ(StringToColor(ColorToString(v)), v) << ColorToString(v).toStdString();
}

TEST(SettingsColorTest, ConversionToScreenColours)
{
    EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(0x80000008, palette), QColor(1, 2, 3));
}

}  // namespace
