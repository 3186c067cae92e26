#include "air/AirPage.h"

#include "air/AirStateRange.h"
#include "air/AirTexts.h"
#include "air/AtmosphericPressure.h"
#include "air/SearchLimitExceeded.h"
#include "app/ui/EntryFields.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/ListSetting.h"
#include "app/ui/ResultFields.h"
#include "app/ui/SharedControls.h"
#include "app/ui/UiTexts.h"
#include "numeric/Failure.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <utility>

namespace air {

namespace settings = app::settings;
namespace ui = app::ui;

namespace {

constexpr int DefaultSecondProperty = 0; // the wet bulb

// The pressure group, and the choice it holds in the record.
constexpr char PressureCaption[] = "気圧";

using StateProcedure = AirState (*)(long double, long double, long double, SearchLog *);

// The enthalpy procedure also serves a selection outside the list (none).
bool IsEnthalpy(int selection)
{
    return selection < AirPage::WetBulbItem || selection > AirPage::DewPointItem;
}

StateProcedure ProcedureFor(int selection)
{
    switch (selection) {
    case AirPage::WetBulbItem:
        return StateFromWetBulb;
    case AirPage::RelativeHumidityItem:
        return StateFromRelativeHumidity;
    case AirPage::HumidityRatioItem:
        return StateFromHumidityRatio;
    case AirPage::DewPointItem:
        return StateFromDewPoint;
    default:
        return StateFromEnthalpy;
    }
}

} // namespace

AirPage::AirPage(ui::FocusOrder &focus, ui::SharedControls &shared, ui::ProgramChanges &changes,
                 QWidget *parent)
    : CalcPage("TabSheet4", QString::fromUtf8(texts::PageCaption), focus, shared, changes, parent)
{
    buildInputBand();
    buildResultBand();
    finishBands();
    bindEnterRules();
    connectHandlers();
    describeFields();
    declareCalculation();
}

void AirPage::buildInputBand()
{
    Panel18 = addBand("Panel18", 115);
    Panel18->setFrameStyle(QFrame::NoFrame);
    ui::BoldLabel(Panel18, QString::fromUtf8(texts::DryBulb), 20, 35, 15, "Label94");
    ui::Label(Panel18, QStringLiteral("＝"), 109, 35, "Label34");
    D_TempEdit = ui::Edit(Panel18, "D_TempEdit", 132, 35, 75,
                          QString::fromUtf8(texts::EnterNumberHint), QStringLiteral("30"));
    ui::Label(Panel18, QString::fromUtf8(texts::Celsius), 220, 35, "Label95");

    SelectBox =
        ui::List(Panel18, "SelectBox", 10, 69, 90,
                 {QString::fromUtf8(texts::WetBulb), QString::fromUtf8(texts::RelativeHumidity),
                  QString::fromUtf8(texts::HumidityRatio), QStringLiteral("露天温度"),
                  QString::fromUtf8(texts::GivenEnthalpy)},
                 QStringLiteral("選択してください。"));
    ui::Label(Panel18, QStringLiteral("＝"), 109, 70, "Label43");
    entEdit =
        ui::Edit(Panel18, "entEdit", 132, 70, 75,
                 QStringLiteral("数値を入力して、ENTERキーで計算します。"), QStringLiteral("20"));
    TaniLabel = ui::Label(Panel18, QString::fromUtf8(texts::Celsius), 220, 70, "TaniLabel");
    TaniLabel->resize(50, TaniLabel->height());

    PrGroup = new QGroupBox(QString::fromUtf8(PressureCaption), Panel18);
    PrGroup->setObjectName(QStringLiteral("PrGroup"));
    PrGroup->setFont(ui::ControlFont(13));
    PrGroup->setGeometry(280, 4, 250, 100);
    const QString items[3] = {QStringLiteral("標準大気圧 /mmHg"),
                              QStringLiteral("特定大気圧  /mmHg"), QStringLiteral("特定海抜 /m")};
    // Items 1 and 2 line up with the pressure and altitude fields beside them.
    constexpr int ItemTop[3] = {21, 44, 68};
    // A button group of their own keeps the items out of the unit buttons'
    // exclusive set: a radio button outside any group is exclusive with every
    // such button anywhere below its parent, and the unit buttons come into
    // this band. Without it, checking the SI button here would try to
    // uncheck an item, and the conventional one would stay checked.
    auto *itemGroup = new QButtonGroup(PrGroup);
    for (int i = 0; i < 3; ++i) {
        PrItems[i] = ui::Radio(PrGroup, nullptr, items[i], 10, ItemTop[i], i == 0);
        PrItems[i]->setObjectName(QStringLiteral("PrGroupItem%1").arg(i));
        itemGroup->addButton(PrItems[i], i);
    }

    // The two fields stand beside items 1 and 2, over the group's right part.
    PrEdit = ui::Edit(Panel18, "PrEdit", 450, 43, 70, QStringLiteral("大気圧を入力して下さい。"),
                      QStringLiteral("760"));
    WhEdit = ui::Edit(Panel18, "WhEdit", 450, 70, 70, QStringLiteral("海抜入力して下さい。"),
                      QStringLiteral("0"));
    PrEdit->raise();
    WhEdit->raise();

    focus_.addControls(Panel18, {D_TempEdit, entEdit, SelectBox, PrGroup, PrEdit, WhEdit});
}

void AirPage::buildResultBand()
{
    Panel20 = addBand("Panel20", 155);
    Panel20->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const QString hint = QStringLiteral("計算します。");
    Panel20->setToolTip(hint);

    struct Row
    {
        const char *caption;
        QLineEdit **field;
        const char *name;
        const char *unit;
        QLabel **unitLabel;
        const char *unitName;
    };
    using namespace texts;
    const Row left[4] = {{DryBulb, &cEdit7, "cEdit7", Celsius, nullptr, nullptr},
                         {WetBulb, &cEdit8, "cEdit8", Celsius, nullptr, nullptr},
                         {RelativeHumidity, &cEdit1, "cEdit1", Percent, nullptr, nullptr},
                         {HumidityRatio, &cEdit2, "cEdit2", HumidityRatioUnit, nullptr, nullptr}};
    const Row right[4] = {
        {DewPoint, &cEdit3, "cEdit3", Celsius, nullptr, nullptr},
        {Enthalpy, &cEdit4, "cEdit4", EnthalpyUnit(true), &Label104, "Label104"},
        {"比  容  積", &cEdit5, "cEdit5", SpecificVolumeUnit, nullptr, nullptr},
        {"大  気  圧", &cEdit6, "cEdit6", PressureUnit(true), &Label107, "Label107"}};
    auto addRow = [&](const Row &row, int top, int labelX, int fieldX, int unitX) {
        ui::Label(Panel20, QString::fromUtf8(row.caption), labelX, top + 3);
        *row.field = ui::Result(Panel20, row.name, fieldX, top, 100, false, hint);
        QLabel *unit =
            ui::Label(Panel20, QString::fromUtf8(row.unit), unitX, top + 3, row.unitName);
        if (row.unitLabel)
            *row.unitLabel = unit;
    };
    for (int i = 0; i < 4; ++i) {
        addRow(left[i], 15 + 35 * i, 40, 110, 220);
        addRow(right[i], 15 + 35 * i, 290, 370, 480);
    }
    focus_.addControls(Panel20, {cEdit7, cEdit8, cEdit1, cEdit2, cEdit3, cEdit4, cEdit5, cEdit6});
}

void AirPage::bindEnterRules()
{
    onEnter(D_TempEdit, [this](QWidget *sender) { Ztai_EditKeyPress(sender); });
    onEnter(SelectBox, D_SyruiKeyPress);
    for (QWidget *w : {PrEdit, WhEdit})
        onEnter(w, [this](QWidget *sender) { PrEditKeyPress(sender); });
}

void AirPage::connectHandlers()
{
    connect(SelectBox, &QComboBox::activated, this,
            [this] { ui::Guarded(window(), [this] { SelectBoxClick(); }); });
    for (QRadioButton *item : PrItems) {
        connect(item, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                ui::Guarded(window(), [this] { PrGroupClick(); });
        });
    }
    for (QLineEdit *field : {PrEdit, WhEdit})
        connect(field, &QLineEdit::textChanged, this, &AirPage::chartInputsChanged);
}

