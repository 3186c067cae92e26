#include "app/chart/ChartForm.h"
#include "app/ui/TableFace.h"
#include "app/ui/WindowGeometry.h"
#include "app/ui/WindowPlacement.h"

#include "air/AirStateRange.h"
#include "air/AirTexts.h"
#include "air/Psychrometrics.h"
#include "app/chart/ChartBookBar.h"
#include "app/chart/ChartOutput.h"
#include "app/chart/ChartSplitter.h"
#include "app/chart/ChartTableModels.h"
#include "app/chart/ChartWidget.h"
#include "app/chart/ColumnFitter.h"
#include "app/chart/NumberField.h"
#include "app/chart/PointEntry.h"
#include "app/chart/ProcessEntry.h"
#include "app/document/DocumentTexts.h"
#include "app/document/Session.h"
#include "app/files/FileTexts.h"
#include "app/files/SaveWorkbook.h"
#include "app/ui/UiTexts.h"
#include "chart/ChartTexts.h"
#include "chart/StatePoints.h"
#include "chart/TableTexts.h"
#include "numeric/Failure.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "spreadsheet/Sheet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace app::chart {

namespace {

using ::chart::Family;
using ::chart::Index;

// Settings keys of the families, in Family order.
constexpr const char *FamilyKeys[::chart::FamilyCount] = {
    "Grid",    "RelativeHumidity", "SpecificVolume", "Enthalpy",
    "WetBulb", "DewPoint",         "Saturation",     "ShfScale"};
constexpr const char *FamilyMenuTexts[::chart::FamilyCount] = {
    "格子(&G)",     "相対湿度(&R)", "比容積(&V)",   "比エンタルピ(&E)",
    "湿球温度(&W)", "露点温度(&D)", "飽和曲線(&S)", "SHF 目盛(&F)"};

// Ranges are kept as integers: 0.01 °C and 0.00001 kg/kg, and shown so.
constexpr double DryBulbScale = 100;
constexpr double HumidityRatioScale = 100000;

// The [Chart] section stands after the window's keys, before [Record].
constexpr int FirstRank = 1000;

// The ends of the view's ranges as the settings file keeps them.
using ::chart::Range;
using ::chart::Ranges;
struct RangeKey
{
    const char *name;
    Range Ranges::*axis;
    double Range::*end;
    double scale;
    Range limits;
};
const RangeKey RangeKeys[] = {
    {"DryBulbLow", &Ranges::dryBulb, &Range::low, DryBulbScale, ::chart::DryBulbLimits},
    {"DryBulbHigh", &Ranges::dryBulb, &Range::high, DryBulbScale, ::chart::DryBulbLimits},
    {"HumidityLow", &Ranges::humidityRatio, &Range::low, HumidityRatioScale,
     ::chart::HumidityRatioLimits},
    {"HumidityHigh", &Ranges::humidityRatio, &Range::high, HumidityRatioScale,
     ::chart::HumidityRatioLimits},
};

int Kept(double value, double scale)
{
    return static_cast<int>(std::lround(value * scale));
}

// A range limit as kept: rounded to its step, trailing zeros dropped
// ("7.65", "-10", "0.01235").
QString RangeText(double value, double scale)
{
    return QString::fromStdString(numeric::FormatGeneral(std::round(value * scale) / scale, 15));
}

QString Utf8(const std::string &s)
{
    return QString::fromStdString(s);
}

QTableView *Table(QWidget *parent, const char *name, QAbstractItemModel *model)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    app::ui::UseTableFace(view);
    new ColumnFitter(view);
    view->setWordWrap(false);
    return view;
}

// A list beside the chart: a pane in `side` with the list's title in bold;
// the row that adds to the list and its table follow in the layout returned.
QVBoxLayout *ListPane(QWidget *side, const char *title)
{
    auto *pane = new QWidget(side);
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QString::fromUtf8(title), pane);
    label->setStyleSheet(QStringLiteral("font-weight: bold"));
    layout->addWidget(label);
    return layout;
}

} // namespace

