#include "sheetwindow/diagramdrawing.h"

#include "beams/diagram.h"
#include "beams/params.h"
#include "continuous/diagram.h"
#include "continuous/params.h"
#include "sheetwindow/diagrampaint.h"
#include "tests/sheets.h"

#include <QPainterPath>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(DiagramDrawing, ShapesFitTheFrameAndSaggingLiesBelow) {
    // Typology 2: only A-B is loaded and C holds the beam down, so V and M take both signs.
    const Sheet sheet = ComputedSheet(continuousParams(), 2, {{"5", "1000"}});
    const std::optional<BeamDiagram> d = ContinuousBeamDiagram(sheet, 2, 1, {});
    ASSERT_TRUE(d);
    const DiagramDrawing drawing = LayOutDiagram(*d, 800, 600);
    ASSERT_FALSE(drawing.labels.empty());

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

// A point load on support A: the shear rises by the reaction and falls back by the load
// on the support's own vertical, and stays on its axis along the span.
TEST(DiagramDrawing, APointLoadOnASupportIsAVerticalSpike) {
    const Sheet sheet = ComputedSheet(beamsParams(), 4, {{"6", "1000", "0"}});
    const std::optional<BeamDiagram> d = SimpleBeamDiagram(sheet, 4, 1);
    ASSERT_TRUE(d);
    const DiagramDrawing drawing = LayOutDiagram(*d, 800, 600);
    const double a = drawing.beam.front().x();
    std::vector<QPointF> atA, beyond;
    for (const QPointF& p : drawing.shearArea)
        (p.x() == a ? atA : beyond).push_back(p);
    ASSERT_GE(atA.size(), 3u);
    EXPECT_LT(std::min_element(atA.begin(), atA.end(),
                               [](const QPointF& l, const QPointF& r) { return l.y() < r.y(); })
                  ->y(),
              drawing.shearAxisY);
    EXPECT_EQ(atA.back().y(), drawing.shearAxisY);
    for (const QPointF& p : beyond)
        EXPECT_EQ(p.y(), drawing.shearAxisY) << p.x();
}

namespace {

struct LoadCase {
    const char* window;
    int typology;
    std::vector<const char*> row;
};

// Every typology of both beam windows under a few loads: short and long beams, light and
// heavy loads, loads near an end.
std::vector<LoadCase> everyTypology() {
    std::vector<LoadCase> cases;
    for (int t = 1; t <= 20; ++t) {
        if (t == 4 || t == 10 || t == 16) { // a point load at a
            cases.push_back({"travi", t, {"6", "1000", "2"}});
            cases.push_back({"travi", t, {"7,5", "25000", "0,4"}});
            cases.push_back({"travi", t, {"2,5", "350", "2,2"}});
        } else if (t == 6 || t == 12 || t == 18) { // a uniform load from A to a
            cases.push_back({"travi", t, {"6", "800", "2"}});
            cases.push_back({"travi", t, {"6", "12500", "5,8"}});
        } else if (t == 9 || t == 15) { // a trapezoid from pa to pb
            cases.push_back({"travi", t, {"6", "500", "1500"}});
            cases.push_back({"travi", t, {"4", "3000", "100"}});
            cases.push_back({"travi", t, {"8", "2000", "2100"}});
        } else {
            cases.push_back({"travi", t, {"6", "800"}});
            cases.push_back({"travi", t, {"2,5", "12000"}});
        }
    }
    for (int t = 1; t <= 10; ++t) {
        cases.push_back({"continue", t, {"5", "1200"}});
        cases.push_back({"continue", t, {"3,5", "18500"}});
    }
    return cases;
}

std::optional<BeamDiagram> diagramOf(const LoadCase& c) {
    const SheetParams& params = windowParams(c.window);
    const Sheet sheet = ComputedSheet(params, c.typology, {c.row});
    return params.diagram ? params.diagram(sheet, c.typology, 1, {}) : std::nullopt;
}

QString kg(double v) {
    return QString::number(std::floor(v * 10 + 0.5) / 10 + 0.0, 'f', 1).replace('.', ',') + " kg";
}

QPainterPath filled(const std::vector<QPointF>& outline) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QVector<QPointF>(outline.begin(), outline.end())));
    path.closeSubpath();
    return path;
}

QPainterPath stroke(const QPointF& a, const QPointF& b) {
    QPainterPath path;
    path.addRect(QRectF(a, b).normalized().adjusted(-1, -1, 1, 1));
    return path;
}

} // namespace

