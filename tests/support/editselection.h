#pragma once

#include "platform/editcontrol.h"

#include <ostream>

// The editor's selection as start and length, comparable in expectations.
struct Selection {
    int start;
    int length;
    bool operator==(const Selection&) const = default;
};

inline Selection SelectionOf(const EditControl& edit)
{
    return {edit.SelStart(), edit.SelLength()};
}

inline void PrintTo(const Selection& s, std::ostream* os)
{
    *os << "{" << s.start << ", " << s.length << "}";
}
