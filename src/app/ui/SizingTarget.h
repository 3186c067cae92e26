#pragma once

#include <QList>
#include <QString>

class QLabel;
class QLineEdit;

namespace app::ui {

struct SharedControls;
struct UnitFactors;

// The target of a sizing page (duct, pipe) and its friction losses: the
// target field holds a loss per metre on the loss basis and a velocity on
// the velocity basis, with a caption, unit and hint to match; the losses of
// both sections follow the unit system.
class SizingTarget
{
public:
    struct Controls
    {
        QLabel *caption = {};
        QLineEdit *field = {};
        QLabel *unit = {};
        // What the target is called on the velocity basis, and its hint.
        QString velocityCaption;
        QString velocityHint;
        // The losses the page shows, each with its unit's label.
        QList<QLineEdit *> losses;
        QList<QLabel *> lossUnits;
    };

    SizingTarget(const SharedControls &shared, Controls controls);

    // The sizing basis changed: the target's caption, unit and hint.
    void showBasis();
    // The focus to the target, where it can take it.
    void focus();
    // The unit system changed: the loss units' captions, and the target's on
    // the loss basis (on the velocity basis it holds a velocity).
    void relabelUnits();
    // Then the losses' values, and the target's on the loss basis.
    void convertUnits(const UnitFactors &factor);

private:
    const SharedControls &shared_;
    Controls c_;
};

} // namespace app::ui
