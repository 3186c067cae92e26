#include "app/chart/ChartLink.h"

#include "air/AirPage.h"
#include "app/chart/ChartForm.h"

namespace app::chart {

std::optional<::chart::PointDefinition> TypedDefinition(const air::AirPage &page)
{
    const auto &typed = page.lastTyped();
    if (!typed)
        return std::nullopt;
    ::chart::PointDefinition definition;
    definition.dryBulb = typed->dryBulb;
    // The page's second properties in the order of the chart's.
    definition.given = static_cast<::chart::Given>(typed->property);
    definition.value = typed->value;
    return definition;
}

::document::Atmosphere AtmosphereOf(const air::AirPage &page)
{
    const air::AirPage::PressureChoice choice = page.pressureChoiceNow();
    ::document::Atmosphere atmosphere;
    atmosphere.basis = static_cast<::document::PressureBasis>(choice.item);
    atmosphere.pressure = choice.pressure;
    atmosphere.altitude = choice.altitude;
    return atmosphere;
}

void LinkChartToAirPage(ChartForm *chart, air::AirPage *page)
{
    const auto follow = [chart, page] {
        chart->setConventionalUnits(page->conventionalUnits());
        chart->setCurrentState(page->lastState(), TypedDefinition(*page));
    };
    QObject::connect(page, &air::AirPage::chartInputsChanged, chart, follow);
    follow();
}

} // namespace app::chart