void AirPage::describeFields()
{
    describeOption(shared_.TaniButton1, QString::fromUtf8(ui::texts::UnitSystem),
                   [this] { return QString::fromUtf8(shared_.unitSystemCaption()); });
    const auto fixed = [](const char *utf8) { return Fixed(QString::fromUtf8(utf8)); };
    describeField(D_TempEdit, fixed(texts::DryBulb), fixed(texts::Celsius));
    describeOption(SelectBox, QStringLiteral("指定する状態値"),
                   [this] { return SelectBox->currentText(); });
    describeField(
        entEdit, [this] { return SelectBox->currentText(); }, TextOf(TaniLabel));
    describeOption(PrGroup, QString::fromUtf8(PressureCaption), [this] {
        const int choice = pressureChoice();
        return choice < 0 ? QString()
                          : PrItems[choice]->text().section(QLatin1Char('/'), 0, 0).trimmed();
    });
    describeField(PrEdit, fixed(texts::Pressure), TextOf(Label107));
    describeField(WhEdit, Fixed(QStringLiteral("海抜")), Fixed(QStringLiteral("m")));

    describeField(cEdit7, fixed(texts::DryBulb), fixed(texts::Celsius));
    describeField(cEdit8, fixed(texts::WetBulb), fixed(texts::Celsius));
    describeField(cEdit1, fixed(texts::RelativeHumidity), fixed(texts::Percent));
    describeField(cEdit2, fixed(texts::HumidityRatio), fixed(texts::HumidityRatioUnit));
    describeField(cEdit3, fixed(texts::DewPoint), fixed(texts::Celsius));
    describeField(cEdit4, fixed(texts::Enthalpy), TextOf(Label104));
    describeField(cEdit5, fixed(texts::SpecificVolume), fixed(texts::SpecificVolumeUnit));
    describeField(cEdit6, fixed(texts::Pressure), TextOf(Label107));
    // The page shows a humidity ratio with three decimals (0.011 for
    // 0.0105); its records keep the number too, for the outputs that print
    // four.
    describeNumber(cEdit2, [this]() -> std::optional<double> {
        if (!lastState_)
            return std::nullopt;
        return static_cast<double>(lastState_->humidityRatio);
    });
    describeNumber(entEdit, [this]() -> std::optional<double> {
        if (SelectBox->currentIndex() != HumidityRatioItem)
            return std::nullopt;
        try {
            return static_cast<double>(ui::ReadPlainNumber(entEdit));
        } catch (const numeric::ConversionError &) {
            return std::nullopt;
        }
    });
}

