#pragma once

#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace app::losssheet {

class LossSheetModel;

// The conditions of the system shown, above its sections, in three rows:
// name, material with its roughness, density (a duct's air, a pipe's water
// at the temperature chosen), sizing rule and target in the window's unit,
// the shape of a sized duct (round, square, one side fixed, an aspect
// ratio), a pipe system's static head and terminal pressure, and the margin.
// A number field takes the window's expressions when it is left or Enter is
// pressed; one that is no number is reported and changes nothing.
class ConditionsPanel : public QWidget
{
    Q_OBJECT

public:
    ConditionsPanel(LossSheetModel &sheet, QWidget *parent = nullptr);

    // Shows the conditions of a system (-1: none, every field disabled).
    void showSystem(int index);
    void setUnits(::losssheet::UnitSystem units);

signals:
    // A typed value could not be taken.
    void refused(const QString &message);

private:
    // A number field: read when left or on Enter, and given to `store`.
    QLineEdit *numberField(const char *name, const QString &caption,
                           std::function<void(::losssheet::System &, long double)> store,
                           bool optional = false);
    void commitNumber(QLineEdit *field);
    void edit(const std::function<void(::losssheet::System &)> &change);
    void refresh();
    void showTargetCaption(const ::losssheet::System &s);

    LossSheetModel &sheet_;
    int system_ = -1;
    ::losssheet::UnitSystem units_ = ::losssheet::UnitSystem::Conventional;
    bool showing_ = false; // the fields are being filled from the system

    QLineEdit *name_ = {};
    QLabel *materialLabel_ = {};
    QComboBox *ductMaterial_ = {};
    QComboBox *pipeMaterial_ = {};
    QLineEdit *roughness_ = {};
    QWidget *temperatureBox_ = {};
    QComboBox *temperature_ = {};
    QLabel *densityLabel_ = {};
    QLineEdit *density_ = {};
    QComboBox *basis_ = {};
    QLabel *targetLabel_ = {};
    QLineEdit *target_ = {};
    QLabel *targetUnit_ = {};
    QWidget *shapeBox_ = {};
    QComboBox *shape_ = {};
    QLineEdit *shapeValue_ = {};
    QLabel *shapeUnit_ = {};
    QWidget *pumpBox_ = {};
    QLineEdit *staticHead_ = {};
    QLineEdit *terminalPressure_ = {};
    QLineEdit *margin_ = {};
};

// A condition's value as its field shows it: with the 3 decimals the pages
// write their fields in when that is the value exactly ("1.200", "0.180"),
// else in full.
QString ConditionText(long double value);

} // namespace app::losssheet
