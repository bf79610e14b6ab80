#include "editing/linkcommands.h"

#include "common/isset.h"
#include "common/relativeurl.h"
#include "editing/bookmarks.h"
#include "editing/hreflinkdialog.h"
#include "platform/editcontrol.h"
#include "platform/prompts.h"

const QString kKivoHomePage = QStringLiteral("http://www.kivopro.com/");

namespace {

constexpr int kMaxPromptValue = 255;

void InsertAnchor(EditControl& edit, const QString& anchor)
{
    edit.ReplaceSelection(anchor);
}

}  // namespace

QString HrefAnchor(const QString& href, const QString& text)
{
    return QStringLiteral("<A HREF=\"") + href + QStringLiteral("\">") + text + QStringLiteral("</A>");
}

QString NameAnchor(const QString& name, const QString& text)
{
    return QStringLiteral("<A NAME=\"") + name + QStringLiteral("\">") + text + QStringLiteral("</A>");
}

void DefineBookmark(EditControl& edit, Prompts& prompts)
{
    const std::optional<QString> name =
        prompts.AskValue(QStringLiteral("Set BookMark"), QStringLiteral("BookMark Name"), QString());
    if (!name)
        return;
    InsertAnchor(edit, NameAnchor(name->left(kMaxPromptValue), edit.SelText()));
}

void LinkToBookmark(EditControl& edit, QWidget* dialogParent)
{
    LinkDialogSetup setup;
    setup.mode = LinkDialogMode::Bookmark;
    setup.description = edit.SelText();
    setup.bookmarks = CollectBookmarks(edit);
    const std::optional<LinkChoice> choice = RunLinkDialog(setup, dialogParent);
    if (!choice || !IsSet(choice->link))
        return;
    InsertAnchor(edit, HrefAnchor(QLatin1Char('#') + choice->link, choice->description));
}

void LinkToRemoteSite(EditControl& edit, const QString& settingsPath, QWidget* dialogParent)
{
    LinkDialogSetup setup;
    setup.mode = LinkDialogMode::Remote;
    setup.description = edit.SelText();
    setup.settingsPath = settingsPath;
    const std::optional<LinkChoice> choice = RunLinkDialog(setup, dialogParent);
    if (!choice)
        return;
    // Not checked: even the bare header is a link the user may finish later.
    InsertAnchor(edit, HrefAnchor(choice->link, choice->description));
}

void LinkToLocalFile(EditControl& edit, Prompts& prompts, const QString& documentFileName)
{
    FileDialogOptions options;
    options.filter = QStringLiteral("HTML files|*.HTML;*.HTM|All files|*.*");
    const std::optional<QString> file = prompts.OpenFileName(options);
    if (!file)
        return;
    const QString address = MakeRelativeUrl(*file, documentFileName, PathStyle::Native);
    InsertAnchor(edit, HrefAnchor(address, edit.SelText()));
}

void InsertKivoLink(EditControl& edit)
{
    InsertAnchor(edit, HrefAnchor(kKivoHomePage, QStringLiteral("Created with Kivo!")));
}
