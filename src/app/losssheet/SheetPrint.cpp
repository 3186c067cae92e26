#include "app/losssheet/SheetPrint.h"

#include "app/losssheet/ConditionsPanel.h"
#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/SectionColumns.h"
#include "app/losssheet/SheetContents.h"
#include "app/losssheet/SummaryTexts.h"
#include "app/losssheet/Utf8.h"
#include "app/record/RecordTexts.h"
#include "app/ui/Fonts.h"
#include "app/ui/TitleBlock.h"
#include "losssheet/Calculator.h"
#include "losssheet/CaptionTexts.h"
#include "losssheet/SheetTexts.h"
#include "numeric/NumberText.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace app::losssheet {

namespace {

using ::losssheet::System;
using ::losssheet::SystemResult;

const QColor HeaderShade(0xdc, 0xdc, 0xdc);
const QColor PathShade(0xeb, 0xeb, 0xeb);

// The roughness in the conditions line, "%1" its value.

using Pages = ui::PrintedPages;

// A table of text cells, broken across pages with its header repeated.
struct Table
{
    QStringList header;
    std::vector<qreal> weights;   // relative column widths
    std::vector<bool> rightAlign; // per column
    QList<QStringList> rows;
    std::vector<bool> shaded; // per row
    qreal width = 0;          // 0: the page's width
    qreal points = 7.5;
};

void DrawTable(Pages &pages, const Table &t)
{
    const QFont cellFont = ui::PrintFont(t.points);
    const QFont headFont = ui::PrintFont(t.points, true);
    const QFontMetricsF cell = pages.metrics(cellFont);
    const QFontMetricsF head = pages.metrics(headFont);
    const qreal pad = pages.mm(0.8);
    const qreal width = t.width > 0 ? t.width : pages.width();
    const qreal total = std::accumulate(t.weights.begin(), t.weights.end(), 0.0);
    std::vector<qreal> x{pages.left()};
    for (qreal w : t.weights)
        x.push_back(x.back() + width * w / total);
    const int columns = static_cast<int>(t.weights.size());

    const auto heightOf = [&](const QStringList &row, const QFontMetricsF &m) {
        qreal h = m.height();
        for (int c = 0; c < columns && c < row.size(); ++c) {
            const QRectF room(0, 0, x[c + 1] - x[c] - 2 * pad, 10000);
            h = std::max(h, m.boundingRect(room, Qt::TextWordWrap, row[c]).height());
        }
        return h + 2 * pad;
    };
    const qreal headHeight = heightOf(t.header, head);

    qreal partTop = 0;
    const auto frame = [&](qreal bottom) {
        if (!pages.painting())
            return;
        QPainter &p = pages.painter();
        p.setPen(QPen(Qt::black, pages.mm(0.1)));
        for (int c = 1; c < columns; ++c)
            p.drawLine(QPointF(x[c], partTop), QPointF(x[c], bottom));
        p.setPen(QPen(Qt::black, pages.mm(0.25)));
        p.drawRect(QRectF(x[0], partTop, x[columns] - x[0], bottom - partTop));
        p.drawLine(QPointF(x[0], partTop + headHeight), QPointF(x[columns], partTop + headHeight));
    };
    const auto drawRow = [&](const QStringList &row, qreal h, bool header, bool shade) {
        if (pages.painting()) {
            QPainter &p = pages.painter();
            if (header || shade)
                p.fillRect(QRectF(x[0], pages.y, x[columns] - x[0], h),
                           header ? HeaderShade : PathShade);
            p.setPen(QPen(Qt::black, pages.mm(0.1)));
            p.drawLine(QPointF(x[0], pages.y), QPointF(x[columns], pages.y));
            p.setPen(Qt::black);
            p.setFont(header ? headFont : cellFont);
            for (int c = 0; c < columns && c < row.size(); ++c) {
                const Qt::Alignment align =
                    header ? Qt::AlignCenter
                           : (t.rightAlign[static_cast<std::size_t>(c)] ? Qt::AlignRight
                                                                        : Qt::AlignLeft) |
                                 Qt::AlignVCenter;
                p.drawText(
                    QRectF(x[c] + pad, pages.y + pad, x[c + 1] - x[c] - 2 * pad, h - 2 * pad),
                    align | Qt::TextWordWrap, row[c]);
            }
        }
        pages.y += h;
    };
    const auto startPart = [&] {
        partTop = pages.y;
        drawRow(t.header, headHeight, true, false);
    };

    pages.need(headHeight + (t.rows.isEmpty() ? 0 : heightOf(t.rows.first(), cell)));
    startPart();
    for (qsizetype i = 0; i < t.rows.size(); ++i) {
        const qreal h = heightOf(t.rows[i], cell);
        if (pages.y + h > pages.bottom()) {
            frame(pages.y);
            pages.newPage();
            startPart();
        }
        drawRow(t.rows[i], h, false,
                static_cast<std::size_t>(i) < t.shaded.size() &&
                    t.shaded[static_cast<std::size_t>(i)]);
    }
    frame(pages.y);
}

// Lines of text, wrapped to the page's width.
void DrawText(Pages &pages, const QString &text, qreal points, bool bold = false)
{
    const QFont font = ui::PrintFont(points, bold);
    const QRectF room(pages.left(), 0, pages.width(), 10000);
    const qreal h = pages.metrics(font).boundingRect(room, Qt::TextWordWrap, text).height();
    pages.need(h);
    if (pages.painting()) {
        QPainter &p = pages.painter();
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRectF(pages.left(), pages.y, pages.width(), h), Qt::TextWordWrap, text);
    }
    pages.y += h;
}

