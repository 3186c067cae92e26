#include "app/report/DocumentReport.h"

#include "air/AirTexts.h"
#include "app/chart/ChartRenderer.h"
#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/SheetPrint.h"
#include "app/record/RecordTexts.h"
#include "app/report/ChartTables.h"
#include "app/report/ReportTable.h"
#include "app/report/ReportTexts.h"
#include "app/ui/Fonts.h"
#include "app/ui/PrintedPages.h"
#include "app/ui/WindowPlacement.h"
#include "chart/ChartTexts.h"
#include "chart/Ranges.h"
#include "document/DiagramConversion.h"
#include "numeric/NumberText.h"

#include <QDate>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace app::report {

namespace {

using ::document::Document;

QString Utf8(const std::string &s)
{
    return QString::fromStdString(s);
}

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The parts the contents list, and the page each starts on.
struct Part
{
    QString heading;
    int page = 0;
};

QString ChartHeading(std::size_t index, const ::document::Chart &chart)
{
    return Text(::chart::texts::WindowTitle) + QStringLiteral(" %1　").arg(index + 1) +
           Utf8(chart.name);
}

QString SystemHeading(const ::losssheet::System &system)
{
    return Text(app::losssheet::texts::System) + QStringLiteral("　") + Utf8(system.name);
}

QString PressureLine(const ::document::Atmosphere &atmosphere, bool conventional)
{
    QString text = Text(air::texts::Pressure) + QLatin1Char(' ') +
                   chart::PressureText(::document::PressureOf(atmosphere), conventional);
    switch (atmosphere.basis) {
    case ::document::PressureBasis::Standard:
        text +=
            QStringLiteral("（") + Text(::chart::texts::StandardPressure) + QStringLiteral("）");
        break;
    case ::document::PressureBasis::Altitude:
        text += QStringLiteral("（") + Text(texts::Altitude) + QLatin1Char(' ') +
                Utf8(numeric::FormatGeneral(atmosphere.altitude, 6)) + QStringLiteral(" m）");
        break;
    case ::document::PressureBasis::Given:
        break;
    }
    return text;
}

QString DateText(const ::document::TitleBlock &title)
{
    return title.date.empty() ? QDate::currentDate().toString(Text(record::texts::DateFormat))
                              : Utf8(title.date);
}

// A line of text at the full width; returns its height.
qreal Line(ui::PrintedPages &pages, const QString &text, const QFont &font, Qt::Alignment align,
           qreal spacing = 1.4)
{
    const qreal height = pages.metrics(font).height() * spacing;
    if (pages.painting()) {
        QPainter &p = pages.painter();
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRectF(pages.left(), pages.y, pages.width(), height), align | Qt::AlignVCenter,
                   text);
    }
    pages.y += height;
    return height;
}

