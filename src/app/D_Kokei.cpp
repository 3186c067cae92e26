#include "app/D_Kokei.h"

#include "air/AirPage.h"
#include "app/AboutBox.h"
#include "app/AppInfo.h"
#include "app/FormControls.h"
#include "app/Guard.h"
#include "app/KeyRules.h"
#include "app/MessageBoxes.h"
#include "app/Settings.h"
#include "app/SettingsLocation.h"
#include "app/UnitSwitch.h"
#include "app/ZefraApplication.h"
#include "flow/DuctPage.h"
#include "flow/FlowMedium.h"
#include "outlet/OutletPage.h"
#include "pipe/PipePage.h"
#include "units/UnitsPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace {

constexpr int ClientWidth = 562;
constexpr int ClientHeight = 298;

std::string defaultSettingsPath()
{
    return settings::DefaultSettingsFile();
}

} // namespace

TDuctForm::TDuctForm(QWidget *parent, const QString &settingsPath)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      settingsPath_(settingsPath.isEmpty() ? defaultSettingsPath()
                                           : QFile::encodeName(settingsPath).toStdString()),
      startProgram_([](const QString &program) { return QProcess::startDetached(program, {}); }),
      openUrl_([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("DuctForm"));
    setWindowTitle(QStringLiteral("  Zefra"));
    setWindowIcon(QIcon(QStringLiteral(":/zefra/zefra-256.png")));
    setFont(form::GothicFont(12));

    auto *client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    PageControl = new QTabWidget(client);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(0, 0, ClientWidth, ClientHeight);
    PageControl->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    PageControl->tabBar()->setFont(form::GothicFont(13));

    duct_ = new DuctPage(focus_);
    outlets_ = new OutletPage(focus_);
    pipe_ = new PipePage(focus_);
    air_ = new AirPage(focus_);
    units_ = new UnitsPage(focus_);
    PageControl->addTab(duct_, QStringLiteral("ダクト計算"));
    PageControl->addTab(outlets_, QStringLiteral("吹出口・吸込口"));
    PageControl->addTab(pipe_, QStringLiteral("配管計算"));
    PageControl->addTab(air_, QStringLiteral("空気の状態値計算"));
    PageControl->addTab(units_, QStringLiteral("単位変換"));
    shared_ = duct_->shared();
    for (CalcPage *page : std::initializer_list<CalcPage *>{duct_, outlets_, pipe_, air_, units_}) {
        if (page != duct_)
            page->setSharedControls(&duct_->shared());
        page->setFocusNextField([this] { FocusNextField(); });
    }

    buildMenu();
    keyRules_ = new KeyRules(*this);
    connectHandlers();
    focus_.applyTabOrder({duct_, outlets_, pipe_, air_, units_});

    adjustSize();
    setFixedSize(sizeHint());
}

TDuctForm::~TDuctForm() = default;

void TDuctForm::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setFont(form::GothicFont(12));

    QAction *calculator = bar->addAction(QStringLiteral("電卓(&D)"));
    calculator->setObjectName(QStringLiteral("D1"));
    connect(calculator, &QAction::triggered, this,
            [this] { app::Guarded(this, [this] { D1Click(); }); });

    QMenu *help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *howTo = help->addAction(QStringLiteral("使い方(&W)"));
    howTo->setObjectName(QStringLiteral("HowtoUseHelp1"));
    connect(howTo, &QAction::triggered, this,
            [this] { app::Guarded(this, [this] { HowtoUseHelp1Click(); }); });
    QAction *about = help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this,
            [this] { app::Guarded(this, [this] { About1Click(); }); });
}

void TDuctForm::connectHandlers()
{
    // Every handler runs inside the guard: Qt never sees an exception.
    auto guarded = [this](auto handler) {
        return [this, handler] { app::Guarded(this, handler); };
    };
    auto whenChecked = [this](QRadioButton *button, auto handler) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                app::Guarded(this, handler);
        });
    };

    connect(PageControl, &QTabWidget::currentChanged, this,
            guarded([this] { PageControlChange(); }));
    whenChecked(shared_.ssButton1, [this] { ssButton1Click(); });
    whenChecked(shared_.ssButton2, [this] { ssButton1Click(); });
    whenChecked(shared_.TaniButton1, [this] { TaniButton1Click(); });
    whenChecked(shared_.TaniButton2, [this] { TaniButton1Click(); });

    connect(air_->SelectBox, &QComboBox::activated, this,
            guarded([this] { air_->SelectBoxClick(); }));
    for (QRadioButton *item : air_->PrItems)
        whenChecked(item, [this] { air_->PrGroupClick(); });
    connect(outlets_->ComboBox1, &QComboBox::activated, this,
            guarded([this] { outlets_->ComboBox1Change(); }));
    connect(pipe_->Syrui, &QComboBox::activated, this, guarded([this] { pipe_->SyruiChange(); }));
    connect(pipe_->Ond, &QComboBox::activated, this, guarded([this] { pipe_->SyruiChange(); }));
}

