#pragma once

#include "app/ui/CalcPage.h"
#include "app/ui/SizingTarget.h"

#include <optional>

namespace app::ui {

// A page that sizes (the duct and pipe pages): its sizing target follows the
// basis and the unit system, and the size table hears of each change, which
// alters what the last sizing's rows mean.
class SizingPage : public CalcPage
{
public:
    using CalcPage::CalcPage;

    void showSizingBasis() override;
    void focusSizingTarget() override;
    void relabelUnits() override;
    void convertUnits(const UnitFactors &factor) override;

protected:
    // Made by the page once its fields exist.
    std::optional<SizingTarget> target_;
};

} // namespace app::ui
