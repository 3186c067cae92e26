#include "app/D_Kokei.h"

#include "air/AirPage.h"
#include "app/AboutBox.h"
#include "app/AppTexts.h"
#include "app/Settings.h"
#include "app/SettingsLocation.h"
#include "app/ZefraApplication.h"
#include "app/chart/ChartForm.h"
#include "app/chart/ChartLink.h"
#include "app/document/DocumentCommands.h"
#include "app/document/DocumentTexts.h"
#include "app/document/DropOpener.h"
#include "app/document/RecentFiles.h"
#include "app/document/RecoveryCopy.h"
#include "app/document/Session.h"
#include "app/help/HelpWindow.h"
#include "app/losssheet/LossSheetForm.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/LossSheetTexts.h"
#include "app/record/Journal.h"
#include "app/record/JournalNotice.h"
#include "app/record/RecordForm.h"
#include "app/record/RecordText.h"
#include "app/record/RecordTexts.h"
#include "app/record/StorableLine.h"
#include "app/report/DocumentReport.h"
#include "app/settings/IniFile.h"
#include "app/settings/IniSyntax.h"
#include "app/sizetable/SizeTableForm.h"
#include "app/sizetable/SizeTableLink.h"
#include "app/sizetable/SizeTableTexts.h"
#include "app/ui/AppInfo.h"
#include "app/ui/CalcPage.h"
#include "app/ui/FirstFrame.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/PageGeometry.h"
#include "app/ui/ProgramChange.h"
#include "app/ui/UiTexts.h"
#include "app/ui/WindowPlacement.h"
#include "chart/ChartTexts.h"
#include "flow/DuctPage.h"
#include "outlet/OutletPage.h"
#include "pipe/PipePage.h"
#include "units/UnitsPage.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

#include <algorithm>
#include <iterator>
#include <utility>

