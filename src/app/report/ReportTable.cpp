#include "app/report/ReportTable.h"

#include "app/report/DecimalColumn.h"
#include "app/report/ReportTexts.h"
#include "app/ui/Fonts.h"
#include "app/ui/PrintedPages.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

namespace app::report {

namespace {

const QColor HeaderShade(0xe4, 0xe4, 0xe4);
const QColor RuleColour(0x80, 0x80, 0x80);
constexpr qreal LargestPoints = 8.5;
constexpr qreal SmallestPoints = 6;
// A text column (a note) takes at most this share of the width; a longer
// text is cut with an ellipsis.
constexpr qreal WidestTextShare = 0.28;

struct Layout
{
    QFont font;
    QFont bold;
    std::vector<qreal> widths;
    std::vector<DecimalColumn> columns;
    qreal padding = 0;
    qreal rowHeight = 0;
    qreal headerHeight = 0;
};

Layout Measure(const ui::PrintedPages &pages, const ReportTable &table, qreal points)
{
    Layout l;
    l.font = ui::PrintFont(points);
    l.bold = ui::PrintFont(points, true);
    const QFontMetricsF fm = pages.metrics(l.font);
    const QFontMetricsF fb = pages.metrics(l.bold);
    l.padding = pages.mm(1.2);
    l.rowHeight = fm.height() * 1.35;
    const auto lines = [](const QString &s) { return s.count(QLatin1Char('\n')) + 1; };
    int headerLines = 1;
    for (const QString &h : table.header)
        headerLines = std::max(headerLines, static_cast<int>(lines(h)));
    l.headerHeight = fb.height() * headerLines + fb.height() * 0.35;
    const auto width = [fm](const QString &s) { return fm.horizontalAdvance(s); };
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        DecimalColumn column(width);
        for (const QStringList &row : table.rows)
            column.add(c < row.size() ? row[c] : QString());
        qreal w = column.needed();
        for (const QString &line : table.header[c].split(QLatin1Char('\n')))
            w = std::max(w, fb.horizontalAdvance(line));
        const bool numeric = c < static_cast<qsizetype>(table.numeric.size()) && table.numeric[c];
        if (!numeric)
            w = std::min(w, pages.width() * WidestTextShare);
        l.widths.push_back(w + 2 * l.padding);
        l.columns.push_back(std::move(column));
    }
    return l;
}

qreal Total(const Layout &l)
{
    return std::accumulate(l.widths.begin(), l.widths.end(), qreal(0));
}

void PaintRow(ui::PrintedPages &pages, const Layout &l, const ReportTable &table,
              const QStringList &cells, bool header)
{
    const qreal height = header ? l.headerHeight : l.rowHeight;
    if (pages.painting()) {
        QPainter &p = pages.painter();
        p.setFont(header ? l.bold : l.font);
        const QFontMetricsF fm = pages.metrics(header ? l.bold : l.font);
        qreal x = pages.left();
        for (std::size_t c = 0; c < l.widths.size(); ++c) {
            const QRectF cell(x, pages.y, l.widths[c], height);
            if (header)
                p.fillRect(cell, HeaderShade);
            p.setPen(QPen(RuleColour, pages.mm(0.1)));
            p.drawRect(cell);
            p.setPen(Qt::black);
            const QString text = static_cast<qsizetype>(c) < cells.size() ? cells[c] : QString();
            const QRectF inner = cell.adjusted(l.padding, 0, -l.padding, 0);
            const bool numeric = c < table.numeric.size() && table.numeric[c];
            if (header) {
                p.drawText(inner, Qt::AlignCenter, text);
            } else if (numeric) {
                p.drawText(inner.adjusted(0, 0, -l.columns[c].inset(text), 0),
                           Qt::AlignRight | Qt::AlignVCenter, text);
            } else {
                p.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter,
                           fm.elidedText(text, Qt::ElideRight, inner.width()));
            }
            x += l.widths[c];
        }
    }
    pages.y += height;
}

} // namespace

void PaintTable(ui::PrintedPages &pages, const ReportTable &table)
{
    Layout layout;
    for (qreal points = LargestPoints;; points -= 0.5) {
        layout = Measure(pages, table, points);
        if (Total(layout) <= pages.width() || points <= SmallestPoints)
            break;
    }
    // Wider than the page at the smallest size: every column a little narrower.
    if (const qreal total = Total(layout); total > pages.width()) {
        for (qreal &w : layout.widths)
            w *= pages.width() / total;
    }

    const QFont titleFont = ui::PrintFont(10, true);
    const qreal titleHeight = pages.metrics(titleFont).height() * 1.4;
    const auto title = [&](const QString &text) {
        if (pages.painting()) {
            QPainter &p = pages.painter();
            p.setFont(titleFont);
            p.setPen(Qt::black);
            p.drawText(QRectF(pages.left(), pages.y, pages.width(), titleHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        pages.y += titleHeight;
    };
    // The title, the header and the first row stay together.
    pages.need(titleHeight + layout.headerHeight + layout.rowHeight);
    title(table.title);
    PaintRow(pages, layout, table, table.header, true);
    const auto previous = pages.onNewPage;
    pages.onNewPage = [&] {
        if (previous)
            previous();
        title(table.title + QString::fromUtf8(texts::Continued));
        PaintRow(pages, layout, table, table.header, true);
    };
    for (const QStringList &row : table.rows) {
        pages.need(layout.rowHeight);
        PaintRow(pages, layout, table, row, false);
    }
    pages.onNewPage = previous;
    pages.y += pages.mm(4);
}

} // namespace app::report
