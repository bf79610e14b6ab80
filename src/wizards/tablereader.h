#pragma once

#include "wizards/tabledescription.h"

#include <QStringList>
#include <optional>

// The value of attribute `name` in `line`, found without regard to case as
// name followed by "=": the characters after it up to a blank, ">" or the
// end of the line, at most 50, quotes kept. "0" when the attribute is
// missing or its value empty.
QString ReadTagNumber(const QString& name, const QString& line);

// Cuts the first `open` ... `close` pair out of `line` and returns what lies
// between the ">" that ends the opening tag and `close`. `open` is matched
// case-sensitively; given without its ">" the opening tag may carry
// attributes. Nothing when `open` is missing or no `close` follows it; the
// line is then left as it was.
std::optional<QString> TakeTagContents(QString& line, const QString& open, const QString& close);

// Takes every pair from `line` in turn and appends the contents to `list`.
// Whether the list holds any entry afterwards.
bool CollectTagContents(QString& line, QStringList& list, const QString& open, const QString& close);

// Whether the whole table was read or only as much as the wizard holds.
enum class TableFit { Whole, Cut };

// Reads a table laid out as the generator writes it (the TABLE tag on the
// first line, the caption, if any, on the second, one row per line) into
// `table`: cells, heading rows and columns, attributes and caption. Lines
// without cells are skipped; a foreign table is read as far as it follows
// that layout. Rows and columns beyond the wizard's limits are left out.
TableFit ReadTableLines(const QStringList& lines, TableDescription& table);

// Whether `lines` begin with a table the wizard can read: the first line,
// without regard to case, starts with "<TABLE".
bool StartsWithTable(const QStringList& lines);
