#pragma once
// The panel `diagramma` under the grid of the windows that draw diagrams: the shear
// and moment diagram of the current row (the row last typed in, or the one whose number
// the pointer is on), or the hint's text when that row has no results.
#include "sheetwindow/diagrampaint.h"

#include <QWidget>
#include <optional>

// Design height of the panel with its gaps, added to the window's design height.
constexpr int kDiagramPanelHeight = 232;

class DiagramPanel : public QWidget {
    Q_OBJECT
public:
    explicit DiagramPanel(QWidget* parent = nullptr);

    // Shows a view; the panel is laid out and repainted only when what it shows changes.
    void setView(DiagramView view);
    const DiagramView& view() const { return m_view; }
    // The view laid out at the panel's size, in the panel's font (the grid's), as painted.
    const DiagramPicture& picture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRectF frame() const;

    DiagramView m_view;
    std::optional<DiagramPicture> m_picture; // kept between paints until something changes
};
