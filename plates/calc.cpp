#include "plates/calc.h"
#include "sheet/numbers.h"

#include <cmath>

namespace {

enum Data { First = 1, Ly, Load };
enum Results { MomX = 1, MomY, EdgeX, EdgeY };

// Coefficients that multiply q·lx², by the side ratio ε = ly/lx. The last entry stands
// for every ratio above 2: a strip spanning lx.
struct Entry {
    double ratio;
    double supportedMx, supportedMy;
    double clampedMx, clampedMy, clampedEx, clampedEy;
};

constexpr int kEntries = 12;
constexpr Entry kTable[kEntries] = {
    {1, 0.0368, 0.0368, 0.0177, 0.0177, 0.0479, 0.0479},
    {1.05, 0.0404, 0.0364, 0.0198, 0.0173, 0.0512, 0.0487},
    {1.1, 0.0446, 0.0359, 0.0218, 0.0168, 0.0548, 0.0494},
    {1.15, 0.0486, 0.0352, 0.0235, 0.0162, 0.0582, 0.0501},
    {1.2, 0.0523, 0.0343, 0.0255, 0.0155, 0.0609, 0.0506},
    {1.25, 0.056, 0.0334, 0.027, 0.0147, 0.0638, 0.051},
    {1.3, 0.0597, 0.0325, 0.0287, 0.0139, 0.0664, 0.0512},
    {1.4, 0.0665, 0.0303, 0.0317, 0.012, 0.071, 0.0514},
    {1.5, 0.0727, 0.028, 0.0338, 0.0104, 0.0749, 0.0515},
    {1.75, 0.0903, 0.0222, 0.0368, 0.007, 0.08, 0.0516},
    {2, 0.101, 0.0175, 0.0384, 0.0048, 0.0823, 0.0517},
    {2.25, 0.125, 0, 0.0417, 0, 0.0833, 0},
};

// Entry k of the table counted from 1.
const Entry& entry(int k) {
    return kTable[k - 1];
}

PlateCoefficients all(const Entry& e, bool clamped) {
    if (clamped)
        return {e.clampedMx, e.clampedMy, e.clampedEx, e.clampedEy};
    return {e.supportedMx, e.supportedMy, 0, 0};
}

} // namespace

PlateCoefficients PlateCoefficientsFor(double ratio, bool clamped) {
    PlateCoefficients c = all(entry(1), clamped);
    if (ratio == 1)
        return c;
    // No interpolation: each coefficient comes from the neighbour that gives the larger
    // value, so Mx (growing with ε) from the entry above and My from the one below.
    for (int k = 2; k <= 11; ++k) {
        const Entry& e = entry(k);
        if (ratio == e.ratio)
            return all(e, clamped);
        if (ratio < e.ratio) {
            const PlateCoefficients above = all(e, clamped);
            const PlateCoefficients below = all(entry(k - 1), clamped);
            c.mx = above.mx;
            c.my = below.my;
            c.ex = above.ex;
            c.ey = above.ey;
            return c;
        }
    }
    if (ratio > entry(11).ratio)
        c = all(entry(12), clamped);
    return c;
}

bool PlatesSameShape(int oldTypology, int newTypology) {
    return !((oldTypology < 3 && newTypology > 2) || (oldTypology > 2 && newTypology < 3));
}

CalcOutcome CalculatePlates(Sheet& sheet, int typology) {
    const int t = typology < 1 ? 1 : typology;
    sheet.clearResults();
    for (int row = 1; row <= sheet.n(); ++row) {
        if (sheet.lacksFirstDatum(row) || sheet.isEmpty(Load, row))
            continue; // incomplete: the hint and the check say what lacks
        if ((t == 1 || t == 2) && sheet.isEmpty(Ly, row))
            continue; // without its long side a rectangle has no ratio
        if (MarkOutOfField(PlatesField(t), sheet, row))
            continue;
        const double first = sheet.number(First, row);
        const double q = sheet.number(Load, row);
        double mx = 0, my = 0, ex = 0, ey = 0;
        switch (t) {
        case 1:
        case 2: {
            const double ly = sheet.number(Ly, row);
            const double ratio = ly / first;
            const double base = q * std::pow(first, 2);
            const PlateCoefficients c = PlateCoefficientsFor(ratio, t == 2);
            mx = c.mx * base;
            my = c.my * base;
            ex = -c.ex * base;
            ey = -c.ey * base;
            break;
        }
        case 3: {
            const double r2 = std::pow(first, 2);
            mx = my = r2 * q * 3 / 16;
            break;
        }
        case 4: {
            const double r2 = std::pow(first, 2);
            mx = my = q * r2 / 16;
            ex = ey = -q * r2 / 8;
            break;
        }
        default: // no such plate: every result is 0
            break;
        }
        if (!std::isfinite(mx) || !std::isfinite(my) || !std::isfinite(ex) || !std::isfinite(ey)) {
            sheet.setOutOfRange(row);
            continue;
        }
        sheet.setResult(MomX, row, sheet.rounded(MomX, mx));
        sheet.setResult(MomY, row, sheet.rounded(MomY, my));
        sheet.setResult(EdgeX, row, sheet.rounded(EdgeX, ex));
        sheet.setResult(EdgeY, row, sheet.rounded(EdgeY, ey));
    }
    return {};
}
