#include "app/record/RecordForm.h"

#include "app/document/Session.h"
#include "app/ui/TableFace.h"
#include "app/ui/WindowGeometry.h"
#include "app/ui/WindowPlacement.h"

#include "app/files/FileTexts.h"
#include "app/files/SaveFile.h"
#include "app/files/SaveWorkbook.h"
#include "app/record/Journal.h"
#include "app/record/RecordFilter.h"
#include "app/record/RecordModel.h"
#include "app/record/RecordText.h"
#include "app/record/RecordTexts.h"
#include "app/record/RecordWorkbook.h"
#include "app/record/StorableLine.h"
#include "app/ui/UiTexts.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace app::record {

namespace {

const QString WindowTitle = QString::fromUtf8(texts::WindowTitle);

// The [Record] section stands after [Chart], before [SizeTable].
constexpr int FirstRank = 2000;

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

RecordForm::RecordForm(Journal &journal, QWidget *parent, document::Session *session)
    : QWidget(parent, Qt::Window), journal_(journal), session_(session)
{
    setObjectName(QStringLiteral("RecordForm"));
    buildControls();
    resize(fittedSize(QSize(1120, 600)));
    geometry_ = new ui::WindowGeometry(this, "Record", FirstRank);
    updateTitle();
    if (session_) {
        showDocumentTitle();
        connect(session_, &document::Session::replaced, this, &RecordForm::showDocumentTitle);
        connect(session_, &document::Session::displayNameChanged, this, &RecordForm::updateTitle);
    }
}

// A size that fits on the window's screen (a large window at 200 % scaling
// would reach past its edges).
QSize RecordForm::fittedSize(QSize size) const
{
    return ui::FittedToScreen(this, size).expandedTo(minimumSizeHint());
}

RecordForm::~RecordForm() = default;

void RecordForm::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("RecordProblem"));
    problem_->setWordWrap(true);
    // Fixed colours: readable on light and dark palettes alike.
    problem_->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; color: #4d3800; border: "
                                           "1px solid #d9b44a; padding: 4px; }"));
    problem_->hide();
    layout->addWidget(problem_);

    auto *filterRow = new QHBoxLayout;
    auto *filterLabel = new QLabel(tr("ページ(&G):"), this);
    pageFilter_ = new QComboBox(this);
    pageFilter_->setObjectName(QStringLiteral("RecordPageFilter"));
    pageFilter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pageFilter_->addItem(tr("すべてのページ"));
    filterLabel->setBuddy(pageFilter_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("RecordCount"));
    auto *documentLabel = new QLabel(QString::fromUtf8(texts::Document) + tr("(&K):"), this);
    documentFilter_ = new QComboBox(this);
    documentFilter_->setObjectName(QStringLiteral("RecordDocumentFilter"));
    documentFilter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    documentFilter_->addItem(QString::fromUtf8(texts::AllDocuments));
    documentFilter_->setToolTip(tr("記録を作ったときに開いていた文書で絞り込みます。"));
    documentLabel->setBuddy(documentFilter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(pageFilter_);
    filterRow->addSpacing(12);
    filterRow->addWidget(documentLabel);
    filterRow->addWidget(documentFilter_);
    filterRow->addStretch();
    filterRow->addWidget(count_);
    layout->addLayout(filterRow);

    model_ = new RecordModel(journal_, this);
    proxy_ = new RecordFilter(journal_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("RecordTable"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    ui::UseTableFace(table_);
    // Fixed row heights: the view never measures ten thousand rows.
    const int rowHeight = table_->fontMetrics().height() + 8;
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);

    auto *copy = new QAction(tr("コピー"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &RecordForm::copySelection);
    table_->addAction(copy);
    auto *remove = new QAction(QString::fromUtf8(ui::texts::Delete), table_);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(remove, &QAction::triggered, this, &RecordForm::deleteSelection);
    table_->addAction(remove);

    auto *buttons = new QHBoxLayout;
    auto *copyButton = button(QString::fromUtf8(ui::texts::Copy), "RecordCopy", this);
    copyButton->setToolTip(tr("選んだ記録を表計算に貼り付けられる形でコピーします (Ctrl+C)。"));
    auto *exportButton = button(tr("書き出し(&E)..."), "RecordExport", this);
    exportButton->setToolTip(tr("表示中の記録を Excel ブックか CSV ファイルに書き出します。"
                                "選択した行だけを書き出すこともできます。"));
    auto *deleteButton = button(tr("削除(&D)"), "RecordDelete", this);
    deleteButton->setToolTip(tr("選んだ記録を削除します (Delete)。"));
    auto *clearButton = button(tr("すべて削除(&A)..."), "RecordClear", this);
    connect(copyButton, &QPushButton::clicked, this, &RecordForm::copySelection);
    connect(exportButton, &QPushButton::clicked, this, &RecordForm::exportAs);
    connect(deleteButton, &QPushButton::clicked, this, &RecordForm::deleteSelection);
    connect(clearButton, &QPushButton::clicked, this, &RecordForm::clearAll);
    buttons->addWidget(copyButton);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(deleteButton);
    buttons->addWidget(clearButton);
    layout->addLayout(buttons);

    auto *sheet = new QGroupBox(QString::fromUtf8(texts::SheetTitle), this);
    sheet->setObjectName(QStringLiteral("RecordSheet"));
    auto *sheetLayout = new QHBoxLayout(sheet);
    auto *fields = new QFormLayout;
    project_ = new QLineEdit(sheet);
    project_->setObjectName(QStringLiteral("RecordProject"));
    designer_ = new QLineEdit(sheet);
    designer_->setObjectName(QStringLiteral("RecordDesigner"));
    date_ = new QLineEdit(sheet);
    date_->setObjectName(QStringLiteral("RecordDate"));
    notes_ = new QLineEdit(sheet);
    notes_->setObjectName(QStringLiteral("RecordNotes"));
    for (QLineEdit *field : {project_, designer_, date_, notes_}) {
        field->setValidator(new StorableLineValidator(field));
        connect(field, &QLineEdit::textChanged, this, &RecordForm::takeTitleField);
    }
    date_->setPlaceholderText(
        tr("空欄なら印刷する日 (%1)")
            .arg(QDate::currentDate().toString(QString::fromUtf8(texts::DateFormat))));
    fields->addRow(tr("件名(&N):"), project_);
    fields->addRow(tr("設計者(&R):"), designer_);
    fields->addRow(tr("日付(&T):"), date_);
    fields->addRow(tr("備考(&B):"), notes_);
    sheetLayout->addLayout(fields, 1);
    auto *sheetButtons = new QVBoxLayout;
    auto *printButton = button(tr("印刷プレビュー(&P)..."), "RecordPrint", sheet);
    printButton->setToolTip(tr("選んだ記録を、選んでいないときは表示中の記録を計算書にします。"));
    auto *pdfButton = button(tr("PDF に保存(&S)..."), "RecordPdf", sheet);
    pdfButton->setToolTip(printButton->toolTip());
    connect(printButton, &QPushButton::clicked, this, &RecordForm::printPreview);
    connect(pdfButton, &QPushButton::clicked, this, &RecordForm::savePdfAs);
    sheetButtons->addWidget(printButton);
    sheetButtons->addWidget(pdfButton);
    sheetButtons->addStretch();
    sheetLayout->addLayout(sheetButtons);
    layout->addWidget(sheet);

    connect(pageFilter_, &QComboBox::currentIndexChanged, this, &RecordForm::applyPageFilter);
    connect(documentFilter_, &QComboBox::currentIndexChanged, this,
            &RecordForm::applyDocumentFilter);
    connect(&journal_, &Journal::problemChanged, this, &RecordForm::updateProblem);
}

// The table gets its rows at the first showing, so that creating the window
// reads nothing.
void RecordForm::attachModel()
{
    if (proxy_->sourceModel())
        return;
    proxy_->setSourceModel(model_);
    table_->setModel(proxy_);

    const QFontMetrics m = table_->fontMetrics();
    const auto width = [&](const QString &sample) { return m.horizontalAdvance(sample) + 16; };
    table_->setColumnWidth(RecordModel::TimeColumn, width(QStringLiteral("0000-00-00 00:00:00")));
    table_->setColumnWidth(RecordModel::DocumentColumn, width(QStringLiteral("事務所ビル.zefra")));
    table_->setColumnWidth(RecordModel::PageColumn, width(QStringLiteral("ユニット変換")));
    table_->setColumnWidth(RecordModel::CalculationColumn,
                           width(QStringLiteral("ダクト寸法計算（圧損基準）")));
    table_->setColumnWidth(RecordModel::NoteColumn, width(QStringLiteral("系統A-3 ○○○○")));
    table_->setColumnWidth(RecordModel::InputColumn, width(QString(40, QLatin1Char('0'))));
    table_->setColumnWidth(RecordModel::ResultColumn, width(QString(40, QLatin1Char('0'))));

    connect(proxy_, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar *bar = table_->verticalScrollBar();
        following_ = bar->value() == bar->maximum();
    });
    connect(proxy_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (following_)
            table_->scrollToBottom();
        updateCount();
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                for (int row = first; row <= last; ++row) {
                    if (pageFilter_->findText(journal_.at(row).page, Qt::MatchExactly) < 1)
                        pageFilter_->addItem(
                            journal_.at(row).page); // a page seen for the first time
                }
                updateDocumentFilter();
            });
    for (void (RecordForm::*refill)() :
         {&RecordForm::updatePageFilter, &RecordForm::updateDocumentFilter}) {
        connect(model_, &QAbstractItemModel::rowsRemoved, this, refill);
        connect(model_, &QAbstractItemModel::modelReset, this, refill);
    }
    connect(proxy_, &QAbstractItemModel::rowsRemoved, this, &RecordForm::updateCount);
    connect(proxy_, &QAbstractItemModel::modelReset, this, &RecordForm::updateCount);
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, &RecordForm::updateCount);
    updatePageFilter();
    updateDocumentFilter();
    updateCount();
    updateProblem();
}

