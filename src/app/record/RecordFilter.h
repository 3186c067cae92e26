#pragma once

#include <QSortFilterProxyModel>
#include <QString>

#include <optional>

namespace app::record {

class Journal;

// The rows of the record window that its two filters let through: records
// of one page, of one work document (an empty name: the records made
// without one), or both; nothing set lets every record through.
class RecordFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit RecordFilter(Journal &journal, QObject *parent = nullptr);

    void setPage(const std::optional<QString> &page);
    void setDocument(const std::optional<QString> &document);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    Journal &journal_;
    std::optional<QString> page_;
    std::optional<QString> document_;
};

} // namespace app::record
