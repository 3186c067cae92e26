#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include <functional>

namespace app::losssheet {

// Edits a table's cells in a line editor that Enter (or Tab) leaves only
// with a text the cell takes: a text it refuses is reported, and the editor
// stays open with it, to be corrected or left with Esc.
class CheckedCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Why `text` cannot go into the cell at `index`, or "".
    using Check = std::function<QString(const QModelIndex &index, const QString &text)>;

    CheckedCellDelegate(Check check, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

signals:
    // Enter was refused; the editor stays open.
    void refused(const QString &message, QWidget *editor);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    Check check_;
};

} // namespace app::losssheet
