#include "platform/strayaltkeys.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

bool IsStrayAltKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::AltModifier) || (modifiers & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    const int key = event.key();
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
           (!event.text().isEmpty() && event.text().front().isLetterOrNumber());
}

bool StrayAltKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !IsStrayAltKey(*static_cast<QKeyEvent*>(event)))
        return false;
    // Only fields that would type the key lose it; everything else sees it.
    return qobject_cast<QLineEdit*>(watched) || qobject_cast<QAbstractSpinBox*>(watched) ||
           qobject_cast<QPlainTextEdit*>(watched) || qobject_cast<QTextEdit*>(watched);
}
