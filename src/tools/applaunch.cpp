#include "tools/applaunch.h"

#include "common/isset.h"
#include "common/runprogram.h"
#include "platform/prompts.h"
#include "tools/appslots.h"
#include "tools/browserlaunch.h"
#include "tools/toolservices.h"

AppLaunch RunAppSlot(ToolServices& services, const AppSlot& slot, const QString& currentFile)
{
    if (!IsSet(slot.program)) {
        services.prompts.Message(QStringLiteral("No program is assigned to this button."), MessageKind::Error,
                                 MessageButtons::Ok);
        return AppLaunch::Unassigned;
    }
    if (IsDdeBrowser(slot.program)) {
        SendToBrowserByDde(services, slot.program, currentFile);
        return AppLaunch::Launched;
    }
    RunProgram(services.starter, services.prompts, slot.program, slot.parameters,
               slot.passFileName ? currentFile : QString());
    return AppLaunch::Launched;
}

QString QuotedArgument(const QString& path)
{
    const bool needsQuotes = path.contains(QLatin1Char(' ')) || path.contains(QLatin1Char('\t')) ||
                             path.contains(QLatin1Char('"'));
    if (!needsQuotes)
        return path;
    // Inside quotes, three quotes stand for one.
    QString inner = path;
    inner.replace(QLatin1String("\""), QLatin1String("\"\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}
