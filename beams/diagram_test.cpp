#include "beams/diagram.h"

#include "sheet/numbers.h"

#include "beams/calc.h"
#include "beams/params.h"
#include "tests/diagramchecks.h"
#include "tests/sheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace Beams;
using ModPonteluma::RoundHalfUp;

namespace {

// Two beams of each typology: the second moves the point or the end of the partial load.
struct Case {
    int typology;
    std::vector<std::vector<const char*>> rows;
};

const Case kCases[] = {
    {1, {{"2", "1000"}, {"3,5", "750"}}},
    {2, {{"4", "800"}, {"2,5", "1200"}}},
    {3, {{"4", "800"}, {"3", "1500"}}},
    {4, {{"6", "1000", "2"}, {"5", "1200", "3,7"}}},
    {5, {{"6", "800"}, {"4,5", "1100"}}},
    {6, {{"6", "1000", "2"}, {"5", "1200", "4,2"}}},
    {7, {{"6", "900"}, {"4,5", "1300"}}},
    {8, {{"6", "900"}, {"5,5", "700"}}},
    {9, {{"6", "500", "1500"}, {"5", "2000", "400"}}},
    {10, {{"6", "1000", "2"}, {"5", "1200", "3,7"}}},
    {11, {{"8", "1000"}, {"4,5", "1100"}}},
    {12, {{"6", "1000", "2"}, {"5", "1200", "4,2"}}},
    {13, {{"6", "900"}, {"4,5", "1300"}}},
    {14, {{"6", "900"}, {"5,5", "700"}}},
    {15, {{"6", "500", "1500"}, {"5", "2000", "400"}}},
    {16, {{"6", "1000", "2"}, {"5", "1200", "3,7"}}},
    {17, {{"6", "800"}, {"4,5", "1100"}}},
    {18, {{"6", "1000", "2"}, {"5", "1200", "4,2"}}},
    {19, {{"6", "900"}, {"4,5", "1300"}}},
    {20, {{"6", "900"}, {"5,5", "700"}}},
};

double grid(const Sheet& sheet, int column, int row) {
    const Result& r = sheet.result(column, row);
    return r ? *r : std::nan("");
}

// The same value up to the last bits of a different order of evaluation.
void expectSame(double got, double want, const std::string& context) {
    EXPECT_NEAR(got, want, 1e-9 * std::max(1.0, std::abs(want))) << context;
}

} // namespace

TEST(BeamDiagram, EveryTypologyMatchesItsRowAndCloses) {
    for (const Case& c : kCases) {
        const Sheet sheet = ComputedSheet(beamsParams(), c.typology, c.rows);
        for (int row = 1; row <= int(c.rows.size()); ++row) {
            const std::string context =
                "typology " + std::to_string(c.typology) + " row " + std::to_string(row);
            const std::optional<BeamDiagram> d = SimpleBeamDiagram(sheet, c.typology, row);
            ASSERT_TRUE(d) << context;
            const Forces f = *RowForces(sheet, c.typology, row);
            const double l = sheet.number(Luce, row);

            // The ends carry the row's own moments and reactions.
            expectSame(d->stations.front().m, f.ma, context + " M(0)");
            expectSame(d->stations.back().m, f.mb, context + " M(L)");
            EXPECT_EQ(RoundHalfUp(d->stations.front().m), grid(sheet, MomA, row)) << context;
            EXPECT_EQ(RoundHalfUp(d->stations.back().m), grid(sheet, MomB, row)) << context;
            const double loadAtA = c.typology == 1 ? sheet.number(Dato2, row) : 0;
            expectSame(d->stations.front().vRight, f.ta - loadAtA, context + " V right of A");
            expectSame(d->stations.back().vRight - d->stations.back().vLeft, f.tb,
                       context + " reaction at B");

            if (c.typology <= 3) {
                EXPECT_TRUE(d->peaks.empty()) << context << ": a cantilever has no span moment";
            } else {
                ASSERT_EQ(d->peaks.size(), 1u) << context;
                const SpanPeak& peak = d->peaks.front();
                expectSame(peak.m, f.mc, context + " largest moment");
                EXPECT_EQ(RoundHalfUp(peak.m), grid(sheet, MomC, row)) << context;
                if (const std::optional<double> hover = BeamMaxMomentX(sheet, c.typology, row)) {
                    // The hover rounds to centimetres; 6, 12 and 18 divide the rounded Ta by p,
                    // which may move it by up to half a kg over p more.
                    const bool fromRoundedTa =
                        c.typology == 6 || c.typology == 12 || c.typology == 18;
                    const double slack =
                        0.005 + (fromRoundedTa ? 0.5 / sheet.number(Dato2, row) : 0) + 1e-9;
                    EXPECT_NEAR(peak.x, *hover, slack) << context << " x of the largest moment";
                } else if (UsesDato3(c.typology)) {
                    EXPECT_EQ(peak.x, sheet.number(Dato3, row)) << context << " under the load";
                } else {
                    expectSame(peak.x, l / 2, context + " x at midspan");
                }
            }
            for (const CheckItem& item : d->check.items)
                EXPECT_NEAR(item.percent, 0, 1e-6) << context << " " << item.label.toStdString();
            EXPECT_NEAR(d->check.sumReactions, d->check.totalLoad, 1e-9 * d->check.totalLoad)
                << context;
            ExpectDiagramCloses(*d, context);
        }
    }
}

TEST(BeamDiagram, NoDiagramWithoutAResult) {
    // Missing distance, uniform trapezoid, load off the beam, no load.
    const Sheet t4 = ComputedSheet(beamsParams(), 4, {{"6", "1000"}, {"6", "1000", "7"}});
    EXPECT_FALSE(SimpleBeamDiagram(t4, 4, 1));
    EXPECT_FALSE(SimpleBeamDiagram(t4, 4, 2));
    const Sheet t9 = ComputedSheet(beamsParams(), 9, {{"6", "800", "800"}});
    EXPECT_FALSE(SimpleBeamDiagram(t9, 9, 1));
    const Sheet t5 = ComputedSheet(beamsParams(), 5, {{"6"}});
    EXPECT_FALSE(SimpleBeamDiagram(t5, 5, 1));
    EXPECT_FALSE(SimpleBeamDiagram(t5, 5, 2));
}
