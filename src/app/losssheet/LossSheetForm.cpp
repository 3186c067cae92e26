#include "app/losssheet/LossSheetForm.h"

#include "app/files/FileTexts.h"
#include "app/files/SaveWorkbook.h"
#include "app/losssheet/CheckedCellDelegate.h"
#include "app/losssheet/ConditionsPanel.h"
#include "app/losssheet/FittingEditor.h"
#include "app/losssheet/FittingTableModel.h"
#include "app/losssheet/FittingTexts.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/LossSheetTexts.h"
#include "app/losssheet/SectionColumns.h"
#include "app/losssheet/SectionTableModel.h"
#include "app/losssheet/SheetLook.h"
#include "app/losssheet/SheetWorkbook.h"
#include "app/losssheet/SummaryTexts.h"
#include "app/losssheet/SystemRecord.h"
#include "app/losssheet/TerminalTableModel.h"
#include "app/losssheet/Utf8.h"
#include "app/record/RecordText.h"
#include "app/ui/TableFace.h"
#include "app/ui/UiTexts.h"
#include "app/ui/WindowGeometry.h"
#include "app/ui/WindowPlacement.h"
#include "fittings/Catalogue.h"
#include "losssheet/CaptionTexts.h"
#include "losssheet/SectionNames.h"
#include "numeric/Failure.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

namespace app::losssheet {

namespace {

// The [LossSheet] keys' place in the settings file, after the other
// feature windows'.
constexpr int FirstSettingsRank = 4000;

using ::losssheet::System;
using ::losssheet::SystemKind;
using ::losssheet::UnitSystem;

const QString WindowTitle = QString::fromUtf8(texts::WindowTitle);

QPushButton *Button(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QTableView *Table(QWidget *parent, const char *name, QAbstractItemModel *model)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    ui::UseTableFace(view);
    view->setWordWrap(false);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->horizontalHeader()->setResizeContentsPrecision(200);
    view->verticalHeader()->hide();
    return view;
}

// Columns as wide as their contents (the first 200 rows), and a little
// more, so that numbers do not touch the grid.
void FitColumns(QTableView *view)
{
    view->resizeColumnsToContents();
    QHeaderView *header = view->horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        header->resizeSection(c, header->sectionSize(c) + 10);
}

QLabel *Title(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font-weight: bold"));
    return label;
}

// A new system in the window's units: the duct page's default target
// (0.1 mmAq/m) converted as the page converts it; a pipe system's target,
// as on the pipe page, is the user's to give.
System NewSystem(SystemKind kind, const std::vector<System> &systems, UnitSystem units)
{
    System s;
    s.kind = kind;
    s.name = UnusedSystemName(systems, kind == SystemKind::Duct ? "ダクト系統" : "配管系統");
    s.duct.sizing =
        ::losssheet::ConvertedSizingRule(s.duct.sizing, UnitSystem::Conventional, units);
    return s;
}

} // namespace

LossSheetForm::LossSheetForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("LossSheetForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    sheet_ = new LossSheetModel(this);
    sections_ = new SectionTableModel(*sheet_, this);
    fittings_ = new FittingTableModel(*sheet_, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);
    auto *menu = new QMenuBar(this);
    layout->setMenuBar(menu);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("LossSheetSplitter"));
    split->addWidget(buildSystemList());
    auto *right = new QWidget(split);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 4, 0, 0);
    conditions_ = new ConditionsPanel(*sheet_, right);
    rightLayout->addWidget(conditions_);
    auto *vertical = new QSplitter(Qt::Vertical, right);
    vertical->addWidget(buildSections());
    auto *lower = new QSplitter(Qt::Horizontal, vertical);
    lower->addWidget(buildFittings());
    lower->addWidget(buildSummary());
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    vertical->addWidget(lower);
    vertical->setStretchFactor(0, 3);
    vertical->setStretchFactor(1, 2);
    rightLayout->addWidget(vertical, 1);
    split->addWidget(right);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setCollapsible(1, false);
    split->setSizes({190, 1250}); // the list narrow, whatever the window's width
    layout->addWidget(split, 1);

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("LossSheetStatus"));
    status_->setSizeGripEnabled(true);
    layout->addWidget(status_);
    buildMenu(menu);

    connect(sheet_, &LossSheetModel::systemEdited, this, &LossSheetForm::systemEdited);
    connect(sheet_, &LossSheetModel::systemsReset, this, [this] {
        current_ = -1;
        editedSinceRecord_ = false;
        refreshSystemList();
        showSystem(sheet_->count() > 0 ? 0 : -1);
    });
    connect(conditions_, &ConditionsPanel::refused, this,
            [this](const QString &m) { note(m, true); });
    connect(sections_, &SectionTableModel::editRefused, this,
            [this](const QString &m) { note(m, true); });
    connect(fittings_, &FittingTableModel::editRefused, this,
            [this](const QString &m) { note(m, true); });
    connect(fittingEditor_, &FittingEditor::refused, this,
            [this](const QString &m) { note(m, true); });

    auto *preview = new QShortcut(QKeySequence::Print, this);
    connect(preview, &QShortcut::activated, this, [this] { printPreview(); });

    updateTitle();
    resize(ui::FittedToScreen(this, QSize(1440, 880)));
    geometry_ = new ui::WindowGeometry(this, "LossSheet", FirstSettingsRank);
    showSystem(-1);
}

