#pragma once
// One row's shear and moment diagram painted in a frame: the heading (row and
// typology), the legend, the equilibrium check and the drawing of LayOutDiagram. The
// panel under the grid, the printed pages and the SVG file all paint through here.
#include "sheet/diagram.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;
struct SheetParams;
struct CalcSettings;
class Sheet;

struct DiagramView {
    int row = 0; // sheet row, 1-based; 0 when none is shown
    QString item;
    int typology = 0;
    QString typologyName;
    std::optional<BeamDiagram> diagram;
    QString emptyText; // what an empty frame says (the hint of the sheet)
};

// The view of a sheet row as the window's descriptor draws it under the window's
// settings; no diagram when the row has no results (or the window draws none).
DiagramView ViewOfRow(const SheetParams& params, const Sheet& sheet, int typology,
                      const QString& typologyName, int row, const CalcSettings& settings);

// "Trave n.3 - appoggio + trapezio (tipologia 9)".
QString DiagramHeading(const DiagramView& view);
// Units and the side the moment is drawn on.
QString DiagramLegend();
// "controllo di equilibrio: scarto 0,3 %" and the item that differs most, in its unit; a
// check against theory reads as its summary.
QString DiagramCheckText(const StaticsCheck& check);
// Green within the tolerance (against theory: exact to the rounding), orange above it
// (against theory: a value on the unsafe side), black for safe approximations.
QColor DiagramCheckColour(const StaticsCheck& check);

// Paints the view in the frame; text sizes follow the frame's height.
void PaintDiagram(QPainter& painter, const QRectF& frame, const DiagramView& view);
