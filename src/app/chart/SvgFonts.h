#pragma once

#include <QByteArray>
#include <QString>

namespace app::chart {

// The font-family list the chart's SVG names for all of its text, in one
// place: the face Qt laid the text out with first, so that a renderer that
// has it places every run where Qt measured it; then the window's gothic
// faces (ui::GothicFont) in order; last the generic sans-serif. Qt's own SVG
// names only the first family of the list, which few machines have.
QString SvgFontFamilies();

// The SVG with every font-family attribute naming SvgFontFamilies().
QByteArray WithSvgFontFamilies(const QByteArray &svg);

} // namespace app::chart
