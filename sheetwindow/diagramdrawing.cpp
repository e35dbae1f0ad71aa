#include "sheetwindow/diagramdrawing.h"

#include "sheet/numbers.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

QString metres(double x) {
    return QString::number(std::floor(x * 100 + 0.5) / 100 + 0.0, 'f', 2).replace('.', ',') + " m";
}

// A value that rounds to nothing (0,0 kg, 0,00 kN) says nothing on the drawing.
bool shown(double v, Units units) {
    return std::abs(v) >= (units == Units::SI ? 0.005 : 0.05);
}

using Outline = std::vector<QPointF>;

// The highest and lowest y an outline reaches over a stretch of x. Every outline here is
// a run of points sorted by x and closed by a level edge from its last point back to its
// first: a diagram from its axis along the curve and back, a load's block on the beam.
struct Extent {
    double top = std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();
    void add(double y) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
};

void extendOver(const Outline& outline, double x0, double x1, Extent& e) {
    if (outline.size() < 2 || x1 < outline.front().x() || x0 > outline.back().x())
        return;
    const auto lessX = [](const QPointF& p, double x) { return p.x() < x; };
    auto it = std::lower_bound(outline.begin(), outline.end(), x0, lessX);
    const auto between = [](const QPointF& a, const QPointF& b, double x) {
        return b.x() == a.x() ? b.y() : a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    };
    if (it != outline.begin() && it != outline.end())
        e.add(between(*(it - 1), *it, x0));
    for (; it != outline.end() && it->x() <= x1; ++it)
        e.add(it->y());
    if (it != outline.begin() && it != outline.end())
        e.add(between(*(it - 1), *it, x1));
    e.add(outline.front().y()); // the closing edge
}

} // namespace

double MeasureText(const QRawFont& raw, const QFontMetricsF& metrics, const QString& text,
                   QGlyphRun* glyphs) {
    if (raw.isValid()) {
        const QVector<quint32> indexes = raw.glyphIndexesForString(text);
        if (!indexes.isEmpty() && !indexes.contains(0)) {
            const QVector<QPointF> advances =
                raw.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
            QVector<QPointF> positions;
            positions.reserve(advances.size());
            double x = 0;
            for (const QPointF& advance : advances) {
                positions.push_back(QPointF(x, 0));
                x += advance.x();
            }
            glyphs->setRawFont(raw);
            glyphs->setGlyphIndexes(indexes);
            glyphs->setPositions(positions);
            return x;
        }
    }
    return metrics.horizontalAdvance(text);
}

namespace {

// Room kept around a text.
double textGap(const QFontMetricsF& metrics) {
    return std::max(1.0, metrics.height() * 0.15);
}

// Beside: level with its point, on its right (on its left at the far end), else the
// other side.
enum class Align { Centre, LeftOf, RightOf, Beside, BesideLeft };
enum class Side { Up, Down, Level };

// Where a value goes before it is placed: the point it belongs to, on which side of it.
struct Pending {
    QPointF at;
    QString text;
    LabelKind kind;
    Align align;
    Side side;
    int band;                       // which limits hold it: see Bands
    double width = 0;               // of its box, measured once
    double clearance = 0;           // between the point and a box level with it
    QGlyphRun glyphs = QGlyphRun(); // its text as measured
};

// Label rows kept free above and below each part of the drawing; more are given to a
// part whose values did not all find room.
enum Band { LoadsUp, Reactions, ShearUp, ShearDown, MomentUp, MomentDown, BandCount };
using Rows = std::array<int, BandCount>;

class Placer {
public:
    Placer(const QFontMetricsF& metrics, double width, double height)
        : m_metrics(metrics), m_width(width), m_height(height), m_line(metrics.height()),
          m_gap(textGap(metrics)) {}

    void addArea(const Outline* outline) { m_areas.push_back(outline); }
    void reserve(const QRectF& box) { m_taken.push_back(box); }
    double gap() const { return m_gap; }

