#pragma once

#include "air/AirState.h"
#include "air/Psychrometrics.h"
#include "app/ui/CalcPage.h"

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace air {

// The moist-air page (tab texts::PageCaption): completes the state of moist
// air from the dry bulb, one other property and the atmospheric pressure.
class AirPage : public app::ui::CalcPage
{
    Q_OBJECT

public:
    AirPage(app::ui::FocusOrder &focus, app::ui::SharedControls &shared,
            app::ui::ProgramChanges &changes, QWidget *parent = nullptr);

    void windowShown() override;
    void pageShown() override;
    void relabelUnits() override;
    void convertUnits(const app::ui::UnitFactors &factor) override;
    std::vector<app::settings::Setting> settingsKeys() override;

    // SelectBox items: which second property entEdit holds.
    enum SecondProperty {
        WetBulbItem,
        RelativeHumidityItem,
        HumidityRatioItem,
        DewPointItem,
        EnthalpyItem
    };

    // Enter in PrEdit or WhEdit: on to the second property, nothing computed.
    void PrEditKeyPress(QWidget *sender);
    // Enter in entEdit: the state is computed; the focus stays.
    void entEditKeyPress(QWidget *sender) { CalculateFrom(sender); }
    // The routine of the page's calculation, run by Enter in entEdit: reads
    // the inputs, completes the state, checks it against the ranges of the
    // model and writes the eight results. A floating-point fault passes to
    // the caller and leaves every result field as it was.
    app::ui::Ending ComputeAirState();
    // Sets the pressure of the next calculation from the pressure choice;
    // keeps the previous one, with a warning, when the field is unreadable.
    void ReadPressure();
    // Caption of TaniLabel from the SelectBox choice.
    void UpdateSecondPropertyUnit();
    void SelectBoxClick();
    // Enables the pressure or the altitude field for the chosen item.
    void PrGroupClick();

    // For the chart: the pressure of the pressure choice now (mmHg; the last
    // one read while its field holds no number), the last state computed,
    // and the unit system.
    long double pressureNow() const;
    const std::optional<AirState> &lastState() const { return lastState_; }
    // What the last state was computed from, as typed: the dry bulb, the
    // second property and its value (enthalpy in kcal/kg), so that a point
    // taken over keeps the page's own definition.
    struct TypedState
    {
        long double dryBulb = 0.0L;
        SecondProperty property = HumidityRatioItem;
        long double value = 0.0L;
    };
    const std::optional<TypedState> &lastTyped() const { return lastTyped_; }
    // The pressure choice now: standard (0), a pressure (1, mmHg) or an
    // altitude (2, m); a field that holds no number gives the pressure of
    // pressureNow() as a given one.
    struct PressureChoice
    {
        int item = 0;
        long double pressure = StandardPressure; // mmHg
        long double altitude = 0.0L;             // m
    };
    PressureChoice pressureChoiceNow() const;
    bool conventionalUnits() const;

signals:
    // A state was computed, or the pressure or the unit system changed.
    void chartInputsChanged();

private:
    void buildInputBand();
    void buildResultBand();
    void bindEnterRules();
    void connectHandlers();
    void describeFields();
    void declareCalculation();

    // Index of the chosen pressure item of PrGroup (0 standard, 1 given
    // pressure, 2 altitude), or -1 when none is chosen.
    int pressureChoice() const;
    void setPressureItemText(int item, const QString &text);
    // The pressure of the chosen item, mmHg; empty when its field cannot be
    // read or the altitude lies beyond the pressure law.
    std::optional<long double> chosenPressure() const;
    void writeResults(const AirState &state);

    QFrame *Panel18 = {};
    QFrame *Panel20 = {};
    QLineEdit *D_TempEdit = {};
    QComboBox *SelectBox = {};
    QLineEdit *entEdit = {};
    QLabel *TaniLabel = {};
    QGroupBox *PrGroup = {};
    QRadioButton *PrItems[3] = {};
    QLineEdit *PrEdit = {};
    QLineEdit *WhEdit = {};
    QLineEdit *cEdit1 = {};
    QLineEdit *cEdit2 = {};
    QLineEdit *cEdit3 = {};
    QLineEdit *cEdit4 = {};
    QLineEdit *cEdit5 = {};
    QLineEdit *cEdit6 = {};
    QLineEdit *cEdit7 = {};
    QLineEdit *cEdit8 = {};
    QLabel *Label104 = {};
    QLabel *Label107 = {};

    // CurrentPressure, mmHg: standard at start, then what the last
    // calculation read.
    long double currentPressure_ = StandardPressure;
    std::optional<AirState> lastState_;
    std::optional<TypedState> lastTyped_;
    // Shows a warning and keeps it for the record of the calculation under way.
    void warn(const char *utf8Text);
    QStringList warnings_;
};

} // namespace air
