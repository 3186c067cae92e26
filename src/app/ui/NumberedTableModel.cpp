#include "app/ui/NumberedTableModel.h"

namespace app::ui {

NumberedTableModel::NumberedTableModel(int columns, QObject *parent)
    : QAbstractTableModel(parent), columns_(columns)
{
}

int NumberedTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int NumberedTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant NumberedTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    return columnHeader(section, role);
}

} // namespace app::ui
