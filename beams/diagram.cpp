#include "beams/diagram.h"

#include "beams/calc.h"

using namespace Beams;

namespace {

SupportKind kindAtA(int typology) {
    if (typology <= 3)
        return SupportKind::Free;
    return typology <= 15 ? SupportKind::Pinned : SupportKind::Clamped;
}

SupportKind kindAtB(int typology) {
    return typology >= 4 && typology <= 9 ? SupportKind::Pinned : SupportKind::Clamped;
}

// The load of each typology: a point load, a full or partial uniform load, a triangle
// rising towards B, a symmetric triangle or a trapezoid.
bool placeLoads(BeamDiagram& d, int typology, double l, double d2, double d3) {
    switch (typology) {
    case 1:
        d.pointLoads.push_back({0, d2});
        return true;
    case 4:
    case 10:
    case 16:
        if (d3 < 0 || d3 > l)
            return false;
        d.pointLoads.push_back({d3, d2});
        return true;
    case 2:
    case 5:
    case 11:
    case 17:
        d.linearLoads.push_back({0, l, d2, d2});
        return true;
    case 6:
    case 12:
    case 18:
        if (d3 < 0 || d3 > l)
            return false;
        if (d3 > 0) // a partial load of length 0 loads nothing
            d.linearLoads.push_back({0, d3, d2, d2});
        return true;
    case 3:
    case 7:
    case 13:
    case 19:
        d.linearLoads.push_back({0, l, 0, d2});
        return true;
    case 8:
    case 14:
    case 20:
        d.linearLoads.push_back({0, l / 2, 0, d2});
        d.linearLoads.push_back({l / 2, l, d2, 0});
        return true;
    case 9:
    case 15:
        d.linearLoads.push_back({0, l, d2, d3});
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<BeamDiagram> SimpleBeamDiagram(const Sheet& sheet, int typology, int row) {
    typology = normalised(typology);
    const std::optional<Forces> forces = RowForces(sheet, typology, row);
    if (!forces)
        return std::nullopt;
    const Forces& f = *forces;
    const double l = sheet.number(Luce, row);
    if (!(l > 0))
        return std::nullopt;
    const double d2 = sheet.number(Dato2, row);
    const double d3 = sheet.isEmpty(Dato3, row) ? 0.0 : sheet.number(Dato3, row);

    BeamDiagram d;
    d.units = d.check.units = sheet.units();
    d.length = l;
    d.spanEnds = {0, l};
    d.startMoment = f.ma;
    d.supports.push_back({"A", 0, kindAtA(typology), f.ta, f.ma});
    d.supports.push_back({"B", l, kindAtB(typology), f.tb, f.mb});
    if (!placeLoads(d, typology, l, d2, d3))
        return std::nullopt;

    // The cantilevers have no span moment; every other typology gives mom.c.
    std::vector<double> extra;
    SpanPeak peak;
    const bool hasPeak = typology > 3 && FindSpanPeak(d, 0, l, &peak.x, &peak.m);
    if (hasPeak) {
        peak.span = "A-B";
        d.peaks.push_back(peak);
        extra.push_back(peak.x);
    }
    SampleStations(d, extra);

    StaticsCheck& check = d.check;
    check.totalLoad = TotalLoad(d);
    check.sumReactions = f.ta + f.tb;
    const QString force = UnitName(Quantity::Force, d.units);
    const QString moment = UnitName(Quantity::Moment, d.units);
    AddCheckItem(check, "somma reazioni", force, check.sumReactions, check.totalLoad);
    AddCheckItem(check, "mom.B", moment, f.mb, MomentAt(d, l));
    if (hasPeak)
        AddCheckItem(check, "mom.c", moment, f.mc, peak.m);
    return d;
}