ChartForm::ChartForm(QWidget *parent, document::Session *session)
    : QWidget(parent, Qt::Window), session_(session)
{
    setObjectName(QStringLiteral("ChartForm"));
    if (!session_) {
        ownSession_ = std::make_unique<document::Session>();
        session_ = ownSession_.get();
    }
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);
    auto *menu = new QMenuBar(this);
    layout->setMenuBar(menu);
    book_ = new ChartBookBar(this);
    layout->addWidget(book_);
    layout->addWidget(buildRangeBar());

    splitter_ = new ChartSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("ChartSplitter"));
    chart_ = new ChartWidget(splitter_);
    chart_->scene().diagram = &diagram_;

    auto *side = new ChartSplitter(Qt::Vertical, splitter_);
    side->setObjectName(QStringLiteral("ChartSideSplitter"));
    QVBoxLayout *points = ListPane(side, ::chart::texts::PointsTitle);
    pointEntry_ = new PointEntry(points->parentWidget());
    points->addWidget(pointEntry_);
    pointsModel_ = new ChartPointsModel(diagram_, this);
    pointsView_ = Table(points->parentWidget(), "ChartPoints", pointsModel_);
    points->addWidget(pointsView_);

    QVBoxLayout *processes = ListPane(side, ::chart::texts::ProcessesTitle);
    processEntry_ = new ProcessEntry(processes->parentWidget());
    processes->addWidget(processEntry_);
    processesModel_ = new ChartProcessesModel(diagram_, this);
    processesView_ = Table(processes->parentWidget(), "ChartProcesses", processesModel_);
    processes->addWidget(processesView_);
    side->setStretchFactor(0, 3);
    side->setStretchFactor(1, 2);

    splitter_->addWidget(chart_);
    splitter_->addWidget(side);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setCollapsible(0, false);
    layout->addWidget(splitter_, 1);

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("ChartStatus"));
    status_->setSizeGripEnabled(true);
    cursorLabel_ = new QLabel(status_);
    cursorLabel_->setObjectName(QStringLiteral("CursorState"));
    status_->addWidget(cursorLabel_, 1);
    layout->addWidget(status_);

    buildMenu(menu);

    pointsView_->installEventFilter(this);
    processesView_->installEventFilter(this);

    auto *insert = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    insert->setContext(Qt::WindowShortcut);
    connect(insert, &QShortcut::activated, this, &ChartForm::addCurrentPoint);

    connect(chart_, &ChartWidget::rangesRequested, this,
            [this](const ::chart::Ranges &ranges) { setRanges(ranges); });
    connect(chart_, &ChartWidget::homeRequested, this, [this] { setRanges({}); });
    connect(chart_, &ChartWidget::addPointRequested, this, [this](double t, double x) {
        const auto d = ::chart::FromDryBulbAndHumidityRatio(t, x);
        if (const QString why = impossible(d); !why.isEmpty()) {
            note(why);
            return;
        }
        selectPoint(diagram_.addPoint(d));
        edited();
    });
    connect(chart_, &ChartWidget::moveRequested, this, [this](int id, double t, double x) {
        // A point dragged beyond saturation stays where it last was.
        if (const QString why = impossible(::chart::FromDryBulbAndHumidityRatio(t, x));
            !why.isEmpty()) {
            status_->showMessage(why, 3000);
            return;
        }
        diagram_.movePoint(id, t, x);
        edited();
        showCursorState(t, x);
    });
    connect(chart_, &ChartWidget::selectionRequested, this, &ChartForm::selectPoint);
    connect(chart_, &ChartWidget::deleteRequested, this, [this](int id) {
        diagram_.removePoint(id);
        chart_->scene().selectedPoint = 0;
        edited();
    });
    connect(chart_, &ChartWidget::copyRequested, this, &ChartForm::copyChart);
    connect(chart_, &ChartWidget::cursorMoved, this, &ChartForm::showCursorState);
    connect(chart_, &ChartWidget::cursorLeft, cursorLabel_, &QLabel::clear);

    connect(pointEntry_, &PointEntry::addCurrentRequested, this, &ChartForm::addCurrentPoint);
    connect(pointEntry_, &PointEntry::addTypedRequested, this,
            [this](const ::chart::PointDefinition &d) {
                // Not a state of moist air: said at once, nothing added.
                if (const QString why = impossible(d); !why.isEmpty()) {
                    note(why);
                    pointEntry_->selectValue();
                    return;
                }
                selectPoint(diagram_.addPoint(d));
                edited();
            });
    connect(pointEntry_, &PointEntry::refused, this, &ChartForm::note);
    connect(processEntry_, &ProcessEntry::addRequested, this,
            [this](const ::chart::ProcessDefinition &d) {
                // A steam humidifier's target is a state at the entering dry
                // bulb, refused as a typed point would be.
                const ::chart::StatePoint *from = diagram_.point(d.from);
                if (d.kind == ::chart::ProcessKind::SteamHumidifier && from && from->state) {
                    if (const QString why =
                            impossible(::chart::SteamTarget(from->state->dryBulb, d));
                        !why.isEmpty()) {
                        note(why);
                        return;
                    }
                }
                // Those before it and their points stay as they were: only
                // the new rows are added to the lists.
                diagram_.addProcess(d);
                pointsModel_->appendRows();
                processesModel_->appendRows();
                edited(false);
                processesView_->selectRow(processesModel_->rowCount() - 1);
            });
    connect(processEntry_, &ProcessEntry::refused, this, &ChartForm::note);
    connect(pointsModel_, &ChartPointsModel::pointsEdited, this, [this] { edited(); });
    connect(pointsModel_, &ChartPointsModel::editRefused, this, &ChartForm::note);
    connect(pointsView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                chart_->scene().selectedPoint = pointsModel_->pointId(current.row());
                chart_->update();
            });

    connect(book_, &ChartBookBar::chartChosen, this, &ChartForm::showChart);
    connect(book_, &ChartBookBar::addRequested, this, &ChartForm::addChart);
    connect(book_, &ChartBookBar::renameRequested, this, &ChartForm::askChartName);
    connect(book_, &ChartBookBar::duplicateRequested, this, &ChartForm::duplicateChart);
    connect(book_, &ChartBookBar::deleteRequested, this, &ChartForm::deleteChart);
    connect(book_, &ChartBookBar::atmosphereTyped, this, &ChartForm::applyTypedAtmosphere);
    connect(session_, &document::Session::replaced, this, [this] { showChart(0); });
    connect(session_, &document::Session::displayNameChanged, this, &ChartForm::updateTitle);

    resize(app::ui::FittedToScreen(this, QSize(1280, 760)));
    geometry_ = new ui::WindowGeometry(this, "Chart", FirstRank);
    updateTitle();
    showChart(0);
}

