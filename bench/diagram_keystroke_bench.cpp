// One typed character in a full continuous-beams sheet, through the real widgets, with
// the diagram panel following the row typed in; against the same keystroke with the
// panel left out of it, the panel's share of a keystroke.
#include "bench/keystroke.h"
#include "continuous/params.h"
#include "sheetwindow/diagrampaint.h"
#include "sheetwindow/window.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A full sheet of four-span beams; the keystroke goes into row 5's load.
std::unique_ptr<SheetWindow> fullSheet(const SheetParams& params) {
    std::unique_ptr<SheetWindow> window(new SheetWindow(params));
    window->setTypology(7);
    window->sistema();
    Sheet& sheet = window->sheet();
    for (int row = 1; row <= kMaxRows; ++row) {
        sheet.setDatum(1, row, QString::number(4 + row % 3));
        sheet.setDatum(2, row, "1200");
    }
    window->CountRows();
    window->Calculate();
    return window;
}

void typeAndErase(benchmark::State& state, SheetWindow& window) {
    TypeAndErase(state, window.box(2, 5));
    benchmark::DoNotOptimize(window.sheet().result(1, 100));
}

void BM_KeystrokeWithTheDiagramPanel(benchmark::State& state) {
    EnsureBenchApplication();
    const auto window = fullSheet(continuousParams());
    typeAndErase(state, *window);
}
BENCHMARK(BM_KeystrokeWithTheDiagramPanel)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeWithoutTheDiagramPanel(benchmark::State& state) {
    EnsureBenchApplication();
    static const SheetParams withoutDiagram = [] {
        SheetParams params = continuousParams();
        params.diagram = nullptr;
        return params;
    }();
    const auto window = fullSheet(withoutDiagram);
    typeAndErase(state, *window);
}
BENCHMARK(BM_KeystrokeWithoutTheDiagramPanel)->Unit(benchmark::kMicrosecond);

// The repaint that follows a keystroke: the panel at its size in a wide window.
void BM_PaintingTheDiagramPanel(benchmark::State& state) {
    EnsureBenchApplication();
    const auto window = fullSheet(continuousParams());
    const DiagramView view = ViewOfRow(continuousParams(), window->sheet(), 7, "4 campate", 5, {});
    QImage image(1160, 226, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintDiagram(painter, QRectF(image.rect()), view);
    }
}
BENCHMARK(BM_PaintingTheDiagramPanel)->Unit(benchmark::kMicrosecond);

} // namespace
