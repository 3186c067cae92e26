#pragma once

#include "app/ui/NumberedTableModel.h"
#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <functional>
#include <memory>

namespace app::losssheet {

class LossSheetModel;

// The fittings of one section: kind, method, inputs (those the tree gave
// marked), count, the coefficient (ζ, K) on the velocity its method names,
// that velocity, ζ·count on the section's own velocity, an equivalent length
// (pipes), the loss, the user's note, and what the sheet warns of (an input
// outside a formula's range) or could not compute. Count and note are
// edited in place; kind, method and inputs by the fitting editor.
class FittingTableModel : public app::ui::NumberedTableModel
{
    Q_OBJECT

public:
    enum Column {
        KindColumn,
        MethodColumn,
        InputsColumn,
        CountColumn,
        CoefficientColumn,
        ReferenceColumn,
        SectionZetaColumn,
        EquivalentLengthColumn,
        LossColumn,
        NoteColumn,
        WarningColumn,
        ColumnCount
    };

    explicit FittingTableModel(LossSheetModel &sheet, QObject *parent = nullptr);

    // The section shown (-1 for none) of a system, with the system's result.
    void showSection(int system, int section,
                     std::shared_ptr<const ::losssheet::SystemResult> result);
    void setResult(std::shared_ptr<const ::losssheet::SystemResult> result);
    void setUnits(::losssheet::UnitSystem units);

    int systemIndex() const { return system_; }
    int sectionIndex() const { return section_; }
    const ::losssheet::Section *section() const;
    const ::losssheet::FittingResult *resultOf(int row) const;
    ::losssheet::SystemKind kind() const;
    ::losssheet::UnitSystem units() const { return units_; }

    // The edits of the section's fittings; each goes into the sheet's model.
    int addFitting(::losssheet::Fitting fitting); // returns its row
    void removeFitting(int row);
    void editFitting(int row, const std::function<void(::losssheet::Fitting &)> &change);

    QString checkCell(const QModelIndex &index, const QString &text) const;

    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void editRefused(const QString &message);

private:
    QVariant columnHeader(int column, int role) const override;

    int fittingCount() const;
    void cellsChanged();
    QString warningsOf(const ::losssheet::FittingResult &r) const;

    LossSheetModel &sheet_;
    int system_ = -1;
    int section_ = -1;
    bool changingRows_ = false; // between a begin…Rows and its end
    ::losssheet::UnitSystem units_ = ::losssheet::UnitSystem::Conventional;
    std::shared_ptr<const ::losssheet::SystemResult> result_;
};

} // namespace app::losssheet
