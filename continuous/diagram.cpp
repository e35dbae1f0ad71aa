#include "continuous/diagram.h"

#include "continuous/calc.h"
#include "continuous/exact.h"
#include "continuous/params.h"
#include "sheet/numbers.h"

using namespace Continuous;

namespace {

const char* const kSupportNames[] = {"A", "B", "C", "D", "E"};
const char* const kSpanNames[] = {"A-B", "B-C", "C-D", "D-E"};
const char* const kResultNames[] = {"A-B", "mom.B", "B-C", "mom.C", "C-D", "mom.D",
                                    "D-E", "Ra",    "Rb",  "Rc",    "Rd",  "Re"};

} // namespace

std::optional<BeamDiagram> ContinuousBeamDiagram(const Sheet& sheet, int typology, int row,
                                                 const CalcSettings& settings) {
    if (row < 1 || row > kMaxRows || sheet.isEmpty(Luce, row) || sheet.isEmpty(Carico, row) ||
        sheet.isOutOfRange(row))
        return std::nullopt;
    const double l = sheet.number(Luce, row);
    const double q = sheet.number(Carico, row);
    if (!(l > 0))
        return std::nullopt;
    const ExactSolution exact = SolveExact(typology, q, l);
    const int spans = exact.spans;

    BeamDiagram d;
    d.units = d.check.units = sheet.units(); // the sheet computes in its own units
    d.length = spans * l;
    for (int j = 0; j <= spans; ++j) {
        d.spanEnds.push_back(j * l);
        d.supports.push_back({kSupportNames[j], j * l, SupportKind::Pinned, exact.reaction[j],
                              exact.supportMoment[j]});
    }
    std::vector<double> extra;
    for (int i = 0; i < spans; ++i) {
        if (exact.load[i] != 0) {
            d.linearLoads.push_back({i * l, (i + 1) * l, exact.load[i], exact.load[i]});
            // The largest moment of a loaded span, as the grid gives it under the exact
            // method (an unloaded span has none inside it).
            const double x = i * l + exact.spanMomentX[i];
            d.peaks.push_back({kSpanNames[i], x, exact.spanMoment[i]});
            extra.push_back(x);
        }
    }
    SampleStations(d, extra);

    // Every number the grid shows under the method, rounded as it shows it, against theory.
    StaticsCheck& check = d.check;
    check.totalLoad = TotalLoad(d);
    check.method = MethodName(continuousParams(), settings);
    const std::array<double, 12> grid = MethodResults(typology, settings.method, q, l);
    const std::array<double, 12> theory = ExactResults(exact);
    for (int column = MomAB; column <= Re; ++column) {
        if (!MethodGives(typology, settings.method, column))
            continue;
        const size_t k = size_t(column - 1);
        const double shown = sheet.rounded(column, grid[k]);
        check.sumReactions += column >= Ra ? shown : 0;
        AddTheoryItem(check, kResultNames[k],
                      UnitName(column >= Ra ? Quantity::Force : Quantity::Moment, d.units), shown,
                      theory[k], sheet.resultDecimals(column));
    }
    return d;
}
