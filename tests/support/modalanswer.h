#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Answers the next modal window of type Dialog once it is the active modal
// window, the way a user would act in it. Each call answers one window; call
// again from inside an answer to answer a window the answer opens.
template <class Dialog>
void AnswerModal(std::function<void(Dialog&)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, polls, answer = std::move(answer)] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
            return;
        }
        if (++*polls > 2000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " showed";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
        }
    });
    timer->start();
}
