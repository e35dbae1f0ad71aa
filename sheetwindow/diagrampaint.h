#pragma once
// One row's shear and moment diagram painted in a frame: the heading (row and
// typology), the legend, the equilibrium check and the drawing of LayOutDiagram. The
// panel under the grid, the printed pages and the SVG file all paint through here.
#include "sheet/diagram.h"
#include "sheetwindow/diagramdrawing.h"

#include <QColor>
#include <QFont>
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
QString DiagramLegend(Units units);
// "controllo di equilibrio: scarto 0,3 %" and the item that differs most, in its unit; a
// check against theory reads as its summary.
QString DiagramCheckText(const StaticsCheck& check);
// Green within the tolerance (against theory: exact to the rounding), orange above it
// (against theory: a value on the unsafe side), black for safe approximations.
QColor DiagramCheckColour(const StaticsCheck& check);

// A view laid out in a frame, every text measured and placed: painted as often as
// needed without being laid out again.
struct DiagramPicture {
    QRectF frame;
    QFont font; // the values' font; the heading's is its bold
    QFont bold;
    bool empty = true; // no diagram: the view's empty text instead
    QString emptyText;
    QString heading, check, legend;
    QGlyphRun headingGlyphs, checkGlyphs;
    QColor checkColour;
    QPointF headingAt, checkAt, legendAt; // baselines
    QRectF drawingArea;
    DiagramDrawing drawing; // in the coordinates of drawingArea
};

// Lays the view out in the frame in a font of `textPixels` pixels (0: a size that
// follows the frame), of the family of `base`. The heading and the check share a line
// when they fit (the check's detail dropped first in a low frame); the legend shows in a
// frame tall enough for it.
DiagramPicture LayOutPicture(const DiagramView& view, const QRectF& frame, const QFont& base,
                             double textPixels = 0);
void PaintPicture(QPainter& painter, const DiagramPicture& picture);

// Lays out and paints the view in the frame at once.
void PaintDiagram(QPainter& painter, const QRectF& frame, const DiagramView& view,
                  double textPixels = 0);
