#include "sheetwindow/diagramdrawing.h"

#include "sheet/numbers.h"

#include <algorithm>
#include <cmath>

namespace {

// Shares of the height: beam and loads, shear, moment.
constexpr double kBeamBand = 0.26;
constexpr double kShearBand = 0.37;
constexpr double kMargin = 0.06; // of the width, on each side

QString value(double v, const char* unit) {
    return QString::number(ModPonteluma::RoundHalfUp1(v) + 0.0, 'f', 1).replace('.', ',') + ' ' +
           unit;
}

QString metres(double x) {
    return QString::number(std::floor(x * 100 + 0.5) / 100 + 0.0, 'f', 2).replace('.', ',') + " m";
}

} // namespace

DiagramDrawing LayOutDiagram(const BeamDiagram& d, double width, double height) {
    DiagramDrawing out;
    out.width = width;
    out.height = height;
    if (d.length <= 0 || d.stations.empty())
        return out;

    const double left = width * kMargin;
    const double scaleX = (width - 2 * left) / d.length;
    auto px = [&](double x) { return left + x * scaleX; };

    const double beamBand = height * kBeamBand;
    const double shearBand = height * kShearBand;
    const double momentBand = height - beamBand - shearBand;
    out.beamY = beamBand * 0.7;

    // The largest values on either side of each axis (sagging M lies below its axis).
    double vUp = 0, vDown = 0, mUp = 0, mDown = 0;
    for (const Station& s : d.stations) {
        const double between = s.vBetween.value_or(s.vLeft);
        vUp = std::max({vUp, s.vLeft, s.vRight, between});
        vDown = std::max({vDown, -s.vLeft, -s.vRight, -between});
        mUp = std::max(mUp, -s.m);
        mDown = std::max(mDown, s.m);
    }
    // Each curve fills 80 % of its band, its axis splitting the band as its values do: a
    // curve of one sign takes the whole band, a nil one stays on an axis in the middle.
    auto place = [](double top, double band, double up, double down, double* axis) {
        const double range = up + down;
        const double scale = range > 0 ? band * 0.8 / range : 0;
        *axis = top + band * 0.1 + (range > 0 ? up * scale : band * 0.4);
        return scale;
    };
    const double scaleV = place(beamBand, shearBand, vUp, vDown, &out.shearAxisY);
    const double scaleM = place(beamBand + shearBand, momentBand, mUp, mDown, &out.momentAxisY);
    auto vy = [&](double v) { return out.shearAxisY - v * scaleV; };
    auto my = [&](double m) { return out.momentAxisY + m * scaleM; };

    out.beam = {{px(0), out.beamY}, {px(d.length), out.beamY}};
    for (const DiagramSupport& s : d.supports)
        out.supports.push_back({{px(s.x), out.beamY}, s.kind, s.name});

    // Loads: the largest intensity and the largest point load reach the top of the band.
    double maxP = 0, maxF = 0;
    for (const LinearLoad& l : d.linearLoads)
        maxP = std::max({maxP, std::abs(l.p0), std::abs(l.p1)});
    for (const PointLoad& p : d.pointLoads)
        maxF = std::max(maxF, std::abs(p.force));
    const double loadHeight = out.beamY * 0.8;
    for (const LinearLoad& l : d.linearLoads) {
        const double k = maxP > 0 ? loadHeight / maxP : 0;
        out.loadAreas.push_back({{px(l.x0), out.beamY},
                                 {px(l.x0), out.beamY - l.p0 * k},
                                 {px(l.x1), out.beamY - l.p1 * k},
                                 {px(l.x1), out.beamY}});
    }
    for (const PointLoad& p : d.pointLoads) {
        const double k = maxF > 0 ? loadHeight / maxF : 0;
        out.loadArrows.push_back({{px(p.x), out.beamY - p.force * k}, {px(p.x), out.beamY}});
        out.labels.push_back({{px(p.x), out.beamY - p.force * k}, value(p.force, "kg")});
    }

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

    // Values at the supports and the point loads, and the largest moments with their x.
    std::vector<double> marked;
    for (const DiagramSupport& s : d.supports)
        marked.push_back(s.x);
    for (const PointLoad& p : d.pointLoads)
        marked.push_back(p.x);
    // A largest moment under a point load is written once, with its x.
    const auto isPeak = [&d](double x) {
        for (const SpanPeak& p : d.peaks) {
            if (std::abs(p.x - x) <= 1e-6 * std::max(1.0, d.length))
                return true;
        }
        return false;
    };
    for (double x : marked) {
        const double vl = ShearLeftOf(d, x), vr = ShearRightOf(d, x);
        const double v = std::abs(vr) >= std::abs(vl) ? vr : vl;
        out.labels.push_back({{px(x), vy(v)}, value(v, "kg")});
        const double m = MomentAt(d, x);
        if (std::abs(m) > 0.05 && !isPeak(x))
            out.labels.push_back({{px(x), my(m)}, value(m, "kgm")});
    }
    for (const SpanPeak& p : d.peaks)
        out.labels.push_back(
            {{px(p.x), my(p.m)}, value(p.m, "kgm") + QStringLiteral(" a x = ") + metres(p.x)});
    return out;
}
