#pragma once

// The texts that the page toolkit shows, and those that more than one page
// or window shows: each written here once, UTF-8. A text of one page or one
// window stays beside it (its own texts header, or the top of its file).
namespace app::ui::texts {

// One text a line, however long: a search for a text finds its name.
// clang-format off
// The captions of the message boxes.
static const char Warning[] = "警告";
static const char Error[] = "ｴﾗｰ";

// The warning of a field that only prepares a value (Ztai_EditKeyPress);
// one that starts a calculation warns numeric::messages::CheckValues.
static const char CheckValue[] = "数値を確認してください。";
// A failure of no known kind.
static const char UnknownFailure[] = "不明なエラー";

// The hints of a result field and of a size field that takes input.
static const char Calculated[] = "計算します";
static const char EnterSize[] = "サイズを入力してください";

// The shared controls (SharedControls): the unit buttons, the captions of
// the roughness and density fields, and the sizing-basis buttons, whose
// second one reads as an air velocity on the duct page and a water velocity
// on the pipe page.
static const char ConventionalUnits[] = "在来単位";
static const char SiUnits[] = "ＳＩ単位";
static const char Roughness[] = "絶対粗度";
static const char Density[] = "流体比重";
static const char LossBasis[] = "圧損基準";
static const char AirVelocityBasis[] = "風速基準";
static const char WaterVelocityBasis[] = "流速基準";

// What the sizing pages (duct and pipe) call their common fields and options.
static const char UnitSystem[] = "単位系";
static const char SizingBasis[] = "計算基準";
static const char Material[] = "管材の種類";
static const char MaterialHint[] = "管材選択";
static const char TargetLoss[] = "目標圧損";
static const char TargetLossHint[] = "目標圧力損失を入力してください";

// What the pages of rectangles and circles (duct and outlets) share.
static const char FixedSize[] = "サイズ固定";
static const char FixedSizeHint[] = "一辺のサイズを固定します";
static const char Shape[] = "形状";
static const char Rectangle[] = "矩形";
static const char Round[] = "円形";
static const char SideA[] = "一辺";
static const char SideB[] = "他辺";
static const char Diameter[] = "直径";
static const char EquivalentDiameter[] = "相当径";
static const char AirVolumeLabel[] = "風      量"; // spaced out to the width of four
static const char Yes[] = "あり";
static const char No[] = "なし";

// The feature windows' menus and buttons.
static const char FileMenu[] = "ファイル(&F)";
static const char EditMenu[] = "編集(&E)";
static const char CloseWindow[] = "閉じる(&C)";
static const char Copy[] = "コピー(&C)";
static const char Delete[] = "削除";
static const char Cancel[] = "キャンセル";
// The buttons of the lists of charts and of systems, and of a system's fittings.
static const char Add[] = "追加";
static const char Rename[] = "名前の変更";
static const char Duplicate[] = "複製";
// After the name of a duplicated chart or system.
static const char CopyOf[] = " のコピー";
// A sizing target, as the size table and the loss sheet head it.
static const char Target[] = "目標";
// The number at the foot of a printed page: "%1" the page, "%2" the pages.
static const char PageNumber[] = "%1 / %2";
// clang-format on

} // namespace app::ui::texts
