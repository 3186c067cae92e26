#include "app/chart/ChartTableModels.h"

#include "chart/StatePoints.h"
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"
#include "numeric/Real.h"
#include "numeric/Units.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QStyle>

namespace app::chart {

namespace {

QString Utf8(const std::string &s)
{
    return QString::fromStdString(s);
}

// The mark of a row whose result is missing, its reason as the tooltip.
QIcon ProblemMarker()
{
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

bool Numeric(int column)
{
    return column != ::chart::LabelColumn && column != ::chart::NoteColumn &&
           column != ::chart::ProblemColumn;
}

} // namespace

DiagramListModel::DiagramListModel(int columns, QObject *parent)
    : NumberedTableModel(columns, parent)
{
}

void DiagramListModel::sync()
{
    const int rows = itemCount();
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        texts_.assign(rows, std::nullopt);
        endResetModel();
    } else if (rows > 0) {
        texts_.assign(rows, std::nullopt);
        emit dataChanged(index(0, 0), index(rows - 1, columns_ - 1));
    }
}

void DiagramListModel::appendRows()
{
    const int rows = itemCount();
    if (rows <= rows_)
        return sync();
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    texts_.resize(rows);
    endInsertRows();
}

const ::chart::Row &DiagramListModel::texts(int row) const
{
    const auto count = static_cast<std::size_t>(itemCount());
    if (texts_.size() != count)
        texts_.assign(count, std::nullopt);
    auto &texts = texts_[row];
    if (!texts)
        texts = rowTexts(row);
    return *texts;
}

QVariant DiagramListModel::columnHeader(int column, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    const auto header = this->header();
    return column < static_cast<int>(header.size()) ? Utf8(header[column]) : QVariant();
}

ChartPointsModel::ChartPointsModel(::chart::Diagram &diagram, QObject *parent)
    : DiagramListModel(::chart::PointColumnCount, parent), diagram_(diagram)
{
    rows_ = static_cast<int>(diagram_.points().size());
}

void ChartPointsModel::setConventionalUnits(bool conventional)
{
    conventional_ = conventional;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    sync();
}

int ChartPointsModel::itemCount() const
{
    return static_cast<int>(diagram_.points().size());
}

::chart::Row ChartPointsModel::rowTexts(int row) const
{
    return ::chart::PointRow(diagram_.points()[row], conventional_);
}

::chart::Row ChartPointsModel::header() const
{
    return ::chart::PointHeader(conventional_);
}

int ChartPointsModel::pointId(int row) const
{
    if (row < 0 || row >= static_cast<int>(diagram_.points().size()))
        return 0;
    return diagram_.points()[row].id;
}

int ChartPointsModel::rowOf(int pointId) const
{
    return diagram_.pointIndex(pointId);
}

QVariant ChartPointsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(diagram_.points().size()))
        return {};
    const ::chart::StatePoint &point = diagram_.points()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Utf8(texts(index.row())[index.column()]);
    case Qt::DecorationRole:
        if (index.column() == ::chart::LabelColumn && !point.problem.empty())
            return ProblemMarker();
        return {};
    case Qt::TextAlignmentRole:
        return Numeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (index.column() == ::chart::ProblemColumn)
            return QBrush(QColor(0xd0, 0x20, 0x20));
        if (point.producedBy && index.column() != ::chart::LabelColumn &&
            index.column() != ::chart::NoteColumn)
            return QBrush(QColor(0x80, 0x80, 0x80));
        return {};
    case Qt::ToolTipRole:
        if (!point.problem.empty())
            return Utf8(point.problem);
        if (point.producedBy)
            return QStringLiteral("工程で求めた点です。");
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ChartPointsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid() || index.row() >= static_cast<int>(diagram_.points().size()))
        return f;
    const ::chart::StatePoint &point = diagram_.points()[index.row()];
    const int c = index.column();
    const bool always = c == ::chart::LabelColumn || c == ::chart::NoteColumn;
    const bool userPoint =
        !point.producedBy && (c == ::chart::AirflowColumn || c == ::chart::DryBulbColumn ||
                              ::chart::GivenOfColumn(c).has_value());
    if (always || userPoint)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ChartPointsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const ::chart::StatePoint point = diagram_.points()[index.row()];
    const QString text = value.toString();
    const int c = index.column();
    if (c == ::chart::LabelColumn) {
        diagram_.setLabel(point.id, text.trimmed().toStdString());
    } else if (c == ::chart::NoteColumn) {
        diagram_.setNote(point.id, text.toStdString());
    } else {
        try {
            if (c == ::chart::AirflowColumn) {
                if (text.trimmed().isEmpty()) {
                    diagram_.setAirflow(point.id, std::nullopt);
                } else {
                    diagram_.setAirflow(point.id, numeric::ParsePlainNumber(text.toStdString()));
                }
            } else {
                long double typed = numeric::ParsePlainNumber(text.toStdString());
                ::chart::PointDefinition d = point.definition;
                d.exact.reset();
                if (c == ::chart::DryBulbColumn) {
                    // The point keeps the property it was given by.
                    d.dryBulb = typed;
                } else {
                    const ::chart::Given given = *::chart::GivenOfColumn(c);
                    if (given == ::chart::Given::Enthalpy && !conventional_)
                        typed = (numeric::Real(typed) / numeric::KJPerKcal).value();
                    if (point.state)
                        d.dryBulb = point.state->dryBulb;
                    d.given = given;
                    d.value = typed;
                }
                const std::string impossible =
                    ::chart::ImpossibleReason(d, diagram_.pressure(), conventional_);
                if (!impossible.empty()) {
                    emit editRefused(Utf8(impossible));
                    return false;
                }
                diagram_.redefinePoint(point.id, d);
            }
        } catch (const numeric::Failure &failure) {
            emit editRefused(QString::fromUtf8(failure.what()));
            return false;
        }
    }
    if (index.row() < static_cast<int>(texts_.size()))
        texts_[index.row()].reset();
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit pointsEdited();
    return true;
}

