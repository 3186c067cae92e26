#include "app/losssheet/FittingTableModel.h"

#include "app/losssheet/FittingTexts.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/Reasons.h"
#include "app/losssheet/SheetLook.h"
#include "app/losssheet/TypedNumbers.h"
#include "app/losssheet/Utf8.h"
#include "fittings/Quantities.h"
#include "losssheet/CaptionTexts.h"
#include "losssheet/SheetTexts.h"
#include "numeric/NumberText.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

namespace app::losssheet {

using ::losssheet::Fitting;
using ::losssheet::SystemKind;

FittingTableModel::FittingTableModel(LossSheetModel &sheet, QObject *parent)
    : SheetTableModel(sheet, ColumnCount, parent)
{
}

const ::losssheet::Section *FittingTableModel::section() const
{
    if (system_ < 0 || system_ >= sheet_.count() || section_ < 0)
        return nullptr;
    const auto &sections = sheet_.system(system_).sections;
    if (static_cast<std::size_t>(section_) >= sections.size())
        return nullptr;
    return &sections[static_cast<std::size_t>(section_)];
}

int FittingTableModel::fittingCount() const
{
    const auto *s = section();
    return s ? static_cast<int>(s->fittings.size()) : 0;
}

void FittingTableModel::showSection(int system, int section,
                                    std::shared_ptr<const ::losssheet::SystemResult> result)
{
    beginResetModel();
    system_ = system;
    section_ = section;
    result_ = std::move(result);
    rows_ = fittingCount();
    endResetModel();
}

void FittingTableModel::setResult(std::shared_ptr<const ::losssheet::SystemResult> result)
{
    result_ = std::move(result);
    if (changingRows_)
        return; // the rows' own change ends with their cells
    // A section inserted or removed above moves the one shown: the window
    // shows the section again; here only the cells follow.
    if (rows_ != fittingCount()) {
        beginResetModel();
        rows_ = fittingCount();
        endResetModel();
    } else {
        cellsChanged();
    }
}

const ::losssheet::FittingResult *FittingTableModel::resultOf(int row) const
{
    if (!result_ || section_ < 0 || static_cast<std::size_t>(section_) >= result_->sections.size())
        return nullptr;
    const auto &fittings = result_->sections[static_cast<std::size_t>(section_)].fittings;
    if (row < 0 || static_cast<std::size_t>(row) >= fittings.size())
        return nullptr;
    return &fittings[static_cast<std::size_t>(row)];
}

const Fitting *FittingTableModel::fittingAt(const QModelIndex &index) const
{
    const auto *s = section();
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || !s || index.row() >= rows_ || row >= s->fittings.size())
        return nullptr;
    return &s->fittings[row];
}

QVariant FittingTableModel::data(const QModelIndex &index, int role) const
{
    const Fitting *shown = fittingAt(index);
    if (!shown)
        return {};
    const Fitting &f = *shown;
    const ::losssheet::FittingResult *r = resultOf(index.row());
    const int column = index.column();
    if (role == Qt::EditRole) {
        if (column == CountColumn)
            return Utf8(numeric::FormatGeneral15(f.count));
        if (column == NoteColumn)
            return Utf8(f.note);
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number = column == CountColumn || column == CoefficientColumn ||
                            column == SectionZetaColumn || column == EquivalentLengthColumn ||
                            column == LossColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    const auto texts = r ? ::losssheet::TextsOf(*r, kind(), units_) : ::losssheet::FittingTexts{};
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case KindColumn:
            return KindText(f);
        case MethodColumn: {
            const fittings::Method *m = MethodOf(f, kind());
            return m ? Utf8(m->name) : Utf8(f.method);
        }
        case InputsColumn:
            return ParametersText(f, r, kind(), units_);
        case CountColumn:
            return Utf8(numeric::FormatGeneral15(f.count));
        case CoefficientColumn:
            return Utf8(texts.zeta);
        case ReferenceColumn:
            return Utf8(texts.reference);
        case SectionZetaColumn:
            return Utf8(texts.sectionZeta);
        case EquivalentLengthColumn:
            return Utf8(texts.equivalentLength);
        case LossColumn:
            return Utf8(texts.loss);
        case NoteColumn:
            return Utf8(f.note);
        case WarningColumn:
            return r ? ReasonsOf(*r).join(QStringLiteral(" ")) : QString();
        default:
            return {};
        }
    case Qt::BackgroundRole:
        if (column == CountColumn || column == NoteColumn || column == WarningColumn ||
            column == KindColumn)
            return {};
        return QBrush(ResultBackground(QApplication::palette()));
    case Qt::ForegroundRole:
        if (column == WarningColumn)
            return QBrush(ProblemText(QApplication::palette()));
        return {};
    case Qt::DecorationRole:
        return column == KindColumn && r ? MarkOf(*r) : QVariant();
    case Qt::ToolTipRole:
        if (column == KindColumn || column == WarningColumn) {
            const QString text = r ? ReasonsOf(*r).join(QStringLiteral(" ")) : QString();
            if (!text.isEmpty())
                return text;
            if (const auto *type = TypeOf(f); type && !type->note.empty())
                return Utf8(type->note);
            return {};
        }
        if (column == MethodColumn) {
            const fittings::Method *m = MethodOf(f, kind());
            return m ? Utf8(m->source) : QVariant();
        }
        return {};
    default:
        return {};
    }
}

