#pragma once
// Widths of the grid's columns, measured in the grid's font.
#include "sheet/geometry.h"

class QFont;
struct SheetParams;

namespace SheetGeometry {
struct Columns {
    int data = 0;   // width of a data box
    int result = 0; // width of a result label
};
// Column widths in an inner area of the given width: at least the room for the
// widest texts, and the columns share what the area leaves over.
Columns ColumnWidths(const SheetParams& params, const QFont& gridFont, int areaWidth);
// The design width of a window's inner area: 640 pixels, or what its columns need.
int DesignWidth(const SheetParams& params, const QFont& gridFont);
} // namespace SheetGeometry
