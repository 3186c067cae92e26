#pragma once

namespace air {
class AirPage;
}

namespace app::chart {

class ChartForm;

// Keeps the chart in step with the moist-air page: its pressure (standard,
// given or from an altitude), the unit system, and the last state computed
// there as the live current point.
void LinkChartToAirPage(ChartForm *chart, air::AirPage *page);

} // namespace app::chart
