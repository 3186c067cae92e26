#pragma once

#include "air/AirState.h"
#include "app/chart/ChartRenderer.h"
#include "app/files/SaveFile.h"
#include "app/settings/SettingKey.h"
#include "chart/Diagram.h"

#include <QWidget>

#include <functional>
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

namespace app::chart {

class ChartPointsModel;
class ChartProcessesModel;
class ChartWidget;
class PointEntry;
class ProcessEntry;

// The psychrometric chart window (::chart::texts::WindowTitle): the chart of the moist-air model
// at the moist-air page's pressure, the state points and processes on it,
// their lists, and the chart's output. Non-modal and resizable; the main
// window feeds it the pressure, the unit system and the page's last state.
class ChartForm : public QWidget
{
    Q_OBJECT

public:
    explicit ChartForm(QWidget *parent = nullptr);
    ~ChartForm() override;

    // The moist-air page's current atmospheric pressure, mmHg.
    void setPressure(long double mmHg);
    void setConventionalUnits(bool conventional);
    // The page's last computed state: the live current point, or none.
    void setCurrentState(std::optional<air::AirState> state);
    // The current state into the point list (the point entry's button).
    void addCurrentPoint();

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
    void setRanges(const ::chart::Ranges &ranges);
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

    ::chart::Diagram diagram_;
    bool conventional_ = true;
    std::optional<air::AirState> current_;

    ChartWidget *chart_ = nullptr;
    ChartRenderer exportRenderer_;
    ChartPointsModel *pointsModel_ = nullptr;
    ChartProcessesModel *processesModel_ = nullptr;
    QTableView *pointsView_ = nullptr;
    QTableView *processesView_ = nullptr;
    PointEntry *pointEntry_ = nullptr;
    ProcessEntry *processEntry_ = nullptr;
    QLabel *cursorLabel_ = nullptr;
    QStatusBar *status_ = nullptr;
    QLineEdit *rangeEdits_[4] = {};
    QAction *familyActions_[::chart::FamilyCount] = {};
    QSplitter *splitter_ = nullptr;
    ui::WindowGeometry *geometry_ = nullptr;
    ::chart::Ranges restoredRanges_; // as the settings are restored
};

} // namespace app::chart
