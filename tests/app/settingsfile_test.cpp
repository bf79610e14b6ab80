#include "app/settingsfile.h"
#include "common/settingsfont.h"
#include "platform/profile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        current_.editorFont = SettingsFont{"Sans", 10, clBlack, false, false, false, false};
        current_.previewFont = SettingsFont{"Arial", 9, clBlack, false, false, false, false};
    }

    void WriteFile(const QByteArray& bytes) const
    {
        QFile file(profile_.Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadFile() const
    {
        QFile file(profile_.Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    Profile profile_{SettingsPath(dir_.path())};
    MainSettings current_;
};

TEST_F(SettingsFileTest, ThePathIsBesideTheProgram)
{
    EXPECT_EQ(SettingsPath("/opt/kivo"), "/opt/kivo/KIVO.INI");
    EXPECT_EQ(SettingsPath("/opt/kivo/"), "/opt/kivo/KIVO.INI");
}

TEST_F(SettingsFileTest, NoFileIsToldApartFromAnEmptyOne)
{
    EXPECT_EQ(ReadMainSettings(profile_, current_), std::nullopt);
    WriteFile("");
    const auto read = ReadMainSettings(profile_, current_);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, current_);  // every key absent: defaults and current values
    EXPECT_FALSE(read->wordWrap);
}

TEST_F(SettingsFileTest, AbsentKeysTakeTheirDefaultsNotTheCurrentOptions)
{
    WriteFile("[Windows]\r\nTop=1\r\n");
    current_.showImage = false;
    current_.autoSave = false;
    current_.showDir = false;
    current_.wordWrap = true;
    current_.fixFontName = "Mono";
    const auto read = ReadMainSettings(profile_, current_);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->showImage);
    EXPECT_TRUE(read->autoSave);
    EXPECT_TRUE(read->showDir);
    EXPECT_FALSE(read->wordWrap);
    EXPECT_EQ(read->fixFontName, "Courier New");
    EXPECT_EQ(read->top, 1);
    EXPECT_EQ(read->left, current_.left);
}

TEST_F(SettingsFileTest, WindowRectangleOnlyForANormalWindow)
{
    WriteFile("[Windows]\r\nWinState=2\r\nTop=1\r\nLeft=2\r\nHeight=3\r\nWidth=4\r\n");
    auto read = ReadMainSettings(profile_, current_);
    EXPECT_EQ(read->winState, StoredWindowState::Maximised);
    EXPECT_EQ(std::tie(read->top, read->left, read->height, read->width),
              std::tie(current_.top, current_.left, current_.height, current_.width));

    WriteFile("[Windows]\r\nWinState=0\r\nTop=oops\r\nWidth=0x258\r\nHeight=500\r\n");
    read = ReadMainSettings(profile_, current_);
    EXPECT_EQ(read->winState, StoredWindowState::Normal);
    EXPECT_EQ(read->width, 600);
    EXPECT_EQ(read->height, 500);
    EXPECT_EQ(read->top, current_.top);

    WriteFile("[Windows]\r\nWinState=1\r\n");
    EXPECT_EQ(ReadMainSettings(profile_, current_)->winState, StoredWindowState::Minimised);
}

TEST_F(SettingsFileTest, FontsOnlyWhenANameIsStored)
{
    WriteFile("[Editor]\r\nTEXT Name=Liberation Mono\r\nTEXT Size=12\r\nTEXT Color=clMaroon\r\nTEXT Style=0101\r\n");
    const auto read = ReadMainSettings(profile_, current_);
    EXPECT_TRUE(read->editorFontStored);
    EXPECT_EQ(read->editorFont, (SettingsFont{"Liberation Mono", 12, 0x000080, false, true, false, true}));
    EXPECT_FALSE(read->previewFontStored);
    EXPECT_EQ(read->previewFont, current_.previewFont);
}

TEST_F(SettingsFileTest, SavedInOrderAndReadBack)
{
    MainSettings s = current_;
    s.top = 10;
    s.left = 20;
    s.height = 300;
    s.width = 0x258;
    s.wordWrap = true;
    s.autoSave = false;
    s.browser = "/usr/bin/firefox";
    s.hideCfgBtn = true;
    s.highlight = false;
    s.recovery = false;
    WriteMainSettings(profile_, s);
    EXPECT_EQ(ReadFile(),
              "[Windows]\r\nTop=10\r\nLeft=20\r\nHeight=300\r\nWidth=600\r\nWinState=0\r\nAutoSave=0\r\n"
              "\r\n[Editor]\r\nAutoLineBreak=0\r\nWordWrap=1\r\nShowDir=1\r\n"
              "TEXT Name=Sans\r\nTEXT Size=10\r\nTEXT Color=clBlack\r\nTEXT Style=0000\r\n"
              "Highlight=0\r\nLineNumbers=1\r\nRecovery=0\r\nCompletion=1\r\n"
              "SideBySide=0\r\nSideBySideSplitter=0\r\nSyncScroll=1\r\n"
              "\r\n[PREVIEW]\r\nImage=1\r\n"
              "TEXT Name=Arial\r\nTEXT Size=9\r\nTEXT Color=clBlack\r\nTEXT Style=0000\r\n"
              "FixFontName=Courier New\r\nBrowser=/usr/bin/firefox\r\n");
    // HIDECFGBTN is read, never written.
    auto read = ReadMainSettings(profile_, MainSettings{});
    s.hideCfgBtn = false;
    s.editorFontStored = s.previewFontStored = true;
    EXPECT_EQ(*read, s);
}

TEST_F(SettingsFileTest, SaveKeepsKeysOthersOwn)
{
    WriteFile("[History]\r\nH0=/a.htm\r\n[Editor]\r\nHIDECFGBTN=1\r\n[Table]\r\nTop=5\r\n");
    WriteMainSettings(profile_, current_);
    EXPECT_EQ(profile_.ReadString("History", "H0", ""), "/a.htm");
    EXPECT_EQ(profile_.ReadString("Table", "Top", ""), "5");
    EXPECT_TRUE(ReadMainSettings(profile_, current_)->hideCfgBtn);
}

TEST_F(SettingsFileTest, EditorViewKeysAbsentMeanOn)
{
    // A settings file from before colouring and line numbers.
    WriteFile("[Editor]\r\nWordWrap=1\r\n");
    current_.highlight = current_.lineNumbers = current_.recovery = false;
    auto read = ReadMainSettings(profile_, current_);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->highlight);
    EXPECT_TRUE(read->lineNumbers);
    EXPECT_TRUE(read->recovery);

    WriteFile("[Editor]\r\nHighlight=0\r\nLineNumbers=0\r\n");
    read = ReadMainSettings(profile_, current_);
    EXPECT_FALSE(read->highlight);
    EXPECT_FALSE(read->lineNumbers);
    WriteFile("[Editor]\r\nHighlight=5\r\nLineNumbers=0\r\n");
    EXPECT_TRUE(ReadMainSettings(profile_, current_)->highlight);
}

TEST(SettingsFontTest, ConversionKeepsNameSizeStyleAndColour)
{
    const SettingsFont stored{"Liberation Serif", 14, 0x0000FF, true, true, false, true};
    const QFont font = ToQFont(stored);
    EXPECT_EQ(font.family(), "Liberation Serif");
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.bold() && font.italic() && font.strikeOut() && !font.underline());
    EXPECT_EQ(ToSettingsFont(font, ToQColor(stored.color)), stored);

    // A size of 0 keeps the base size; a pixel-sized font counts at 96 dots per inch.
    QFont base("Arial");
    base.setPixelSize(12);
    EXPECT_EQ(ToQFont(SettingsFont{"Arial", 0}, base).pixelSize(), 12);
    EXPECT_EQ(ToSettingsFont(base, Qt::black).size, 9);
}

}  // namespace
