#pragma once

#include "app/losssheet/SectionColumns.h"
#include "app/ui/NumberedTableModel.h"
#include "losssheet/Results.h"

#include <memory>
#include <optional>
#include <vector>

namespace app::losssheet {

class LossSheetModel;

// The section table: one row per section of the system shown, the typed
// cells editable (each edit goes into the sheet's model), the rest the
// sheet's results. A row that could not be computed carries a marker in its
// first cell with the reason as its tooltip; the critical path's rows are
// tinted; computed cells (also a flow carried from downstream and a size
// found by the rule) have the result background.
class SectionTableModel : public app::ui::NumberedTableModel
{
    Q_OBJECT

public:
    explicit SectionTableModel(LossSheetModel &sheet, QObject *parent = nullptr);

    // The system shown (-1 for none) with its result.
    void showSystem(int index, std::shared_ptr<const ::losssheet::SystemResult> result);
    // A new result of the system shown: every cell may have changed.
    void setResult(std::shared_ptr<const ::losssheet::SystemResult> result);
    void setUnits(UnitSystem units);

    int systemIndex() const { return system_; }
    const ::losssheet::System *system() const;
    const ::losssheet::SectionResult *resultOf(int row) const;

    // Why the text cannot go into the cell, or "" (nothing is stored).
    QString checkCell(const QModelIndex &index, const QString &text) const;
    // A new section after `row` (-1: at the end); returns its row.
    int insertSection(int row);
    void removeSection(int row);

    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A typed text could not go into its cell.
    void editRefused(const QString &message);

private:
    QVariant columnHeader(int column, int role) const override;

    const ::losssheet::SectionTexts &textsOf(int row) const;
    SystemKind kind() const;
    QString rowTooltip(const ::losssheet::SectionResult &r) const;

    LossSheetModel &sheet_;
    int system_ = -1;
    UnitSystem units_ = UnitSystem::Conventional;
    std::shared_ptr<const ::losssheet::SystemResult> result_;
    // The texts of each row, made when a row is first shown after a result.
    mutable std::vector<std::optional<::losssheet::SectionTexts>> texts_;
};

} // namespace app::losssheet
