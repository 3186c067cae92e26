#include "flow/DuctPage.h"

#include "app/ui/EntryFields.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/ListSetting.h"
#include "app/ui/ResultFields.h"
#include "app/ui/SharedControls.h"
#include "app/ui/SizeBlock.h"
#include "app/ui/UiTexts.h"
#include "flow/DuctLoss.h"
#include "flow/DuctMaterials.h"
#include "flow/DuctSizing.h"
#include "flow/DuctTexts.h"
#include "numeric/Medium.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace flow {

namespace settings = app::settings;
namespace ui = app::ui;
namespace uitexts = app::ui::texts;

namespace {

constexpr int DefaultMaterial = 5; // "亜鉛鉄板（板状で縦方向に継目）"

const QString SizingTitle = QStringLiteral("ダクト寸法計算");
const QString LossTitle = QStringLiteral("ダクト圧力損失計算");
// The middle columns' heading, and the right column's captions.
const QString SizeHeading = QStringLiteral("ダクトサイズ");
const QString VelocityLabel = QStringLiteral("風      速");
const QString LossLabel = QStringLiteral("圧力損失");
const QString AirVolumeHint = QStringLiteral("風量を入力してください");

// Both sections.
constexpr ui::SectionShape Sections{105, 207, 168};

// The middle columns of both sections: "a Ｘ b mm" and "φ＝ D mm".
// The right column of both sections: where its fields stand and how wide
// they are.
constexpr int ResultX = 61;
constexpr int ResultWidth = 58;

constexpr ui::SizeBlockGeometry SizeColumn{6, 5, 25, 55, 6, 81, 56, 65, 140, 52};

} // namespace

DuctPage::DuctPage(ui::FocusOrder &focus, ui::SharedControls &shared, ui::ProgramChanges &changes,
                   QWidget *parent)
    : SizingPage("TabSheet1", QString::fromUtf8(texts::PageCaption), focus, shared, changes, parent)
{
    Panel16 = addBand("Panel16");
    Ztai_Edit = ui::Edit(Panel16, "Ztai_Edit", 65, 3, 50, QStringLiteral("標準ダクト"),
                         QStringLiteral("0.180"));
    Hijy_Edit = ui::Edit(Panel16, "Hijy_Edit", 220, 3, 50,
                         QStringLiteral("標準空気(20℃,60%,760mmHg)"), QStringLiteral("1.200"));

    Panel19 = addBand("Panel19");
    ui::Label(Panel19, QString::fromUtf8(uitexts::Material), 5, 7);
    D_Syrui = ui::List(Panel19, "D_Syrui", 75, 4, 270, ui::Items(DuctMaterialItems()),
                       QString::fromUtf8(uitexts::MaterialHint));
    KakuButton = ui::Radio(Panel19, "KakuButton", QStringLiteral("矩形ダクト"),
                           ui::RectangleButtonX, ui::BandButtonY, true);
    MaruButton = ui::Radio(Panel19, "MaruButton", QStringLiteral("円形ダクト"), ui::RoundButtonX,
                           ui::BandButtonY);
    focus_.addControls(Panel19, {D_Syrui, KakuButton, MaruButton});

    buildSizingSection();
    buildLossSection();
    finishBands();

    shared_.create(Panel16, sizing_.titleBar);
    focus_.addControls(Panel16, {Ztai_Edit, Hijy_Edit, shared_.TaniButton1, shared_.TaniButton2});
    CheckBox1 = ui::Check(sizing_.titleBar, "CheckBox1", QString::fromUtf8(uitexts::FixedSize), 310,
                          ui::TitleBarButtonY, QString::fromUtf8(uitexts::FixedSizeHint));
    focus_.addControls(sizing_.titleBar, {shared_.ssButton1, shared_.ssButton2, CheckBox1});

    target_.emplace(shared_,
                    ui::SizingTarget::Controls{Label3,
                                               M_Ason,
                                               Label9,
                                               QString::fromUtf8(texts::TargetVelocity),
                                               QStringLiteral("目標風速を入力してください"),
                                               {S_Ason, P_Ason},
                                               {Label11, Label29}});
    shape_.emplace(ui::ShapeOptions::Controls{KakuButton,
                                              MaruButton,
                                              CheckBox1,
                                              {S_Size1, S_Size2, P_Size1, P_Size2},
                                              S_Size1,
                                              S_Fryo,
                                              P_SizeD});
    bindEnterRules();
    connectHandlers();
    describeFields();
    declareCalculations();
}

