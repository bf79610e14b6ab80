#include "tools/browserlaunch.h"

#include "common/isset.h"
#include "common/runprogram.h"
#include "platform/ddeclient.h"
#include "platform/programstart.h"
#include "platform/prompts.h"
#include "tools/toolservices.h"

#include <QFileInfo>

#include <algorithm>

namespace {

using namespace std::chrono_literals;

const QString kService = QStringLiteral("Netscape");
const QString kActivateTopic = QStringLiteral("WWW_Activate");
const QString kOpenTopic = QStringLiteral("WWW_OpenURL");
const QString kActivateItem = QStringLiteral("0xFFFFFFFF");
const QString kOpenItemSuffix = QStringLiteral(",,-1,1,,,");
constexpr std::chrono::milliseconds kRequestTimeout = 10000ms;

// Connects, starting the program once when no server answers and trying
// again only when that start succeeded.
std::unique_ptr<DdeConversation> OpenLink(ToolServices& services, const QString& program, const QString& topic)
{
    if (auto link = services.dde.Connect(kService, topic))
        return link;
    if (services.starter.WinExecMinimised(program, {}) < 32)
        return nullptr;
    return services.dde.Connect(kService, topic);
}

// The answer is not used: the request only has to reach the browser.
void Ask(ToolServices& services, const QString& program, const QString& topic, const QString& item)
{
    if (auto link = OpenLink(services, program, topic))
        link->Request(item, kRequestTimeout);
}

}  // namespace

bool IsDdeBrowser(const QString& program)
{
    // Paths in the settings file may be written either way.
    const qsizetype folderEnd = std::max(program.lastIndexOf(QLatin1Char('/')), program.lastIndexOf(QLatin1Char('\\')));
    return program.mid(folderEnd + 1).toUpper() == QLatin1String("NETSCAPE.EXE");
}

void SendToBrowserByDde(ToolServices& services, const QString& program, const QString& file)
{
    if (!services.dde.Available()) {
        // Asking a server that cannot exist would start the browser twice
        // and never give it the file.
        RunProgram(services.starter, services.prompts, program, file);
        return;
    }
    Ask(services, program, kActivateTopic, kActivateItem);
    // The plain path, not an address: this is what the browser expects.
    Ask(services, program, kOpenTopic, file + kOpenItemSuffix);
}

void LaunchBrowser(ToolServices& services, const QString& browserPath, const BrowserDocument& document)
{
    if (!IsSet(document.fileName())) {
        services.prompts.Message(QStringLiteral("Please save your file first"), MessageKind::Confirmation,
                                 MessageButtons::Ok);
        return;
    }
    if (!IsSet(browserPath)) {
        services.prompts.Message(QStringLiteral("Please set your Web Browser via Option first"), MessageKind::Error,
                                 MessageButtons::Ok);
        return;
    }
    if (!document.confirmSaveChanges())
        return;
    const QString file = document.fileName();
    if (IsDdeBrowser(browserPath))
        SendToBrowserByDde(services, browserPath, file);
    else
        RunProgram(services.starter, services.prompts, browserPath, file);
}

std::optional<QString> ChooseBrowser(Prompts& prompts, const QString& browserPath)
{
    FileDialogOptions options;
    options.title = QStringLiteral("Set Web Browser");
    options.fileName = browserPath;
    // Programs here rarely end in .EXE, and a default extension would be
    // added to a name such as "firefox".
    options.filter = QStringLiteral("Programs|*|EXE|*.EXE;*.exe");
    const QString programs = QStringLiteral("/usr/bin");
    if (!IsSet(browserPath) && QFileInfo(programs).isDir())
        options.initialFolder = programs;
    return prompts.OpenFileName(options);
}
