#include "continuous/calc.h"
#include "continuous/exact.h"
#include "sheet/numbers.h"

#include <cmath>

using ModPonteluma::Str;

namespace {

using namespace Continuous;

// One tabulated result: a span moment ql²/k, a support moment −ql²/k, a reaction r·ql,
// or nothing (stored as 0).
enum Kind { None, SpanMoment, SupportMoment, Reaction };
struct Coefficient {
    Kind kind;
    double value;
};

constexpr Coefficient O{None, 0};
constexpr Coefficient S(double k) {
    return {SpanMoment, k};
}
constexpr Coefficient M(double k) {
    return {SupportMoment, k};
}
constexpr Coefficient R(double r) {
    return {Reaction, r};
}

constexpr int kResults = 12;
constexpr int kTypologies = 10;

// Columns: A-B, mom.B, B-C, mom.C, C-D, mom.D, D-E, Ra, Rb, Rc, Rd, Re. The constants
// are the usual rounded table values, kept as they are printed in the table.
constexpr Coefficient kTable[kTypologies][kResults] = {
    {S(14.3), M(8), O, O, O, O, O, R(0.375), R(1.25), R(0.375), O, O},
    {S(10.4), M(16), O, O, O, O, O, R(0.438), R(0.625), R(-0.063), O, O},
    {S(12.5), M(10), S(40), M(10), O, O, O, R(0.4), R(1.1), R(1.1), R(0.4), O},
    {S(9.9), M(20), M(20), M(20), S(9.9), O, O, R(0.45), R(0.55), R(0.55), R(0.45), O},
    {O, M(20), S(13.3), M(20), O, O, O, R(-0.05), R(0.55), R(0.55), R(-0.05), O},
    {S(13.65), M(8.55), S(18.08), M(30.3), O, O, O, R(0.383), R(1.2), R(0.45), R(-0.033), O},
    {S(13), M(9.34), S(27.5), M(14.1), O, M(9.34), O, R(0.393), R(1.143), R(0.929), R(1.143),
     R(0.393)},
    {O, M(27.8), S(17.8), M(9.35), O, M(27.8), O, R(-0.036), R(0.465), R(1.143), R(0.465),
     R(-0.036)},
    {S(13.9), M(8.26), S(16.4), M(55.6), O, M(17.2), S(10.3), R(0.38), R(1.223), R(0.357), R(0.598),
     R(0.442)},
    {S(10), M(18.5), O, M(27.8), S(12.4), M(18.5), O, R(0.446), R(0.572), R(0.464), R(0.572),
     R(-0.054)},
};

// Span moments equal by symmetry to another span's, which the table leaves at 0:
// kMirror[t - 1][column] is the column whose value they show (0: their own).
constexpr int kMirror[kTypologies][kResults + 1] = {
    {0, 0, 0, MomAB},                 // 1: B-C = A-B
    {},                               // 2
    {0, 0, 0, 0, 0, MomAB},           // 3: C-D = A-B
    {},                               // 4
    {},                               // 5
    {},                               // 6
    {0, 0, 0, 0, 0, MomBC, 0, MomAB}, // 7: C-D = B-C, D-E = A-B
    {0, 0, 0, 0, 0, MomBC},           // 8: C-D = B-C
    {},                               // 9
    {},                               // 10
};

// Distance of the largest moment of each span as a fraction of the span, from A, B, C
// and E; negative entries: kHide hides the display, kNoChange leaves it as it was.
constexpr double kHide = -1;
constexpr double kNoChange = -2;
constexpr double kDistance[kTypologies][4] = {
    {0.375, kHide, kNoChange, kNoChange}, {0.438, kHide, kNoChange, kNoChange},
    {0.4, 0.5, kNoChange, kNoChange},     {0.45, kHide, kNoChange, kNoChange},
    {kHide, 0.5, kNoChange, kNoChange},   {0.383, 0.583, kNoChange, kNoChange},
    {0.393, 0.536, kNoChange, kNoChange}, {kHide, 0.429, kNoChange, kNoChange},
    {0.38, 0.603, kNoChange, 0.442},      {0.446, kHide, 0.482, kNoChange},
};

int normalised(int typology) {
    return typology >= 1 && typology <= kTypologies ? typology : 1;
}

double evaluate(const Coefficient& c, double ql, double ql2) {
    switch (c.kind) {
    case SpanMoment:
        return ql2 / c.value;
    case SupportMoment:
        return -ql2 / c.value;
    case Reaction:
        return ql * c.value;
    case None:
        break;
    }
    return 0;
}

} // namespace

std::array<double, kResults> Continuous::TabulatedResults(int typology, double q, double l) {
    const Coefficient* coefficients = kTable[normalised(typology) - 1];
    const double ql = q * l;
    const double ql2 = q * (l * l);
    std::array<double, kResults> values{};
    for (int i = 0; i < kResults; ++i)
        values[i] = evaluate(coefficients[i], ql, ql2);
    return values;
}

bool Continuous::GivesResult(int typology, int column) {
    if (column < MomAB || column > Re)
        return false;
    return kTable[normalised(typology) - 1][column - 1].kind != None;
}