void RecordForm::showEvent(QShowEvent *event)
{
    const bool first = !proxy_->sourceModel();
    attachModel();
    QWidget::showEvent(event);
    if (first)
        table_->scrollToBottom();
}

void RecordForm::updatePageFilter()
{
    QStringList pages;
    for (int row = 0; row < journal_.count(); ++row) {
        const QString &page = journal_.at(row).page;
        if (!pages.contains(page))
            pages.append(page);
    }
    QStringList shown;
    for (int i = 1; i < pageFilter_->count(); ++i)
        shown.append(pageFilter_->itemText(i));
    if (shown == pages)
        return;
    const QString current =
        pageFilter_->currentIndex() > 0 ? pageFilter_->currentText() : QString();
    const QSignalBlocker quiet(pageFilter_);
    while (pageFilter_->count() > 1)
        pageFilter_->removeItem(1);
    pageFilter_->addItems(pages);
    pageFilter_->setCurrentIndex(std::max(0, static_cast<int>(pages.indexOf(current)) + 1));
    applyPageFilter();
}

void RecordForm::applyPageFilter()
{
    proxy_->setPage(pageFilter_->currentIndex() <= 0
                        ? std::nullopt
                        : std::optional<QString>(pageFilter_->currentText()));
    updateCount();
}

