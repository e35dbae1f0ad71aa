#pragma once
// The drawing of a shear and moment diagram as scaled shapes, without a painter: the
// panel, the printed page and the SVG file draw these shapes as they are.
//
// Coordinates grow rightwards and downwards from the top left corner. The beam and its
// loads take the top band, V the middle one (positive upwards) and M the bottom one,
// drawn on the side of the stretched fibre: a sagging moment lies below its axis.
#include "sheet/diagram.h"

#include <QPointF>
#include <QString>
#include <vector>

struct DrawingMark {
    QPointF at;
    SupportKind kind = SupportKind::Pinned;
    QString name;
};

struct DrawingArrow {
    QPointF tail;
    QPointF head; // on the beam
};

struct DrawingLabel {
    QPointF at; // where the value is, the text goes next to it
    QString text;
};

struct DiagramDrawing {
    double width = 0, height = 0;
    double beamY = 0, shearAxisY = 0, momentAxisY = 0;
    std::vector<QPointF> beam; // the beam's axis, A to the far end
    std::vector<DrawingMark> supports;
    std::vector<std::vector<QPointF>> loadAreas; // closed outlines above the beam
    std::vector<DrawingArrow> loadArrows;
    std::vector<QPointF> shearArea;  // closed: from the axis along V and back
    std::vector<QPointF> momentArea; // closed: from the axis along M and back
    std::vector<DrawingLabel> labels;
};

// Lays the diagram out in a frame of width × height units.
DiagramDrawing LayOutDiagram(const BeamDiagram& diagram, double width, double height);
