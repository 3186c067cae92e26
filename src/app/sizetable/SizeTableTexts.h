#pragma once

// The size table's texts that others show too, UTF-8.
namespace app::sizetable::texts {

// The window's title, and the tools menu's item that opens it.
inline constexpr char WindowTitle[] = "サイズ一覧";

} // namespace app::sizetable::texts