    // Finds a box for the text beside its point, clear of every box already given, of
    // every area and of the frame, between top and bottom; false when there is none.
    bool place(const Pending& p, const std::vector<const Outline*>& own, double top, double bottom,
               QRectF* out) {
        const double w = p.width, h = m_line;
        const double x = p.at.x(), g = m_gap;
        std::vector<double> lefts;
        switch (p.align) {
        case Align::Centre:
            lefts = {x - w / 2, x + g, x - g - w, x - w * 1.25, x + w * 0.25, x - w * 2, x + w};
            break;
        case Align::RightOf:
            lefts = {x + g, x + g + w * 0.5, x + g + w, x + g + w * 1.5};
            break;
        case Align::LeftOf:
            lefts = {x - g - w, x - g - w * 1.5, x - g - w * 2, x - g - w * 2.5};
            break;
        case Align::Beside:
            lefts = {x + g + p.clearance, x - g - p.clearance - w};
            break;
        case Align::BesideLeft:
            lefts = {x - g - p.clearance - w, x + g + p.clearance};
            break;
        }
        for (int pass = 0; pass < 2; ++pass) {
            for (double left : lefts) {
                left = std::clamp(left, 0.0, std::max(0.0, m_width - w));
                // A shear written on the wrong side of its jump would name the other value.
                if ((p.align == Align::RightOf && left < x) ||
                    (p.align == Align::LeftOf && left + w > x))
                    continue;
                QRectF box(left, 0, w, h);
                Extent e;
                for (const Outline* outline : own)
                    extendOver(*outline, left, left + w, e);
                if (p.side == Side::Up)
                    box.moveBottom(std::min(e.top, p.at.y()) - g);
                else if (p.side == Side::Down)
                    box.moveTop(std::max(e.bottom, p.at.y()) + g);
                else
                    box.moveTop(p.at.y() - h / 2);
                // Further out, past the boxes in the way, on the second pass only.
                for (int tries = 0; tries < 4; ++tries) {
                    if (box.top() < std::max(0.0, top) || box.bottom() > std::min(m_height, bottom))
                        break;
                    const QRectF* hit = takenBy(box);
                    if (!hit && !onArea(box)) {
                        *out = box;
                        m_taken.push_back(box);
                        return true;
                    }
                    if (!hit || pass == 0 || p.side == Side::Level)
                        break;
                    if (p.side == Side::Up)
                        box.moveBottom(hit->top() - g / 2);
                    else
                        box.moveTop(hit->bottom() + g / 2);
                }
            }
        }
        return false;
    }

private:
    const QRectF* takenBy(const QRectF& box) const {
        for (const QRectF& taken : m_taken) {
            if (taken.intersects(box))
                return &taken;
        }
        return nullptr;
    }
    bool onArea(const QRectF& box) const {
        for (const Outline* outline : m_areas) {
            Extent e;
            extendOver(*outline, box.left(), box.right(), e);
            if (e.top <= box.bottom() && e.bottom >= box.top())
                return true;
        }
        return false;
    }

