#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Answers the next modal `Dialog` once it shows, as a user would, while the
// object lives. An answer that leaves the dialog open fails the test (and
// closes it, so the test does not hang); so does a dialog that never shows
// within about ten seconds.
template <typename Dialog>
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(Dialog&)> answer) : answer_(std::move(answer))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    bool Answered() const { return answered_; }

private:
    void Poll()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(window);
            if (dialog && dialog->isVisible()) {
                timer_.stop();
                answered_ = true;
                answer_(*dialog);
                if (dialog->isVisible()) {
                    ADD_FAILURE() << "the answer did not close the dialog";
                    dialog->reject();
                }
                return;
            }
        }
        if (++polls_ > 2000) {
            timer_.stop();
            ADD_FAILURE() << "no dialog showed";
        }
    }

    std::function<void(Dialog&)> answer_;
    QTimer timer_;
    bool answered_ = false;
    int polls_ = 0;
};
