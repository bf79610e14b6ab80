#pragma once

#include <QString>
#include <functional>

class EditControl;
class Prompts;
class QMenu;

// Asks for a colour; on OK writes its six hexadecimal digits RRGGBB into the
// argument and returns true, on Cancel returns false and leaves it alone.
using ColorHexPicker = std::function<bool(QString& hex)>;

// What the tag menus' commands act on. Every command runs through the
// command wrapper, so a failure ends in the general error box.
struct TagMenuTarget {
    EditControl& edit;
    Prompts& prompts;
    ColorHexPicker pickColorHex;
};

// Fill the tool bar's pull-down menus with their commands, captions,
// shortcuts and separators, after the "&Done" item and separator they begin
// with (added here when the menu is still empty).
void FillHeaderMenu(QMenu& popBtHeader, const TagMenuTarget& target);
void FillFontMenu(QMenu& popBtFont, const TagMenuTarget& target);
void FillFormatMenu(QMenu& popBtFormat, const TagMenuTarget& target);

// The inert first item and separator of every pull-down menu.
void AddDoneItem(QMenu& menu);
