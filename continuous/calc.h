#pragma once
// The continuous-beams calculation: span moments, support moments and reactions of
// beams of two to four equal spans, from tabulated coefficients (the default) or from
// the exact solution, and the distance of the largest span moment shown when the
// pointer rests on a span-moment result.
#include "sheet/field.h"
#include "sheet/params.h"

#include <QString>
#include <array>
#include <optional>

namespace Continuous {
enum Datum { Luce = 1, Carico };
enum Output { MomAB = 1, MomB, MomBC, MomC, MomCD, MomD, MomDE, Ra, Rb, Rc, Rd, Re };
enum Span { SpanAB = 0, SpanBC, SpanCD, SpanDE };
// The methods of the window, in the order of SheetParams::methods.
enum Method { Tabulated = 0, Exact };

// The twelve results of a beam of span l under load q before rounding, in column order
// (index 0 is A-B, index 11 is Re); results the typology does not set are 0.
std::array<double, 12> TabulatedResults(int typology, double q, double l);
// Whether the typology's table gives the result of `column` (MomAB .. Re).
bool GivesResult(int typology, int column);
// Distance in m, before rounding, of the largest moment of `span` from the support the
// hover display names (A-B from A, B-C from B, C-D from C, D-E from E); nothing where
// the display hides or keeps its text.
std::optional<double> MaxMomentDistance(int typology, int span, double l);

// The twelve results the grid shows under the method, before rounding, in column order:
// the tabulated ones with a mirrored span showing its twin's value, or the exact ones.
std::array<double, 12> MethodResults(int typology, int method, double q, double l);
// Whether the method gives result `column` for the typology's beam: the tabulated
// method leaves some span moments at 0 without giving them; the exact one gives all.
bool MethodGives(int typology, int method, int column);

// The field of use of typology N: a complete row outside it gets no results.
const FieldOfUse& FieldOf(int typology);
} // namespace Continuous

// Computes every complete row of 1..n with the settings' method; a row without its span
// or load shows nothing. The results of spans and supports the beam does not have stay
// empty.
CalcOutcome CalculateContinuous(Sheet& sheet, int typology, const CalcSettings& settings = {});

// Spans of the typology's beam: 2, 3 or 4.
int ContinuousSpans(int typology);
// Whether the beam of the typology has the span or support of result column `column`.
bool ContinuousHasResult(int typology, int column);

enum class DistanceKind {
    Show,    // `distanza` visible with the caption
    Hide,    // `distanza` hidden
    NoChange // `distanza` left as it was
};

struct DistanceDisplay {
    DistanceKind kind = DistanceKind::NoChange;
    QString caption; // set when kind is Show
};

// What `distanza` shows when the pointer rests on the span-moment result of `span`
// (Continuous::Span) in sheet row `row`: under the tabulated method the table's distance,
// under the exact one that of the largest moment of a loaded span (an unloaded span
// shows its midspan moment and hides the display).
DistanceDisplay ContinuousDistance(const Sheet& sheet, int typology, int span, int row,
                                   const CalcSettings& settings = {});
