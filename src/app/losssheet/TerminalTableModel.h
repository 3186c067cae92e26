#pragma once

#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"
#include "losssheet/System.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>

namespace app::losssheet {

// The terminals of the system shown: each section without a downstream
// section, its path loss and its surplus over the critical path (what its
// damper or valve must take up); the critical path's terminal tinted.
class TerminalTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The rows of a system's result (nothing for none): the texts in one go,
    // so that an edit tells the view once.
    void show(const ::losssheet::System *system,
              std::shared_ptr<const ::losssheet::SystemResult> result,
              ::losssheet::UnitSystem units);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList header_;
    QList<QStringList> rows_;
    std::vector<bool> critical_;
};

} // namespace app::losssheet
