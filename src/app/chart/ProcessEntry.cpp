#include "app/chart/ProcessEntry.h"
#include "app/chart/NumberField.h"

#include "air/AirTexts.h"
#include "chart/ChartTexts.h"
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app::chart {

namespace {

using ::chart::ProcessKind;

bool IsHumidifier(ProcessKind kind)
{
    return kind == ProcessKind::SteamHumidifier || kind == ProcessKind::SprayHumidifier;
}

} // namespace

// The points both lists choose from, in one model: a long diagram is handed
// over at once instead of item by item to each list.
class ProcessEntry::PointChoices : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    // False when the points are the ones shown already.
    bool set(const std::vector<std::pair<int, QString>> &points)
    {
        if (points == points_)
            return false;
        beginResetModel();
        points_ = points;
        endResetModel();
        return true;
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(points_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= static_cast<int>(points_.size()))
            return {};
        const auto &[id, label] = points_[index.row()];
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return label;
        if (role == Qt::UserRole)
            return id;
        return {};
    }

private:
    std::vector<std::pair<int, QString>> points_;
};

ProcessEntry::ProcessEntry(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("ProcessKind"));
    for (const char *name : ::chart::texts::ProcessNames)
        kind_->addItem(QString::fromUtf8(name));
    choices_ = new PointChoices(this);
    from_ = new QComboBox(this);
    from_->setObjectName(QStringLiteral("ProcessFrom"));
    from_->setModel(choices_);
    to_ = new QComboBox(this);
    to_->setObjectName(QStringLiteral("ProcessTo"));
    to_->setModel(choices_);
    toLabel_ = new QLabel(QStringLiteral("→"), this);
    valueLabel_ = new QLabel(this);
    value_ = new NumberField("ProcessValue", this);
    valueUnit_ = new QLabel(this);
    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("ProcessMode"));
    second_ = new NumberField("ProcessSecond", this);
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
    // Along the first row, then the second, left to right.
    setTabOrder(kind_, from_);
    setTabOrder(from_, to_);
    setTabOrder(to_, value_);
    setTabOrder(value_, mode_);
    setTabOrder(mode_, second_);
    setTabOrder(second_, add);

    connect(kind_, &QComboBox::currentIndexChanged, this, &ProcessEntry::kindChanged);
    connect(mode_, &QComboBox::currentIndexChanged, this, &ProcessEntry::kindChanged);
    connect(add, &QPushButton::clicked, this, &ProcessEntry::add);
    connect(value_, &QLineEdit::returnPressed, this, &ProcessEntry::add);
    connect(second_, &QLineEdit::returnPressed, this, &ProcessEntry::add);
    kindChanged();
}

void ProcessEntry::setPoints(const std::vector<std::pair<int, QString>> &points)
{
    const QVariant kept[2] = {from_->currentData(), to_->currentData()};
    if (!choices_->set(points))
        return;
    for (QComboBox *box : {from_, to_}) {
        const int i = box->findData(kept[box == to_ ? 1 : 0]);
        if (i >= 0)
            box->setCurrentIndex(i);
        else if (box == to_ && box->count() > 1)
            box->setCurrentIndex(1);
        else
            box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    }
}

QString ProcessEntry::valueSlot(int kind, int mode)
{
    // A humidifier's value is a relative humidity or a humidity ratio by
    // its mode; the others' means one thing.
    const bool byMode = IsHumidifier(static_cast<ProcessKind>(kind));
    return QStringLiteral("value/%1/%2").arg(kind).arg(byMode ? mode : 0);
}

QString ProcessEntry::secondSlot(int kind, int mode)
{
    return QStringLiteral("second/%1/%2").arg(kind).arg(mode);
}

void ProcessEntry::kindChanged()
{
    const int kindIndex = std::max(0, kind_->currentIndex());
    const auto kind = static_cast<ProcessKind>(kindIndex);
    const bool second = ::chart::TakesSecondPoint(kind);
    toLabel_->setText(kind == ProcessKind::Mixing ? QStringLiteral("＋") : QStringLiteral("→"));
    toLabel_->setVisible(second);
    to_->setVisible(second);

    // Each kind, and each mode of it, keeps the values last typed for it.
    if (shownKind_ >= 0) {
        kept_[valueSlot(shownKind_, shownMode_)] = value_->text();
        kept_[secondSlot(shownKind_, shownMode_)] = second_->text();
        modeOfKind_[shownKind_] = shownMode_;
    }
    const QSignalBlocker block(mode_);
    const int mode =
        kindIndex == shownKind_ ? std::max(0, mode_->currentIndex()) : modeOfKind_.value(kindIndex);
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
        valueLabel_->setText(QString::fromUtf8(air::texts::DryBulb));
        valueUnit_->setText(QStringLiteral("℃ まで"));
        break;
    case ProcessKind::SteamHumidifier:
    case ProcessKind::SprayHumidifier:
        mode_->addItems({QString::fromUtf8(air::texts::RelativeHumidity),
                         QString::fromUtf8(air::texts::HumidityRatio)});
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

    shownKind_ = kindIndex;
    shownMode_ = std::max(0, mode_->currentIndex());
    value_->setText(kept_.value(valueSlot(shownKind_, shownMode_)));
    second_->setText(kept_.value(secondSlot(shownKind_, shownMode_)));
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
        emit refused(QString::fromUtf8(air::texts::EnterNumber));
        return;
    }
    d.coilByLeavingDryBulb = d.kind == ProcessKind::Coil && mode_->currentIndex() == 1;
    d.target = mode_->currentIndex() == 1 ? air::HumidifyTarget::HumidityRatio
                                          : air::HumidifyTarget::RelativeHumidity;
    emit addRequested(d);
}

} // namespace app::chart
