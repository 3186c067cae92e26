#include "losssheet/SheetTexts.h"

#include "numeric/NumberText.h"

namespace losssheet {

namespace {

std::string fixed(const std::optional<long double> &v, int decimals)
{
    return v ? numeric::FormatFixed(*v, decimals) : std::string();
}

std::string scaled(const std::optional<long double> &v, const Scale &scale)
{
    return v ? scale.text(*v) : std::string();
}

} // namespace

std::string ReferenceText(fittings::Reference reference)
{
    switch (reference) {
    case fittings::Reference::SmallSide:
        return "小さい断面の速度";
    case fittings::Reference::Combined:
        return "主管（合計流量側）の速度";
    case fittings::Reference::Own:
        break;
    }
    return "この区間の速度";
}

SectionTexts TextsOf(const SectionResult &r, SystemKind kind, UnitSystem units)
{
    const Scale pressure = PressureScale(kind, units);
    SectionTexts t;
    if (r.flow)
        t.flow = numeric::FormatGeneral15(*r.flow);
    t.size = r.size.value_or(std::string());
    t.equivalentDiameter = fixed(r.equivalentDiameter, 1);
    t.velocity = fixed(r.velocity, 2);
    t.dynamicPressure = scaled(r.dynamicPressure, pressure);
    t.lossPerMetre = scaled(r.lossPerMetre, LossPerMetreScale(units));
    t.straightLoss = scaled(r.straightLoss, pressure);
    t.sumZeta = fixed(r.sumZeta, 2);
    if (kind == SystemKind::Pipe)
        t.equivalentLength = fixed(r.equivalentLength, 2);
    t.fittingLoss = scaled(r.fittingLoss, pressure);
    t.equipmentLoss = scaled(r.equipmentLoss, pressure);
    t.sectionLoss = scaled(r.sectionLoss, pressure);
    t.cumulative = scaled(r.cumulative, pressure);
    return t;
}

FittingTexts TextsOf(const FittingResult &r, SystemKind kind, UnitSystem units)
{
    FittingTexts t;
    t.zeta = fixed(r.zeta, 3);
    if (r.zeta && r.method)
        t.reference = ReferenceText(r.method->reference);
    t.sectionZeta = fixed(r.sectionZeta, 2);
    t.equivalentLength = fixed(r.equivalentLength, 2);
    t.loss = scaled(r.loss, PressureScale(kind, units));
    return t;
}

SummaryTexts TextsOf(const Summary &s, SystemKind kind, UnitSystem units)
{
    const Scale pressure = PressureScale(kind, units);
    SummaryTexts t;
    t.friction = scaled(s.friction, pressure);
    t.fittings = scaled(s.fittings, pressure);
    t.equipment = scaled(s.equipment, pressure);
    t.systemLoss = scaled(s.systemLoss, pressure);
    t.margin = numeric::FormatGeneral15(s.margin * 100);
    if (kind == SystemKind::Pipe) {
        t.staticHead = HeadScale().text(s.staticHead);
        t.terminalPressure = KilopascalScale().text(s.terminalPressure);
        t.required = scaled(s.required, HeadScale());
        t.requiredKilopascals = scaled(s.required, KilopascalScale());
    } else {
        t.required = scaled(s.required, pressure);
    }
    for (const Terminal &terminal : s.terminals)
        t.terminals.push_back(
            {scaled(terminal.pathLoss, pressure), scaled(terminal.surplus, pressure)});
    return t;
}

} // namespace losssheet