// The lists and the chart read the diagram, a member that dies before the
// widget base deletes its children: they go first.
ChartForm::~ChartForm()
{
    delete splitter_;
}

QWidget *ChartForm::buildRangeBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 4, 0, 0);
    const char *names[4] = {"RangeDryBulbLow", "RangeDryBulbHigh", "RangeHumidityLow",
                            "RangeHumidityHigh"};
    for (int i = 0; i < 4; ++i) {
        rangeEdits_[i] = new NumberField(names[i], bar);
        rangeEdits_[i]->setToolTip(
            QStringLiteral("数値を入力して、ENTERキーで表示範囲を変えます。"));
        connect(rangeEdits_[i], &QLineEdit::returnPressed, this, &ChartForm::applyTypedRanges);
    }
    // "caption low ～ high unit" of each axis.
    const auto addRange = [&](const char *caption, QLineEdit *low, QLineEdit *high,
                              const char *unit) {
        row->addWidget(new QLabel(QString::fromUtf8(caption), bar));
        row->addWidget(low);
        row->addWidget(new QLabel(QStringLiteral("～"), bar));
        row->addWidget(high);
        row->addWidget(new QLabel(QString::fromUtf8(unit), bar));
    };
    addRange(air::texts::DryBulb, rangeEdits_[0], rangeEdits_[1], air::texts::Celsius);
    row->addSpacing(16);
    addRange(air::texts::HumidityRatio, rangeEdits_[2], rangeEdits_[3],
             air::texts::HumidityRatioUnit);
    auto *home = new QPushButton(QStringLiteral("全体表示"), bar);
    home->setObjectName(QStringLiteral("HomeButton"));
    home->setToolTip(
        QStringLiteral("乾球温度 -10～50 ℃、絶対湿度 0～0.030 kg/kg に戻します（Home）。"));
    connect(home, &QPushButton::clicked, this, [this] { setRanges({}); });
    row->addSpacing(8);
    row->addWidget(home);
    row->addStretch(1);
    return bar;
}

