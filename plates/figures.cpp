// The four plates in plan, with a small section beside each showing how the
// edges are held: rectangle lx by ly or circle of radius R, simply supported
// (dashed edge line) or clamped (hatched edges), under the uniform load p.
#include "assets/figures/sketch.h"

#include <cmath>

namespace figures {

namespace {

constexpr double Pi = 3.14159265358979;

void hatchOutside(Sketch& s, QPointF a, QPointF b, QPointF outward) {
    QPainter& p = s.painter();
    p.setPen(QPen(ink::structure, 0.7));
    const QLineF edge(a, b);
    const double length = edge.length();
    for (double t = 2; t < length; t += 4) {
        const QPointF at = a + (b - a) * (t / length);
        p.drawLine(at, at + outward * 5 + (b - a) * (-3.0 / length));
    }
}

// Section through the plate, beside the plan.
void section(Sketch& s, bool clamped) {
    const double x1 = 116, x2 = 160, y = 70;
    s.distributed(x1, x2, y - 1.5, 16, 16);
    s.label(QPointF((x1 + x2) / 2, y - 22), "p", Qt::AlignHCenter | Qt::AlignBottom, ink::load);
    s.line(QPointF(x1, y), QPointF(x2, y), 3.0);
    if (clamped) {
        s.clamp(QPointF(x1, y), -1, 10);
        s.clamp(QPointF(x2, y), +1, 10);
    } else {
        s.hinge(QPointF(x1, y + 1.5));
        s.roller(QPointF(x2, y + 1.5));
    }
}

void rectangular(Sketch& s, bool clamped) {
    const double x1 = 34, x2 = 92, y1 = 12, y2 = 102;
    QPainter& p = s.painter();
    p.setPen(QPen(ink::structure, 1.6));
    p.setBrush(ink::sectionFill);
    p.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    p.setBrush(Qt::NoBrush);
    if (clamped) {
        hatchOutside(s, QPointF(x1, y1), QPointF(x2, y1), QPointF(0, -1));
        hatchOutside(s, QPointF(x2, y1), QPointF(x2, y2), QPointF(1, 0));
        hatchOutside(s, QPointF(x2, y2), QPointF(x1, y2), QPointF(0, 1));
        hatchOutside(s, QPointF(x1, y2), QPointF(x1, y1), QPointF(-1, 0));
    } else {
        const double d = 4;
        s.dashed(QPointF(x1 + d, y1 + d), QPointF(x2 - d, y1 + d));
        s.dashed(QPointF(x2 - d, y1 + d), QPointF(x2 - d, y2 - d));
        s.dashed(QPointF(x2 - d, y2 - d), QPointF(x1 + d, y2 - d));
        s.dashed(QPointF(x1 + d, y2 - d), QPointF(x1 + d, y1 + d));
    }
    s.label(QPointF((x1 + x2) / 2, (y1 + y2) / 2), "p", Qt::AlignCenter, ink::load);
    s.extension(QPointF(x1, y2 + 6), QPointF(x1, 121));
    s.extension(QPointF(x2, y2 + 6), QPointF(x2, 121));
    s.dimH(x1, x2, 118, "lx", true);
    s.extension(QPointF(x1 - 6, y1), QPointF(13, y1));
    s.extension(QPointF(x1 - 6, y2), QPointF(13, y2));
    s.dimV(16, y1, y2, "ly", true);
    section(s, clamped);
}

void circular(Sketch& s, bool clamped) {
    const QPointF centre(60, 60);
    const double r = 44;
    QPainter& p = s.painter();
    p.setPen(QPen(ink::structure, 1.6));
    p.setBrush(ink::sectionFill);
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::NoBrush);
    if (clamped) {
        p.setPen(QPen(ink::structure, 0.7));
        for (int k = 0; k < 48; ++k) {
            const double a = 2 * Pi * k / 48, b = a + 0.12;
            p.drawLine(
                QPointF(centre.x() + r * std::cos(a), centre.y() - r * std::sin(a)),
                QPointF(centre.x() + (r + 5) * std::cos(b), centre.y() - (r + 5) * std::sin(b)));
        }
    } else {
        QPen dashes(ink::structure, 1.0, Qt::CustomDashLine);
        dashes.setDashPattern({4, 3});
        p.setPen(dashes);
        p.drawEllipse(centre, r - 4, r - 4);
    }
    const double angle = 35 * Pi / 180;
    s.radius(centre, QPointF(centre.x() + r * std::cos(angle), centre.y() - r * std::sin(angle)),
             "R", QPointF(centre.x() + 20, centre.y() - 3));
    s.label(QPointF(centre.x() - 14, centre.y() + 16), "p", Qt::AlignCenter, ink::load);
    section(s, clamped);
}

} // namespace

void drawPlate(Sketch& s, int n) {
    switch (n) {
    case 1:
        rectangular(s, false);
        break;
    case 2:
        rectangular(s, true);
        break;
    case 3:
        circular(s, false);
        break;
    case 4:
        circular(s, true);
        break;
    default:
        break;
    }
}

namespace {
const Registration registered{{"piastra", 4, drawPlate}};
} // namespace

} // namespace figures
