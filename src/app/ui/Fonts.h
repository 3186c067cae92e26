#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The program's faces, all chosen here: one list of Japanese gothic
// families, and the faces made from it for the window's controls, its
// drawings, its tables, its printouts and its help. A new face is made here
// from GothicFamilies(), never from a list of its own.
namespace app::ui {

// The gothic families in order of preference: the window's design face
// first (under both of its names), then the gothics of free systems. Qt
// takes the first that is installed.
const QStringList &GothicFamilies();

// The gothic face at a pixel height (12 for the window, 13 for most labels
// and fields, 15 for section titles), naming the whole list: a document that
// names its fonts (the chart's SVG) names this list.
QFont GothicFont(int pixelSize, bool bold = false);

// The same face for the window's own controls: the family list of
// GothicFont with the families that are not installed dropped once for the
// whole run, so that Qt does not search for each of them again for every
// size and weight. Qt takes the first installed family of a list, with the
// same fallbacks for missing characters, so the controls look exactly alike.
QFont ControlFont(int pixelSize, bool bold = false);

// The same face at a point size, for paper (the calculation sheet).
QFont PrintFont(qreal points, bool bold = false);

// Body text for reading (the help): the gothic at `base`'s size but no
// smaller than `minimumPoints`, with `base`'s own families as the last
// fallbacks.
QFont ReadingFont(const QFont &base, qreal minimumPoints);

// The face of the feature windows' tables (the chart's points and processes,
// the record, the size table). Their cells are mostly numbers, and at a
// table's size the Japanese gothic's full stop sits low and small enough for
// "26.000" to read as "26,000": digits and signs come from a Latin
// sans-serif whose point is unmistakable, the Japanese text from the
// window's gothic as the fallback for what that face lacks.
QFont TableFont();

// The font-family list an SVG of the program names for all of its text: the
// face Qt laid the text out with first, so that a renderer that has it places
// every run where Qt measured it; then the gothic families in order; last the
// generic sans-serif. Qt's own SVG names only the first family of a list,
// which few machines have.
QString SvgFontFamilies();

// The About box's product name: a large bold Latin face.
QFont ProductNameFont();

} // namespace app::ui
