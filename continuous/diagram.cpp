#include "continuous/diagram.h"

#include "continuous/calc.h"

using namespace Continuous;

namespace {

constexpr int kTypologies = 10;
constexpr int kMaxSpans = 4;

// Loaded spans of each typology, A-B first; 0 past the last span.
constexpr int kLoaded[kTypologies][kMaxSpans] = {
    {1, 1, 0, 0}, {1, 0, 0, 0}, {1, 1, 1, 0}, {1, 0, 1, 0}, {0, 1, 0, 0},
    {1, 1, 0, 0}, {1, 1, 1, 1}, {0, 1, 1, 0}, {1, 1, 0, 1}, {1, 0, 1, 0},
};

int normalised(int typology) {
    return typology >= 1 && typology <= kTypologies ? typology : 1;
}

const char* const kSupportNames[] = {"A", "B", "C", "D", "E"};
const char* const kSpanNames[] = {"A-B", "B-C", "C-D", "D-E"};
const char* const kReactionNames[] = {"Ra", "Rb", "Rc", "Rd", "Re"};
constexpr int kSpanColumns[] = {MomAB, MomBC, MomCD, MomDE};
constexpr int kSupportColumns[] = {0, MomB, MomC, MomD, 0}; // 0: an end, no moment

} // namespace

bool ContinuousSpanLoaded(int typology, int span) {
    if (span < 0 || span >= ContinuousSpans(typology))
        return false;
    return kLoaded[normalised(typology) - 1][span] != 0;
}

std::optional<BeamDiagram> ContinuousBeamDiagram(const Sheet& sheet, int typology, int row) {
    typology = normalised(typology);
    if (row < 1 || row > kMaxRows || sheet.isEmpty(Luce, row) || sheet.isEmpty(Carico, row))
        return std::nullopt;
    const double l = sheet.number(Luce, row);
    const double q = sheet.number(Carico, row);
    if (!(l > 0))
        return std::nullopt;
    const std::array<double, 12> tab = TabulatedResults(typology, q, l);
    const int spans = ContinuousSpans(typology);

    // Support moments: nil at both ends, the row's own over the inner supports.
    double moment[kMaxSpans + 1] = {};
    for (int j = 1; j < spans; ++j)
        moment[j] = tab[kSupportColumns[j] - 1];

    // Each span as a simply supported beam under its load and its end moments: the
    // shear at its left end, then the reactions as the jumps between the spans.
    double w[kMaxSpans] = {};
    double shearAtStart[kMaxSpans] = {};
    for (int i = 0; i < spans; ++i) {
        w[i] = ContinuousSpanLoaded(typology, i) ? q : 0;
        shearAtStart[i] = w[i] * l / 2 + (moment[i + 1] - moment[i]) / l;
    }
    double reaction[kMaxSpans + 1] = {};
    for (int j = 0; j <= spans; ++j) {
        const double right = j < spans ? shearAtStart[j] : 0;
        const double left = j > 0 ? shearAtStart[j - 1] - w[j - 1] * l : 0;
        reaction[j] = right - left;
    }

    BeamDiagram d;
    d.units = d.check.units = sheet.units();
    d.length = spans * l;
    for (int j = 0; j <= spans; ++j) {
        d.spanEnds.push_back(j * l);
        d.supports.push_back(
            {kSupportNames[j], j * l, SupportKind::Pinned, reaction[j], moment[j]});
    }
    for (int i = 0; i < spans; ++i) {
        if (w[i] != 0)
            d.linearLoads.push_back({i * l, (i + 1) * l, w[i], w[i]});
    }

    std::vector<double> extra;
    std::vector<int> peakOfSpan(spans, -1);
    for (int i = 0; i < spans; ++i) {
        SpanPeak peak;
        if (FindSpanPeak(d, i * l, (i + 1) * l, &peak.x, &peak.m)) {
            peak.span = kSpanNames[i];
            peakOfSpan[i] = int(d.peaks.size());
            d.peaks.push_back(peak);
            extra.push_back(peak.x);
        }
    }
    SampleStations(d, extra);

    StaticsCheck& check = d.check;
    check.totalLoad = TotalLoad(d);
    for (int j = 0; j <= spans; ++j)
        check.sumReactions += tab[Ra - 1 + j];
    const QString force = UnitName(Quantity::Force, d.units);
    AddCheckItem(check, "somma reazioni", force, check.sumReactions, check.totalLoad);
    for (int j = 0; j <= spans; ++j)
        AddCheckItem(check, kReactionNames[j], force, tab[Ra - 1 + j], reaction[j]);
    for (int i = 0; i < spans; ++i) {
        if (GivesResult(typology, kSpanColumns[i]) && peakOfSpan[i] >= 0)
            AddCheckItem(check, kSpanNames[i], UnitName(Quantity::Moment, d.units),
                         tab[kSpanColumns[i] - 1], d.peaks[peakOfSpan[i]].m);
    }
    return d;
}