// The title page: the report's title, the project, the title block as a
// two-column table, and the contents.
void TitlePage(ui::PrintedPages &pages, const Document &d, const std::vector<Part> &parts)
{
    Line(pages, Text(texts::ReportTitle), ui::PrintFont(20, true), Qt::AlignHCenter, 1.6);
    if (!d.title.project.empty())
        Line(pages, Utf8(d.title.project), ui::PrintFont(15, true), Qt::AlignHCenter, 1.6);
    pages.y += pages.mm(6);

    const QFont font = ui::PrintFont(10);
    const QFont bold = ui::PrintFont(10, true);
    const qreal captionWidth = pages.mm(28);
    const qreal valueWidth = pages.width() * 0.62 - captionWidth;
    const qreal left = pages.left() + (pages.width() - captionWidth - valueWidth) / 2;
    const qreal pad = pages.mm(2);
    const QList<std::pair<QString, QString>> block = {
        {Text(record::texts::Project), Utf8(d.title.project)},
        {Text(record::texts::Designer), Utf8(d.title.designer)},
        {Text(record::texts::Date), DateText(d.title)},
        {Text(record::texts::Notes), Utf8(d.title.notes)}};
    for (const auto &[caption, value] : block) {
        const QRectF text = pages.metrics(font).boundingRect(
            QRectF(0, 0, valueWidth - 2 * pad, 1e6), Qt::TextWordWrap, value);
        const qreal height = std::max(pages.metrics(font).height(), text.height()) + 2 * pad;
        pages.need(height);
        if (pages.painting()) {
            QPainter &p = pages.painter();
            const QRectF captionCell(left, pages.y, captionWidth, height);
            const QRectF valueCell(left + captionWidth, pages.y, valueWidth, height);
            p.fillRect(captionCell, QColor(0xe4, 0xe4, 0xe4));
            p.setPen(QPen(QColor(0x80, 0x80, 0x80), pages.mm(0.15)));
            p.drawRect(captionCell);
            p.drawRect(valueCell);
            p.setPen(Qt::black);
            p.setFont(bold);
            p.drawText(captionCell.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       caption);
            p.setFont(font);
            p.drawText(valueCell.adjusted(pad, pad, -pad, -pad),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, value);
        }
        pages.y += height;
    }
    if (parts.empty())
        return;

    pages.y += pages.mm(8);
    const qreal lineHeight = pages.metrics(font).height() * 1.5;
    pages.need(pages.metrics(bold).height() * 1.6 + lineHeight);
    if (pages.painting()) {
        QPainter &p = pages.painter();
        p.setFont(ui::PrintFont(12, true));
        p.drawText(QRectF(left, pages.y, captionWidth + valueWidth, lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, Text(texts::Contents));
    }
    pages.y += pages.metrics(bold).height() * 1.6;
    for (const Part &part : parts) {
        pages.need(lineHeight);
        if (pages.painting()) {
            QPainter &p = pages.painter();
            p.setFont(font);
            const QRectF row(left + pad, pages.y, captionWidth + valueWidth - 2 * pad, lineHeight);
            p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                       pages.metrics(font).elidedText(part.heading, Qt::ElideRight,
                                                      row.width() - pages.mm(15)));
            p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, QString::number(part.page));
            p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), pages.mm(0.1), Qt::DotLine));
            p.drawLine(QPointF(row.left(), row.bottom()), QPointF(row.right(), row.bottom()));
            p.setPen(Qt::black);
        }
        pages.y += lineHeight;
    }
}

// One chart: its heading, the picture and its legend, then its tables.
void ChartPart(ui::PrintedPages &pages, chart::ChartRenderer &renderer, std::size_t index,
               const ::document::Chart &c, const ::document::BuiltDiagram &built, bool conventional)
{
    chart::ChartScene scene;
    scene.settings.pressure = ::document::PressureOf(c.atmosphere);
    scene.settings.conventionalUnits = conventional;
    scene.settings.ranges = ::chart::Limited(c.view);
    scene.diagram = &built.diagram;

    const QString heading = ChartHeading(index, c);
    const QString pressure = PressureLine(c.atmosphere, conventional);
    const auto headingLine = [&](const QString &text, qreal points) {
        const QFont font = ui::PrintFont(points, true);
        const qreal height = pages.metrics(font).height() * 1.5;
        if (pages.painting()) {
            QPainter &p = pages.painter();
            const QRectF row(pages.left(), pages.y, pages.width(), height);
            p.setPen(Qt::black);
            p.setFont(font);
            p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, text);
            p.setFont(ui::PrintFont(9));
            p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, pressure);
            p.setPen(QPen(Qt::black, pages.mm(0.3)));
            p.drawLine(QPointF(row.left(), row.bottom()), QPointF(row.right(), row.bottom()));
        }
        pages.y += height + pages.mm(2);
    };
    headingLine(heading, 13);
    // The chart's pages after its first start with its name again.
    pages.onNewPage = [&] { headingLine(heading + Text(texts::Continued), 10); };

    // The picture in the chart window's logical pixels (1/96 inch), as its
    // own print draws it.
    const chart::ChartColours colours = chart::ChartColours::print();
    const qreal scale = pages.dpi() / 96.0;
    const qreal room = (pages.bottom() - pages.y) / scale;
    const qreal pageWidth = pages.width() / scale;
    const qreal total = room * 0.66;
    qreal width = std::min(pageWidth, total * 1.75);
    const qreal legend = renderer.paintLegend(nullptr, QRectF(0, 0, width, 1000), scene, colours);
    const qreal chartHeight = std::max(total - legend, total * 0.5);
    if (pages.painting()) {
        QPainter &p = pages.painter();
        p.save();
        p.translate(pages.left() + (pages.width() - width * scale) / 2, pages.y);
        p.scale(scale, scale);
        renderer.paint(p, QRectF(0, 0, width, chartHeight), scene, colours);
        renderer.paintLegend(&p, QRectF(0, chartHeight, width, legend), scene, colours);
        p.restore();
    }
    pages.y += (chartHeight + legend) * scale + pages.mm(3);

    if (built.diagram.points().empty())
        Line(pages, Text(texts::NoPoints), ui::PrintFont(9), Qt::AlignLeft);
    else
        PaintTable(pages, PointTable(built.diagram, conventional));
    if (!built.diagram.processes().empty())
        PaintTable(pages, ProcessTable(built.diagram, conventional));
    pages.onNewPage = nullptr;
}

