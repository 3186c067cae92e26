#pragma once

#include "app/losssheet/SectionColumns.h"
#include "app/losssheet/SheetTableModel.h"

#include <memory>
#include <optional>
#include <vector>

namespace app::losssheet {

// The section table: one row per section of the system shown, the typed
// cells editable (each edit goes into the sheet's model), the rest the
// sheet's results. A row that could not be computed carries a marker in its
// first cell with the reason as its tooltip; the critical path's rows are
// tinted; computed cells (also a flow carried from downstream and a size
// found by the rule) have the result background.
class SectionTableModel : public SheetTableModel
{
    Q_OBJECT

public:
    explicit SectionTableModel(LossSheetModel &sheet, QObject *parent = nullptr);

    // The system shown (-1 for none) with its result.
    void showSystem(int index, std::shared_ptr<const ::losssheet::SystemResult> result);
    // A new result of the system shown: every cell may have changed.
    void setResult(std::shared_ptr<const ::losssheet::SystemResult> result);

    const ::losssheet::System *system() const;
    const ::losssheet::SectionResult *resultOf(int row) const;

    QString checkCell(const QModelIndex &index, const QString &text) const override;
    // A new section after `row` (-1: at the end); returns its row.
    int insertSection(int row);
    void removeSection(int row);

    QVariant data(const QModelIndex &index, int role) const override;

private:
    QVariant columnHeader(int column, int role) const override;
    bool showing() const override { return system() != nullptr; }
    bool editableColumn(int column) const override { return IsInputColumn(column); }
    void applyCell(const QModelIndex &index, const QString &text) override;
    void unitsChanged() override;

    const ::losssheet::Section *sectionAt(const QModelIndex &index) const;
    const ::losssheet::SectionTexts &textsOf(int row) const;

    // The texts of each row, made when a row is first shown after a result.
    mutable std::vector<std::optional<::losssheet::SectionTexts>> texts_;
};

} // namespace app::losssheet
