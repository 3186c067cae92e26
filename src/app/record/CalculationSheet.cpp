#include "app/record/CalculationSheet.h"

#include "app/record/RecordText.h"
#include "app/record/RecordTexts.h"
#include "app/record/UnitPrecision.h"
#include "app/ui/Fonts.h"
#include "app/ui/TitleBlock.h"
#include "app/ui/UiTexts.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace app::record {

namespace {

// A number as the pages write it: split where it is aligned, at the decimal
// point (or after its last digit when it has none).
struct NumberParts
{
    QString whole;    // "3600", "-0"
    QString fraction; // ".125", ".5E-05", ""
};

// A field as the sheet prints it: at the decimals of its unit.
QString sheetValue(const ui::FieldValue &f)
{
    return MarkedWhenStale(f, SheetText(f));
}

std::optional<NumberParts> numberParts(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^([+-]?\\d[\\d,]*)(\\.\\d*)?([eE][+-]?\\d+)?$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return NumberParts{m.captured(1), m.captured(2) + m.captured(3)};
}

QString roleText(ui::FieldRole role)
{
    switch (role) {
    case ui::FieldRole::Input:
        return QStringLiteral("入力");
    case ui::FieldRole::Option:
        return QStringLiteral("条件");
    case ui::FieldRole::Result:
        break;
    }
    return QString::fromUtf8(texts::Results);
}

// A line under a record's heading or table: "caption: text".
QString captioned(const char *caption, const QString &text)
{
    return QString::fromUtf8(caption) + QStringLiteral(": ") + text;
}

// Draws one page after another, measuring each block first so that no
// record is split across pages.
class Layout
{
public:
    Layout(QPainter &painter, QPagedPaintDevice &device, const QRectF &area)
        : painter_(painter), device_(device), area_(area)
    {
        mm_ = device.logicalDpiX() / 25.4;
    }

    qreal mm(qreal v) const { return v * mm_; }
    qreal top() const { return area_.top(); }
    qreal width() const { return area_.width(); }
    qreal left() const { return area_.left(); }
    qreal bodyBottom() const { return area_.bottom() - mm(10); } // room for the page number
    QPainter &painter() { return painter_; }

    qreal y = 0;
    bool dryRun = true; // the first pass only counts pages
    int page = 1;
    int pages = 1;

    bool fits(qreal height) const { return y + height <= bodyBottom(); }
    void newPage()
    {
        footer();
        ++page;
        if (!dryRun)
            device_.newPage();
        y = top();
    }
    void footer()
    {
        if (dryRun)
            return;
        painter_.setFont(ui::PrintFont(8.5));
        painter_.setPen(Qt::black);
        const QRectF foot(left(), area_.bottom() - mm(7), width(), mm(7));
        painter_.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                          QStringLiteral("%1 / %2").arg(page).arg(pages));
    }

private:
    QPainter &painter_;
    QPagedPaintDevice &device_;
    QRectF area_;
    qreal mm_ = 1;
};

// One record's table: the columns 区分, 項目, 値, 単位.
class RecordBlock
{
public:
    RecordBlock(Layout &layout, const ui::CalculationRecord &r, int number)
        : l_(layout), r_(r), number_(number)
    {
        const qreal w = l_.width();
        cols_ = {0, w * 0.09, w * 0.47, w * 0.84, w};
        headFont_ = ui::PrintFont(10.5, true);
        cellFont_ = ui::PrintFont(9);
        const QFontMetricsF cell(cellFont_, l_.painter().device());
        pad_ = l_.mm(1.5);
        lineHeight_ = cell.height();
        // The decimal points line up: the widest fraction decides where they stand.
        for (const ui::FieldValue &f : r_.fields) {
            if (const auto parts = numberParts(sheetValue(f)))
                fractionWidth_ = std::max(fractionWidth_, cell.horizontalAdvance(parts->fraction));
        }
        for (const ui::FieldValue &f : r_.fields)
            rowHeights_.append(rowHeight(f, cell));
    }

    qreal height() const
    {
        qreal h = headingHeight() + noteHeight() + warningHeight() + l_.mm(7);
        for (qreal row : rowHeights_)
            h += row;
        return h + l_.mm(5); // space before the next record
    }

