#include "app/ui/PrintedPages.h"

#include "app/ui/Fonts.h"
#include "app/ui/UiTexts.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace app::ui {

PrintedPages::PrintedPages(QPainter *painter, QPagedPaintDevice &device, PageNumbering numbering)
    : painter_(painter), device_(device), numbering_(numbering)
{
    dpi_ = device.logicalDpiX();
    mm_ = dpi_ / 25.4;
    area_ = QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    y = area_.top();
}

QFontMetricsF PrintedPages::metrics(const QFont &font) const
{
    return QFontMetricsF(font, &device_);
}

void PrintedPages::breakPage()
{
    if (y > top())
        newPage();
}

void PrintedPages::need(qreal height)
{
    if (y + height <= bottom() || y <= top())
        return;
    newPage();
    if (onNewPage)
        onNewPage();
}

void PrintedPages::newPage()
{
    footer();
    ++page_;
    if (painting())
        device_.newPage();
    y = top();
}

void PrintedPages::finish()
{
    footer();
}

void PrintedPages::footer()
{
    if (!painting())
        return;
    QPainter &p = *painter_;
    p.setFont(PrintFont(8.5));
    p.setPen(Qt::black);
    const int number = numbering_.first + page_ - 1;
    p.drawText(
        QRectF(left(), area_.bottom() - mm(6), width(), mm(6)), Qt::AlignHCenter | Qt::AlignBottom,
        QString::fromUtf8(texts::PageNumber).arg(number).arg(std::max(numbering_.total, number)));
}

} // namespace app::ui