void ChartForm::buildMenu(QMenuBar *bar)
{
    QMenu *file = bar->addMenu(QString::fromUtf8(ui::texts::FileMenu));
    file->setObjectName(QStringLiteral("ChartFile"));
    const auto addFileAction = [&](const QString &text, const char *name, auto slot) {
        QAction *a = file->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    addFileAction(QStringLiteral("PNG 形式で保存(&P)..."), "ChartSavePng", [this] {
        saveWithDialog(QStringLiteral("PNG 画像 (*.png)"), QStringLiteral("png"),
                       &ChartForm::exportPng);
    });
    addFileAction(QStringLiteral("SVG 形式で保存(&S)..."), "ChartSaveSvg", [this] {
        saveWithDialog(QStringLiteral("SVG 画像 (*.svg)"), QStringLiteral("svg"),
                       &ChartForm::exportSvg);
    });
    addFileAction(QStringLiteral("PDF 形式で保存(&D)..."), "ChartSavePdf", [this] {
        saveWithDialog(QStringLiteral("PDF 文書 (*.pdf)"), QStringLiteral("pdf"),
                       &ChartForm::exportPdf);
    });
    addFileAction(QString::fromUtf8(files::texts::ExportXlsx), "ChartSaveXlsx", [this] {
        saveWithDialog(QString::fromUtf8(files::texts::ExcelFilter), QStringLiteral("xlsx"),
                       &ChartForm::exportXlsx);
    });
    addFileAction(QStringLiteral("印刷(&R)..."), "ChartPrint", [this] {
        printWithDialog();
    })->setShortcut(QKeySequence::Print);
    file->addSeparator();
    addFileAction(QString::fromUtf8(ui::texts::CloseWindow), "ChartClose", [this] { close(); });

    QMenu *edit = bar->addMenu(QString::fromUtf8(ui::texts::EditMenu));
    edit->setObjectName(QStringLiteral("ChartEdit"));
    QAction *copyChart = edit->addAction(QStringLiteral("図をコピー(&C)"));
    copyChart->setObjectName(QStringLiteral("ChartCopyImage"));
    connect(copyChart, &QAction::triggered, this, &ChartForm::copyChart);
    QAction *copyPoints = edit->addAction(QStringLiteral("状態点の一覧をコピー(&P)"));
    copyPoints->setObjectName(QStringLiteral("ChartCopyPoints"));
    connect(copyPoints, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(pointsTsv()); });
    QAction *copyProcesses = edit->addAction(QStringLiteral("工程の一覧をコピー(&R)"));
    copyProcesses->setObjectName(QStringLiteral("ChartCopyProcesses"));
    connect(copyProcesses, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(processesTsv()); });
    edit->addSeparator();
    QAction *add = edit->addAction(QStringLiteral("点を追加(&A)\tIns"));
    add->setObjectName(QStringLiteral("ChartAddPoint"));
    connect(add, &QAction::triggered, this, &ChartForm::addCurrentPoint);

    QMenu *view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("ChartView"));
    for (int i = 0; i < ::chart::FamilyCount; ++i) {
        QAction *a = view->addAction(QString::fromUtf8(FamilyMenuTexts[i]));
        a->setObjectName(QStringLiteral("Show") + QString::fromLatin1(FamilyKeys[i]));
        a->setCheckable(true);
        a->setChecked(true);
        const auto family = static_cast<Family>(i);
        connect(a, &QAction::toggled, this, [this, family](bool on) { setFamily(family, on); });
        familyActions_[i] = a;
    }
    view->addSeparator();
    QAction *home = view->addAction(QStringLiteral("全体表示(&H)\tHome"));
    home->setObjectName(QStringLiteral("ChartHome"));
    connect(home, &QAction::triggered, this, [this] { setRanges({}); });
}

