#pragma once

// The texts that the page toolkit shows, and those that more than one page
// or window shows: each written here once, UTF-8. A text of one page or one
// window stays beside it (its own texts header, or the top of its file).
namespace app::ui::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The captions of the message boxes.
inline constexpr char Warning[] = "警告";
inline constexpr char Error[] = "ｴﾗｰ";

// The warning of a field that only prepares a value (Ztai_EditKeyPress);
// one that starts a calculation warns numeric::messages::CheckValues.
inline constexpr char CheckValue[] = "数値を確認してください。";
// A failure of no known kind.
inline constexpr char UnknownFailure[] = "不明なエラー";

// The hints of a result field and of a size field that takes input.
inline constexpr char Calculated[] = "計算します";
inline constexpr char EnterSize[] = "サイズを入力してください";

// The shared controls (SharedControls): the unit buttons, the captions of
// the roughness and density fields, and the sizing-basis buttons, whose
// second one reads as an air velocity on the duct page and a water velocity
// on the pipe page.
inline constexpr char ConventionalUnits[] = "在来単位";
inline constexpr char SiUnits[] = "ＳＩ単位";
inline constexpr char Roughness[] = "絶対粗度";
inline constexpr char Density[] = "流体比重";
inline constexpr char LossBasis[] = "圧損基準";
inline constexpr char AirVelocityBasis[] = "風速基準";
inline constexpr char WaterVelocityBasis[] = "流速基準";

// What the sizing pages (duct and pipe) call their common fields and options.
inline constexpr char UnitSystem[] = "単位系";
inline constexpr char SizingBasis[] = "計算基準";
inline constexpr char Material[] = "管材の種類";
inline constexpr char MaterialHint[] = "管材選択";
inline constexpr char TargetLoss[] = "目標圧損";
inline constexpr char TargetLossHint[] = "目標圧力損失を入力してください";

// What the pages of rectangles and circles (duct and outlets) share.
inline constexpr char FixedSize[] = "サイズ固定";
inline constexpr char FixedSizeHint[] = "一辺のサイズを固定します";
inline constexpr char Shape[] = "形状";
inline constexpr char Rectangle[] = "矩形";
inline constexpr char Round[] = "円形";
inline constexpr char SideA[] = "一辺";
inline constexpr char SideB[] = "他辺";
inline constexpr char Diameter[] = "直径";
inline constexpr char EquivalentDiameter[] = "相当径";
inline constexpr char AirVolumeLabel[] = "風      量"; // spaced out to the width of four
inline constexpr char Yes[] = "あり";
inline constexpr char No[] = "なし";

// The feature windows' menus and buttons.
inline constexpr char FileMenu[] = "ファイル(&F)";
inline constexpr char EditMenu[] = "編集(&E)";
inline constexpr char CloseWindow[] = "閉じる(&C)";
inline constexpr char Copy[] = "コピー(&C)";
inline constexpr char Delete[] = "削除";
inline constexpr char Cancel[] = "キャンセル";
// The buttons of the lists of charts and of systems, and of a system's fittings.
inline constexpr char Add[] = "追加";
inline constexpr char Rename[] = "名前の変更";
inline constexpr char Duplicate[] = "複製";
// After the name of a duplicated chart or system.
inline constexpr char CopyOf[] = " のコピー";
// A sizing target, as the size table and the loss sheet head it.
inline constexpr char Target[] = "目標";
// clang-format on

} // namespace app::ui::texts
