#include "app/record/RecordFilter.h"

#include "app/record/Journal.h"

namespace app::record {

RecordFilter::RecordFilter(Journal &journal, QObject *parent)
    : QSortFilterProxyModel(parent), journal_(journal)
{
}

void RecordFilter::setPage(const std::optional<QString> &page)
{
    if (page == page_)
        return;
    page_ = page;
    invalidateRowsFilter();
}

void RecordFilter::setDocument(const std::optional<QString> &document)
{
    if (document == document_)
        return;
    document_ = document;
    invalidateRowsFilter();
}

bool RecordFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid() || sourceRow >= journal_.count())
        return false;
    const ui::CalculationRecord &r = journal_.at(sourceRow);
    return (!page_ || r.page == *page_) && (!document_ || r.document == *document_);
}

} // namespace app::record
