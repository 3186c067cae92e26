#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QString>

class QPainter;

namespace app::ui {

// Where a printed sheet's title block stands and how it is drawn, in the
// page's units.
struct TitleBlockFrame
{
    qreal left;
    qreal top;
    qreal width;
    qreal captionWidth;
    qreal rowHeight;
    qreal valueInset; // from the caption cell to a value's text
    qreal valueTrail; // the value cell is this much narrower than the rest of the row
    qreal rule;       // the pen between rows
    qreal frame;      // the pen of the frame and of the rule after the captions
    QColor shade;     // behind the captions
};

// Paints a title block with the painter's font: a row per (caption, value),
// the caption centred on a shaded cell and the value left-aligned after it,
// a thin rule above every row, the whole framed and the captions ruled off.
// Leaves the pen black.
void PaintTitleBlock(QPainter &p, const QList<QPair<QString, QString>> &rows,
                     const TitleBlockFrame &f);

} // namespace app::ui