// The report's own pages (the title page and the charts), painted or only
// counted; returns how many, and the first page of each chart.
int OwnPages(QPainter *painter, QPagedPaintDevice &device, const Document &d,
             const std::vector<::document::BuiltDiagram> &diagrams, const ReportUnits &units,
             const std::vector<Part> &parts, int total, std::vector<int> &chartPages)
{
    ui::PrintedPages pages(painter, device, {1, total});
    TitlePage(pages, d, parts);
    chart::ChartRenderer renderer;
    chartPages.clear();
    for (std::size_t i = 0; i < d.charts.size(); ++i) {
        pages.newPage();
        chartPages.push_back(pages.number());
        ChartPart(pages, renderer, i, d.charts[i], diagrams[i], units.conventionalChart);
    }
    pages.finish();
    return pages.number();
}

losssheet::SheetTitle SheetTitleOf(const ::document::TitleBlock &title)
{
    return {Utf8(title.project), Utf8(title.designer), Utf8(title.date)};
}

// The layout of the whole report: the contents with their pages, the pages
// of the report's own part and the total.
struct Plan
{
    std::vector<::document::BuiltDiagram> diagrams; // of the charts, each computed once
    std::vector<Part> parts;
    int own = 0;
    int total = 0;
};

Plan PlanOf(QPagedPaintDevice &device, const Document &d, const ReportUnits &units)
{
    Plan plan;
    for (std::size_t i = 0; i < d.charts.size(); ++i) {
        plan.diagrams.push_back(::document::ToDiagram(d.charts[i]));
        plan.parts.push_back({ChartHeading(i, d.charts[i]), 0});
    }
    for (const auto &s : d.systems)
        plan.parts.push_back({SystemHeading(s), 0});
    std::vector<int> chartPages;
    // The contents' numbers do not change its height: one pass with them
    // unknown finds every page.
    plan.own = OwnPages(nullptr, device, d, plan.diagrams, units, plan.parts, 0, chartPages);
    for (std::size_t i = 0; i < chartPages.size(); ++i)
        plan.parts[i].page = chartPages[i];
    int next = plan.own + 1;
    const losssheet::SheetTitle title = SheetTitleOf(d.title);
    for (std::size_t i = 0; i < d.systems.size(); ++i) {
        plan.parts[d.charts.size() + i].page = next;
        next += losssheet::CountLossSheetPages(device, {d.systems[i]}, title, units.sheets);
    }
    plan.total = next - 1;
    return plan;
}

} // namespace

void SetReportPageLayout(QPagedPaintDevice &device)
{
    losssheet::SetLossSheetPageLayout(device);
}

int CountDocumentReportPages(QPagedPaintDevice &device, const Document &document,
                             const ReportUnits &units)
{
    SetReportPageLayout(device);
    return PlanOf(device, document, units).total;
}

int PaintDocumentReport(QPagedPaintDevice &device, const Document &document,
                        const ReportUnits &units)
{
    SetReportPageLayout(device);
    const Plan plan = PlanOf(device, document, units);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    std::vector<int> chartPages;
    OwnPages(&painter, device, document, plan.diagrams, units, plan.parts, plan.total, chartPages);
    if (!document.systems.empty()) {
        device.newPage();
        losssheet::PaintLossSheets(painter, device, document.systems, SheetTitleOf(document.title),
                                   units.sheets, {plan.own + 1, plan.total});
    }
    painter.end();
    return plan.total;
}

void PreviewDocumentReport(const Document &document, const ReportUnits &units,
                           const QString &documentName, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    SetReportPageLayout(printer);
    const QString title = Text(texts::ReportTitle);
    printer.setDocName(documentName.isEmpty() ? title
                                              : title + QStringLiteral(" — ") + documentName);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("DocumentReportPreview"));
    preview.setWindowTitle(Text(texts::PreviewTitle));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter *target) { PaintDocumentReport(*target, document, units); });
    if (parent)
        preview.resize(ui::FittedToScreen(parent, QSize(1100, 850)));
    preview.exec();
}

} // namespace app::report
