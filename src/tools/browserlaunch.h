#pragma once

#include <QString>

#include <functional>
#include <optional>

class DdeClient;
class ProgramStarter;
class Prompts;
struct ToolServices;

// The browser that is asked through DDE rather than started with the file:
// its program file, without folder and in any letter case, is NETSCAPE.EXE.
bool IsDdeBrowser(const QString& program);

// Asks the DDE browser to come to the front and open `file`, starting it
// (minimised, not activated) when no server answers. Nothing is reported to
// the user: a browser that cannot be reached simply does nothing. Where the
// platform has no DDE at all, the browser is started once with the file as
// its argument instead, and a failure to start it is reported.
void SendToBrowserByDde(ToolServices& services, const QString& program, const QString& file);

// The document as the browser launch sees it.
struct BrowserDocument {
    std::function<QString()> fileName;  // empty for a document without a name
    // Offers to save a modified document; false when the user cancels.
    std::function<bool()> confirmSaveChanges;
};

// BT_PreviewClick: shows the saved document in the browser at `browserPath`.
void LaunchBrowser(ToolServices& services, const QString& browserPath, const BrowserDocument& document);

// MNU_SetBrowserClick: the browser the user picks, nothing on Cancel. The
// dialog offers program files of any name.
std::optional<QString> ChooseBrowser(Prompts& prompts, const QString& browserPath);
