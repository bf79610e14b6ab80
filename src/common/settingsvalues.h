#pragma once

#include "common/settingscolor.h"

#include <QString>

#include <optional>

class Profile;

// Values in the settings file: booleans as "1"/"0", integers in decimal (read
// also as "0x" hexadecimal), text as it is, and fonts as a group of four keys.

// Decimal, or hexadecimal after "0x"/"0X"; nothing for text that is no number.
std::optional<int> ParseSettingsInteger(const QString& text);

int ReadInteger(const Profile& profile, const QString& section, const QString& key, int defaultValue);
void WriteInteger(const Profile& profile, const QString& section, const QString& key, int value);
// Any non-zero number is true.
bool ReadBool(const Profile& profile, const QString& section, const QString& key, bool defaultValue);
void WriteBool(const Profile& profile, const QString& section, const QString& key, bool value);
QString ReadText(const Profile& profile, const QString& section, const QString& key, const QString& defaultValue);
void WriteText(const Profile& profile, const QString& section, const QString& key, const QString& value);

// A font as stored under "<prefix> Name", " Size", " Color" and " Style".
struct SettingsFont {
    QString name;
    int size = 0;  // points
    ColorValue color = clBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const SettingsFont&) const = default;
};

// Changes the font and returns true only when a name is stored. A size that
// is no positive number or a colour that is neither a name nor a number
// leaves that part of the font as it was.
bool ReadFontSetting(const Profile& profile, SettingsFont& font, const QString& section, const QString& prefix);
void WriteFontSetting(const Profile& profile, const SettingsFont& font, const QString& section, const QString& prefix);
