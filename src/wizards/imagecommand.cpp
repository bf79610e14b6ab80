#include "wizards/imagecommand.h"

#include "editing/tagmenus.h"
#include "platform/editcontrol.h"
#include "wizards/imagedialog.h"

#include <QAction>
#include <QMenu>

QAction* AddPictureItem(QMenu& popBtImage)
{
    if (popBtImage.actions().isEmpty())
        AddDoneItem(popBtImage);
    QAction* item = popBtImage.addAction(QStringLiteral("&Picture"));
    item->setObjectName(QStringLiteral("MNU_Picture"));
    return item;
}

void MNU_SelImageClick(EditControl& edit, Prompts& prompts, const QString& documentFileName, QWidget* parent)
{
    if (const auto tag = RunImageDialog(prompts, documentFileName, ImageDialogMode::Picture, parent))
        edit.ReplaceSelection(*tag);
}
