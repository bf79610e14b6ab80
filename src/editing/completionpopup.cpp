#include "editing/completionpopup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int kRowsShown = 10;
}

CompletionPopup::CompletionPopup(const QWidget& editor) : QListWidget(nullptr), editor_(editor)
{
    // A tool tip window: no frame, no taking of the focus, and above the
    // main window also where no window manager arranges windows.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("CompletionList"));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this, [this] { emit Chosen(); });
}

void CompletionPopup::ShowOffers(const std::vector<CompletionOffer>& offers, QPoint at)
{
    const QString chosenBefore = currentItem() ? currentItem()->text() : QString();
    setFont(editor_.font());
    clear();
    int chosen = 0;
    for (const CompletionOffer& offer : offers) {
        if (offer.label == chosenBefore)
            chosen = count();
        addItem(offer.label);
    }
    setCurrentRow(chosen);

    const int rowHeight = std::max(sizeHintForRow(0), 1);
    const int rows = std::min(count(), kRowsShown);
    int width = sizeHintForColumn(0) + 2 * frameWidth() + 8;
    if (count() > kRowsShown)
        width += verticalScrollBar()->sizeHint().width();
    QSize size(std::clamp(width, 120, 480), rows * rowHeight + 2 * frameWidth());
    // Above the caret's line when there is no room below it.
    QPoint place = at;
    if (const QScreen* screen = QGuiApplication::screenAt(at)) {
        const QRect area = screen->availableGeometry();
        if (place.y() + size.height() > area.bottom())
            place.ry() -= size.height() + editor_.fontMetrics().height();
        place.setX(std::min(place.x(), area.right() - size.width()));
    }
    setGeometry(QRect(place, size));
    scrollToItem(currentItem());
    show();
}

void CompletionPopup::MoveChoice(int rows)
{
    if (count() == 0)
        return;
    setCurrentRow(std::clamp(currentRow() + rows, 0, count() - 1));
}

int CompletionPopup::PageRows() const
{
    return std::max(1, std::min(count(), kRowsShown) - 1);
}
