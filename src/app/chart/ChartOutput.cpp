#include "app/chart/ChartOutput.h"

#include "app/chart/SvgFonts.h"
#include "app/ui/Fonts.h"
#include "chart/ChartTexts.h"
#include "chart/TableTexts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace app::chart {

namespace {

QString Utf8(const std::string &s)
{
    return QString::fromStdString(s);
}

qreal LegendHeight(ChartRenderer &renderer, const ChartScene &scene, qreal width)
{
    return renderer.paintLegend(nullptr, QRectF(0, 0, width, 1000), scene, ChartColours::print());
}

void PaintPicture(QPainter &painter, ChartRenderer &renderer, const ChartScene &scene,
                  qreal legendHeight)
{
    const ChartColours colours = ChartColours::print();
    const QRectF all(0, 0, ExportWidth, ExportChartHeight + legendHeight);
    painter.fillRect(all, colours.background);
    renderer.paint(painter, QRectF(0, 0, ExportWidth, ExportChartHeight), scene, colours);
    renderer.paintLegend(&painter, QRectF(16, ExportChartHeight, ExportWidth - 32, legendHeight),
                         scene, colours);
}

// One table under the chart: a header row and the rows, the font shrunk
// until the columns fit the width. Returns the y below it; starts a new page
// through `newPage` when a row no longer fits.
class TablePainter
{
public:
    TablePainter(QPainter &painter, qreal left, qreal width, qreal pageBottom,
                 std::function<qreal()> newPage)
        : painter_(painter), left_(left), width_(width), bottom_(pageBottom),
          newPage_(std::move(newPage))
    {
    }

    qreal paint(qreal y, const QString &title, const ::chart::Row &header,
                const std::vector<::chart::Row> &rows)
    {
        int pixels = 11;
        std::vector<qreal> widths;
        for (;; --pixels) {
            font_ = ui::GothicFont(pixels);
            widths = columnWidths(header, rows);
            qreal total = 0;
            for (qreal w : widths)
                total += w;
            if (total <= width_ || pixels <= 6)
                break;
        }
        const QFontMetricsF fm(font_);
        const qreal rowHeight = fm.height() + 4;
        const QFont bold = ui::GothicFont(13, true);
        if (y + QFontMetricsF(bold).height() + 3 * rowHeight > bottom_)
            y = newPage_();
        painter_.setFont(bold);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(left_, y, width_, QFontMetricsF(bold).height()),
                          Qt::AlignLeft | Qt::AlignVCenter, title);
        y += QFontMetricsF(bold).height() + 4;
        y = row(y, header, widths, rowHeight, true);
        for (const ::chart::Row &r : rows) {
            if (y + rowHeight > bottom_) {
                y = newPage_();
                y = row(y, header, widths, rowHeight, true);
            }
            y = row(y, r, widths, rowHeight, false);
        }
        return y + 12;
    }

private:
    std::vector<qreal> columnWidths(const ::chart::Row &header,
                                    const std::vector<::chart::Row> &rows) const
    {
        QFont bold = font_;
        bold.setBold(true);
        const QFontMetricsF fm(font_), fb(bold);
        std::vector<qreal> widths(header.size(), 0);
        for (std::size_t c = 0; c < header.size(); ++c)
            widths[c] = fb.horizontalAdvance(Utf8(header[c])) + 8;
        for (const ::chart::Row &r : rows)
            for (std::size_t c = 0; c < r.size() && c < widths.size(); ++c)
                widths[c] = std::max(widths[c], fm.horizontalAdvance(Utf8(r[c])) + 8);
        return widths;
    }

    qreal row(qreal y, const ::chart::Row &cells, const std::vector<qreal> &widths, qreal height,
              bool header)
    {
        QFont f = font_;
        f.setBold(header);
        painter_.setFont(f);
        qreal x = left_;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QRectF cell(x, y, widths[c], height);
            if (header)
                painter_.fillRect(cell, QColor(0xe8, 0xec, 0xf2));
            painter_.setPen(QPen(QColor(0x90, 0x90, 0x98), 0.5));
            painter_.drawRect(cell);
            painter_.setPen(Qt::black);
            const QString text = c < cells.size() ? Utf8(cells[c]) : QString();
            painter_.drawText(cell.adjusted(4, 0, -4, 0),
                              (header || c < 3 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                              text);
            x += widths[c];
        }
        return y + height;
    }

