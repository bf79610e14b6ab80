#include "common/windowrectangle.h"

#include "common/settingsvalues.h"
#include "platform/profile.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// Never a real window's top: tells a stored value from none.
constexpr int kAbsentTop = -5000;

const QString kTop = QStringLiteral("Top");
const QString kLeft = QStringLiteral("Left");
const QString kHeight = QStringLiteral("Height");
const QString kWidth = QStringLiteral("Width");

// A rectangle saved on a screen that is gone would put the window where
// nobody can reach it.
bool OnSomeScreen(const QRect& rect)
{
    const QList<QScreen*> screens = QApplication::screens();
    if (screens.isEmpty())
        return true;
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->availableGeometry().intersects(rect); });
}

}  // namespace

void CentreOnPrimaryScreen(QWidget& window)
{
    if (const QScreen* screen = QApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void RestoreWindowRectangle(QWidget& window, const Profile& profile, const QString& section)
{
    const int top = ReadInteger(profile, section, kTop, kAbsentTop);
    if (top == kAbsentTop) {
        CentreOnPrimaryScreen(window);
        return;
    }
    const int left = ReadInteger(profile, section, kLeft, window.pos().x());
    const int height = ReadInteger(profile, section, kHeight, window.height());
    const int width = ReadInteger(profile, section, kWidth, window.width());
    const QSize smallest = window.minimumSizeHint().expandedTo(QSize(1, 1));
    window.move(left, top);
    window.resize(std::max(width, smallest.width()), std::max(height, smallest.height()));
    if (!OnSomeScreen(QRect(window.pos(), window.size())))
        CentreOnPrimaryScreen(window);
}

void StoreWindowRectangle(const QWidget& window, const Profile& profile, const QString& section)
{
    WriteInteger(profile, section, kTop, window.pos().y());
    WriteInteger(profile, section, kLeft, window.pos().x());
    WriteInteger(profile, section, kHeight, window.height());
    WriteInteger(profile, section, kWidth, window.width());
}
