#include "tools/dirbarlayout.h"

#include "common/isset.h"

#include <QAbstractButton>

#include <algorithm>

namespace {
constexpr int kMargin = 5;
}

void LayoutDirBar(const DirSlots& dirSlots, const std::vector<QAbstractButton*>& buttons, QWidget& configButton)
{
    // Placed after the last visible button rather than after the sum of the
    // visible widths: with a gap between buttons the sum would put it on top
    // of one of them.
    int right = kMargin;
    const std::size_t count = std::min(buttons.size(), dirSlots.size());
    for (std::size_t i = 0; i < count; ++i) {
        QAbstractButton& button = *buttons[i];
        const DirSlot& slot = dirSlots[i];
        button.setText(slot.caption);
        button.setToolTip(QStringLiteral("Open \"%1\"").arg(slot.htmlFile));
        const bool visible = IsSet(slot.caption);
        button.setVisible(visible);
        if (visible)
            right = std::max(right, button.geometry().right() + 1);
    }
    configButton.move(right + kMargin, configButton.y());
}
