#pragma once

#include "app/losssheet/SheetTableModel.h"

#include <functional>
#include <memory>

namespace app::losssheet {

// The fittings of one section: kind, method, inputs (those the tree gave
// marked), count, the coefficient (ζ, K) on the velocity its method names,
// that velocity, ζ·count on the section's own velocity, an equivalent length
// (pipes), the loss, the user's note, and what the sheet warns of (an input
// outside a formula's range) or could not compute. Count and note are
// edited in place; kind, method and inputs by the fitting editor.
class FittingTableModel : public SheetTableModel
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

    int sectionIndex() const { return section_; }
    const ::losssheet::Section *section() const;
    const ::losssheet::FittingResult *resultOf(int row) const;

    // The edits of the section's fittings; each goes into the sheet's model.
    int addFitting(::losssheet::Fitting fitting); // returns its row
    void removeFitting(int row);
    void editFitting(int row, const std::function<void(::losssheet::Fitting &)> &change);

    QString checkCell(const QModelIndex &index, const QString &text) const override;

    QVariant data(const QModelIndex &index, int role) const override;

private:
    QVariant columnHeader(int column, int role) const override;
    bool showing() const override { return section() != nullptr; }
    bool editableColumn(int column) const override
    {
        return column == CountColumn || column == NoteColumn;
    }
    void applyCell(const QModelIndex &index, const QString &text) override;

    int fittingCount() const;
    const ::losssheet::Fitting *fittingAt(const QModelIndex &index) const;

    int section_ = -1;
    bool changingRows_ = false; // between a begin…Rows and its end
};

} // namespace app::losssheet
