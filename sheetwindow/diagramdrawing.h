#pragma once
// The drawing of a shear and moment diagram as scaled shapes and placed texts, without a
// painter: the panel, the printed page and the SVG file draw these shapes as they are.
//
// Coordinates grow rightwards and downwards from the top left corner. The beam, its
// loads, supports and reactions take the top band, V the middle one (positive upwards)
// and M the bottom one, drawn on the side of the stretched fibre: a sagging moment lies
// below its axis. Every value is written in a box of its own that overlaps no other box,
// no filled area and no edge of the frame.
#include "sheet/diagram.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <vector>

struct DrawingMark {
    QPointF at;
    SupportKind kind = SupportKind::Pinned;
    QString name;
    QRectF letter; // where the support's name is written
    QGlyphRun glyphs = QGlyphRun();
};

struct DrawingArrow {
    QPointF tail;
    QPointF head;
};

enum class LabelKind { Load, Reaction, Shear, Moment };

struct DrawingLabel {
    QPointF at; // the point the value belongs to
    QString text;
    QRectF box; // where the text is written
    LabelKind kind = LabelKind::Shear;
    // The text's glyphs as measured, from its baseline's start: a screen paints them
    // without shaping the text again (a file or a printer takes the text).
    QGlyphRun glyphs = QGlyphRun();
};

struct DiagramDrawing {
    double width = 0, height = 0;
    double beamY = 0, shearAxisY = 0, momentAxisY = 0;
    double supportSize = 0;    // height of a support's sign
    double arrowHead = 0;      // length of an arrow's head
    double textInset = 0;      // from a box's left edge to its text
    double textAscent = 0;     // from a box's top to the baseline of its text
    std::vector<QPointF> beam; // the beam's axis, A to the far end
    std::vector<DrawingMark> supports;
    std::vector<std::vector<QPointF>> loadAreas; // closed outlines above the beam
    std::vector<DrawingArrow> loadArrows;        // point loads, head on the beam
    std::vector<DrawingArrow> reactionArrows;    // under the supports, head towards the force
    std::vector<QPointF> shearArea;              // closed: from the axis along V and back
    std::vector<QPointF> momentArea;             // closed: from the axis along M and back
    QRectF shearLetter, momentLetter;            // "V" and "M" beside their axes
    QGlyphRun shearGlyphs, momentGlyphs;
    std::vector<DrawingLabel> labels;
};

// The width of a text in a font and, when the font's own tables hold all its glyphs, the
// glyphs placed from the start of its baseline, to be painted on a screen without shaping
// the text again (the values are digits and Latin letters, which need no shaping).
double MeasureText(const QRawFont& raw, const QFontMetricsF& metrics, const QString& text,
                   QGlyphRun* glyphs);

// Lays the diagram out in a frame of width × height units, its values written in
// `font` (whose pixel size sets the size of every text and sign); the font's default
// pixel size is a nineteenth of the height.
DiagramDrawing LayOutDiagram(const BeamDiagram& diagram, double width, double height,
                             QFont font = QFont());
