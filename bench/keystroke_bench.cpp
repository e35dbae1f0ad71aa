// One typed character in a full sheet, through the real widgets: the change
// handler, the input rules, the calculation of 100 rows and the refresh.
#include "sections/params.h"
#include "sheet/dialogs.h"
#include "sheet/window.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "ponteluma_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

void BM_KeystrokeInAFullSectionsSheet(benchmark::State& state) {
    application();
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
    QLineEdit* box = window->box(2, 5);
    bool longer = false;
    for (auto _ : state) {
        // "30" becomes "305" and back: one accepted datum each time.
        if (longer)
            box->backspace();
        else
            box->insert("5");
        longer = !longer;
    }
    benchmark::DoNotOptimize(sheet.result(1, 100));
}
BENCHMARK(BM_KeystrokeInAFullSectionsSheet)->Unit(benchmark::kMicrosecond);

} // namespace
