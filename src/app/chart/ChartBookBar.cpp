#include "app/chart/ChartBookBar.h"

#include "air/AirTexts.h"
#include "air/AtmosphericPressure.h"
#include "app/ui/UiTexts.h"
#include "chart/ChartTexts.h"
#include "document/Limits.h"
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <cmath>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace app::chart {

namespace {

using ::document::PressureBasis;

QPushButton *Button(QWidget *parent, const QString &text, const char *name)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QString Number(long double value, int decimals)
{
    return QString::fromStdString(numeric::FormatGeneral(
        static_cast<long double>(std::round(static_cast<double>(value) * std::pow(10, decimals)) /
                                 std::pow(10, decimals)),
        15));
}

} // namespace

ChartBookBar::ChartBookBar(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 4, 0, 0);
    auto *caption = new QLabel(QStringLiteral("線図(&Z):"), this);
    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("ChartSelector"));
    selector_->setMinimumContentsLength(12);
    selector_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    caption->setBuddy(selector_);
    row->addWidget(caption);
    row->addWidget(selector_);
    auto *add = Button(this, QString::fromUtf8(ui::texts::Add), "ChartAddChart");
    auto *rename = Button(this, QString::fromUtf8(ui::texts::Rename) + QStringLiteral("..."),
                          "ChartRenameChart");
    auto *duplicate = Button(this, QString::fromUtf8(ui::texts::Duplicate), "ChartDuplicateChart");
    delete_ = Button(this, QStringLiteral("削除..."), "ChartDeleteChart");
    for (QPushButton *b : {add, rename, duplicate, delete_})
        row->addWidget(b);
    row->addSpacing(16);

    auto *pressure = new QLabel(QStringLiteral("気圧(&P):"), this);
    basis_ = new QComboBox(this);
    basis_->setObjectName(QStringLiteral("ChartPressureBasis"));
    basis_->addItems({QString::fromUtf8(::chart::texts::StandardPressure),
                      QStringLiteral("特定大気圧"), QStringLiteral("特定海抜")});
    pressure->setBuddy(basis_);
    value_ = new QLineEdit(this);
    value_->setObjectName(QStringLiteral("ChartPressureValue"));
    value_->setFixedWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12);
    value_->setAlignment(Qt::AlignRight);
    unit_ = new QLabel(this);
    unit_->setMinimumWidth(unit_->fontMetrics().horizontalAdvance(QStringLiteral("mmHg")) + 4);
    row->addWidget(pressure);
    row->addWidget(basis_);
    row->addWidget(value_);
    row->addWidget(unit_);
    row->addStretch(1);

    connect(selector_, &QComboBox::activated, this, &ChartBookBar::chartChosen);
    connect(add, &QPushButton::clicked, this, &ChartBookBar::addRequested);
    connect(rename, &QPushButton::clicked, this, &ChartBookBar::renameRequested);
    connect(duplicate, &QPushButton::clicked, this, &ChartBookBar::duplicateRequested);
    connect(delete_, &QPushButton::clicked, this, &ChartBookBar::deleteRequested);
    connect(basis_, &QComboBox::currentIndexChanged, this, [this](int basis) {
        showBasis(basis);
        // The standard atmosphere needs no value; the others wait for one.
        if (basis == 0)
            emit atmosphereTyped();
        else {
            value_->setFocus();
            value_->selectAll();
        }
    });
    connect(value_, &QLineEdit::returnPressed, this, &ChartBookBar::atmosphereTyped);
}

void ChartBookBar::showCharts(const QStringList &names, int shown)
{
    const QSignalBlocker quiet(selector_);
    selector_->clear();
    selector_->addItems(names);
    selector_->setCurrentIndex(shown);
    delete_->setEnabled(names.size() > 1);
}

void ChartBookBar::showBasis(int basis)
{
    value_->setEnabled(basis != 0);
    if (basis == 2)
        unit_->setText(QStringLiteral("m"));
    else
        unit_->setText(conventional_ ? QStringLiteral("mmHg") : QStringLiteral("kPa"));
}

void ChartBookBar::showAtmosphere(const ::document::Atmosphere &atmosphere, bool conventional)
{
    conventional_ = conventional;
    const int basis = static_cast<int>(atmosphere.basis);
    {
        const QSignalBlocker quiet(basis_);
        basis_->setCurrentIndex(basis);
    }
    showBasis(basis);
    switch (atmosphere.basis) {
    case PressureBasis::Standard:
        value_->setText(conventional ? QStringLiteral("760")
                                     : Number(760 * numeric::KPaPerMmHg, 3));
        break;
    case PressureBasis::Given:
        value_->setText(conventional ? Number(atmosphere.pressure, 3)
                                     : Number(atmosphere.pressure * numeric::KPaPerMmHg, 3));
        break;
    case PressureBasis::Altitude:
        value_->setText(Number(atmosphere.altitude, 3));
        break;
    }
}

ChartBookBar::Typed ChartBookBar::typedAtmosphere() const
{
    ::document::Atmosphere atmosphere;
    atmosphere.basis = static_cast<PressureBasis>(basis_->currentIndex());
    if (atmosphere.basis == PressureBasis::Standard)
        return {atmosphere, {}};
    long double typed = 0.0L;
    try {
        typed = numeric::ParsePlainNumber(value_->text().toStdString());
    } catch (const numeric::Failure &) {
        return {{}, QString::fromUtf8(air::texts::EnterNumber)};
    }
    if (atmosphere.basis == PressureBasis::Altitude) {
        if (typed < ::document::limits::Altitude.low || typed > ::document::limits::Altitude.high ||
            !air::AltitudePressure(typed))
            return {{}, QStringLiteral("この海抜の気圧は求められません。")};
        atmosphere.altitude = typed;
        return {atmosphere, {}};
    }
    atmosphere.pressure = conventional_ ? typed : typed / numeric::KPaPerMmHg;
    if (!(atmosphere.pressure >= ::document::limits::Pressure.low) ||
        atmosphere.pressure > ::document::limits::Pressure.high)
        return {{}, QStringLiteral("気圧を確かめて下さい。")};
    return {atmosphere, {}};
}

} // namespace app::chart
