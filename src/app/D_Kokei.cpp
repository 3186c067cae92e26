#include "app/D_Kokei.h"

#include "air/AirPage.h"
#include "app/AboutBox.h"
#include "app/Settings.h"
#include "app/SettingsLocation.h"
#include "app/ZefraApplication.h"
#include "app/help/HelpWindow.h"
#include "app/ui/AppInfo.h"
#include "app/ui/CalcPage.h"
#include "app/ui/FormControls.h"
#include "app/ui/Guard.h"
#include "app/ui/MessageBoxes.h"
#include "flow/DuctPage.h"
#include "numeric/Messages.h"
#include "outlet/OutletPage.h"
#include "pipe/PipePage.h"
#include "units/UnitsPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace app {

namespace {

constexpr int ClientWidth = 562;
constexpr int ClientHeight = 298;

// The window keeps a stored position only when its title bar would be on a
// screen; a position from a screen that is gone would hide it.
bool reachable(const QPoint &topLeft, const QSize &size)
{
    const QRect titleBar(topLeft, QSize(size.width(), 24));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(titleBar);
        if (visible.width() >= 40 && visible.height() >= 8)
            return true;
    }
    return false;
}

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

ui::SettingsKey buttonKey(const char *key, QRadioButton *button, bool fallback)
{
    return {"Button", key,
            [button, fallback](std::optional<int> stored) {
                restoreCheck(button, stored ? *stored != 0 : fallback);
            },
            [button] { return button->isChecked() ? 1 : 0; }};
}

} // namespace

TDuctForm::TDuctForm(QWidget *parent, const QString &settingsPath)
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
    setWindowIcon(QIcon(QStringLiteral(":/zefra/zefra-256.png")));
    setFont(ui::GothicFont(12));

    auto *client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    PageControl = new QTabWidget(client);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(0, 0, ClientWidth, ClientHeight);
    PageControl->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setFont(ui::GothicFont(13));

    // The pages in tab order; the duct page is the design home of the shared
    // controls and comes first.
    pages_ = {new flow::DuctPage(focus_, shared_), new outlet::OutletPage(focus_, shared_),
              new pipes::PipePage(focus_, shared_), new air::AirPage(focus_, shared_),
              new units::UnitsPage(focus_, shared_)};
    for (ui::CalcPage *page : pages_)
        PageControl->addTab(page, page->caption());

    buildMenu();
    connectHandlers();
    focus_.applyTabOrder({pages_.begin(), pages_.end()});

    adjustSize();
    setFixedSize(sizeHint());
}

TDuctForm::~TDuctForm() = default;

ui::CalcPage *TDuctForm::currentPage() const
{
    return pages_.value(PageControl->currentIndex());
}

void TDuctForm::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setFont(ui::GothicFont(12));

    QAction *calculator = bar->addAction(QStringLiteral("電卓(&D)"));
    calculator->setObjectName(QStringLiteral("D1"));
    connect(calculator, &QAction::triggered, this,
            [this] { ui::Guarded(this, [this] { D1Click(); }); });

    QMenu *help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *howTo = help->addAction(QStringLiteral("使い方(&W)"));
    howTo->setObjectName(QStringLiteral("HowtoUseHelp1"));
    connect(howTo, &QAction::triggered, this,
            [this] { ui::Guarded(this, [this] { HowtoUseHelp1Click(); }); });
    QAction *about = help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this,
            [this] { ui::Guarded(this, [this] { About1Click(); }); });
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
    }
    QMainWindow::showEvent(event);
}

void TDuctForm::FormShow()
{
    LoadSettings();
    for (ui::CalcPage *page : pages_)
        page->windowShown();
    PageControlChange();
    SelectFlowMedium();
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

QList<ui::SettingsKey> TDuctForm::settingsKeys()
{
    return {
        {"Window", "Left", [this](std::optional<int> stored) { storedLeft_ = stored; },
         [this] { return x(); }},
        {"Window", "Top",
         [this](std::optional<int> stored) {
             storedTop_ = stored;
             restorePosition();
         },
         [this] { return y(); }},
        {"Page", "ActPage",
         [this](std::optional<int> stored) {
             const QSignalBlocker quiet(PageControl); // the page handler runs later
             PageControl->setCurrentIndex(
                 stored && *stored >= 0 && *stored < pages_.size() ? *stored : DuctPageIndex);
         },
         [this] { return PageControl->currentIndex(); }},
        buttonKey("K1", shared_.ssButton1, true),
        buttonKey("K2", shared_.ssButton2, false),
        buttonKey("B1", shared_.TaniButton1, true),
        buttonKey("B2", shared_.TaniButton2, false),
    };
}

void TDuctForm::restorePosition()
{
    if (!storedLeft_ && !storedTop_)
        return; // stays centred
    const QPoint stored(storedLeft_.value_or(x()), storedTop_.value_or(y()));
    if (reachable(stored, frameGeometry().size()))
        move(stored);
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
    const auto factors = ui::UnitFactors::towards(shared_.conventionalUnits());
    for (ui::CalcPage *page : pages_)
        page->relabelUnits();
    for (ui::CalcPage *page : pages_)
        page->convertUnits(factors);
}

void TDuctForm::D1Click()
{
    // Let the menu close and the window repaint before the program starts.
    QCoreApplication::processEvents();
    if (!StartCalculator(startProgram_)) {
        ui::ShowError(this, QString::fromUtf8(numeric::messages::CalculatorFailed));
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
