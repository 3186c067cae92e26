#pragma once

#include <QSplitter>

namespace app::chart {

// A splitter whose handles can be seen and grabbed: a band a little darker
// than the window with a grip of dots in the middle, drawn from the palette
// so that it shows on light and dark desktops alike.
class ChartSplitter : public QSplitter
{
    Q_OBJECT

public:
    ChartSplitter(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    QSplitterHandle *createHandle() override;
};

} // namespace app::chart