// The names of the documents the records were made in, in the order each
// first appears, and texts::NoDocument last for the records made without one;
// the choice stays where it can.
void RecordForm::updateDocumentFilter()
{
    QStringList names;
    bool unnamed = false;
    for (int row = 0; row < journal_.count(); ++row) {
        const QString &name = journal_.at(row).document;
        if (name.isEmpty())
            unnamed = true;
        else if (!names.contains(name))
            names.append(name);
    }
    QList<QVariant> wanted;
    for (const QString &name : names)
        wanted.append(name);
    if (unnamed)
        wanted.append(QStringLiteral(""));
    QList<QVariant> shown;
    for (int i = 1; i < documentFilter_->count(); ++i)
        shown.append(documentFilter_->itemData(i));
    if (shown == wanted)
        return;
    const QVariant current = documentFilter_->currentData();
    const QSignalBlocker quiet(documentFilter_);
    while (documentFilter_->count() > 1)
        documentFilter_->removeItem(1);
    for (const QVariant &name : wanted) {
        const QString text = name.toString();
        documentFilter_->addItem(text.isEmpty() ? QString::fromUtf8(texts::NoDocument) : text,
                                 text);
    }
    const qsizetype again = current.isValid() ? wanted.indexOf(current) : -1;
    documentFilter_->setCurrentIndex(static_cast<int>(again) + 1);
    applyDocumentFilter();
}

