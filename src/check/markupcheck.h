#pragma once

#include <QString>

class ProblemList;
struct PageTag;
class TextLines;

// The page's markup as libtidy reads it: unknown elements and attributes,
// end tags missing, unexpected or crossed, attribute values outside their
// set, character references. The page's DOCTYPE decides the HTML version; a
// page without one is checked as HTML 4.01 Transitional, the HTML of the
// pages this program writes.
void CheckMarkup(const QString& text, const TextLines& lines, ProblemList& problems);

// How deep elements are nested after `tag`, counted from `depth` before it,
// never less deep than a browser would nest them. The markup checker takes
// pages nested up to kMaxCheckedNesting deep: no page written by hand comes
// near, and deeper nesting costs the checker time that grows faster than
// the page.
int NestingDepth(const PageTag& tag, int depth);
inline constexpr int kMaxCheckedNesting = 10000;

// Whether the page names its document type before its first tag.
bool HasDoctype(const QString& text);
