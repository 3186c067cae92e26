#include "app/losssheet/TerminalTableModel.h"

#include "app/losssheet/SheetLook.h"
#include "app/losssheet/SummaryTexts.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

namespace app::losssheet {

void TerminalTableModel::show(const ::losssheet::System *system,
                              std::shared_ptr<const ::losssheet::SystemResult> result,
                              ::losssheet::UnitSystem units)
{
    QList<QStringList> rows;
    std::vector<bool> critical;
    QStringList header = header_;
    if (system && result) {
        rows = TerminalRows(*system, *result, units);
        header = rows.takeFirst();
        for (const auto &t : result->summary.terminals)
            critical.push_back(
                t.section >= 0 &&
                result->sections[static_cast<std::size_t>(t.section)].onCriticalPath);
    }
    if (header != header_) {
        header_ = header;
        emit headerDataChanged(Qt::Horizontal, 0, 2);
    }
    if (rows.size() != rows_.size()) {
        beginResetModel();
        rows_ = std::move(rows);
        critical_ = std::move(critical);
        endResetModel();
        return;
    }
    rows_ = std::move(rows);
    critical_ = std::move(critical);
    if (!rows_.isEmpty())
        emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, 2));
}

int TerminalTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TerminalTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant TerminalTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rows_[index.row()].value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (critical_[static_cast<std::size_t>(index.row())])
            return QBrush(CriticalBackground(QApplication::palette(), index.column() > 0));
        return index.column() > 0 ? QVariant(QBrush(ResultBackground(QApplication::palette())))
                                  : QVariant();
    default:
        return {};
    }
}

QVariant TerminalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return header_.value(section);
}

} // namespace app::losssheet
