#pragma once

// The fixed texts of the chart window that its pure parts produce (table
// headers, process names, reasons), UTF-8.
namespace chart::texts {

inline constexpr char NoAirflow[] = "風量を入力して下さい。";
inline constexpr char NoPoint[] = "点がありません。";
inline constexpr char Unreachable[] = "この条件には届きません。";
inline constexpr char BadShf[] = "SHF は 0 より大きく 1 以下です。";

// Process kinds, in the order of the process list's choice.
inline constexpr const char *ProcessNames[] = {"状態変化", "混合",       "冷却コイル", "加熱",
                                               "蒸気加湿", "水噴霧加湿", "SHF線"};

} // namespace chart::texts
