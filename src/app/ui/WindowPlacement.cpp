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

} // namespace app::ui
