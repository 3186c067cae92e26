#include "app/UnitSwitch.h"

#include "air/AirPage.h"
#include "app/D_Kokei.h"
#include "app/ui/ResultFields.h"
#include "flow/DuctPage.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/Units.h"
#include "pipe/PipePage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace units {

namespace {

struct Factors
{
    numeric::Real loss;
    numeric::Real pressure;
    numeric::Real enthalpy;
};

// Conventional factors are the reciprocals of the SI ones, in extended precision.
Factors factorsTowards(bool conventional)
{
    if (conventional)
        return {numeric::Real(1) / numeric::PaPerMmAq, numeric::Real(1) / numeric::KPaPerMmHg,
                numeric::Real(1) / numeric::KJPerKcal};
    return {numeric::PaPerMmAq, numeric::KPaPerMmHg, numeric::KJPerKcal};
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

// Rewrites a field's displayed value in the new unit, with the decimals of
// the pages' results; an empty (or blank) field stays as it is.
void convert(QLineEdit *field, numeric::Real factor)
{
    if (field->text().trimmed().isEmpty())
        return;
    const numeric::Real value = entry::ReadPlainNumber(field) * factor;
    entry::WriteResult(field, QString::fromStdString(
                                  numeric::FormatFixed(value.value(), numeric::ResultDecimals)));
}

} // namespace

void SwitchUnitSystem(TDuctForm &form)
{
    const SharedControls &shared = form.shared();
    DuctPage &duct = *form.duct();
    PipePage &pipe = *form.pipe();
    AirPage &air = *form.air();

    const bool conventional = shared.conventionalUnits();
    const Factors factor = factorsTowards(conventional);
    const QString lossUnit = conventional ? QStringLiteral("mmAq/m") : QStringLiteral("Pa/m");
    setCaption(air.Label104, conventional ? QStringLiteral("kcal/kg") : QStringLiteral("kJ/kg"));
    setCaption(air.Label107, conventional ? QStringLiteral("mmHg") : QStringLiteral("kPa"));

    // The targets carry the loss unit only on the pressure-loss basis; on the
    // velocity basis they hold a velocity.
    const bool lossBasis = shared.lossBasis();
    if (lossBasis)
        setCaption(duct.Label9, lossUnit);
    setCaption(duct.Label11, lossUnit);
    setCaption(duct.Label29, lossUnit);
    if (lossBasis)
        setCaption(pipe.Label38, lossUnit);
    setCaption(pipe.Label42, lossUnit);
    setCaption(pipe.Label49, lossUnit);

    air.setPressureItemText(0, QStringLiteral("標準大気圧 /") + air.Label107->text());
    air.setPressureItemText(1, QStringLiteral("特定大気圧 /") + air.Label107->text());
    const bool enthalpyGiven = air.SelectBox->currentIndex() == AirPage::EnthalpyItem;
    if (enthalpyGiven)
        setCaption(air.TaniLabel, air.Label104->text());

    if (lossBasis)
        convert(duct.M_Ason, factor.loss);
    convert(duct.S_Ason, factor.loss);
    convert(duct.P_Ason, factor.loss);
    if (lossBasis)
        convert(pipe.M_AsonP, factor.loss);
    convert(pipe.S_AsonP, factor.loss);
    convert(pipe.P_AsonP, factor.loss);
    convert(air.PrEdit, factor.pressure);
    convert(air.cEdit6, factor.pressure);
    convert(air.cEdit4, factor.enthalpy);
    if (enthalpyGiven)
        convert(air.entEdit, factor.enthalpy);
}

} // namespace units