    void draw()
    {
        QPainter &p = l_.painter();
        const qreal x = l_.left();
        qreal y = l_.y;
        p.setPen(Qt::black);
        p.setFont(headFont_);
        const QRectF heading(x, y, l_.width(), headingHeight());
        p.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("No.%1　%2 ― %3").arg(number_).arg(r_.page, r_.calculation));
        p.setFont(cellFont_);
        p.drawText(heading, Qt::AlignRight | Qt::AlignVCenter, TimeText(r_.time));
        y += headingHeight();
        if (!r_.note.isEmpty()) {
            p.drawText(QRectF(x, y, l_.width(), noteHeight()), Qt::AlignLeft | Qt::TextWordWrap,
                       captioned(texts::Note, r_.note));
            y += noteHeight();
        }

        // Header row, shaded.
        const qreal headerHeight = l_.mm(7);
        p.fillRect(QRectF(x, y, l_.width(), headerHeight), QColor(0xe8, 0xe8, 0xe8));
        const QStringList heads{QStringLiteral("区分"), QString::fromUtf8(texts::Item),
                                QString::fromUtf8(texts::Value), QString::fromUtf8(texts::Unit)};
        for (int c = 0; c < 4; ++c)
            p.drawText(cell(c, y, headerHeight), Qt::AlignCenter, heads[c]);
        const qreal tableTop = y;
        y += headerHeight;

