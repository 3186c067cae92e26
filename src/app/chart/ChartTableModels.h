#pragma once

#include "app/ui/NumberedTableModel.h"
#include "chart/Diagram.h"
#include "chart/TableTexts.h"

#include <optional>
#include <vector>

namespace app::chart {

// What the point and the process list share: one row per item of the
// diagram, headed by the pure table's header row. The texts of a row are
// made when it is first shown after a change, so a long list costs only its
// visible rows.
class DiagramListModel : public app::ui::NumberedTableModel
{
public:
    // The diagram changed: rows and texts follow.
    void sync();
    // Items were added at the end and nothing else changed.
    void appendRows();

protected:
    DiagramListModel(int columns, QObject *parent);

    // The diagram's items (points or processes), a row's texts and the
    // header row, in the units conventional_ names.
    virtual int itemCount() const = 0;
    virtual ::chart::Row rowTexts(int row) const = 0;
    virtual ::chart::Row header() const = 0;

    const ::chart::Row &texts(int row) const;
    QVariant columnHeader(int column, int role) const override;

    bool conventional_ = true;
    mutable std::vector<std::optional<::chart::Row>> texts_;
};

// The point list: one row per point of the diagram, the texts of the pure
// table (the page's eight numbers among them). The label, the airflow and
// the note can be edited; so can the dry bulb and any second property of a
// point of the user's, which then defines the point as on the moist-air page,
// unless that is no state of moist air. A point without a state shows a
// marker in its first column with the reason as its tooltip.
class ChartPointsModel : public DiagramListModel
{
    Q_OBJECT

public:
    ChartPointsModel(::chart::Diagram &diagram, QObject *parent = nullptr);

    void setConventionalUnits(bool conventional);
    int pointId(int row) const;
    int rowOf(int pointId) const;

    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A point was redefined or its airflow changed: the chart and the
    // processes follow.
    void pointsEdited();
    // A typed value could not be read.
    void editRefused(const QString &reason);

private:
    int itemCount() const override;
    ::chart::Row rowTexts(int row) const override;
    ::chart::Row header() const override;

    ::chart::Diagram &diagram_;
};

// The process list: kind, points, conditions and the results; a process with
// a result missing shows a marker in its first column with the reason.
class ChartProcessesModel : public DiagramListModel
{
    Q_OBJECT

public:
    ChartProcessesModel(const ::chart::Diagram &diagram, QObject *parent = nullptr);

    void setConventionalUnits(bool conventional);
    int processId(int row) const;

    QVariant data(const QModelIndex &index, int role) const override;

private:
    int itemCount() const override;
    ::chart::Row rowTexts(int row) const override;
    ::chart::Row header() const override;

    const ::chart::Diagram &diagram_;
};

} // namespace app::chart
