#include "sheetwindow/diagramdrawing.h"

#include "beams/diagram.h"
#include "beams/params.h"
#include "continuous/diagram.h"
#include "continuous/params.h"
#include "tests/sheets.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(DiagramDrawing, ShapesFitTheFrameAndSaggingLiesBelow) {
    // Typology 2: only A-B is loaded and C holds the beam down, so V and M take both signs.
    const Sheet sheet = ComputedSheet(continuousParams(), 2, {{"5", "1000"}});
    const std::optional<BeamDiagram> d = ContinuousBeamDiagram(sheet, 2, 1, {});
    ASSERT_TRUE(d);
    const DiagramDrawing drawing = LayOutDiagram(*d, 800, 600);

    auto inside = [&](const QPointF& p) {
        return p.x() >= 0 && p.x() <= 800 && p.y() >= 0 && p.y() <= 600;
    };
    for (const auto* area : {&drawing.shearArea, &drawing.momentArea}) {
        ASSERT_GE(area->size(), d->stations.size() + 2);
        EXPECT_TRUE(std::all_of(area->begin(), area->end(), inside));
    }
    for (const auto& outline : drawing.loadAreas)
        EXPECT_TRUE(std::all_of(outline.begin(), outline.end(), inside));

    // Both areas start and end on their axes, at the two ends of the beam.
    EXPECT_EQ(drawing.shearArea.front(), QPointF(drawing.beam.front().x(), drawing.shearAxisY));
    EXPECT_EQ(drawing.shearArea.back(), QPointF(drawing.beam.back().x(), drawing.shearAxisY));
    EXPECT_EQ(drawing.momentArea.back().y(), drawing.momentAxisY);

    // Supports at their scaled x: B halfway along the two equal spans.
    ASSERT_EQ(drawing.supports.size(), 3u);
    EXPECT_DOUBLE_EQ(drawing.supports[1].at.x(),
                     (drawing.beam.front().x() + drawing.beam.back().x()) / 2);

    // The sagging peak of A-B lies below the moment axis, the hogging B above it.
    const SpanPeak& peak = d->peaks.front();
    const auto lowest =
        std::max_element(drawing.momentArea.begin(), drawing.momentArea.end(),
                         [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    EXPECT_GT(lowest->y(), drawing.momentAxisY);
    EXPECT_NEAR(lowest->x(),
                drawing.beam.front().x() +
                    peak.x / d->length * (drawing.beam.back().x() - drawing.beam.front().x()),
                1e-9);
    const auto highest =
        std::min_element(drawing.momentArea.begin(), drawing.momentArea.end(),
                         [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    EXPECT_LT(highest->y(), drawing.momentAxisY);
    EXPECT_DOUBLE_EQ(highest->x(), drawing.supports[1].at.x());

    // The largest moment is written with its x.
    const bool written =
        std::any_of(drawing.labels.begin(), drawing.labels.end(),
                    [](const DrawingLabel& l) { return l.text == "2392,6 kgm a x = 2,19 m"; });
    EXPECT_TRUE(written);
}

TEST(DiagramDrawing, ALargestMomentUnderAPointLoadIsWrittenOnce) {
    // Simply supported, P = 1000 at a = 2 of 6: the peak of M is under the load.
    const Sheet sheet = ComputedSheet(beamsParams(), 4, {{"6", "1000", "2"}});
    const std::optional<BeamDiagram> d = SimpleBeamDiagram(sheet, 4, 1);
    ASSERT_TRUE(d);
    const DiagramDrawing drawing = LayOutDiagram(*d, 800, 300);
    const auto count =
        std::count_if(drawing.labels.begin(), drawing.labels.end(),
                      [](const DrawingLabel& l) { return l.text.startsWith("1333,3 kgm"); });
    EXPECT_EQ(count, 1);
}