void DuctPage::buildSizingSection()
{
    sizing_ = addSection("Panel2", "Panel2Title", QStringLiteral("　") + SizingTitle, Sections);

    QFrame *in = sizing_.left;
    Label3 = ui::Label(in, QString::fromUtf8(uitexts::TargetLoss), 8, 12, "Label3");
    M_Ason = ui::Edit(in, "M_Ason", 76, 9, 66, QString::fromUtf8(uitexts::TargetLossHint),
                      QStringLiteral("0.100"));
    Label9 = ui::Label(in, QStringLiteral("mmAq/m"), 145, 12, "Label9");
    ui::Label(in, QString::fromUtf8(uitexts::AirVolumeLabel), 8, 47);
    S_Fryo = ui::Edit(in, "S_Fryo", 76, 44, 66, AirVolumeHint);
    ui::Label(in, QStringLiteral("m3/h"), 145, 47);

    S_Size1 = ui::Result(sizing_.middle, "S_Size1", 0, 0, 0, true);
    S_Size2 = ui::Result(sizing_.middle, "S_Size2", 0, 0, 0);
    S_SizeD = ui::Result(sizing_.middle, "S_SizeD", 0, 0, 0);
    ui::LayOutSizeBlock(sizing_.middle, SizeHeading, SizeColumn, S_Size1, S_Size2, S_SizeD);

    std::tie(S_Fusok, S_Ason, Label11) =
        ui::BuildResultColumn(sizing_.right, VelocityLabel, LossLabel, ResultX, ResultWidth,
                              {"S_Fusok", "S_Ason", "Label11"});

    focus_.addControls(sizing_.body, {M_Ason, S_Fryo, S_Size1, S_Size2, S_SizeD, S_Fusok, S_Ason});
}

void DuctPage::buildLossSection()
{
    loss_ = addSection("Panel1", "Panel1Title", QStringLiteral("　") + LossTitle, Sections);

    QFrame *in = loss_.left;
    ui::Label(in, QStringLiteral("風　　　量"), 8, 12);
    P_Fryo = ui::Edit(in, "P_Fryo", 76, 9, 66, AirVolumeHint);
    ui::Label(in, QStringLiteral("m3/h"), 145, 12);

    const QString sizeHint = QString::fromUtf8(uitexts::EnterSize);
    P_Size1 = ui::Edit(loss_.middle, "P_Size1", 0, 0, 0, sizeHint);
    P_Size2 = ui::Edit(loss_.middle, "P_Size2", 0, 0, 0, sizeHint);
    P_SizeD = ui::Result(loss_.middle, "P_SizeD", 0, 0, 0, true);
    ui::LayOutSizeBlock(loss_.middle, SizeHeading, SizeColumn, P_Size1, P_Size2, P_SizeD);
    std::tie(P_Fusok, P_Ason, Label29) =
        ui::BuildResultColumn(loss_.right, VelocityLabel, LossLabel, ResultX, ResultWidth,
                              {"P_Fusok", "P_Ason", "Label29"});

    focus_.addControls(loss_.body, {P_Fryo, P_Size1, P_Size2, P_SizeD, P_Fusok, P_Ason});
}

void DuctPage::bindEnterRules()
{
    const auto evaluate = [this](QWidget *sender) {
        Ztai_EditKeyPress(sender);
        emit sizingChanged();
    };
    for (QWidget *w : {Ztai_Edit, Hijy_Edit, M_Ason, P_Fryo, P_Size1})
        onEnter(w, evaluate);
    // The shared buttons keep this rule on whichever page they stand.
    for (QWidget *w : std::initializer_list<QWidget *>{
             shared_.TaniButton1, shared_.TaniButton2, D_Syrui, KakuButton, MaruButton,
             shared_.ssButton1, shared_.ssButton2, CheckBox1})
        onEnter(w, D_SyruiKeyPress);
}