namespace app {

namespace {

// Checking a button that was not checked runs its handler (through its
// toggled signal); a stored "false" only unchecks it, even when that leaves
// neither button of its pair checked.
void restoreCheck(QRadioButton *button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    if (checked) {
        button->setChecked(true);
        return;
    }
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

settings::Setting buttonKey(const char *key, settings::Rank rank, QRadioButton *button,
                            bool fallback)
{
    return settings::TruthSetting(
        {"Button", key, rank}, fallback, [button](bool checked) { restoreCheck(button, checked); },
        [button] { return button->isChecked(); });
}

} // namespace

TDuctForm::TDuctForm(QWidget *parent, const QString &settingsPath, const QString &recordFolder)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      settingsPath_(settingsPath.isEmpty() ? DefaultSettingsFile()
                                           : QFile::encodeName(settingsPath).toStdString()),
      startProgram_([](const QString &program) { return QProcess::startDetached(program, {}); }),
      openUrl_([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("DuctForm"));
    setWindowTitle(QStringLiteral("  Zefra"));
    setFont(ui::ControlFont(12));

    auto *client = new QWidget(this);
    client->setFixedSize(ui::ClientWidth, ui::ClientHeight);
    setCentralWidget(client);

    PageControl = new QTabWidget(client);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(0, 0, ui::ClientWidth, ui::ClientHeight);
    PageControl->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setFont(ui::ControlFont(13));

    // The pages in tab order; the duct page is the design home of the shared
    // controls and comes first.
    duct_ = new flow::DuctPage(focus_, shared_, changes_);
    outlet_ = new outlet::OutletPage(focus_, shared_, changes_);
    pipe_ = new pipes::PipePage(focus_, shared_, changes_);
    air_ = new air::AirPage(focus_, shared_, changes_);
    units_ = new units::UnitsPage(focus_, shared_, changes_);
    pages_ = {duct_, outlet_, pipe_, air_, units_};
    for (ui::CalcPage *page : pages_)
        PageControl->addTab(page, page->caption());

    // Every calculation that completes goes into the record. The record is
    // read after the window's first frame (see showEvent), or at the first
    // calculation if that comes sooner.
    journal_ = new record::Journal(
        recordFolder.isEmpty() ? record::Journal::defaultFolder() : recordFolder, this,
        record::Journal::DefaultCap, record::Journal::Reading::WhenAsked);
    for (ui::CalcPage *page : pages_)
        connect(page, &ui::CalcPage::calculated, journal_, &record::Journal::append);

    // The open work document: its recovery copy beside the record, a new
    // chart at the moist-air page's pressure choice, a .zefra file dropped
    // on any of the program's windows opened.
    session_ = new document::Session(this);
    session_->setRecoveryFile(
        QDir(recordFolder.isEmpty() ? record::Journal::defaultFolder() : recordFolder)
            .filePath(QStringLiteral("recovery.zefra")));
    session_->setAtmosphereSource([this] { return chart::AtmosphereOf(*air_); });
    session_->startNew({});
    // Each record names the document open when it was made; an untitled
    // document's records name none.
    const auto nameRecords = [this] {
        journal_->setDocumentName(session_->path().isEmpty() ? QString() : session_->displayName());
    };
    connect(session_, &document::Session::displayNameChanged, journal_, nameRecords);
    nameRecords();
    recent_ = std::make_unique<document::RecentFiles>();
    commands_ = new document::DocumentCommands(this, *session_, *recent_);
    new document::DropOpener(this, [this](const QString &path) {
        ui::Guarded(this, [this, path] { commands_->openPath(path); });
    });
    document::DropOpener::AcceptDrops(this);
    // The page keys work from every control, also from a list that would
    // otherwise take them for its own selection.
    const auto pageKey = [this](QKeySequence keys, int step) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            const int count = PageControl->count();
            PageControl->setCurrentIndex((PageControl->currentIndex() + step + count) % count);
        });
    };
    pageKey(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    pageKey(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    pageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    pageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
    pageKey(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
    auto *copyPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    copyPage->setObjectName(QStringLiteral("CopyPage"));
    connect(copyPage, &QShortcut::activated, this,
            [this] { ui::Guarded(this, [this] { CopyPage(); }); });

    buildMenu();
    connectHandlers();
    focus_.applyTabOrder({pages_.begin(), pages_.end()});

    adjustSize();
    setFixedSize(sizeHint());
}

TDuctForm::~TDuctForm()
{
    // The pages go before the focus order, the shared controls and the
    // program changes that they were handed; the tabs say nothing meanwhile.
    const QSignalBlocker quiet(PageControl);
    qDeleteAll(std::exchange(pages_, {}));
}

ui::CalcPage *TDuctForm::currentPage() const
{
    return pages_.value(PageControl->currentIndex());
}

void TDuctForm::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setFont(ui::ControlFont(12));
    buildFileMenu();

    QAction *calculator = bar->addAction(QStringLiteral("電卓(&D)"));
    calculator->setObjectName(QStringLiteral("D1"));
    connect(calculator, &QAction::triggered, this,
            [this] { ui::Guarded(this, [this] { D1Click(); }); });

    QMenu *tools = bar->addMenu(QStringLiteral("ツール(&T)"));
    tools->setObjectName(QStringLiteral("Tools1"));
    // Each item reads as the title of the window it opens.
    const auto addTool = [this, tools](const char *name, const char *title, const char *accelerator,
                                       const QKeySequence &shortcut, void (TDuctForm::*open)()) {
        QAction *action = tools->addAction(QString::fromUtf8(title) + QLatin1String(accelerator));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this,
                [this, open] { ui::Guarded(this, [this, open] { (this->*open)(); }); });
    };
    addTool("Chart1", ::chart::texts::WindowTitle, "(&C)...", QKeySequence(Qt::CTRL | Qt::Key_G),
            &TDuctForm::Chart1Click);
    addTool("Record1", record::texts::WindowTitle, "(&R)...", QKeySequence(Qt::CTRL | Qt::Key_R),
            &TDuctForm::Record1Click);
    addTool("SizeTable1", sizetable::texts::WindowTitle, "(&S)...",
            QKeySequence(Qt::CTRL | Qt::Key_L), &TDuctForm::SizeTable1Click);
    addTool("LossSheet1", losssheet::texts::WindowTitle, "(&P)...",
            QKeySequence(Qt::CTRL | Qt::Key_K), &TDuctForm::LossSheet1Click);

    QMenu *help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *howTo = help->addAction(QStringLiteral("使い方(&W)"));
    howTo->setObjectName(QStringLiteral("HowtoUseHelp1"));
    connect(howTo, &QAction::triggered, this,
            [this] { ui::Guarded(this, [this] { HowtoUseHelp1Click(); }); });
    QAction *about =
        help->addAction(QString::fromUtf8(texts::AboutTitle) + QStringLiteral("(&A)..."));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this,
            [this] { ui::Guarded(this, [this] { About1Click(); }); });
}

