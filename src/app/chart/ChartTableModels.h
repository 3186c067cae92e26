#pragma once

#include "chart/Diagram.h"
#include "chart/TableTexts.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace app::chart {

// The point list: one row per point of the diagram, the texts of the pure
// table (the page's eight numbers among them). The label, the airflow and
// the note can be edited; so can the dry bulb and any second property of a
// point of the user's, which then defines the point as on the moist-air page,
// unless that is no state of moist air. A point without a state shows a
// marker in its first column with the reason as its tooltip. The texts of a
// row are made when it is first shown after a change, so a long list costs
// only its visible rows.
class ChartPointsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    ChartPointsModel(::chart::Diagram &diagram, QObject *parent = nullptr);

    void setConventionalUnits(bool conventional);
    // The diagram changed: rows and texts follow.
    void sync();
    // Points were added at the end and nothing else changed.
    void appendRows();
    int pointId(int row) const;
    int rowOf(int pointId) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A point was redefined or its airflow changed: the chart and the
    // processes follow.
    void pointsEdited();
    // A typed value could not be read.
    void editRefused(const QString &reason);

private:
    const ::chart::Row &texts(int row) const;

    ::chart::Diagram &diagram_;
    bool conventional_ = true;
    int rows_ = 0;
    mutable std::vector<std::optional<::chart::Row>> texts_;
};

// The process list: kind, points, conditions and the results; a process with
// a result missing shows a marker in its first column with the reason.
class ChartProcessesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    ChartProcessesModel(const ::chart::Diagram &diagram, QObject *parent = nullptr);

    void setConventionalUnits(bool conventional);
    void sync();
    // Processes were added at the end and nothing else changed.
    void appendRows();
    int processId(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ::chart::Row &texts(int row) const;

    const ::chart::Diagram &diagram_;
    bool conventional_ = true;
    int rows_ = 0;
    int columns_ = 0;
    mutable std::vector<std::optional<::chart::Row>> texts_;
};

} // namespace app::chart
