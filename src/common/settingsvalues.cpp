#include "common/settingsvalues.h"

#include "platform/profile.h"

std::optional<int> ParseSettingsInteger(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    int value = 0;
    if (trimmed.size() > 2 && trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = int(trimmed.mid(2).toUInt(&ok, 16));  // eight digits may set the sign bit
    else
        value = trimmed.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

int ReadInteger(const Profile& profile, const QString& section, const QString& key, int defaultValue)
{
    return ParseSettingsInteger(profile.ReadString(section, key, QString())).value_or(defaultValue);
}

void WriteInteger(const Profile& profile, const QString& section, const QString& key, int value)
{
    profile.WriteString(section, key, QString::number(value));
}

bool ReadBool(const Profile& profile, const QString& section, const QString& key, bool defaultValue)
{
    return ReadInteger(profile, section, key, defaultValue ? 1 : 0) != 0;
}

void WriteBool(const Profile& profile, const QString& section, const QString& key, bool value)
{
    profile.WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString ReadText(const Profile& profile, const QString& section, const QString& key, const QString& defaultValue)
{
    return profile.ReadString(section, key, defaultValue);
}

void WriteText(const Profile& profile, const QString& section, const QString& key, const QString& value)
{
    profile.WriteString(section, key, value);
}

namespace {

QString FontKey(const QString& prefix, const char* part)
{
    return prefix + QLatin1Char(' ') + QLatin1String(part);
}

}  // namespace

bool ReadFontSetting(const Profile& profile, SettingsFont& font, const QString& section, const QString& prefix)
{
    const QString name = profile.ReadString(section, FontKey(prefix, "Name"), QString());
    const int size = ReadInteger(profile, section, FontKey(prefix, "Size"), 0);
    const QString color = profile.ReadString(section, FontKey(prefix, "Color"), QString());
    const QString style = profile.ReadString(section, FontKey(prefix, "Style"), QString()).left(4);
    if (name.isEmpty())
        return false;

    font.name = name;
    if (size > 0)
        font.size = size;
    if (const auto value = StringToColor(color))
        font.color = *value;
    const auto styleBit = [&style](int i) { return i < style.size() && style[i] == QLatin1Char('1'); };
    font.bold = styleBit(0);
    font.italic = styleBit(1);
    font.underline = styleBit(2);
    font.strikeOut = styleBit(3);
    return true;
}

void WriteFontSetting(const Profile& profile, const SettingsFont& font, const QString& section, const QString& prefix)
{
    profile.WriteString(section, FontKey(prefix, "Name"), font.name);
    WriteInteger(profile, section, FontKey(prefix, "Size"), font.size);
    profile.WriteString(section, FontKey(prefix, "Color"), ColorToString(font.color));
    const auto bit = [](bool on) { return on ? QLatin1Char('1') : QLatin1Char('0'); };
    profile.WriteString(section, FontKey(prefix, "Style"),
                        QString() + bit(font.bold) + bit(font.italic) + bit(font.underline) + bit(font.strikeOut));
}