// Laid out as the panel shows it at 1366×768 and maximised at 1920×1080, and as the SVG
// drawing: no value overlaps another value, a letter, a filled area, an arrow, the beam or
// the edge of the frame; the shear just left and just right of every support and every
// reaction are written.
TEST(DiagramDrawing, ValuesKeepClearOfEachOtherAndOfTheShapes) {
    struct Frame {
        double width, height, text;
    };
    const Frame frames[] = {{698, 224, 11}, {1120, 356, 16}, {960, 600, 0}};
    for (const LoadCase& c : everyTypology()) {
        const std::optional<BeamDiagram> d = diagramOf(c);
        const std::string name = std::string(c.window) + " " + std::to_string(c.typology) + " " +
                                 c.row[0] + ";" + c.row[1] + (c.row.size() > 2 ? ";" : "") +
                                 (c.row.size() > 2 ? c.row[2] : "");
        ASSERT_TRUE(d) << name;
        for (const Frame& f : frames) {
            DiagramView view;
            view.row = 1;
            view.item = "Trave";
            view.typology = c.typology;
            view.typologyName = "tipologia di prova";
            view.diagram = d;
            const DiagramPicture picture =
                LayOutPicture(view, QRectF(1, 1, f.width, f.height), QFont(), f.text);
            const DiagramDrawing& drawing = picture.drawing;
            const std::string context =
                name + " in " + std::to_string(int(f.width)) + "x" + std::to_string(int(f.height));
            if (f.text > 0) {
                EXPECT_EQ(picture.font.pixelSize(), f.text) << context;
            }

            std::vector<QRectF> boxes;
            for (const DrawingLabel& label : drawing.labels)
                boxes.push_back(label.box);
            for (const DrawingMark& mark : drawing.supports)
                boxes.push_back(mark.letter);
            boxes.push_back(drawing.shearLetter);
            boxes.push_back(drawing.momentLetter);
            const QRectF frame(0, 0, drawing.width, drawing.height);
            for (size_t i = 0; i < boxes.size(); ++i) {
                const QString text = i < drawing.labels.size() ? drawing.labels[i].text : "letter";
                const std::string what = context + ": " + text.toStdString();
                EXPECT_TRUE(frame.contains(boxes[i])) << what;
                for (size_t j = i + 1; j < boxes.size(); ++j)
                    EXPECT_FALSE(boxes[i].intersects(boxes[j])) << what << " and box " << j;
            }

            std::vector<QPainterPath> shapes{filled(drawing.shearArea), filled(drawing.momentArea),
                                             stroke(drawing.beam.front(), drawing.beam.back())};
            for (const auto& outline : drawing.loadAreas)
                shapes.push_back(filled(outline));
            for (const auto* arrows : {&drawing.loadArrows, &drawing.reactionArrows}) {
                for (const DrawingArrow& arrow : *arrows)
                    shapes.push_back(stroke(arrow.tail, arrow.head));
            }
            for (const DrawingLabel& label : drawing.labels) {
                for (const QPainterPath& shape : shapes)
                    EXPECT_FALSE(shape.intersects(label.box))
                        << context << ": " << label.text.toStdString();
            }

            const auto written = [&](const QString& text) {
                return std::any_of(drawing.labels.begin(), drawing.labels.end(),
                                   [&](const DrawingLabel& l) { return l.text == text; });
            };
            for (const DiagramSupport& s : d->supports) {
                if (s.kind == SupportKind::Free)
                    continue;
                const double vl = ShearLeftOf(*d, s.x), vr = ShearRightOf(*d, s.x);
                if (s.x > 0 && std::abs(vl) >= 0.05) {
                    EXPECT_TRUE(written(kg(vl)))
                        << context << ": V left of " << s.name.toStdString();
                }
                if (s.x < d->length && std::abs(vr) >= 0.05) {
                    EXPECT_TRUE(written(kg(vr)))
                        << context << ": V right of " << s.name.toStdString();
                }
                EXPECT_TRUE(written("R" + s.name.toLower() + " = " + kg(s.reaction)))
                    << context << ": reaction " << s.name.toStdString();
            }
            EXPECT_EQ(drawing.reactionArrows.size(),
                      size_t(std::count_if(
                          d->supports.begin(), d->supports.end(),
                          [](const DiagramSupport& s) { return s.kind != SupportKind::Free; })))
                << context;
            for (const SpanPeak& peak : d->peaks) {
                const QString at = " a x = " +
                                   QString::number(std::floor(peak.x * 100 + 0.5) / 100, 'f', 2)
                                       .replace('.', ',') +
                                   " m";
                const bool peakWritten =
                    std::any_of(drawing.labels.begin(), drawing.labels.end(),
                                [&](const DrawingLabel& l) { return l.text.endsWith(at); });
                EXPECT_TRUE(peakWritten)
                    << context << ": largest moment of " << peak.span.toStdString();
            }
        }
    }
}
