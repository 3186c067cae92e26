#include "app/ui/SharedControls.h"

#include "app/ui/FormControls.h"

#include <QLabel>
#include <QRadioButton>

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

SharedControls SharedControls::create(QWidget *roughnessBand, QWidget *sizingTitleBar)
{
    SharedControls c;
    c.Label27 = form::Label(roughnessBand, QStringLiteral("絶対粗度"), 5, 5, "Label27");
    c.Label26 = form::Label(roughnessBand, QStringLiteral("mm"), 120, 5, "Label26");
    c.Label28 = form::Label(roughnessBand, QStringLiteral("流体比重"), 160, 5, "Label28");
    c.Label25 = form::Label(roughnessBand, QStringLiteral("kg/m3"), 275, 5, "Label25");
    c.TaniButton1 =
        form::Radio(roughnessBand, "TaniButton1", QStringLiteral("在来単位"), 389, 6, true);
    c.TaniButton2 = form::Radio(roughnessBand, "TaniButton2", QStringLiteral("ＳＩ単位"), 470, 6);
    c.ssButton1 =
        form::Radio(sizingTitleBar, "ssButton1", QStringLiteral("圧損基準"), 130, 2, true);
    c.ssButton2 = form::Radio(sizingTitleBar, "ssButton2", QStringLiteral("風速基準"), 220, 2);
    return c;
}
