#include "app/ui/SharedControls.h"

#include "app/ui/FormControls.h"
#include "app/ui/PageGeometry.h"
#include "app/ui/UiTexts.h"

#include <QLabel>
#include <QRadioButton>

namespace app::ui {

bool SharedControls::conventionalUnits() const
{
    return TaniButton1->isChecked();
}

bool SharedControls::lossBasis() const
{
    return ssButton1->isChecked();
}

bool SharedControls::velocityBasis() const
{
    return ssButton2->isChecked();
}

const char *SharedControls::lossUnit() const
{
    return conventionalUnits() ? "mmAq/m" : "Pa/m";
}

const char *SharedControls::unitSystemCaption() const
{
    return conventionalUnits() ? texts::ConventionalUnits : texts::SiUnits;
}

void SharedControls::create(QWidget *roughnessBand, QWidget *sizingTitleBar)
{
    Label27 = Label(roughnessBand, QString::fromUtf8(texts::Roughness), 5, 5, "Label27");
    Label26 = Label(roughnessBand, QStringLiteral("mm"), 120, 5, "Label26");
    Label28 = Label(roughnessBand, QString::fromUtf8(texts::Density), 160, 5, "Label28");
    Label25 = Label(roughnessBand, QStringLiteral("kg/m3"), 275, 5, "Label25");
    TaniButton1 = Radio(roughnessBand, "TaniButton1", QString::fromUtf8(texts::ConventionalUnits),
                        ConventionalButtonX, BandButtonY, true);
    TaniButton2 = Radio(roughnessBand, "TaniButton2", QString::fromUtf8(texts::SiUnits), SiButtonX,
                        BandButtonY);
    ssButton1 = Radio(sizingTitleBar, "ssButton1", QString::fromUtf8(texts::LossBasis),
                      LossBasisButtonX, TitleBarButtonY, true);
    ssButton2 = Radio(sizingTitleBar, "ssButton2", QString::fromUtf8(texts::AirVelocityBasis),
                      VelocityBasisButtonX, TitleBarButtonY);
}

} // namespace app::ui
