#include "air/Psychrometrics.h"
#include "app/chart/ChartForm.h"
#include "app/chart/ChartRenderer.h"
#include "chart/Diagram.h"
#include "chart/LineFamilies.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
