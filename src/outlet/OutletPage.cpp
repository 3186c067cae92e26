#include "outlet/OutletPage.h"

#include "app/ui/EntryFields.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/ListSetting.h"
#include "app/ui/ResultFields.h"
#include "app/ui/SizeBlock.h"
#include "app/ui/UiTexts.h"
#include "numeric/Failure.h"
#include "numeric/Medium.h"
#include "numeric/NumberParse.h"
#include "outlet/OutletCalc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <string>

namespace outlet {

namespace settings = app::settings;
namespace ui = app::ui;
namespace uitexts = app::ui::texts;

namespace {

constexpr int DefaultType = 0; // VHS

const QString SizingTitle = QStringLiteral("吹出・吸込口寸法計算");
const QString CheckTitle = QStringLiteral("吹出・吸込口寸法確認");
const QString SizeHeading = QStringLiteral("吹出・吸込口寸法");
const QString SizeHint = QString::fromUtf8(uitexts::EnterSize);
const QString CalculatedHint = QString::fromUtf8(uitexts::Calculated);
// The type list's caption, also its caption in the record.
const QString TypeCaption = QStringLiteral("吹出・吸込口の種類");
// The captions of the sections' rows.
const QString AirVolumeLabel = QString::fromUtf8(uitexts::AirVolumeLabel);
const QString OpeningLabel = QStringLiteral("開  口  率");
const QString FaceVelocityLabel = QStringLiteral("面 風 速");

// Both sections.
constexpr ui::SectionShape Sections{120, 195, 190};

// The middle columns of both sections: "a Ｘ b mm" and "φ＝ D mm".
constexpr ui::SizeBlockGeometry SizeColumn{10, 8, 30, 65, 10, 95, 65, 79, 164, 70};

// A caption, an entry field and its unit on one row of a section's left
// column; y is the field's top, the captions sit 3 px lower to line up.
QLineEdit *EntryRow(QWidget *column, const QString &caption, const char *name, int y,
                    const QString &unit)
{
    ui::Label(column, caption, 8, y + 3);
    QLineEdit *field = ui::Edit(column, name, 70, y, 80);
    ui::Label(column, unit, 154, y + 3);
    return field;
}

} // namespace

OutletPage::OutletPage(ui::FocusOrder &focus, ui::SharedControls &shared,
                       ui::ProgramChanges &changes, QWidget *parent)
    : CalcPage("TabSheet5", QStringLiteral("吹出口・吸込口"), focus, shared, changes, parent)
{
    QFrame *top = addBand("Panel6");
    ui::Label(top, TypeCaption, 25, 5, "Label50");
    QStringList types;
    for (const char *type : TypeNames)
        types.append(QString::fromUtf8(type));
    ComboBox1 =
        ui::List(top, "ComboBox1", 185, 5, 110, types, QStringLiteral("吹出・吸込口の種類選択"));
    RadioButton1 = ui::Radio(top, "RadioButton1", QStringLiteral("矩     形"), ui::RectangleButtonX,
                             ui::BandButtonY, true);
    RadioButton2 = ui::Radio(top, "RadioButton2", QStringLiteral("円     形"), ui::RoundButtonX,
                             ui::BandButtonY);
    focus_.addControls(top, {ComboBox1, RadioButton1, RadioButton2});

    buildSizingSection();
    buildCheckSection();
    finishBands();

    shape_.emplace(ui::ShapeOptions::Controls{RadioButton1,
                                              RadioButton2,
                                              CheckBox2,
                                              {Edit23, Edit24, Edit28, Edit29},
                                              Edit23,
                                              Edit19,
                                              Edit30});
    bindEnterRules();
    connectHandlers();
    describeFields();
    declareCalculations();
}

void OutletPage::buildSizingSection()
{
    Section s = addSection("Panel34", "Panel42", QStringLiteral("　　") + SizingTitle, Sections);
    CheckBox2 = ui::Check(s.titleBar, "CheckBox2", QString::fromUtf8(uitexts::FixedSize), 200,
                          ui::TitleBarButtonY, QString::fromUtf8(uitexts::FixedSizeHint));
    focus_.addControls(s.titleBar, {CheckBox2});

    Edit19 = EntryRow(s.left, AirVolumeLabel, "Edit19", 10, QStringLiteral("m3/h"));
    Edit20 = EntryRow(s.left, OpeningLabel, "Edit20", 40, QStringLiteral("％"));
    Edit26 = EntryRow(s.left, QStringLiteral("面  風  速"), "Edit26", 70, QStringLiteral("m/s"));

    Edit23 = ui::Result(s.middle, "Edit23", 0, 0, 0, true);
    Edit24 = ui::Result(s.middle, "Edit24", 0, 0, 0);
    Edit25 = ui::Result(s.middle, "Edit25", 0, 0, 0);
    ui::LayOutSizeBlock(s.middle, SizeHeading, SizeColumn, Edit23, Edit24, Edit25);

    ui::Label(s.right, FaceVelocityLabel, 8, 43);
    Edit21 = ui::Result(s.right, "Edit21", 65, 40, 60);
    ui::Label(s.right, QStringLiteral("m/s"), 130, 43);

    focus_.addControls(s.body, {Edit19, Edit20, Edit26, Edit23, Edit24, Edit25, Edit21});
}

void OutletPage::buildCheckSection()
{
    Section s = addSection("Panel43", "Panel47", QStringLiteral("　　") + CheckTitle, Sections);

    Edit17 = EntryRow(s.left, AirVolumeLabel, "Edit17", 30, QStringLiteral("m3/h"));
    Edit18 = EntryRow(s.left, OpeningLabel, "Edit18", 60, QStringLiteral("％"));

    Edit28 = ui::Edit(s.middle, "Edit28", 0, 0, 0, SizeHint);
    Edit29 = ui::Edit(s.middle, "Edit29", 0, 0, 0, SizeHint);
    // Read-only but with the default cursor until the shape is first chosen.
    Edit30 = ui::Edit(s.middle, "Edit30", 0, 0, 0, CalculatedHint);
    Edit30->setReadOnly(true);
    ui::LayOutSizeBlock(s.middle, SizeHeading, SizeColumn, Edit28, Edit29, Edit30);

    ui::Label(s.right, FaceVelocityLabel, 8, 43);
    Edit32 = ui::Result(s.right, "Edit32", 65, 40, 60);
    ui::Label(s.right, QStringLiteral("m/s"), 130, 43);

    focus_.addControls(s.body, {Edit17, Edit18, Edit28, Edit29, Edit30, Edit32});
}

void OutletPage::bindEnterRules()
{
    for (QWidget *w : {Edit19, Edit20, Edit17, Edit18, Edit28})
        onEnter(w, [this](QWidget *sender) { Ztai_EditKeyPress(sender); });
    for (QWidget *w :
         std::initializer_list<QWidget *>{ComboBox1, RadioButton1, RadioButton2, CheckBox2})
        onEnter(w, D_SyruiKeyPress);
}

void OutletPage::connectHandlers()
{
    // The shape handler runs when either button becomes checked.
    auto shapeChosen = [this](bool checked) {
        if (checked)
            ui::Guarded(window(), [this] { RadioButton1Click(); });
    };
    connect(RadioButton1, &QRadioButton::toggled, this, shapeChosen);
    connect(RadioButton2, &QRadioButton::toggled, this, shapeChosen);
    connect(CheckBox2, &QCheckBox::toggled, this,
            [this] { ui::Guarded(window(), [this] { CheckBox2Click(); }); });
    connect(ComboBox1, &QComboBox::activated, this,
            [this] { ui::Guarded(window(), [this] { ComboBox1Change(); }); });
}

void OutletPage::describeFields()
{
    const auto diameterCaption = [this] {
        return QString::fromUtf8(RadioButton2->isChecked() ? uitexts::Diameter
                                                           : uitexts::EquivalentDiameter);
    };
    const Text mm = Fixed(QStringLiteral("mm"));
    const Text airVolume = Fixed(numeric::AirFlowName);
    const Text airVolumeUnit = Fixed(QStringLiteral("m3/h"));
    const Text opening = Fixed(QStringLiteral("開口率"));
    const Text percent = Fixed(QStringLiteral("％"));
    const Text faceVelocity = Fixed(QStringLiteral("面風速"));
    const Text velocityUnit = Fixed(QStringLiteral("m/s"));
    // A section's size block: the two sides and the diameter, in mm.
    const auto describeSize = [&](QLineEdit *sideA, QLineEdit *sideB, QLineEdit *diameter) {
        describeField(sideA, Fixed(uitexts::SideA), mm);
        describeField(sideB, Fixed(uitexts::SideB), mm);
        describeField(diameter, diameterCaption, mm);
    };
    describeOption(ComboBox1, TypeCaption, [this] { return ComboBox1->currentText(); });
    describeOption(RadioButton1, QString::fromUtf8(uitexts::Shape), [this] {
        return QString::fromUtf8(RadioButton2->isChecked() ? uitexts::Round : uitexts::Rectangle);
    });

    describeSection(SizingTitle);
    describeOption(CheckBox2, QString::fromUtf8(uitexts::FixedSize), [this] {
        return QString::fromUtf8(CheckBox2->isChecked() ? uitexts::Yes : uitexts::No);
    });
    describeField(Edit19, airVolume, airVolumeUnit);
    describeField(Edit20, opening, percent);
    describeField(Edit26, faceVelocity, velocityUnit);
    describeSize(Edit23, Edit24, Edit25);
    describeField(Edit21, faceVelocity, velocityUnit);

    describeSection(CheckTitle);
    describeField(Edit17, airVolume, airVolumeUnit);
    describeField(Edit18, opening, percent);
    describeSize(Edit28, Edit29, Edit30);
    describeField(Edit32, faceVelocity, velocityUnit);
}

void OutletPage::declareCalculations()
{
    const auto rectangle = [this](const ui::Run &) { return shape_->rectangular(); };
    const auto fixedSide = [this](const ui::Run &) { return shape_->fixedSide(); };
    const auto sizedSide = [this](const ui::Run &) {
        return shape_->rectangular() && !shape_->fixedSide();
    };
    // The check follows the field, not the shape (CheckOutlet).
    const auto fromDiameter = [this](const ui::Run &run) { return run.sender == Edit30; };
    const auto fromSides = [this](const ui::Run &run) { return run.sender != Edit30; };
    const auto evaluateAnd = [this](ui::Ending (OutletPage::*routine)(QLineEdit *)) {
        return [this, routine](const ui::Run &run) {
            auto *field = static_cast<QLineEdit *>(run.sender);
            return EvaluateAndCalculate(field, [&] { return (this->*routine)(field); });
        };
    };
    const QList<ui::FieldUse> common{ComboBox1, RadioButton1};

    declare({.caption = SizingTitle,
             .reads = common +
                      QList<ui::FieldUse>{
                          {CheckBox2, rectangle}, Edit19, Edit20, Edit26, {Edit23, fixedSide}},
             .writes = {{Edit23, sizedSide}, {Edit24, rectangle}, Edit25, Edit21},
             .enter = {Edit26, Edit23},
             .keyPress = [this](QWidget *sender) { Edit26KeyPress(sender); },
             .routine = evaluateAnd(&OutletPage::SizeOutlet)});
    declare({.caption = CheckTitle,
             .reads = common + QList<ui::FieldUse>{Edit17,
                                                   Edit18,
                                                   {Edit28, fromSides},
                                                   {Edit29, fromSides},
                                                   {Edit30, fromDiameter}},
             .writes = {{Edit30, fromSides}, Edit32},
             .enter = {Edit29, Edit30},
             .keyPress = [this](QWidget *sender) { Edit26KeyPress(sender); },
             .routine = evaluateAnd(&OutletPage::CheckOutlet)});
}

void OutletPage::windowShown()
{
    ComboBox1Change();
}

std::vector<settings::Setting> OutletPage::settingsKeys()
{
    // The type is read before the ratios and written after them.
    std::vector<settings::Setting> keys{
        ui::ListSetting({"AG", "VHS", {30, 90}}, ComboBox1, DefaultType)};
    for (int type = 0; type < TypeCount; ++type) {
        const int rank = 10 * type;
        keys.push_back(settings::IntegerSetting(
            {"AG", "Kaiko" + std::to_string(type), {40 + rank, 100 + rank}}, settings::AnyInteger,
            DefaultOpeningRatios[static_cast<size_t>(type)],
            [this, type](int percent) { setOpeningRatio(type, percent); },
            [this, type] { return openingRatio(type); }));
    }
    return keys;
}

int OutletPage::openingRatio(int type) const
{
    if (type < 0 || type >= TypeCount)
        throw numeric::RangeError();
    return OpeningRatios[static_cast<size_t>(type)];
}

void OutletPage::setOpeningRatio(int type, int percent)
{
    if (type < 0 || type >= TypeCount)
        throw numeric::RangeError();
    OpeningRatios[static_cast<size_t>(type)] = percent;
}

void OutletPage::ComboBox1Change()
{
    const QString text = QString::number(openingRatio(ComboBox1->currentIndex()));
    ui::WriteResult(Edit20, text);
    ui::WriteResult(Edit18, text);
}

void OutletPage::RadioButton1Click()
{
    shape_->shapeChanged();
}

void OutletPage::CheckBox2Click()
{
    shape_->fixedSideChanged();
}

void OutletPage::Ztai_EditKeyPress(QWidget *sender)
{
    if (sender == Edit20 || sender == Edit18) {
        // The ratio is stored as typed, before any evaluation; a text that is
        // no whole number ends here with the failure box.
        const int ratio =
            numeric::ParseWholeNumber(ui::FieldText(static_cast<QLineEdit *>(sender)));
        setOpeningRatio(ComboBox1->currentIndex(), ratio);
    }
    EvaluateAndAdvance(sender);
}

ui::Ending OutletPage::SizeOutlet(QLineEdit *field)
{
    if (shape_->waitsForFixedSide(field)) {
        // The key rule has evaluated the field; the user types the fixed
        // side next, and Enter there sizes the outlet.
        FocusNextField();
        return ui::Ending::notRun();
    }
    OutletSizingInputs in;
    in.flow = ui::ReadPlainNumber(Edit19);
    in.velocity = ui::ReadPlainNumber(Edit26);
    in.openingPercent = ui::ReadPlainNumber(Edit20);
    in.round = !shape_->rectangular();
    if (shape_->fixedSide())
        in.fixedSide = ui::ReadPlainNumber(Edit23);
    ui::RunAndShow<OutletSizingResult>(
        [&](OutletSizingResult &out) { outlet::SizeOutlet(in, out); },
        [this](const OutletSizingResult &r) {
            ui::WriteResult(Edit23, r.sideA);
            ui::WriteResult(Edit24, r.sideB);
            ui::WriteResult(Edit25, r.diameter);
            ui::WriteResult(Edit21, r.velocity);
        });
    return ui::Ending::completed();
}

ui::Ending OutletPage::CheckOutlet(QLineEdit *field)
{
    OutletCheckInputs in;
    in.flow = ui::ReadPlainNumber(Edit17);
    in.openingPercent = ui::ReadPlainNumber(Edit18);
    // The field decides, as in the duct page's diameter field: Enter in
    // Edit30 checks a round outlet of the diameter shown there, also when it
    // shows a rectangle's equivalent diameter (read-only, but it can take
    // the focus).
    in.fromDiameter = field == Edit30;
    if (in.fromDiameter) {
        in.diameter = ui::ReadPlainNumber(Edit30);
    } else {
        in.sideA = ui::ReadPlainNumber(Edit28);
        in.sideB = ui::ReadPlainNumber(Edit29);
    }
    ui::RunAndShow<OutletCheckResult>([&](OutletCheckResult &out) { outlet::CheckOutlet(in, out); },
                                      [this](const OutletCheckResult &r) {
                                          ui::WriteResult(Edit30, r.equivalentDiameter);
                                          ui::WriteResult(Edit32, r.velocity);
                                      });
    return ui::Ending::completed();
}

} // namespace outlet
