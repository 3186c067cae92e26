#include "app/report/ReportPages.h"

#include "app/report/ReportTexts.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace app::report {

Pages::Pages(QPainter *painter, QPagedPaintDevice &device, int total)
    : painter_(painter), device_(device), total_(total)
{
    dpi_ = device.logicalDpiX();
    mm_ = dpi_ / 25.4;
    area_ = QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    y = area_.top();
}

QFontMetricsF Pages::metrics(const QFont &font) const
{
    return QFontMetricsF(font, &device_);
}

void Pages::breakPage()
{
    if (y > top())
        newPage();
}

void Pages::need(qreal height)
{
    if (y + height <= bottom() || y <= top())
        return;
    newPage();
    if (onNewPage)
        onNewPage();
}

void Pages::newPage()
{
    footer();
    ++page_;
    if (painting())
        device_.newPage();
    y = top();
}

void Pages::finish()
{
    footer();
}

void Pages::footer()
{
    if (!painting())
        return;
    QPainter &p = *painter_;
    p.setFont(PrintFont(8.5));
    p.setPen(Qt::black);
    p.drawText(QRectF(left(), area_.bottom() - mm(6), width(), mm(6)),
               Qt::AlignHCenter | Qt::AlignBottom,
               QString::fromUtf8(texts::PageNumber).arg(page_).arg(std::max(total_, page_)));
}

} // namespace app::report
