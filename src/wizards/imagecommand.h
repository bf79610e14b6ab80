#pragma once

#include <QString>

class EditControl;
class Prompts;
class QAction;
class QMenu;
class QWidget;

// Adds "&Picture" to the Image pull-down (after the "&Done" item and
// separator it begins with, added here when the menu is still empty) and
// returns it for the window to connect.
QAction* AddPictureItem(QMenu& popBtImage);

// "&Picture": runs the image dialog in picture mode for the document
// `documentFileName`; on "&Done" the IMG tag replaces the editor's selection,
// or goes in at the caret when nothing is selected, without a line break.
void MNU_SelImageClick(EditControl& edit, Prompts& prompts, const QString& documentFileName, QWidget* parent);
