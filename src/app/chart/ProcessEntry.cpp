#include "app/chart/ProcessEntry.h"

#include "chart/ChartTexts.h"
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app::chart {

namespace {

using ::chart::ProcessKind;

QLineEdit *NumberField(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(70);
    return edit;
}

} // namespace

ProcessEntry::ProcessEntry(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("ProcessKind"));
    for (const char *name : ::chart::texts::ProcessNames)
        kind_->addItem(QString::fromUtf8(name));
    from_ = new QComboBox(this);
    from_->setObjectName(QStringLiteral("ProcessFrom"));
    to_ = new QComboBox(this);
    to_->setObjectName(QStringLiteral("ProcessTo"));
    toLabel_ = new QLabel(QStringLiteral("→"), this);
    valueLabel_ = new QLabel(this);
    value_ = NumberField(this, "ProcessValue");
    valueUnit_ = new QLabel(this);
    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("ProcessMode"));
    second_ = NumberField(this, "ProcessSecond");
    secondUnit_ = new QLabel(this);
    auto *add = new QPushButton(QStringLiteral("工程を追加"), this);
    add->setObjectName(QStringLiteral("AddProcessButton"));

    grid->addWidget(kind_, 0, 0);
    grid->addWidget(from_, 0, 1);
    grid->addWidget(toLabel_, 0, 2);
    grid->addWidget(to_, 0, 3);
    grid->addWidget(valueLabel_, 0, 4, Qt::AlignRight);
    grid->addWidget(value_, 0, 5);
    grid->addWidget(valueUnit_, 0, 6);
    grid->addWidget(mode_, 1, 1, 1, 3);
    grid->addWidget(second_, 1, 5);
    grid->addWidget(secondUnit_, 1, 6);
    grid->addWidget(add, 1, 7);
    grid->setColumnStretch(8, 1);

    connect(kind_, &QComboBox::currentIndexChanged, this, &ProcessEntry::kindChanged);
    connect(mode_, &QComboBox::currentIndexChanged, this, &ProcessEntry::kindChanged);
    connect(add, &QPushButton::clicked, this, &ProcessEntry::add);
    connect(value_, &QLineEdit::returnPressed, this, &ProcessEntry::add);
    connect(second_, &QLineEdit::returnPressed, this, &ProcessEntry::add);
    kindChanged();
}

void ProcessEntry::setPoints(const std::vector<std::pair<int, QString>> &points)
{
    for (QComboBox *box : {from_, to_}) {
        const QVariant kept = box->currentData();
        box->clear();
        for (const auto &[id, label] : points)
            box->addItem(label, id);
        const int i = box->findData(kept);
        if (i >= 0)
            box->setCurrentIndex(i);
        else if (box == to_ && box->count() > 1)
            box->setCurrentIndex(1);
    }
}

void ProcessEntry::kindChanged()
{
    const auto kind = static_cast<ProcessKind>(std::max(0, kind_->currentIndex()));
    const bool second = ::chart::TakesSecondPoint(kind);
    toLabel_->setText(kind == ProcessKind::Mixing ? QStringLiteral("＋") : QStringLiteral("→"));
    toLabel_->setVisible(second);
    to_->setVisible(second);

    const QSignalBlocker block(mode_);
    const int mode = mode_->currentIndex();
    mode_->clear();
    bool hasValue = true, hasSecond = false;
    switch (kind) {
    case ProcessKind::Change:
    case ProcessKind::Mixing:
        hasValue = false;
        break;
    case ProcessKind::Coil:
        valueLabel_->setText(QStringLiteral("ADP"));
        valueUnit_->setText(QStringLiteral("℃"));
        mode_->addItems({QStringLiteral("バイパスファクタ"), QStringLiteral("出口乾球温度")});
        mode_->setCurrentIndex(mode == 1 ? 1 : 0);
        hasSecond = true;
        secondUnit_->setText(mode_->currentIndex() == 1 ? QStringLiteral("℃") : QString());
        break;
    case ProcessKind::Heating:
        valueLabel_->setText(QStringLiteral("乾球温度"));
        valueUnit_->setText(QStringLiteral("℃ まで"));
        break;
    case ProcessKind::SteamHumidifier:
    case ProcessKind::SprayHumidifier:
        mode_->addItems({QStringLiteral("相対湿度"), QStringLiteral("絶対湿度")});
        mode_->setCurrentIndex(mode == 1 ? 1 : 0);
        valueLabel_->setText(QString());
        valueUnit_->setText(mode_->currentIndex() == 1 ? QStringLiteral("kg/kg まで")
                                                       : QStringLiteral("％ まで"));
        break;
    case ProcessKind::ShfLine:
        valueLabel_->setText(QStringLiteral("SHF"));
        valueUnit_->setText(QString());
        break;
    }
    valueLabel_->setVisible(hasValue);
    value_->setVisible(hasValue);
    valueUnit_->setVisible(hasValue);
    mode_->setVisible(mode_->count() > 0);
    second_->setVisible(hasSecond);
    secondUnit_->setVisible(hasSecond);
}

void ProcessEntry::add()
{
    ::chart::ProcessDefinition d;
    d.kind = static_cast<ProcessKind>(std::max(0, kind_->currentIndex()));
    d.from = from_->currentData().toInt();
    d.to = to_->currentData().toInt();
    if (!d.from || (::chart::TakesSecondPoint(d.kind) && (!d.to || d.to == d.from))) {
        emit refused(QStringLiteral("点を選んで下さい。"));
        return;
    }
    try {
        if (!value_->isHidden())
            d.value = numeric::ParsePlainNumber(value_->text().toStdString());
        if (!second_->isHidden())
            d.second = numeric::ParsePlainNumber(second_->text().toStdString());
    } catch (const numeric::Failure &) {
        emit refused(QStringLiteral("数値を入力して下さい。"));
        return;
    }
    d.coilByLeavingDryBulb = d.kind == ProcessKind::Coil && mode_->currentIndex() == 1;
    d.target = mode_->currentIndex() == 1 ? air::HumidifyTarget::HumidityRatio
                                          : air::HumidifyTarget::RelativeHumidity;
    emit addRequested(d);
}

} // namespace app::chart
