// The field of use of every simple-beam typology: the span is a datum of every row
// (a span not above 0 leaves the row incomplete); a load of 0 has nothing to compute;
// a point load or a partial load lies on the span (at a support or of length 0 it is
// inside the field); a trapezoid needs its loads where its formulas divide by them.
#include "beams/calc.h"

namespace {

using namespace Beams;

const char* const kPZero = "- il carico P è nullo.";
const char* const kpZero = "- il carico p è nullo.";
const char* const kPaZero = "- il carico pa è nullo.";
const char* const kPbZero = "- il carico pb è nullo.";
const char* const kBeyondSpan = "- la distanza a supera la luce.";

const FieldOfUse kFields[] = {
    /* 1 */ {Positive(Dato2, kPZero)},
    /* 2 */ {Positive(Dato2, kpZero)},
    /* 3 */ {Positive(Dato2, kpZero)},
    /* 4 */ {Positive(Dato2, kPZero), NotAbove(Dato3, Luce, kBeyondSpan)},
    /* 5 */ {Positive(Dato2, kpZero)},
    /* 6 */ {Positive(Dato2, kpZero), NotAbove(Dato3, Luce, kBeyondSpan)},
    /* 7 */ {Positive(Dato2, kpZero)},
    /* 8 */ {Positive(Dato2, kpZero)},
    /* 9 */ {Positive(Dato2, kPaZero)},
    /* 10 */ {Positive(Dato2, kPZero), NotAbove(Dato3, Luce, kBeyondSpan)},
    /* 11 */ {Positive(Dato2, kpZero)},
    /* 12 */ {Positive(Dato2, kpZero), NotAbove(Dato3, Luce, kBeyondSpan)},
    /* 13 */ {Positive(Dato2, kpZero)},
    /* 14 */ {Positive(Dato2, kpZero)},
    /* 15 */ {Positive(Dato2, kPaZero), Positive(Dato3, kPbZero)},
    /* 16 */ {Positive(Dato2, kPZero), NotAbove(Dato3, Luce, kBeyondSpan)},
    /* 17 */ {Positive(Dato2, kpZero)},
    /* 18 */ {Positive(Dato2, kpZero), NotAbove(Dato3, Luce, kBeyondSpan)},
    /* 19 */ {Positive(Dato2, kpZero)},
    /* 20 */ {Positive(Dato2, kpZero)},
};

} // namespace

const FieldOfUse& Beams::FieldOf(int typology) {
    return kFields[normalised(typology) - 1];
}
