#include "app/losssheet/CheckedCellDelegate.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

namespace app::losssheet {

namespace {

const char *const IndexProperty = "cellIndex";

} // namespace

CheckedCellDelegate::CheckedCellDelegate(Check check, QObject *parent)
    : QStyledItemDelegate(parent), check_(std::move(check))
{
}

QWidget *CheckedCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    // Any length, as in the pages' fields: the default limit would cut a
    // long text without a word.
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setMaxLength(std::numeric_limits<int>::max());
    if (editor)
        editor->setProperty(IndexProperty, QVariant::fromValue(QPersistentModelIndex(index)));
    return editor;
}

bool CheckedCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QLineEdit *>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
            key == Qt::Key_Backtab) {
            const auto index = editor->property(IndexProperty).value<QPersistentModelIndex>();
            const QString problem = index.isValid() ? check_(index, editor->text()) : QString();
            if (!problem.isEmpty()) {
                emit refused(problem, editor);
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace app::losssheet
