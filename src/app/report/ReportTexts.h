#pragma once

// The printed report's own texts, UTF-8. The title block's captions are the
// record's (app/record/RecordTexts.h), the chart's and its lists' names the
// chart's (chart/ChartTexts.h), the pressure the moist-air page's
// (air/AirTexts.h).
namespace app::report::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The report's title: its first page, the print job and the preview.
static const char ReportTitle[] = "設計計算書";
static const char PreviewTitle[] = "印刷プレビュー — 設計計算書";
static const char Contents[] = "目次";
// After the heading of a chart or a table that goes on from the last page.
static const char Continued[] = "（続き）";
static const char Altitude[] = "標高";
static const char NoPoints[] = "状態点はありません。";
// clang-format on

} // namespace app::report::texts
