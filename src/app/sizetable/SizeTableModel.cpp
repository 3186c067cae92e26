#include "app/sizetable/SizeTableModel.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <numeric>

namespace app::sizetable {

namespace {

const QString ChosenMark = QStringLiteral("●");
const QString Exceeded = QStringLiteral("超過");

bool darkPalette(const QPalette &p)
{
    return p.color(QPalette::Base).lightness() < 128;
}

// A red that reads on the palette's base colour.
QColor flagColour(const QPalette &p)
{
    return darkPalette(p) ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x00, 0x20);
}

// The base colour tinted towards the highlight, for the chosen row.
QColor chosenBackground(const QPalette &p)
{
    const QColor base = p.color(QPalette::Base);
    const QColor mark = p.color(QPalette::Highlight);
    const auto mix = [](int a, int b) { return (a * 7 + b * 3) / 10; };
    return QColor(mix(base.red(), mark.red()), mix(base.green(), mark.green()),
                  mix(base.blue(), mark.blue()));
}

} // namespace

SizeTableModel::SizeTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void SizeTableModel::setContent(TableContent content)
{
    beginResetModel();
    content_ = std::move(content);
    order_.resize(content_.rows.size());
    std::iota(order_.begin(), order_.end(), 0);
    if (sortColumn_ >= static_cast<int>(content_.columns.size()))
        sortColumn_ = -1;
    applyOrder();
    endResetModel();
}

void SizeTableModel::setAspectLimitTenths(int tenths)
{
    if (tenths == aspectLimitTenths_)
        return;
    aspectLimitTenths_ = tenths;
    limitsChanged();
}

void SizeTableModel::setVelocityLimitTenths(int tenths)
{
    if (tenths == velocityLimitTenths_)
        return;
    velocityLimitTenths_ = tenths;
    limitsChanged();
}

void SizeTableModel::limitsChanged()
{
    if (sortColumn_ >= 0 &&
        content_.columns[static_cast<std::size_t>(sortColumn_)].kind == ColumnKind::VelocityFlag)
        sort(sortColumn_, sortOrder_);
    if (!order_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

const TableRow &SizeTableModel::rowAt(int row) const
{
    return content_.rows[static_cast<std::size_t>(order_[static_cast<std::size_t>(row)])];
}

bool SizeTableModel::greyed(int row) const
{
    const TableRow &r = rowAt(row);
    return r.aspectTenths && *r.aspectTenths > aspectLimitTenths_;
}

bool SizeTableModel::aboveVelocityLimit(int row) const
{
    const TableRow &r = rowAt(row);
    return r.velocityThousandths && *r.velocityThousandths > velocityLimitTenths_ * 100LL;
}

QString SizeTableModel::cellText(int row, int column) const
{
    const TableRow &r = rowAt(row);
    switch (content_.columns[static_cast<std::size_t>(column)].kind) {
    case ColumnKind::Mark:
        return r.chosen ? ChosenMark : QString();
    case ColumnKind::TargetFlag:
        return r.missesTarget ? Exceeded : QString();
    case ColumnKind::VelocityFlag:
        return aboveVelocityLimit(row) ? Exceeded : QString();
    case ColumnKind::Text:
    case ColumnKind::Number:
        break;
    }
    return r.cells[static_cast<std::size_t>(column)].text;
}

QString SizeTableModel::tabSeparated(const std::vector<int> &rows) const
{
    QStringList lines;
    QStringList captions;
    for (const Column &c : content_.columns)
        captions << c.caption;
    lines << captions.join(QLatin1Char('\t'));
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column)
            cells << cellText(row, column);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int SizeTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int SizeTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(content_.columns.size());
}

QVariant SizeTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const ColumnKind kind = content_.columns[static_cast<std::size_t>(index.column())].kind;
    const TableRow &r = rowAt(row);
    const QPalette palette = QGuiApplication::palette();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        if (kind == ColumnKind::Number)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::FontRole:
        if (r.chosen) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        if ((kind == ColumnKind::TargetFlag && r.missesTarget) ||
            (kind == ColumnKind::VelocityFlag && aboveVelocityLimit(row)))
            return flagColour(palette);
        if (greyed(row))
            return palette.color(QPalette::Disabled, QPalette::Text);
        return {};
    case Qt::BackgroundRole:
        if (r.chosen)
            return chosenBackground(palette);
        return {};
    case Qt::ToolTipRole:
        if (r.chosen)
            return QStringLiteral("ページの寸法計算が選んだサイズ");
        if (greyed(row))
            return QStringLiteral("縦横比が上限を超えています");
        return {};
    default:
        return {};
    }
}

QVariant SizeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const Column &c = content_.columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return c.caption;
    if (role == Qt::ToolTipRole) {
        switch (c.kind) {
        case ColumnKind::Mark:
            return QStringLiteral("ページの寸法計算が選んだサイズに ●");
        case ColumnKind::TargetFlag:
            return QStringLiteral("寸法計算の目標を満たさないサイズに「超過」");
        case ColumnKind::VelocityFlag:
            return QStringLiteral("流速が上限を超えるサイズに「超過」");
        case ColumnKind::Text:
        case ColumnKind::Number:
            break;
        }
    }
    return {};
}

std::optional<long double> SizeTableModel::sortKey(const TableRow &row, int column) const
{
    switch (content_.columns[static_cast<std::size_t>(column)].kind) {
    case ColumnKind::Mark:
        return row.chosen ? 0 : 1;
    case ColumnKind::TargetFlag:
        return row.missesTarget ? 1 : 0;
    case ColumnKind::VelocityFlag:
        return row.velocityThousandths && *row.velocityThousandths > velocityLimitTenths_ * 100LL
                   ? 1
                   : 0;
    case ColumnKind::Text:
    case ColumnKind::Number:
        break;
    }
    return row.cells[static_cast<std::size_t>(column)].key;
}

void SizeTableModel::applyOrder()
{
    std::sort(order_.begin(), order_.end());
    if (sortColumn_ < 0)
        return;
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::stable_sort(order_.begin(), order_.end(), [&](int l, int r) {
        const auto a = sortKey(content_.rows[static_cast<std::size_t>(l)], sortColumn_);
        const auto b = sortKey(content_.rows[static_cast<std::size_t>(r)], sortColumn_);
        if (!a || !b)
            return a.has_value() && !b.has_value(); // a cell without a value comes last
        return descending ? *b < *a : *a < *b;
    });
}

void SizeTableModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> rowsBefore;
    for (const QModelIndex &i : before)
        rowsBefore.push_back(order_[static_cast<std::size_t>(i.row())]);

    sortColumn_ = column < columnCount() ? column : -1;
    sortOrder_ = order;
    applyOrder();

    std::vector<int> shownAt(order_.size());
    for (std::size_t i = 0; i < order_.size(); ++i)
        shownAt[static_cast<std::size_t>(order_[i])] = static_cast<int>(i);
    QModelIndexList after;
    for (std::size_t i = 0; i < rowsBefore.size(); ++i)
        after << index(shownAt[static_cast<std::size_t>(rowsBefore[i])], before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace app::sizetable
