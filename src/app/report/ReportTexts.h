#pragma once

// The printed report's own texts, UTF-8. The title block's captions are the
// record's (app/record/RecordTexts.h), the chart's and its lists' names the
// chart's (chart/ChartTexts.h), the pressure the moist-air page's
// (air/AirTexts.h).
namespace app::report::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The report's title: its first page, the print job and the preview.
inline constexpr char ReportTitle[] = "設計計算書";
inline constexpr char PreviewTitle[] = "印刷プレビュー — 設計計算書";
inline constexpr char Contents[] = "目次";
// After the heading of a chart or a table that goes on from the last page.
inline constexpr char Continued[] = "（続き）";
inline constexpr char Altitude[] = "標高";
inline constexpr char NoPoints[] = "状態点はありません。";
// The page numbers at the foot: "3 / 12", as on the loss sheets.
inline constexpr char PageNumber[] = "%1 / %2";
// clang-format on

} // namespace app::report::texts
