#include "beams/window.h"

#include "beams/calc.h"
#include "beams/params.h"

BeamsWindow::BeamsWindow(QWidget* parent) : SheetWindow(beamsParams(), parent) {}

void BeamsWindow::numHovered(int visibleRow) {
    bool visible = false;
    const int row = firstVisibleRow() + visibleRow - 1;
    const QString caption = BeamHoverCaption(sheet(), typology(), row, &visible);
    sheet().setCaption("perX", caption);
    sheet().setHidden("perX", !visible);
    syncCaptions();
}
