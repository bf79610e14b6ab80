#include "app/problemspanel.h"

#include "check/checkreport.h"
#include "platform/editcontrol.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { Kind, Line, Place, Message };

}  // namespace

ProblemsPanel::ProblemsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PA_Problems"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("LB_Problems"));
    list_->setHeaderLabels({QStringLiteral("Kind"), QStringLiteral("Line"), QStringLiteral("Column"),
                            QStringLiteral("Message")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    list_->installEventFilter(this);
    layout->addWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int index = item->data(Kind, Qt::UserRole).toInt();
        if (index >= 0 && size_t(index) < result_.problems.size())
            emit ProblemChosen(result_.problems[size_t(index)]);
    });
}

void ProblemsPanel::ShowResult(const PageCheckResult& result)
{
    result_ = result;
    list_->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem*> rows;
    for (size_t i = 0; i < result.problems.size(); ++i) {
        const PageProblem& problem = result.problems[i];
        const bool error = problem.kind == ProblemKind::Error;
        auto* row = new QTreeWidgetItem({error ? QStringLiteral("error") : QStringLiteral("warning"),
                                         QString::number(problem.line), QString::number(problem.column),
                                         problem.message});
        row->setIcon(Kind, error ? errorIcon : warningIcon);
        row->setData(Kind, Qt::UserRole, int(i));
        row->setTextAlignment(Line, Qt::AlignRight);
        row->setTextAlignment(Place, Qt::AlignRight);
        rows.append(row);
    }
    auto note = [&rows](const QString& text) {
        auto* row = new QTreeWidgetItem({QString(), QString(), QString(), text});
        row->setData(Kind, Qt::UserRole, -1);
        rows.append(row);
    };
    if (result.problems.empty())
        note(QString::fromLatin1(kNoProblemText));
    else
        note(CountsLine(result.errorCount, result.warningCount) +
             (result.omitted > 0 ? QStringLiteral("; ") + OmittedLine(result.omitted) : QString()));
    list_->addTopLevelItems(rows);
    for (int column : {Kind, Line, Place})
        list_->resizeColumnToContents(column);
    list_->setCurrentItem(rows.front());
}

bool ProblemsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        emit HideRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SelectProblem(EditControl& editor, const PageProblem& problem)
{
    const int length = editor.TextLength();
    const int start = std::clamp(problem.offset, 0, length);
    editor.SetSelection(start, std::clamp(problem.length, 0, length - start));
    editor.setFocus();
}
