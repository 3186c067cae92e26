#include "app/losssheet/ConditionsPanel.h"

#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/TypedNumbers.h"
#include "app/losssheet/Utf8.h"
#include "app/ui/FormControls.h"
#include "app/ui/UiTexts.h"
#include "flow/DuctMaterials.h"
#include "flow/DuctTexts.h"
#include "losssheet/CaptionTexts.h"
#include "losssheet/PageFields.h"
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"
#include "pipe/PipeTables.h"
#include "pipe/PipeTexts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <limits>

namespace app::losssheet {

namespace {

using ::losssheet::DuctShape;
using ::losssheet::SizingBasis;
using ::losssheet::System;
using ::losssheet::SystemKind;

const char *const CaptionProperty = "caption";
const char *const OptionalProperty = "optional";

QLabel *Caption(QWidget *parent, const QString &text)
{
    return new QLabel(text, parent);
}

// A small row of widgets, for the parts one kind of system shows.
QWidget *Group(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : widgets) {
        w->setParent(box);
        row->addWidget(w);
    }
    return box;
}

QComboBox *List(QWidget *parent, const char *name, const QStringList &items)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    return list;
}

} // namespace

QString ConditionText(long double value)
{
    const std::string fixed = numeric::FormatFixed(value, numeric::ResultDecimals);
    try {
        if (numeric::ParsePlainNumber(fixed) == value)
            return QString::fromStdString(fixed);
    } catch (const numeric::Failure &) {
    }
    return QString::fromStdString(numeric::FormatGeneral15(value));
}