const ChartScene &ChartForm::scene() const
{
    return chart_->scene();
}

void ChartForm::refresh(bool lists)
{
    ChartScene &scene = chart_->scene();
    scene.settings.pressure = diagram_.pressure();
    scene.settings.conventionalUnits = conventional_;
    scene.current = current_;
    if (!diagram_.point(scene.selectedPoint))
        scene.selectedPoint = 0;
    if (lists) {
        pointsModel_->sync();
        processesModel_->sync();
    }
    std::vector<std::pair<int, QString>> labels;
    for (const auto &p : diagram_.points())
        labels.emplace_back(p.id, Utf8(p.label));
    processEntry_->setPoints(labels);
    pointEntry_->setCurrentAvailable(current_.has_value());
    showRanges();
    chart_->update();
}

void ChartForm::setPressure(long double mmHg)
{
    ::document::Chart &chart = session_->document().charts[shown_];
    chart.atmosphere = {::document::PressureBasis::Given, mmHg, 0.0L};
    diagram_.setPressure(mmHg);
    book_->showAtmosphere(chart.atmosphere, conventional_);
    edited();
}

void ChartForm::updateTitle()
{
    setWindowTitle(session_->windowTitle(QString::fromUtf8(::chart::texts::WindowTitle)));
}

void ChartForm::showNote(const QString &text)
{
    status_->showMessage(text, 10000);
}

void ChartForm::showChart(int index)
{
    auto &charts = session_->document().charts;
    if (charts.empty()) // a document always has a chart; one that has none gets one
        charts.push_back(session_->newChart(document::texts::DefaultChartName.toStdString()));
    shown_ = std::clamp(index, 0, static_cast<int>(charts.size()) - 1);
    const ::document::Chart &chart = charts[shown_];
    ::document::BuiltDiagram built = ::document::ToDiagram(chart);
    diagram_ = std::move(built.diagram);
    kept_ = std::move(built.kept);
    chart_->scene().selectedPoint = 0;
    setRanges(chart.view, false);
    showChartList();
    book_->showAtmosphere(chart.atmosphere, conventional_);
    refresh();
}

void ChartForm::showChartList()
{
    QStringList names;
    for (const ::document::Chart &chart : session_->document().charts)
        names << Utf8(chart.name);
    book_->showCharts(names, shown_);
}

void ChartForm::edited(bool lists)
{
    refresh(lists);
    storeShown();
}

void ChartForm::storeShown()
{
    ::document::Chart &chart = session_->document().charts[shown_];
    ::document::StoreDiagram(diagram_, kept_, chart);
    // The ids are numbered anew: the kept members follow them.
    ::document::KeptByDiagramId kept;
    for (std::size_t i = 0; i < chart.points.size(); ++i) {
        if (!chart.points[i].kept.empty())
            kept.points[diagram_.points()[i].id] = chart.points[i].kept;
    }
    for (std::size_t i = 0; i < chart.processes.size(); ++i) {
        if (!chart.processes[i].kept.empty())
            kept.processes[diagram_.processes()[i].id] = chart.processes[i].kept;
    }
    kept_ = std::move(kept);
    chart.view = chart_->scene().settings.ranges;
    session_->changed();
}

namespace {

// "線図 2", "線図 3", …: the first such name no chart has.
std::string UnusedChartName(const std::vector<::document::Chart> &charts, const QString &base)
{
    for (int n = 1;; ++n) {
        const std::string name = QStringLiteral("%1 %2").arg(base).arg(n).toStdString();
        if (std::none_of(charts.begin(), charts.end(),
                         [&](const ::document::Chart &c) { return c.name == name; }))
            return name;
    }
}

} // namespace

int ChartForm::addChart()
{
    auto &charts = session_->document().charts;
    charts.push_back(session_->newChart(UnusedChartName(charts, QStringLiteral("線図"))));
    session_->changed();
    showChart(static_cast<int>(charts.size()) - 1);
    return shown_;
}

