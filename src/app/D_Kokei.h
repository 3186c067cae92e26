#pragma once

#include "app/DesktopLaunch.h"
#include "app/help/HelpLocation.h"
#include "app/settings/SettingsSchema.h"
#include "app/ui/FocusOrder.h"
#include "app/ui/ProgramChange.h"
#include "app/ui/SharedControls.h"
#include "numeric/Medium.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QMenu;
class QTabWidget;

namespace air {
class AirPage;
}
namespace flow {
class DuctPage;
}
namespace outlet {
class OutletPage;
}
namespace pipes {
class PipePage;
}
namespace units {
class UnitsPage;
}

namespace app {

namespace help {
class HelpWindow;
} // namespace help

namespace ui {
class CalcPage;
} // namespace ui
namespace chart {
class ChartForm;
}
namespace document {
class DocumentCommands;
class Session;
class RecentFiles;
} // namespace document
namespace sizetable {
class SizeTableForm;
}
namespace losssheet {
class LossSheetForm;
}
namespace record {
class Journal;
class RecordForm;
} // namespace record

// The main window: five calculator pages in one fixed-size window, the
// controls they share, the menu, and what happens when the window is shown,
// when the page changes and when it closes. The window talks to its pages
// through their common interface (ui::CalcPage); a feature window that
// follows one page gets it by its own type, kept where the page is made.
class TDuctForm : public QMainWindow
{
    Q_OBJECT

public:
    // Page indexes, in tab order.
    enum Page { DuctPageIndex, OutletPageIndex, PipePageIndex, AirPageIndex, UnitsPageIndex };

    // Creates every control in its design state; nothing is read yet. The
    // settings file is `settingsPath`, or, when empty, the one beside the
    // executable or in the user's folder (DefaultSettingsFile); the
    // calculation record is kept in `recordFolder`, or, when empty, in the
    // user's data folder.
    explicit TDuctForm(QWidget *parent = nullptr, const QString &settingsPath = {},
                       const QString &recordFolder = {});
    ~TDuctForm() override;

    QTabWidget *pageControl() const { return PageControl; }
    const QList<ui::CalcPage *> &pages() const { return pages_; }
    ui::CalcPage *currentPage() const;
    // The settings file's path as the system's bytes.
    const std::string &settingsPath() const { return settingsPath_; }
    // The medium of the last calculation page visited.
    numeric::Medium flowMedium() const { return flowMedium_; }
    // The program's own changes of this window's pages (ui::ProgramChange).
    ui::ProgramChanges &programChanges() { return changes_; }

    // Run at the first showing: settings, then the handlers of the pages.
    void FormShow();
    // Run once the first frame is on the screen: the window icon, and the
    // calculation record read.
    void FirstFrameShown();
    // Run when the window closes; false keeps it open.
    bool FormClose();
    void LoadSettings();
    bool SaveSettings();
    // The window's own keys of the settings file: its position, the active
    // page, the sizing basis and the unit system.
    std::vector<settings::Setting> settingsKeys();
    // The keys of the feature windows opened in this run; a window never
    // opened leaves its section as it is.
    std::vector<settings::Setting> featureSettingsKeys() const;
    // The document's keys: the title block used last ([Record] Project,
    // Designer, Date, Notes) and the recent files ([Recent] File1 … File8),
    // read at the start with the window's.
    std::vector<settings::Setting> documentKeys();
    // How the settings file is read, at the start and when a feature window
    // is first opened: one reading each time. Tests count the readings.
    const settings::Reader &settingsReader() const { return readSettings_; }
    void setSettingsReader(settings::Reader reader) { readSettings_ = std::move(reader); }
    record::Journal &journal() const { return *journal_; }

