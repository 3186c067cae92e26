#pragma once

#include <QObject>

class QTabWidget;

namespace flow {
class DuctPage;
}
namespace pipes {
class PipePage;
}

namespace app::sizetable {

class SizeTableForm;

// Keeps the size table on the duct page or the pipe page, whichever of the
// two was shown last, recomputing after every sizing there and whenever an
// input of the sizing changes; a row chosen in the table goes into that
// page's loss section and is computed there.
class SizeTableLink : public QObject
{
    Q_OBJECT

public:
    SizeTableLink(SizeTableForm *table, QTabWidget *pages, flow::DuctPage *duct,
                  pipes::PipePage *pipe);

private:
    void pageChanged();
    void showDuct();
    void showPipe();

    SizeTableForm *table_;
    QTabWidget *pages_;
    flow::DuctPage *duct_;
    pipes::PipePage *pipe_;
    bool followsPipe_ = false;
};

} // namespace app::sizetable
