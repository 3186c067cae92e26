#pragma once

// The size table's texts that others show too, UTF-8.
namespace app::sizetable::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The window's title, and the tools menu's item that opens it.
static const char WindowTitle[] = "サイズ一覧";
// clang-format on

} // namespace app::sizetable::texts
