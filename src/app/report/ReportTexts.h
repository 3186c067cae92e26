#pragma once

#include <QString>

// The captions of the printed report of a work document.
namespace app::report::texts {

inline const QString ReportTitle = QStringLiteral("設計計算書");
inline const QString Project = QStringLiteral("件名");
inline const QString Designer = QStringLiteral("設計者");
inline const QString Date = QStringLiteral("日付");
inline const QString Notes = QStringLiteral("備考");
inline const QString Contents = QStringLiteral("目次");
inline const QString Chart = QStringLiteral("空気線図");
inline const QString LossSheet = QStringLiteral("系統");
inline const QString Points = QStringLiteral("状態点");
inline const QString Processes = QStringLiteral("工程");
inline const QString Continued = QStringLiteral("（続き）");
inline const QString Pressure = QStringLiteral("大気圧");
inline const QString StandardPressure = QStringLiteral("標準大気圧");
inline const QString Altitude = QStringLiteral("標高");
inline const QString Untitled = QStringLiteral("無題");
inline const QString NoPoints = QStringLiteral("状態点はありません。");
inline const QString PreviewTitle = QStringLiteral("印刷プレビュー — 設計計算書");
// The page numbers at the foot: "3 / 12", as on the loss sheets.
inline const QString PageNumber = QStringLiteral("%1 / %2");

} // namespace app::report::texts
