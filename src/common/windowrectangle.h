#pragma once

#include <QString>

class Profile;
class QWidget;

// A window's place and size kept in the settings file as the integer keys
// "Top", "Left", "Height" and "Width" of one section.

// Moves and sizes `window` as the section says, each key defaulting to the
// window's current value. When "Top" was never stored, or the stored
// rectangle lies on no screen, the window is centred on the screen instead.
// Give the window its design size before calling.
void RestoreWindowRectangle(QWidget& window, const Profile& profile, const QString& section);

// Writes the window's current rectangle to the section.
void StoreWindowRectangle(const QWidget& window, const Profile& profile, const QString& section);

// Moves `window`, at its current size, to the middle of the primary screen.
void CentreOnPrimaryScreen(QWidget& window);
