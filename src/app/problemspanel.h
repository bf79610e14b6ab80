#pragma once

#include "check/pageproblem.h"

#include <QWidget>

class EditControl;
class QTreeWidget;

// The list of a page's problems below the editor: kind, line, column and
// message of each. Return or a double-click on a problem asks for it to be
// shown; Escape asks for the list to be hidden.
class ProblemsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProblemsPanel(QWidget* parent = nullptr);

    // Replaces what the list shows; a page without problems gets one line
    // saying so. The first problem is made current.
    void ShowResult(const PageCheckResult& result);
    const PageCheckResult& Result() const { return result_; }
    QTreeWidget* List() const { return list_; }

signals:
    void ProblemChosen(const PageProblem& problem);
    void HideRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* list_ = nullptr;
    PageCheckResult result_;
};

// Puts the problem's tag or reference into the editor's selection, scrolled
// into view, as far as the text still reaches.
void SelectProblem(EditControl& editor, const PageProblem& problem);

// The one line the list shows for a page without problems.
inline const char kNoProblemText[] = "No problem found in the page.";
