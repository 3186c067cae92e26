#include "app/ui/TableFace.h"

#include <QHeaderView>
#include <QTableView>

namespace app::ui {

void UseTableFace(QTableView *view)
{
    view->setFont(TableFont());
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
}

} // namespace app::ui
