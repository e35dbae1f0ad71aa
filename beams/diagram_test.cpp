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

namespace {

QString printedX(double x) {
    return QString::number(std::floor(x * 1000 + 0.5) / 1000 + 0.0, 'f', 3).replace('.', ',');
}

} // namespace

// Two lines of the table share an x only where V jumps: at a support or under a point
// load (three lines when the load is on the support), never a step or a peak printed
// beside a load's edge.
TEST(BeamDiagram, TheTableSharesAnXOnlyWhereVJumps) {
    std::vector<Case> cases(std::begin(kCases), std::end(kCases));
    cases.push_back({6, {{"5,63", "2681,1", "2,07"}}}); // a step 0,3 mm from the peak
    for (int typology : {4, 6, 10, 12, 16, 18})
        cases.push_back({typology, {{"6", "1000", "0"}, {"6", "1000", "6"}}});
    for (const Case& c : cases) {
        const Sheet sheet = ComputedSheet(beamsParams(), c.typology, c.rows);
        for (int row = 1; row <= int(c.rows.size()); ++row) {
            const std::string context =
                "typology " + std::to_string(c.typology) + " row " + std::to_string(row);
            const std::optional<BeamDiagram> d = SimpleBeamDiagram(sheet, c.typology, row);
            ASSERT_TRUE(d) << context;
            QStringList jumps;
            for (const DiagramSupport& s : d->supports)
                jumps << printedX(s.x);
            for (const PointLoad& p : d->pointLoads)
                jumps << printedX(p.x);
            QStringList lines = DiagramTable(*d).split('\n', Qt::SkipEmptyParts);
            lines.removeFirst();
            for (int i = 1; i < lines.size(); ++i) {
                const QString x = lines[i].section(';', 0, 0);
                if (x != lines[i - 1].section(';', 0, 0))
                    continue;
                EXPECT_TRUE(jumps.contains(x)) << context << ": " << lines[i].toStdString();
                EXPECT_NE(lines[i].section(';', 1, 1), lines[i - 1].section(';', 1, 1))
                    << context << ": " << lines[i].toStdString();
            }
        }
    }
}

// A point load on a support: the table jumps by the reaction, then by the load, and the
// value between is the support's shear of the grid.
TEST(BeamDiagram, APointLoadOnASupportShowsTheReactionAsAJump) {
    const Sheet sheet = ComputedSheet(beamsParams(), 4, {{"6", "1000", "0"}, {"6", "1000", "6"}});
    EXPECT_EQ(grid(sheet, TaglioA, 1), 1000);
    EXPECT_EQ(grid(sheet, TaglioB, 2), -1000);
    QStringList atA = DiagramTable(*SimpleBeamDiagram(sheet, 4, 1)).split('\n');
    EXPECT_EQ(atA.mid(1, 4),
              QStringList({"0,000;0,0;0,0", "0,000;1000,0;0,0", "0,000;0,0;0,0", "0,120;0,0;0,0"}));
    QStringList atB = DiagramTable(*SimpleBeamDiagram(sheet, 4, 2)).split('\n');
    EXPECT_EQ(atB.mid(atB.size() - 4),
              QStringList({"6,000;0,0;0,0", "6,000;-1000,0;0,0", "6,000;0,0;0,0", ""}));

    // A partial load of length 0 loads nothing: a table of zeros.
    const Sheet empty = ComputedSheet(beamsParams(), 12, {{"6", "1000", "0"}});
    const std::optional<BeamDiagram> d = SimpleBeamDiagram(empty, 12, 1);
    ASSERT_TRUE(d);
    for (const Station& s : d->stations)
        EXPECT_TRUE(s.vLeft == 0 && s.vRight == 0 && s.m == 0) << s.x;
}
