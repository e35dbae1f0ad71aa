// The seventeen cross-sections: the shape filled, its dimensions lettered as
// the column heads of the sections window, the centroidal axis and the
// distances E (farthest fibre) and E' (nearest fibre) where they are computed.
#include "assets/figures/sketch.h"

#include <cmath>

namespace figures {

namespace {

constexpr double Pi = 3.14159265358979;

QPainterPath rectPath(double x1, double y1, double x2, double y2) {
    QPainterPath path;
    path.addRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    return path;
}

QPainterPath polygonPath(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPolygonF rhombus(QPointF centre, double halfDiagonal) {
    const double x = centre.x(), y = centre.y(), d = halfDiagonal;
    return QPolygonF({QPointF(x, y - d), QPointF(x + d, y), QPointF(x, y + d), QPointF(x - d, y)});
}

QPolygonF hexagon(QPointF centre, double r, double firstAngleDegrees) {
    QPolygonF polygon;
    for (int k = 0; k < 6; ++k) {
        const double angle = (firstAngleDegrees + 60.0 * k) * Pi / 180.0;
        polygon << QPointF(centre.x() + r * std::cos(angle), centre.y() - r * std::sin(angle));
    }
    return polygon;
}

// A horizontal dimension below (or above) an edge, with its extension lines.
void dimBelow(Sketch& s, double x1, double x2, double edgeY, double dimY, const QString& text) {
    s.extension(QPointF(x1, edgeY + 2), QPointF(x1, dimY + 3));
    s.extension(QPointF(x2, edgeY + 2), QPointF(x2, dimY + 3));
    s.dimH(x1, x2, dimY, text, false);
}

void dimAbove(Sketch& s, double x1, double x2, double edgeY, double dimY, const QString& text) {
    s.extension(QPointF(x1, edgeY - 2), QPointF(x1, dimY - 3));
    s.extension(QPointF(x2, edgeY - 2), QPointF(x2, dimY - 3));
    s.dimH(x1, x2, dimY, text, true);
}

// A vertical dimension at dimX between the levels y1 and y2, whose extension
// lines start at the shape's edges edge1 and edge2 (x of each level).
void dimSide(Sketch& s, double dimX, double y1, double edge1, double y2, double edge2,
             const QString& text) {
    const bool left = dimX < edge1;
    const double out = left ? -3 : 3;
    const double gap = left ? -2 : 2;
    s.extension(QPointF(edge1 + gap, y1), QPointF(dimX + out, y1));
    s.extension(QPointF(edge2 + gap, y2), QPointF(dimX + out, y2));
    s.dimV(dimX, y1, y2, text, left);
}

// E from the axis to the farthest fibre, and E' to the nearest where computed.
void distances(Sketch& s, double dimX, double axisY, double farY, double farEdge, double nearY = -1,
               double nearEdge = 0) {
    s.extension(QPointF(farEdge + 2, farY), QPointF(dimX + 3, farY));
    s.dimV(dimX, farY, axisY, QStringLiteral("E"), false);
    if (nearY >= 0) {
        s.extension(QPointF(nearEdge + 2, nearY), QPointF(dimX + 3, nearY));
        s.dimV(dimX, axisY, nearY, QStringLiteral("E'"), false);
    }
}

void rectangle(Sketch& s) {
    s.section(rectPath(45, 18, 105, 100));
    s.axis(59, 34, 131);
    dimBelow(s, 45, 105, 100, 112, "B");
    dimSide(s, 30, 18, 45, 100, 45, "H");
    distances(s, 124, 59, 18, 105);
}

void doubleTeeWithoutWeb(Sketch& s) {
    // Two flanges B wide, H overall, h apart: the web between them is not counted.
    QPainterPath flanges = rectPath(45, 18, 105, 34);
    flanges.addPath(rectPath(45, 84, 105, 100));
    s.section(flanges);
    s.dashed(QPointF(70, 34), QPointF(70, 84), ink::axis);
    s.dashed(QPointF(80, 34), QPointF(80, 84), ink::axis);
    s.axis(59, 34, 140);
    dimBelow(s, 45, 105, 100, 112, "B");
    dimSide(s, 30, 18, 45, 100, 45, "H");
    dimSide(s, 116, 34, 105, 84, 105, "h");
    distances(s, 134, 59, 18, 105);
}

void square(Sketch& s, bool hollow) {
    QPainterPath shape = rectPath(42, 18, 112, 88);
    if (hollow)
        shape.addPath(rectPath(58, 34, 96, 72));
    s.section(shape);
    s.axis(53, 32, 138);
    dimBelow(s, 42, 112, 88, 102, "B");
    if (hollow)
        s.dimH(58, 96, 68, "b", true);
    distances(s, 128, 53, 18, 112);
}

void diamond(Sketch& s, bool hollow) {
    const QPointF centre(75, 60);
    QPainterPath shape = polygonPath(rhombus(centre, 44));
    if (hollow)
        shape.addPath(polygonPath(rhombus(centre, 24)));
    s.section(shape);
    s.axis(60, 20, 146);
    s.dimAligned(QPointF(31, 60), QPointF(75, 104), -7, "B");
    if (hollow)
        s.dimAligned(QPointF(75, 84), QPointF(99, 60), 5, "b");
    distances(s, 138, 60, 16, 75);
}

void triangle(Sketch& s) {
    const double top = 16, base = 104;
    s.section(polygonPath(QPolygonF({QPointF(75, top), QPointF(110, base), QPointF(40, base)})));
    const double axisY = base - (base - top) / 3;
    s.axis(axisY, 28, 136);
    dimBelow(s, 40, 110, base, 116, "B");
    dimSide(s, 24, top, 73, base, 40, "H");
    distances(s, 126, axisY, top, 77, base, 110);
}

void hexagonOnCorner(Sketch& s) {
    const QPointF centre(72, 60);
    const QPolygonF shape = hexagon(centre, 44, 90);
    s.section(polygonPath(shape));
    s.axis(60, 20, 136);
    s.radius(centre, shape[2], "R", QPointF(46, 48));
    distances(s, 128, 60, 16, 74);
}

void hexagonOnSide(Sketch& s) {
    const QPointF centre(72, 60);
    const QPolygonF shape = hexagon(centre, 44, 0);
    s.section(polygonPath(shape));
    s.axis(60, 18, 140);
    s.radius(centre, shape[1], "R", QPointF(76, 38));
    distances(s, 132, 60, shape[1].y(), shape[1].x());
}

void trapezoid(Sketch& s) {
    // Short base B on top, each side overhanging b/2 at the long base.
    const double top = 28, base = 104, xs1 = 55, xs2 = 95, xl1 = 30, xl2 = 120;
    s.section(polygonPath(
        QPolygonF({QPointF(xs1, top), QPointF(xs2, top), QPointF(xl2, base), QPointF(xl1, base)})));
    const double shortBase = xs2 - xs1, overhangs = xl2 - xl1 - shortBase, height = base - top;
    const double e = height * (3 * shortBase + 2 * overhangs) / (3 * (2 * shortBase + overhangs));
    s.axis(top + e, 22, 144);
    dimAbove(s, xs1, xs2, top, 16, "B");
    s.extension(QPointF(xs1, base + 2), QPointF(xs1, 117));
    s.extension(QPointF(xs2, base + 2), QPointF(xs2, 117));
    dimBelow(s, xl1, xs1, base, 114, "b/2");
    dimBelow(s, xs2, xl2, base, 114, "b/2");
    dimSide(s, 16, top, xs1, base, xl1, "H");
    distances(s, 136, top + e, top, xs2);
}

void disc(Sketch& s, bool hollow) {
    const QPointF centre(72, 60);
    const double r = 42;
    QPainterPath shape;
    shape.addEllipse(centre, r, r);
    if (hollow)
        shape.addEllipse(centre, 25, 25);
    s.section(shape);
    s.axis(60, 20, 140);
    dimBelow(s, centre.x() - r, centre.x() + r, 60, 114, "D");
    if (hollow) {
        const double d = 25 / std::sqrt(2.0);
        const QPointF a(centre.x() - d, centre.y() + d), b(centre.x() + d, centre.y() - d);
        s.arrow(b, a, ink::dimension, 0.8, 4.0);
        s.arrow(a, b, ink::dimension, 0.8, 4.0);
        s.label(QPointF(centre.x() + 9, centre.y() + 11), "d", Qt::AlignCenter, ink::dimension);
    }
    distances(s, 130, 60, centre.y() - r, centre.x());
}

void halfDisc(Sketch& s) {
    const QPointF centre(72, 98);
    const double r = 62;
    QPainterPath shape;
    shape.moveTo(centre.x() - r, centre.y());
    shape.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 180, -180);
    shape.closeSubpath();
    s.section(shape);
    const double axisY = centre.y() - 4 * r / (3 * Pi);
    s.axis(axisY, 2, 150);
    const double angle = 125 * Pi / 180;
    s.radius(centre, QPointF(centre.x() + r * std::cos(angle), centre.y() - r * std::sin(angle)),
             "R", QPointF(45, 80));
    distances(s, 144, axisY, centre.y() - r, centre.x(), centre.y(), centre.x() + r);
}

void ellipse(Sketch& s) {
    const QPointF centre(74, 60);
    QPainterPath shape;
    shape.addEllipse(centre, 48, 32);
    s.section(shape);
    s.axis(60, 18, 140);
    dimBelow(s, centre.x() - 48, centre.x() + 48, 60, 106, "B");
    dimSide(s, 14, 28, centre.x() - 2, 92, centre.x() - 2, "H");
    distances(s, 134, 60, 28, centre.x());
}

// C on the left, I on the right: a rectangle B by H less the hollow b by h
// (the I has it in two halves, one each side of the web).
void channelAndTee(Sketch& s) {
    const double top = 22, bottom = 102, flange = 12, axisY = 62;
    const double c1 = 24, c2 = 62, web = 10;
    QPainterPath channel = rectPath(c1, top, c2, bottom);
    channel = channel.subtracted(rectPath(c1 + web, top + flange, c2 + 1, bottom - flange));
    s.section(channel);
    const double i1 = 88, i2 = 126, w1 = 102, w2 = 112;
    QPainterPath beam = rectPath(i1, top, i2, bottom);
    beam = beam.subtracted(rectPath(i1 - 1, top + flange, w1, bottom - flange));
    beam = beam.subtracted(rectPath(w2, top + flange, i2 + 1, bottom - flange));
    s.section(beam);
    s.axis(axisY, 14, 160);
    dimAbove(s, c1, c2, top, 12, "B");
    dimAbove(s, i1, i2, top, 12, "B");
    dimSide(s, 12, top, c1, bottom, c1, "H");
    s.dimH(c1 + web, c2, 80, "b", true);
    for (double x : {i1, w1, w2, i2})
        s.extension(QPointF(x, bottom + 2), QPointF(x, 115));
    s.dimH(i1, w1, 112, "b/2", false);
    s.dimH(w2, i2, 112, "b/2", false);
    dimSide(s, 138, top + flange, i2, bottom - flange, i2, "h");
    distances(s, 152, axisY, top, i2);
}

// Cross on the left, H on the right: a rectangle B by H plus one b by h, both
// centred on the axis (the cross has b in two arms, the H has B in two flanges).
void crossAndAitch(Sketch& s) {
    const double top = 22, bottom = 102, axisY = 62, arm = 7;
    const double st1 = 38, st2 = 52, a1 = 18, a2 = 72;
    QPainterPath cross = rectPath(st1, top, st2, bottom);
    cross = cross.united(rectPath(a1, axisY - arm, a2, axisY + arm));
    s.section(cross);
    const double f1 = 94, f2 = 104, f3 = 126, f4 = 136;
    QPainterPath aitch = rectPath(f1, top, f2, bottom);
    aitch = aitch.united(rectPath(f3, top, f4, bottom));
    aitch = aitch.united(rectPath(f2 - 0.5, axisY - arm, f3 + 0.5, axisY + arm));
    s.section(aitch);
    s.axis(axisY, 8, 160);
    dimAbove(s, st1, st2, top, 12, "B");
    dimSide(s, 12, top, st1, bottom, st1, "H");
    dimSide(s, 79, axisY - arm, a2, axisY + arm, a2, "h");
    for (double x : {a1, a2})
        s.extension(QPointF(x, axisY + arm + 2), QPointF(x, 89));
    s.dimH(a1, st1, 86, "b/2", false);
    s.dimH(st2, a2, 86, "b/2", false);
    dimAbove(s, f1, f2, top, 12, "B/2");
    dimAbove(s, f3, f4, top, 12, "B/2");
    s.dimH(f2, f3, 40, "b", true);
    distances(s, 150, axisY, top, f4);
}

// T drawn with all its dimensions; L and U beside it share them: flange B by h,
// web b thick (the U's two webs b/2 each), overall height H.
void angleTeeChannel(Sketch& s) {
    const double fx1 = 20, fx2 = 90, top = 24, h = 14, wx1 = 48, wx2 = 62, bottom = 104;
    QPainterPath tee = rectPath(fx1, top, fx2, top + h);
    tee = tee.united(rectPath(wx1, top + h - 0.5, wx2, bottom));
    s.section(tee);
    const double B = fx2 - fx1, b = wx2 - wx1, H = bottom - top;
    const double e = (B * h * h + b * (H - h) * (H + h)) / (2 * (B * h + b * (H - h)));
    s.axis(top + e, 6, 120);
    dimAbove(s, fx1, fx2, top, 13, "B");
    dimSide(s, 12, top, fx1, bottom, wx1, "H");
    dimSide(s, 97, top, fx2, top + h, fx2, "h");
    dimBelow(s, wx1, wx2, bottom, 116, "b");
    distances(s, 109, top + e, bottom, wx2, top, fx2);

    // L: flange along the bottom, web up the left side.
    const double lx = 130, ly = 18, size = 32, t = 6;
    QPainterPath angle = rectPath(lx, ly + size - t, lx + size, ly + size);
    angle = angle.united(rectPath(lx, ly, lx + t, ly + size - t + 0.5));
    s.section(angle);
    s.label(QPointF(lx + t / 2, ly - 2), "b", Qt::AlignHCenter | Qt::AlignBottom, ink::dimension);
    // U: flange along the bottom, a web at each end.
    const double ux = 126, uy = 94, width = 36, tu = 5;
    QPainterPath channel = rectPath(ux, uy + size - t, ux + width, uy + size);
    channel = channel.united(rectPath(ux, uy, ux + tu, uy + size - t + 0.5));
    channel = channel.united(rectPath(ux + width - tu, uy, ux + width, uy + size - t + 0.5));
    s.section(channel);
    s.label(QPointF(ux + tu / 2, uy - 2), "b/2", Qt::AlignHCenter | Qt::AlignBottom,
            ink::dimension);
    s.label(QPointF(ux + width - tu / 2, uy - 2), "b/2", Qt::AlignHCenter | Qt::AlignBottom,
            ink::dimension);
}

} // namespace

void drawSection(Sketch& s, int n) {
    switch (n) {
    case 1:
        rectangle(s);
        break;
    case 2:
        doubleTeeWithoutWeb(s);
        break;
    case 3:
        square(s, false);
        break;
    case 4:
        diamond(s, false);
        break;
    case 5:
        square(s, true);
        break;
    case 6:
        diamond(s, true);
        break;
    case 7:
        triangle(s);
        break;
    case 8:
        hexagonOnCorner(s);
        break;
    case 9:
        hexagonOnSide(s);
        break;
    case 10:
        trapezoid(s);
        break;
    case 11:
        disc(s, false);
        break;
    case 12:
        disc(s, true);
        break;
    case 13:
        halfDisc(s);
        break;
    case 14:
        ellipse(s);
        break;
    case 15:
        channelAndTee(s);
        break;
    case 16:
        crossAndAitch(s);
        break;
    case 17:
        angleTeeChannel(s);
        break;
    default:
        break;
    }
}

namespace {
const Registration registered{{"sezione", 17, drawSection}};
} // namespace

} // namespace figures
