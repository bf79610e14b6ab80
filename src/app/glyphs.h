#pragma once

#include <QIcon>

// The pictures on the tool bar's buttons, painted rather than shipped so
// they stay sharp at any size.
enum class Glyph {
    NewFile, OpenFile, Toggle, InsertFile, Save, Print, Copy, Cut, Paste, SaveBlock,
    Browser, Exit, DropDown, Clock, Configure, Back, Forward, Home, Edit
};

QIcon GlyphIcon(Glyph glyph);
QIcon ProgramIcon();