    QPainter &painter_;
    qreal left_, width_, bottom_;
    std::function<qreal()> newPage_;
    QFont font_;
};

} // namespace

QImage RenderImage(ChartRenderer &renderer, const ChartScene &scene, qreal scale)
{
    const qreal legend = LegendHeight(renderer, scene, ExportWidth - 32);
    QImage image((QSizeF(ExportWidth, ExportChartHeight + legend) * scale).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPicture(painter, renderer, scene, legend);
    return image;
}

files::SaveResult SavePng(const QString &path, ChartRenderer &renderer, const ChartScene &scene)
{
    const QImage image = RenderImage(renderer, scene);
    return files::SaveWith(path, [&](QIODevice &device) { return image.save(&device, "PNG"); });
}

files::SaveResult SaveSvg(const QString &path, ChartRenderer &renderer, const ChartScene &scene)
{
    const qreal legend = LegendHeight(renderer, scene, ExportWidth - 32);
    const QSize size(ExportWidth, qCeil(ExportChartHeight + legend));
    return files::SaveWith(path, [&](QIODevice &device) {
        // Into memory first: the font families are written over Qt's one
        // before the bytes go out.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96);
        svg.setTitle(QString::fromUtf8(::chart::texts::WindowTitle));
        svg.setDescription(QStringLiteral("Zefra"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        PaintPicture(painter, renderer, scene, legend);
        if (!painter.end() || buffer.size() == 0)
            return false;
        const QByteArray text = WithSvgFontFamilies(buffer.data());
        return device.write(text) == text.size();
    });
}

void PrintDocument(QPagedPaintDevice &device, ChartRenderer &renderer, const ChartScene &scene)
{
    QPainter painter;
    if (!painter.begin(&device))
        return;
    // Logical pixels of 1/96 inch on the page; a printer's and a PDF
    // writer's logical resolution is the one they were given.
    const int resolution = device.logicalDpiX();
    const qreal scale = resolution / 96.0;
    painter.scale(scale, scale);
    const QRectF page(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(resolution).size() / scale);
    const ChartColours colours = ChartColours::print();

    const qreal legend = LegendHeight(renderer, scene, page.width());
    // Short tables go under the chart on the first page; long ones start on
    // the next, and the chart takes the whole first page.
    qreal tablesHeight = 0;
    if (scene.diagram) {
        const qreal row = QFontMetricsF(ui::GothicFont(11)).height() + 4;
        const qreal title = QFontMetricsF(ui::GothicFont(13, true)).height() + 4;
        tablesHeight = (scene.diagram->points().size() + 1) * row + title + 12;
        if (!scene.diagram->processes().empty())
            tablesHeight += (scene.diagram->processes().size() + 1) * row + title + 12;
    }
    const qreal room = page.height() - legend - 8;
    const qreal chartHeight =
        tablesHeight <= room * 0.4 ? room - tablesHeight : page.height() - legend;
    renderer.paint(painter, QRectF(0, 0, page.width(), chartHeight), scene, colours);
    renderer.paintLegend(&painter, QRectF(0, chartHeight, page.width(), legend), scene, colours);

    if (!scene.diagram)
        return;
    const bool conventional = scene.settings.conventionalUnits;
    const auto newPage = [&]() -> qreal {
        device.newPage();
        return 0;
    };
    TablePainter tables(painter, 0, page.width(), page.height(), newPage);
    qreal y = chartHeight + legend + 8;
    std::vector<::chart::Row> points;
    for (const auto &p : scene.diagram->points())
        points.push_back(::chart::PointRow(p, conventional));
    y = tables.paint(y, QString::fromUtf8(::chart::texts::PointsTitle),
                     ::chart::PointHeader(conventional), points);
    std::vector<::chart::Row> processes;
    for (const auto &p : scene.diagram->processes())
        processes.push_back(::chart::ProcessRow(*scene.diagram, p, conventional));
    if (!processes.empty())
        tables.paint(y, QString::fromUtf8(::chart::texts::ProcessesTitle),
                     ::chart::ProcessHeader(conventional), processes);
}

files::SaveResult SavePdf(const QString &path, ChartRenderer &renderer, const ChartScene &scene)
{
    return files::SaveWith(path, [&](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setResolution(1200); // as a high-resolution printer
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setTitle(QString::fromUtf8(::chart::texts::WindowTitle));
        PrintDocument(writer, renderer, scene);
        return device.size() > 0;
    });
}

} // namespace app::chart
