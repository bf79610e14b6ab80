#pragma once

#include <QChar>

// Characters that stand in a section's text for things that are not text.
namespace TextMarkers {
inline constexpr QChar Image{char16_t(4)};
inline constexpr QChar Control{char16_t(2)};
} // namespace TextMarkers
