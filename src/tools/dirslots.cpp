#include "tools/dirslots.h"

#include "common/caretlines.h"
#include "common/isset.h"
#include "platform/profile.h"

#include <QDir>
#include <QStringList>

namespace {

const QString kSection = QStringLiteral("Directory");
constexpr int kFieldCount = 3;

QString KeyOf(int index)
{
    return QStringLiteral("Button%1").arg(index);
}

}  // namespace

DirSlot ParseDirSlotValue(const QString& value)
{
    QStringList fields;
    SplitAtChar(value, fields, QLatin1Char(','));
    if (fields.size() != kFieldCount)
        return {};
    return DirSlot{fields[1], fields[0], fields[2] == QLatin1String("1")};
}

DirSlots ReadDirBar(const QString& settingsPath)
{
    const Profile profile(settingsPath);
    DirSlots dirSlots;
    for (int i = 0; i < kDirSlotCount; ++i)
        dirSlots[i] = ParseDirSlotValue(profile.ReadString(kSection, KeyOf(i), QString()));
    return dirSlots;
}

void WriteDirBar(const QString& settingsPath, const DirSlots& dirSlots)
{
    const Profile profile(settingsPath);
    for (int i = 0; i < kDirSlotCount; ++i) {
        const DirSlot& slot = dirSlots[i];
        profile.WriteString(kSection, KeyOf(i),
                            slot.htmlFile + QLatin1Char(',') + slot.caption + QLatin1Char(',') +
                                (slot.inProgramFolder ? QLatin1Char('1') : QLatin1Char('0')));
    }
}

std::optional<QString> DirSlotPath(const DirSlot& slot, const QString& programFolder)
{
    if (!IsSet(slot.htmlFile))
        return std::nullopt;
    if (!slot.inProgramFolder)
        return slot.htmlFile;
    return QDir(programFolder).filePath(slot.htmlFile);
}

void OpenDirSlot(const DirSlot& slot, const QString& programFolder,
                 const std::function<void(const QString&)>& loadHtmlFile)
{
    if (const std::optional<QString> path = DirSlotPath(slot, programFolder))
        loadHtmlFile(*path);
}
