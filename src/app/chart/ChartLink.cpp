#include "app/chart/ChartLink.h"

#include "air/AirPage.h"
#include "app/chart/ChartForm.h"

namespace app::chart {

void LinkChartToAirPage(ChartForm *chart, air::AirPage *page)
{
    const auto follow = [chart, page] {
        chart->setConventionalUnits(page->conventionalUnits());
        chart->setPressure(page->pressureNow());
        chart->setCurrentState(page->lastState());
    };
    QObject::connect(page, &air::AirPage::chartInputsChanged, chart, follow);
    follow();
}

} // namespace app::chart