void RecordForm::applyDocumentFilter()
{
    const QVariant name = documentFilter_->currentData();
    proxy_->setDocument(documentFilter_->currentIndex() <= 0 || !name.isValid()
                            ? std::nullopt
                            : std::optional<QString>(name.toString()));
    updateCount();
}

void RecordForm::updateCount()
{
    const int shown = proxy_->rowCount();
    const int all = journal_.count();
    count_->setText(shown == all ? tr("%1 件").arg(all)
                                 : tr("%1 件（全 %2 件）").arg(shown).arg(all));
}

void RecordForm::updateProblem()
{
    const QString text = journal_.problem();
    problem_->setText(text);
    problem_->setVisible(!text.isEmpty());
}

QList<const ui::CalculationRecord *> RecordForm::selectedRecords() const
{
    const_cast<RecordForm *>(this)->attachModel();
    QList<int> rows;
    for (const QModelIndex &index : table_->selectionModel()->selectedRows())
        rows.append(proxy_->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    QList<const ui::CalculationRecord *> records;
    for (int row : rows)
        records.append(&journal_.at(row));
    return records;
}

QList<const ui::CalculationRecord *> RecordForm::shownRecords() const
{
    const_cast<RecordForm *>(this)->attachModel();
    QList<int> rows;
    for (int row = 0; row < proxy_->rowCount(); ++row)
        rows.append(proxy_->mapToSource(proxy_->index(row, 0)).row());
    std::sort(rows.begin(), rows.end());
    QList<const ui::CalculationRecord *> records;
    for (int row : rows)
        records.append(&journal_.at(row));
    return records;
}

QList<const ui::CalculationRecord *> RecordForm::chosenRecords() const
{
    const QList<const ui::CalculationRecord *> records = selectedRecords();
    return records.isEmpty() ? shownRecords() : records;
}

QList<const ui::CalculationRecord *> RecordForm::recordsFor(const ExportChoice &choice) const
{
    QList<const ui::CalculationRecord *> records =
        choice.selectedOnly ? selectedRecords() : shownRecords();
    if (!choice.kind.isEmpty())
        records.removeIf([&](const ui::CalculationRecord *r) { return KindOf(*r) != choice.kind; });
    return records;
}

TitleBlock RecordForm::titleBlock() const
{
    return {project_->text(), designer_->text(), date_->text(), notes_->text()};
}

void RecordForm::showDocumentTitle()
{
    if (!session_)
        return;
    const ::document::TitleBlock &title = session_->document().title;
    const auto show = [](QLineEdit *field, const std::string &text) {
        const QString value = QString::fromStdString(text);
        if (field->text() != value) {
            const QSignalBlocker quiet(field);
            field->setText(value);
        }
    };
    show(project_, title.project);
    show(designer_, title.designer);
    show(date_, title.date);
    show(notes_, title.notes);
}

void RecordForm::takeTitleField()
{
    if (!session_)
        return;
    ::document::TitleBlock &title = session_->document().title;
    const ::document::TitleBlock before = title;
    title.project = project_->text().toStdString();
    title.designer = designer_->text().toStdString();
    title.date = date_->text().toStdString();
    title.notes = notes_->text().toStdString();
    if (!(title == before))
        session_->changed();
}

void RecordForm::updateTitle()
{
    setWindowTitle(session_ ? session_->windowTitle(WindowTitle) : WindowTitle);
}

void RecordForm::copySelection() const
{
    const auto records = selectedRecords();
    if (!records.isEmpty())
        QGuiApplication::clipboard()->setText(ToTsv(RecordRows(records)));
}

void RecordForm::deleteSelection()
{
    attachModel();
    QList<int> rows;
    for (const QModelIndex &index : table_->selectionModel()->selectedRows())
        rows.append(proxy_->mapToSource(index).row());
    journal_.remove(rows);
}

void RecordForm::clearAll()
{
    if (journal_.count() == 0)
        return;
    QMessageBox box(QMessageBox::Question, WindowTitle,
                    tr("%1 件の計算記録をすべて削除しますか？\n削除した記録は元に戻せません。")
                        .arg(journal_.count()),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.button(QMessageBox::Ok)->setText(tr("すべて削除"));
    box.button(QMessageBox::Cancel)->setText(QString::fromUtf8(ui::texts::Cancel));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok)
        journal_.clear();
}

QString RecordForm::exportRecords(const QString &path, const ExportChoice &choice) const
{
    const QList<KindTable> tables = KindTables(recordsFor(choice));
    const bool csv = choice.format == ExportFormat::Csv;
    const files::SaveResult saved =
        csv ? files::SaveBytes(path, ToCsv(TableRows(tables)))
            : files::SaveWorkbook(path, RecordWorkbook(titleBlock(), tables));
    if (saved)
        return {};
    return (csv ? QString::fromUtf8(files::texts::CsvFailed)
                : QString::fromUtf8(files::texts::XlsxFailed))
        .arg(QDir::toNativeSeparators(path), saved.reason);
}

QString RecordForm::savePdf(const QString &path) const
{
    const CalculationSheet sheet(titleBlock(), chosenRecords());
    const files::SaveResult saved = files::SaveWith(path, [&](QIODevice &device) {
        QPdfWriter writer(&device);
        SetSheetPageLayout(writer);
        writer.setResolution(600);
        writer.setTitle(QString::fromUtf8(texts::SheetTitle));
        writer.setCreator(QStringLiteral("Zefra"));
        return sheet.paint(writer);
    });
    if (saved)
        return {};
    return QString::fromUtf8(files::texts::PdfFailed)
        .arg(QDir::toNativeSeparators(path), saved.reason);
}

void RecordForm::printPreview()
{
    const CalculationSheet sheet(titleBlock(), chosenRecords());
    QPrinter printer(QPrinter::HighResolution);
    SetSheetPageLayout(printer);
    printer.setDocName(QString::fromUtf8(texts::SheetTitle));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("RecordPreview"));
    preview.setWindowTitle(tr("計算書の印刷プレビュー"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&sheet](QPrinter *target) { sheet.paint(*target); });
    preview.resize(800, 900);
    preview.exec();
}

