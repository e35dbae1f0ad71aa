#pragma once
#include "sheet/window.h"

// The simple-beams window: hovering a row number shows where its largest span
// moment lies (`perX`).
class BeamsWindow : public SheetWindow {
    Q_OBJECT
public:
    explicit BeamsWindow(QWidget* parent = nullptr);

protected:
    void numHovered(int visibleRow) override;
};
