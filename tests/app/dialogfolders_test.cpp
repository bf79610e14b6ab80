#include "mainwindowfixture.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

class DialogFolders : public MainWindowTest {};

}  // namespace

// Every file dialog starts in the document's folder, whatever dialog or
// preview last moved the process; a new document's start in the current folder.
TEST_F(DialogFolders, FileDialogsStartInTheDocumentsFolder)
{
    TFM_MainForm& form = Start();
    prompts.files = {std::nullopt};
    form.Document().OpenCommand();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].file.initialFolder, QDir::currentPath());

    const QString site = Path(QStringLiteral("site"));
    ASSERT_TRUE(QDir().mkpath(site));
    prompts.files = {site + QStringLiteral("/page.htm")};
    form.Document().SaveAsCommand();
    ASSERT_EQ(form.Document().DocumentFileName(), site + QStringLiteral("/page.htm"));

    form.HTML_WINDOW->SetText(QStringLiteral("text"));
    form.HTML_WINDOW->SetSelection(0, 4);
    prompts.files = {std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    prompts.asked.clear();
    form.Document().OpenCommand();
    form.Document().InsertFileCommand();
    form.Document().SaveSelectionCommand();
    for (QAction* item : form.PopBT_Link->actions()) {
        if (item->text() == QStringLiteral("&File on Local Drive"))
            item->trigger();
    }
    ASSERT_EQ(prompts.asked.size(), 4u);
    for (const ScriptedPrompts::Asked& asked : prompts.asked)
        EXPECT_EQ(asked.file.initialFolder, site);
}
