#pragma once

class QLabel;
class QRadioButton;
class QWidget;

namespace app::ui {

// The controls that exist once and travel between the duct, pipe and
// moist-air pages: the unit buttons, the four captions of the roughness and
// density fields, and the sizing-basis buttons. Their state is therefore one
// state for all those pages.
struct SharedControls
{
    QRadioButton *TaniButton1 = {}; // texts::ConventionalUnits
    QRadioButton *TaniButton2 = {}; // texts::SiUnits
    QLabel *Label27 = {};           // texts::Roughness
    QLabel *Label26 = {};           // "mm"
    QLabel *Label28 = {};           // texts::Density
    QLabel *Label25 = {};           // "kg/m3"
    QRadioButton *ssButton1 = {};   // texts::LossBasis: sizing on a target loss
    QRadioButton *ssButton2 = {};   // on a target velocity (air or water, by page)

    // TaniButton1 checked.
    bool conventionalUnits() const;
    // ssButton1 checked: Enter in a sizing field sizes on a target loss.
    bool lossBasis() const;
    // ssButton2 checked: the targets are labelled as velocities.
    bool velocityBasis() const;
    // The unit of a friction loss per metre in the unit system chosen.
    const char *lossUnit() const;
    // The caption of the unit system chosen, as its button reads.
    const char *unitSystemCaption() const;

    // Where the unit buttons stand in the duct and pipe pages' roughness
    // band, and the basis buttons in their sizing title bar, px.
    static constexpr int ConventionalButtonX = 389;
    static constexpr int SiButtonX = 470;
    static constexpr int LossBasisButtonX = 130;
    static constexpr int VelocityBasisButtonX = 220;

    // Creates them in their design places: unit buttons and captions in the
    // roughness band, basis buttons in the sizing title bar (both of the duct
    // page).
    void create(QWidget *roughnessBand, QWidget *sizingTitleBar);
};

} // namespace app::ui