LossSheetForm::~LossSheetForm()
{
    // The widgets go first, while the systems they show still live, and an
    // editor that loses its focus on the way edits nothing.
    sheet_->blockSignals(true);
    qDeleteAll(findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
}

void LossSheetForm::buildMenu(QMenuBar *bar)
{
    const auto action = [this](QMenu *menu, const QString &text, const char *name, auto slot) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *file = bar->addMenu(Utf8(ui::texts::FileMenu));
    file->setObjectName(QStringLiteral("LossSheetFile"));
    // A file chosen in a save dialog, written by `save`; a failure said.
    const auto saveTo = [this](const QString &caption, const QString &fileName,
                               const QString &filter, auto save) {
        return [=, this] {
            const QString path = QFileDialog::getSaveFileName(
                this, caption, QDir::home().filePath(fileName), filter);
            if (path.isEmpty())
                return;
            if (const QString failure = (this->*save)(path); !failure.isEmpty())
                QMessageBox::warning(this, WindowTitle, failure);
        };
    };
    action(file, QStringLiteral("CSV 書き出し(&E)..."), "LossSheetExportCsv",
           saveTo(QStringLiteral("CSV 書き出し"), QStringLiteral("系統圧損計算.csv"),
                  Utf8(files::texts::CsvFilter), &LossSheetForm::exportCsv));
    action(file, Utf8(files::texts::ExportXlsx), "LossSheetSaveXlsx",
           saveTo(QStringLiteral("Excel 形式で書き出し"), QStringLiteral("系統圧損計算.xlsx"),
                  Utf8(files::texts::ExcelFilter), &LossSheetForm::exportXlsx));
    action(file, QStringLiteral("印刷プレビュー(&V)...\tCtrl+P"), "LossSheetPrint",
           [this] { printPreview(); });
    action(file, QStringLiteral("すべての系統を印刷プレビュー(&A)..."), "LossSheetPrintAll",
           [this] { printPreview(true); });
    action(file, QStringLiteral("PDF に保存(&D)..."), "LossSheetSavePdf",
           saveTo(Utf8(files::texts::SavePdf), QStringLiteral("系統圧損計算.pdf"),
                  Utf8(files::texts::PdfFilter), &LossSheetForm::saveCurrentPdf));
    file->addSeparator();
    action(file, Utf8(ui::texts::CloseWindow), "LossSheetClose", [this] { close(); });

    QMenu *edit = bar->addMenu(Utf8(ui::texts::EditMenu));
    edit->setObjectName(QStringLiteral("LossSheetEdit"));
    action(edit, QStringLiteral("区間表をコピー(&C)\tCtrl+C"), "LossSheetCopy",
           [this] { copySections(); });
    edit->addSeparator();
    action(edit, QStringLiteral("区間を追加(&I)\tIns"), "LossSheetAddSection",
           [this] { addSection(); });
    action(edit, QStringLiteral("区間を削除(&D)\tDel"), "LossSheetDeleteSection",
           [this] { deleteSection(); });

    QMenu *systems = bar->addMenu(QStringLiteral("系統(&S)"));
    systems->setObjectName(QStringLiteral("LossSheetSystems"));
    action(systems, QStringLiteral("ダクト系統を追加(&D)"), "LossSheetAddDuct",
           [this] { addSystem(SystemKind::Duct); });
    action(systems, QStringLiteral("配管系統を追加(&P)"), "LossSheetAddPipe",
           [this] { addSystem(SystemKind::Pipe); });
    action(systems, QStringLiteral("名前の変更(&R)"), "LossSheetRename",
           [this] { renameSystem(); });
    action(systems, QStringLiteral("複製(&C)"), "LossSheetDuplicate",
           [this] { duplicateSystem(); });
    action(systems, QStringLiteral("削除(&X)"), "LossSheetDelete", [this] { deleteSystem(); });
    systems->addSeparator();
    action(systems, QStringLiteral("合計を計算記録に残す(&K)"), "LossSheetRecord",
           [this] { recordTotal(); });
}

QWidget *LossSheetForm::buildSystemList()
{
    auto *pane = new QWidget(this);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 4, 0, 0);
    column->addWidget(Title(pane, Utf8(texts::System)));
    systemList_ = new QListWidget(pane);
    systemList_->setObjectName(QStringLiteral("SystemList"));
    systemList_->setMinimumWidth(140);
    column->addWidget(systemList_, 1);
    const auto add = [&](const char *name, const QString &text, auto slot) {
        QPushButton *b = Button(pane, name, text);
        connect(b, &QPushButton::clicked, this, slot);
        column->addWidget(b);
    };
    add("AddDuctSystemButton", QStringLiteral("ダクト系統を追加"),
        [this] { addSystem(SystemKind::Duct); });
    add("AddPipeSystemButton", QStringLiteral("配管系統を追加"),
        [this] { addSystem(SystemKind::Pipe); });
    add("RenameSystemButton", Utf8(ui::texts::Rename), [this] { renameSystem(); });
    add("DuplicateSystemButton", Utf8(ui::texts::Duplicate), [this] { duplicateSystem(); });
    add("DeleteSystemButton", Utf8(ui::texts::Delete), [this] { deleteSystem(); });
    column->addSpacing(8);
    add("RecordSystemButton", QStringLiteral("計算記録に残す"), [this] { recordTotal(); });
    connect(systemList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != current_)
            showSystem(row);
    });
    return pane;
}

