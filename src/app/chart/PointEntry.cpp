#include "app/chart/PointEntry.h"
#include "app/chart/NumberField.h"

#include "air/AirTexts.h"
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app::chart {

PointEntry::PointEntry(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    addCurrent_ = new QPushButton(QStringLiteral("点を追加"), this);
    addCurrent_->setObjectName(QStringLiteral("AddPointButton"));
    addCurrent_->setToolTip(
        QStringLiteral("空気の状態値計算で最後に求めた状態を一覧に加えます（Ins）。"));
    addCurrent_->setEnabled(false);
    row->addWidget(addCurrent_);
    row->addSpacing(12);

    row->addWidget(new QLabel(QString::fromUtf8(air::texts::DryBulb), this));
    dryBulb_ = new NumberField("TypedDryBulb", this);
    dryBulb_->setToolTip(QString::fromUtf8(air::texts::EnterNumberHint));
    row->addWidget(dryBulb_);
    row->addWidget(new QLabel(QString::fromUtf8(air::texts::Celsius), this));
    property_ = new QComboBox(this);
    property_->setObjectName(QStringLiteral("TypedProperty"));
    for (const char *given :
         {air::texts::WetBulb, air::texts::RelativeHumidity, air::texts::HumidityRatio,
          air::texts::DewPoint, air::texts::GivenEnthalpy})
        property_->addItem(QString::fromUtf8(given));
    property_->setCurrentIndex(1);
    row->addWidget(property_);
    value_ = new NumberField("TypedValue", this);
    value_->setToolTip(QStringLiteral("数値を入力して、ENTERキーで点を加えます。"));
    row->addWidget(value_);
    unit_ = new QLabel(this);
    unit_->setObjectName(QStringLiteral("TypedUnit"));
    unit_->setMinimumWidth(48);
    row->addWidget(unit_);
    auto *add = new QPushButton(QStringLiteral("入力点を追加"), this);
    add->setObjectName(QStringLiteral("AddTypedPointButton"));
    row->addWidget(add);
    row->addStretch(1);
    // Left to right along the row.
    setTabOrder(addCurrent_, dryBulb_);
    setTabOrder(dryBulb_, property_);
    setTabOrder(property_, value_);
    setTabOrder(value_, add);

    connect(addCurrent_, &QPushButton::clicked, this, &PointEntry::addCurrentRequested);
    connect(add, &QPushButton::clicked, this, &PointEntry::addTyped);
    connect(value_, &QLineEdit::returnPressed, this, &PointEntry::addTyped);
    connect(dryBulb_, &QLineEdit::returnPressed, value_, [this] { value_->setFocus(); });
    connect(property_, &QComboBox::currentIndexChanged, this, &PointEntry::updateUnit);
    updateUnit();
}

void PointEntry::setConventionalUnits(bool conventional)
{
    conventional_ = conventional;
    updateUnit();
}

void PointEntry::setCurrentAvailable(bool available)
{
    addCurrent_->setEnabled(available);
}

void PointEntry::selectValue()
{
    value_->setFocus();
    value_->selectAll();
}

void PointEntry::updateUnit()
{
    using namespace air::texts;
    const char *units[::chart::GivenCount] = {Celsius, Percent, HumidityRatioUnit, Celsius,
                                              EnthalpyUnit(conventional_)};
    const int i = property_->currentIndex();
    unit_->setText(QString::fromUtf8(units[i < 0 ? 0 : i]));
}

void PointEntry::addTyped()
{
    ::chart::PointDefinition d;
    try {
        d.dryBulb = numeric::ParsePlainNumber(dryBulb_->text().toStdString());
        d.value = numeric::ParsePlainNumber(value_->text().toStdString());
    } catch (const numeric::Failure &) {
        emit refused(QString::fromUtf8(air::texts::EnterNumber));
        return;
    }
    d.given = static_cast<::chart::Given>(std::max(0, property_->currentIndex()));
    // Enthalpy is typed in the window's unit, as on the moist-air page.
    if (d.given == ::chart::Given::Enthalpy && !conventional_)
        d.value = (numeric::Real(d.value) / numeric::KJPerKcal).value();
    emit addTypedRequested(d);
}

} // namespace app::chart
