// The field of use of every shape: the first dimension is a datum of every row (not
// above 0 the row is incomplete); a second dimension that is a height must be above 0;
// an inner dimension lies within the outer one (a hollow of 0 is a full section). Any
// shape whose area or moment of inertia is not above 0 is outside too (calc.cpp).
#include "sections/calc.h"

namespace {

const char* const kNoHeight = "- l'altezza H è nulla.";
const char* const kInnerHeight = "- l'altezza h non è minore dell'altezza H.";
const char* const kInnerSide = "- il lato b non è minore del lato B.";
const char* const kInnerDiameter = "- il diametro interno non è minore di quello esterno.";
const char* const kWideWeb = "- la larghezza b supera la larghezza B.";
const char* const kTallWeb = "- l'altezza h supera l'altezza H.";

const FieldOfUse kFields[] = {
    /* 1 rettangolo */ {Positive(2, kNoHeight)},
    /* 2 doppio T senza ala */ {Positive(2, kNoHeight), Below(3, 2, kInnerHeight)},
    /* 3 quadrato */ {},
    /* 4 rombo */ {},
    /* 5 quadrato tubolare */ {Below(2, 1, kInnerSide)},
    /* 6 rombo tubolare */ {Below(2, 1, kInnerSide)},
    /* 7 triangolo isoscele */ {Positive(2, kNoHeight)},
    /* 8 esagono su angolo */ {},
    /* 9 esagono su lato */ {},
    /* 10 trapezio isoscele */ {Positive(2, kNoHeight)},
    /* 11 tondo */ {},
    /* 12 tubo */ {Below(2, 1, kInnerDiameter)},
    /* 13 semitondo */ {},
    /* 14 ellisse */ {Positive(2, kNoHeight)},
    /* 15 a C e doppio T */
    {Positive(2, kNoHeight), NotAbove(3, 1, kWideWeb), NotAbove(4, 2, kTallWeb)},
    // The web of a cross is taller than its arms, that of an H lower than its flanges.
    /* 16 a croce e ad H */ {Positive(2, kNoHeight)},
    /* 17 a L, a T, ad U */ {Positive(2, kNoHeight), NotAbove(4, 2, kTallWeb)},
};

} // namespace

const FieldOfUse& SectionField(int typology) {
    return kFields[(typology >= 1 && typology <= 17 ? typology : 1) - 1];
}
