#pragma once

#include <QList>
#include <QString>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace app::ui {

// The shape and fixed-side options of a page that sizes rectangles and
// circles (the duct and outlet pages), and which size fields they let take
// input.
class ShapeOptions
{
public:
    struct Controls
    {
        QRadioButton *rectangle = {};
        QRadioButton *round = {};
        QCheckBox *fixedSide = {};
        // The side fields of both sections: a circle has none.
        QList<QLineEdit *> sides;
        // The sizing's first side: a result, or the fixed side typed.
        QLineEdit *fixedSideField = {};
        // Where the focus goes when the fixed side is switched off.
        QWidget *afterFixedSide = {};
        // The diameter of the second section: the rectangle's equivalent
        // diameter (a result), or a circle's diameter typed.
        QLineEdit *diameterInput = {};
    };

    explicit ShapeOptions(const Controls &controls) : c_(controls) {}

    bool rectangular() const;
    // A rectangle with its first side fixed.
    bool fixedSide() const;
    // With the fixed side on, Enter elsewhere in the sizing only moves on to
    // the fixed-side field, where the user types that side.
    bool waitsForFixedSide(const QWidget *sender) const;

    // The shape changed: the side fields and the fixed side rest for a
    // circle (the tick and the fixed-side field's state are kept for the
    // rectangle), and the diameter field takes input instead.
    void shapeChanged();
    // The fixed side was switched: its field takes input or shows a result,
    // and the focus goes to it or back to the sizing's first input.
    void fixedSideChanged();

private:
    Controls c_;
};

} // namespace app::ui