void ChartForm::renameChart(const QString &name)
{
    const QString trimmed = name.simplified();
    if (trimmed.isEmpty())
        return;
    session_->document().charts[shown_].name = trimmed.toStdString();
    session_->changed();
    showChartList();
}

void ChartForm::askChartName()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, QString::fromUtf8(ui::texts::Rename),
                                               QStringLiteral("線図の名前:"), QLineEdit::Normal,
                                               Utf8(session_->document().charts[shown_].name), &ok);
    if (ok)
        renameChart(name);
}

int ChartForm::duplicateChart()
{
    auto &charts = session_->document().charts;
    ::document::Chart copy = charts[shown_];
    copy.name = UnusedChartName(charts, Utf8(copy.name) + QString::fromUtf8(ui::texts::CopyOf));
    charts.insert(charts.begin() + shown_ + 1, std::move(copy));
    session_->changed();
    showChart(shown_ + 1);
    return shown_;
}

void ChartForm::deleteChart()
{
    auto &charts = session_->document().charts;
    if (charts.size() < 2)
        return;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(::chart::texts::WindowTitle),
                    QStringLiteral("線図「%1」を削除しますか?").arg(Utf8(charts[shown_].name)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    charts.erase(charts.begin() + shown_);
    session_->changed();
    showChart(std::min(shown_, static_cast<int>(charts.size()) - 1));
}

void ChartForm::applyTypedAtmosphere()
{
    const ChartBookBar::Typed typed = book_->typedAtmosphere();
    if (!typed.atmosphere) {
        note(typed.problem);
        return;
    }
    session_->document().charts[shown_].atmosphere = *typed.atmosphere;
    diagram_.setPressure(::document::PressureOf(*typed.atmosphere));
    book_->showAtmosphere(*typed.atmosphere, conventional_);
    edited();
}

void ChartForm::setConventionalUnits(bool conventional)
{
    conventional_ = conventional;
    pointsModel_->setConventionalUnits(conventional);
    processesModel_->setConventionalUnits(conventional);
    pointEntry_->setConventionalUnits(conventional);
    cursorLabel_->clear();
    book_->showAtmosphere(session_->document().charts[shown_].atmosphere, conventional);
    refresh();
}

void ChartForm::setCurrentState(std::optional<air::AirState> state,
                                std::optional<::chart::PointDefinition> typed)
{
    current_ = state;
    currentTyped_ = state ? typed : std::nullopt;
    refresh();
}

void ChartForm::addCurrentPoint()
{
    if (!current_) {
        note(QStringLiteral("空気の状態値計算で状態を求めてから加えて下さい。"));
        return;
    }
    // The page's own definition, so that the point reopens as the page
    // showed it; the state itself while the pressure is the page's.
    ::chart::PointDefinition definition = ::chart::FromState(*current_);
    if (currentTyped_) {
        definition = *currentTyped_;
        definition.exact = *current_;
    }
    selectPoint(diagram_.addPoint(definition));
    edited();
}

void ChartForm::selectPoint(int id)
{
    chart_->scene().selectedPoint = id;
    const int row = pointsModel_->rowOf(id);
    if (row >= 0) {
        pointsModel_->sync();
        pointsView_->selectRow(row);
    } else {
        pointsView_->clearSelection();
    }
    chart_->update();
}

void ChartForm::setRanges(const ::chart::Ranges &ranges, bool edit)
{
    chart_->scene().settings.ranges = ::chart::Limited(ranges);
    showRanges();
    chart_->update();
    if (edit && session_->document().charts[shown_].view != chart_->scene().settings.ranges) {
        session_->document().charts[shown_].view = chart_->scene().settings.ranges;
        session_->changed();
    }
}

void ChartForm::showRanges()
{
    const ::chart::Ranges &r = chart_->scene().settings.ranges;
    const double values[4] = {r.dryBulb.low, r.dryBulb.high, r.humidityRatio.low,
                              r.humidityRatio.high};
    for (int i = 0; i < 4; ++i) {
        if (!rangeEdits_[i]->hasFocus())
            rangeEdits_[i]->setText(
                RangeText(values[i], i < 2 ? DryBulbScale : HumidityRatioScale));
    }
}

void ChartForm::applyTypedRanges()
{
    double v[4];
    try {
        for (int i = 0; i < 4; ++i)
            v[i] = static_cast<double>(
                numeric::ParsePlainNumber(rangeEdits_[i]->text().toStdString()));
    } catch (const numeric::Failure &) {
        note(QString::fromUtf8(air::texts::EnterNumber));
        return;
    }
    if (!(v[0] < v[1]) || !(v[2] < v[3])) {
        note(QStringLiteral("下限は上限より小さくして下さい。"));
        return;
    }
    for (QLineEdit *e : rangeEdits_)
        e->clearFocus();
    setRanges({{v[0], v[1]}, {v[2], v[3]}});
}

void ChartForm::setFamily(Family family, bool on)
{
    chart_->scene().families[Index(family)] = on;
    chart_->update();
}

void ChartForm::showCursorState(double t, double x)
{
    // The eight properties at the pointer, computed as the page would from
    // the dry bulb and the humidity ratio.
    QString text;
    try {
        const air::AirState s = air::StateFromHumidityRatio(t, x, diagram_.pressure(), nullptr);
        const auto texts = ::chart::StateTexts(s, conventional_);
        const auto header = ::chart::PointHeader(conventional_);
        QStringList parts;
        for (int i = 0; i < 8; ++i) {
            const QString caption = Utf8(header[::chart::DryBulbColumn + i]);
            const int blank = caption.indexOf(QLatin1Char(' '));
            parts << caption.left(blank) + QLatin1Char(' ') + Utf8(texts[i]) + caption.mid(blank);
        }
        text = parts.join(QStringLiteral("　"));
        if (air::AnyQuantityOutOfRange(s))
            text += QStringLiteral("　（") + QString::fromUtf8(air::texts::OutOfRange) +
                    QStringLiteral("）");
    } catch (const numeric::Failure &failure) {
        text = QString::fromUtf8(failure.what());
    }
    cursorLabel_->setText(text);
}

QString ChartForm::impossible(const ::chart::PointDefinition &definition) const
{
    return Utf8(::chart::ImpossibleReason(definition, diagram_.pressure(), conventional_));
}

void ChartForm::note(const QString &text)
{
    status_->showMessage(text, 5000);
    QApplication::beep();
}

bool ChartForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        (watched == pointsView_ || watched == processesView_)) {
        auto *view = static_cast<QTableView *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            copyTable(view);
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            deleteSelectedRows(view);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChartForm::deleteSelectedRows(QTableView *view)
{
    std::vector<int> ids;
    for (const QModelIndex &index : view->selectionModel()->selectedRows()) {
        ids.push_back(view == pointsView_ ? pointsModel_->pointId(index.row())
                                          : processesModel_->processId(index.row()));
    }
    for (int id : ids) {
        if (view == pointsView_)
            diagram_.removePoint(id);
        else
            diagram_.removeProcess(id);
    }
    edited();
}

std::vector<::chart::Row> ChartForm::pointRows() const
{
    std::vector<::chart::Row> rows;
    for (const auto &p : diagram_.points())
        rows.push_back(::chart::PointRow(p, conventional_));
    return rows;
}

std::vector<::chart::Row> ChartForm::processRows() const
{
    std::vector<::chart::Row> rows;
    for (const auto &p : diagram_.processes())
        rows.push_back(::chart::ProcessRow(diagram_, p, conventional_));
    return rows;
}

QString ChartForm::pointsTsv() const
{
    return Utf8(::chart::Tsv(::chart::PointHeader(conventional_), pointRows()));
}

QString ChartForm::processesTsv() const
{
    return Utf8(::chart::Tsv(::chart::ProcessHeader(conventional_), processRows()));
}

files::SaveResult ChartForm::exportXlsx(const QString &path)
{
    // A point's label and note are names, whatever they look like; a
    // process's kind, points and condition are texts anyway.
    using spreadsheet::TableSheet;
    return files::SaveWorkbook(
        path, {::chart::texts::WindowTitle,
               {TableSheet(::chart::texts::PointsTitle, ::chart::PointHeader(conventional_),
                           pointRows(), {::chart::LabelColumn, ::chart::NoteColumn}),
                TableSheet(::chart::texts::ProcessesTitle, ::chart::ProcessHeader(conventional_),
                           processRows())}});
}

void ChartForm::copyTable(QTableView *view)
{
    // The selected rows, or the whole list when none is selected.
    const bool points = view == pointsView_;
    std::vector<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<::chart::Row> cells;
    if (rows.empty()) {
        QApplication::clipboard()->setText(points ? pointsTsv() : processesTsv());
        return;
    }
    for (int row : rows) {
        if (points)
            cells.push_back(::chart::PointRow(diagram_.points()[row], conventional_));
        else
            cells.push_back(
                ::chart::ProcessRow(diagram_, diagram_.processes()[row], conventional_));
    }
    const auto header =
        points ? ::chart::PointHeader(conventional_) : ::chart::ProcessHeader(conventional_);
    QApplication::clipboard()->setText(Utf8(::chart::Tsv(header, cells)));
}

QImage ChartForm::chartImage()
{
    return RenderImage(exportRenderer_, chart_->scene());
}

void ChartForm::copyChart()
{
    QApplication::clipboard()->setImage(chartImage());
    status_->showMessage(QStringLiteral("図をクリップボードにコピーしました。"), 3000);
}

files::SaveResult ChartForm::exportPng(const QString &path)
{
    return SavePng(path, exportRenderer_, chart_->scene());
}

files::SaveResult ChartForm::exportSvg(const QString &path)
{
    return SaveSvg(path, exportRenderer_, chart_->scene());
}

files::SaveResult ChartForm::exportPdf(const QString &path)
{
    return SavePdf(path, exportRenderer_, chart_->scene());
}

void ChartForm::saveWithDialog(const QString &filter, const QString &suffix,
                               files::SaveResult (ChartForm::*save)(const QString &))
{
    QString path = QFileDialog::getSaveFileName(
        this, document::texts::SaveAsCaption,
        QString::fromUtf8(::chart::texts::WindowTitle) + QLatin1Char('.') + suffix, filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    if (const files::SaveResult saved = (this->*save)(path))
        status_->showMessage(path + QStringLiteral(" に保存しました。"), 5000);
    else
        note(path + QString::fromUtf8(files::texts::CannotWrite) + QStringLiteral("（") +
             saved.reason + QStringLiteral("）"));
}

void ChartForm::printWithDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromUtf8(::chart::texts::WindowTitle));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintDocument(printer, exportRenderer_, chart_->scene());
}

