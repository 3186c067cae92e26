#include "app/losssheet/SheetTableModel.h"

#include "app/losssheet/LossSheetModel.h"
#include "numeric/Failure.h"

namespace app::losssheet {

SheetTableModel::SheetTableModel(LossSheetModel &sheet, int columns, QObject *parent)
    : NumberedTableModel(columns, parent), sheet_(sheet)
{
}

::losssheet::SystemKind SheetTableModel::kind() const
{
    return system_ >= 0 && system_ < sheet_.count() ? sheet_.system(system_).kind
                                                    : ::losssheet::SystemKind::Duct;
}

void SheetTableModel::setUnits(::losssheet::UnitSystem units)
{
    units_ = units;
    unitsChanged();
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    cellsChanged();
}

void SheetTableModel::cellsChanged()
{
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

Qt::ItemFlags SheetTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && editableColumn(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool SheetTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !showing())
        return false;
    const QString text = value.toString();
    if (const QString refused = checkCell(index, text); !refused.isEmpty()) {
        emit editRefused(refused);
        return false;
    }
    if (text == data(index, Qt::EditRole).toString())
        return true;
    try {
        applyCell(index, text);
    } catch (const numeric::Failure &failure) {
        emit editRefused(QString::fromUtf8(failure.what()));
        return false;
    }
    return true;
}

} // namespace app::losssheet
