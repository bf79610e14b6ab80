#pragma once

#include "editing/completionoffers.h"

#include <QListWidget>

#include <vector>

// The completion list: a small window under the caret that shows the offers
// and never takes the keyboard from the editor; the editor's keys move its
// choice. A click on a line chooses it.
class CompletionPopup : public QListWidget {
    Q_OBJECT
public:
    // `editor` lends its font; the list is a window of its own.
    explicit CompletionPopup(const QWidget& editor);

    // Shows the offers with their top-left corner at `at` (global), keeping
    // the line chosen before when it is still offered.
    void ShowOffers(const std::vector<CompletionOffer>& offers, QPoint at);
    // Moves the choice by `rows`, stopping at the first and last line.
    void MoveChoice(int rows);
    // The rows one page of the list shows.
    int PageRows() const;

signals:
    void Chosen();

private:
    const QWidget& editor_;
};
