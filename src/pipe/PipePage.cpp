#include "pipe/PipePage.h"

#include "app/ui/EntryFields.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/ListSetting.h"
#include "app/ui/ResultFields.h"
#include "app/ui/SharedControls.h"
#include "app/ui/SizeBlock.h"
#include "app/ui/UiTexts.h"
#include "numeric/Medium.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"
#include "pipe/PipeSizing.h"
#include "pipe/PipeTables.h"
#include "pipe/PipeTexts.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace pipes {

namespace settings = app::settings;
namespace ui = app::ui;
namespace uitexts = app::ui::texts;

namespace {

// Defaults of the lists: rusty steel, 20 ℃ and the nominal size 20.
constexpr int DefaultMaterial = 2;
constexpr int DefaultTemperature = 2;
constexpr int DefaultSize = 2;

// Both sections.
constexpr ui::SectionShape Sections{105, 207, 130};

const QString SizingTitle = QStringLiteral("配管寸法計算");
const QString LossTitle = QStringLiteral("配管圧力損失計算");
// The captions of both sections' columns.
const QString FlowLabel = QStringLiteral("流      量");
const QString FlowHint = QStringLiteral("流量を入力してください");
const QString SizeCaption = QStringLiteral("配管サイズ");
const QString VelocityLabel = QStringLiteral("流             速");
const QString LossCaption = QStringLiteral("摩擦抵抗損失");

// The right column of both sections: where its fields stand and how wide
// they are.
constexpr int ResultX = 88;
constexpr int ResultWidth = 70;

// A table value as the roughness and density fields show it.
QString tableText(long double value)
{
    return QString::fromStdString(numeric::FormatFixed(value, numeric::ResultDecimals));
}

} // namespace

PipePage::PipePage(ui::FocusOrder &focus, ui::SharedControls &shared, ui::ProgramChanges &changes,
                   QWidget *parent)
    : SizingPage("TabSheet2", QString::fromUtf8(texts::PageCaption), focus, shared, changes, parent)
{
    Panel5 = addBand("Panel5");
    Z_Edit = ui::Edit(Panel5, "Z_Edit", 65, 3, 50);
    H_Edit = ui::Edit(Panel5, "H_Edit", 215, 3, 58);
    focus_.addControls(Panel5, {Z_Edit, H_Edit});

    QFrame *material = addBand("Panel33");
    ui::Label(material, QString::fromUtf8(uitexts::Material), 5, 7);
    Syrui = ui::List(material, "Syrui", 75, 4, 160, ui::Items(PipeMaterialItems()),
                     QString::fromUtf8(uitexts::MaterialHint));
    ui::Label(material, QStringLiteral("流体温度  （水）"), 255, 7);
    Ond = ui::List(material, "Ond", 365, 4, 60, ui::Items(WaterTemperatureItems()),
                   QStringLiteral("温度選択"));
    ui::Label(material, QStringLiteral("℃"), 430, 7);
    // The lists start without a choice; the settings choose one at start,
    // before the window's first showing writes the roughness and density.
    Syrui->setCurrentIndex(-1);
    Ond->setCurrentIndex(-1);
    focus_.addControls(material, {Syrui, Ond});

    buildSizingSection();
    buildLossSection();
    P_Size->setCurrentIndex(-1);
    finishBands();

    // The same captions as the duct page's target, for a water velocity.
    target_.emplace(shared_,
                    ui::SizingTarget::Controls{Label37,
                                               M_AsonP,
                                               Label38,
                                               QString::fromUtf8(texts::TargetVelocity),
                                               QStringLiteral("目標流速を入力してください"),
                                               {S_AsonP, P_AsonP},
                                               {Label42, Label49}});
    bindEnterRules();
    connectHandlers();
    describeFields();
    declareCalculations();
}

void PipePage::buildSizingSection()
{
    sizing_ = addSection("Panel35", "Panel35Title", QStringLiteral("　") + SizingTitle, Sections);

    QFrame *in = sizing_.left;
    Label37 = ui::Label(in, QString::fromUtf8(uitexts::TargetLoss), 8, 12, "Label37");
    M_AsonP = ui::Edit(in, "M_AsonP", 76, 9, 66, QStringLiteral("目標圧損を入力してください"));
    Label38 = ui::Label(in, QStringLiteral("mmAq/m"), 145, 12, "Label38");
    ui::Label(in, FlowLabel, 8, 47);
    S_Ryo = ui::Edit(in, "S_Ryo", 76, 44, 66, FlowHint);
    ui::Label(in, QStringLiteral("L/min"), 145, 47);

    ui::Label(sizing_.middle, SizeCaption, 30, 12);
    S_Size = ui::Result(sizing_.middle, "S_Size", 30, 34, 70);

    std::tie(S_Speed, S_AsonP, Label42) =
        ui::BuildResultColumn(sizing_.right, VelocityLabel, LossCaption, ResultX, ResultWidth,
                              {"S_Speed", "S_AsonP", "Label42"});

    focus_.addControls(sizing_.body, {M_AsonP, S_Ryo, S_Size, S_Speed, S_AsonP});
}

