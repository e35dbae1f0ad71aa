// One typed character in a full sheet of every window, shown on the offscreen screen, with
// everything it triggers: the change handler, the calculation of 100 rows, the grid's
// refresh, the diagram panel where the window has one, and the repaint of what changed.
// Besides the mean, each run reports the median and the 95th percentile of a keystroke, in
// the processor time of the program's one thread: on a busy machine the wall clock also
// counts the time other programs had the processor.
#include "arches/params.h"
#include "beams/params.h"
#include "bench/keystroke.h"
#include "continuous/params.h"
#include "plates/params.h"
#include "sections/params.h"
#include "sheetwindow/window.h"

#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double threadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

struct FullSheet {
    const SheetParams& (*params)();
    int typology;
    std::vector<const char*> data; // one value per data column, the same on every row
};

// Every row complete; the span varies from row to row so the rows differ.
const FullSheet kSheets[] = {
    {sectionsParams, 17, {"", "30", "4", "3,5"}}, {beamsParams, 9, {"", "500", "1500"}},
    {continuousParams, 7, {"", "1200"}},          {archesParams, 1, {"", "1000", "1,5", "", "2"}},
    {platesParams, 1, {"", "6", "500"}},
};

void BM_KeystrokeWithItsRepaint(benchmark::State& state) {
    EnsureBenchApplication();
    const FullSheet& full = kSheets[state.range(0)];
    std::unique_ptr<SheetWindow> window(new SheetWindow(full.params()));
    state.SetLabel(window->objectName().toStdString());
    window->setTypology(full.typology);
    window->sistema();
    Sheet& sheet = window->sheet();
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(1, row, QString::number(4 + row % 3));
        for (int c = 2; c <= int(full.data.size()); ++c)
            sheet.setDatum(c, row, full.data[c - 1]);
    }
    window->CountRows();
    window->Calculate();
    window->show();
    QApplication::processEvents();
    if (!sheet.result(1, kMaxRows)) {
        state.SkipWithError("the sheet has rows without results");
        return;
    }
    QLineEdit* box = window->box(2, 5);
    box->setFocus();
    window->showDiagram(5); // the panel shows the row typed in
    QApplication::processEvents();

    std::vector<double> samples;
    bool longer = false;
    for (auto _ : state) {
        const double start = threadMicroseconds();
        if (longer)
            box->backspace();
        else
            box->insert("5");
        longer = !longer;
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        samples.push_back(threadMicroseconds() - start);
    }
    benchmark::DoNotOptimize(sheet.result(1, 100));
    std::sort(samples.begin(), samples.end());
    state.counters["median_us"] = samples[samples.size() / 2];
    state.counters["p95_us"] = samples[samples.size() * 95 / 100];
}
BENCHMARK(BM_KeystrokeWithItsRepaint)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);

} // namespace
