#include "LargeSystem.h"

#include "app/losssheet/LossSheetForm.h"
#include "app/losssheet/LossSheetModel.h"
#include "app/losssheet/SectionColumns.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace losssheet;

System fiveHundredSections()
{
    return bench::FiveHundredSections();
}

struct Window
{
    app::losssheet::LossSheetForm form;
    QTableView *table = nullptr;

    Window()
    {
        form.sheet().setSystems({fiveHundredSections()});
        form.resize(1440, 880);
        form.show();
        QCoreApplication::processEvents();
        table = form.findChild<QTableView *>(QStringLiteral("SectionTable"));
        // The last outlet is in view, as when the user types in it.
        table->scrollToBottom();
        QCoreApplication::processEvents();
    }

    // Types a flow into the last outlet as the cell's editor commits it: the
    // flows of all 100 main sections above it change, so each is sized again.
    void edit(long double flow)
    {
        QAbstractItemModel *model = table->model();
        model->setData(model->index(model->rowCount() - 1, app::losssheet::FlowColumn),
                       QString::number(static_cast<double>(flow)), Qt::EditRole);
    }
};

// One committed edit through the window's model: the text evaluated, the
// system recomputed, the section and fitting tables, the summary and the 400
// terminals told.
void BM_LossSheetWindowEdit(benchmark::State &state)
{
    Window w;
    long double flow = 450;
    for (auto _ : state) {
        flow = flow == 450 ? 460 : 450;
        w.edit(flow);
    }
}
BENCHMARK(BM_LossSheetWindowEdit)->Unit(benchmark::kMillisecond);

// The same and the frame after it: the event loop repaints what the edit
// changed (the visible cells of the tables, the summary).
void BM_LossSheetWindowEditAndFrame(benchmark::State &state)
{
    Window w;
    long double flow = 450;
    for (auto _ : state) {
        flow = flow == 450 ? 460 : 450;
        w.edit(flow);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LossSheetWindowEditAndFrame)->Unit(benchmark::kMillisecond);

// The whole window repainted without an edit, for comparison.
void BM_LossSheetWindowRepaint(benchmark::State &state)
{
    Window w;
    for (auto _ : state)
        w.form.repaint();
}
BENCHMARK(BM_LossSheetWindowRepaint)->Unit(benchmark::kMillisecond);

} // namespace
