#include "sheetwindow/columnwidths.h"

#include "sheetwindow/cellfit.h"
#include "sheet/params.h"

#include <QFont>

namespace SheetGeometry {

namespace {

// Frame, margin and indent of a result label; frame and inner margins of a box.
constexpr int kResultChrome = 2 * 1 + 2 * 1 + 1 + 3;
constexpr int kDataChrome = 2 * 2 + 2 * 2 + 1 + 3;

int fixedWidth(int columns) {
    // Left margin, row number, gaps, delete button, scroll bar and right margin.
    return kGridLeft + kNumberWidth + kGap * (columns + 3) + kDeleteWidth + kScrollWidth + 8;
}

int columnCount(const SheetParams& params) {
    return int(params.data.size() + params.results.size());
}

Columns leastWidths(const QFont& font) {
    return {CellFit::textWidth(font, kWidestDatum) + kDataChrome,
            CellFit::textWidth(font, kWidestResult) + kResultChrome};
}

} // namespace

Columns ColumnWidths(const SheetParams& params, const QFont& gridFont, int areaWidth) {
    Columns widths = leastWidths(gridFont);
    const int dataCount = int(params.data.size());
    const int resultCount = int(params.results.size());
    const int columns = qMax(1, columnCount(params));
    const int spare =
        areaWidth - fixedWidth(columns) - dataCount * widths.data - resultCount * widths.result;
    if (spare > 0) {
        widths.data += spare / columns;
        widths.result += spare / columns;
    }
    return widths;
}

int DesignWidth(const SheetParams& params, const QFont& gridFont) {
    const Columns least = leastWidths(gridFont);
    const int needed = fixedWidth(qMax(1, columnCount(params))) +
                       int(params.data.size()) * least.data +
                       int(params.results.size()) * least.result;
    return qMax(kWidth, needed);
}

} // namespace SheetGeometry
