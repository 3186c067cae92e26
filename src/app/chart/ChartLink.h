#pragma once

#include "chart/StatePoints.h"
#include "document/Document.h"

#include <optional>

namespace air {
class AirPage;
}

namespace app::chart {

class ChartForm;

// Keeps the chart window in step with the moist-air page: the unit system,
// and the last state computed there as the live current point, with the
// page's own definition of it. Each chart keeps its own pressure; a new one
// takes the page's pressure choice (AtmosphereOf).
void LinkChartToAirPage(ChartForm *chart, air::AirPage *page);

// The page's last state as it was typed: dry bulb, second property, value.
std::optional<::chart::PointDefinition> TypedDefinition(const air::AirPage &page);
// The page's pressure choice as a chart's atmosphere.
::document::Atmosphere AtmosphereOf(const air::AirPage &page);

} // namespace app::chart
