// The main window's outside programs: the web browser and the application
// launch bar.
#include "app/mainform.h"

#include "platform/ddeclient.h"
#include "tools/applist.h"
#include "tools/browserlaunch.h"
#include "tools/toolservices.h"

#include <QAction>
#include <QFrame>
#include <QToolButton>

namespace {

// Services built without a DDE client ask no server.
DdeClient& DdeOf(const PlatformServices& services)
{
    static UnavailableDdeClient none;
    return services.dde ? *services.dde : none;
}

}  // namespace

void TFM_MainForm::BT_PreviewClick()
{
    ToolServices tools{*services_.prompts, *services_.starter, DdeOf(services_)};
    LaunchBrowser(tools, BrowserPath,
                  {[this] { return document_->DocumentFileName(); }, [this] { return document_->ConfirmSaveChanges(); }});
}

void TFM_MainForm::MNU_SetBrowserClick()
{
    if (const std::optional<QString> chosen = ChooseBrowser(UserPrompts(), BrowserPath))
        BrowserPath = *chosen;
}

void TFM_MainForm::BT_PullDownAppListClick()
{
    // Under the tool bar, its right edge a little right of the button.
    const int top = PA_ToolBar->mapToGlobal(QPoint(0, PA_ToolBar->height())).y();
    const int right = BT_PullDownAppList->mapToGlobal(QPoint(0, 0)).x() + 20;
    ToolServices tools{*services_.prompts, *services_.starter, DdeOf(services_)};
    ShowAppBar(top, right, SettingsPath, document_->DocumentFileName(), tools, this);
}

void TFM_MainForm::WireToolCommands()
{
    WireCommand(BT_Preview, [this] { BT_PreviewClick(); });
    WireCommand(BT_PullDownAppList, [this] { BT_PullDownAppListClick(); });
    WireCommand(MNU_SetBrowser, [this] { MNU_SetBrowserClick(); });
}