    const QFontMetricsF& m_metrics;
    double m_width, m_height, m_line, m_gap;
    std::vector<const Outline*> m_areas;
    std::vector<QRectF> m_taken;
};

// The values to write, in the order they are placed: the shear beside every support and
// point load, the reactions, the moments, then the loads.
struct Values {
    std::vector<Pending> shear, reactions, moments, loads, forces;
};

Values valuesOf(const BeamDiagram& d) {
    Values out;
    // Shear on both sides of every support and point load.
    std::vector<double> jumps;
    for (const DiagramSupport& s : d.supports) {
        if (s.kind != SupportKind::Free)
            jumps.push_back(s.x);
    }
    for (const PointLoad& p : d.pointLoads)
        jumps.push_back(p.x);
    std::sort(jumps.begin(), jumps.end());
    const double near = 1e-9 * std::max(1.0, d.length);
    jumps.erase(std::unique(jumps.begin(), jumps.end(),
                            [near](double a, double b) { return std::abs(a - b) <= near; }),
                jumps.end());
    std::vector<double> supportsAt;
    for (const DiagramSupport& s : d.supports)
        supportsAt.push_back(s.x);
    for (double x : jumps) {
        const double vl = ShearLeftOf(d, x), vr = ShearRightOf(d, x);
        // Left of a point load, a shear already written just right of the jump before it
        // (no load between them) is not written again; at a support it always is.
        const bool atSupport = std::any_of(supportsAt.begin(), supportsAt.end(),
                                           [&](double s) { return std::abs(s - x) <= near; });
        const bool repeated = !atSupport && !out.shear.empty() &&
                              out.shear.back().align == Align::RightOf &&
                              out.shear.back().text == DiagramValue(vl, Quantity::Force, d.units);
        if (x > near && shown(vl, d.units) && !repeated)
            out.shear.push_back({{x, vl},
                                 DiagramValue(vl, Quantity::Force, d.units),
                                 LabelKind::Shear,
                                 Align::LeftOf,
                                 vl > 0 ? Side::Up : Side::Down,
                                 vl > 0 ? ShearUp : ShearDown});
        if (x < d.length - near && shown(vr, d.units))
            out.shear.push_back({{x, vr},
                                 DiagramValue(vr, Quantity::Force, d.units),
                                 LabelKind::Shear,
                                 Align::RightOf,
                                 vr > 0 ? Side::Up : Side::Down,
                                 vr > 0 ? ShearUp : ShearDown});
    }
    for (const DiagramSupport& s : d.supports) {
        if (s.kind != SupportKind::Free && shown(s.reaction, d.units))
            out.reactions.push_back({{s.x, s.reaction},
                                     "R" + s.name.toLower() + " = " +
                                         DiagramValue(s.reaction, Quantity::Force, d.units),
                                     LabelKind::Reaction,
                                     Align::Centre,
                                     Side::Down,
                                     Reactions});
    }

    // Moments at the supports and point loads, and the largest of each span with its x;
    // a largest moment under a point load is written once, with its x.
    const auto isPeak = [&d, near](double x) {
        return std::any_of(d.peaks.begin(), d.peaks.end(), [x, near](const SpanPeak& p) {
            return std::abs(p.x - x) <= near * 1e3;
        });
    };
    const auto moment = [&out](double x, double m, const QString& text) {
        out.moments.push_back({{x, m},
                               text,
                               LabelKind::Moment,
                               Align::Centre,
                               m > 0 ? Side::Down : Side::Up,
                               m > 0 ? MomentDown : MomentUp});
    };
    std::vector<double> marked;
    for (const DiagramSupport& s : d.supports)
        marked.push_back(s.x);
    for (const PointLoad& p : d.pointLoads)
        marked.push_back(p.x);
    for (double x : marked) {
        const double m = MomentAt(d, x);
        if (shown(m, d.units) && !isPeak(x))
            moment(x, m, DiagramValue(m, Quantity::Moment, d.units));
    }
    for (const SpanPeak& p : d.peaks)
        moment(p.x, p.m,
               DiagramValue(p.m, Quantity::Moment, d.units) + QStringLiteral(" a x = ") +
                   metres(p.x));

    // Loads: the intensity at both ends of every distributed load, once where two meet
    // and once over the middle of a uniform one; every point load.
    for (const LinearLoad& l : d.linearLoads) {
        std::vector<std::pair<double, double>> ends{{l.x0, l.p0}, {l.x1, l.p1}};
        if (l.p0 == l.p1)
            ends = {{(l.x0 + l.x1) / 2, l.p0}};
        for (const auto& [x, p] : ends) {
            const QString text = DiagramValue(p, Quantity::LineLoad, d.units);
            const bool repeated =
                std::any_of(out.loads.begin(), out.loads.end(), [&](const Pending& other) {
                    return other.text == text && std::abs(other.at.x() - x) <= near;
                });
            if (shown(p, d.units) && !repeated)
                out.loads.push_back(
                    {{x, p}, text, LabelKind::Load, Align::Centre, Side::Up, LoadsUp});
        }
    }
    for (const PointLoad& p : d.pointLoads)
        out.forces.push_back({{p.x, p.force},
                              DiagramValue(p.force, Quantity::Force, d.units),
                              LabelKind::Load,
                              Align::Centre,
                              Side::Up,
                              LoadsUp});
    return out;
}

// One attempt at the whole layout with so many label rows in each band; the bands whose
// values found no room are counted in `short`.
DiagramDrawing layOut(const BeamDiagram& d, const Values& values, double width, double height,
                      const QFont& font, const Rows& rows, Rows* missing) {
    DiagramDrawing out;
    out.width = width;
    out.height = height;
    missing->fill(0);
    const QFontMetricsF metrics(font);
    Placer placer(metrics, width, height);
    const double line = metrics.height();
    const double g = placer.gap();
    const double row = line + 1.5 * g; // a label and room around it
    out.textInset = g;
    out.textAscent = metrics.ascent();

    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF boldMetrics(bold);
    const QRawFont boldRaw = QRawFont::fromFont(bold);
    const double letterWidth =
        std::max(MeasureText(boldRaw, boldMetrics, QStringLiteral("M"), &out.momentGlyphs),
                 MeasureText(boldRaw, boldMetrics, QStringLiteral("V"), &out.shearGlyphs)) +
        2 * g;
    out.supportSize = std::max(4.0, line * 0.8);
    out.arrowHead = std::max(4.0, line * 0.45);
    const double supportSize = out.supportSize;
    // Room at both ends for a support's letter beside it.
    const double left = std::max(width * 0.03, letterWidth + 0.7 * supportSize + 2 * g);
    const double right = left;
    const double scaleX = (width - left - right) / d.length;
    auto px = [&](double x) { return left + x * scaleX; };

    // The beam's band: load values, loads, the beam, supports and reactions.
    const double loadBlock = std::clamp(height * 0.08, line * 0.9, line * 2.5);
    out.beamY = rows[LoadsUp] * row + g + loadBlock;
    const double arrowTop = out.beamY + out.supportSize + g;
    const double arrowLength = std::max(line * 0.9, out.arrowHead * 2);
    const double arrowBottom = arrowTop + arrowLength;
    const double arrowMiddle = arrowTop + arrowLength / 2;
    // The reactions' values beside their arrows, or under them when they do not all fit
    // beside (short spans).
    const bool beside = rows[Reactions] == 0;
    const double beamBandBottom = beside ? std::max(arrowBottom, arrowMiddle + line / 2) + g
                                         : arrowBottom + rows[Reactions] * row;

    // V and M share what is left, less their label rows.
    const double labelRows =
        (rows[ShearUp] + rows[ShearDown] + rows[MomentUp] + rows[MomentDown]) * row;
    const double curves = std::max(2.0, height - beamBandBottom - labelRows - 2 * g);
    const double shearBandTop = beamBandBottom;
    const double shearTop = shearBandTop + g + rows[ShearUp] * row;
    const double shearHeight = curves / 2;
    const double shearBandBottom = shearTop + shearHeight + rows[ShearDown] * row;
    const double momentBandTop = shearBandBottom;
    const double momentTop = momentBandTop + g + rows[MomentUp] * row;
    const double momentHeight = curves - shearHeight;

    double vUp = 0, vDown = 0, mUp = 0, mDown = 0;
    for (const Station& s : d.stations) {
        const double between = s.vBetween.value_or(s.vLeft);
        vUp = std::max({vUp, s.vLeft, s.vRight, between});
        vDown = std::max({vDown, -s.vLeft, -s.vRight, -between});
        mUp = std::max(mUp, -s.m);
        mDown = std::max(mDown, s.m);
    }
    // A curve fills its height, its axis splitting it as its values do; a nil one lies
    // on an axis in the middle.
    auto place = [](double top, double span, double up, double down, double* axis) {
        const double range = up + down;
        *axis = top + (range > 0 ? span * up / range : span / 2);
        return range > 0 ? span / range : 0;
    };
    const double scaleV = place(shearTop, shearHeight, vUp, vDown, &out.shearAxisY);
    const double scaleM = place(momentTop, momentHeight, mUp, mDown, &out.momentAxisY);
    auto vy = [&](double v) { return out.shearAxisY - v * scaleV; };
    auto my = [&](double m) { return out.momentAxisY + m * scaleM; };

    out.beam = {{px(0), out.beamY}, {px(d.length), out.beamY}};

    // Loads: the largest intensity and the largest point load reach the top of the block.
    double maxP = 0, maxF = 0;
    for (const LinearLoad& l : d.linearLoads)
        maxP = std::max({maxP, std::abs(l.p0), std::abs(l.p1)});
    for (const PointLoad& p : d.pointLoads)
        maxF = std::max(maxF, std::abs(p.force));
    const double kP = maxP > 0 ? loadBlock / maxP : 0;
    const double kF = maxF > 0 ? loadBlock / maxF : 0;
    for (const LinearLoad& l : d.linearLoads)
        out.loadAreas.push_back({{px(l.x0), out.beamY},
                                 {px(l.x0), out.beamY - l.p0 * kP},
                                 {px(l.x1), out.beamY - l.p1 * kP},
                                 {px(l.x1), out.beamY}});
    std::vector<Outline> arrowRoom;
    for (const PointLoad& p : d.pointLoads) {
        const QPointF tail(px(p.x), out.beamY - p.force * kF);
        out.loadArrows.push_back({tail, {px(p.x), out.beamY}});
        const double half = out.arrowHead / 2;
        arrowRoom.push_back({{tail.x() - half, out.beamY},
                             {tail.x() - half, std::min(tail.y(), out.beamY)},
                             {tail.x() + half, std::min(tail.y(), out.beamY)},
                             {tail.x() + half, out.beamY}});
    }

    out.shearArea.reserve(d.stations.size() * 2 + 2);
    out.momentArea.reserve(d.stations.size() + 2);
    out.shearArea.push_back({px(0), out.shearAxisY});
    out.momentArea.push_back({px(0), out.momentAxisY});
    for (const Station& s : d.stations) {
        out.shearArea.push_back({px(s.x), vy(s.vLeft)});
        double last = s.vLeft;
        if (s.vBetween && *s.vBetween != last) {
            out.shearArea.push_back({px(s.x), vy(*s.vBetween)});
            last = *s.vBetween;
        }
        if (s.vRight != last)
            out.shearArea.push_back({px(s.x), vy(s.vRight)});
        out.momentArea.push_back({px(s.x), my(s.m)});
    }
    out.shearArea.push_back({px(d.length), out.shearAxisY});
    out.momentArea.push_back({px(d.length), out.momentAxisY});

    std::vector<const Outline*> loadOutlines;
    for (const Outline& o : out.loadAreas)
        loadOutlines.push_back(&o);
    for (const Outline& o : arrowRoom)
        loadOutlines.push_back(&o);
    for (const Outline* o : loadOutlines)
        placer.addArea(o);
    placer.addArea(&out.shearArea);
    placer.addArea(&out.momentArea);

    // Supports with their letters beside them, reactions as arrows under them: the
    // letter on the left of its support and the reaction on the right of its arrow, the
    // other way round at the far end.
    for (const DiagramSupport& support : d.supports) {
        DrawingMark mark{{px(support.x), out.beamY}, support.kind, support.name, {}};
        const double w = MeasureText(boldRaw, boldMetrics, support.name, &mark.glyphs) + 2 * g;
        const bool atFarEnd = support.x >= d.length;
        const double letterGap =
            support.kind == SupportKind::Clamped ? supportSize * 0.4 + g : supportSize * 0.7 + g;
        mark.letter = QRectF(atFarEnd ? mark.at.x() + letterGap : mark.at.x() - letterGap - w,
                             out.beamY + g, w, line);
        placer.reserve(mark.letter);
        out.supports.push_back(mark);
        if (support.kind == SupportKind::Free || !shown(support.reaction, d.units))
            continue;
        const QPointF top(mark.at.x(), arrowTop), bottom(mark.at.x(), arrowTop + arrowLength);
        // The arrow points the way the support pushes the beam.
        out.reactionArrows.push_back(support.reaction > 0 ? DrawingArrow{bottom, top}
                                                          : DrawingArrow{top, bottom});
        placer.reserve(
            QRectF(mark.at.x() - out.arrowHead / 2, arrowTop, out.arrowHead, arrowLength));
    }
    // "V" and "M" beside their axes, kept inside their bands.
    out.shearLetter =
        QRectF(0, std::clamp(out.shearAxisY - line / 2, shearBandTop, shearBandBottom - line),
               letterWidth, line);
    out.momentLetter = QRectF(
        0, std::clamp(out.momentAxisY - line / 2, momentBandTop, height - line), letterWidth, line);
    placer.reserve(out.shearLetter);
    placer.reserve(out.momentLetter);

    // Every value, in scale, then placed in its band.
    const std::vector<const Outline*> shearOwn{&out.shearArea}, momentOwn{&out.momentArea};
    const auto write = [&](Pending p, double y, const std::vector<const Outline*>& own, double top,
                           double bottom) {
        p.at = QPointF(px(p.at.x()), y);
        QRectF box;
        if (placer.place(p, own, top, bottom, &box))
            out.labels.push_back({p.at, p.text, box, p.kind, p.glyphs});
        else
            ++(*missing)[p.band];
    };
    for (const Pending& p : values.shear)
        write(p, vy(p.at.y()), shearOwn, shearBandTop, shearBandBottom);
    for (Pending p : values.reactions) {
        if (beside) {
            p.align = p.at.x() >= d.length ? Align::BesideLeft : Align::Beside;
            p.side = Side::Level;
            p.clearance = out.arrowHead / 2;
            write(p, arrowMiddle, {}, arrowTop - g, beamBandBottom);
        } else {
            write(p, arrowBottom, {}, arrowBottom, beamBandBottom);
        }
    }
    for (const Pending& p : values.moments)
        write(p, my(p.at.y()), momentOwn, momentBandTop, height);
    for (const Pending& p : values.loads)
        write(p, out.beamY - std::max(0.0, p.at.y()) * kP, loadOutlines, 0, out.beamY);
    for (const Pending& p : values.forces)
        write(p, out.beamY - std::max(0.0, p.at.y()) * kF, loadOutlines, 0, out.beamY);
    return out;
}

} // namespace

