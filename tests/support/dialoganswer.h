#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Answers the next modal `Dialog` once it is the active modal window, as a
// user would, while the object lives; declare it before the call that opens
// the dialog (or, for a dialog opened from inside an answer, inside that
// answer before the click). An answer that leaves the dialog open fails the
// test and closes it. A dialog that never shows within about ten seconds
// fails the test too, and whatever other modal dialog is up then is closed,
// so that the test does not hang.
template <typename Dialog>
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(Dialog&)> answer) : answer_(std::move(answer))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    bool Answered() const { return answered_; }

private:
    void Poll()
    {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer_.stop();
            answered_ = true;
            const QPointer<Dialog> shown(dialog);
            answer_(*dialog);
            if (shown && shown->isVisible()) {
                ADD_FAILURE() << "the answer did not close the " << Dialog::staticMetaObject.className();
                shown->reject();
            }
        } else if (++polls_ > 2000) {
            timer_.stop();
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " showed";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
        }
    }

    std::function<void(Dialog&)> answer_;
    QTimer timer_;
    bool answered_ = false;
    int polls_ = 0;
};