void DuctPage::connectHandlers()
{
    // Every handler runs inside the guard: Qt never sees an exception.
    connect(D_Syrui, &QComboBox::activated, this,
            [this] { ui::Guarded(window(), [this] { D_SyruiChange(); }); });
    for (QRadioButton *shape : {KakuButton, MaruButton}) {
        connect(shape, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ui::Guarded(window(), [this] { MaruButtonClick(); });
        });
    }
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this] { ui::Guarded(window(), [this] { CheckBox1Click(); }); });
}

void DuctPage::describeFields()
{
    const auto diameterCaption = [this] {
        return QString::fromUtf8(describesRound() ? uitexts::Diameter
                                                  : uitexts::EquivalentDiameter);
    };
    const Text mm = Fixed(QStringLiteral("mm"));
    const Text airVolume = Fixed(numeric::AirFlowName);
    const Text velocity = Fixed(QString::fromUtf8(texts::Velocity));
    const Text loss = Fixed(LossLabel);
    // Both sections, from the air volume to the loss: the same captions.
    const auto describeFlowAndSize = [&](QLineEdit *flowField, QLineEdit *sideA, QLineEdit *sideB,
                                         QLineEdit *diameter, QLineEdit *foundVelocity,
                                         QLineEdit *foundLoss, QLabel *lossUnit) {
        describeField(flowField, airVolume, Fixed(QStringLiteral("m3/h")));
        describeField(sideA, Fixed(uitexts::SideA), mm);
        describeField(sideB, Fixed(uitexts::SideB), mm);
        describeField(diameter, diameterCaption, mm);
        describeField(foundVelocity, velocity, Fixed(QStringLiteral("m/s")));
        describeField(foundLoss, loss, TextOf(lossUnit));
    };
    describeOption(shared_.TaniButton1, QString::fromUtf8(uitexts::UnitSystem),
                   [this] { return QString::fromUtf8(shared_.unitSystemCaption()); });
    describeField(Ztai_Edit, Fixed(uitexts::Roughness), mm);
    describeField(Hijy_Edit, Fixed(uitexts::Density), Fixed(QStringLiteral("kg/m3")));
    describeOption(D_Syrui, QString::fromUtf8(uitexts::Material),
                   [this] { return D_Syrui->currentText().trimmed(); });
    describeOption(KakuButton, QString::fromUtf8(uitexts::Shape),
                   [this] { return (describesRound() ? MaruButton : KakuButton)->text(); });

    describeSection(SizingTitle);
    describeOption(shared_.ssButton1, QString::fromUtf8(uitexts::SizingBasis), [this] {
        return QString::fromUtf8(shared_.velocityBasis() ? uitexts::AirVelocityBasis
                                                         : uitexts::LossBasis);
    });
    describeOption(CheckBox1, QString::fromUtf8(uitexts::FixedSize), [this] {
        return QString::fromUtf8(CheckBox1->isChecked() ? uitexts::Yes : uitexts::No);
    });
    describeField(M_Ason, TextOf(Label3), TextOf(Label9));
    describeFlowAndSize(S_Fryo, S_Size1, S_Size2, S_SizeD, S_Fusok, S_Ason, Label11);

    describeSection(LossTitle);
    describeFlowAndSize(P_Fryo, P_Size1, P_Size2, P_SizeD, P_Fusok, P_Ason, Label29);
}

