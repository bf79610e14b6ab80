#include "app/settingsfile.h"

#include "common/settingsfolder.h"
#include "platform/profile.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kWindows = QStringLiteral("Windows");
const QString kEditor = QStringLiteral("Editor");
const QString kPreview = QStringLiteral("PREVIEW");
const QString kFontPrefix = QStringLiteral("TEXT");

// A damaged file must not draw the editor at 999 points (it looks empty) or
// at 1: stored sizes are brought into what a screen shows readably.
void KeepReadable(SettingsFont& font)
{
    if (font.size > 0)
        font.size = std::clamp(font.size, kMinStoredFontSize, kMaxStoredFontSize);
}

}  // namespace

QString SettingsPath(const QString& programFolder)
{
    return QDir(SettingsFolder(programFolder)).filePath(QStringLiteral("KIVO.INI"));
}

std::optional<MainSettings> ReadMainSettings(const Profile& profile, const MainSettings& current)
{
    if (!profile.Exists())
        return std::nullopt;
    MainSettings s = current;

    // The rectangle only counts for a window that was neither minimised nor
    // maximised; an unknown state is a normal window.
    const int state = ReadInteger(profile, kWindows, QStringLiteral("WinState"), 0);
    s.winState = state == 1 ? StoredWindowState::Minimised
               : state == 2 ? StoredWindowState::Maximised
                            : StoredWindowState::Normal;
    if (state == 0) {
        s.top = ReadInteger(profile, kWindows, QStringLiteral("Top"), current.top);
        s.left = ReadInteger(profile, kWindows, QStringLiteral("Left"), current.left);
        s.height = ReadInteger(profile, kWindows, QStringLiteral("Height"), current.height);
        s.width = ReadInteger(profile, kWindows, QStringLiteral("Width"), current.width);
    }

    s.showImage = ReadBool(profile, kPreview, QStringLiteral("Image"), true);
    s.fixFontName = ReadText(profile, kPreview, QStringLiteral("FixFontName"), QStringLiteral("Courier New"));
    s.autoLineBreak = ReadBool(profile, kEditor, QStringLiteral("AutoLineBreak"), false);
    s.wordWrap = ReadBool(profile, kEditor, QStringLiteral("WordWrap"), false);
    s.hideCfgBtn = ReadBool(profile, kEditor, QStringLiteral("HIDECFGBTN"), false);
    s.showDir = ReadBool(profile, kEditor, QStringLiteral("ShowDir"), true);
    s.autoSave = ReadBool(profile, kWindows, QStringLiteral("AutoSave"), true);
    s.highlight = ReadBool(profile, kEditor, QStringLiteral("Highlight"), true);
    s.lineNumbers = ReadBool(profile, kEditor, QStringLiteral("LineNumbers"), true);
    s.recovery = ReadBool(profile, kEditor, QStringLiteral("Recovery"), true);
    s.completion = ReadBool(profile, kEditor, QStringLiteral("Completion"), true);
    s.sideBySide = ReadBool(profile, kEditor, QStringLiteral("SideBySide"), false);
    s.sideBySideSplit = std::clamp(ReadInteger(profile, kEditor, QStringLiteral("SideBySideSplitter"), 0), 0, 100000);
    s.syncScroll = ReadBool(profile, kEditor, QStringLiteral("SyncScroll"), true);
    s.editorFontStored = ReadFontSetting(profile, s.editorFont, kEditor, kFontPrefix);
    s.previewFontStored = ReadFontSetting(profile, s.previewFont, kPreview, kFontPrefix);
    KeepReadable(s.editorFont);
    KeepReadable(s.previewFont);
    s.browser = ReadText(profile, kPreview, QStringLiteral("Browser"), QString());
    return s;
}

void WriteMainSettings(const Profile& profile, const MainSettings& s)
{
    WriteInteger(profile, kWindows, QStringLiteral("Top"), s.top);
    WriteInteger(profile, kWindows, QStringLiteral("Left"), s.left);
    WriteInteger(profile, kWindows, QStringLiteral("Height"), s.height);
    WriteInteger(profile, kWindows, QStringLiteral("Width"), s.width);
    WriteInteger(profile, kWindows, QStringLiteral("WinState"), int(s.winState));
    WriteBool(profile, kWindows, QStringLiteral("AutoSave"), s.autoSave);

    WriteBool(profile, kEditor, QStringLiteral("AutoLineBreak"), s.autoLineBreak);
    WriteBool(profile, kEditor, QStringLiteral("WordWrap"), s.wordWrap);
    WriteBool(profile, kEditor, QStringLiteral("ShowDir"), s.showDir);
    WriteFontSetting(profile, s.editorFont, kEditor, kFontPrefix);
    WriteBool(profile, kEditor, QStringLiteral("Highlight"), s.highlight);
    WriteBool(profile, kEditor, QStringLiteral("LineNumbers"), s.lineNumbers);
    WriteBool(profile, kEditor, QStringLiteral("Recovery"), s.recovery);
    WriteBool(profile, kEditor, QStringLiteral("Completion"), s.completion);
    WriteBool(profile, kEditor, QStringLiteral("SideBySide"), s.sideBySide);
    WriteInteger(profile, kEditor, QStringLiteral("SideBySideSplitter"), s.sideBySideSplit);
    WriteBool(profile, kEditor, QStringLiteral("SyncScroll"), s.syncScroll);

    WriteBool(profile, kPreview, QStringLiteral("Image"), s.showImage);
    WriteFontSetting(profile, s.previewFont, kPreview, kFontPrefix);
    WriteText(profile, kPreview, QStringLiteral("FixFontName"), s.fixFontName);
    WriteText(profile, kPreview, QStringLiteral("Browser"), s.browser);
}
