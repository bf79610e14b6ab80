#include "platform/profile.h"

#include "platform/kivoerror.h"
#include "platform/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <optional>

namespace {

// The file as lines; its encoding and line breaks are written back as found.
struct IniText {
    bool exists = false;
    bool readable = true;
    QByteArray bytes;
    FileFormat format;
    QStringList lines;
};

IniText Load(const QString& path)
{
    IniText ini;
    QFile file(path);
    ini.exists = file.exists();
    if (!ini.exists)
        return ini;
    if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir()) {
        ini.readable = false;
        return ini;
    }
    ini.bytes = file.readAll();
    const DecodedText decoded = DecodeText(ini.bytes);
    ini.format = decoded.format;
    ini.lines = decoded.text.split(QLatin1String("\r\n"));
    // A final line break leaves an empty piece behind that is no line.
    if (!ini.lines.isEmpty() && ini.lines.last().isEmpty())
        ini.lines.removeLast();
    return ini;
}

QString Serialise(const IniText& ini)
{
    QString text;
    for (const QString& line : ini.lines)
        text += line + QLatin1String("\r\n");
    return text;
}

std::optional<QString> SectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

struct KeyValue {
    QString key;
    QString value;
};

std::optional<KeyValue> ParseKeyLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    KeyValue kv{line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
    if (kv.key.isEmpty())
        return std::nullopt;
    return kv;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Calls visit(lineIndex, keyValue) for each key line of every part of the
// section, in file order; visit returns false to stop.
template <typename Visit>
void ForEachKey(const IniText& ini, const QString& section, Visit visit)
{
    bool inSection = false;
    for (qsizetype i = 0; i < ini.lines.size(); ++i) {
        if (const auto name = SectionName(ini.lines[i])) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto kv = ParseKeyLine(ini.lines[i]); kv && !visit(i, *kv))
            return;
    }
}

// A value is one line of the file; a line break inside it would start a new
// key or section of the caller's choosing.
QString OneLine(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

void Store(const QString& path, const IniText& ini)
{
    const QByteArray bytes = EncodeText(Serialise(ini), ini.format);
    if (ini.exists && bytes == ini.bytes)
        return;
    QSaveFile file(path);
    // A writable file in a folder we may not create files in is still written.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SettingsWriteError(path);
}

// Serialises read-modify-write cycles between copies of the program, so two
// copies writing at the same moment both keep their keys. Where no lock can
// be made (a read-only folder) the write goes ahead and reports its own fate.
class WriteLock {
public:
    explicit WriteLock(const QString& path) : lock_(path + QStringLiteral(".lock"))
    {
        lock_.setStaleLockTime(10000);
        lock_.tryLock(2000);
    }

private:
    QLockFile lock_;
};

template <typename Change>
void Modify(const QString& path, Change change)
{
    const WriteLock lock(path);
    IniText ini = Load(path);
    if (!ini.readable)
        throw SettingsWriteError(path); // rewriting it would lose what we cannot read
    if (change(ini))
        Store(path, ini);
}

} // namespace

bool Profile::Exists() const
{
    return QFileInfo(path_).isFile();
}

QString Profile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    QString result = defaultValue;
    ForEachKey(Load(path_), section, [&](qsizetype, const KeyValue& kv) {
        if (!SameName(kv.key, key))
            return true;
        result = kv.value;
        return false;
    });
    return result;
}

void Profile::WriteString(const QString& section, const QString& key, const QString& value) const
{
    const QString clean = OneLine(value);
    Modify(path_, [&](IniText& ini) {
        std::optional<qsizetype> existing;
        ForEachKey(ini, section, [&](qsizetype line, const KeyValue& kv) {
            if (!SameName(kv.key, key))
                return true;
            existing = line;
            return false;
        });
        if (existing) {
            const QString& old = ini.lines[*existing];
            ini.lines[*existing] = old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + clean;
            return true;
        }
        const QString newLine = key + QLatin1Char('=') + clean;

        // Append to the first part of the section, after its last key.
        std::optional<qsizetype> insertAt;
        for (qsizetype i = 0; i < ini.lines.size(); ++i) {
            const auto name = SectionName(ini.lines[i]);
            if (insertAt) {
                if (name)
                    break;
                if (ParseKeyLine(ini.lines[i]))
                    insertAt = i + 1;
            } else if (name && SameName(*name, section)) {
                insertAt = i + 1;
            }
        }
        if (insertAt) {
            ini.lines.insert(*insertAt, newLine);
            return true;
        }
        if (!ini.lines.isEmpty() && !ini.lines.last().trimmed().isEmpty())
            ini.lines.append(QString());
        ini.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        ini.lines.append(newLine);
        return true;
    });
}

void Profile::EraseSection(const QString& section) const
{
    if (!QFileInfo::exists(path_))
        return;
    Modify(path_, [&](IniText& ini) {
        QStringList kept;
        bool inSection = false;
        for (const QString& line : std::as_const(ini.lines)) {
            if (const auto name = SectionName(line))
                inSection = SameName(*name, section);
            if (!inSection)
                kept.append(line);
        }
        if (kept.size() == ini.lines.size())
            return false;
        ini.lines = kept;
        return true;
    });
}

QStringList Profile::SectionKeys(const QString& section) const
{
    QStringList keys;
    ForEachKey(Load(path_), section, [&](qsizetype, const KeyValue& kv) {
        if (!keys.contains(kv.key, Qt::CaseInsensitive))
            keys.append(kv.key);
        return true;
    });
    return keys;
}
