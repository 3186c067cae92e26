#pragma once

#include "app/sizetable/TableContent.h"

#include <QAbstractTableModel>

#include <vector>

namespace app::sizetable {

// The rows of one size table, sortable by any column. Greys the rectangles
// whose aspect ratio is above the limit and flags the pipe sizes whose
// velocity is above the limit; both limits are compared with the values as
// shown, so a mark never contradicts the text beside it.
class SizeTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int DefaultAspectLimitTenths = 40;   // 4.0
    static constexpr int DefaultVelocityLimitTenths = 20; // 2.0 m/s

    explicit SizeTableModel(QObject *parent = nullptr);

    // Replaces every row, keeping the column the user sorted by.
    void setContent(TableContent content);
    const TableContent &content() const { return content_; }

    void setAspectLimitTenths(int tenths);
    void setVelocityLimitTenths(int tenths);

    // A row in the order shown.
    const TableRow &rowAt(int row) const;
    bool greyed(int row) const;
    bool aboveVelocityLimit(int row) const;
    QString cellText(int row, int column) const;
    // The caption row and the given rows (in the order shown), tab-separated,
    // one line each.
    QString tabSeparated(const std::vector<int> &rows) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column below 0 restores the order the rows were computed in.
    void sort(int column, Qt::SortOrder order) override;

private:
    std::optional<long double> sortKey(const TableRow &row, int column) const;
    void applyOrder();
    void limitsChanged();

    TableContent content_;
    std::vector<int> order_; // shown row → row of content_
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int aspectLimitTenths_ = DefaultAspectLimitTenths;
    int velocityLimitTenths_ = DefaultVelocityLimitTenths;
};

} // namespace app::sizetable
