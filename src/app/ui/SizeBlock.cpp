#include "app/ui/SizeBlock.h"

#include "app/ui/FormControls.h"

#include <QLineEdit>

namespace app::ui {

void LayOutSizeBlock(QWidget *column, const QString &heading, const SizeBlockGeometry &g,
                     QLineEdit *sideA, QLineEdit *sideB, QLineEdit *diameter)
{
    // Captions sit 3 px lower than the fields, so that their text lines up.
    constexpr int CaptionDrop = 3;
    Label(column, heading, g.headingX, g.headingY);
    sideA->setGeometry(g.firstX, g.sideY, g.width, EditHeight);
    Label(column, QStringLiteral("Ｘ"), g.crossX, g.sideY + CaptionDrop);
    sideB->setGeometry(g.secondX, g.sideY, g.width, EditHeight);
    Label(column, QStringLiteral("mm"), g.unitX, g.sideY + CaptionDrop);
    Label(column, QStringLiteral("φ＝"), g.phiX, g.diameterY + CaptionDrop);
    diameter->setGeometry(g.secondX, g.diameterY, g.width, EditHeight);
    Label(column, QStringLiteral("mm"), g.unitX, g.diameterY + CaptionDrop);
}

} // namespace app::ui