QWidget *LossSheetForm::buildSections()
{
    auto *pane = new QWidget(this);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QHBoxLayout;
    bar->addWidget(Title(pane, Utf8(::losssheet::texts::Section)));
    QPushButton *add = Button(pane, "AddSectionButton", QStringLiteral("区間を追加"));
    add->setToolTip(QStringLiteral("選んだ区間の次に区間を加えます（Ins）。"));
    connect(add, &QPushButton::clicked, this, [this] { addSection(); });
    QPushButton *remove = Button(pane, "DeleteSectionButton", QStringLiteral("区間を削除"));
    remove->setToolTip(QStringLiteral("選んだ区間を削除します（Del）。"));
    connect(remove, &QPushButton::clicked, this, [this] { deleteSection(); });
    bar->addWidget(add);
    bar->addWidget(remove);
    auto *hint = new QLabel(
        QStringLiteral("F2・ダブルクリックで入力、Enter で確定。灰色は計算値、網掛けは最遠経路。"),
        pane);
    hint->setToolTip(QStringLiteral(
        "セルは F2 かダブルクリックで入力し Enter で確定します。風量・寸法を空けると、"
        "下流の合計・寸法の決め方で求めます（灰色の欄）。網掛けは最遠経路です。"));
    hint->setObjectName(QStringLiteral("SectionHint"));
    hint->setWordWrap(true);
    bar->addWidget(hint, 1);
    column->addLayout(bar);

    sectionView_ = Table(pane, "SectionTable", sections_);
    sectionView_->setSelectionBehavior(QAbstractItemView::SelectItems);
    sectionView_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    auto *delegate = new CheckedCellDelegate(
        [this](const QModelIndex &index, const QString &text) {
            return sections_->checkCell(index, text);
        },
        sectionView_);
    connect(delegate, &CheckedCellDelegate::refused, this,
            [this](const QString &m, QWidget *editor) {
                note(m, true);
                QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), m, editor);
            });
    sectionView_->setItemDelegate(delegate);
    sectionView_->installEventFilter(this);
    connect(sectionView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) { sectionChosen(index.row()); });
    column->addWidget(sectionView_, 1);
    return pane;
}