void TDuctForm::buildFileMenu()
{
    QMenu *file = menuBar()->addMenu(QString::fromUtf8(ui::texts::FileMenu));
    file->setObjectName(QStringLiteral("File1"));
    const auto add = [this, file](const char *name, const QString &caption,
                                  const QKeySequence &shortcut, void (TDuctForm::*run)()) {
        QAction *action = file->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this,
                [this, run] { ui::Guarded(this, [this, run] { (this->*run)(); }); });
        return action;
    };
    add("New1", QStringLiteral("新規作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N),
        &TDuctForm::New1Click);
    add("Open1", QStringLiteral("開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O),
        &TDuctForm::Open1Click);
    add("Save1", QStringLiteral("上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &TDuctForm::Save1Click);
    add("SaveAs1", QStringLiteral("名前を付けて保存(&A)..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TDuctForm::SaveAs1Click);
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("最近使ったファイル(&R)"));
    recentMenu_->setObjectName(QStringLiteral("Recent1"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &TDuctForm::fillRecentMenu);
    fillRecentMenu();
    file->addSeparator();
    add("PrintDocument1", QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P),
        &TDuctForm::printDocument);
    file->addSeparator();
    add("Exit1", QStringLiteral("終了(&X)"), {}, &TDuctForm::Exit1Click);
}

void TDuctForm::fillRecentMenu()
{
    recentMenu_->clear();
    const QStringList &paths = recent_->paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction *action = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        action->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(action, &QAction::triggered, this,
                [this, path] { ui::Guarded(this, [this, path] { commands_->openRecent(path); }); });
    }
    if (paths.isEmpty())
        recentMenu_->addAction(document::texts::RecentEmpty)->setEnabled(false);
}

void TDuctForm::New1Click()
{
    commands_->newDocument();
}

void TDuctForm::Open1Click()
{
    commands_->open();
}

void TDuctForm::Save1Click()
{
    commands_->save();
}

void TDuctForm::SaveAs1Click()
{
    commands_->saveAs();
}

void TDuctForm::printDocument()
{
    report::ReportUnits units;
    units.conventionalChart = shared_.conventionalUnits();
    units.sheets = units.conventionalChart ? ::losssheet::UnitSystem::Conventional
                                           : ::losssheet::UnitSystem::SI;
    report::PreviewDocumentReport(session_->document(), units,
                                  session_->path().isEmpty() ? QString() : session_->displayName(),
                                  this);
}

void TDuctForm::Exit1Click()
{
    close();
}

void TDuctForm::restoreWork()
{
    const document::RecoveryRead read =
        document::ReadRecoveryCopy(session_->recoveryFile(), session_->units());
    if (!read.found)
        return;
    if (!read.work) {
        // Set aside, never deleted; said once, since the next start finds
        // no copy there.
        const QString kept = document::SetAside(session_->recoveryFile());
        damagedCopyNote_ = document::texts::RecoveryDamaged.arg(
            read.problem,
            QDir::toNativeSeparators(kept.isEmpty() ? session_->recoveryFile() : kept));
        return;
    }
    const bool worthANote = read.work->modified || !read.work->path.isEmpty();
    session_->replace(*read.work);
    if (worthANote)
        pendingNote_ = document::texts::Restored;
}

void TDuctForm::showPendingNote(QWidget *window)
{
    if (pendingNote_.isEmpty())
        return;
    if (auto *chart = qobject_cast<chart::ChartForm *>(window))
        chart->showNote(std::exchange(pendingNote_, {}));
}

void TDuctForm::connectHandlers()
{
    // Every handler runs inside the guard: Qt never sees an exception.
    const auto whenChecked = [this](QRadioButton *button, auto handler) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                ui::Guarded(this, handler);
        });
    };
    connect(PageControl, &QTabWidget::currentChanged, this,
            [this] { ui::Guarded(this, [this] { PageControlChange(); }); });
    whenChecked(shared_.ssButton1, [this] { ssButton1Click(); });
    whenChecked(shared_.ssButton2, [this] { ssButton1Click(); });
    whenChecked(shared_.TaniButton1, [this] { TaniButton1Click(); });
    whenChecked(shared_.TaniButton2, [this] { TaniButton1Click(); });
}

void TDuctForm::showEvent(QShowEvent *event)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        centreOnScreen();
        ui::Guarded(this, [this] { FormShow(); });
        ui::AfterFirstFrame(*this, [this] { ui::Guarded(this, [this] { FirstFrameShown(); }); });
    }
    QMainWindow::showEvent(event);
}

