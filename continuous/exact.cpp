#include "continuous/exact.h"

#include <algorithm>

namespace Continuous {

namespace {

constexpr int kTypologies = 10;

// Loaded spans of each typology, A-B first; 0 past the last span.
constexpr int kLoaded[kTypologies][kMaxSpans] = {
    {1, 1, 0, 0}, {1, 0, 0, 0}, {1, 1, 1, 0}, {1, 0, 1, 0}, {0, 1, 0, 0},
    {1, 1, 0, 0}, {1, 1, 1, 1}, {0, 1, 1, 0}, {1, 1, 0, 1}, {1, 0, 1, 0},
};
constexpr int kSpans[kTypologies] = {2, 2, 3, 3, 3, 3, 4, 4, 4, 4};

int normalised(int typology) {
    return typology >= 1 && typology <= kTypologies ? typology : 1;
}

} // namespace

bool SpanLoaded(int typology, int span) {
    const int t = normalised(typology);
    return span >= 0 && span < kSpans[t - 1] && kLoaded[t - 1][span] != 0;
}

ExactSolution SolveExact(int typology, double q, double l) {
    const int t = normalised(typology);
    ExactSolution s;
    s.spans = kSpans[t - 1];
    s.length = l;
    for (int i = 0; i < s.spans; ++i)
        s.load[i] = SpanLoaded(t, i) ? q : 0;

    // Three-moment equation over each inner support j of equal spans and section:
    //     M[j-1] + 4 M[j] + M[j+1] = -(w[j-1] + w[j]) l² / 4,
    // with M = 0 at both ends; the tridiagonal system is solved by elimination.
    const double l2 = l * l;
    const int unknowns = s.spans - 1;
    double diagonal[kMaxSpans] = {}, rhs[kMaxSpans] = {};
    for (int k = 0; k < unknowns; ++k) {
        diagonal[k] = 4;
        rhs[k] = -(s.load[k] + s.load[k + 1]) * l2 / 4;
        if (k > 0) {
            const double factor = 1 / diagonal[k - 1];
            diagonal[k] -= factor;
            rhs[k] -= factor * rhs[k - 1];
        }
    }
    for (int k = unknowns - 1; k >= 0; --k) // M over the last support stays 0
        s.supportMoment[k + 1] = (rhs[k] - s.supportMoment[k + 2]) / diagonal[k];

    for (int i = 0; i < s.spans; ++i) {
        const double w = s.load[i];
        const double left = s.supportMoment[i], right = s.supportMoment[i + 1];
        const double v0 = w * l / 2 + (right - left) / l;
        s.shearAtStart[i] = v0;
        if (w > 0) {
            // M(x) = left + v0·x - w·x²/2 is largest where the shear v0 - w·x is nil.
            const double x = std::clamp(v0 / w, 0.0, l);
            s.spanMomentX[i] = x;
            s.spanMoment[i] = left + v0 * x - w * (x * x) / 2;
        } else {
            s.spanMomentX[i] = l / 2;
            s.spanMoment[i] = (left + right) / 2;
        }
    }
    // A reaction is the jump of the shear over its support.
    for (int j = 0; j <= s.spans; ++j) {
        const double after = j < s.spans ? s.shearAtStart[j] : 0;
        const double before = j > 0 ? s.shearAtStart[j - 1] - s.load[j - 1] * l : 0;
        s.reaction[j] = after - before;
    }
    return s;
}

std::array<double, 12> ExactResults(const ExactSolution& s) {
    std::array<double, 12> values{};
    for (int i = 0; i < s.spans; ++i)
        values[size_t(2 * i)] = s.spanMoment[i]; // A-B, B-C, C-D, D-E
    for (int j = 1; j < s.spans; ++j)
        values[size_t(2 * j - 1)] = s.supportMoment[j]; // mom.B, mom.C, mom.D
    for (int j = 0; j <= s.spans; ++j)
        values[size_t(7 + j)] = s.reaction[j]; // Ra .. Re
    return values;
}

} // namespace Continuous
