#include "app/losssheet/SheetLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <cmath>

namespace app::losssheet {

namespace {

QColor Mixed(const QColor &a, const QColor &b, qreal share)
{
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

bool Dark(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightnessF() < 0.5;
}

} // namespace

QColor ResultBackground(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    // Where the palette's window and base are alike, a shade of the base.
    if (std::abs(base.lightnessF() - window.lightnessF()) < 0.03)
        return Mixed(base, palette.color(QPalette::Text), 0.08);
    return window;
}

QColor CriticalBackground(const QPalette &palette, bool result)
{
    const QColor under = result ? ResultBackground(palette) : palette.color(QPalette::Base);
    return Mixed(under, palette.color(QPalette::Highlight), Dark(palette) ? 0.3 : 0.28);
}

QColor ProblemText(const QPalette &palette)
{
    return Dark(palette) ? QColor(0xff, 0x80, 0x80) : QColor(0xc0, 0x10, 0x10);
}

QIcon ProblemIcon()
{
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
}

QIcon WarningIcon()
{
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

} // namespace app::losssheet
