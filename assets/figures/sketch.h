#pragma once
// Drawing kit of the typology figures: an engineering sketch on a small white
// canvas (the figure box of the calculation windows), with structure lines,
// supports, loads, dimensions and labels in a few fixed styles.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <vector>

namespace figures {

constexpr int Width = 170;
constexpr int Height = 134;

namespace ink {
const QColor structure(20, 20, 20);
const QColor dimension(20, 55, 120);
const QColor load(170, 20, 20);
const QColor loadFill(245, 196, 190);
const QColor sectionFill(196, 210, 226);
const QColor axis(90, 90, 90);
} // namespace ink

class Sketch {
public:
    explicit Sketch(QPainter& painter);
    QPainter& painter() { return m_p; }

    // Outlines and fills.
    void line(QPointF a, QPointF b, double width = 1.6, QColor color = ink::structure);
    void dashed(QPointF a, QPointF b, QColor color = ink::structure);
    void section(const QPainterPath& shape); // filled cross-section with its outline
    // The centroidal axis: a dash-dot line across the figure.
    void axis(double y, double x1, double x2);

    // Text: the anchor point with the alignment of the text around it.
    void label(QPointF at, const QString& text, Qt::Alignment align = Qt::AlignCenter,
               QColor color = ink::structure);
    // A letter with a subscript (pa, pb): "p" + "a".
    void labelSub(QPointF at, const QString& main, const QString& sub,
                  Qt::Alignment align = Qt::AlignCenter, QColor color = ink::load);
    // Name of a point (A, B, C ...), upright and bold.
    void point(QPointF at, const QString& name, Qt::Alignment align = Qt::AlignCenter);

    // Dimensions: a line with arrowheads between two points, label beside it.
    void dimH(double x1, double x2, double y, const QString& text, bool above = true);
    void dimV(double x, double y1, double y2, const QString& text, bool left = true);
    // Along a slanted segment a-b, moved off it by offset (positive: to the left
    // of the direction a->b on screen).
    void dimAligned(QPointF a, QPointF b, double offset, const QString& text);
    // A radius or diameter drawn as a plain arrowed line with its label.
    void radius(QPointF from, QPointF to, const QString& text, QPointF labelAt);
    void extension(QPointF from, QPointF to);

    // Forces.
    void arrow(QPointF from, QPointF to, QColor color = ink::load, double width = 1.4,
               double head = 5.0);
    // Distributed load between x1 and x2 resting on y (the loaded line),
    // heights h1 at x1 and h2 at x2 above it; filled, with arrows down.
    void distributed(double x1, double x2, double y, double h1, double h2);
    // Symmetric triangle: 0 at the ends, peak h at the middle.
    void peaked(double x1, double x2, double y, double h);

    // Supports (the point is where the structure rests).
    void hinge(QPointF at);
    void roller(QPointF at);
    // A clamped end: a wall at x, hatched on the side (-1 left, +1 right).
    void clamp(QPointF at, int side, double halfHeight = 14);
    // A clamp at the foot of an arch: a hatched block under the point.
    void footing(QPointF at, double halfWidth = 10);
    void ground(double x1, double x2, double y);
    void pin(QPointF at, double r = 2.8); // an inner hinge

    QPolygonF arrowHead(QPointF from, QPointF to, double head) const;

private:
    QPainter& m_p;
};

// Fills the canvas white and draws figure `n` of one kind on it.
using DrawFn = void (*)(Sketch&, int n);

struct Kind {
    const char* file; // "sezione", "trave", ...
    int count;
    DrawFn draw;
};

// Each window's folder draws its own figures (its figures.cpp) and registers them with a
// static Registration; the generator draws every kind registered.
const std::vector<Kind>& Kinds();
struct Registration {
    explicit Registration(const Kind& kind);
};

} // namespace figures
