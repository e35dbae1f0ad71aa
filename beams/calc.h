#pragma once
// The simple-beams calculation: support moments, largest span moment and support
// shears of every row, and the position of the largest span moment shown when the
// pointer rests on a row number.
#include "sheet/field.h"
#include "sheet/params.h"

#include <QString>
#include <optional>

namespace Beams {
// Data and result columns of the beams sheet.
enum Datum { Luce = 1, Dato2, Dato3 };
enum Output { MomA = 1, MomB, MomC, TaglioA, TaglioB };

// Typology N itself when it is one of 1..20, else 1.
int normalised(int typology);

// Whether typology N (1..20; others read as 1) takes a third datum.
bool UsesDato3(int typology);
// The field of use of typology N (1..20; others read as 1): a complete row outside it
// gets no results.
const FieldOfUse& FieldOf(int typology);
// Whether typology N shows the position x of its largest span moment.
bool HasMaxMomentX(int typology);

// Working values of one row before rounding: support moments, span moment, support
// shears (tb as the reaction at B, upward positive).
struct Forces {
    double ma = 0, mb = 0, mc = 0, ta = 0, tb = 0;
};

// The working values of `row` as the calculation forms them; nothing when the row lacks
// a datum its typology needs, lies outside the typology's field of use, has a uniform
// trapezoid, or leaves a divisor at zero.
std::optional<Forces> RowForces(const Sheet& sheet, int typology, int row);
} // namespace Beams

// Computes rows 1..n; stops silently at a row that lacks a needed datum and refuses a
// uniform trapezoid (typologies 9 and 15) at the row that has one. A row whose data
// leave a divisor at zero gets no results, and the rows after it are still computed.
CalcOutcome CalculateBeams(Sheet& sheet, int typology);

// Distance from A, in m rounded to 2 decimals, of the largest span moment of a row;
// nothing for the typologies without it, when a value it needs is empty, or when the
// data give no finite position.
std::optional<double> BeamMaxMomentX(const Sheet& sheet, int typology, int row);

// Caption of `perX` for the hovered row number: "Trave n. 3: momento max per x = m. 3".
// *visible is false for the typologies without a position (the box is hidden).
QString BeamHoverCaption(const Sheet& sheet, int typology, int row, bool* visible);
