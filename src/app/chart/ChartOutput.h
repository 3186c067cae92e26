#pragma once

#include "app/chart/ChartRenderer.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

namespace app::chart {

// The chart as a picture and as a document, all drawn by ChartRenderer on
// white paper: PNG and the clipboard (QImage), SVG (QSvgGenerator), print
// and PDF (QPrinter, A4 landscape unless the printer says otherwise).

// The logical size of an exported picture: chart and legend.
inline constexpr int ExportWidth = 1400;
inline constexpr int ExportChartHeight = 900;

// The chart with its legend below it, at `scale` device pixels per logical
// pixel.
QImage RenderImage(ChartRenderer &renderer, const ChartScene &scene, qreal scale = 2);
bool SavePng(const QString &path, ChartRenderer &renderer, const ChartScene &scene);
bool SaveSvg(const QString &path, ChartRenderer &renderer, const ChartScene &scene);

// The chart, its legend and the point and process tables, on as many pages
// as the tables need.
void PrintDocument(QPrinter &printer, ChartRenderer &renderer, const ChartScene &scene);
// A PDF file of the document; false when it could not be written.
bool SavePdf(const QString &path, ChartRenderer &renderer, const ChartScene &scene);

} // namespace app::chart
