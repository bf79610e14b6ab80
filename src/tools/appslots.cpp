#include "tools/appslots.h"

#include "common/caretlines.h"
#include "common/isset.h"
#include "platform/profile.h"

#include <QStringList>

namespace {

const QString kSection = QStringLiteral("Application");

QString KeyOf(int index)
{
    return QStringLiteral("PROG%1").arg(index + 1);
}

}  // namespace

AppSlot ParseAppSlotValue(const QString& value)
{
    AppSlot slot;
    if (!IsSet(value) || !value.contains(QLatin1Char(',')))
        return slot;
    QStringList fields;
    SplitAtChar(value, fields, QLatin1Char(','));
    slot.passFileName = fields.value(0) == QLatin1String("1");
    slot.program = fields.value(1);
    slot.parameters = fields.value(2);
    return slot;
}

QString AppSlotValue(const AppSlot& slot)
{
    return (slot.passFileName ? QStringLiteral("1") : QStringLiteral("0")) + QLatin1Char(',') + slot.program +
           QLatin1Char(',') + slot.parameters;
}

AppSlots ReadAppSlots(const Profile& profile)
{
    AppSlots appSlots;
    for (int i = 0; i < kAppSlotCount; ++i)
        appSlots[i] = ParseAppSlotValue(profile.ReadString(kSection, KeyOf(i), QString()));
    return appSlots;
}

void WriteAppSlots(const Profile& profile, const AppSlots& appSlots)
{
    for (int i = 0; i < kAppSlotCount; ++i) {
        if (IsSet(appSlots[i].program))
            profile.WriteString(kSection, KeyOf(i), AppSlotValue(appSlots[i]));
    }
}
