#pragma once

#include "app/DesktopLaunch.h"
#include "app/FocusOrder.h"
#include "app/SharedControls.h"

#include <QMainWindow>

#include <string>

class AirPage;
class DuctPage;
class KeyRules;
class OutletPage;
class PipePage;
class QTabWidget;
class UnitsPage;

// The main window: five calculator pages in one fixed-size window, the
// controls they share, the menu, and what happens when the window is shown,
// when the page changes and when it closes.
class TDuctForm : public QMainWindow
{
    Q_OBJECT

public:
    // Page indexes, in tab order.
    enum Page { DuctPageIndex, OutletPageIndex, PipePageIndex, AirPageIndex, UnitsPageIndex };

    // Creates every control in its design state; nothing is read yet. The
    // settings file is `settingsPath`, or, when empty, the one beside the
    // executable or in the user's folder (settings::DefaultSettingsFile).
    explicit TDuctForm(QWidget *parent = nullptr, const QString &settingsPath = {});
    ~TDuctForm() override;

    DuctPage *duct() const { return duct_; }
    OutletPage *outlets() const { return outlets_; }
    PipePage *pipe() const { return pipe_; }
    AirPage *air() const { return air_; }
    UnitsPage *units() const { return units_; }
    const SharedControls &shared() const { return shared_; }
    QTabWidget *pageControl() const { return PageControl; }
    const FocusOrder &focusOrder() const { return focus_; }
    // The settings file's path as the system's bytes.
    const std::string &settingsPath() const { return settingsPath_; }

    // Run at the first showing: settings, then the handlers of the pages.
    void FormShow();
    // Run when the window closes; false keeps it open.
    bool FormClose();
    void LoadSettings();
    bool SaveSettings();

    // The active page changed: brings the shared controls to it.
    void PageControlChange();
    // Tells the flow formulas whether the last calculation page was for air.
    void SelectFlowMedium();
    // Moves the focus to the next control of the page, as Tab does.
    void FocusNextField();

    // The sizing basis changed (either basis button became checked).
    void ssButton1Click();
    // The unit system changed (either unit button became checked).
    void TaniButton1Click();

    void D1Click();
    void HowtoUseHelp1Click();
    void About1Click();

    // Tests replace the desktop's program start and URL opener.
    void setProgramStarter(desktop::ProgramStarter starter) { startProgram_ = std::move(starter); }
    void setUrlOpener(desktop::UrlOpener opener) { openUrl_ = std::move(opener); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildMenu();
    void connectHandlers();
    void moveTo(QWidget *control, QWidget *band, int x, int y);
    void moveSharedControls(QWidget *roughnessBand, QWidget *titleBar);
    void centreOnScreen();

    FocusOrder focus_;
    QTabWidget *PageControl = nullptr;
    DuctPage *duct_ = nullptr;
    OutletPage *outlets_ = nullptr;
    PipePage *pipe_ = nullptr;
    AirPage *air_ = nullptr;
    UnitsPage *units_ = nullptr;
    SharedControls shared_;
    KeyRules *keyRules_ = nullptr;
    std::string settingsPath_;
    bool shownOnce_ = false;
    bool lastSaveFailed_ = false;
    desktop::ProgramStarter startProgram_;
    desktop::UrlOpener openUrl_;
};
