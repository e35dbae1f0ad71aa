// The field of use of every plate typology: the first datum is a datum of every row
// (not above 0 the row is incomplete); the load is above 0; the coefficients of a
// rectangle are read by ly/lx from 1 up, so lx is the short side.
#include "plates/calc.h"

namespace {

enum Data { First = 1, Ly, Load };

const FieldRule kLoad = Positive(Load, "- il carico è nullo.");

const FieldOfUse kRectangle = {Positive(Ly, "- il lato ly è nullo."),
                               NotAbove(First, Ly, "- il lato lx supera il lato ly."), kLoad};
const FieldOfUse kCircle = {kLoad};
const FieldOfUse kNone = {};

} // namespace

const FieldOfUse& PlatesField(int typology) {
    if (typology <= 2)
        return kRectangle; // 1 and 2, and a typology below 1 computed as 1
    return typology <= 4 ? kCircle : kNone;
}
