// The field of use of every arch typology. A span, load or rise below a hundredth
// cannot describe an arch. A vertical force lies on the left half of the span, where
// the formulas of its thrust and crown moment hold (a force on the right half is the
// same arch seen from the other support); a horizontal force lies within the span and
// not above the rise.
#include "arches/calc.h"

namespace {

enum Data { Luce = 1, Carico, Dist, Alt, Frec };

const FieldRule kSpan = AtLeast(Luce, 0.01, "- la luce l è minore di 0,01 m.");
const FieldRule kLoad = AtLeast(Carico, 0.01, "- il carico è minore di 0,01.");
const FieldRule kRise = AtLeast(Frec, 0.01, "- la freccia f è minore di 0,01 m.");
const FieldRule kLeftHalf =
    NotAbove(Dist, Luce, "- la distanza a supera metà della luce (l/2).", 0.5);
const FieldRule kWithinSpan = NotAbove(Dist, Luce, "- la distanza a supera la luce.");
const FieldRule kBelowRise = NotAbove(Alt, Frec, "- l'altezza h supera la freccia f.");

const FieldOfUse kFields[] = {
    /* 1 */ {kSpan, kLoad, kRise, kLeftHalf},
    /* 2 */ {kSpan, kLoad, kRise, kBelowRise},
    /* 3 */ {kSpan, kLoad, kRise},
    /* 4 */ {kSpan, kLoad, kRise},
    /* 5 */ {kSpan, kLoad, kRise},
    /* 6 */ {kSpan, kLoad, kRise, kLeftHalf},
    /* 7 */ {kSpan, kLoad, kRise, kWithinSpan, kBelowRise},
    /* 8 */ {kSpan, kLoad, kRise},
    /* 9 */ {kSpan, kLoad, kRise},
    /* 10 */ {kSpan, kLoad, kRise},
    /* 11 */ {kSpan, kLoad, kRise, kLeftHalf},
    /* 12 */ {kSpan, kLoad, kRise, kWithinSpan, kBelowRise},
    /* 13 */ {kSpan, kLoad, kRise},
    /* 14 */ {kSpan, kLoad, kRise},
    /* 15 */ {kSpan, kLoad, kRise},
};

} // namespace

const FieldOfUse& ArchesField(int typology) {
    return kFields[ArchesTypology(typology) - 1];
}
