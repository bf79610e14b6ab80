#pragma once

#include <QStringList>

class EditControl;
class QWidget;
struct FormWizardSetup;

// Inserts the entries one after the other at the caret, the first replacing
// the selection, adding no line breaks of their own.
void InsertFormEntries(EditControl& edit, const QStringList& entries);

// "Add Form &Element": one element from the element wizard at the caret.
void AddFormElement(EditControl& edit, QWidget* dialogParent = nullptr);

// "&Add New Form": the form wizard's lines at the caret, each followed by
// CR LF. The editor has the focus afterwards.
void AddNewForm(EditControl& edit, const FormWizardSetup& setup, QWidget* dialogParent = nullptr);
