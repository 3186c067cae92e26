#include "app/losssheet/SectionTableModel.h"

#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/Reasons.h"
#include "app/losssheet/SectionEdits.h"
#include "app/losssheet/SheetLook.h"
#include "app/losssheet/Utf8.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

namespace app::losssheet {

namespace {

// The sheet shows a velocity and an R at the decimals of a printed sheet;
// the tip gives the text the duct or pipe page shows for the same section,
// from the same routine.
QString PageTextTip(const numeric::ShownValue &page)
{
    return QStringLiteral("計算ページでの表示：") + Utf8(page.text());
}

} // namespace

SectionTableModel::SectionTableModel(LossSheetModel &sheet, QObject *parent)
    : SheetTableModel(sheet, ColumnCount, parent)
{
}

const ::losssheet::System *SectionTableModel::system() const
{
    if (system_ < 0 || system_ >= sheet_.count())
        return nullptr;
    return &sheet_.system(system_);
}

void SectionTableModel::showSystem(int index,
                                   std::shared_ptr<const ::losssheet::SystemResult> result)
{
    beginResetModel();
    system_ = index;
    const auto *s = system();
    rows_ = s ? static_cast<int>(s->sections.size()) : 0;
    result_ = std::move(result);
    texts_.assign(static_cast<std::size_t>(rows_), std::nullopt);
    endResetModel();
}

void SectionTableModel::setResult(std::shared_ptr<const ::losssheet::SystemResult> result)
{
    result_ = std::move(result);
    texts_.assign(result_ ? result_->sections.size() : 0, std::nullopt);
    cellsChanged();
}

void SectionTableModel::unitsChanged()
{
    texts_.assign(texts_.size(), std::nullopt);
}

const ::losssheet::SectionResult *SectionTableModel::resultOf(int row) const
{
    if (!result_ || row < 0 || static_cast<std::size_t>(row) >= result_->sections.size())
        return nullptr;
    return &result_->sections[static_cast<std::size_t>(row)];
}

const ::losssheet::SectionTexts &SectionTableModel::textsOf(int row) const
{
    auto &texts = texts_[static_cast<std::size_t>(row)];
    if (!texts)
        texts = ::losssheet::TextsOf(*resultOf(row), kind(), units_);
    return *texts;
}

const ::losssheet::Section *SectionTableModel::sectionAt(const QModelIndex &index) const
{
    const auto *s = system();
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || !s || index.row() >= rows_ || row >= s->sections.size())
        return nullptr;
    return &s->sections[row];
}

QVariant SectionTableModel::data(const QModelIndex &index, int role) const
{
    const ::losssheet::Section *shown = sectionAt(index);
    if (!shown)
        return {};
    const ::losssheet::Section &section = *shown;
    const int row = index.row();
    const int column = index.column();
    if (role == Qt::EditRole)
        return IsInputColumn(column) ? TypedText(column, section) : QVariant();
    if (role == Qt::TextAlignmentRole) {
        const bool text = column == NameColumn || column == UpstreamColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
    }
    const ::losssheet::SectionResult *r = resultOf(row);
    if (!r) {
        if (role == Qt::DisplayRole && IsInputColumn(column))
            return TypedText(column, section);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return CellOf(column, section, *r, textsOf(row)).text;
    case Qt::BackgroundRole: {
        const QPalette palette = QApplication::palette();
        const bool result = CellOf(column, section, *r, textsOf(row)).result;
        if (r->onCriticalPath)
            return QBrush(CriticalBackground(palette, result));
        return result ? QVariant(QBrush(ResultBackground(palette))) : QVariant();
    }
    case Qt::ForegroundRole:
        if (column == NameColumn && !r->problem.empty())
            return QBrush(ProblemText(QApplication::palette()));
        return {};
    case Qt::DecorationRole:
        return column == NameColumn ? MarkOf(*r) : QVariant();
    case Qt::ToolTipRole:
        if (column == NameColumn)
            return ReasonsOf(*r).join(QLatin1Char('\n'));
        if (column == FlowColumn && r->flowFromBranches)
            return QStringLiteral("下流の区間の合計です。");
        if (column == SizeColumn && r->sized)
            return QStringLiteral("系統の寸法の決め方で求めた寸法です。");
        if (column == VelocityColumn && r->pageVelocity)
            return PageTextTip(*r->pageVelocity);
        if (column == LossPerMetreColumn && r->pageLoss)
            return PageTextTip(*r->pageLoss);
        return {};
    default:
        return {};
    }
}

QVariant SectionTableModel::columnHeader(int section, int role) const
{
    if (role == Qt::DisplayRole) {
        const QString unit = ColumnUnit(section, kind(), units_);
        const QString caption = ColumnCaption(section, kind());
        return unit.isEmpty() ? caption : caption + QLatin1Char('\n') + unit;
    }
    if (role == Qt::ToolTipRole && IsInputColumn(section))
        return QStringLiteral("入力できます（F2 またはダブルクリック）。");
    return {};
}

QString SectionTableModel::checkCell(const QModelIndex &index, const QString &text) const
{
    return CheckSectionCell(index.column(), text, kind());
}

void SectionTableModel::applyCell(const QModelIndex &index, const QString &text)
{
    sheet_.edit(system_, [&](::losssheet::System &s) {
        ApplySectionCell(s, index.row(), index.column(), text);
    });
}

int SectionTableModel::insertSection(int row)
{
    if (!system())
        return -1;
    const int at = row >= 0 && row < rows_ ? row + 1 : rows_;
    beginInsertRows({}, at, at);
    int inserted = at;
    sheet_.edit(system_, [&](::losssheet::System &s) { inserted = InsertSection(s, row); });
    rows_ = static_cast<int>(system()->sections.size());
    endInsertRows();
    return inserted;
}

void SectionTableModel::removeSection(int row)
{
    if (!system() || row < 0 || row >= rows_)
        return;
    beginRemoveRows({}, row, row);
    sheet_.edit(system_,
                [row](::losssheet::System &s) { s.sections.erase(s.sections.begin() + row); });
    rows_ = static_cast<int>(system()->sections.size());
    endRemoveRows();
}

} // namespace app::losssheet
