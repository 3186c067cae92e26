#include "app/ui/SizingPage.h"

namespace app::ui {

void SizingPage::showSizingBasis()
{
    target_->showBasis();
    emit sizingChanged();
}

void SizingPage::focusSizingTarget()
{
    target_->focus();
}

void SizingPage::relabelUnits()
{
    target_->relabelUnits();
}

void SizingPage::convertUnits(const UnitFactors &factor)
{
    target_->convertUnits(factor);
    emit sizingChanged();
}

} // namespace app::ui
