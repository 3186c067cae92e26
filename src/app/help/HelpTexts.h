#pragma once

// The help window's texts, UTF-8.
namespace app::help::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
static const char WindowTitle[] = "Zefra ヘルプ";
// The two panes beside the document, each also the pane's accessible name.
static const char Contents[] = "目次";
static const char SearchResults[] = "検索結果";
// The find bar's status when the term is nowhere.
static const char NotFound[] = "見つかりません";

// The error box when no help document can be read, before the places tried.
static const char HelpFailed[] = "ヘルプを開けませんでした。";
// clang-format on

} // namespace app::help::texts
