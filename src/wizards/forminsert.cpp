#include "wizards/forminsert.h"

#include "platform/editcontrol.h"
#include "wizards/formelementdialog.h"
#include "wizards/formwizard.h"

void InsertFormEntries(EditControl& edit, const QStringList& entries)
{
    for (const QString& entry : entries)
        edit.ReplaceSelection(entry);
}

void AddFormElement(EditControl& edit, QWidget* dialogParent)
{
    QStringList entries;
    if (!RunElementWizard(entries, dialogParent))
        return;
    InsertFormEntries(edit, entries);
    edit.setFocus();
}

void AddNewForm(EditControl& edit, const FormWizardSetup& setup, QWidget* dialogParent)
{
    QStringList lines;
    if (!RunFormWizard(lines, setup, dialogParent))
        return;
    // One replacement: the editor redraws once however long the form is.
    if (!lines.isEmpty())
        edit.ReplaceSelection(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    edit.setFocus();
}