    // The open work document, which the document windows show and edit.
    document::Session &session() const { return *session_; }
    document::DocumentCommands &documentCommands() const { return *commands_; }
    const document::RecentFiles &recentFiles() const { return *recent_; }
    // A document named on the command line, opened at the first showing
    // after the last work is restored.
    void openAtStart(const QString &path) { startDocument_ = path; }
    // The note of a restored work, until a document window has shown it.
    const QString &pendingNote() const { return pendingNote_; }

    // The active page changed: brings the shared controls to it.
    void PageControlChange();
    // Notes whether the last calculation page visited was for air or water.
    void SelectFlowMedium();
    // Moves the focus to the next control of the page, as Tab does.
    void FocusNextField();

    // The sizing basis changed (either basis button became checked).
    void ssButton1Click();
    // The unit system changed (either unit button became checked): every page
    // relabels its units, then converts its values shown in them.
    void TaniButton1Click();

    // The file menu: new, open, save, save as, the recent files, print
    // (the chart's own print of the shown chart until the report lands) and
    // exit (the same as closing the window).
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void printDocument();
    void Exit1Click();

    void D1Click();
    // Shows the help window at the front page of the help document, or the
    // error box with the places tried when there is none.
    void HowtoUseHelp1Click();
    void About1Click();
    // The tools menu: each opens its window, made when first asked for, or
    // raises it. The loss sheet follows the unit system and records its
    // totals; its title block is the record window's.
    void Chart1Click();
    void Record1Click();
    void SizeTable1Click();
    void LossSheet1Click();
    // Ctrl+Shift+C on a page: its inputs and results to the clipboard as
    // tab-separated text with a header row.
    void CopyPage();

    // Tests replace the desktop's program start, the URL opener (for links
    // in the help that leave it) and the places where the help is looked for.
    void setProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    void setHelpCandidates(help::HelpCandidates candidates)
    {
        helpCandidates_ = std::move(candidates);
    }
    // The help window, once the help was asked for.
    help::HelpWindow *helpWindow() const { return helpWindow_; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildMenu();
    void buildFileMenu();
    void fillRecentMenu();
    // The work left at the last close, from the recovery copy.
    void restoreWork();
    void showPendingNote(QWidget *window);
    void connectHandlers();
    void centreOnScreen();
    void restorePosition();
    // A feature window's keys, from one reading of the file.
    void restoreFeature(std::vector<settings::Setting> keys);
    void showFeature(QWidget *window);

    ui::FocusOrder focus_;
    ui::SharedControls shared_;
    ui::ProgramChanges changes_;
    QTabWidget *PageControl = {};
    // The pages by their own types, and in tab order for what all share.
    flow::DuctPage *duct_ = {};
    outlet::OutletPage *outlet_ = {};
    pipes::PipePage *pipe_ = {};
    air::AirPage *air_ = {};
    units::UnitsPage *units_ = {};
    QList<ui::CalcPage *> pages_;
    std::string settingsPath_;
    settings::Reader readSettings_ = settings::ReadStrings;
    numeric::Medium flowMedium_ = numeric::Medium::Air;
    std::optional<int> storedLeft_;
    std::optional<int> storedTop_;
    bool shownOnce_ = false;
    bool lastSaveFailed_ = false;
    ProgramStarter startProgram_;
    UrlOpener openUrl_;
    QPointer<chart::ChartForm> chart_;
    QPointer<sizetable::SizeTableForm> sizeTable_;
    QPointer<record::RecordForm> record_;
    QPointer<losssheet::LossSheetForm> lossSheet_;
    record::Journal *journal_ = {};
    document::Session *session_ = {};
    std::unique_ptr<document::RecentFiles> recent_;
    document::DocumentCommands *commands_ = {};
    QMenu *recentMenu_ = {};
    QString startDocument_;
    QString pendingNote_;
    QString damagedCopyNote_;
    help::HelpCandidates helpCandidates_ = [](const QString &helpFileName) {
        return help::HelpDocumentCandidates(helpFileName);
    };
    help::HelpWindow *helpWindow_ = {};
};

} // namespace app