void AirPage::declareCalculation()
{
    // The given pressure or the altitude is read when its item is chosen.
    const auto chosen = [this](int item) {
        return [this, item](const ui::Run &) { return pressureChoice() == item; };
    };
    declare({.caption = caption(),
             .reads = {shared_.TaniButton1,
                       D_TempEdit,
                       SelectBox,
                       entEdit,
                       PrGroup,
                       {PrEdit, chosen(1)},
                       {WhEdit, chosen(2)}},
             .writes = {cEdit7, cEdit8, cEdit1, cEdit2, cEdit3, cEdit4, cEdit5, cEdit6},
             .enter = {entEdit},
             .keyPress = [this](QWidget *sender) { entEditKeyPress(sender); },
             .routine = [this](const ui::Run &) { return ComputeAirState(); }});
}

void AirPage::windowShown()
{
    PrGroupClick();
}

void AirPage::pageShown()
{
    // At the band's left, over the input rows.
    moveTo(shared_.TaniButton1, Panel18, 13, ui::BandButtonY);
    moveTo(shared_.TaniButton2, Panel18, 94, ui::BandButtonY);
    UpdateSecondPropertyUnit();
}

void AirPage::relabelUnits()
{
    const bool conventional = shared_.conventionalUnits();
    ui::SetCaption(Label104, QString::fromUtf8(texts::EnthalpyUnit(conventional)));
    ui::SetCaption(Label107, QString::fromUtf8(texts::PressureUnit(conventional)));
    setPressureItemText(0, QStringLiteral("標準大気圧 /") + Label107->text());
    setPressureItemText(1, QStringLiteral("特定大気圧 /") + Label107->text());
    if (SelectBox->currentIndex() == EnthalpyItem)
        ui::SetCaption(TaniLabel, Label104->text());
}