void DuctPage::declareCalculations()
{
    const auto rectangle = [this](const ui::Run &) { return !MaruButton->isChecked(); };
    const auto fixedSide = [this](const ui::Run &run) { return readsFixedSide(run.sender); };
    const auto sizedSide = [=](const ui::Run &run) { return rectangle(run) && !fixedSide(run); };
    // The loss follows the field, not the shape (DuctLossFromSize).
    const auto fromDiameter = [this](const ui::Run &run) { return run.sender == P_SizeD; };
    const auto fromSides = [this](const ui::Run &run) { return run.sender != P_SizeD; };
    const QList<ui::FieldUse> common{shared_.TaniButton1, Ztai_Edit, Hijy_Edit, D_Syrui,
                                     KakuButton};

    declare({.caption = SizingTitle,
             .title =
                 [this](const ui::Run &) {
                     return SizingTitle + QStringLiteral("（") +
                            QString::fromUtf8(shared_.lossBasis() ? uitexts::LossBasis
                                                                  : uitexts::AirVelocityBasis) +
                            QStringLiteral("）");
                 },
             .reads = common + QList<ui::FieldUse>{shared_.ssButton1,
                                                   {CheckBox1, rectangle},
                                                   M_Ason,
                                                   S_Fryo,
                                                   {S_Size1, fixedSide}},
             .writes = {{S_Size1, sizedSide}, {S_Size2, rectangle}, S_SizeD, S_Fusok, S_Ason},
             .enter = {S_Fryo, S_Size1},
             .keyPress = [this](QWidget *sender) { S_FryoKeyPress(sender); },
             .routine = [this](const ui::Run &run) { return sizeDuct(run); }});
    declare({.caption = LossTitle,
             .reads = common + QList<ui::FieldUse>{P_Fryo,
                                                   {P_Size1, fromSides},
                                                   {P_Size2, fromSides},
                                                   {P_SizeD, fromDiameter}},
             .writes = {{P_SizeD, fromSides}, P_Fusok, P_Ason},
             .enter = {P_Size2, P_SizeD},
             .keyPress = [this](QWidget *sender) { S_FryoKeyPress(sender); },
             .routine =
                 [this](const ui::Run &run) {
                     return EvaluateAndCalculate(run.sender, [&] {
                         return DuctLossFromSize(static_cast<QLineEdit *>(run.sender));
                     });
                 }});
}

void DuctPage::windowShown()
{
    // The roughness of the restored material, as picking it in the list
    // writes it: the page never calculates with another material's.
    D_SyruiChange();
}

void DuctPage::pageShown()
{
    takeSharedControls(Panel16, sizing_.titleBar, QString::fromUtf8(uitexts::AirVelocityBasis));
}

std::vector<settings::Setting> DuctPage::settingsKeys()
{
    return {ui::ListSetting({"Duct", "DStyle", {120, 30}}, D_Syrui, DefaultMaterial)};
}

long double DuctPage::lossUnitFactor() const
{
    return numeric::LossUnitFactor(shared_.conventionalUnits());
}

ui::Ending DuctPage::sizeDuct(const ui::Run &run)
{
    auto *field = static_cast<QLineEdit *>(run.sender);
    const bool lossBasis = shared_.lossBasis();
    const bool waits = shape_->waitsForFixedSide(field);
    const ui::Ending end = EvaluateAndCalculate(
        field, [&] { return lossBasis ? DuctSizingByLoss(field) : DuctSizingByVelocity(field); });
    if (!waits) {
        hasSized_ = true;
        emit sizingChanged();
    }
    return end;
}

DuctPage::Sizing DuctPage::lastSizing() const
{
    return {hasSized_,
            ui::ReadOrNothing([this] { return readSizingInputs(S_Size1); }),
            shared_.velocityBasis(),
            shared_.conventionalUnits(),
            D_Syrui->currentText().trimmed(),
            {}};
}

void DuctPage::computeLossOf(const ui::SizeChoice &size, const QString &airVolume)
{
    const bool round = size.kind == ui::SizeChoice::Kind::Round;
    chooseShape(round ? MaruButton : KakuButton);
    ui::WriteResult(P_Fryo, airVolume);
    if (round) {
        ui::WriteResult(P_SizeD, size.sizeA);
    } else {
        ui::WriteResult(P_Size1, size.sizeA);
        ui::WriteResult(P_Size2, size.sizeB);
    }
    enterIn(round ? P_SizeD : P_Size2);
}

// A size brings its shape: the page switches as a click on the shape's button
// switches it (the side fields, the stale marks and the size table follow),
// so that the loss section computes and records the shape it shows.
void DuctPage::chooseShape(QRadioButton *shape)
{
    if (!shape->isChecked())
        shape->click();
}

