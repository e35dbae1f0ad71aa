// The twenty single-span beams: supports (cantilever clamped at B, simple
// supports, support at A with B clamped, both ends clamped) and the load.
#include "assets/figures/sketch.h"

namespace figures {

namespace {

constexpr double BeamY = 60;
constexpr double PointsY = 88; // names of the supports
constexpr double SpanDimY = 118;
constexpr double PartDimY = 101;

enum class Supports { Cantilever, Simple, SupportAndClamp, Clamped };
enum class Load { Point, Uniform, Partial, Triangle, Peaked, Trapezoid, PointAtEnd };

struct Beam {
    Supports supports;
    Load load;
};

Beam beamOf(int n) {
    static const Beam table[] = {
        {Supports::Cantilever, Load::PointAtEnd},
        {Supports::Cantilever, Load::Uniform},
        {Supports::Cantilever, Load::Triangle},
        {Supports::Simple, Load::Point},
        {Supports::Simple, Load::Uniform},
        {Supports::Simple, Load::Partial},
        {Supports::Simple, Load::Triangle},
        {Supports::Simple, Load::Peaked},
        {Supports::Simple, Load::Trapezoid},
        {Supports::SupportAndClamp, Load::Point},
        {Supports::SupportAndClamp, Load::Uniform},
        {Supports::SupportAndClamp, Load::Partial},
        {Supports::SupportAndClamp, Load::Triangle},
        {Supports::SupportAndClamp, Load::Peaked},
        {Supports::SupportAndClamp, Load::Trapezoid},
        {Supports::Clamped, Load::Point},
        {Supports::Clamped, Load::Uniform},
        {Supports::Clamped, Load::Partial},
        {Supports::Clamped, Load::Triangle},
        {Supports::Clamped, Load::Peaked},
    };
    return table[(n >= 1 && n <= 20 ? n : 1) - 1];
}

void spanDimension(Sketch& s, double xA, double xB) {
    s.extension(QPointF(xA, BeamY + 3), QPointF(xA, SpanDimY + 3));
    s.extension(QPointF(xB, BeamY + 3), QPointF(xB, SpanDimY + 3));
    s.dimH(xA, xB, SpanDimY, "L", true);
}

void partDimension(Sketch& s, double xA, double x) {
    s.extension(QPointF(x, BeamY + 3), QPointF(x, PartDimY + 3));
    s.dimH(xA, x, PartDimY, "a", true);
}

void pointLoad(Sketch& s, double x, const QString& name) {
    s.arrow(QPointF(x, 16), QPointF(x, BeamY - 1.5), ink::load, 1.6, 7);
    s.label(QPointF(x + 4, 18), "P", Qt::AlignLeft | Qt::AlignTop, ink::load);
    if (!name.isEmpty())
        s.point(QPointF(x + 5, BeamY + 9), name);
}

} // namespace

void drawBeam(Sketch& s, int n) {
    const Beam beam = beamOf(n);
    const bool cantilever = beam.supports == Supports::Cantilever;
    const double xA = 22, xB = cantilever ? 146 : 148;

    // The beam and its supports.
    s.line(QPointF(xA, BeamY), QPointF(xB, BeamY), 2.8);
    switch (beam.supports) {
    case Supports::Cantilever:
        s.clamp(QPointF(xB, BeamY), +1);
        break;
    case Supports::Simple:
        s.hinge(QPointF(xA, BeamY + 1.4));
        s.roller(QPointF(xB, BeamY + 1.4));
        break;
    case Supports::SupportAndClamp:
        s.roller(QPointF(xA, BeamY + 1.4));
        s.clamp(QPointF(xB, BeamY), +1);
        break;
    case Supports::Clamped:
        s.clamp(QPointF(xA, BeamY), -1);
        s.clamp(QPointF(xB, BeamY), +1);
        break;
    }
    const bool clampedA = beam.supports == Supports::Clamped;
    const bool clampedB = beam.supports != Supports::Simple;
    s.point(QPointF(clampedA ? xA - 6 : xA, clampedA ? BeamY + 22 : PointsY), "A");
    s.point(QPointF(clampedB ? xB + 6 : xB, clampedB ? BeamY + 22 : PointsY), "B");
    spanDimension(s, xA, xB);

    // The load.
    const double span = xB - xA;
    switch (beam.load) {
    case Load::PointAtEnd:
        pointLoad(s, xA + 1, QString());
        break;
    case Load::Point: {
        const double x = xA + 0.38 * span;
        pointLoad(s, x, "C");
        partDimension(s, xA, x);
        break;
    }
    case Load::Uniform:
        s.distributed(xA, xB, BeamY, 20, 20);
        s.label(QPointF((xA + xB) / 2, BeamY - 25), "p", Qt::AlignHCenter | Qt::AlignBottom,
                ink::load);
        break;
    case Load::Partial: {
        const double x = xA + 0.55 * span;
        s.distributed(xA, x, BeamY, 20, 20);
        s.label(QPointF((xA + x) / 2, BeamY - 25), "p", Qt::AlignHCenter | Qt::AlignBottom,
                ink::load);
        partDimension(s, xA, x);
        break;
    }
    case Load::Triangle:
        s.distributed(xA, xB, BeamY, 0, 36);
        s.label(QPointF(xB - 4, BeamY - 40), "p", Qt::AlignRight | Qt::AlignBottom, ink::load);
        break;
    case Load::Peaked:
        s.peaked(xA, xB, BeamY, 34);
        s.label(QPointF((xA + xB) / 2, BeamY - 38), "p", Qt::AlignHCenter | Qt::AlignBottom,
                ink::load);
        break;
    case Load::Trapezoid:
        s.distributed(xA, xB, BeamY, 14, 36);
        s.labelSub(QPointF(xA - 3, BeamY - 10), "p", "a", Qt::AlignRight | Qt::AlignBottom);
        s.labelSub(QPointF(xB + 3, BeamY - 32), "p", "b", Qt::AlignLeft | Qt::AlignBottom);
        break;
    }
}

namespace {
const Registration registered{{"trave", 20, drawBeam}};
} // namespace

} // namespace figures