std::optional<double> Continuous::MaxMomentDistance(int typology, int span, double l) {
    if (span < SpanAB || span > SpanDE)
        return std::nullopt;
    const double d = kDistance[normalised(typology) - 1][span];
    if (d < 0)
        return std::nullopt;
    return l * d;
}

std::array<double, kResults> Continuous::MethodResults(int typology, int method, double q,
                                                       double l) {
    const int t = normalised(typology);
    if (method == Exact)
        return ExactResults(SolveExact(t, q, l));
    std::array<double, kResults> values = TabulatedResults(t, q, l);
    for (int column = MomAB; column <= Re; ++column) {
        if (const int twin = kMirror[t - 1][column])
            values[size_t(column - 1)] = values[size_t(twin - 1)];
    }
    return values;
}

bool Continuous::MethodGives(int typology, int method, int column) {
    const int t = normalised(typology);
    if (!ContinuousHasResult(t, column))
        return false;
    return method == Exact || GivesResult(t, column) || kMirror[t - 1][column] != 0;
}

CalcOutcome CalculateContinuous(Sheet& sheet, int typology, const CalcSettings& settings) {
    const int t = normalised(typology);
    sheet.clearResults();
    for (int row = 1; row <= sheet.n(); ++row) {
        if (sheet.lacksFirstDatum(row) || sheet.isEmpty(Carico, row))
            continue; // the hint and the check say what lacks
        if (MarkOutOfField(FieldOf(t), sheet, row))
            continue;
        const std::array<double, kResults> values =
            MethodResults(t, settings.method, sheet.number(Carico, row), sheet.number(Luce, row));
        bool finite = true;
        for (double value : values)
            finite = finite && std::isfinite(value);
        if (!finite) {
            sheet.setOutOfRange(row);
            continue;
        }
        for (int column = MomAB; column <= Re; ++column) {
            if (!ContinuousHasResult(t, column))
                continue; // a span or support the beam does not have
            sheet.setResult(column, row, sheet.rounded(column, values[size_t(column - 1)]));
        }
    }
    return {};
}

bool ContinuousHasResult(int typology, int column) {
    const int spans = ContinuousSpans(typology);
    switch (column) {
    case MomCD:
    case MomC:
    case Rd:
        return spans >= 3;
    case MomD:
    case MomDE:
    case Re:
        return spans >= 4;
    default:
        return true;
    }
}

int ContinuousSpans(int typology) {
    const int t = normalised(typology);
    return t <= 2 ? 2 : t <= 6 ? 3 : 4;
}

namespace {

// Under the exact method: the distance of the largest moment of a loaded span from the
// support the display names; nothing for an unloaded span (it shows its midspan moment).
std::optional<double> exactDistance(int typology, int span, double q, double l) {
    if (!SpanLoaded(typology, span))
        return std::nullopt;
    const ExactSolution solution = SolveExact(typology, q, l);
    const double fromLeft = solution.spanMomentX[span];
    return span == SpanDE ? l - fromLeft : fromLeft; // D-E is measured from E
}

} // namespace

DistanceDisplay ContinuousDistance(const Sheet& sheet, int typology, int span, int row,
                                   const CalcSettings& settings) {
    static const char* const kSpanNames[] = {"A-B", "B-C", "C-D", "D-E"};
    static const char* const kFrom[] = {" da A.", " da B.", " da C.", " da E."};
    DistanceDisplay display;
    if (span < SpanAB || span > SpanDE || row < 1 || row > kMaxRows)
        return display;
    if (settings.method == Exact) {
        if (span >= ContinuousSpans(typology))
            return display; // a span the beam does not have
        if (!sheet.result(Ra, row)) {
            display.kind = DistanceKind::Hide;
            return display;
        }
        const std::optional<double> x = exactDistance(
            normalised(typology), span, sheet.number(Carico, row), sheet.number(Luce, row));
        if (!x) {
            display.kind = DistanceKind::Hide;
            return display;
        }
        display.kind = DistanceKind::Show;
        display.caption = QString("Il momento massimo in ") + kSpanNames[span] +
                          " è alla distanza di m." + Str(std::floor(*x * 100 + 0.5) / 100) +
                          kFrom[span];
        return display;
    }
    // C-D has a largest moment of its own only in typology 10, D-E only in 9.
    if ((span == SpanCD && typology != 10) || (span == SpanDE && typology != 9))
        return display;
    if (!sheet.result(Ra, row)) {
        display.kind = DistanceKind::Hide; // a row without results has no largest moment
        return display;
    }
    const double d = kDistance[normalised(typology) - 1][span];
    if (d == kNoChange)
        return display;
    if (d == kHide) {
        display.kind = DistanceKind::Hide;
        return display;
    }
    const double l = sheet.number(Luce, row);
    const double x = std::floor(l * d * 100 + 0.5) / 100;
    display.kind = DistanceKind::Show;
    display.caption = QString("Il momento massimo in ") + kSpanNames[span] +
                      " è alla distanza di m." + Str(x) + kFrom[span];
    return display;
}
