#pragma once

#include <QByteArray>

namespace app::chart {

// The SVG with every font-family attribute naming the program's list
// (ui::SvgFontFamilies).
QByteArray WithSvgFontFamilies(const QByteArray &svg);

} // namespace app::chart