void Heading(Pages &pages, const QString &text)
{
    pages.need(pages.mm(16));
    pages.y += pages.mm(3);
    DrawText(pages, text, 10, true);
    pages.y += pages.mm(1);
}

void TitleBlock(Pages &pages, const System &s, const SheetTitle &title)
{
    const QString heading = SheetHeading(s.kind);
    const QString date = title.date.isEmpty()
                             ? QDate::currentDate().toString(Utf8(record::texts::DateFormat))
                             : title.date;
    const QList<QPair<QString, QString>> block{{Utf8(record::texts::Project), title.project},
                                               {Utf8(record::texts::Designer), title.designer},
                                               {Utf8(record::texts::Date), date}};
    const qreal row = pages.mm(6);
    const qreal blockWidth = pages.mm(95);
    const qreal labelWidth = pages.mm(18);
    const qreal blockLeft = pages.left() + pages.width() - blockWidth;
    if (pages.painting()) {
        QPainter &p = pages.painter();
        p.setPen(Qt::black);
        p.setFont(ui::PrintFont(16, true));
        p.drawText(QRectF(pages.left(), pages.y, blockLeft - pages.left(), pages.mm(10)),
                   Qt::AlignLeft | Qt::AlignVCenter, heading);
        p.setFont(ui::PrintFont(11));
        p.drawText(
            QRectF(pages.left(), pages.y + pages.mm(11), blockLeft - pages.left(), pages.mm(7)),
            Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("系統：") + Utf8(s.name));
        p.setFont(ui::PrintFont(9));
        ui::PaintTitleBlock(p, block,
                            {blockLeft, pages.y, blockWidth, labelWidth, row, pages.mm(2),
                             pages.mm(3), pages.mm(0.1), pages.mm(0.25), HeaderShade});
    }
    pages.y += std::max(row * block.size(), pages.mm(18)) + pages.mm(3);
}

void SectionTable(Pages &pages, const System &s, const SystemResult &result, UnitSystem units)
{
    Table t;
    const std::vector<int> columns = ColumnsOf(s.kind);
    for (int c : columns) {
        const QString unit = ColumnUnit(c, s.kind, units);
        t.header << (unit.isEmpty() ? ColumnCaption(c, s.kind)
                                    : ColumnCaption(c, s.kind) + QLatin1Char('\n') + unit);
        t.weights.push_back(c == NameColumn || c == UpstreamColumn ? 0.8
                            : c == SizeColumn                      ? 1.2
                                                                   : 1.0);
        t.rightAlign.push_back(c != NameColumn && c != UpstreamColumn);
    }
    QList<QStringList> rows = SectionRows(s, result, units);
    rows.removeFirst();
    t.rows = rows;
    for (const auto &r : result.sections)
        t.shaded.push_back(r.onCriticalPath);
    DrawTable(pages, t);
    pages.y += pages.mm(1);
    DrawText(
        pages,
        QStringLiteral("網掛けの区間が最遠経路です。直管長は継手を含めて中心線に沿って測った長さ、"
                       "局部損失は継手の局部損失（ζ）によるものです（曲がり部の摩擦を含む方法は方法"
                       "名に示します）。"
                       "風速と R は「ダクト計算」「配管計算」ページと同じ計算・同じ表示です。"),
        7);
    const QStringList problems = SectionProblems(s, result);
    if (!problems.isEmpty()) {
        pages.y += pages.mm(1);
        DrawText(pages, QStringLiteral("注意\n") + problems.join(QLatin1Char('\n')), 7.5);
    }
}

void FittingsTable(Pages &pages, const System &s, const SystemResult &result, UnitSystem units)
{
    Heading(pages, Utf8(texts::FittingsBreakdown));
    const FittingBreakdown fittings = FittingsOf(s, result, units);
    Table t;
    t.header = fittings.header;
    t.rows = fittings.rows;
    t.shaded = fittings.onCriticalPath;
    t.rightAlign = fittings.numeric;
    t.weights = {0.6, 1.6, 1.8, 4.2, 0.6, 0.8, 1.9, 1.0};
    if (s.kind == SystemKind::Pipe)
        t.weights.push_back(0.9);
    t.weights.insert(t.weights.end(), {1.0, 3.2, 0.6});
    if (t.rows.isEmpty()) {
        DrawText(pages, QStringLiteral("（局部抵抗・機器はありません）"), 8);
        return;
    }
    DrawTable(pages, t);
    pages.y += pages.mm(1.5);
    QStringList lines;
    for (qsizetype n = 0; n < fittings.sources.size(); ++n)
        lines << QStringLiteral("[%1] %2").arg(n + 1).arg(fittings.sources[n]);
    DrawText(pages, QStringLiteral("出典　") + lines.join(QStringLiteral("　")), 7);
}

