#include "app/ui/TitleBlock.h"

#include <QPainter>

namespace app::ui {

void PaintTitleBlock(QPainter &p, const QList<QPair<QString, QString>> &rows,
                     const TitleBlockFrame &f)
{
    for (int i = 0; i < rows.size(); ++i) {
        const qreal y = f.top + i * f.rowHeight;
        p.fillRect(QRectF(f.left, y, f.captionWidth, f.rowHeight), f.shade);
        p.drawText(QRectF(f.left, y, f.captionWidth, f.rowHeight), Qt::AlignCenter, rows[i].first);
        p.drawText(QRectF(f.left + f.captionWidth + f.valueInset, y,
                          f.width - f.captionWidth - f.valueTrail, f.rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, rows[i].second);
        p.setPen(QPen(Qt::black, f.rule));
        p.drawLine(QPointF(f.left, y), QPointF(f.left + f.width, y));
        p.setPen(Qt::black);
    }
    p.setPen(QPen(Qt::black, f.frame));
    p.drawRect(QRectF(f.left, f.top, f.width, f.rowHeight * rows.size()));
    p.drawLine(QPointF(f.left + f.captionWidth, f.top),
               QPointF(f.left + f.captionWidth, f.top + f.rowHeight * rows.size()));
    p.setPen(Qt::black);
}

} // namespace app::ui
