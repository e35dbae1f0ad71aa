#pragma once
// The exact solution of a continuous beam of two to four equal spans of constant section
// under a uniform load on some of its spans: the support moments from the three-moment
// equation, then every span as a simply supported beam under its load and end moments.
#include <array>

namespace Continuous {

constexpr int kMaxSpans = 4;

struct ExactSolution {
    int spans = 0;
    double length = 0; // m, of every span
    // Per support A..E (past the last support: 0).
    double supportMoment[kMaxSpans + 1] = {}; // kgm, sagging positive; 0 at both ends
    double reaction[kMaxSpans + 1] = {};      // kg, upward positive
    // Per span A-B..D-E.
    double load[kMaxSpans] = {};         // kg/m
    double shearAtStart[kMaxSpans] = {}; // kg, just right of the span's left support
    // The largest moment of a loaded span and its distance from the span's left support;
    // for an unloaded span, whose moment is linear, its moment at midspan.
    double spanMoment[kMaxSpans] = {};
    double spanMomentX[kMaxSpans] = {};
};

// Whether span `span` (0 = A-B .. 3 = D-E) of the typology's beam carries the load.
bool SpanLoaded(int typology, int span);

// The beam of the typology with spans of length l and load q on its loaded spans.
ExactSolution SolveExact(int typology, double q, double l);

// The twelve results of the grid in column order (A-B, mom.B, ..., Re), before rounding:
// the largest moment of every loaded span and the midspan moment of an unloaded one,
// the support moments and the reactions; 0 for a span or support the beam lacks.
std::array<double, 12> ExactResults(const ExactSolution& solution);

} // namespace Continuous
