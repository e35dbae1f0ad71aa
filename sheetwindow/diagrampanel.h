#pragma once
// The panel `diagramma` under the grid of the windows that draw diagrams: the shear
// and moment diagram of the current row (the row last typed in, or the one whose number
// the pointer is on), or the hint's text when that row has no results.
#include "sheetwindow/diagrampaint.h"

#include <QWidget>

// Design height of the panel with its gaps, added to the window's design height.
constexpr int kDiagramPanelHeight = 232;

class DiagramPanel : public QWidget {
    Q_OBJECT
public:
    explicit DiagramPanel(QWidget* parent = nullptr);

    // Shows a view; the panel repaints when it changes.
    void setView(DiagramView view);
    const DiagramView& view() const { return m_view; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DiagramView m_view;
};