void PipePage::buildLossSection()
{
    Section s = addSection("Panel36", "Panel36Title", QStringLiteral("　") + LossTitle, Sections);

    ui::Label(s.left, FlowLabel, 8, 12);
    P_Ryo = ui::Edit(s.left, "P_Ryo", 76, 9, 66, FlowHint);
    ui::Label(s.left, QStringLiteral("L/min"), 145, 12);

    ui::Label(s.middle, SizeCaption, 30, 12);
    P_Size = ui::List(s.middle, "P_Size", 30, 34, 70, ui::Items(PipeSizeItems()),
                      QStringLiteral("配管サイズを選択"));

    std::tie(P_Speed, P_AsonP, Label49) =
        ui::BuildResultColumn(s.right, VelocityLabel, LossCaption, ResultX, ResultWidth,
                              {"P_Speed", "P_AsonP", "Label49"});

    focus_.addControls(s.body, {P_Ryo, P_Size, P_Speed, P_AsonP});
}

void PipePage::bindEnterRules()
{
    for (QWidget *w : {Z_Edit, H_Edit, M_AsonP, P_Ryo}) {
        onEnter(w, [this](QWidget *sender) {
            Ztai_EditKeyPress(sender);
            emit sizingChanged();
        });
    }
    for (QWidget *w : {Syrui, Ond})
        onEnter(w, D_SyruiKeyPress);
}

void PipePage::connectHandlers()
{
    for (QComboBox *list : {Syrui, Ond}) {
        connect(list, &QComboBox::activated, this,
                [this] { ui::Guarded(window(), [this] { SyruiChange(); }); });
    }
}

void PipePage::describeFields()
{
    const Text flow = Fixed(numeric::WaterFlowName);
    const Text velocity = Fixed(QString::fromUtf8(texts::Velocity));
    describeOption(shared_.TaniButton1, QString::fromUtf8(uitexts::UnitSystem),
                   [this] { return QString::fromUtf8(shared_.unitSystemCaption()); });
    describeField(Z_Edit, Fixed(uitexts::Roughness), Fixed(QStringLiteral("mm")));
    describeField(H_Edit, Fixed(uitexts::Density), Fixed(QStringLiteral("kg/m3")));
    describeOption(Syrui, QString::fromUtf8(uitexts::Material),
                   [this] { return Syrui->currentText().trimmed(); });
    describeOption(Ond, QStringLiteral("流体温度（水）"),
                   [this] { return Ond->currentText() + QStringLiteral(" ℃"); });

    describeSection(SizingTitle);
    describeOption(shared_.ssButton1, QString::fromUtf8(uitexts::SizingBasis), [this] {
        return QString::fromUtf8(shared_.velocityBasis() ? uitexts::WaterVelocityBasis
                                                         : uitexts::LossBasis);
    });
    describeField(M_AsonP, TextOf(Label37), TextOf(Label38));
    describeField(S_Ryo, flow, Fixed(QStringLiteral("L/min")));
    describeField(S_Size, Fixed(SizeCaption), Fixed(QString()));
    describeField(S_Speed, velocity, Fixed(QStringLiteral("m/s")));
    describeField(S_AsonP, Fixed(LossCaption), TextOf(Label42));

    describeSection(LossTitle);
    describeField(P_Ryo, flow, Fixed(QStringLiteral("L/min")));
    describeOption(P_Size, SizeCaption, [this] { return P_Size->currentText(); });
    describeField(P_Speed, velocity, Fixed(QStringLiteral("m/s")));
    describeField(P_AsonP, Fixed(LossCaption), TextOf(Label49));
}

void PipePage::declareCalculations()
{
    const QList<ui::FieldUse> common{shared_.TaniButton1, Z_Edit, H_Edit, Syrui, Ond};
    declare({.caption = SizingTitle,
             .title =
                 [this](const ui::Run &) {
                     return SizingTitle + QStringLiteral("（") +
                            QString::fromUtf8(shared_.lossBasis() ? uitexts::LossBasis
                                                                  : uitexts::WaterVelocityBasis) +
                            QStringLiteral("）");
                 },
             .reads = common + QList<ui::FieldUse>{shared_.ssButton1, M_AsonP, S_Ryo},
             .writes = {S_Size, S_Speed, S_AsonP},
             .enter = {S_Ryo},
             .keyPress = [this](QWidget *sender) { S_FryoKeyPress(sender); },
             .routine = [this](const ui::Run &run) { return sizePipe(run.sender); }});
    declare({.caption = LossTitle,
             .reads = common + QList<ui::FieldUse>{P_Ryo, P_Size},
             .writes = {P_Speed, P_AsonP},
             .enter = {P_Size},
             .keyPress = [this](QWidget *sender) { S_FryoKeyPress(sender); },
             .routine =
                 [this](const ui::Run &run) {
                     return EvaluateAndCalculate(run.sender, [this] { return PipeLossFromSize(); });
                 }});
}

