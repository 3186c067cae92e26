#include "app/losssheet/FittingEditor.h"

#include "app/losssheet/FittingTableModel.h"
#include "app/losssheet/FittingTexts.h"
#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/TypedNumbers.h"
#include "app/losssheet/Utf8.h"
#include "fittings/Catalogue.h"
#include "losssheet/CaptionTexts.h"
#include "numeric/Failure.h"
#include "numeric/NumberText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <map>

namespace app::losssheet {

using ::losssheet::Fitting;

FittingEditor::FittingEditor(FittingTableModel &model, QWidget *parent)
    : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("FittingEditor"));
    // The kind and method on one line, the inputs below.
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto *row = new QHBoxLayout;
    rows->addLayout(row);
    kind_ = new QLabel(this);
    kind_->setObjectName(QStringLiteral("FittingEditorKind"));
    row->addWidget(kind_);
    row->addWidget(new QLabel(Utf8(::losssheet::texts::Method), this));
    method_ = new QComboBox(this);
    method_->setObjectName(QStringLiteral("FittingMethod"));
    method_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(method_, &QComboBox::activated, this, &FittingEditor::chooseMethod);
    row->addWidget(method_);
    row->addStretch(1);
    fieldsBox_ = new QWidget(this);
    fieldsGrid_ = new QGridLayout(fieldsBox_);
    fieldsGrid_->setContentsMargins(0, 0, 0, 0);
    auto *fields = new QHBoxLayout;
    fields->addWidget(fieldsBox_);
    fields->addStretch(1);
    rows->addLayout(fields);
    showFitting(-1);
}

void FittingEditor::showFitting(int row)
{
    row_ = row;
    refresh();
}

