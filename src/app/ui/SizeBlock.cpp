#include "app/ui/SizeBlock.h"

#include "app/ui/FormControls.h"

#include <QLabel>
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

ResultColumn BuildResultColumn(QWidget *column, const QString &velocityCaption,
                               const QString &lossCaption, int fieldX, int fieldWidth,
                               const ResultColumnNames &names)
{
    const int unitX = fieldX + fieldWidth + 3;
    Label(column, velocityCaption, 6, 12);
    QLineEdit *velocity = Result(column, names.velocity, fieldX, 9, fieldWidth);
    Label(column, QStringLiteral("m/s"), unitX, 12);
    Label(column, lossCaption, 6, 47);
    QLineEdit *loss = Result(column, names.loss, fieldX, 44, fieldWidth);
    QLabel *lossUnit = Label(column, QStringLiteral("mmAq/m"), unitX, 47, names.lossUnit);
    return {velocity, loss, lossUnit};
}

} // namespace app::ui
