#pragma once

#include <optional>

struct TAttribute;

// WIDTH=n (pixels) or WIDTH=n% as an element keeps it.
struct WidthValue {
    int Value = 0;
    bool Percent = false;
    bool Relative = false;   // n* of a column: a share of the room the others leave
};

// What each element does with a width out of its range.
enum class WidthRule {
    // A table cell: a percentage outside 1..100 counts as no width (but stays
    // a percentage); negative pixels count as none.
    Cell,
    // A table: as a cell, but no percentage is left as no width in pixels.
    Table,
    // A rule: a width of 0 or less, or over 100%, is not taken at all.
    HorizontalRule,
    // A table column: as a cell, and "n*" (or "*", one share) is relative.
    Column,
};

// The width the attribute gives under the rule; none when the rule ignores it.
std::optional<WidthValue> ReadWidth(const TAttribute& attribute, WidthRule rule);