void TDuctForm::FirstFrameShown()
{
    // Decoding the 256 px icon and reading a record of thousands of
    // calculations would each delay the first frame; the desktop takes the
    // icon as well a moment later, and the record's notice opens after the
    // record has been read.
    setWindowIcon(QIcon(QStringLiteral(":/zefra/zefra-256.png")));
    journal_->load();
    record::WatchJournal(*journal_, this);
    // The note of a restored work shows over the window's tabs for a moment,
    // without changing the window; the chart window shows it again when it
    // is first opened.
    if (!pendingNote_.isEmpty() && isVisible())
        QToolTip::showText(mapToGlobal(QPoint(8, height() - 8)), pendingNote_, this, {}, 6000);
    if (!damagedCopyNote_.isEmpty())
        ui::ShowWarning(this, std::exchange(damagedCopyNote_, {}));
}

void TDuctForm::FormShow()
{
    // What the settings restore and the pages' first handlers write is the
    // program's own: it makes no result stale.
    const ui::ProgramChange restore(changes_);
    LoadSettings();
    for (ui::CalcPage *page : pages_)
        page->windowShown();
    PageControlChange();
    SelectFlowMedium();
    session_->setUnits(shared_.conventionalUnits() ? ::losssheet::UnitSystem::Conventional
                                                   : ::losssheet::UnitSystem::SI);
    restoreWork();
    if (!startDocument_.isEmpty())
        commands_->openPath(std::exchange(startDocument_, {}));
}

