#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// The look of the help documents. The documents carry no colours of their
// own: the window lays this style sheet over them, made from its palette, so
// that every text reads in a light and in a dark palette alike.
namespace app::help {

// The style sheet for documents shown on `palette` (Text on Base).
QString HelpStyleSheet(const QPalette &palette);

// WCAG 2.x contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// `colour`, moved towards `fallback` in tenths until it has at least
// `ratio` contrast against `background` (the fallback itself at worst).
QColor Readable(const QColor &colour, const QColor &background, const QColor &fallback,
                double ratio);

// `share` of b laid over a (0: a, 1: b).
QColor Mix(const QColor &a, const QColor &b, double share);

} // namespace app::help
