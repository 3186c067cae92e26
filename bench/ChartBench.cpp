#include "air/Psychrometrics.h"
#include "app/chart/ChartForm.h"
#include "app/chart/ChartRenderer.h"
#include "app/chart/ChartWidget.h"
#include "chart/Diagram.h"
#include "chart/LineFamilies.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

// A scene as a designer leaves it: every family on, two points mixed and
// cooled, an SHF line.
struct Scene
{
    chart::Diagram diagram;
    app::chart::ChartScene scene;

    Scene()
    {
        chart::PointDefinition outdoor{33, chart::Given::RelativeHumidity, 60, std::nullopt};
        chart::PointDefinition room{26, chart::Given::RelativeHumidity, 50, std::nullopt};
        const int a = diagram.addPoint(outdoor, 1000);
        const int b = diagram.addPoint(room, 3000);
        const int m = diagram.addProcess({chart::ProcessKind::Mixing, a, b});
        chart::ProcessDefinition coil{chart::ProcessKind::Coil, diagram.process(m)->output};
        coil.value = 12;
        coil.second = 0.1L;
        diagram.addProcess(coil);
        chart::ProcessDefinition shf{chart::ProcessKind::ShfLine, b};
        shf.value = 0.8L;
        diagram.addProcess(shf);
        scene.diagram = &diagram;
        scene.current = air::StateFromRelativeHumidity(24, 45, 760);
    }
};

// A whole frame at 1920 × 1080 with the lines already built: what a window
// of that size repaints from scratch.
void RenderFullHd(benchmark::State &state)
{
    Scene s;
    app::chart::ChartRenderer renderer;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const auto colours = app::chart::ChartColours::print();
    for (auto _ : state) {
        QPainter painter(&image);
        renderer.paint(painter, QRectF(0, 0, 1920, 1080), s.scene, colours);
    }
}
BENCHMARK(RenderFullHd)->Unit(benchmark::kMillisecond);

// The same after each resize: pixel paths and label places anew.
void RenderFullHdAfterResize(benchmark::State &state)
{
    Scene s;
    app::chart::ChartRenderer renderer;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const auto colours = app::chart::ChartColours::print();
    int i = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        renderer.paint(painter, QRectF(0, 0, 1920 - (++i % 2), 1080), s.scene, colours);
    }
}
BENCHMARK(RenderFullHdAfterResize)->Unit(benchmark::kMillisecond);

// What a frame of a drag costs on screen: the points over the cached lines.
void RenderOverlay(benchmark::State &state)
{
    Scene s;
    app::chart::ChartRenderer renderer;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const auto colours = app::chart::ChartColours::print();
    for (auto _ : state) {
        QPainter painter(&image);
        renderer.paintOverlay(painter, QRectF(0, 0, 1920, 1080), s.scene, colours);
    }
}
BENCHMARK(RenderOverlay)->Unit(benchmark::kMillisecond);

// Every family anew, as after a change of pressure.
void BuildLineFamilies(benchmark::State &state)
{
    chart::ChartSettings settings;
    int i = 0;
    for (auto _ : state) {
        settings.pressure = 760 - (++i % 2);
        benchmark::DoNotOptimize(chart::BuildLineFamilies(settings));
    }
}
BENCHMARK(BuildLineFamilies)->Unit(benchmark::kMillisecond);

// One state point, as under the pointer or while a point is dragged.
void StatePoint(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(air::StateFromHumidityRatio(26.3L, 0.0107L, 760, nullptr));
}
BENCHMARK(StatePoint)->Unit(benchmark::kMicrosecond);

// A drag step: the point, and the mixing and coil that follow it.
void MovePoint(benchmark::State &state)
{
    Scene s;
    const int id = s.diagram.points().front().id;
    int i = 0;
    for (auto _ : state)
        s.diagram.movePoint(id, 33 + (++i % 2) * 0.1L, 0.019L);
}
BENCHMARK(MovePoint)->Unit(benchmark::kMillisecond);

// A chart with many processes, as a designer's long study leaves it: two
// user points with airflows and, in turn, a coil, heating, steam and spray
// humidifiers, an SHF line and a change between them, each kind with values
// that vary a little.
void AddProcesses(chart::Diagram &diagram, int count)
{
    const chart::PointDefinition outdoor{33, chart::Given::RelativeHumidity, 60, std::nullopt};
    const chart::PointDefinition room{26, chart::Given::RelativeHumidity, 50, std::nullopt};
    const int a = diagram.addPoint(outdoor, 1000);
    const int b = diagram.addPoint(room, 3000);
    for (int i = 0; i < count; ++i) {
        chart::ProcessDefinition d{chart::ProcessKind::Coil, a};
        const long double step = (i / 6) % 10;
        switch (i % 6) {
        case 0:
            d.value = 10 + step / 5;
            d.second = 0.1L;
            break;
        case 1:
            d.kind = chart::ProcessKind::Heating;
            d.value = 36 + step;
            break;
        case 2:
            d.kind = chart::ProcessKind::SteamHumidifier;
            d.from = b;
            d.value = 60 + step;
            break;
        case 3:
            d.kind = chart::ProcessKind::SprayHumidifier;
            d.from = b;
            d.value = 60 + step;
            break;
        case 4:
            d.kind = chart::ProcessKind::ShfLine;
            d.from = b;
            d.value = 0.6L + step / 50;
            break;
        default:
            d.kind = chart::ProcessKind::Change;
            d.to = b;
            break;
        }
        diagram.addProcess(d);
    }
}