std::vector<settings::Setting> ChartForm::settingsKeys()
{
    std::vector<settings::Setting> keys = geometry_->keys();
    const Ranges defaults;
    for (int i = 0; i < 4; ++i) {
        const RangeKey &k = RangeKeys[i];
        // The four ends are read in a row; the last applies them together.
        const bool last = i == 3;
        keys.push_back(settings::IntegerSetting(
            {"Chart", k.name, settings::Rank(FirstRank + 10 + i)},
            {Kept(k.limits.low, k.scale), Kept(k.limits.high, k.scale)},
            Kept(defaults.*k.axis.*k.end, k.scale),
            [this, &k, last](int kept) {
                restoredRanges_.*k.axis.*k.end = kept / k.scale;
                if (last)
                    setRanges(restoredRanges_, false);
            },
            [this, &k] { return Kept(chart_->scene().settings.ranges.*k.axis.*k.end, k.scale); }));
    }
    for (int i = 0; i < ::chart::FamilyCount; ++i) {
        keys.push_back(settings::TruthSetting(
            {"Chart", FamilyKeys[i], settings::Rank(FirstRank + 20 + i)}, ::chart::AllFamilies[i],
            [this, i](bool on) { familyActions_[i]->setChecked(on); },
            [this, i] { return chart_->scene().families[i]; }));
    }
    return keys;
}

} // namespace app::chart