void AirPage::convertUnits(const ui::UnitFactors &factor)
{
    ui::ConvertShownValue(PrEdit, factor.pressure);
    ui::ConvertShownValue(cEdit6, factor.pressure);
    ui::ConvertShownValue(cEdit4, factor.enthalpy);
    if (SelectBox->currentIndex() == EnthalpyItem)
        ui::ConvertShownValue(entEdit, factor.enthalpy);
    emit chartInputsChanged();
}

std::vector<settings::Setting> AirPage::settingsKeys()
{
    return {ui::ListSetting({"Air", "SelBox", {130, 40}}, SelectBox, DefaultSecondProperty)};
}

int AirPage::pressureChoice() const
{
    for (int i = 0; i < 3; ++i) {
        if (PrItems[i]->isChecked())
            return i;
    }
    return -1;
}

void AirPage::setPressureItemText(int item, const QString &text)
{
    PrItems[item]->setText(text);
    PrItems[item]->adjustSize();
}

void AirPage::PrEditKeyPress(QWidget *)
{
    entEdit->setFocus(Qt::OtherFocusReason);
}

ui::Ending AirPage::ComputeAirState()
{
    warnings_.clear();
    long double dryBulb = 0.0L;
    long double given = 0.0L;
    try {
        dryBulb = ui::ReadPlainNumber(D_TempEdit);
        given = ui::ReadPlainNumber(entEdit);
    } catch (const numeric::ConversionError &) {
        warn(texts::EnterNumber);
        return ui::Ending::failed();
    }
    const int selection = SelectBox->currentIndex();
    if (IsEnthalpy(selection) && !shared_.conventionalUnits())
        given = (numeric::Real(given) / numeric::KJPerKcal).value(); // kJ/kg to kcal/kg
    ReadPressure();

    // Each time a search left its range the page warns, in order, before a
    // fault or the results.
    SearchLog log;
    const auto showSearchWarnings = [&] {
        for (int i = 0; i < log.leftRange; ++i)
            warn(texts::OutOfRange);
    };
    AirState state;
    try {
        state = ProcedureFor(selection)(dryBulb, given, currentPressure_, &log);
    } catch (const SearchLimitExceeded &) {
        showSearchWarnings();
        warn(texts::OutOfRange);
        return ui::Ending::failed();
    } catch (...) {
        showSearchWarnings();
        throw;
    }
    showSearchWarnings();
    if (AnyQuantityOutOfRange(state))
        warn(texts::OutOfRange);
    writeResults(state);
    lastState_ = state;
    lastTyped_ = TypedState{
        dryBulb, IsEnthalpy(selection) ? EnthalpyItem : static_cast<SecondProperty>(selection),
        given};
    emit chartInputsChanged();

    ui::Ending end = ui::Ending::completed(warnings_.join(QLatin1Char('\n')));
    // An unreadable pressure field: the state is that of the previous
    // pressure, not of the one the page shows.
    end.resultsCurrent = chosenPressure().has_value();
    return end;
}

void AirPage::ReadPressure()
{
    if (const auto pressure = chosenPressure()) {
        currentPressure_ = *pressure;
    } else {
        warn(texts::EnterNumber);
    }
}

void AirPage::warn(const char *utf8Text)
{
    warnings_.append(QString::fromUtf8(utf8Text));
    showWarning(utf8Text);
}