void RecordForm::exportAs()
{
    RecordExportDialog choose(CountKinds(shownRecords()), CountKinds(selectedRecords()),
                              lastFormat_, this);
    if (choose.exec() != QDialog::Accepted)
        return;
    const ExportChoice choice = choose.choice();
    lastFormat_ = choice.format;
    const bool csv = choice.format == ExportFormat::Csv;
    // The dialog adds the suffix to a name typed without one before it asks
    // about replacing a file of that name.
    QFileDialog files(this, QString::fromUtf8(texts::ExportTitle));
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setNameFilter(csv ? QString::fromUtf8(files::texts::CsvFilter)
                            : QString::fromUtf8(files::texts::ExcelFilter));
    files.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("xlsx"));
    files.selectFile(QDir::home().filePath(csv ? tr("計算記録.csv") : tr("計算記録.xlsx")));
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return;
    if (const QString failure = exportRecords(files.selectedFiles().front(), choice);
        !failure.isEmpty())
        showFailure(failure);
}

void RecordForm::savePdfAs()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QString::fromUtf8(files::texts::SavePdf), QDir::home().filePath(tr("計算書.pdf")),
        QString::fromUtf8(files::texts::PdfFilter));
    if (path.isEmpty())
        return;
    if (const QString failure = savePdf(path); !failure.isEmpty())
        showFailure(failure);
}

void RecordForm::showFailure(const QString &text)
{
    QMessageBox::warning(this, WindowTitle, text);
}

std::vector<settings::Setting> RecordForm::settingsKeys()
{
    return geometry_->keys();
}

} // namespace app::record
