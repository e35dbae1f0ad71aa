#include "continuous/window.h"

#include "continuous/calc.h"
#include "continuous/params.h"

ContinuousWindow::ContinuousWindow(QWidget* parent) : SheetWindow(continuousParams(), parent) {}

void ContinuousWindow::resultHovered(int column, int visibleRow) {
    ClearRowHighlight();
    // The span moments are the results A-B, B-C, C-D and D-E (columns 1, 3, 5, 7).
    if (column % 2 == 0 || column > Continuous::MomDE)
        return;
    const int span = column / 2;
    const int row = firstVisibleRow() + visibleRow - 1;
    const DistanceDisplay display = ContinuousDistance(sheet(), typology(), span, row);
    if (display.kind == DistanceKind::NoChange)
        return;
    sheet().setHidden("distanza", display.kind == DistanceKind::Hide);
    if (display.kind == DistanceKind::Show) {
        sheet().setCaption("distanza", display.caption);
        paintResultYellow(column, visibleRow);
    }
    syncCaptions();
}

void ContinuousWindow::sheetCleared() {
    sheet().setHidden("distanza", true);
    syncCaptions();
}
