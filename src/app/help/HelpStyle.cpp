#include "app/help/HelpStyle.h"

#include <algorithm>
#include <cmath>

namespace app::help {

namespace {

// Contrast wanted for body-sized text: WCAG 2.x level AA asks 4.5:1.
constexpr double TextContrast = 4.5;

// Relative luminance of an sRGB colour (WCAG 2.x definition).
double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Mix(const QColor &a, const QColor &b, double share)
{
    const auto mix = [share](double x, double y) { return x + (y - x) * share; };
    return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF())),
                            static_cast<float>(mix(a.greenF(), b.greenF())),
                            static_cast<float>(mix(a.blueF(), b.blueF())));
}

QColor Readable(const QColor &colour, const QColor &background, const QColor &fallback,
                double ratio)
{
    for (int tenths = 0; tenths <= 10; ++tenths) {
        const QColor candidate = Mix(colour, fallback, tenths / 10.0);
        if (ContrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return fallback;
}

QString HelpStyleSheet(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor accent = Readable(palette.color(QPalette::Highlight), base, text, TextContrast);
    const QColor link = Readable(palette.color(QPalette::Link), base, text, TextContrast);
    const QColor codeBackground = Mix(base, text, 0.10);
    const QColor headBackground = Mix(base, text, 0.08);
    const QColor rule = Mix(base, text, 0.40);
    const QColor noteBackground = Mix(base, palette.color(QPalette::Highlight), 0.14);
    const auto name = [](const QColor &c) { return c.name(QColor::HexRgb); };

    return QStringLiteral(
               "h1 { color: %1; margin-top: 4px; margin-bottom: 12px; }\n"
               "h2 { color: %1; margin-top: 22px; margin-bottom: 8px; }\n"
               "h3 { color: %1; margin-top: 16px; margin-bottom: 6px; }\n"
               "p, li { margin-top: 3px; margin-bottom: 5px; line-height: 150%; }\n"
               "a { color: %2; }\n"
               "code, kbd { background-color: %3; }\n"
               "table { border-collapse: collapse; margin-top: 6px; margin-bottom: 8px; }\n"
               "th, td { border: 1px solid %4; padding: 3px 8px; }\n"
               "th { background-color: %5; }\n"
               "td.n { text-align: right; white-space: nowrap; }\n"
               "p.note { background-color: %6; }\n"
               "p.formula { margin-left: 24px; }\n")
        .arg(name(accent), name(link), name(codeBackground), name(rule), name(headBackground),
             name(noteBackground));
}

} // namespace app::help
