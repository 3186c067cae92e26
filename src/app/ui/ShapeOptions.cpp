#include "app/ui/ShapeOptions.h"

#include "app/ui/FocusOrder.h"
#include "app/ui/FormControls.h"
#include "app/ui/UiTexts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace app::ui {

namespace {

// Hints of a size field that takes input, and of one that shows a result.
const QString SizeInputHint = QString::fromUtf8(texts::EnterSize);
const QString CalculatedHint = QString::fromUtf8(texts::Calculated);

} // namespace

bool ShapeOptions::rectangular() const
{
    return c_.rectangle->isChecked();
}

bool ShapeOptions::fixedSide() const
{
    return rectangular() && c_.fixedSide->isChecked();
}

bool ShapeOptions::waitsForFixedSide(const QWidget *sender) const
{
    return fixedSide() && sender != c_.fixedSideField;
}

void ShapeOptions::shapeChanged()
{
    const bool rectangle = rectangular();
    c_.fixedSide->setEnabled(rectangle);
    for (QLineEdit *side : c_.sides) {
        side->setEnabled(rectangle);
        SetFieldColour(side, rectangle);
    }
    SetReadOnlyLook(c_.diameterInput, rectangle);
    c_.diameterInput->setToolTip(rectangle ? CalculatedHint : SizeInputHint);
}

void ShapeOptions::fixedSideChanged()
{
    const bool fixed = c_.fixedSide->isChecked();
    SetReadOnlyLook(c_.fixedSideField, !fixed);
    c_.fixedSideField->setToolTip(fixed ? SizeInputHint : CalculatedHint);
    QWidget *target = fixed ? c_.fixedSideField : c_.afterFixedSide;
    if (FocusOrder::canTakeFocus(target))
        target->setFocus(Qt::OtherFocusReason);
}

} // namespace app::ui
