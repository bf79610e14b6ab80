#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs `answer` on the next modal window of type T once it shows.
template <typename T>
inline void AnswerNext(std::function<void(T&)> answer)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(*window);
        }
    });
    timer->start();
}
