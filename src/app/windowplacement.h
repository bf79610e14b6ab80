#pragma once

#include <QSize>

class QWidget;

// The main window's size as designed, used until the settings give another.
inline constexpr QSize kMainWindowDesignSize(600, 388);

// Moves a window to the middle of its screen (the primary one while it has
// none), keeping its size.
void CentreOnScreen(QWidget& window);

// The main window as it starts without stored settings: its design size,
// centred on the screen.
void PlaceAtDesignSize(QWidget& window);
