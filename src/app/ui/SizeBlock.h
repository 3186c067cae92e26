#pragma once

#include <QString>

#include <tuple>

class QLabel;
class QLineEdit;
class QWidget;

namespace app::ui {

// Where the parts of a size block stand in its column, px: the heading, the
// row "A Ｘ B mm" and below it the row "φ＝ D mm".
struct SizeBlockGeometry
{
    int headingX;
    int headingY;
    int sideY;     // top of the side fields
    int diameterY; // top of the diameter field
    int firstX;    // the first side field
    int secondX;   // the second side field and the diameter field
    int width;     // of each field
    int crossX;    // "Ｘ"
    int unitX;     // both "mm"
    int phiX;      // "φ＝"
};

// Lays out the size block of a section: a heading, the two side fields of a
// rectangle joined by "Ｘ", and the diameter field after "φ＝", each row
// ending in "mm". The fields are made by the caller (inputs or results);
// this places them and adds the captions.
void LayOutSizeBlock(QWidget *column, const QString &heading, const SizeBlockGeometry &g,
                     QLineEdit *sideA, QLineEdit *sideB, QLineEdit *diameter);

// The right column of a duct or pipe section: the velocity field, the loss
// field and the label of the loss's unit (which follows the unit system),
// each field after its caption and before its unit.
using ResultColumn = std::tuple<QLineEdit *, QLineEdit *, QLabel *>;

// The objectNames of a result column's fields and of the loss's unit.
struct ResultColumnNames
{
    const char *velocity;
    const char *loss;
    const char *lossUnit;
};

// Builds a result column in `column`, for std::tie: the captions at the left, the two
// fields at fieldX, fieldWidth px wide, their units just after them.
ResultColumn BuildResultColumn(QWidget *column, const QString &velocityCaption,
                               const QString &lossCaption, int fieldX, int fieldWidth,
                               const ResultColumnNames &names);

} // namespace app::ui
