// Check Page: the page's problems listed below the editor, each one shown in
// the source on Return or a double-click. The list's height is kept in the
// settings file.
#include "app/mainform.h"

#include "app/problemspanel.h"
#include "check/pagecheck.h"
#include "common/settingsvalues.h"
#include "platform/busycursor.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"

#include <QAction>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QSplitter>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString kEditorSection = QStringLiteral("Editor");
const QString kProblemsHeightKey = QStringLiteral("ProblemsHeight");
constexpr int kDefaultProblemsHeight = 150;
constexpr int kMinProblemsHeight = 40;
constexpr int kMaxProblemsHeight = 2000;

// Puts `splitter` where `widget` stands, in a layout or in another splitter,
// and `widget` into it.
void WrapInSplitter(QWidget& widget, QSplitter& splitter)
{
    QWidget* holder = widget.parentWidget();
    if (auto* outer = qobject_cast<QSplitter*>(holder))
        outer->insertWidget(outer->indexOf(&widget), &splitter);
    else if (holder && holder->layout())
        delete holder->layout()->replaceWidget(&widget, &splitter);
    splitter.addWidget(&widget);
}

}  // namespace

void TFM_MainForm::WireCheckCommands()
{
    Edit1->addSeparator();
    MNU_CheckPage = Edit1->addAction(QStringLiteral("Check Page"));
    MNU_CheckPage->setShortcut(QKeySequence(Qt::Key_F7));
    MNU_ProblemsList = Edit1->addAction(QStringLiteral("Problems List"));
    MNU_ProblemsList->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F7));
    MNU_ProblemsList->setCheckable(true);

    problemsSplitter_ = new QSplitter(Qt::Vertical);
    problemsSplitter_->setObjectName(QStringLiteral("SP_Problems"));
    problemsSplitter_->setChildrenCollapsible(false);
    WrapInSplitter(*HTML_WINDOW, *problemsSplitter_);
    PA_Problems = new ProblemsPanel(problemsSplitter_);
    problemsSplitter_->addWidget(PA_Problems);
    problemsSplitter_->setStretchFactor(0, 1);
    PA_Problems->hide();
    connect(problemsSplitter_, &QSplitter::splitterMoved, this, [this] {
        if (PA_Problems->isVisible())
            ProblemsListHeight = PA_Problems->height();
    });
    connect(PA_Problems, &ProblemsPanel::ProblemChosen, this,
            [this](const PageProblem& problem) { SelectProblem(*HTML_WINDOW, problem); });
    connect(PA_Problems, &ProblemsPanel::HideRequested, this, [this] {
        ShowProblemsList(false);
        HTML_WINDOW->setFocus();
    });

    WireCommand(MNU_CheckPage, [this] { MNU_CheckPageClick(); });
    // The item has already turned its check mark when this runs.
    WireCommand(MNU_ProblemsList, [this] {
        // Shown before any check: there is nothing to show but a check.
        if (MNU_ProblemsList->isChecked() && PA_Problems->List()->topLevelItemCount() == 0)
            MNU_CheckPageClick();
        else
            ShowProblemsList(MNU_ProblemsList->isChecked());
    });
}

void TFM_MainForm::MNU_CheckPageClick()
{
    // The list stands below the editor, so the editor is what shows.
    ShowEditorPage();
    PageCheckResult result;
    {
        BusyCursor busy;
        result = CheckPage(HTML_WINDOW->Text(), PageLocation{Document().DocumentFileName(), QDir::currentPath()});
    }
    PA_Problems->ShowResult(result);
    ShowProblemsList(true);
    if (!result.problems.empty())
        PA_Problems->List()->setFocus();
}

void TFM_MainForm::ShowProblemsList(bool shown)
{
    MNU_ProblemsList->setChecked(shown);
    if (shown == PA_Problems->isVisible())
        return;
    if (!shown) {
        ProblemsListHeight = PA_Problems->height();
        PA_Problems->hide();
        return;
    }
    PA_Problems->show();
    const int total = problemsSplitter_->height();
    const int height = std::clamp(ProblemsListHeight, kMinProblemsHeight, std::max(kMinProblemsHeight, total * 3 / 4));
    problemsSplitter_->setSizes({std::max(0, total - height), height});
}

void TFM_MainForm::ReadProblemsListHeight()
{
    ProblemsListHeight = std::clamp(ReadInteger(Profile(SettingsPath), kEditorSection, kProblemsHeightKey,
                                                kDefaultProblemsHeight),
                                    kMinProblemsHeight, kMaxProblemsHeight);
}

void TFM_MainForm::WriteProblemsListHeight()
{
    if (PA_Problems->isVisible())
        ProblemsListHeight = PA_Problems->height();
    WriteInteger(Profile(SettingsPath), kEditorSection, kProblemsHeightKey, ProblemsListHeight);
}
