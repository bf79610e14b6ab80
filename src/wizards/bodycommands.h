#pragma once

#include <QString>

class EditControl;
class Prompts;
class QAction;
class QMenu;
class QWidget;

// Append "&Text and Background" and "&Color Code" to the Image pull-down
// (after "&Picture") and return them for the window to connect.
QAction* AddTextAndBackgroundItem(QMenu& popBtImage);
QAction* AddColorCodeItem(QMenu& popBtImage);

// Selects the document's first BODY tag (its "<BODY" found in any letter
// case) up to its closing ">" and returns its text on one line, a line
// break inside it read as a blank. Without a BODY tag the caret stays where
// it was and the text is "<BODY>". A tag never closed (another tag or the
// end of the text comes first) is taken to the end of its line and closed,
// so the page's text is never drawn into it.
QString SelectBodyTag(EditControl& edit);

// "&Text and Background": runs the body wizard on the document's BODY tag;
// on OK the tag it built replaces the old one in place, or goes in at the
// caret when the document had none.
void BodyEditor1Click(EditControl& edit, Prompts& prompts, const QString& documentFileName, QWidget* parent);

// "&Color Code": the chosen colour's six hexadecimal digits, without "#",
// replace the selection or go in at the caret.
void ColorCode1Click(EditControl& edit, Prompts& prompts);
