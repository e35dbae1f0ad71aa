// The arches and plates calculations over a full sheet of 100 rows: what every
// accepted keystroke in those windows costs.
#include "arches/calc.h"
#include "arches/params.h"
#include "plates/calc.h"
#include "plates/params.h"

#include <benchmark/benchmark.h>

namespace {

Sheet fullArches() {
    Sheet sheet = newSheet(archesParams());
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(1, row, QString::number(8 + row % 7) + ",5");
        sheet.setDatum(2, row, QString::number(500 + 10 * row));
        sheet.setDatum(3, row, QString::number(1 + row % 4) + ",25");
        sheet.setDatum(4, row, "1,5");
        sheet.setDatum(5, row, QString::number(2 + row % 3));
    }
    sheet.CountRows();
    return sheet;
}

Sheet fullPlates() {
    Sheet sheet = newSheet(platesParams());
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(1, row, "4");
        sheet.setDatum(2, row, QString::number(4 + (row % 40) * 0.1, 'f', 1).replace('.', ','));
        sheet.setDatum(3, row, QString::number(300 + row));
    }
    sheet.CountRows();
    return sheet;
}

void BM_ArchesCalculate100Rows(benchmark::State& state) {
    Sheet sheet = fullArches();
    const int typology = int(state.range(0));
    for (auto _ : state) {
        const CalcOutcome outcome = CalculateArches(sheet, typology);
        benchmark::DoNotOptimize(outcome.refusal);
    }
    state.SetItemsProcessed(state.iterations() * kMaxRows);
}
// A three-hinged force, the two-hinged horizontal force (powers of α) and the clamped
// arches (the longest formulas).
BENCHMARK(BM_ArchesCalculate100Rows)->Arg(1)->Arg(7)->Arg(12)->Arg(15);

void BM_PlatesCalculate100Rows(benchmark::State& state) {
    Sheet sheet = fullPlates();
    const int typology = int(state.range(0));
    for (auto _ : state) {
        const CalcOutcome outcome = CalculatePlates(sheet, typology);
        benchmark::DoNotOptimize(outcome.refusal);
    }
    state.SetItemsProcessed(state.iterations() * kMaxRows);
}
BENCHMARK(BM_PlatesCalculate100Rows)->Arg(1)->Arg(2)->Arg(4);

} // namespace