DuctSizingInputs DuctPage::readSizingInputs(const QLineEdit *sender) const
{
    DuctSizingInputs in;
    in.lossUnitFactor = lossUnitFactor();
    in.flow = ui::ReadPlainNumber(S_Fryo);
    in.roughness = ui::ReadPlainNumber(Ztai_Edit);
    in.density = ui::ReadPlainNumber(Hijy_Edit);
    in.target = ui::ReadPlainNumber(M_Ason);
    in.round = MaruButton->isChecked();
    if (readsFixedSide(sender))
        in.fixedSide = ui::ReadPlainNumber(S_Size1);
    return in;
}

bool DuctPage::readsFixedSide(const QWidget *sender) const
{
    return shape_->fixedSide() && sender == S_Size1;
}

ui::Ending DuctPage::DuctSizingByLoss(QLineEdit *sender)
{
    return size(sender, flow::DuctSizingByLoss);
}

ui::Ending DuctPage::DuctSizingByVelocity(QLineEdit *sender)
{
    return size(sender, flow::DuctSizingByVelocity);
}

ui::Ending DuctPage::size(QLineEdit *sender, SizingRoutine routine)
{
    if (shape_->waitsForFixedSide(sender)) {
        FocusNextField();
        return ui::Ending::notRun();
    }
    const DuctSizingInputs in = readSizingInputs(sender);
    bool warned = false;
    ui::RunAndShow<DuctSizingResult>([&](DuctSizingResult &out) { routine(in, out); },
                                     [&](const DuctSizingResult &r) {
                                         ui::WriteResult(S_Size1, r.sideA);
                                         ui::WriteResult(S_Size2, r.sideB);
                                         if (r.sizeLimitPassed) {
                                             showWarning(numeric::messages::CheckValues);
                                             warned = true;
                                         }
                                         ui::WriteResult(S_SizeD, r.diameter);
                                         ui::WriteResult(S_Ason, r.loss);
                                         ui::WriteResult(S_Fusok, r.velocity);
                                     });
    return ui::Ending::completed(warned ? QString::fromUtf8(numeric::messages::CheckValues)
                                        : QString());
}

ui::Ending DuctPage::DuctLossFromSize(QLineEdit *sender)
{
    DuctLossInputs in;
    in.lossUnitFactor = lossUnitFactor();
    in.flow = ui::ReadPlainNumber(P_Fryo);
    in.roughness = ui::ReadPlainNumber(Ztai_Edit);
    in.density = ui::ReadPlainNumber(Hijy_Edit);
    // The branch follows the field, not the shape: Enter in P_SizeD always
    // computes a round duct of the diameter shown there.
    in.fromDiameter = sender == P_SizeD;
    if (in.fromDiameter) {
        in.diameter = ui::ReadPlainNumber(P_SizeD);
    } else {
        in.sideA = ui::ReadPlainNumber(P_Size1);
        in.sideB = ui::ReadPlainNumber(P_Size2);
    }
    ui::RunAndShow<DuctLossResult>([&](DuctLossResult &out) { flow::DuctLossFromSize(in, out); },
                                   [this](const DuctLossResult &r) {
                                       ui::WriteResult(P_SizeD, r.equivalentDiameter);
                                       ui::WriteResult(P_Ason, r.loss);
                                       ui::WriteResult(P_Fusok, r.velocity);
                                   });
    return ui::Ending::completed();
}

bool DuctPage::describesRound() const
{
    // The record of a loss calculation names the shape computed: on a
    // rectangle, Enter in the equivalent diameter computes a round duct of
    // that diameter.
    if (const ui::Run *run = recording(); run && (run->sender == P_Size2 || run->sender == P_SizeD))
        return run->sender == P_SizeD;
    return MaruButton->isChecked();
}

void DuctPage::D_SyruiChange()
{
    const long double roughness = DuctMaterialRoughness(D_Syrui->currentIndex());
    ui::WriteResult(Ztai_Edit, QString::fromStdString(
                                   numeric::FormatFixed(roughness, numeric::ResultDecimals)));
    emit sizingChanged();
}

void DuctPage::MaruButtonClick()
{
    shape_->shapeChanged();
    emit sizingChanged();
}

void DuctPage::CheckBox1Click()
{
    shape_->fixedSideChanged();
    emit sizingChanged();
}

} // namespace flow
