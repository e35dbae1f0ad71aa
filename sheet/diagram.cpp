#include "sheet/diagram.h"

#include "sheet/numbers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kStepsPerSpan = 50;
constexpr double kSameSection = 1e-6; // m: closer sections are one
constexpr double kTableApart = 5e-4;  // m: closer sections would read as one in the table

// x as the table prints it, in millimetres.
double printedMillimetres(double x) {
    return std::floor(x * 1000 + 0.5);
}

bool tooClose(double a, double b) {
    return std::abs(a - b) < kTableApart || printedMillimetres(a) == printedMillimetres(b);
}

// Load carried by the part of `load` that lies left of x, and its moment about x.
void loadLeftOf(const LinearLoad& load, double x, double* resultant, double* moment) {
    *resultant = 0;
    *moment = 0;
    if (x <= load.x0 || load.x1 <= load.x0)
        return;
    const double s = std::min(x, load.x1) - load.x0;
    const double k = (load.p1 - load.p0) / (load.x1 - load.x0);
    *resultant = load.p0 * s + k * (s * s) / 2;
    // Moment about the load's start, then moved to x.
    const double aboutStart = load.p0 * (s * s) / 2 + k * (s * s * s) / 3;
    *moment = (x - load.x0) * *resultant - aboutStart;
}

// Shear from the forces left of x (and at x when `inclusive`).
double shear(const BeamDiagram& d, double x, bool inclusive) {
    double v = 0;
    for (const DiagramSupport& s : d.supports) {
        if (s.x < x || (inclusive && s.x == x))
            v += s.reaction;
    }
    for (const PointLoad& p : d.pointLoads) {
        if (p.x < x || (inclusive && p.x == x))
            v -= p.force;
    }
    for (const LinearLoad& l : d.linearLoads) {
        double w = 0, m = 0;
        loadLeftOf(l, x, &w, &m);
        v -= w;
    }
    return v;
}

// Intensity and gradient of the distributed load just right of x, up to `to`.
void loadRightOf(const BeamDiagram& d, double x, double to, double* q, double* k) {
    *q = 0;
    *k = 0;
    for (const LinearLoad& l : d.linearLoads) {
        if (l.x0 <= x && to <= l.x1 && l.x1 > l.x0) {
            const double gradient = (l.p1 - l.p0) / (l.x1 - l.x0);
            *q += l.p0 + gradient * (x - l.x0);
            *k += gradient;
        }
    }
}

// Roots in [0, length] of V0 - q·s - k·s²/2 where the shear turns from positive to
// negative; a root at either end counts, as the load may change right there.
void shearZeros(double v0, double q, double k, double length, std::vector<double>* roots) {
    std::vector<double> found;
    if (k == 0) {
        if (q != 0)
            found.push_back(v0 / q);
    } else {
        // (k/2)·s² + q·s − V0 = 0, solved without cancellation.
        const double disc = q * q + 2 * k * v0;
        if (disc < 0)
            return;
        const double root = std::sqrt(disc);
        const double t = -0.5 * (q + (q >= 0 ? root : -root));
        if (t != 0) {
            found.push_back(t / (k / 2));
            found.push_back(-v0 / t);
        }
    }
    for (double s : found) {
        const bool falling = q + k * s > 0;
        if (s > -kSameSection && s < length + kSameSection && falling)
            roots->push_back(std::clamp(s, 0.0, length));
    }
}

QString fixed(double value, int decimals) {
    // +0.0 turns a negative zero into a plain zero.
    return QString::number(value + 0.0, 'f', decimals).replace('.', ',');
}

} // namespace

double ShearLeftOf(const BeamDiagram& diagram, double x) {
    return shear(diagram, x, false);
}

double ShearRightOf(const BeamDiagram& diagram, double x) {
    return shear(diagram, x, true);
}