ConditionsPanel::ConditionsPanel(LossSheetModel &sheet, QWidget *parent)
    : QWidget(parent), sheet_(sheet)
{
    setObjectName(QStringLiteral("SystemConditions"));
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(4);
    auto *first = new QHBoxLayout;
    auto *second = new QHBoxLayout;
    auto *third = new QHBoxLayout;
    rows->addLayout(first);
    rows->addLayout(second);
    rows->addLayout(third);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("SystemName"));
    name_->setMinimumWidth(120);
    name_->setMaxLength(std::numeric_limits<int>::max());
    connect(name_, &QLineEdit::editingFinished, this, [this] {
        if (showing_ || system_ < 0)
            return;
        const QString name = name_->text().trimmed();
        if (name.isEmpty()) {
            emit refused(QStringLiteral("系統名を入力して下さい。"));
            refresh();
            return;
        }
        if (Utf8(sheet_.system(system_).name) != name)
            edit([&](System &s) { s.name = name.toStdString(); });
    });

    QStringList ductItems;
    for (std::string_view item : flow::DuctMaterialItems())
        ductItems << Utf8(item).trimmed();
    ductMaterial_ = List(this, "DuctMaterial", ductItems);
    connect(ductMaterial_, &QComboBox::activated, this, [this](int i) {
        edit([i](System &s) {
            s.duct.material = i;
            s.duct.roughness = ::losssheet::DuctRoughnessAsShown(i);
        });
    });
    QStringList pipeItems;
    for (std::string_view item : pipes::PipeMaterialItems())
        pipeItems << Utf8(item).trimmed();
    pipeMaterial_ = List(this, "PipeMaterial", pipeItems);
    connect(pipeMaterial_, &QComboBox::activated, this, [this](int i) {
        edit([i](System &s) {
            s.pipe.material = i;
            s.pipe.roughness = ::losssheet::PipeRoughnessAsShown(i);
        });
    });
    QStringList temperatures;
    for (std::string_view item : pipes::WaterTemperatureItems())
        temperatures << Utf8(item).trimmed();
    temperature_ = List(this, "WaterTemperature", temperatures);
    connect(temperature_, &QComboBox::activated, this, [this](int i) {
        edit([i](System &s) {
            s.pipe.temperature = i;
            s.pipe.density = ::losssheet::WaterDensityAsShown(i);
        });
    });

    roughness_ = numberField("Roughness", Utf8(ui::texts::Roughness), [](System &s, long double v) {
        (s.kind == SystemKind::Duct ? s.duct.roughness : s.pipe.roughness) = v;
    });
    density_ = numberField("Density", QStringLiteral("密度"), [](System &s, long double v) {
        (s.kind == SystemKind::Duct ? s.duct.density : s.pipe.density) = v;
    });
    basis_ =
        List(this, "SizingBasis", {Utf8(ui::texts::LossBasis), Utf8(ui::texts::AirVelocityBasis)});
    connect(basis_, &QComboBox::activated, this, [this](int i) {
        const SizingBasis basis = i == 0 ? SizingBasis::Loss : SizingBasis::Velocity;
        edit([basis](System &s) {
            (s.kind == SystemKind::Duct ? s.duct.sizing : s.pipe.sizing).basis = basis;
        });
    });
    target_ = numberField(
        "SizingTarget", Utf8(ui::texts::Target),
        [](System &s, long double v) {
            (s.kind == SystemKind::Duct ? s.duct.sizing : s.pipe.sizing).target = v;
        },
        true);
    shape_ = List(this, "DuctShape",
                  {Utf8(ui::texts::Round), Utf8(::losssheet::texts::RectangleOrSquare),
                   QStringLiteral("長方形（一辺固定）"), QStringLiteral("長方形（縦横比）")});
    connect(shape_, &QComboBox::activated, this,
            [this](int i) { edit([i](System &s) { s.duct.shape = static_cast<DuctShape>(i); }); });
    shapeValue_ =
        numberField("ShapeValue", QStringLiteral("形状の値"), [](System &s, long double v) {
            if (s.duct.shape == DuctShape::AspectRatio)
                s.duct.aspectRatio = v;
            else
                s.duct.fixedSide = v;
        });
    staticHead_ = numberField("StaticHead", Utf8(::losssheet::texts::StaticHead),
                              [](System &s, long double v) { s.pipe.staticHead = v; });
    terminalPressure_ = numberField("TerminalPressure", Utf8(::losssheet::texts::TerminalPressure),
                                    [](System &s, long double v) { s.pipe.terminalPressure = v; });
    margin_ = numberField("MarginEdit", Utf8(::losssheet::texts::Margin),
                          [](System &s, long double v) { s.marginPercent = v; });

    materialLabel_ = Caption(this, Utf8(::losssheet::texts::DuctMaterial));
    densityLabel_ = Caption(this, Utf8(::losssheet::texts::AirDensity));
    targetLabel_ = Caption(this, Utf8(ui::texts::TargetLoss));
    targetUnit_ = Caption(this, QStringLiteral("mmAq/m"));
    shapeUnit_ = Caption(this, QStringLiteral("mm"));
    for (QLineEdit *e :
         {roughness_, density_, target_, shapeValue_, staticHead_, terminalPressure_, margin_})
        e->setMaximumWidth(72);

    // Three short rows, so that the window fits a small screen at 200 %.
    first->addWidget(Caption(this, Utf8(::losssheet::texts::SystemName)));
    first->addWidget(name_, 2);
    first->addSpacing(12);
    first->addWidget(materialLabel_);
    first->addWidget(ductMaterial_, 3);
    first->addWidget(pipeMaterial_, 3);
    for (QComboBox *list : {ductMaterial_, pipeMaterial_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(12);
    }

    second->addWidget(Caption(this, QStringLiteral("粗度")));
    second->addWidget(roughness_);
    second->addWidget(Caption(this, QStringLiteral("mm")));
    second->addSpacing(12);
    temperatureBox_ = Group(this, {Caption(nullptr, Utf8(pipes::texts::WaterTemperature)),
                                   temperature_, Caption(nullptr, QStringLiteral("℃"))});
    second->addWidget(temperatureBox_);
    second->addWidget(densityLabel_);
    second->addWidget(density_);
    second->addWidget(Caption(this, QStringLiteral("kg/m3")));
    second->addSpacing(12);
    second->addWidget(Caption(this, Utf8(::losssheet::texts::Margin)));
    second->addWidget(margin_);
    second->addWidget(Caption(this, QStringLiteral("%")));
    second->addStretch(1);

    third->addWidget(Caption(this, Utf8(::losssheet::texts::SizingMethod)));
    third->addWidget(basis_);
    third->addWidget(targetLabel_);
    third->addWidget(target_);
    third->addWidget(targetUnit_);
    third->addSpacing(12);
    shapeBox_ =
        Group(this, {Caption(nullptr, Utf8(ui::texts::Shape)), shape_, shapeValue_, shapeUnit_});
    third->addWidget(shapeBox_);
    pumpBox_ = Group(this, {Caption(nullptr, Utf8(::losssheet::texts::StaticHead)), staticHead_,
                            Caption(nullptr, QStringLiteral("m")),
                            Caption(nullptr, Utf8(::losssheet::texts::TerminalPressure)),
                            terminalPressure_, Caption(nullptr, QStringLiteral("kPa"))});
    third->addWidget(pumpBox_);
    third->addStretch(1);

    showSystem(-1);
}

