#include "platform/focusframe.h"

#include <QString>
#include <QWidget>

void ShowFocusFrame(QWidget& widget)
{
    // By name, so the rule stops at the widget and its cells and scroll bars keep their look.
    const QString name = QLatin1Char('#') + widget.objectName();
    widget.setStyleSheet(name + QStringLiteral(" { border: 2px solid palette(mid); }") + name +
                         QStringLiteral(":focus { border: 2px solid palette(highlight); }"));
}
