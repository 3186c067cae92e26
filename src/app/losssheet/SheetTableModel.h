#pragma once

#include "app/ui/NumberedTableModel.h"
#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <memory>

namespace app::losssheet {

class LossSheetModel;

// What the section and fitting tables share: the system they show from the
// sheet's model, its latest result and the unit system, and the way a typed
// cell goes in. A typed text is checked first (a refusal is reported through
// editRefused and nothing is stored), an unchanged text is no edit, and the
// rest goes into the sheet's model as one edit; a failure the arithmetic
// raises is refused in the same way.
class SheetTableModel : public app::ui::NumberedTableModel
{
    Q_OBJECT

public:
    SheetTableModel(LossSheetModel &sheet, int columns, QObject *parent = nullptr);

    int systemIndex() const { return system_; }
    ::losssheet::SystemKind kind() const;
    ::losssheet::UnitSystem units() const { return units_; }
    void setUnits(::losssheet::UnitSystem units);

    // Why the text cannot go into the cell, or "" (nothing is stored).
    virtual QString checkCell(const QModelIndex &index, const QString &text) const = 0;

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A typed text could not go into its cell.
    void editRefused(const QString &message);

protected:
    // True while there are rows to edit (a system, or a section, is shown).
    virtual bool showing() const = 0;
    virtual bool editableColumn(int column) const = 0;
    // Stores a checked, changed text; may throw numeric::Failure.
    virtual void applyCell(const QModelIndex &index, const QString &text) = 0;
    // Texts made for the old unit system are to be made again.
    virtual void unitsChanged() {}
    // Every cell may show something else.
    void cellsChanged();

    LossSheetModel &sheet_;
    int system_ = -1;
    ::losssheet::UnitSystem units_ = ::losssheet::UnitSystem::Conventional;
    std::shared_ptr<const ::losssheet::SystemResult> result_;
};

} // namespace app::losssheet