void FittingEditor::rebuild()
{
    // The old fields go later: this may run from one of their own signals.
    // Until then they are nameless, silent and hidden.
    fields_.clear();
    while (QLayoutItem *item = fieldsGrid_->takeAt(0)) {
        if (QWidget *w = item->widget()) {
            w->blockSignals(true);
            w->setObjectName(QString());
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    const ::losssheet::Section *section = model_.section();
    if (!section || row_ < 0 || static_cast<std::size_t>(row_) >= section->fittings.size())
        return;
    const Fitting &fitting = section->fittings[static_cast<std::size_t>(row_)];
    const fittings::Method *method = MethodOf(fitting, model_.kind());
    if (!method)
        return;
    for (std::size_t i = 0; i < method->parameters.size(); ++i) {
        const fittings::Parameter &p = method->parameters[i];
        Field field;
        field.parameter = i;
        // Two inputs to a row: caption, field, unit, and a gap.
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 4;
        auto *caption = new QLabel(Utf8(p.name), fieldsBox_);
        fieldsGrid_->addWidget(caption, row, column);
        const QString name = QString::number(i + 1);
        if (p.quantity == fittings::Quantity::Choice) {
            field.choice = new QComboBox(fieldsBox_);
            field.choice->setObjectName(QStringLiteral("FittingChoice") + name);
            for (std::string_view choice : p.choices)
                field.choice->addItem(Utf8(choice));
            field.choice->setMaxVisibleItems(20);
            connect(field.choice, &QComboBox::activated, this, [this, field] { commit(field); });
            fieldsGrid_->addWidget(field.choice, row, column + 1, 1, 3);
        } else {
            field.edit = new QLineEdit(fieldsBox_);
            field.edit->setObjectName(QStringLiteral("FittingValue") + name);
            field.edit->setMaxLength(std::numeric_limits<int>::max());
            field.edit->setMinimumWidth(90);
            field.edit->setMaximumWidth(150);
            connect(field.edit, &QLineEdit::editingFinished, this, [this, field] {
                if (!showing_)
                    commit(field);
            });
            fieldsGrid_->addWidget(field.edit, row, column + 1);
            field.unit = new QLabel(fieldsBox_);
            fieldsGrid_->addWidget(field.unit, row, column + 2);
        }
        fieldsGrid_->setColumnMinimumWidth(3, 12);
        const QString range = Utf8(p.range.text(p.name));
        const QString tip = range == Utf8(p.name) ? QString()
                                                  : QStringLiteral("式の適用範囲：") + range +
                                                        (p.quantity == fittings::Quantity::Pressure
                                                             ? QStringLiteral("（Pa）")
                                                             : QString());
        caption->setToolTip(tip);
        (field.edit ? static_cast<QWidget *>(field.edit) : field.choice)->setToolTip(tip);
        fields_.push_back(field);
    }
}

void FittingEditor::refresh()
{
    showing_ = true;
    const ::losssheet::Section *section = model_.section();
    const bool shown =
        section && row_ >= 0 && static_cast<std::size_t>(row_) < section->fittings.size();
    setEnabled(shown);
    if (!shown) {
        kind_->setText(QStringLiteral("（局部抵抗を選んでください）"));
        method_->clear();
        builtFor_.clear();
        rebuild();
        showing_ = false;
        return;
    }
    const Fitting &fitting = section->fittings[static_cast<std::size_t>(row_)];
    const fittings::FittingType *type = TypeOf(fitting);
    const fittings::Method *method = MethodOf(fitting, model_.kind());
    kind_->setText(KindText(fitting));
    kind_->setToolTip(type ? Utf8(type->note) : QString());
    const std::string key =
        fitting.type + "/" + (method ? std::string(method->id) : fitting.method);
    if (key != builtFor_) {
        builtFor_ = key;
        method_->clear();
        if (type) {
            for (const fittings::Method &m : type->methods) {
                method_->addItem(Utf8(m.name));
                method_->setItemData(method_->count() - 1, Utf8(m.source), Qt::ToolTipRole);
            }
        }
        if (type && method)
            method_->setCurrentIndex(static_cast<int>(method - type->methods.data()));
        rebuild();
    }
    method_->setEnabled(type && type->methods.size() > 1);

    const ::losssheet::FittingResult *r = model_.resultOf(row_);
    const auto kind = model_.kind();
    const auto units = model_.units();
    for (const Field &field : fields_) {
        const fittings::Parameter &p = method->parameters[field.parameter];
        const std::size_t i = field.parameter;
        std::optional<long double> typed;
        if (i < fitting.values.size())
            typed = fitting.values[i];
        if (field.choice) {
            const long double value = typed.value_or(
                r && i < r->values.size() ? r->values[i] : p.defaultValue.value_or(0));
            field.choice->setCurrentIndex(static_cast<int>(std::llround(value)));
            continue;
        }
        field.unit->setText(ParameterUnit(p, kind, units));
        // A blank field shows, greyed, what the sheet takes for it.
        QString placeholder;
        const bool fromTree = r && i < r->fromTree.size() && r->fromTree[i];
        if (fromTree && i < r->values.size())
            placeholder =
                ParameterValueText(p, r->values[i], kind, units, true) + Utf8(texts::FromSystem);
        else if (p.defaultValue)
            placeholder = ParameterValueText(p, *p.defaultValue, kind, units, false) +
                          QStringLiteral("（既定）");
        else if (p.fromTree)
            placeholder = Utf8(texts::FromSystem);
        field.edit->setPlaceholderText(placeholder);
        if (!field.edit->hasFocus()) {
            field.edit->setText(
                typed ? Utf8(numeric::FormatGeneral15(ShownParameter(p, *typed, kind, units)))
                      : QString());
            field.edit->setCursorPosition(0);
        }
    }
    showing_ = false;
}

void FittingEditor::commit(const Field &field)
{
    const ::losssheet::Section *section = model_.section();
    if (!section || row_ < 0 || static_cast<std::size_t>(row_) >= section->fittings.size())
        return;
    const Fitting &fitting = section->fittings[static_cast<std::size_t>(row_)];
    const fittings::Method *method = MethodOf(fitting, model_.kind());
    if (!method || field.parameter >= method->parameters.size())
        return;
    const fittings::Parameter &p = method->parameters[field.parameter];
    std::optional<long double> value;
    if (field.choice) {
        value = field.choice->currentIndex();
    } else {
        try {
            if (const auto shown = EvaluateOptional(field.edit->text()))
                value = StoredParameter(p, *shown, model_.kind(), model_.units());
        } catch (const numeric::Failure &failure) {
            emit refused(NotANumberMessage(Utf8(p.name), QString::fromUtf8(failure.what())));
            return;
        }
    }
    const std::size_t count = method->parameters.size();
    const std::size_t i = field.parameter;
    const std::optional<long double> old =
        i < fitting.values.size() ? fitting.values[i] : std::nullopt;
    if (old == value) {
        refresh();
        return;
    }
    model_.editFitting(row_, [&](Fitting &f) {
        f.values.resize(std::max(f.values.size(), count));
        f.values[i] = value;
    });
    refresh();
}

void FittingEditor::chooseMethod(int index)
{
    const ::losssheet::Section *section = model_.section();
    if (!section || row_ < 0 || static_cast<std::size_t>(row_) >= section->fittings.size())
        return;
    const Fitting &fitting = section->fittings[static_cast<std::size_t>(row_)];
    const fittings::FittingType *type = TypeOf(fitting);
    const fittings::Method *old = MethodOf(fitting, model_.kind());
    if (!type || index < 0 || static_cast<std::size_t>(index) >= type->methods.size())
        return;
    const fittings::Method &chosen = type->methods[static_cast<std::size_t>(index)];
    if (old == &chosen)
        return;
    // The inputs the methods share (by id) keep their values.
    std::map<std::string_view, std::optional<long double>> kept;
    if (old) {
        for (std::size_t i = 0; i < old->parameters.size() && i < fitting.values.size(); ++i)
            kept[old->parameters[i].id] = fitting.values[i];
    }
    std::vector<std::optional<long double>> values;
    for (const fittings::Parameter &p : chosen.parameters) {
        const auto found = kept.find(p.id);
        values.push_back(found != kept.end() ? found->second : std::nullopt);
    }
    model_.editFitting(row_, [&](Fitting &f) {
        f.method = std::string(chosen.id);
        f.values = values;
    });
    refresh();
}

} // namespace app::losssheet
