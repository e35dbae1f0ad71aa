// The fifteen arches: three hinges, two hinges or clamped ends; span l, rise f,
// and the load: P at a, F at height h (and at a), p on the left half or on
// the whole span, q horizontal over the rise.
#include "assets/figures/sketch.h"

#include <cmath>

namespace figures {

namespace {

constexpr double XA = 26, XB = 148, ChordY = 92, Rise = 62;
constexpr double XC = (XA + XB) / 2, HalfSpan = (XB - XA) / 2, CrownY = ChordY - Rise;

enum class Ends { ThreeHinges, TwoHinges, Clamped };
enum class Load { Point, Horizontal, HorizontalAtA, HalfUniform, Uniform, Lateral };

// Height of the parabolic arch above the chord at x.
double archY(double x) {
    const double u = (x - XC) / HalfSpan;
    return ChordY - Rise * (1 - u * u);
}

// x on the left half of the arch at screen level y.
double leftX(double y) {
    const double ratio = (ChordY - y) / Rise;
    return XC - HalfSpan * std::sqrt(std::max(0.0, 1 - ratio));
}

void archLine(Sketch& s) {
    QPainterPath path;
    path.moveTo(XA, ChordY);
    for (double x = XA + 1; x <= XB + 0.01; x += 1)
        path.lineTo(x, archY(x));
    QPainter& p = s.painter();
    p.setPen(QPen(ink::structure, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void verticalBand(Sketch& s, double x1, double x2) {
    const double top = 8, bottom = 18;
    QPainter& p = s.painter();
    p.setPen(QPen(ink::load, 1.0));
    p.setBrush(ink::loadFill);
    p.drawRect(QRectF(QPointF(x1, top), QPointF(x2, bottom)));
    p.setBrush(Qt::NoBrush);
    const int count = std::max(3, static_cast<int>(std::round((x2 - x1) / 10.0)));
    for (int i = 0; i <= count; ++i) {
        const double x = x1 + 3 + (x2 - x1 - 6) * i / count;
        s.arrow(QPointF(x, bottom), QPointF(x, archY(x) - 2), ink::load, 0.8, 3.5);
    }
    s.label(QPointF(x1 - 3, (top + bottom) / 2), "p", Qt::AlignRight | Qt::AlignVCenter, ink::load);
}

void lateralBand(Sketch& s) {
    const double x1 = 3, x2 = 11;
    QPainter& p = s.painter();
    p.setPen(QPen(ink::load, 1.0));
    p.setBrush(ink::loadFill);
    p.drawRect(QRectF(QPointF(x1, CrownY), QPointF(x2, ChordY - 1)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 6; ++i) {
        const double y = CrownY + (ChordY - 3 - CrownY) * i / 6;
        s.arrow(QPointF(x2, y), QPointF(leftX(y) - 2, y), ink::load, 0.8, 3.5);
    }
    s.label(QPointF((x1 + x2) / 2, CrownY - 3), "q", Qt::AlignHCenter | Qt::AlignBottom, ink::load);
}

void partDimension(Sketch& s, double x) {
    s.extension(QPointF(x, ChordY + 3), QPointF(x, 115));
    s.extension(QPointF(XA, 108), QPointF(XA, 115));
    s.dimH(XA, x, 112, "a", true);
}

} // namespace

void drawArch(Sketch& s, int n) {
    static const Load loads[] = {Load::Point, Load::Horizontal, Load::HalfUniform, Load::Uniform,
                                 Load::Lateral};
    static const Load loadsWithA[] = {Load::Point, Load::HorizontalAtA, Load::HalfUniform,
                                      Load::Uniform, Load::Lateral};
    const int k = (n >= 1 && n <= 15 ? n : 1) - 1;
    const Ends ends = k < 5 ? Ends::ThreeHinges : k < 10 ? Ends::TwoHinges : Ends::Clamped;
    const Load load = ends == Ends::ThreeHinges ? loads[k % 5] : loadsWithA[k % 5];

    // The chord, the rise and the span.
    s.dashed(QPointF(XA, ChordY), QPointF(XB, ChordY), ink::axis);
    s.dimV(XC, CrownY + 3, ChordY, "f", false);
    s.extension(QPointF(XB, ChordY + 14), QPointF(XB, 129));
    s.extension(QPointF(XA, ChordY + 14), QPointF(XA, 129));
    s.dimH(XA, XB, 126, "l", true);

    archLine(s);
    if (ends == Ends::Clamped) {
        s.footing(QPointF(XA, ChordY), 11);
        s.footing(QPointF(XB, ChordY), 11);
    } else {
        s.hinge(QPointF(XA, ChordY));
        s.hinge(QPointF(XB, ChordY));
    }
    if (ends == Ends::ThreeHinges)
        s.pin(QPointF(XC, CrownY), 3.0);
    s.point(QPointF(XA + 11, ChordY - 8), "A");
    s.point(QPointF(XB - 11, ChordY - 8), "B");
    s.point(QPointF(XC - 8, CrownY + 11), "C");

    switch (load) {
    case Load::Point: {
        const double x = XA + 0.3 * (XB - XA);
        s.arrow(QPointF(x, 4), QPointF(x, archY(x) - 2), ink::load, 1.6, 7);
        s.label(QPointF(x + 4, 5), "P", Qt::AlignLeft | Qt::AlignTop, ink::load);
        partDimension(s, x);
        break;
    }
    case Load::Horizontal:
    case Load::HorizontalAtA: {
        const double y = ChordY - 0.55 * Rise, x = leftX(y);
        s.arrow(QPointF(4, y), QPointF(x - 2, y), ink::load, 1.6, 7);
        s.label(QPointF(12, y - 3), "F", Qt::AlignHCenter | Qt::AlignBottom, ink::load);
        s.extension(QPointF(x + 2, y), QPointF(x + 20, y));
        s.dimV(x + 17, y, ChordY, "h", false);
        if (load == Load::HorizontalAtA)
            partDimension(s, x);
        break;
    }
    case Load::HalfUniform:
        verticalBand(s, XA, XC);
        break;
    case Load::Uniform:
        verticalBand(s, XA, XB);
        break;
    case Load::Lateral:
        lateralBand(s);
        break;
    }
}

namespace {
const Registration registered{{"arco", 15, drawArch}};
} // namespace

} // namespace figures
