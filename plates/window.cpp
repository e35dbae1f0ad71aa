#include "plates/window.h"

#include "plates/calc.h"
#include "plates/params.h"

PlatesWindow::PlatesWindow(QWidget* parent) : SheetWindow(platesParams(), parent) {}

void PlatesWindow::typologyChosen(int chosen) {
    if (!PlatesSameShape(typology(), chosen))
        cancella();
    setTypology(chosen);
    sistema();
}
