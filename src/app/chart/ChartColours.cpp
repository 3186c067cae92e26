#include "app/chart/ChartColours.h"

#include <QPalette>

#include <array>

namespace app::chart {

namespace {

// One scheme's colours, 0xRRGGBB. The families in the order of
// chart::Family: grid, relative humidity, specific volume, enthalpy, wet
// bulb, dew point, saturation, SHF scale; the major lines of the first five
// stand out from the minor ones, the last three draw both alike.
struct Scheme
{
    std::array<QRgb, 2> lettering; // text, frame
    std::array<QRgb, ::chart::FamilyCount> families;
    std::array<QRgb, 5> majors;
    std::array<QRgb, 5> marks; // process, point, current point, selection, problem
};

// Hues chosen to stay apart for the common colour-vision deficiencies and in
// greyscale print: the saturation curve darkest, the grid lightest.
constexpr Scheme LightScheme{
    {0x202020, 0x404040},
    {0xdcdcdc, 0x5b8fd0, 0xb08cc8, 0xd9a066, 0x7ab88a, 0x303030, 0x101010, 0xa04040},
    {0xbcbcbc, 0x2f6bb8, 0x8a5ca8, 0xb87030, 0x3c8c50},
    {0xc02020, 0x101010, 0xe06000, 0x2070e0, 0xc00000}};

// The same hues on a dark base: the saturation curve brightest, the grid
// faintest.
constexpr Scheme DarkScheme{
    {0xe8e8e8, 0xc0c0c0},
    {0x46464a, 0x4f7fb8, 0x8e70a8, 0xb08050, 0x5c986c, 0xd0d0d0, 0xf4f4f4, 0xe08080},
    {0x5e5e64, 0x7aaae8, 0xb898d8, 0xe0a870, 0x80c890},
    {0xff6060, 0xf8f8f8, 0xffa040, 0x60b0ff, 0xff7070}};

ChartColours FromScheme(const Scheme &scheme, const QColor &background)
{
    ChartColours c;
    c.background = background;
    c.text = QColor(scheme.lettering[0]);
    c.frame = QColor(scheme.lettering[1]);
    for (int i = 0; i < ::chart::FamilyCount; ++i) {
        c.families[i] = QColor(scheme.families[i]);
        c.familiesMajor[i] =
            i < static_cast<int>(scheme.majors.size()) ? QColor(scheme.majors[i]) : c.families[i];
    }
    c.process = QColor(scheme.marks[0]);
    c.point = QColor(scheme.marks[1]);
    c.current = QColor(scheme.marks[2]);
    c.selection = QColor(scheme.marks[3]);
    c.problem = QColor(scheme.marks[4]);
    return c;
}

ChartColours Light()
{
    return FromScheme(LightScheme, Qt::white);
}

ChartColours Dark(const QColor &base)
{
    return FromScheme(DarkScheme, base);
}

} // namespace

ChartColours ChartColours::print()
{
    return Light();
}

ChartColours ChartColours::fromPalette(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    if (base.lightness() < 128)
        return Dark(base);
    ChartColours c = Light();
    c.background = base;
    return c;
}

} // namespace app::chart
