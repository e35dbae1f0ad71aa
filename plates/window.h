#pragma once
#include "sheet/window.h"

// The plates window: passing between supported and clamped edges of the same
// shape keeps the data and shows at once how the moments change.
class PlatesWindow : public SheetWindow {
    Q_OBJECT
public:
    explicit PlatesWindow(QWidget* parent = nullptr);

protected:
    void typologyChosen(int typology) override;
};
