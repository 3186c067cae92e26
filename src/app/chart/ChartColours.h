#pragma once

#include "chart/LineFamilies.h"

#include <QColor>

class QPalette;

namespace app::chart {

// The colours of one look of the chart: print (white paper), or the screen's
// light or dark palette.
struct ChartColours
{
    QColor background;
    QColor text;
    QColor frame;
    QColor families[::chart::FamilyCount];
    QColor familiesMajor[::chart::FamilyCount];
    QColor process;
    QColor point;
    QColor current;
    QColor selection;
    QColor problem;

    static ChartColours print();
    // From the palette's window text and base colours: dark text on a light
    // base, or light text on a dark one.
    static ChartColours fromPalette(const QPalette &palette);
};

} // namespace app::chart
