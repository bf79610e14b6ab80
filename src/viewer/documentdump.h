#pragma once

#include "viewer/htmlparser.h"

#include <QString>

class TSectionList;

// What the parser left behind, as indented text: one line per section,
// table, row, cell, image, form control and map. Tests and bug reports
// compare these.
QString DumpModel(const TSectionList& document, const TNameList& names, const QString& title,
                  const QString& base, const QString& baseTarget);

enum class DumpSource { No, Yes };

// The laid-out document: each section with its y and heights, each line with
// its y, height, x, character range and text; with the source, each line's
// and picture's range of source offsets too.
QString DumpLayout(const TSectionList& document, DumpSource source = DumpSource::No);
