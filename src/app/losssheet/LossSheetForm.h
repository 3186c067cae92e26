#pragma once

#include "app/files/SaveFile.h"
#include "app/losssheet/SheetPrint.h"
#include "app/losssheet/SummaryTexts.h"
#include "app/settings/SettingKey.h"
#include "app/ui/CalculationRecord.h"
#include "losssheet/Calculator.h"
#include "losssheet/Results.h"
#include "losssheet/SheetUnits.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTableView;

namespace app::ui {
class WindowGeometry;
}

namespace app::losssheet {

class ConditionsPanel;
class FittingEditor;
class FittingTableModel;
class LossSheetModel;
class SectionTableModel;
class TerminalTableModel;

// The system loss sheet window 系統圧損計算: the document's duct and pipe
// systems, the chosen system's conditions, its sections (typed in place), the
// fittings of the chosen section, the summary (the fan's required static
// pressure or the pump's head) and the terminals' surpluses; copy, CSV and
// the printed sheet. Non-modal and resizable; the main window feeds it the
// unit system and takes its records.
//
// Every edit is computed at once on the duct and pipe pages' routines (a
// 500-section system in a few milliseconds, only the sections whose inputs
// changed sized again). A completed total goes into the calculation record
// when the user leaves a system that was edited, hides the window, or asks
// for it (記録): one record per finished piece of work, not one per cell.
class LossSheetForm : public QWidget
{
    Q_OBJECT

public:
    explicit LossSheetForm(QWidget *parent = nullptr);
    ~LossSheetForm() override;

    // The systems, for whoever keeps the document: it loads a document's
    // systems into it and takes them back after every edit (systemsEdited).
    LossSheetModel &sheet() const { return *sheet_; }

    void setConventionalUnits(bool conventional);
    ::losssheet::UnitSystem units() const { return units_; }
    // The document's name with its modified mark (Session::markedName) for the
    // title, or "" for none.
    void setDocumentName(const QString &name);
    // Where the printed sheet's title block comes from.
    void setTitleSource(std::function<SheetTitle()> source) { titleSource_ = std::move(source); }

    // The [LossSheet] section of the settings file: the window's place and
    // size (ui::WindowGeometry).
    std::vector<settings::Setting> settingsKeys();

    // The system shown (-1 for none) and its result.
    int currentSystem() const { return current_; }
    void showSystem(int index);
    std::shared_ptr<const ::losssheet::SystemResult> result() const { return result_; }

    // The actions, also without their dialogs.
    int addSystem(::losssheet::SystemKind kind);
    void renameSystem();
    void duplicateSystem();
    void deleteSystem();  // asks first
    void addSection();    // after the current row, or at the end
    void deleteSection(); // the current row, after asking
    void addFitting();    // of the kind chosen in FittingKind, to the current section
    void deleteFitting(); // after asking
    QString sectionsTsv() const;
    void copySections() const;
    // Each returns an empty text on success, or what went wrong.
    QString exportCsv(const QString &path) const;
    QString exportXlsx(const QString &path) const; // every system, a worksheet each
    QString savePdf(const QString &path, bool allSystems = false) const;
    QString saveCurrentPdf(const QString &path) const;
    void printPreview(bool allSystems = false);
    // The current system's total into the calculation record, when it is
    // complete (else the status bar says why not).
    void recordTotal();
    // The total of a system edited since its last record, when complete.
    void recordPendingTotal();

signals:
    void calculated(const app::ui::CalculationRecord &record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildMenu(QMenuBar *bar);
    QWidget *buildSystemList();
    QWidget *buildSections();
    QWidget *buildFittings();
    QWidget *buildSummary();
    void refreshSystemList();
    void systemEdited(int index);
    void recompute();
    void showResult();
    void showSummary();
    void showSummaryLines(const QList<SummaryLine> &lines);
    void sectionChosen(int row);
    void sectionChosenTitle();
    void fillFittingKinds();
    void note(const QString &text, bool problem = false);
    void updateTitle();
    bool ask(const QString &text, const QString &action);
    SheetTitle title() const;
    bool record(bool whenChanged);

    LossSheetModel *sheet_ = {};
    SectionTableModel *sections_ = {};
    FittingTableModel *fittings_ = {};
    ::losssheet::Calculator calculator_;
    std::shared_ptr<const ::losssheet::SystemResult> result_;
    int current_ = -1;
    ::losssheet::UnitSystem units_ = ::losssheet::UnitSystem::Conventional;
    QString documentName_;
    std::function<SheetTitle()> titleSource_;
    bool editedSinceRecord_ = false;
    QHash<QString, QString> recorded_; // the last recorded total of each system, by name

    QListWidget *systemList_ = {};
    ConditionsPanel *conditions_ = {};
    QTableView *sectionView_ = {};
    QLabel *fittingsTitle_ = {};
    QComboBox *fittingKind_ = {};
    QTableView *fittingView_ = {};
    FittingEditor *fittingEditor_ = {};
    QWidget *summary_ = {};
    QStringList summaryNames_; // the summary's lines shown, by name
    QLabel *summaryProblem_ = {};
    TerminalTableModel *terminalModel_ = {};
    QTableView *terminals_ = {};
    QStatusBar *status_ = {};
    ui::WindowGeometry *geometry_ = {};
};

} // namespace app::losssheet