void PipePage::windowShown()
{
    SyruiChange();
}

void PipePage::pageShown()
{
    takeSharedControls(Panel5, sizing_.titleBar, QString::fromUtf8(uitexts::WaterVelocityBasis));
}

std::vector<settings::Setting> PipePage::settingsKeys()
{
    return {ui::ListSetting({"Pipe", "PStyle", {140, 50}}, Syrui, DefaultMaterial),
            ui::ListSetting({"Pipe", "Temp", {150, 60}}, Ond, DefaultTemperature),
            ui::ListSetting({"Pipe", "PSize", {160, 70}}, P_Size, DefaultSize)};
}

void PipePage::SyruiChange()
{
    // Both fields are rewritten from the tables, discarding typed values. A
    // list without a choice ends here with the range failure; the roughness
    // is then already written when only the temperature is missing.
    ui::WriteResult(Z_Edit, tableText(PipeMaterialRoughness(Syrui->currentIndex())));
    ui::WriteResult(H_Edit, tableText(WaterDensity(Ond->currentIndex())));
    emit sizingChanged();
}

long double PipePage::lossUnitFactor() const
{
    return numeric::LossUnitFactor(shared_.conventionalUnits());
}

ui::Ending PipePage::sizePipe(QWidget *sender)
{
    const bool lossBasis = shared_.lossBasis();
    const ui::Ending end = EvaluateAndCalculate(
        sender, [&] { return lossBasis ? PipeSizingByLoss() : PipeSizingByVelocity(); });
    hasSized_ = true;
    emit sizingChanged();
    return end;
}

PipePage::Sizing PipePage::lastSizing() const
{
    return {hasSized_,
            ui::ReadOrNothing([this] { return sizingInputs(); }),
            shared_.velocityBasis(),
            shared_.conventionalUnits(),
            Syrui->currentText().trimmed(),
            Ond->currentText()};
}

void PipePage::computeLossOf(const ui::SizeChoice &size, const QString &flow)
{
    ui::WriteResult(P_Ryo, flow);
    P_Size->setCurrentIndex(size.sizeIndex);
    enterIn(P_Size);
}

PipeSizingInputs PipePage::sizingInputs() const
{
    const long double factor = lossUnitFactor();
    // A braced list is evaluated left to right: the fields are read in the
    // order flow, roughness, density, target.
    return {ui::ReadPlainNumber(S_Ryo), ui::ReadPlainNumber(Z_Edit), ui::ReadPlainNumber(H_Edit),
            ui::ReadPlainNumber(M_AsonP), factor};
}

ui::Ending PipePage::PipeSizingByLoss()
{
    return size(pipes::PipeSizingByLoss);
}

ui::Ending PipePage::PipeSizingByVelocity()
{
    return size(pipes::PipeSizingByVelocity);
}

ui::Ending PipePage::size(SizingRoutine routine)
{
    const PipeSizingInputs in = sizingInputs();
    ui::RunAndShow<PipeSizingResult>([&](PipeSizingResult &out) { routine(in, out); },
                                     [this](const PipeSizingResult &r) {
                                         if (r.nominalSize)
                                             ui::WriteResult(S_Size,
                                                             QString::number(*r.nominalSize));
                                         ui::WriteResult(S_Speed, r.velocity);
                                         ui::WriteResult(S_AsonP, r.loss);
                                     });
    return ui::Ending::completed();
}

ui::Ending PipePage::PipeLossFromSize()
{
    const long double factor = lossUnitFactor();
    const PipeLossInputs in{P_Size->currentIndex(), ui::ReadPlainNumber(P_Ryo),
                            ui::ReadPlainNumber(Z_Edit), ui::ReadPlainNumber(H_Edit), factor};
    ui::RunAndShow<PipeLossResult>([&](PipeLossResult &out) { pipes::PipeLossFromSize(in, out); },
                                   [this](const PipeLossResult &r) {
                                       ui::WriteResult(P_Speed, r.velocity);
                                       ui::WriteResult(P_AsonP, r.loss);
                                   });
    return ui::Ending::completed();
}

} // namespace pipes
