#pragma once

#include <QFontMetricsF>
#include <QRectF>

#include <functional>

class QFont;
class QPagedPaintDevice;
class QPainter;

namespace app::ui {

// How printed pages are numbered: "n / total" from `first`; a total of 0 is
// counted from the pages themselves (a report that prints other pages
// before a sheet's gives both).
struct PageNumbering
{
    int first = 1;
    int total = 0;
};

// The printed pages as they fill, in the device's pixels: where the next
// block goes, a new page when it does not fit, the number "n / total" at the
// foot of each. Without a painter it only measures and counts, which is how
// a report learns its total before it paints. The printed report and the
// loss sheets share it, so their pages break and are numbered alike.
class PrintedPages
{
public:
    PrintedPages(QPainter *painter, QPagedPaintDevice &device, PageNumbering numbering = {});

    qreal mm(qreal v) const { return v * mm_; }
    qreal left() const { return area_.left(); }
    qreal width() const { return area_.width(); }
    qreal top() const { return area_.top(); }
    qreal bottom() const { return area_.bottom() - mm(8); } // room for the page number
    qreal dpi() const { return dpi_; }
    bool painting() const { return painter_ != nullptr; }
    QPainter &painter() { return *painter_; }
    QFontMetricsF metrics(const QFont &font) const;
    int number() const { return page_; } // of the page being filled, from 1
    QPagedPaintDevice &device() { return device_; }

    // A new page unless this one is still empty.
    void breakPage();
    // Room for `height` more below y: a new page when it does not fit, and
    // then `onNewPage` (a table's heading again).
    void need(qreal height);
    void newPage();
    // The last page's number; the pages after it are painted by others.
    void finish();

    qreal y = 0;
    std::function<void()> onNewPage;

private:
    void footer();

    QPainter *painter_;
    QPagedPaintDevice &device_;
    PageNumbering numbering_;
    QRectF area_;
    qreal dpi_ = 96;
    qreal mm_ = 1;
    int page_ = 1;
};

} // namespace app::ui