double MomentAt(const BeamDiagram& diagram, double x) {
    double m = diagram.startMoment;
    for (const DiagramSupport& s : diagram.supports) {
        if (s.x < x)
            m += s.reaction * (x - s.x);
    }
    for (const PointLoad& p : diagram.pointLoads) {
        if (p.x < x)
            m -= p.force * (x - p.x);
    }
    for (const LinearLoad& l : diagram.linearLoads) {
        double w = 0, moment = 0;
        loadLeftOf(l, x, &w, &moment);
        m -= moment;
    }
    return m;
}

double TotalLoad(const BeamDiagram& diagram) {
    double total = 0;
    for (const PointLoad& p : diagram.pointLoads)
        total += p.force;
    for (const LinearLoad& l : diagram.linearLoads)
        total += (l.p0 + l.p1) / 2 * (l.x1 - l.x0);
    return total;
}

void SampleStations(BeamDiagram& diagram, const std::vector<double>& extra) {
    // Sections where something acts come first when two fall together, so that a
    // step never displaces a load or a support by a rounding error.
    enum Rank { Acting = 0, Peak = 1, Step = 2 };
    std::vector<std::pair<double, int>> sections;
    for (double x : diagram.spanEnds)
        sections.push_back({x, Acting});
    for (const DiagramSupport& s : diagram.supports)
        sections.push_back({s.x, Acting});
    for (const PointLoad& p : diagram.pointLoads)
        sections.push_back({p.x, Acting});
    for (const LinearLoad& l : diagram.linearLoads) {
        sections.push_back({l.x0, Acting});
        sections.push_back({l.x1, Acting});
    }
    for (double x : extra)
        sections.push_back({x, Peak});
    for (size_t i = 0; i + 1 < diagram.spanEnds.size(); ++i) {
        const double x0 = diagram.spanEnds[i];
        const double l = diagram.spanEnds[i + 1] - x0;
        for (int k = 1; k < kStepsPerSpan; ++k)
            sections.push_back({x0 + l * k / kStepsPerSpan, Step});
    }
    std::sort(sections.begin(), sections.end());

    std::vector<std::pair<double, int>> merged;
    for (const auto& section : sections) {
        if (!merged.empty() && section.first - merged.back().first < kSameSection) {
            if (section.second < merged.back().second)
                merged.back() = section;
            continue;
        }
        merged.push_back(section);
    }
    // A step or a peak gives way to a section of higher rank that the table would not
    // tell apart from it; sections where something acts all stay.
    std::vector<std::pair<double, int>> kept;
    for (size_t i = 0; i < merged.size(); ++i) {
        const auto& [x, rank] = merged[i];
        bool yields = false;
        for (size_t j = i; j-- > 0 && !yields && merged[j].first > x - 2 * kTableApart;)
            yields = merged[j].second < rank && tooClose(merged[j].first, x);
        for (size_t j = i + 1;
             j < merged.size() && !yields && merged[j].first < x + 2 * kTableApart; ++j)
            yields = merged[j].second < rank && tooClose(merged[j].first, x);
        if (!yields)
            kept.push_back(merged[i]);
    }

    diagram.stations.clear();
    for (const auto& section : kept) {
        const double x = section.first;
        Station station{x, ShearLeftOf(diagram, x), ShearRightOf(diagram, x), MomentAt(diagram, x),
                        std::nullopt};
        double reaction = 0, load = 0;
        for (const DiagramSupport& s : diagram.supports) {
            if (s.x == x)
                reaction += s.reaction;
        }
        for (const PointLoad& p : diagram.pointLoads) {
            if (p.x == x)
                load += p.force;
        }
        if (reaction != 0 && load != 0)
            station.vBetween = station.vLeft + (x < diagram.length / 2 ? reaction : -load);
        diagram.stations.push_back(station);
    }
}