void TDuctForm::closeEvent(QCloseEvent *event)
{
    bool mayClose = true;
    ui::Guarded(this, [&] { mayClose = FormClose(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

bool TDuctForm::FormClose()
{
    if (lossSheet_)
        lossSheet_->recordPendingTotal();
    // The work is kept as it is now, saved or not: the next start reopens it.
    session_->keepNow();
    if (SaveSettings()) {
        lastSaveFailed_ = false;
        return true;
    }
    // A failed save keeps the window open so that the user can retry; a
    // second failure in a row closes it all the same (the settings file
    // cannot be written there, and a window that never closes is a trap).
    const bool closeAnyway = lastSaveFailed_;
    lastSaveFailed_ = true;
    return closeAnyway;
}

void TDuctForm::LoadSettings()
{
    app::LoadSettings(*this, settingsPath_);
}

bool TDuctForm::SaveSettings()
{
    // The user's configuration folder may not exist yet; when it cannot be
    // made, the first key's write fails and says so.
    MakeUserFolderFor(settingsPath_);
    return app::SaveSettings(*this, settingsPath_);
}

std::vector<settings::Setting> TDuctForm::settingsKeys()
{
    // The position is read first; the active page and the radio buttons
    // last, since checking a button runs its handler, which needs the lists
    // and the page restored. A new file starts with the position and ends
    // with the buttons, the unit system first.
    return {
        settings::OptionalIntegerSetting(
            {"Window", "Left", {10, 10}}, [this](std::optional<int> left) { storedLeft_ = left; },
            [this] { return std::optional(x()); }),
        settings::OptionalIntegerSetting(
            {"Window", "Top", {20, 20}},
            [this](std::optional<int> top) {
                storedTop_ = top;
                restorePosition();
            },
            [this] { return std::optional(y()); }),
        settings::IntegerSetting(
            {"Page", "ActPage", {170, 80}}, {0, static_cast<int>(pages_.size()) - 1}, DuctPageIndex,
            [this](int page) {
                const QSignalBlocker quiet(PageControl); // the page handler runs later
                PageControl->setCurrentIndex(page);
            },
            [this] { return PageControl->currentIndex(); }),
        buttonKey("K1", {180, 200}, shared_.ssButton1, true),
        buttonKey("K2", {190, 210}, shared_.ssButton2, false),
        buttonKey("B1", {200, 180}, shared_.TaniButton1, true),
        buttonKey("B2", {210, 190}, shared_.TaniButton2, false),
    };
}

namespace {

// A text key that a save leaves out while it is empty and the file had no
// value for it: a settings file of someone who never used documents keeps
// its bytes. Once stored, an empty value is written empty.
settings::Setting QuietTextSetting(settings::KeyPlace place,
                                   std::function<void(const std::string &)> restore,
                                   std::function<std::string()> value)
{
    auto stored = std::make_shared<bool>(false);
    settings::Setting setting = settings::TextSetting(
        std::move(place), {},
        [stored, restore = std::move(restore)](const std::string &text) {
            *stored = !text.empty();
            restore(text);
        },
        [] { return std::string(); });
    setting.value = [stored, value = std::move(value)]() -> std::optional<settings::Value> {
        std::string text = value();
        if (text.empty() && !*stored)
            return std::nullopt;
        return settings::Value(std::move(text));
    };
    return setting;
}

} // namespace

std::vector<settings::Setting> TDuctForm::documentKeys()
{
    // The title block used last, where the record window kept its title
    // block before it became the document's, and the recent files.
    std::vector<settings::Setting> keys;
    const auto title = [&](const char *name, int rank,
                           decltype(&::document::TitleBlock::project) field) {
        keys.push_back(QuietTextSetting(
            {"Record", name, settings::Rank(2000 + rank)},
            [this, field](const std::string &stored) {
                ::document::TitleBlock last = session_->lastTitle();
                last.*field = record::FromStoredLine(stored).toStdString();
                session_->setLastTitle(last);
                // A document not yet touched starts from it.
                if (!session_->isModified() && session_->path().isEmpty())
                    session_->document().title.*field = last.*field;
            },
            [this, field] {
                return record::StorableLine(
                           QString::fromStdString(session_->document().title.*field))
                    .toStdString();
            }));
    };
    title("Project", 10, &::document::TitleBlock::project);
    title("Designer", 11, &::document::TitleBlock::designer);
    title("Date", 12, &::document::TitleBlock::date);
    title("Notes", 13, &::document::TitleBlock::notes);
    for (int i = 0; i < document::RecentFiles::Cap; ++i) {
        keys.push_back(QuietTextSetting(
            {"Recent", "File" + std::to_string(i + 1), settings::Rank(4000 + i)},
            [this, i](const std::string &stored) {
                QStringList paths = recent_->paths();
                if (i == 0)
                    paths.clear();
                paths.append(QString::fromStdString(stored));
                recent_->restore(paths);
            },
            [this, i] { return recent_->paths().value(i).toStdString(); }));
    }
    return keys;
}

std::vector<settings::Setting> TDuctForm::featureSettingsKeys() const
{
    std::vector<settings::Setting> keys;
    const auto add = [&keys](std::vector<settings::Setting> more) {
        std::move(more.begin(), more.end(), std::back_inserter(keys));
    };
    if (chart_)
        add(chart_->settingsKeys());
    if (record_)
        add(record_->settingsKeys());
    if (sizeTable_)
        add(sizeTable_->settingsKeys());
    if (lossSheet_)
        add(lossSheet_->settingsKeys());
    return keys;
}

void TDuctForm::restoreFeature(std::vector<settings::Setting> keys)
{
    settings::Load(settings::Schema(std::move(keys)), settingsPath_, readSettings_);
}

void TDuctForm::showFeature(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void TDuctForm::Chart1Click()
{
    if (!chart_) {
        chart_ = new chart::ChartForm(this, session_);
        restoreFeature(chart_->settingsKeys());
        // The chart's own view, over the one the settings kept.
        chart_->showChart(chart_->shownChart());
        chart::LinkChartToAirPage(chart_, air_);
        document::DropOpener::AcceptDrops(chart_);
    }
    showFeature(chart_);
    showPendingNote(chart_);
}

void TDuctForm::Record1Click()
{
    if (!record_) {
        record_ = new record::RecordForm(*journal_, this, session_);
        document::DropOpener::AcceptDrops(record_);
        restoreFeature(record_->settingsKeys());
    }
    showFeature(record_);
}

void TDuctForm::CopyPage()
{
    QGuiApplication::clipboard()->setText(record::FieldsToTsv(currentPage()->fields()));
}

void TDuctForm::SizeTable1Click()
{
    if (!sizeTable_) {
        sizeTable_ = new sizetable::SizeTableForm(this);
        document::DropOpener::AcceptDrops(sizeTable_);
        restoreFeature(sizeTable_->settingsKeys());
        auto *link = new sizetable::SizeTableLink(sizeTable_, PageControl);
        link->follow(duct_, *duct_);
        link->follow(pipe_, *pipe_);
    }
    showFeature(sizeTable_);
}

void TDuctForm::LossSheet1Click()
{
    if (!lossSheet_) {
        lossSheet_ = new losssheet::LossSheetForm(this);
        restoreFeature(lossSheet_->settingsKeys());
        lossSheet_->setConventionalUnits(shared_.conventionalUnits());
        document::DropOpener::AcceptDrops(lossSheet_);
        // The document's title block.
        lossSheet_->setTitleSource([this] {
            const ::document::TitleBlock &title = session_->document().title;
            return losssheet::SheetTitle{QString::fromStdString(title.project),
                                         QString::fromStdString(title.designer),
                                         QString::fromStdString(title.date)};
        });
        // The systems are the document's: loaded from it, and back into it
        // after every edit.
        session_->convertUnits(lossSheet_->units());
        losssheet::LossSheetModel &sheet = lossSheet_->sheet();
        sheet.setSystems(session_->document().systems);
        connect(&sheet, &losssheet::LossSheetModel::systemsEdited, session_, [this] {
            session_->document().systems = lossSheet_->sheet().systems();
            session_->changed();
        });
        connect(session_, &document::Session::replaced, lossSheet_,
                [this] { lossSheet_->sheet().setSystems(session_->document().systems); });
        lossSheet_->setDocumentName(session_->markedName());
        connect(session_, &document::Session::displayNameChanged, lossSheet_,
                &losssheet::LossSheetForm::setDocumentName);
        connect(lossSheet_, &losssheet::LossSheetForm::calculated, journal_,
                &record::Journal::append);
    }
    showFeature(lossSheet_);
}

void TDuctForm::restorePosition()
{
    if (!storedLeft_ && !storedTop_)
        return; // stays centred
    // The whole window goes onto the screen that holds its title bar.
    if (const auto place = ui::PlaceOnScreen(storedLeft_.value_or(x()), storedTop_.value_or(y()),
                                             frameGeometry().size()))
        move(*place);
}

void TDuctForm::centreOnScreen()
{
    if (QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TDuctForm::PageControlChange()
{
    currentPage()->pageShown();
    focus_.applyTabOrder({pages_.begin(), pages_.end()});
    SelectFlowMedium();
}

void TDuctForm::SelectFlowMedium()
{
    // The moist-air and unit-conversion pages keep the medium of the
    // calculation page visited before.
    if (const auto medium = currentPage()->flowMedium())
        flowMedium_ = *medium;
}

bool TDuctForm::focusNextPrevChild(bool next)
{
    QWidget *target = focus_.next(PageControl->currentWidget(), focusWidget(), next);
    if (!target)
        return false;
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void TDuctForm::FocusNextField()
{
    focusNextPrevChild(true);
}

void TDuctForm::ssButton1Click()
{
    for (ui::CalcPage *page : pages_)
        page->showSizingBasis();
    // The target field of the page in front takes the focus, when it can.
    currentPage()->focusSizingTarget();
}

void TDuctForm::TaniButton1Click()
{
    // The conversion keeps every result in line with its new unit; the unit
    // buttons' toggle that started it is part of it.
    const ui::ProgramChange conversion(changes_, {shared_.TaniButton1, shared_.TaniButton2});
    const auto factors = ui::UnitFactors::towards(shared_.conventionalUnits());
    for (ui::CalcPage *page : pages_)
        page->relabelUnits();
    for (ui::CalcPage *page : pages_)
        page->convertUnits(factors);
    const auto units = shared_.conventionalUnits() ? ::losssheet::UnitSystem::Conventional
                                                   : ::losssheet::UnitSystem::SI;
    if (lossSheet_) {
        // The window converts its systems' targets; the document takes them.
        lossSheet_->setConventionalUnits(shared_.conventionalUnits());
        session_->document().systems = lossSheet_->sheet().systems();
        session_->setUnits(units);
    } else {
        session_->convertUnits(units);
    }
}

void TDuctForm::D1Click()
{
    // Let the menu close and the window repaint before the program starts.
    QCoreApplication::processEvents();
    if (!StartCalculator(startProgram_)) {
        ui::ShowError(this, QString::fromUtf8(texts::CalculatorFailed));
        QApplication::beep();
    }
}

void TDuctForm::HowtoUseHelp1Click()
{
    auto *application = qobject_cast<ZefraApplication *>(QCoreApplication::instance());
    if (application)
        application->setHelpFile(ui::HelpFileName);
    const QString helpFile = application ? application->helpFile() : ui::HelpFileName;
    const QStringList candidates = helpCandidates_(helpFile);
    const QString document = help::FirstReadableDocument(candidates);
    if (document.isEmpty()) {
        ui::ShowError(this, help::MissingHelpText(candidates));
        return;
    }
    if (!helpWindow_) {
        helpWindow_ = new help::HelpWindow(this);
        helpWindow_->setExternalOpener([this](const QUrl &url) { return openUrl_(url); });
    }
    helpWindow_->present(document);
}

void TDuctForm::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

} // namespace app
