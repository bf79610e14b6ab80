#pragma once

#include <QObject>

class QKeyEvent;

// Alt with a letter or digit that no shortcut took: a mistyped menu
// shortcut, which a text field ignores, as the desktop's own edit controls
// do. (AltGr, reported as Ctrl+Alt on some systems, still types.)
bool IsStrayAltKey(const QKeyEvent& event);

// Installed on the application, keeps stray Alt keys out of every text field.
class StrayAltKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
