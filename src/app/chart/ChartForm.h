#pragma once

#include "air/AirState.h"
#include "app/chart/ChartRenderer.h"
#include "app/files/SaveFile.h"
#include "app/settings/SettingKey.h"
#include "chart/Diagram.h"
#include "document/DiagramConversion.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QSplitter;
class QStatusBar;
class QTableView;

namespace app::ui {
class WindowGeometry;
}
namespace app::document {
class Session;
}

namespace app::chart {

class ChartBookBar;
class ChartPointsModel;
class ChartProcessesModel;
class ChartWidget;
class PointEntry;
class ProcessEntry;

// The psychrometric chart window (::chart::texts::WindowTitle): the charts of the open document
// (one shown at a time, chosen in ChartSelector), each at its own pressure,
// the state points and processes on it, their lists, and the chart's output.
// Non-modal and resizable; the main window feeds it the unit system and the
// moist-air page's last state. Every edit goes into the document at once.
class ChartForm : public QWidget
{
    Q_OBJECT

public:
    // The window shows the charts of `session`'s document, or of a document
    // of its own when none is given.
    explicit ChartForm(QWidget *parent = nullptr, document::Session *session = nullptr);
    ~ChartForm() override;

    document::Session &session() const { return *session_; }

    // The shown chart's atmospheric pressure, mmHg, as a given pressure.
    void setPressure(long double mmHg);
    void setConventionalUnits(bool conventional);
    // The page's last computed state: the live current point, or none, with
    // what the page computed it from (its second property and value), which
    // a point taken over keeps.
    void setCurrentState(std::optional<air::AirState> state,
                         std::optional<::chart::PointDefinition> typed = {});
    // The current state into the point list (the point entry's button).
    void addCurrentPoint();

    // The document's charts: the one shown, and the selector's actions.
    int shownChart() const { return shown_; }
    void showChart(int index);
    int addChart();                        // a new chart at the page's pressure, shown
    void renameChart(const QString &name); // the shown chart's
    int duplicateChart();                  // a copy after it, shown
    void deleteChart();                    // asks first; never the last chart
    // The print dialog, then the shown chart printed.
    void print() { printWithDialog(); }
    // A quiet note in the status bar.
    void showNote(const QString &text);

    // The keys of the [Chart] section of the settings file: place and size
    // (ui::WindowGeometry), view ranges (dry bulb in 0.01 °C, humidity ratio
    // in 0.00001 kg/kg, within the chart's limits) and the line families
    // shown (1 or 0). A missing or unusable value gives the default.
    std::vector<settings::Setting> settingsKeys();

    // Output, also for the menu's file dialogs. Each returns false when the
    // file could not be written.
    files::SaveResult exportPng(const QString &path);
    files::SaveResult exportSvg(const QString &path);
    files::SaveResult exportPdf(const QString &path);
    // The point and process lists as an Excel workbook, a sheet each, from
    // the texts their copy uses.
    files::SaveResult exportXlsx(const QString &path);
    QImage chartImage();
    QString pointsTsv() const;
    QString processesTsv() const;

    const ::chart::Diagram &diagram() const { return diagram_; }
    ::chart::Diagram &diagram() { return diagram_; }
    ChartWidget *chartWidget() const { return chart_; }
    const ChartScene &scene() const;
    // After a change made to diagram() from outside the window; `lists`
    // false when the lists have followed already.
    void refresh(bool lists = true);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu(QMenuBar *bar);
    QWidget *buildRangeBar();
    // The view; `edit` when the user changed it (the document keeps it).
    void setRanges(const ::chart::Ranges &ranges, bool edit = true);
    // After an edit of the diagram: the lists and the chart follow
    // (refresh), and the shown chart goes into the document.
    void edited(bool lists = true);
    void storeShown();
    void showChartList();
    void applyTypedAtmosphere();
    void askChartName();
    void updateTitle();
    void applyTypedRanges();
    void showRanges();
    void setFamily(::chart::Family family, bool on);
    void showCursorState(double t, double x);
    void selectPoint(int id);
    void deleteSelectedRows(QTableView *view);
    void copyTable(QTableView *view);
    void copyChart();
    std::vector<std::vector<std::string>> pointRows() const;
    std::vector<std::vector<std::string>> processRows() const;
    void note(const QString &text);
    // Why the definition is no state of moist air, in the window's units;
    // empty when it is one.
    QString impossible(const ::chart::PointDefinition &definition) const;
    void saveWithDialog(const QString &filter, const QString &suffix,
                        files::SaveResult (ChartForm::*save)(const QString &));
    void printWithDialog();

    std::unique_ptr<document::Session> ownSession_;
    document::Session *session_ = {};
    int shown_ = 0;
    ::document::KeptByDiagramId kept_;
    ::chart::Diagram diagram_;
    bool conventional_ = true;
    std::optional<air::AirState> current_;
    std::optional<::chart::PointDefinition> currentTyped_;
    ChartBookBar *book_ = {};

    ChartWidget *chart_ = {};
    ChartRenderer exportRenderer_;
    ChartPointsModel *pointsModel_ = {};
    ChartProcessesModel *processesModel_ = {};
    QTableView *pointsView_ = {};
    QTableView *processesView_ = {};
    PointEntry *pointEntry_ = {};
    ProcessEntry *processEntry_ = {};
    QLabel *cursorLabel_ = {};
    QStatusBar *status_ = {};
    QLineEdit *rangeEdits_[4] = {};
    QAction *familyActions_[::chart::FamilyCount] = {};
    QSplitter *splitter_ = {};
    ui::WindowGeometry *geometry_ = {};
    ::chart::Ranges restoredRanges_; // as the settings are restored
};

} // namespace app::chart
