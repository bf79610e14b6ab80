#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs `action` once a modal window of type `Window` is up, as a user would
// act on it; the call that opened it then returns as the action leaves it.
template <class Window>
void WhenModal(std::function<void(Window&)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(*window);
        }
    });
    timer->start();
}