// The views: 0 the whole chart; 1 zoomed to 10–11 °C × 0.010–0.011 kg/kg,
// where the processes run far outside the plot; 2 zoomed to 28–29 °C ×
// 0.013–0.014 kg/kg, which the changes and mixings between the two user
// points cross, thousands of pixels long.
chart::Ranges View(std::int64_t zoom)
{
    switch (zoom) {
    case 1:
        return {{10.0, 11.0}, {0.010, 0.011}};
    case 2:
        return {{28.0, 29.0}, {0.013, 0.014}};
    default:
        return {};
    }
}

// The overlay of N processes at 1920 × 1080 in each view: what a repaint of
// the chart costs beyond its cached lines when the processes changed (and
// what every export draws).
void OverlayWithProcesses(benchmark::State &state)
{
    chart::Diagram diagram;
    AddProcesses(diagram, static_cast<int>(state.range(0)));
    app::chart::ChartScene scene;
    scene.diagram = &diagram;
    scene.settings.ranges = View(state.range(1));
    app::chart::ChartRenderer renderer;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const auto colours = app::chart::ChartColours::print();
    for (auto _ : state) {
        QPainter painter(&image);
        renderer.paintOverlay(painter, QRectF(0, 0, 1920, 1080), scene, colours);
    }
}
BENCHMARK(OverlayWithProcesses)
    ->ArgNames({"processes", "view"})
    ->ArgsProduct({{1, 100, 1000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// One more process into a diagram of N (and of the ones added before it):
// the diagram's work alone.
void AddProcessToDiagram(benchmark::State &state)
{
    chart::Diagram diagram;
    AddProcesses(diagram, static_cast<int>(state.range(0)));
    const int a = diagram.points().front().id;
    chart::ProcessDefinition heat{chart::ProcessKind::Heating, a};
    heat.value = 40;
    for (auto _ : state)
        diagram.addProcess(heat);
}
BENCHMARK(AddProcessToDiagram)->Arg(1000)->Unit(benchmark::kMillisecond);

// The window with N processes at 1500 × 900 in each view: a repaint of the
// chart with nothing changed (cursor, selection, a zoom band), and a process
// added from the process row, with the diagram and the lists' models alone
// or until the window has painted the new rows and the chart.
struct ChartWindow
{
    app::chart::ChartForm form;

    ChartWindow(int processes, std::int64_t zoom)
    {
        AddProcesses(form.diagram(), processes);
        form.refresh();
        form.resize(1500, 900);
        form.show();
        form.chartWidget()->scene().settings.ranges = View(zoom);
        QCoreApplication::processEvents();
    }
};

void RepaintWindow(benchmark::State &state)
{
    ChartWindow w(static_cast<int>(state.range(0)), state.range(1));
    w.form.chartWidget()->repaint();
    for (auto _ : state)
        w.form.chartWidget()->repaint();
}
BENCHMARK(RepaintWindow)
    ->ArgNames({"processes", "view"})
    ->ArgsProduct({{1000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

void AddProcessInWindow(benchmark::State &state)
{
    ChartWindow w(static_cast<int>(state.range(0)), state.range(1));
    auto *kind = w.form.findChild<QComboBox *>(QStringLiteral("ProcessKind"));
    auto *value = w.form.findChild<QLineEdit *>(QStringLiteral("ProcessValue"));
    auto *add = w.form.findChild<QPushButton *>(QStringLiteral("AddProcessButton"));
    kind->setCurrentIndex(static_cast<int>(chart::ProcessKind::Heating));
    value->setText(QStringLiteral("40"));
    const bool painted = state.range(2) != 0;
    for (auto _ : state) {
        add->click();
        if (painted)
            QCoreApplication::processEvents();
    }
    state.counters["processes"] = static_cast<double>(w.form.diagram().processes().size());
}
BENCHMARK(AddProcessInWindow)
    ->ArgNames({"processes", "view", "painted"})
    ->ArgsProduct({{1000}, {0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Opening the window: created, shown and painted once.
void OpenWindow(benchmark::State &state)
{
    for (auto _ : state) {
        app::chart::ChartForm form;
        form.setCurrentState(air::StateFromRelativeHumidity(26, 50, 760));
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);

} // namespace
