#include "tests/diagramchecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Force acting exactly at x: reactions up, point loads down.
double forceAt(const BeamDiagram& d, double x) {
    double f = 0;
    for (const DiagramSupport& s : d.supports) {
        if (s.x == x)
            f += s.reaction;
    }
    for (const PointLoad& p : d.pointLoads) {
        if (p.x == x)
            f -= p.force;
    }
    return f;
}

bool hasStationAt(const BeamDiagram& d, double x) {
    return std::any_of(d.stations.begin(), d.stations.end(),
                       [x](const Station& s) { return s.x == x; });
}

} // namespace

void ExpectDiagramCloses(const BeamDiagram& d, const std::string& context) {
    ASSERT_GE(d.stations.size(), 51u) << context;
    double forceScale = TotalLoad(d);
    for (const DiagramSupport& s : d.supports)
        forceScale += std::abs(s.reaction);
    double momentScale = 0;
    for (const Station& s : d.stations)
        momentScale = std::max(momentScale, std::abs(s.m));
    const double vTol = 1e-9 * forceScale;

    const Station& first = d.stations.front();
    const Station& last = d.stations.back();
    EXPECT_EQ(first.x, 0) << context;
    EXPECT_EQ(first.vLeft, 0) << context;
    EXPECT_DOUBLE_EQ(last.x, d.length) << context;
    EXPECT_NEAR(last.vRight, 0, vTol) << context << ": the diagram does not close";

    double reactions = 0;
    for (const DiagramSupport& s : d.supports) {
        reactions += s.reaction;
        EXPECT_TRUE(hasStationAt(d, s.x)) << context << " support " << s.name.toStdString();
    }
    EXPECT_NEAR(reactions, TotalLoad(d), vTol) << context << ": reactions against load";
    for (const PointLoad& p : d.pointLoads)
        EXPECT_TRUE(hasStationAt(d, p.x)) << context << " point load at " << p.x;

    for (size_t i = 0; i < d.stations.size(); ++i) {
        const Station& s = d.stations[i];
        EXPECT_NEAR(s.vRight - s.vLeft, forceAt(d, s.x), vTol) << context << " jump at " << s.x;
        if (i == 0)
            continue;
        const Station& p = d.stations[i - 1];
        ASSERT_GT(s.x, p.x) << context << ": sections out of order";
        // Between two sections V is at most a parabola: Simpson's rule is exact for it.
        const double h = s.x - p.x;
        const double mid = ShearRightOf(d, p.x + h / 2);
        const double area = h / 6 * (p.vRight + 4 * mid + s.vLeft);
        const double change = s.m - p.m;
        EXPECT_NEAR(change, area, 1e-3 * std::abs(change) + 1e-9 * momentScale)
            << context << " between " << p.x << " and " << s.x;
    }
}