        ui::FieldRole lastRole{};
        for (qsizetype i = 0; i < r_.fields.size(); ++i) {
            const ui::FieldValue &f = r_.fields[i];
            const qreal h = rowHeights_[i];
            const bool newGroup = i == 0 || f.role != lastRole;
            lastRole = f.role;
            p.setPen(QPen(Qt::black, l_.mm(newGroup ? 0.25 : 0.1)));
            p.drawLine(QPointF(x + (newGroup ? 0 : cols_[1]), y), QPointF(x + l_.width(), y));
            p.setPen(Qt::black);
            if (newGroup)
                p.drawText(cell(0, y, h), Qt::AlignCenter, roleText(f.role));
            p.drawText(cell(1, y, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                       f.caption);
            drawValue(sheetValue(f), cell(2, y, h));
            p.drawText(cell(3, y, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, f.unit);
            y += h;
        }
        // The frame and the column lines.
        p.setPen(QPen(Qt::black, l_.mm(0.25)));
        p.drawRect(QRectF(x, tableTop, l_.width(), y - tableTop));
        p.drawLine(QPointF(x, tableTop + headerHeight),
                   QPointF(x + l_.width(), tableTop + headerHeight));
        p.setPen(QPen(Qt::black, l_.mm(0.1)));
        for (int c = 1; c < 4; ++c)
            p.drawLine(QPointF(x + cols_[c], tableTop), QPointF(x + cols_[c], y));
        p.setPen(Qt::black);

        if (!r_.warning.isEmpty()) {
            p.drawText(QRectF(x, y + l_.mm(1), l_.width(), warningHeight()),
                       Qt::AlignLeft | Qt::TextWordWrap, captioned(ui::texts::Warning, r_.warning));
        }
        l_.y += height();
    }

private:
    QRectF cell(int column, qreal y, qreal h) const
    {
        return QRectF(l_.left() + cols_[column] + pad_, y,
                      cols_[column + 1] - cols_[column] - 2 * pad_, h);
    }

    qreal wrappedHeight(const QString &text, qreal width, const QFontMetricsF &m) const
    {
        if (text.isEmpty())
            return 0;
        return m.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
    }

    qreal rowHeight(const ui::FieldValue &f, const QFontMetricsF &m) const
    {
        qreal h = lineHeight_;
        h = std::max(h, wrappedHeight(f.caption, cell(1, 0, 0).width(), m));
        if (!numberParts(sheetValue(f)))
            h = std::max(h, wrappedHeight(sheetValue(f), cell(2, 0, 0).width(), m));
        h = std::max(h, wrappedHeight(f.unit, cell(3, 0, 0).width(), m));
        return h + l_.mm(2);
    }

    void drawValue(const QString &text, const QRectF &box)
    {
        QPainter &p = l_.painter();
        const auto parts = numberParts(text);
        if (!parts) {
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
            return;
        }
        const qreal point = box.right() - fractionWidth_;
        p.drawText(QRectF(box.left(), box.top(), point - box.left(), box.height()),
                   Qt::AlignRight | Qt::AlignVCenter, parts->whole);
        p.drawText(QRectF(point, box.top(), fractionWidth_ + pad_, box.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, parts->fraction);
    }

    qreal headingHeight() const { return l_.mm(8); }
    qreal noteHeight() const
    {
        const QFontMetricsF m(cellFont_, l_.painter().device());
        return r_.note.isEmpty()
                   ? 0
                   : wrappedHeight(captioned(texts::Note, r_.note), l_.width(), m) + l_.mm(1.5);
    }
    qreal warningHeight() const
    {
        const QFontMetricsF m(cellFont_, l_.painter().device());
        return r_.warning.isEmpty()
                   ? 0
                   : wrappedHeight(captioned(ui::texts::Warning, r_.warning), l_.width(), m) +
                         l_.mm(1);
    }

    Layout &l_;
    const ui::CalculationRecord &r_;
    int number_;
    QList<qreal> cols_;
    QFont headFont_, cellFont_;
    qreal pad_ = 0, lineHeight_ = 0, fractionWidth_ = 0;
    QList<qreal> rowHeights_;
};

} // namespace

CalculationSheet::CalculationSheet(TitleBlock title, QList<const ui::CalculationRecord *> records)
    : title_(std::move(title))
{
    records_.reserve(records.size());
    for (const ui::CalculationRecord *r : records)
        records_.append(*r);
}

QString DateLine(const TitleBlock &title)
{
    return title.date.isEmpty()
               ? QDate::currentDate().toString(QString::fromUtf8(texts::DateFormat))
               : title.date;
}

QString CalculationSheet::dateText() const
{
    return DateLine(title_);
}

void SetSheetPageLayout(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool CalculationSheet::paint(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF area(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    Layout layout(painter, device, area);

    // Twice: first to count the pages for "n / N", then to draw.
    for (const bool dryRun : {true, false}) {
        layout.dryRun = dryRun;
        layout.page = 1;
        layout.y = layout.top();

        // The title and the title block.
        const qreal titleHeight = layout.mm(14);
        if (!dryRun) {
            painter.setPen(Qt::black);
            painter.setFont(ui::PrintFont(20, true));
            painter.drawText(QRectF(layout.left(), layout.y, layout.width(), titleHeight),
                             Qt::AlignCenter, QStringLiteral("計　算　書"));
        }
        layout.y += titleHeight + layout.mm(4);
        QList<QPair<QString, QString>> block{{QString::fromUtf8(texts::Project), title_.project},
                                             {QString::fromUtf8(texts::Designer), title_.designer},
                                             {QString::fromUtf8(texts::Date), dateText()}};
        if (!title_.notes.isEmpty())
            block.append({QString::fromUtf8(texts::Notes), title_.notes});
        const qreal rowHeight = layout.mm(8);
        const qreal labelWidth = layout.mm(28);
        const qreal blockWidth = layout.width() * 0.7;
        const qreal blockLeft = layout.left() + (layout.width() - blockWidth) / 2;
        if (!dryRun) {
            painter.setFont(ui::PrintFont(10.5));
            ui::PaintTitleBlock(painter, block,
                                {blockLeft, layout.y, blockWidth, labelWidth, rowHeight,
                                 layout.mm(3), layout.mm(4), layout.mm(0.1), layout.mm(0.25),
                                 QColor(0xe8, 0xe8, 0xe8)});
        }
        layout.y += rowHeight * block.size() + layout.mm(8);

        for (qsizetype i = 0; i < records_.size(); ++i) {
            RecordBlock record(layout, records_[i], static_cast<int>(i + 1));
            if (!layout.fits(record.height()) && layout.y > layout.top())
                layout.newPage();
            if (!dryRun)
                record.draw();
            else
                layout.y += record.height();
        }
        layout.footer();
        layout.pages = layout.page;
    }
    return painter.end();
}

} // namespace app::record