ChartProcessesModel::ChartProcessesModel(const ::chart::Diagram &diagram, QObject *parent)
    : DiagramListModel(0, parent), diagram_(diagram)
{
    rows_ = static_cast<int>(diagram_.processes().size());
    columns_ = static_cast<int>(::chart::ProcessHeader(conventional_).size());
}

void ChartProcessesModel::setConventionalUnits(bool conventional)
{
    beginResetModel();
    conventional_ = conventional;
    columns_ = static_cast<int>(::chart::ProcessHeader(conventional_).size());
    rows_ = static_cast<int>(diagram_.processes().size());
    texts_.assign(rows_, std::nullopt);
    endResetModel();
}

int ChartProcessesModel::itemCount() const
{
    return static_cast<int>(diagram_.processes().size());
}

::chart::Row ChartProcessesModel::rowTexts(int row) const
{
    return ::chart::ProcessRow(diagram_, diagram_.processes()[row], conventional_);
}

::chart::Row ChartProcessesModel::header() const
{
    return ::chart::ProcessHeader(conventional_);
}

int ChartProcessesModel::processId(int row) const
{
    if (row < 0 || row >= static_cast<int>(diagram_.processes().size()))
        return 0;
    return diagram_.processes()[row].id;
}

QVariant ChartProcessesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(diagram_.processes().size()))
        return {};
    const ::chart::Row &row = texts(index.row());
    const std::string &problem = row.back();
    switch (role) {
    case Qt::DisplayRole:
        return index.column() < static_cast<int>(row.size()) ? Utf8(row[index.column()])
                                                             : QVariant();
    case Qt::DecorationRole:
        if (index.column() == 0 && !problem.empty())
            return ProblemMarker();
        return {};
    case Qt::ToolTipRole:
        if (!problem.empty())
            return Utf8(problem);
        return {};
    case Qt::TextAlignmentRole:
        return index.column() >= 3 && index.column() < columns_ - 1
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (index.column() == columns_ - 1)
            return QBrush(QColor(0xd0, 0x20, 0x20));
        return {};
    default:
        return {};
    }
}

} // namespace app::chart
