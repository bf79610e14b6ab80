#pragma once

#include <QString>

class EditControl;
class Prompts;
class QWidget;

// The link commands. Each replaces the editor's selection (or inserts at the
// caret) with one anchor, as a program insertion; the caret ends after it.
// Cancel in any prompt or dialog leaves the text as it was.

// The address the "Kivo!" button links to.
extern const QString kKivoHomePage;

// "<A HREF="%s">%s</A>" and "<A NAME="%s">%s</A>"; the values are written as given.
QString HrefAnchor(const QString& href, const QString& text);
QString NameAnchor(const QString& name, const QString& text);

// BT_BookMarkClick: asks for a name ("Set BookMark") and makes the selection
// a named anchor; an empty name is written as it is.
void DefineBookmark(EditControl& edit, Prompts& prompts);

// BT_GoBookMarkClick: offers the document's bookmarks and links the selection
// to the chosen one; the empty row (or no bookmark at all) inserts nothing.
void LinkToBookmark(EditControl& edit, QWidget* dialogParent = nullptr);

// BT_URLClick: links the selection to an address typed in the link dialog,
// whose default header lives in the settings file `settingsPath`.
void LinkToRemoteSite(EditControl& edit, const QString& settingsPath, QWidget* dialogParent = nullptr);

// LocalDocument1Click: links the selection to a file chosen in the open
// dialog, written relative to the document `documentFileName` (empty for a
// document without a name).
void LinkToLocalFile(EditControl& edit, Prompts& prompts, const QString& documentFileName);

// BT_KivoLinkClick: "Created with Kivo!" linked to the home page.
void InsertKivoLink(EditControl& edit);
