#pragma once

#include <QObject>

class QTableView;

namespace app::chart {

// Fits the columns of a table to their texts as rows come and change: a
// column grows to the widest cell shown in it, measuring only the rows that
// changed (those in view, when all of them did), and starts again from the
// header and the rows in view when the whole list is reset. Qt's own
// ResizeToContents measures up to a thousand rows of every column at every
// change, which makes a long list slow to add to.
class ColumnFitter : public QObject
{
public:
    explicit ColumnFitter(QTableView *view);

private:
    void reset();
    void fitHeader();
    void fitRows(int first, int last);

    QTableView *view_;
};

} // namespace app::chart
