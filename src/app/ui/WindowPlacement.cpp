#include "app/ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace app::ui {

namespace {

// A coordinate beyond this (px) lies on no screen; refusing it first keeps
// the geometry below within the range of an int.
constexpr int FarthestCoordinate = 1'000'000;
// The title bar that must show, and how much of it: enough to drag it by.
constexpr int TitleBarHeight = 24;
constexpr int TitleBarHold = 40;
// The smallest window worth restoring, and the room the window manager's
// frame takes around a window (title bar and borders; the frame is not known
// before the window is first shown).
constexpr QSize SaneMinimum(320, 240);
constexpr QSize FrameRoom(16, 40);

bool plausible(int coordinate)
{
    return coordinate > -FarthestCoordinate && coordinate < FarthestCoordinate;
}

const QScreen *screenHolding(const QRect &frame)
{
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), TitleBarHeight));
    const QScreen *best = nullptr;
    int bestArea = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(titleBar);
        const int area = visible.width() * visible.height();
        if (visible.width() >= TitleBarHold && visible.height() >= 8 && area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

} // namespace

std::optional<QPoint> PlaceOnScreen(int left, int top, const QSize &size)
{
    if (!plausible(left) || !plausible(top) || !plausible(size.width()) ||
        !plausible(size.height()))
        return std::nullopt;
    QRect frame(QPoint(left, top), size);
    const QScreen *screen = screenHolding(frame);
    if (!screen)
        return std::nullopt;
    const QRect area = screen->availableGeometry();
    if (frame.width() <= area.width())
        frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() - frame.width() + 1));
    if (frame.height() <= area.height())
        frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() - frame.height() + 1));
    return frame.topLeft();
}

QSize FittedToScreen(const QWidget *window, const QSize &wanted)
{
    const QScreen *screen = window->screen();
    return screen ? wanted.boundedTo(screen->availableGeometry().size() * 9 / 10) : wanted;
}

bool RestoreGeometry(QWidget *window, const StoredGeometry &stored)
{
    // A stored side below the smallest window is no window's: the window
    // keeps its own. Anything past the farthest coordinate is as large as it.
    const QSize smallest =
        window->minimumSizeHint().expandedTo(window->minimumSize()).expandedTo(SaneMinimum);
    const auto side = [](std::optional<int> kept, int own, int least) {
        return kept && *kept >= least ? std::min(*kept, FarthestCoordinate) : own;
    };
    const QSize wanted(side(stored.width, window->width(), smallest.width()),
                       side(stored.height, window->height(), smallest.height()));

    const QScreen *screen = nullptr;
    if (stored.left && stored.top && plausible(*stored.left) && plausible(*stored.top))
        screen = screenHolding(QRect(QPoint(*stored.left, *stored.top), wanted));
    const QScreen *home = screen ? screen : window->screen();
    if (!home) // no screen at all: nothing to fit
        return false;

    const QRect area = home->availableGeometry();
    const QSize largest = (area.size() - FrameRoom).expandedTo(QSize(1, 1));
    window->resize(wanted.boundedTo(largest).expandedTo(smallest.boundedTo(largest)));

    // Without a stored place a window opens over the one it belongs to, as
    // the desktop centres it, but whole on the screen.
    QRect frame(QPoint(), window->size() + FrameRoom);
    if (screen)
        frame.moveTopLeft(QPoint(*stored.left, *stored.top));
    else if (const QWidget *owner = window->parentWidget(); owner && owner->isVisible())
        frame.moveCenter(owner->window()->frameGeometry().center());
    else
        return false;
    frame.moveLeft(std::clamp(frame.left(), area.left(),
                              std::max(area.left(), area.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), area.top(),
                             std::max(area.top(), area.bottom() - frame.height() + 1)));
    window->move(frame.topLeft());
    return screen != nullptr;
}

} // namespace app::ui
