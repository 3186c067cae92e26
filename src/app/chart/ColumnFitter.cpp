#include "app/chart/ColumnFitter.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace app::chart {

namespace {

// Rows measured at most for one change: about a screenful.
constexpr int MaxRowsMeasured = 60;

} // namespace

ColumnFitter::ColumnFitter(QTableView *view) : QObject(view), view_(view)
{
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    QAbstractItemModel *model = view_->model();
    connect(model, &QAbstractItemModel::modelReset, this, &ColumnFitter::reset);
    connect(model, &QAbstractItemModel::headerDataChanged, this, &ColumnFitter::fitHeader);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { fitRows(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                int first = topLeft.row(), last = bottomRight.row();
                if (last - first >= MaxRowsMeasured) {
                    // Everything changed: what is in view (or the first rows).
                    first = std::max(first, view_->rowAt(0));
                    last = std::min(last, first + MaxRowsMeasured - 1);
                }
                fitRows(first, last);
            });
    reset();
}

void ColumnFitter::reset()
{
    QHeaderView *header = view_->horizontalHeader();
    for (int c = 0; c < view_->model()->columnCount(); ++c)
        header->resizeSection(c, header->sectionSizeHint(c));
    fitRows(0, std::min(view_->model()->rowCount(), MaxRowsMeasured) - 1);
}

void ColumnFitter::fitHeader()
{
    QHeaderView *header = view_->horizontalHeader();
    for (int c = 0; c < view_->model()->columnCount(); ++c)
        header->resizeSection(c, std::max(header->sectionSize(c), header->sectionSizeHint(c)));
}

void ColumnFitter::fitRows(int first, int last)
{
    const QAbstractItemModel *model = view_->model();
    first = std::max(first, 0);
    last = std::min({last, model->rowCount() - 1, first + MaxRowsMeasured - 1});
    if (first > last)
        return;
    QHeaderView *header = view_->horizontalHeader();
    const int grid = view_->showGrid() ? 1 : 0;
    for (int c = 0; c < model->columnCount(); ++c) {
        int width = header->sectionSize(c);
        for (int r = first; r <= last; ++r)
            width = std::max(width, view_->sizeHintForIndex(model->index(r, c)).width() + grid);
        if (width != header->sectionSize(c))
            header->resizeSection(c, width);
    }
}

} // namespace app::chart