QWidget *LossSheetForm::buildFittings()
{
    auto *pane = new QWidget(this);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QHBoxLayout;
    fittingsTitle_ = Title(pane, Utf8(texts::FittingsAndEquipment));
    fittingsTitle_->setObjectName(QStringLiteral("FittingsTitle"));
    bar->addWidget(fittingsTitle_);
    bar->addSpacing(12);
    fittingKind_ = new QComboBox(pane);
    fittingKind_->setObjectName(QStringLiteral("FittingKind"));
    fittingKind_->setMaxVisibleItems(24);
    bar->addWidget(fittingKind_);
    QPushButton *add = Button(pane, "AddFittingButton", Utf8(ui::texts::Add));
    connect(add, &QPushButton::clicked, this, [this] { addFitting(); });
    bar->addWidget(add);
    QPushButton *remove = Button(pane, "DeleteFittingButton", Utf8(ui::texts::Delete));
    connect(remove, &QPushButton::clicked, this, [this] { deleteFitting(); });
    bar->addWidget(remove);
    bar->addStretch(1);
    column->addLayout(bar);

    fittingView_ = Table(pane, "FittingTable", fittings_);
    fittingView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fittingView_->setMinimumHeight(60);
    fittingView_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed);
    auto *delegate = new CheckedCellDelegate(
        [this](const QModelIndex &index, const QString &text) {
            return fittings_->checkCell(index, text);
        },
        fittingView_);
    connect(delegate, &CheckedCellDelegate::refused, this,
            [this](const QString &m, QWidget *editor) {
                note(m, true);
                QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), m, editor);
            });
    fittingView_->setItemDelegate(delegate);
    fittingView_->installEventFilter(this);
    column->addWidget(fittingView_, 1);
    fittingEditor_ = new FittingEditor(*fittings_, pane);
    column->addWidget(fittingEditor_);
    connect(fittingView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) { fittingEditor_->showFitting(index.row()); });
    return pane;
}

QWidget *LossSheetForm::buildSummary()
{
    auto *pane = new QWidget(this);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Title(pane, QStringLiteral("集計")));
    summary_ = new QWidget(pane);
    summary_->setObjectName(QStringLiteral("SystemSummary"));
    new QGridLayout(summary_);
    summary_->layout()->setContentsMargins(4, 0, 4, 0);
    column->addWidget(summary_);
    summaryProblem_ = new QLabel(pane);
    summaryProblem_->setObjectName(QStringLiteral("SummaryProblem"));
    summaryProblem_->setWordWrap(true);
    column->addWidget(summaryProblem_);
    column->addWidget(Title(pane, QStringLiteral("末端の余剰圧")));
    terminalModel_ = new TerminalTableModel(this);
    terminals_ = Table(pane, "TerminalTable", terminalModel_);
    terminals_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    terminals_->setMinimumHeight(80);
    column->addWidget(terminals_, 1);
    // On a small screen the pane scrolls rather than squeezing the sections.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("SummaryPane"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(pane);
    return scroll;
}

void LossSheetForm::note(const QString &text, bool problem)
{
    status_->showMessage(text, 8000);
    if (problem)
        QApplication::beep();
}

void LossSheetForm::updateTitle()
{
    setWindowTitle(documentName_.isEmpty() ? WindowTitle
                                           : WindowTitle + QStringLiteral(" — ") + documentName_);
}

void LossSheetForm::setDocumentName(const QString &name)
{
    documentName_ = name;
    updateTitle();
}

SheetTitle LossSheetForm::title() const
{
    return titleSource_ ? titleSource_() : SheetTitle{};
}

void LossSheetForm::setConventionalUnits(bool conventional)
{
    const UnitSystem units = conventional ? UnitSystem::Conventional : UnitSystem::SI;
    if (units == units_)
        return;
    const UnitSystem from = units_;
    units_ = units;
    sections_->setUnits(units);
    fittings_->setUnits(units);
    conditions_->setUnits(units);
    // The targets per metre follow, as the pages' target fields do; that is
    // no edit of the user's.
    const bool edited = editedSinceRecord_;
    for (int i = 0; i < sheet_->count(); ++i) {
        const System &s = sheet_->system(i);
        const auto &rule = s.kind == SystemKind::Duct ? s.duct.sizing : s.pipe.sizing;
        try {
            const auto converted = ::losssheet::ConvertedSizingRule(rule, from, units);
            if (converted != rule)
                sheet_->edit(i, [&](System &edit) {
                    (edit.kind == SystemKind::Duct ? edit.duct.sizing : edit.pipe.sizing) =
                        converted;
                });
        } catch (const numeric::Failure &) {
            // A target beyond the arithmetic's range stays as it was.
        }
    }
    editedSinceRecord_ = edited;
    recompute();
    conditions_->showSystem(current_);
    FitColumns(sectionView_);
}

