// The main window's forms: the Form pull-down menu (mirrored into the
// editor's context menu at the first activation) and its two wizards.
#include "app/mainform.h"
#include "platform/editcontrol.h"
#include "wizards/forminsert.h"
#include "wizards/formwizard.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace {

void AddNewForm1Click(TFM_MainForm& form)
{
    AddNewForm(*form.HTML_WINDOW, {form.UserPrompts(), form.SettingsPath}, &form);
}

void AddFormElement1Click(TFM_MainForm& form)
{
    AddFormElement(*form.HTML_WINDOW, &form);
}

}  // namespace

void TFM_MainForm::WireFormCommands()
{
    QAction* addNewForm1 = PopBT_FORM->addAction(QStringLiteral("&Add New Form"));
    addNewForm1->setObjectName(QStringLiteral("AddNewForm1"));
    WireCommand(addNewForm1, [this] { AddNewForm1Click(*this); });
    QAction* addFormElement1 = PopBT_FORM->addAction(QStringLiteral("Add Form &Element"));
    addFormElement1->setObjectName(QStringLiteral("AddFormElement1"));
    WireCommand(addFormElement1, [this] { AddFormElement1Click(*this); });
}
