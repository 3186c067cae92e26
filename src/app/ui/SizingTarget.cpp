#include "app/ui/SizingTarget.h"

#include "app/ui/CalcPage.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/ResultFields.h"
#include "app/ui/SharedControls.h"
#include "app/ui/UiTexts.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace app::ui {

SizingTarget::SizingTarget(const SharedControls &shared, Controls controls)
    : shared_(shared), c_(std::move(controls))
{
}

void SizingTarget::showBasis()
{
    if (shared_.velocityBasis()) {
        c_.caption->setText(c_.velocityCaption);
        c_.unit->setText(QStringLiteral("m/s"));
        c_.field->setToolTip(c_.velocityHint);
    } else {
        c_.caption->setText(QString::fromUtf8(texts::TargetLoss));
        c_.unit->setText(QString::fromUtf8(shared_.lossUnit()));
        c_.field->setToolTip(QString::fromUtf8(texts::TargetLossHint));
    }
    c_.caption->adjustSize();
    c_.unit->adjustSize();
}

void SizingTarget::focus()
{
    if (FocusOrder::canTakeFocus(c_.field))
        c_.field->setFocus(Qt::OtherFocusReason);
}

void SizingTarget::relabelUnits()
{
    const QString unit = QString::fromUtf8(shared_.lossUnit());
    if (shared_.lossBasis())
        SetCaption(c_.unit, unit);
    for (QLabel *label : c_.lossUnits)
        SetCaption(label, unit);
}

void SizingTarget::convertUnits(const UnitFactors &factor)
{
    if (shared_.lossBasis())
        ConvertShownValue(c_.field, factor.loss);
    for (QLineEdit *loss : c_.losses)
        ConvertShownValue(loss, factor.loss);
}

} // namespace app::ui