void LossSheetForm::refreshSystemList()
{
    const QSignalBlocker quiet(systemList_);
    while (systemList_->count() > sheet_->count())
        delete systemList_->takeItem(systemList_->count() - 1);
    while (systemList_->count() < sheet_->count())
        systemList_->addItem(QString());
    for (int i = 0; i < sheet_->count(); ++i) {
        const System &s = sheet_->system(i);
        const bool duct = s.kind == SystemKind::Duct;
        QListWidgetItem *item = systemList_->item(i);
        item->setText(Utf8(s.name) +
                      (duct ? QStringLiteral("（ダクト）") : QStringLiteral("（配管）")));
        item->setToolTip(duct ? QStringLiteral("ダクト系統：送風機の必要静圧")
                              : QStringLiteral("配管系統：ポンプの全揚程"));
    }
    systemList_->setCurrentRow(current_);
}

void LossSheetForm::showSystem(int index)
{
    if (index >= sheet_->count())
        index = sheet_->count() - 1;
    if (index != current_)
        recordPendingTotal();
    current_ = index;
    editedSinceRecord_ = false;
    calculator_ = ::losssheet::Calculator{};
    result_.reset();
    if (current_ >= 0)
        result_ = std::make_shared<const ::losssheet::SystemResult>(
            calculator_.compute(sheet_->system(current_), units_));
    sections_->showSystem(current_, result_);
    fittings_->showSection(-1, -1, nullptr); // the section is chosen below
    conditions_->showSystem(current_);
    const bool pipe = current_ >= 0 && sheet_->system(current_).kind == SystemKind::Pipe;
    sectionView_->setColumnHidden(EquivalentLengthColumn, !pipe);
    fittingView_->setColumnHidden(FittingTableModel::EquivalentLengthColumn, !pipe);
    fillFittingKinds();
    refreshSystemList();
    FitColumns(sectionView_);
    if (sections_->rowCount() > 0)
        sectionView_->setCurrentIndex(sections_->index(0, NameColumn));
    sectionChosen(sectionView_->currentIndex().row());
    showSummary();
}

void LossSheetForm::systemEdited(int index)
{
    if (index != current_)
        return;
    editedSinceRecord_ = true;
    recompute();
    refreshSystemList();
}

void LossSheetForm::recompute()
{
    if (current_ < 0) {
        result_.reset();
        return;
    }
    result_ = std::make_shared<const ::losssheet::SystemResult>(
        calculator_.compute(sheet_->system(current_), units_));
    showResult();
}

void LossSheetForm::showResult()
{
    sections_->setResult(result_);
    fittings_->setResult(result_);
    fittingEditor_->refresh();
    sectionChosenTitle();
    showSummary();
}

void LossSheetForm::sectionChosenTitle()
{
    const auto *s = fittings_->section();
    fittingsTitle_->setText(s ? QStringLiteral("区間 %1 の局部抵抗・機器").arg(Utf8(s->name))
                              : Utf8(texts::FittingsAndEquipment));
}

void LossSheetForm::sectionChosen(int row)
{
    if (row == fittings_->sectionIndex() && current_ == fittings_->systemIndex())
        return;
    fittings_->showSection(current_, row, result_);
    fittingEditor_->showFitting(fittings_->rowCount() > 0 ? 0 : -1);
    if (fittings_->rowCount() > 0)
        fittingView_->setCurrentIndex(fittings_->index(0, 0));
    FitColumns(fittingView_);
    sectionChosenTitle();
}

void LossSheetForm::fillFittingKinds()
{
    const bool pipe = current_ >= 0 && sheet_->system(current_).kind == SystemKind::Pipe;
    const numeric::Medium medium = pipe ? numeric::Medium::Water : numeric::Medium::Air;
    const QString chosen = fittingKind_->currentData().toString();
    fittingKind_->clear();
    for (const fittings::FittingType *type : fittings::TypesFor(medium)) {
        fittingKind_->addItem(Utf8(type->name), Utf8(type->id));
        if (!type->note.empty())
            fittingKind_->setItemData(fittingKind_->count() - 1, Utf8(type->note), Qt::ToolTipRole);
    }
    const int again = fittingKind_->findData(chosen);
    fittingKind_->setCurrentIndex(again >= 0 ? again : 0);
}