void SummaryAndTerminals(Pages &pages, const System &s, const SystemResult &result,
                         UnitSystem units)
{
    Heading(pages,
            s.kind == SystemKind::Duct ? Utf8(texts::FanStaticPressure) : Utf8(texts::PumpHead));
    Table summary;
    summary.header = {Utf8(record::texts::Item), Utf8(record::texts::Value),
                      Utf8(record::texts::Unit)};
    summary.weights = {2.2, 1.4, 0.8};
    summary.rightAlign = {false, true, false};
    summary.width = pages.width() * 0.42;
    summary.points = 8.5;
    for (const SummaryLine &line : SummaryLines(s, result, units)) {
        summary.rows << QStringList{line.caption, line.text, line.unit};
        summary.shaded.push_back(line.result);
    }
    DrawTable(pages, summary);
    pages.y += pages.mm(1);
    DrawText(pages,
             s.kind == SystemKind::Duct
                 ? QStringLiteral(
                       "必要静圧 ＝ 最遠経路の損失（直管損失 ＋ 局部損失 ＋ 機器）× (1 ＋ 余裕率)")
                 : QStringLiteral("全揚程 ＝ (実揚程 ＋ 直管損失 ＋ 局部損失 ＋ 機器 ＋ "
                                  "末端必要圧) × (1 ＋ 余裕率)"),
             8);
    if (const QString problem = SummaryProblem(result); !problem.isEmpty())
        DrawText(pages, QStringLiteral("※") + problem, 8);

    Heading(pages, Utf8(texts::TerminalSurplus));
    Table terminals;
    QList<QStringList> rows = TerminalRows(s, result, units);
    terminals.header = rows.takeFirst();
    terminals.rows = rows;
    terminals.weights = {1.0, 1.2, 1.2};
    terminals.rightAlign = {false, true, true};
    terminals.width = pages.width() * 0.42;
    terminals.points = 8.5;
    for (const auto &t : result.summary.terminals) {
        terminals.shaded.push_back(
            t.section >= 0 && static_cast<std::size_t>(t.section) < result.sections.size() &&
            result.sections[static_cast<std::size_t>(t.section)].onCriticalPath);
    }
    DrawTable(pages, terminals);
}

int Paint(QPainter *painter, QPagedPaintDevice &device, const std::vector<System> &systems,
          const std::vector<SystemResult> &results, const SheetTitle &title, UnitSystem units,
          PageNumbering numbering)
{
    Pages pages(painter, device, numbering);
    for (std::size_t i = 0; i < systems.size(); ++i) {
        if (i > 0)
            pages.newPage();
        const System &s = systems[i];
        TitleBlock(pages, s, title);
        DrawText(pages, ConditionsText(s, units), 8.5);
        pages.y += pages.mm(2);
        SectionTable(pages, s, results[i], units);
        FittingsTable(pages, s, results[i], units);
        SummaryAndTerminals(pages, s, results[i], units);
    }
    pages.finish();
    return pages.number();
}

std::vector<SystemResult> ResultsOf(const std::vector<System> &systems, UnitSystem units)
{
    std::vector<SystemResult> results;
    results.reserve(systems.size());
    for (const System &s : systems)
        results.push_back(::losssheet::Compute(s, units));
    return results;
}

} // namespace

int CountLossSheetPages(QPagedPaintDevice &device, const std::vector<System> &systems,
                        const SheetTitle &title, UnitSystem units)
{
    return Paint(nullptr, device, systems, ResultsOf(systems, units), title, units, {});
}

int PaintLossSheets(QPainter &painter, QPagedPaintDevice &device,
                    const std::vector<System> &systems, const SheetTitle &title, UnitSystem units,
                    PageNumbering numbering)
{
    const std::vector<SystemResult> results = ResultsOf(systems, units);
    if (numbering.total <= 0)
        numbering.total =
            numbering.first - 1 + Paint(nullptr, device, systems, results, title, units, {});
    return Paint(&painter, device, systems, results, title, units, numbering);
}

void SetLossSheetPageLayout(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
}

bool PrintLossSheets(QPagedPaintDevice &device, const std::vector<System> &systems,
                     const SheetTitle &title, UnitSystem units)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PaintLossSheets(painter, device, systems, title, units);
    return painter.end();
}

} // namespace app::losssheet