QVariant FittingTableModel::columnHeader(int section, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    const bool pipe = kind() == SystemKind::Pipe;
    const QString pressure = Utf8(::losssheet::PressureScale(kind(), units_).unit);
    switch (section) {
    case KindColumn:
        return Utf8(::losssheet::texts::Kind);
    case MethodColumn:
        return Utf8(::losssheet::texts::Method);
    case InputsColumn:
        return Utf8(fittings::quantity::Typed);
    case CountColumn:
        return Utf8(::losssheet::texts::Count);
    case CoefficientColumn:
        return pipe ? QStringLiteral("K") : QStringLiteral("ζ");
    case ReferenceColumn:
        return Utf8(::losssheet::texts::ReferenceVelocity);
    case SectionZetaColumn:
        return QStringLiteral("ζ×個数\n（区間の速度）");
    case EquivalentLengthColumn:
        return Utf8(::losssheet::texts::EquivalentLengthMetres);
    case LossColumn:
        return Utf8(::losssheet::texts::LossOver) + pressure;
    case NoteColumn:
        return Utf8(::losssheet::texts::Remarks);
    case WarningColumn:
        return Utf8(texts::Attention);
    default:
        return {};
    }
}

QString FittingTableModel::checkCell(const QModelIndex &index, const QString &text) const
{
    if (index.column() != CountColumn)
        return {};
    if (text.trimmed().isEmpty())
        return NotANumberMessage(Utf8(::losssheet::texts::Count), {});
    if (const QString reason = WhyNotANumber(text); !reason.isEmpty())
        return NotANumberMessage(Utf8(::losssheet::texts::Count), reason);
    return {};
}

void FittingTableModel::applyCell(const QModelIndex &index, const QString &text)
{
    if (index.column() == CountColumn) {
        const long double count = EvaluateTyped(text);
        editFitting(index.row(), [count](Fitting &f) { f.count = count; });
    } else {
        const std::string note = text.toStdString();
        editFitting(index.row(), [&note](Fitting &f) { f.note = note; });
    }
}

int FittingTableModel::addFitting(Fitting fitting)
{
    if (!section())
        return -1;
    const int row = rows_;
    beginInsertRows({}, row, row);
    changingRows_ = true;
    sheet_.edit(system_, [&](::losssheet::System &s) {
        s.sections[static_cast<std::size_t>(section_)].fittings.push_back(std::move(fitting));
    });
    changingRows_ = false;
    rows_ = fittingCount();
    endInsertRows();
    cellsChanged();
    return row;
}

void FittingTableModel::removeFitting(int row)
{
    if (!section() || row < 0 || row >= rows_)
        return;
    beginRemoveRows({}, row, row);
    changingRows_ = true;
    sheet_.edit(system_, [&](::losssheet::System &s) {
        auto &fittings = s.sections[static_cast<std::size_t>(section_)].fittings;
        fittings.erase(fittings.begin() + row);
    });
    changingRows_ = false;
    rows_ = fittingCount();
    endRemoveRows();
    cellsChanged();
}

void FittingTableModel::editFitting(int row, const std::function<void(Fitting &)> &change)
{
    if (!section() || row < 0 || row >= rows_)
        return;
    sheet_.edit(system_, [&](::losssheet::System &s) {
        change(
            s.sections[static_cast<std::size_t>(section_)].fittings[static_cast<std::size_t>(row)]);
    });
}

} // namespace app::losssheet