void LossSheetForm::showSummary()
{
    if (current_ < 0 || !result_) {
        showSummaryLines({});
        terminalModel_->show(nullptr, nullptr, units_);
        summaryProblem_->clear();
        return;
    }
    const System &s = sheet_->system(current_);
    showSummaryLines(SummaryLines(s, *result_, units_));
    const QString problem = SummaryProblem(*result_);
    summaryProblem_->setText(problem);
    QPalette palette = summaryProblem_->palette();
    palette.setColor(QPalette::WindowText, ProblemText(palette));
    summaryProblem_->setPalette(palette);
    terminalModel_->show(&s, result_, units_);
}

void LossSheetForm::showSummaryLines(const QList<SummaryLine> &lines)
{
    // The labels stay while the lines are the same (an edit changes only
    // their texts): no new layout for every edit.
    QStringList names;
    for (const SummaryLine &line : lines)
        names << line.name;
    auto *grid = static_cast<QGridLayout *>(summary_->layout());
    if (names != summaryNames_) {
        summaryNames_ = names;
        while (QLayoutItem *item = grid->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        // The critical path on a line of its own, the rest two to a line,
        // the result on a new line.
        int row = 0;
        int half = 0;
        bool resultLine = false;
        for (int i = 0; i < lines.size(); ++i) {
            const SummaryLine &line = lines[i];
            auto *caption = new QLabel(summary_);
            auto *value = new QLabel(summary_);
            value->setObjectName(line.name);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            if (i == 0) {
                value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                grid->addWidget(caption, 0, 0);
                grid->addWidget(value, 0, 1, 1, 5);
                row = 1;
                continue;
            }
            auto *unit = new QLabel(summary_);
            if (line.result && !resultLine) {
                resultLine = true;
                row += half;
                half = 0;
            }
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (line.result) {
                QFont bold = value->font();
                bold.setBold(true);
                bold.setPointSizeF(bold.pointSizeF() * 1.2);
                for (QLabel *l : {caption, value, unit})
                    l->setFont(bold);
            }
            grid->addWidget(caption, row, half * 3);
            grid->addWidget(value, row, half * 3 + 1);
            grid->addWidget(unit, row, half * 3 + 2);
            half = 1 - half;
            if (half == 0)
                ++row;
        }
        grid->setColumnStretch(4, 1);
        grid->setColumnStretch(1, 1);
    }
    // The labels in the order they were made: caption, value (and unit).
    QList<QLabel *> labels;
    for (int i = 0; i < grid->count(); ++i)
        labels << static_cast<QLabel *>(grid->itemAt(i)->widget());
    int next = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString texts[3] = {lines[i].caption, lines[i].text, lines[i].unit};
        for (int c = 0; c < (i == 0 ? 2 : 3); ++c) {
            QLabel *label = labels[next++];
            if (label->text() != texts[c])
                label->setText(texts[c]);
        }
    }
}

int LossSheetForm::addSystem(SystemKind kind)
{
    const int index = sheet_->add(NewSystem(kind, sheet_->systems(), units_));
    refreshSystemList();
    showSystem(index);
    return index;
}

void LossSheetForm::renameSystem()
{
    if (current_ < 0)
        return;
    auto *name = findChild<QLineEdit *>(QStringLiteral("SystemName"));
    name->setFocus(Qt::OtherFocusReason);
    name->selectAll();
    note(QStringLiteral("新しい名前を入力して Enter を押してください。"));
}

void LossSheetForm::duplicateSystem()
{
    if (current_ < 0)
        return;
    const int index = sheet_->duplicate(current_);
    refreshSystemList();
    showSystem(index);
}

