#pragma once

#include <QAbstractTableModel>

namespace app::ui {

// What every list of the program shares: a flat table whose row and column
// counts the model keeps, and whose rows are numbered 1, 2, … down the side.
// A list says only what its columns are called (columnHeader) and what its
// cells hold.
class NumberedTableModel : public QAbstractTableModel
{
public:
    explicit NumberedTableModel(int columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    // Down the side the row's number (display role only); across the top
    // columnHeader.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    // A column's header for `role` (the caption for the display role), or
    // an empty QVariant.
    virtual QVariant columnHeader(int column, int role) const = 0;

    int rows_ = 0;
    int columns_;
};

} // namespace app::ui
