#include "app/record/RecordModel.h"

#include "app/record/Journal.h"
#include "app/record/RecordText.h"
#include "app/record/RecordTexts.h"
#include "app/ui/UiTexts.h"

namespace app::record {

namespace {

bool isResult(const ui::FieldValue &f)
{
    return f.role == ui::FieldRole::Result;
}

// "風量=3600 m3/h, 単位圧損=1 Pa/m": the fields of one side in one cell.
QString summary(const ui::CalculationRecord &r, bool results, const QString &between)
{
    QStringList parts;
    for (const ui::FieldValue &f : r.fields) {
        if (isResult(f) != results)
            continue;
        QString part = f.caption + QLatin1Char('=') + ShownText(f);
        if (!f.unit.isEmpty())
            part += QLatin1Char(' ') + f.unit;
        parts.append(part);
    }
    return parts.join(between);
}

} // namespace

RecordModel::RecordModel(Journal &journal, QObject *parent)
    : NumberedTableModel(ColumnCount, parent), journal_(journal)
{
    connect(&journal, &Journal::aboutToInsert, this,
            [this](int row) { beginInsertRows({}, row, row); });
    connect(&journal, &Journal::inserted, this, [this] { endInsertRows(); });
    connect(&journal, &Journal::aboutToRemove, this,
            [this](int first, int last) { beginRemoveRows({}, first, last); });
    connect(&journal, &Journal::removed, this, [this] { endRemoveRows(); });
    connect(&journal, &Journal::aboutToReset, this, [this] { beginResetModel(); });
    connect(&journal, &Journal::wasReset, this, [this] { endResetModel(); });
    connect(&journal, &Journal::noteChanged, this, [this](int row) {
        const QModelIndex cell = index(row, NoteColumn);
        emit dataChanged(cell, cell);
    });
}

int RecordModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : journal_.count();
}

QVariant RecordModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= journal_.count())
        return {};
    const ui::CalculationRecord &r = journal_.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
        case TimeColumn:
            return TimeText(r.time);
        case DocumentColumn:
            return r.document;
        case PageColumn:
            return r.page;
        case CalculationColumn:
            return r.calculation;
        case NoteColumn:
            return r.note;
        case InputColumn:
            return summary(r, false, QStringLiteral(", "));
        case ResultColumn:
            return summary(r, true, QStringLiteral(", "));
        case WarningColumn:
            return r.warning;
        }
    } else if (role == Qt::ToolTipRole) {
        switch (index.column()) {
        case InputColumn:
            return summary(r, false, QStringLiteral("\n"));
        case ResultColumn:
            return summary(r, true, QStringLiteral("\n"));
        case WarningColumn:
            return r.warning.isEmpty() ? QVariant() : r.warning;
        case NoteColumn:
            return tr("ダブルクリックか F2 でメモを書けます。");
        }
    }
    return {};
}

QVariant RecordModel::columnHeader(int section, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TimeColumn:
        return QString::fromUtf8(texts::Time);
    case DocumentColumn:
        return QString::fromUtf8(texts::Document);
    case PageColumn:
        return QString::fromUtf8(texts::Page);
    case CalculationColumn:
        return QString::fromUtf8(texts::Calculation);
    case NoteColumn:
        return QString::fromUtf8(texts::Note);
    case InputColumn:
        return tr("入力と条件");
    case ResultColumn:
        return QString::fromUtf8(texts::Results);
    case WarningColumn:
        return QString::fromUtf8(ui::texts::Warning);
    }
    return {};
}

Qt::ItemFlags RecordModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == NoteColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != NoteColumn || index.row() >= journal_.count())
        return false;
    // One line of text: a pasted line break would only hide the rest.
    QString note = value.toString();
    note.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    journal_.setNote(index.row(), note);
    return true;
}

} // namespace app::record
