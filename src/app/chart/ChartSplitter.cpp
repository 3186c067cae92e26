#include "app/chart/ChartSplitter.h"

#include <QPainter>
#include <QSplitterHandle>

namespace app::chart {

namespace {

// Handle width in logical pixels: wide enough to find with the pointer.
constexpr int HandleWidth = 8;

class GripHandle : public QSplitterHandle
{
public:
    GripHandle(Qt::Orientation orientation, QSplitter *parent)
        : QSplitterHandle(orientation, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QPalette &p = palette();
        const bool dark = p.color(QPalette::Window).lightness() < 128;
        // The band: the window colour moved a step towards the frame's.
        painter.fillRect(rect(), dark ? p.color(QPalette::Window).lighter(150)
                                      : p.color(QPalette::Window).darker(118));
        // The grip: five dots across the middle.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        QColor dot = p.color(QPalette::WindowText);
        dot.setAlphaF(0.6f);
        painter.setBrush(dot);
        const QPointF centre = QRectF(rect()).center();
        const bool vertical = orientation() == Qt::Horizontal; // a vertical band
        for (int i = -2; i <= 2; ++i) {
            const QPointF step = vertical ? QPointF(0, i * 6.0) : QPointF(i * 6.0, 0);
            painter.drawEllipse(centre + step, 1.5, 1.5);
        }
    }
};

} // namespace

ChartSplitter::ChartSplitter(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent)
{
    setHandleWidth(HandleWidth);
}

QSplitterHandle *ChartSplitter::createHandle()
{
    return new GripHandle(orientation(), this);
}

} // namespace app::chart
