#pragma once

#include "wizards/tabledescription.h"

#include <QStringList>

// "<tag>text</tag>".
QString WrapInTag(const QString& text, const QString& tag);

// Clears `lines` and writes the table's HTML into it, one entry per line:
// the TABLE tag with its attributes, the caption if there is one, a line
// per row, "</TABLE>". Cell and caption text are written as typed.
void MakeTableLines(const TableDescription& table, QStringList& lines);
