#pragma once

#include "common/settingsvalues.h"

#include <QString>

#include <optional>

class Profile;

// The main window's options as the settings file keeps them.

// The settings file: "KIVO.INI" in the settings folder (beside the program
// unless it is installed).
QString SettingsPath(const QString& programFolder);

// Font sizes read from the file are kept within these, in points.
inline constexpr int kMinStoredFontSize = 6;
inline constexpr int kMaxStoredFontSize = 72;

enum class StoredWindowState { Normal = 0, Minimised = 1, Maximised = 2 };

struct MainSettings {
    StoredWindowState winState = StoredWindowState::Normal;
    int top = 157;
    int left = 132;
    int height = 388;
    int width = 600;
    bool autoSave = true;

    bool autoLineBreak = false;
    bool wordWrap = false;
    bool showDir = true;
    bool hideCfgBtn = false;  // read only: for hand-edited files
    SettingsFont editorFont;
    // Absent keys mean on, so an older settings file gets the coloured,
    // numbered editor.
    bool highlight = true;
    bool lineNumbers = true;
    // Recovery copies of unsaved text; absent means on.
    bool recovery = true;
    bool completion = true;
    // The preview beside the editor is off unless the file says otherwise;
    // the panes scroll together unless it says not to. The split is the
    // editor pane's width, 0 for half the window.
    bool sideBySide = false;
    int sideBySideSplit = 0;
    bool syncScroll = true;

    bool showImage = true;
    SettingsFont previewFont;
    QString fixFontName = QStringLiteral("Courier New");
    QString browser;

    // Set when reading: the file held a font for the editor or the viewer.
    bool editorFontStored = false;
    bool previewFontStored = false;

    bool operator==(const MainSettings&) const = default;
};

// Everything start-up takes from the file, on top of `current` (what the
// window has now), which also supplies every value the file lacks or holds
// in an unusable form; font sizes are kept within the limits above (the
// window's rectangle is fitted to the screens where it is placed). Nothing
// when there is no settings file at all.
std::optional<MainSettings> ReadMainSettings(const Profile& profile, const MainSettings& current);

// Writes the keys in a fixed order; a failure (SettingsWriteError) leaves the
// keys written before it in place and writes none after it.
void WriteMainSettings(const Profile& profile, const MainSettings& settings);
