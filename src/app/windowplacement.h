#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// The main window's size as designed, used until the settings give another.
inline constexpr QSize kMainWindowDesignSize(600, 388);
// Smaller than this a stored window is of no use.
inline constexpr QSize kMinimumWindowSize(200, 150);

// Where a stored window rectangle goes among the screens' available areas:
// at least `minimum`, at most the size of the screen it covers most, and
// moved to lie wholly on that screen. Nothing when it is on no screen at all.
std::optional<QRect> FitOnScreen(const QRect& stored, const QList<QRect>& screens,
                                 QSize minimum = kMinimumWindowSize);

// The available areas of the screens now connected.
QList<QRect> AvailableScreenAreas();

// Moves a window to the middle of its screen (the primary one while it has
// none), keeping its size.
void CentreOnScreen(QWidget& window);

// The main window as it starts without stored settings: its design size,
// centred on the screen.
void PlaceAtDesignSize(QWidget& window);