bool LossSheetForm::ask(const QString &text, const QString &action)
{
    QMessageBox box(QMessageBox::Question, WindowTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                    this);
    box.setObjectName(QStringLiteral("LossSheetQuestion"));
    box.button(QMessageBox::Ok)->setText(action);
    box.button(QMessageBox::Cancel)->setText(Utf8(ui::texts::Cancel));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void LossSheetForm::deleteSystem()
{
    if (current_ < 0)
        return;
    const System &s = sheet_->system(current_);
    if (!ask(QStringLiteral("系統「%1」（%2 区間）を削除しますか？")
                 .arg(Utf8(s.name))
                 .arg(s.sections.size()),
             Utf8(ui::texts::Delete)))
        return;
    const int index = current_;
    editedSinceRecord_ = false;
    current_ = -1;
    sheet_->remove(index);
    refreshSystemList();
    showSystem(std::min(index, sheet_->count() - 1));
}

void LossSheetForm::addSection()
{
    if (current_ < 0) {
        note(QStringLiteral("先に系統を追加してください。"), true);
        return;
    }
    const int row = sections_->insertSection(sectionView_->currentIndex().row());
    FitColumns(sectionView_);
    sectionView_->setCurrentIndex(sections_->index(row, FlowColumn));
    sectionView_->scrollTo(sections_->index(row, FlowColumn));
    sectionView_->setFocus(Qt::OtherFocusReason);
}

void LossSheetForm::deleteSection()
{
    const int row = sectionView_->currentIndex().row();
    const System *s = sections_->system();
    if (!s || row < 0 || row >= sections_->rowCount())
        return;
    const auto &section = s->sections[static_cast<std::size_t>(row)];
    const std::string key = ::losssheet::NameKey(section.name);
    const auto below = std::count_if(s->sections.begin(), s->sections.end(), [&key](const auto &x) {
        return !key.empty() && ::losssheet::NameKey(x.upstream) == key;
    });
    QString text = QStringLiteral("区間「%1」を削除しますか？").arg(Utf8(section.name));
    if (below > 0)
        text += QStringLiteral(
                    "\nこの区間を上流とする区間が %1 件あります（上流が見つからなくなります）。")
                    .arg(below);
    if (!ask(text, Utf8(ui::texts::Delete)))
        return;
    const int column = sectionView_->currentIndex().column();
    sections_->removeSection(row);
    fittings_->showSection(-1, -1, nullptr);
    const int next = std::min(row, sections_->rowCount() - 1);
    if (next >= 0)
        sectionView_->setCurrentIndex(sections_->index(next, column));
    sectionChosen(next);
}

void LossSheetForm::addFitting()
{
    if (!fittings_->section()) {
        note(QStringLiteral("先に区間を選んでください。"), true);
        return;
    }
    const fittings::FittingType *type =
        fittings::FindType(fittingKind_->currentData().toString().toStdString());
    if (!type)
        return;
    const bool pipe = fittings_->kind() == SystemKind::Pipe;
    ::losssheet::Fitting f;
    f.type = std::string(type->id);
    f.method =
        std::string(type->methods[static_cast<std::size_t>(fittings::DefaultMethod(
                                      *type, pipe ? numeric::Medium::Water : numeric::Medium::Air))]
                        .id);
    const int row = fittings_->addFitting(std::move(f));
    fittingView_->setCurrentIndex(fittings_->index(row, 0));
    fittingEditor_->showFitting(row);
    FitColumns(fittingView_);
    if (auto *first = fittingEditor_->findChild<QLineEdit *>(QStringLiteral("FittingValue1")))
        first->setFocus(Qt::OtherFocusReason);
}

void LossSheetForm::deleteFitting()
{
    const int row = fittingView_->currentIndex().row();
    const auto *section = fittings_->section();
    if (!section || row < 0 || row >= fittings_->rowCount())
        return;
    if (!ask(QStringLiteral("「%1」を削除しますか？")
                 .arg(KindText(section->fittings[static_cast<std::size_t>(row)])),
             Utf8(ui::texts::Delete)))
        return;
    fittings_->removeFitting(row);
    const int next = std::min(row, fittings_->rowCount() - 1);
    if (next >= 0)
        fittingView_->setCurrentIndex(fittings_->index(next, 0));
    fittingEditor_->showFitting(next);
}

QString LossSheetForm::sectionsTsv() const
{
    if (current_ < 0 || !result_)
        return {};
    return record::ToTsv(SectionRows(sheet_->system(current_), *result_, units_));
}

void LossSheetForm::copySections() const
{
    if (current_ >= 0)
        QApplication::clipboard()->setText(sectionsTsv());
}

QString LossSheetForm::exportCsv(const QString &path) const
{
    if (current_ < 0 || !result_)
        return Utf8(texts::NothingToExport);
    const System &s = sheet_->system(current_);
    QList<QStringList> rows = SectionRows(s, *result_, units_);
    rows << QStringList{};
    for (const SummaryLine &line : SummaryLines(s, *result_, units_))
        rows << QStringList{line.caption, line.text, line.unit};
    rows << QStringList{};
    rows << TerminalRows(s, *result_, units_);
    const files::SaveResult saved = files::SaveBytes(path, record::ToCsv(rows));
    if (saved)
        return {};
    return Utf8(files::texts::CsvFailed).arg(QDir::toNativeSeparators(path), saved.reason);
}

QString LossSheetForm::exportXlsx(const QString &path) const
{
    if (sheet_->systems().empty())
        return Utf8(texts::NothingToExport);
    const files::SaveResult saved =
        files::SaveWorkbook(path, LossSheetWorkbook(sheet_->systems(), title(), units_));
    if (saved)
        return {};
    return Utf8(files::texts::XlsxFailed).arg(QDir::toNativeSeparators(path), saved.reason);
}

QString LossSheetForm::saveCurrentPdf(const QString &path) const
{
    return savePdf(path);
}

QString LossSheetForm::savePdf(const QString &path, bool allSystems) const
{
    if (current_ < 0)
        return Utf8(texts::NothingToPrint);
    const std::vector<System> systems =
        allSystems ? sheet_->systems() : std::vector<System>{sheet_->system(current_)};
    const SheetTitle sheetTitle = title();
    const files::SaveResult saved = files::SaveWith(path, [&](QIODevice &device) {
        QPdfWriter writer(&device);
        SetLossSheetPageLayout(writer);
        writer.setResolution(600);
        writer.setTitle(WindowTitle);
        writer.setCreator(QStringLiteral("Zefra"));
        return PrintLossSheets(writer, systems, sheetTitle, units_);
    });
    if (saved)
        return {};
    return Utf8(files::texts::PdfFailed).arg(QDir::toNativeSeparators(path), saved.reason);
}

void LossSheetForm::printPreview(bool allSystems)
{
    if (current_ < 0) {
        note(Utf8(texts::NothingToPrint), true);
        return;
    }
    const std::vector<System> systems =
        allSystems ? sheet_->systems() : std::vector<System>{sheet_->system(current_)};
    const SheetTitle sheetTitle = title();
    QPrinter printer(QPrinter::HighResolution);
    SetLossSheetPageLayout(printer);
    printer.setDocName(WindowTitle);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("LossSheetPreview"));
    preview.setWindowTitle(QStringLiteral("系統圧損計算書の印刷プレビュー"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter *target) { PrintLossSheets(*target, systems, sheetTitle, units_); });
    preview.resize(ui::FittedToScreen(this, QSize(1100, 850)));
    preview.exec();
}

