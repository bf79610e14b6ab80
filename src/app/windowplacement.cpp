#include "app/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void PlaceAtDesignSize(QWidget& window)
{
    window.resize(kMainWindowDesignSize);
    CentreOnScreen(window);
}

std::optional<QRect> FitOnScreen(const QRect& stored, const QList<QRect>& screens, QSize minimum)
{
    QRect rect(stored.topLeft(), stored.size().expandedTo(minimum));
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(rect);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    if (!best)
        return std::nullopt;
    rect.setSize(rect.size().boundedTo(best->size().expandedTo(minimum)));
    const int x = std::max(best->left(), std::min(rect.left(), best->left() + best->width() - rect.width()));
    const int y = std::max(best->top(), std::min(rect.top(), best->top() + best->height() - rect.height()));
    rect.moveTo(x, y);
    return rect;
}

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}