bool FindSpanPeak(const BeamDiagram& diagram, double x0, double x1, double* x, double* m) {
    // Breakpoints of the shear within the span: where a force acts or a load changes.
    std::vector<double> breaks{x0, x1};
    auto inside = [&](double at) { return at > x0 && at < x1; };
    for (const DiagramSupport& s : diagram.supports) {
        if (inside(s.x))
            breaks.push_back(s.x);
    }
    for (const PointLoad& p : diagram.pointLoads) {
        if (inside(p.x))
            breaks.push_back(p.x);
    }
    for (const LinearLoad& l : diagram.linearLoads) {
        if (inside(l.x0))
            breaks.push_back(l.x0);
        if (inside(l.x1))
            breaks.push_back(l.x1);
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    std::vector<double> candidates;
    for (size_t i = 0; i + 1 < breaks.size(); ++i) {
        const double a = breaks[i];
        const double b = breaks[i + 1];
        if (i > 0) {
            // A concentrated force inside the span that turns the shear round.
            const double left = ShearLeftOf(diagram, a);
            const double right = ShearRightOf(diagram, a);
            if (left > 0 && right <= 0)
                candidates.push_back(a);
        }
        double q = 0, k = 0;
        loadRightOf(diagram, a, b, &q, &k);
        const double v0 = ShearRightOf(diagram, a);
        std::vector<double> roots;
        shearZeros(v0, q, k, b - a, &roots);
        for (double s : roots) {
            // A maximum at the span's own end is a support moment, not a span moment.
            if (a + s - x0 > kSameSection && x1 - (a + s) > kSameSection)
                candidates.push_back(a + s);
        }
    }
    if (candidates.empty()) {
        // A span without load whose shear is nil carries one constant moment.
        const double v = ShearRightOf(diagram, x0);
        double q = 0, k = 0;
        loadRightOf(diagram, x0, x1, &q, &k);
        const double scale = std::max(1.0, std::abs(ShearLeftOf(diagram, x0)));
        if (breaks.size() == 2 && q == 0 && k == 0 && std::abs(v) <= 1e-9 * scale)
            candidates.push_back((x0 + x1) / 2);
    }
    if (candidates.empty())
        return false;
    double bestX = candidates.front();
    double bestM = MomentAt(diagram, bestX);
    for (double c : candidates) {
        const double mc = MomentAt(diagram, c);
        if (mc > bestM) {
            bestM = mc;
            bestX = c;
        }
    }
    *x = bestX;
    *m = bestM;
    return true;
}

namespace {

// An item of the check: the grid's value against the one it should be.
CheckItem checkItem(const QString& label, const QString& unit, double grid, double reference) {
    CheckItem item;
    item.label = label;
    item.unit = unit;
    item.tabulated = grid;
    item.statics = reference;
    item.difference = grid - reference;
    return item;
}

} // namespace

void AddCheckItem(StaticsCheck& check, const QString& label, const QString& unit, double tabulated,
                  double statics) {
    CheckItem item = checkItem(label, unit, tabulated, statics);
    // Below a milligram (or its moment) the two are the same value.
    if (std::abs(item.difference) < 1e-6)
        item.percent = 0;
    else if (statics != 0)
        item.percent = 100 * item.difference / std::abs(statics);
    else
        item.percent = item.difference == 0 ? 0 : (item.difference > 0 ? 100 : -100);
    check.worstPercent = std::max(check.worstPercent, std::abs(item.percent));
    check.items.push_back(item);
}

void AddTheoryItem(StaticsCheck& check, const QString& label, const QString& unit, double grid,
                   double exact, int decimals) {
    CheckItem item = checkItem(label, unit, grid, exact);
    item.decimals = decimals;
    // Half the last digit is the grid's rounding; a hair more allows for the last bit of an
    // exact half.
    const double halfStep = 0.5 * std::pow(10.0, -decimals);
    const bool exactToRounding =
        std::abs(item.difference) <= halfStep + 1e-9 * (1 + std::abs(exact));
    if (!exactToRounding) {
        if (exact == 0)
            item.percent = 100;
        else if ((grid < 0) != (exact < 0) || grid == 0)
            item.percent = -100 * std::abs(item.difference) / std::abs(exact); // wrong sign
        else
            item.percent = 100 * (std::abs(grid) - std::abs(exact)) / std::abs(exact);
    }
    check.unsafe = check.unsafe || item.percent < 0;
    check.worstPercent = std::max(check.worstPercent, std::abs(item.percent));
    check.items.push_back(item);
}

namespace {

// The item that differs most from theory; among equals the first, on the unsafe side if
// any is.
const CheckItem* worstItem(const StaticsCheck& check, bool unsafeOnly) {
    const CheckItem* worst = nullptr;
    for (const CheckItem& item : check.items) {
        if (unsafeOnly && item.percent >= 0)
            continue;
        if (!worst || std::abs(item.percent) > std::abs(worst->percent))
            worst = &item;
    }
    return worst;
}

// "-0,7 % (lato non cautelativo)", with a true minus sign.
QString signedPercent(double percent) {
    const QString size = fixed(ModPonteluma::RoundHalfUp1(std::abs(percent)), 1);
    return (percent < 0 ? QString(QChar(0x2212)) : QStringLiteral("+")) + size +
           (percent < 0 ? QStringLiteral(" % (lato non cautelativo)")
                        : QStringLiteral(" % (lato cautelativo)"));
}

// "mom.C 7092 kgm, esatto 7143 kgm, −0,7 % (lato non cautelativo)": sizes, as the
// signs are the grid's own.
QString theoryItemText(const CheckItem& item) {
    return item.label + " " + ResultText(std::abs(item.tabulated), item.decimals) + " " +
           item.unit + ", esatto " +
           ResultText(RoundResult(std::abs(item.statics), item.decimals), item.decimals) + " " +
           item.unit + ", " + signedPercent(item.percent);
}

} // namespace

QString StaticsSummary(const StaticsCheck& check) {
    const QString head = QStringLiteral("controllo di equilibrio");
    if (check.method.isEmpty() || check.worstPercent == 0)
        return head + (check.method.isEmpty() ? QString() : ", " + check.method) +
               QStringLiteral(": scarto ") +
               fixed(ModPonteluma::RoundHalfUp1(check.worstPercent), 1) + QStringLiteral(" %");
    const CheckItem* worst = worstItem(check, false);
    QString text = head + ", " + check.method + ": " + theoryItemText(*worst);
    // The largest difference may lie on the safe side: the unsafe one is named as well.
    if (const CheckItem* unsafe = worst->percent < 0 ? nullptr : worstItem(check, true))
        text += "; " + unsafe->label + " " + signedPercent(unsafe->percent);
    return text;
}

CheckTone ToneOf(const StaticsCheck& check) {
    if (check.method.isEmpty())
        return ModPonteluma::RoundHalfUp1(check.worstPercent) <= kCheckTolerancePercent
                   ? CheckTone::Agrees
                   : CheckTone::Attention;
    if (check.unsafe)
        return CheckTone::Attention;
    return check.worstPercent == 0 ? CheckTone::Agrees : CheckTone::Safe;
}

QString DiagramNumber(double value, Units units) {
    const int decimals = units == Units::SI ? 2 : 1;
    return fixed(RoundResult(value, decimals), decimals);
}

QString DiagramValue(double value, Quantity quantity, Units units) {
    return DiagramNumber(value, units) + ' ' + UnitName(quantity, units);
}

QString DiagramTable(const BeamDiagram& diagram) {
    const Units units = diagram.units;
    QString text = "x (m);V (" + UnitName(Quantity::Force, units) + ");M (" +
                   UnitName(Quantity::Moment, units) + ")\n";
    auto line = [&](double x, double v, double m) {
        const double x3 = std::floor(x * 1000 + 0.5) / 1000;
        text += fixed(x3, 3) + ';' + DiagramNumber(v, units) + ';' + DiagramNumber(m, units) + '\n';
    };
    for (const Station& s : diagram.stations) {
        line(s.x, s.vLeft, s.m);
        double last = s.vLeft;
        if (s.vBetween && *s.vBetween != last) {
            line(s.x, *s.vBetween, s.m);
            last = *s.vBetween;
        }
        if (s.vRight != last)
            line(s.x, s.vRight, s.m);
    }
    return text;
}
