#pragma once

#include <QString>

// A link: the address and the frame it names.
struct TUrlTarget {
    QString Url;
    QString Target;

    bool HasUrl() const { return !Url.isEmpty(); }
    void Clear() { Url.clear(); Target.clear(); }
    bool operator==(const TUrlTarget&) const = default;
};
