// The field of use of every continuous-beam typology: equal spans whose length is a
// datum of every row (not above 0 the row is incomplete) under a load above 0.
#include "continuous/calc.h"

namespace {

using namespace Continuous;

const FieldOfUse kLoaded = {Positive(Carico, "- il carico è nullo.")};

} // namespace

const FieldOfUse& Continuous::FieldOf(int) {
    // The ten load patterns assume the same of their data.
    return kLoaded;
}