void TDuctForm::showEvent(QShowEvent *event)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        centreOnScreen();
        app::Guarded(this, [this] { FormShow(); });
    }
    QMainWindow::showEvent(event);
}

void TDuctForm::FormShow()
{
    LoadSettings();
    pipe_->SyruiChange();
    air_->PrGroupClick();
    PageControlChange();
    outlets_->ComboBox1Change();
    SelectFlowMedium();
}

void TDuctForm::closeEvent(QCloseEvent *event)
{
    bool mayClose = true;
    app::Guarded(this, [&] { mayClose = FormClose(); });
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
    settings::LoadSettings(*this, settingsPath_);
}

bool TDuctForm::SaveSettings()
{
    // The user's configuration folder may not exist yet; when it cannot be
    // made, the first key's write fails and says so.
    settings::MakeUserFolderFor(settingsPath_);
    return settings::SaveSettings(*this, settingsPath_);
}

void TDuctForm::centreOnScreen()
{
    if (QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TDuctForm::moveTo(QWidget *control, QWidget *band, int x, int y)
{
    // A control that changes band takes the last place in the new band's
    // order; one already there keeps its place.
    if (control->parentWidget() != band) {
        control->setParent(band);
        focus_.moveControl(control, band);
    }
    control->move(x, y);
    control->show();
}

void TDuctForm::moveSharedControls(QWidget *roughnessBand, QWidget *titleBar)
{
    moveTo(shared_.TaniButton1, roughnessBand, 389, 6);
    moveTo(shared_.TaniButton2, roughnessBand, 470, 6);
    for (QLabel *label : {shared_.Label25, shared_.Label26, shared_.Label27, shared_.Label28})
        moveTo(label, roughnessBand, label->x(), label->y());
    moveTo(shared_.ssButton1, titleBar, shared_.ssButton1->x(), shared_.ssButton1->y());
    moveTo(shared_.ssButton2, titleBar, shared_.ssButton2->x(), shared_.ssButton2->y());
}

void TDuctForm::PageControlChange()
{
    switch (PageControl->currentIndex()) {
    case AirPageIndex:
        moveTo(shared_.TaniButton1, air_->inputBand(), 13, 6);
        moveTo(shared_.TaniButton2, air_->inputBand(), 94, 6);
        air_->UpdateSecondPropertyUnit();
        break;
    case PipePageIndex:
        moveSharedControls(pipe_->roughnessBand(), pipe_->sizingTitleBar());
        shared_.ssButton2->setText(QStringLiteral("流速基準"));
        break;
    case DuctPageIndex:
        moveSharedControls(duct_->roughnessBand(), duct_->sizingTitleBar());
        shared_.ssButton2->setText(QStringLiteral("風速基準"));
        break;
    default:
        break;
    }
    focus_.applyTabOrder({duct_, outlets_, pipe_, air_, units_});
    SelectFlowMedium();
}

void TDuctForm::SelectFlowMedium()
{
    flow::SelectFlowMedium(PageControl->currentIndex());
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
    duct_->showSizingBasis();
    pipe_->showSizingBasis(*duct_);
    // The target field of the page in front takes the focus, when it can.
    QWidget *target = PageControl->currentIndex() == PipePageIndex
                          ? static_cast<QWidget *>(pipe_->M_AsonP)
                          : duct_->M_Ason;
    if (FocusOrder::canTakeFocus(target))
        target->setFocus(Qt::OtherFocusReason);
}

void TDuctForm::TaniButton1Click()
{
    units::SwitchUnitSystem(*this);
}

void TDuctForm::D1Click()
{
    // Let the menu close and the window repaint before the program starts.
    QCoreApplication::processEvents();
    if (!desktop::StartCalculator(startProgram_)) {
        msg::ShowError(this, QStringLiteral("電卓を起動できませんでした。"));
        QApplication::beep();
    }
}

void TDuctForm::HowtoUseHelp1Click()
{
    auto *application = qobject_cast<ZefraApplication *>(QCoreApplication::instance());
    if (application)
        application->setHelpFile(app::HelpFileName);
    const QString helpFile = application ? application->helpFile() : app::HelpFileName;
    const QString document = desktop::FindHelpDocument(helpFile);
    if (document.isEmpty() || !openUrl_(QUrl::fromLocalFile(document)))
        msg::ShowError(this, QStringLiteral("ヘルプを開けませんでした。"));
}

void TDuctForm::About1Click()
{
    TAboutBox box(this);
    box.exec();
}
