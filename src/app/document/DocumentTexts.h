#pragma once

#include <QString>

// The texts of the work document that more than one window shows.
namespace app::document::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
inline const QString Untitled = QStringLiteral("無題");
// Between a window's caption and the document's name: 空気線図 — 事務所ビル.zefra*.
inline const QString NameSeparator = QStringLiteral(" — ");
inline const QString ModifiedMark = QStringLiteral("*");
inline const QString Suffix = QStringLiteral("zefra");
inline const QString FileFilter = QStringLiteral("Zefra 文書 (*.zefra)");
inline const QString DefaultChartName = QStringLiteral("線図 1");
inline const QString Restored = QStringLiteral("前回の作業を復元しました。");
inline const QString AskSave = QStringLiteral("%1 への変更を保存しますか?");
inline const QString OpenCaption = QStringLiteral("開く");
inline const QString SaveAsCaption = QStringLiteral("名前を付けて保存");
inline const QString CannotOpen = QStringLiteral("%1 を開けません。\n%2");
inline const QString CannotSave = QStringLiteral("%1 を保存できません。\n%2");
inline const QString RecentMissing = QStringLiteral("%1 が見つからないため、最近使ったファイルの一覧から外しました。");
inline const QString RecentEmpty = QStringLiteral("(なし)");
inline const QString RecoveryDamaged = QStringLiteral("前回の作業の控えを読めませんでした（%1）。控えは %2 として残してあります。");
// clang-format on

} // namespace app::document::texts