bool LossSheetForm::record(bool whenChanged)
{
    if (current_ < 0 || !result_)
        return false;
    const System &s = sheet_->system(current_);
    const auto made = SystemRecord(s, *result_, units_);
    if (!made)
        return false;
    const QString key = Utf8(s.name);
    QString total;
    for (const ui::FieldValue &f : made->fields)
        total += f.text + QLatin1Char('\t');
    if (whenChanged && recorded_.value(key) == total)
        return false;
    recorded_.insert(key, total);
    editedSinceRecord_ = false;
    emit calculated(*made);
    return true;
}

void LossSheetForm::recordTotal()
{
    if (current_ < 0)
        return;
    if (record(false)) {
        note(QStringLiteral("合計を計算記録に残しました。"));
        return;
    }
    const QString why = result_ ? SummaryProblem(*result_) : QString();
    note(QStringLiteral("この系統はまだ計算できていない所があるため、記録しません。") + why, true);
}

void LossSheetForm::recordPendingTotal()
{
    if (editedSinceRecord_)
        record(true);
    editedSinceRecord_ = false;
}

void LossSheetForm::hideEvent(QHideEvent *event)
{
    recordPendingTotal();
    QWidget::hideEvent(event);
}

bool LossSheetForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == sectionView_ || watched == fittingView_)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool sections = watched == sectionView_;
        if (sections && key->matches(QKeySequence::Copy)) {
            copySections();
            return true;
        }
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            sections ? addSection() : addFitting();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            sections ? deleteSection() : deleteFitting();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<settings::Setting> LossSheetForm::settingsKeys()
{
    return geometry_->keys();
}

} // namespace app::losssheet
