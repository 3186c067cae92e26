#pragma once

#include "chart/StatePoints.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app::chart {

// The row above the point list: a button that adds the moist-air page's
// current state, and a typed point, the dry bulb and one second property as on the
// page.
class PointEntry : public QWidget
{
    Q_OBJECT

public:
    explicit PointEntry(QWidget *parent = nullptr);

    void setConventionalUnits(bool conventional);
    void setCurrentAvailable(bool available);

    QPushButton *addCurrentButton() const { return addCurrent_; }
    // After a refused point: the value, selected, to be typed again.
    void selectValue();

signals:
    void addCurrentRequested();
    void addTypedRequested(const ::chart::PointDefinition &definition);
    void refused(const QString &reason);

private:
    void addTyped();
    void updateUnit();

    QPushButton *addCurrent_ = {};
    QLineEdit *dryBulb_ = {};
    QComboBox *property_ = {};
    QLineEdit *value_ = {};
    QLabel *unit_ = {};
    bool conventional_ = true;
};

} // namespace app::chart
