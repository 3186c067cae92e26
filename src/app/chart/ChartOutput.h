#pragma once

#include "app/chart/ChartRenderer.h"
#include "app/files/SaveFile.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;

namespace app::chart {

// The chart as a picture and as a document, all drawn by ChartRenderer on
// white paper: PNG and the clipboard (QImage), SVG (QSvgGenerator), print
// (QPrinter) and PDF (QPdfWriter, A4 landscape). Files are saved through
// app/files, whole or not at all.

// The logical size of an exported picture: chart and legend.
inline constexpr int ExportWidth = 1400;
inline constexpr int ExportChartHeight = 900;

// The chart with its legend below it, at `scale` device pixels per logical
// pixel.
QImage RenderImage(ChartRenderer &renderer, const ChartScene &scene, qreal scale = 2);
files::SaveResult SavePng(const QString &path, ChartRenderer &renderer, const ChartScene &scene);
files::SaveResult SaveSvg(const QString &path, ChartRenderer &renderer, const ChartScene &scene);

// The chart, its legend and the point and process tables, on as many pages
// as the tables need, on a printer or a PDF writer.
void PrintDocument(QPagedPaintDevice &device, ChartRenderer &renderer, const ChartScene &scene);
// A PDF file of the document.
files::SaveResult SavePdf(const QString &path, ChartRenderer &renderer, const ChartScene &scene);

} // namespace app::chart
