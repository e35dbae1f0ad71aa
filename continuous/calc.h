#pragma once
// The continuous-beams calculation: span moments, support moments and reactions of
// beams of two to four equal spans from tabulated coefficients, and the distance of
// the largest span moment shown when the pointer rests on a span-moment result.
#include "sheet/params.h"

#include <QString>

namespace Continuous {
enum Datum { Luce = 1, Carico };
enum Output { MomAB = 1, MomB, MomBC, MomC, MomCD, MomD, MomDE, Ra, Rb, Rc, Rd, Re };
enum Span { SpanAB = 0, SpanBC, SpanCD, SpanDE };
} // namespace Continuous

// Computes every complete row of 1..n; a row without its span or load shows nothing.
// A span that mirrors another shows its value; the results of spans and supports the
// beam does not have stay empty.
CalcOutcome CalculateContinuous(Sheet& sheet, int typology);

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
// (Continuous::Span) in sheet row `row`.
DistanceDisplay ContinuousDistance(const Sheet& sheet, int typology, int span, int row);