QLineEdit *ConditionsPanel::numberField(const char *name, const QString &caption,
                                        std::function<void(System &, long double)> store,
                                        bool optional)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setProperty(CaptionProperty, caption);
    field->setProperty(OptionalProperty, optional);
    field->setToolTip(QStringLiteral("数値または数式を入力して Enter を押します。"));
    connect(field, &QLineEdit::editingFinished, this, [this, field, store] {
        if (showing_ || system_ < 0)
            return;
        const QString text = field->text();
        std::optional<long double> value;
        try {
            value = EvaluateOptional(text);
        } catch (const numeric::Failure &failure) {
            emit refused(NotANumberMessage(field->property(CaptionProperty).toString(),
                                           QString::fromUtf8(failure.what())));
            return;
        }
        if (!value) {
            if (!field->property(OptionalProperty).toBool()) {
                emit refused(NotANumberMessage(field->property(CaptionProperty).toString(), {}));
                return;
            }
            // Only the target may be blank: then nothing is sized.
            edit([](System &s) {
                (s.kind == SystemKind::Duct ? s.duct.sizing : s.pipe.sizing).target.reset();
            });
            return;
        }
        const long double v = *value;
        edit([&store, v](System &s) { store(s, v); });
    });
    return field;
}

void ConditionsPanel::edit(const std::function<void(System &)> &change)
{
    if (showing_ || system_ < 0)
        return;
    sheet_.edit(system_, change);
    refresh();
}

void ConditionsPanel::showSystem(int index)
{
    system_ = index >= 0 && index < sheet_.count() ? index : -1;
    refresh();
}

void ConditionsPanel::setUnits(::losssheet::UnitSystem units)
{
    units_ = units;
    refresh();
}

void ConditionsPanel::showTargetCaption(const System &s)
{
    const bool duct = s.kind == SystemKind::Duct;
    const bool loss = (duct ? s.duct.sizing : s.pipe.sizing).basis == SizingBasis::Loss;
    basis_->setItemText(1, duct ? Utf8(ui::texts::AirVelocityBasis)
                                : Utf8(ui::texts::WaterVelocityBasis));
    targetLabel_->setText(
        loss ? Utf8(ui::texts::TargetLoss)
             : (duct ? Utf8(flow::texts::TargetVelocity) : Utf8(pipes::texts::TargetVelocity)));
    targetUnit_->setText(loss ? Utf8(::losssheet::LossPerMetreScale(units_).unit)
                              : QStringLiteral("m/s"));
}

void ConditionsPanel::refresh()
{
    showing_ = true;
    const bool shown = system_ >= 0 && system_ < sheet_.count();
    setEnabled(shown);
    if (!shown) {
        for (QLineEdit *e : findChildren<QLineEdit *>())
            e->clear();
        showing_ = false;
        return;
    }
    const System &s = sheet_.system(system_);
    const bool duct = s.kind == SystemKind::Duct;
    const auto &sizing = duct ? s.duct.sizing : s.pipe.sizing;
    const auto set = [](QLineEdit *field, const QString &text) {
        if (field->text() != text) {
            field->setText(text);
            field->setCursorPosition(0);
        }
    };
    set(name_, Utf8(s.name));
    materialLabel_->setText(duct ? Utf8(::losssheet::texts::DuctMaterial)
                                 : Utf8(pipes::texts::Material));
    ductMaterial_->setVisible(duct);
    pipeMaterial_->setVisible(!duct);
    temperatureBox_->setVisible(!duct);
    shapeBox_->setVisible(duct);
    pumpBox_->setVisible(!duct);
    densityLabel_->setText(duct ? Utf8(::losssheet::texts::AirDensity)
                                : Utf8(::losssheet::texts::WaterDensity));
    if (duct)
        ductMaterial_->setCurrentIndex(s.duct.material);
    else
        pipeMaterial_->setCurrentIndex(s.pipe.material);
    temperature_->setCurrentIndex(s.pipe.temperature);
    set(roughness_, ConditionText(duct ? s.duct.roughness : s.pipe.roughness));
    set(density_, ConditionText(duct ? s.duct.density : s.pipe.density));
    basis_->setCurrentIndex(sizing.basis == SizingBasis::Loss ? 0 : 1);
    showTargetCaption(s);
    set(target_, sizing.target ? ConditionText(*sizing.target) : QString());
    shape_->setCurrentIndex(static_cast<int>(s.duct.shape));
    const bool ratio = s.duct.shape == DuctShape::AspectRatio;
    const bool side = s.duct.shape == DuctShape::FixedSide;
    shapeValue_->setEnabled(ratio || side);
    shapeValue_->setToolTip(ratio ? QStringLiteral("長辺と短辺の比（2 なら 2：1）")
                                  : QStringLiteral("固定する一辺の長さ（mm）"));
    shapeUnit_->setText(ratio ? QStringLiteral("：1") : QStringLiteral("mm"));
    set(shapeValue_, ratio  ? ConditionText(s.duct.aspectRatio)
                     : side ? ConditionText(s.duct.fixedSide)
                            : QString());
    set(staticHead_, ConditionText(s.pipe.staticHead));
    set(terminalPressure_, ConditionText(s.pipe.terminalPressure));
    set(margin_, Utf8(numeric::FormatGeneral15(s.marginPercent)));
    showing_ = false;
}

} // namespace app::losssheet