std::optional<long double> AirPage::chosenPressure() const
{
    try {
        switch (pressureChoice()) {
        case 1: {
            const numeric::Real typed = ui::ReadPlainNumber(PrEdit);
            if (shared_.conventionalUnits())
                return typed.value();                     // mmHg
            return (typed / numeric::KPaPerMmHg).value(); // kPa to mmHg
        }
        case 2:
            return AltitudePressure(ui::ReadPlainNumber(WhEdit)); // metres
        default:
            return StandardPressure;
        }
    } catch (const numeric::ConversionError &) {
        return std::nullopt;
    }
}

// Every value is known before the first field is written: a fault in a unit
// factor then leaves all eight fields as they were.
void AirPage::writeResults(const AirState &state)
{
    const bool conventional = shared_.conventionalUnits();
    const numeric::Real enthalpy = conventional
                                       ? numeric::Real(state.enthalpy)
                                       : numeric::Real(state.enthalpy) * numeric::KJPerKcal;
    const numeric::Real pressure = conventional
                                       ? numeric::Real(state.pressure)
                                       : numeric::Real(state.pressure) * numeric::KPaPerMmHg;
    const std::array<std::pair<QLineEdit *, long double>, 8> results = {{
        {cEdit1, state.relativeHumidity}, // %
        {cEdit2, state.humidityRatio},    // kg/kg
        {cEdit3, state.dewPoint},         // °C
        {cEdit4, enthalpy.value()},       // kcal/kg or kJ/kg
        {cEdit5, state.specificVolume},   // m³/kg
        {cEdit6, pressure.value()},       // mmHg or kPa
        {cEdit7, state.dryBulb},          // °C
        {cEdit8, state.wetBulb},          // °C
    }};
    for (const auto &[field, value] : results)
        ui::WriteResult(field, numeric::Fixed(value));
}

void AirPage::UpdateSecondPropertyUnit()
{
    switch (SelectBox->currentIndex()) {
    case RelativeHumidityItem:
        TaniLabel->setText(QStringLiteral("％"));
        break;
    case HumidityRatioItem:
        TaniLabel->setText(QStringLiteral("kg/kg"));
        break;
    case EnthalpyItem:
        TaniLabel->setText(Label104->text()); // kcal/kg or kJ/kg, as the unit switch set it
        break;
    default: // wet bulb, dew point, or nothing chosen
        TaniLabel->setText(QStringLiteral("℃"));
        break;
    }
}

void AirPage::SelectBoxClick()
{
    UpdateSecondPropertyUnit();
}

void AirPage::PrGroupClick()
{
    PrEdit->setEnabled(false);
    WhEdit->setEnabled(false);
    switch (pressureChoice()) {
    case 1:
        PrEdit->setEnabled(true);
        PrEdit->setFocus(Qt::OtherFocusReason);
        break;
    case 2:
        WhEdit->setEnabled(true);
        WhEdit->setFocus(Qt::OtherFocusReason);
        break;
    default: {
        // Standard pressure, 760 mmHg, shown in the window's unit.
        const long double pressure =
            shared_.conventionalUnits() ? StandardPressure : StandardPressure * numeric::KPaPerMmHg;
        ui::WriteResult(PrEdit, QString::fromStdString(numeric::FormatGeneral15(pressure)));
        ui::WriteResult(WhEdit, QStringLiteral("0"));
        break;
    }
    }
    emit chartInputsChanged();
}

long double AirPage::pressureNow() const
{
    return chosenPressure().value_or(currentPressure_);
}

AirPage::PressureChoice AirPage::pressureChoiceNow() const
{
    PressureChoice choice;
    const int item = pressureChoice();
    if (item <= 0)
        return choice;
    if (item == 2) {
        try {
            const long double altitude = ui::ReadPlainNumber(WhEdit);
            if (AltitudePressure(altitude))
                return {2, *AltitudePressure(altitude), altitude};
        } catch (const numeric::ConversionError &) {
        }
    }
    return {1, pressureNow(), 0.0L};
}

bool AirPage::conventionalUnits() const
{
    return shared_.conventionalUnits();
}

} // namespace air
