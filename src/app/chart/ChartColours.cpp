#include "app/chart/ChartColours.h"

#include <QPalette>

namespace app::chart {

namespace {

using ::chart::Family;
using ::chart::Index;

// Hues chosen to stay apart for the common colour-vision deficiencies and in
// greyscale print: the saturation curve darkest, the grid lightest.
ChartColours Light()
{
    ChartColours c;
    c.background = Qt::white;
    c.text = QColor(0x20, 0x20, 0x20);
    c.frame = QColor(0x40, 0x40, 0x40);
    c.families[Index(Family::Grid)] = QColor(0xdc, 0xdc, 0xdc);
    c.families[Index(Family::RelativeHumidity)] = QColor(0x5b, 0x8f, 0xd0);
    c.families[Index(Family::SpecificVolume)] = QColor(0xb0, 0x8c, 0xc8);
    c.families[Index(Family::Enthalpy)] = QColor(0xd9, 0xa0, 0x66);
    c.families[Index(Family::WetBulb)] = QColor(0x7a, 0xb8, 0x8a);
    c.families[Index(Family::DewPoint)] = QColor(0x30, 0x30, 0x30);
    c.families[Index(Family::Saturation)] = QColor(0x10, 0x10, 0x10);
    c.families[Index(Family::ShfScale)] = QColor(0xa0, 0x40, 0x40);
    c.familiesMajor[Index(Family::Grid)] = QColor(0xbc, 0xbc, 0xbc);
    c.familiesMajor[Index(Family::RelativeHumidity)] = QColor(0x2f, 0x6b, 0xb8);
    c.familiesMajor[Index(Family::SpecificVolume)] = QColor(0x8a, 0x5c, 0xa8);
    c.familiesMajor[Index(Family::Enthalpy)] = QColor(0xb8, 0x70, 0x30);
    c.familiesMajor[Index(Family::WetBulb)] = QColor(0x3c, 0x8c, 0x50);
    c.familiesMajor[Index(Family::DewPoint)] = c.families[Index(Family::DewPoint)];
    c.familiesMajor[Index(Family::Saturation)] = c.families[Index(Family::Saturation)];
    c.familiesMajor[Index(Family::ShfScale)] = c.families[Index(Family::ShfScale)];
    c.process = QColor(0xc0, 0x20, 0x20);
    c.point = QColor(0x10, 0x10, 0x10);
    c.current = QColor(0xe0, 0x60, 0x00);
    c.selection = QColor(0x20, 0x70, 0xe0);
    c.problem = QColor(0xc0, 0x00, 0x00);
    return c;
}

ChartColours Dark(const QColor &base)
{
    ChartColours c;
    c.background = base;
    c.text = QColor(0xe8, 0xe8, 0xe8);
    c.frame = QColor(0xc0, 0xc0, 0xc0);
    c.families[Index(Family::Grid)] = QColor(0x46, 0x46, 0x4a);
    c.families[Index(Family::RelativeHumidity)] = QColor(0x4f, 0x7f, 0xb8);
    c.families[Index(Family::SpecificVolume)] = QColor(0x8e, 0x70, 0xa8);
    c.families[Index(Family::Enthalpy)] = QColor(0xb0, 0x80, 0x50);
    c.families[Index(Family::WetBulb)] = QColor(0x5c, 0x98, 0x6c);
    c.families[Index(Family::DewPoint)] = QColor(0xd0, 0xd0, 0xd0);
    c.families[Index(Family::Saturation)] = QColor(0xf4, 0xf4, 0xf4);
    c.families[Index(Family::ShfScale)] = QColor(0xe0, 0x80, 0x80);
    c.familiesMajor[Index(Family::Grid)] = QColor(0x5e, 0x5e, 0x64);
    c.familiesMajor[Index(Family::RelativeHumidity)] = QColor(0x7a, 0xaa, 0xe8);
    c.familiesMajor[Index(Family::SpecificVolume)] = QColor(0xb8, 0x98, 0xd8);
    c.familiesMajor[Index(Family::Enthalpy)] = QColor(0xe0, 0xa8, 0x70);
    c.familiesMajor[Index(Family::WetBulb)] = QColor(0x80, 0xc8, 0x90);
    c.familiesMajor[Index(Family::DewPoint)] = c.families[Index(Family::DewPoint)];
    c.familiesMajor[Index(Family::Saturation)] = c.families[Index(Family::Saturation)];
    c.familiesMajor[Index(Family::ShfScale)] = c.families[Index(Family::ShfScale)];
    c.process = QColor(0xff, 0x60, 0x60);
    c.point = QColor(0xf8, 0xf8, 0xf8);
    c.current = QColor(0xff, 0xa0, 0x40);
    c.selection = QColor(0x60, 0xb0, 0xff);
    c.problem = QColor(0xff, 0x70, 0x70);
    return c;
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