DiagramDrawing LayOutDiagram(const BeamDiagram& d, double width, double height, QFont font) {
    if (font.pixelSize() <= 0)
        font.setPixelSize(std::max(4, int(std::lround(height / 19 * 0.85))));
    if (d.length <= 0 || d.stations.empty()) {
        DiagramDrawing out;
        out.width = width;
        out.height = height;
        return out;
    }
    Values values = valuesOf(d);
    // Each text is measured once, whatever the attempts.
    const QFontMetricsF metrics(font);
    const double inset = 2 * textGap(metrics);
    // The font's glyphs and advances straight from its tables: the values are digits and
    // Latin letters, which need no shaping, and shaping each text is most of the layout's
    // time.
    const QRawFont raw = QRawFont::fromFont(font);
    for (auto* list :
         {&values.shear, &values.reactions, &values.moments, &values.loads, &values.forces}) {
        for (Pending& p : *list)
            p.width = MeasureText(raw, metrics, p.text, &p.glyphs) + inset;
    }
    // One row of values on each side that has any; a band short of room gets one more,
    // twice at most.
    Rows rows{};
    rows[LoadsUp] = 1;
    rows[Reactions] = 0;
    for (const auto* list : {&values.shear, &values.moments}) {
        for (const Pending& p : *list)
            rows[p.band] = 1;
    }
    Rows missing{};
    DiagramDrawing out = layOut(d, values, width, height, font, rows, &missing);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (std::all_of(missing.begin(), missing.end(), [](int n) { return n == 0; }))
            break;
        for (int band = 0; band < BandCount; ++band)
            rows[band] += missing[band] > 0 ? 1 : 0;
        out = layOut(d, values, width, height, font, rows, &missing);
    }
    return out;
}
