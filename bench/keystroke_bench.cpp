// One typed character in a full sheet, through the real widgets: the change
// handler, the input rules, the calculation of 100 rows and the refresh.
#include "bench/keystroke.h"
#include "sections/params.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/window.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_KeystrokeInAFullSectionsSheet(benchmark::State& state) {
    EnsureBenchApplication();
    std::unique_ptr<SheetWindow> window(new SheetWindow(sectionsParams()));
    window->setTypology(17);
    window->sistema();
    Sheet& sheet = window->sheet();
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(1, row, QString::number(10 + row % 7));
        sheet.setDatum(2, row, "30");
        sheet.setDatum(3, row, "4");
        sheet.setDatum(4, row, "3,5");
    }
    window->CountRows();
    window->Calculate();
    TypeAndErase(state, window->box(2, 5));
    benchmark::DoNotOptimize(sheet.result(1, 100));
}
BENCHMARK(BM_KeystrokeInAFullSectionsSheet)->Unit(benchmark::kMicrosecond);

} // namespace
