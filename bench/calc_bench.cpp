// The sections, simple-beams and continuous-beams calculations over a full sheet of
// 100 rows: what every accepted keystroke in those windows costs.
#include "beams/calc.h"
#include "beams/params.h"
#include "continuous/calc.h"
#include "continuous/params.h"
#include "sections/calc.h"
#include "sections/params.h"

#include <benchmark/benchmark.h>

namespace {

QString decimal(double value) {
    return QString::number(value, 'f', 2).replace('.', ',');
}

Sheet fullSections() {
    Sheet sheet = newSheet(sectionsParams());
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(1, row, decimal(20 + row % 13));
        sheet.setDatum(2, row, decimal(40 + row % 17));
        sheet.setDatum(3, row, decimal(4 + row % 5));
        sheet.setDatum(4, row, decimal(30 + row % 7));
    }
    sheet.CountRows();
    return sheet;
}

Sheet fullBeams() {
    Sheet sheet = newSheet(beamsParams());
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(Beams::Luce, row, decimal(4 + (row % 9) * 0.5));
        sheet.setDatum(Beams::Dato2, row, QString::number(500 + 10 * row));
        // A distance within the span, or a second load different from the first.
        sheet.setDatum(Beams::Dato3, row, decimal(1 + (row % 3) * 0.75));
    }
    sheet.CountRows();
    return sheet;
}

Sheet fullContinuous() {
    Sheet sheet = newSheet(continuousParams());
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(Continuous::Luce, row, decimal(3 + (row % 11) * 0.25));
        sheet.setDatum(Continuous::Carico, row, QString::number(800 + 5 * row));
    }
    sheet.CountRows();
    return sheet;
}

void BM_SectionsCalculate100Rows(benchmark::State& state) {
    Sheet sheet = fullSections();
    const int typology = int(state.range(0));
    for (auto _ : state) {
        const CalcOutcome outcome = CalculateSections(sheet, typology);
        benchmark::DoNotOptimize(outcome.refusal);
    }
    state.SetItemsProcessed(state.iterations() * kMaxRows);
}
// A rectangle, a hexagon and the L/T/U section (the longest formulas).
BENCHMARK(BM_SectionsCalculate100Rows)->Arg(1)->Arg(8)->Arg(17);

void BM_BeamsCalculate100Rows(benchmark::State& state) {
    Sheet sheet = fullBeams();
    const int typology = int(state.range(0));
    for (auto _ : state) {
        const CalcOutcome outcome = CalculateBeams(sheet, typology);
        benchmark::DoNotOptimize(outcome.refusal);
    }
    state.SetItemsProcessed(state.iterations() * kMaxRows);
}
// A cantilever, the uniform load, the trapezoid (square root of the largest moment)
// and the clamped partial load.
BENCHMARK(BM_BeamsCalculate100Rows)->Arg(1)->Arg(5)->Arg(9)->Arg(18);

void BM_BeamsHoverCaption(benchmark::State& state) {
    Sheet sheet = fullBeams();
    CalculateBeams(sheet, 9);
    int row = 0;
    for (auto _ : state) {
        bool visible = false;
        const QString caption = BeamHoverCaption(sheet, 9, row % kMaxRows + 1, &visible);
        benchmark::DoNotOptimize(caption.size());
        ++row;
    }
}
BENCHMARK(BM_BeamsHoverCaption);

void BM_ContinuousCalculate100Rows(benchmark::State& state) {
    Sheet sheet = fullContinuous();
    const int typology = int(state.range(0));
    for (auto _ : state) {
        const CalcOutcome outcome = CalculateContinuous(sheet, typology);
        benchmark::DoNotOptimize(outcome.refusal);
    }
    state.SetItemsProcessed(state.iterations() * kMaxRows);
}
BENCHMARK(BM_ContinuousCalculate100Rows)->Arg(1)->Arg(9);

} // namespace
