#pragma once

#include "app/ui/NumberedTableModel.h"

namespace app::record {

class Journal;

// The journal as a table, one row per record, newest last. Only the note can
// be edited; the model reads the journal on demand, so ten thousand records
// cost nothing until their rows are painted.
class RecordModel : public app::ui::NumberedTableModel
{
    Q_OBJECT

public:
    enum Column {
        TimeColumn,
        DocumentColumn, // the work document it was made in
        PageColumn,
        CalculationColumn,
        NoteColumn,
        InputColumn,
        ResultColumn,
        WarningColumn,
        ColumnCount
    };

    explicit RecordModel(Journal &journal, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    Journal &journal() const { return journal_; }

private:
    QVariant columnHeader(int column, int role) const override;

    Journal &journal_;
};

} // namespace app::record
