#pragma once
#include "sheet/window.h"

// The continuous-beams window: hovering a span moment shows the distance of the
// largest moment of that span (`distanza`).
class ContinuousWindow : public SheetWindow {
    Q_OBJECT
public:
    explicit ContinuousWindow(QWidget* parent = nullptr);

protected:
    void resultHovered(int column, int visibleRow) override;
    void sheetCleared() override;
};
