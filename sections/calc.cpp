#include "sections/calc.h"
#include "sections/params.h"
#include "sheet/numbers.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265359;

const char* const kNoSection = "- l'area o il momento d'inerzia non è maggiore di zero.";

enum Column { I = 1, E, W, E1, W1, A };

struct Properties {
    double i = 0, e = 0, e1 = 0, a = 0;
    bool hasE1 = false; // only shapes without symmetry have a nearest-fibre distance
};

Properties compute(int typology, double c1, double c2, double c3, double c4) {
    Properties p;
    switch (typology) {
    case 1:
        p.i = c1 * std::pow(c2, 3) / 12;
        p.e = c2 / 2;
        p.a = c1 * c2;
        break;
    case 2:
        p.i = c1 * (std::pow(c2, 3) - std::pow(c3, 3)) / 12;
        p.e = c2 / 2;
        p.a = c1 * (c2 - c3);
        break;
    case 3:
        p.i = std::pow(c1, 4) / 12;
        p.e = c1 / 2;
        p.a = std::pow(c1, 2);
        break;
    case 4:
        p.i = std::pow(c1, 4) / 12;
        p.e = c1 / std::sqrt(2.0);
        p.a = std::pow(c1, 2);
        break;
    case 5:
        p.i = (std::pow(c1, 4) - std::pow(c2, 4)) / 12;
        p.e = c1 / 2;
        p.a = std::pow(c1, 2) - std::pow(c2, 2);
        break;
    case 6:
        p.i = (std::pow(c1, 4) - std::pow(c2, 4)) / 12;
        p.e = c1 / std::sqrt(2.0);
        p.a = std::pow(c1, 2) - std::pow(c2, 2);
        break;
    case 7:
        p.i = c1 * std::pow(c2, 3) / 36;
        p.e = (2.0 / 3.0) * c2;
        p.e1 = (1.0 / 3.0) * c2;
        p.hasE1 = true;
        p.a = c1 * c2 / 2;
        break;
    case 8:
        p.i = (5 * std::sqrt(3.0) / 16) * std::pow(c1, 4);
        p.e = c1;
        p.a = 2.598 * std::pow(c1, 2);
        break;
    case 9:
        p.i = (5 * std::sqrt(3.0) / 16) * std::pow(c1, 4);
        p.e = (std::sqrt(3.0) / 2) * c1;
        p.a = 2.598 * std::pow(c1, 2);
        break;
    case 10: {
        const double b = 2 * c3; // both overhangs: the long base is c1 + b
        p.i = std::pow(c2, 3) * (6 * std::pow(c1, 2) + 6 * c1 * b + std::pow(b, 2)) /
              (36 * (2 * c1 + b));
        p.e = (1.0 / 3.0) * c2 * (3 * c1 + 2 * b) / (2 * c1 + b);
        p.a = (c1 + b / 2) * c2;
        break;
    }
    case 11:
        p.i = kPi * std::pow(c1 / 2, 4) / 4;
        p.e = c1 / 2;
        p.a = kPi * std::pow(c1, 2) / 4;
        break;
    case 12:
        p.i = kPi * (std::pow(c1 / 2, 4) - std::pow(c2 / 2, 4)) / 4;
        p.e = c1 / 2;
        p.a = kPi * (std::pow(c1 / 2, 2) - std::pow(c2 / 2, 2));
        break;
    case 13:
        p.i = (kPi / 8 - 8 / (9 * kPi)) * std::pow(c1, 4);
        p.e = 0.5756 * c1;
        p.e1 = 0.4244 * c1;
        p.hasE1 = true;
        p.a = kPi * std::pow(c1, 2) / 2;
        break;
    case 14:
        p.i = (kPi / 64) * c1 * std::pow(c2, 3);
        p.e = c2 / 2;
        p.a = (kPi / 4) * c1 * c2;
        break;
    case 15:
        p.i = (c1 * std::pow(c2, 3) - c3 * std::pow(c4, 3)) / 12;
        p.e = c2 / 2;
        p.a = c1 * c2 - c3 * c4;
        break;
    case 16:
        p.i = (c1 * std::pow(c2, 3) + c3 * std::pow(c4, 3)) / 12;
        // The far fibre belongs to the taller of the two rectangles.
        p.e = std::max(c2, c4) / 2;
        p.a = c1 * c2 + c3 * c4;
        break;
    case 17: {
        // Flange c1 by c4, web c3 wide, total height c2; e from the flange's outer face.
        const double e =
            (c1 * std::pow(c4, 2) + c3 * (c2 - c4) * (c2 + c4)) / (2 * (c1 * c4 + c3 * (c2 - c4)));
        p.e1 = e;
        p.hasE1 = true;
        p.e = c2 - e;
        p.i = (c1 * (std::pow(e, 3) - std::pow(e - c4, 3)) +
               c3 * (std::pow(p.e, 3) + std::pow(e - c4, 3))) /
              3;
        p.a = c1 * c4 + c3 * (c2 - c4);
        break;
    }
    default:
        break;
    }
    return p;
}

} // namespace

CalcOutcome CalculateSections(Sheet& sheet, int typology) {
    sheet.clearResults();
    const int needed = SectionColumns(typology);
    const FieldOfUse& field = SectionField(typology);
    for (int row = 1; row <= sheet.n(); ++row) {
        if (sheet.lacksFirstDatum(row) || sheet.anyEmpty(row, 2, needed))
            continue; // incomplete row: the hint and the check say what lacks
        if (MarkOutOfField(field, sheet, row))
            continue;
        const Properties p = compute(typology, sheet.number(1, row), sheet.number(2, row),
                                     sheet.number(3, row), sheet.number(4, row));
        const double w = p.i / p.e;
        const double w1 = p.hasE1 && p.e1 > 0 ? p.i / p.e1 : 0;
        // Whatever the shape, dimensions that leave no area or no stiffness (or make a
        // divisor vanish, as a flange and web of no area do) are no section at all: the
        // row shows nothing and the next rows go on.
        if (p.e == 0 || !std::isfinite(p.i) || !std::isfinite(p.e) || !std::isfinite(w) ||
            !std::isfinite(p.a) || !std::isfinite(w1) || !(p.a > 0) || !(p.i > 0)) {
            sheet.setOutOfRange(row, QString::fromUtf8(kNoSection));
            continue;
        }
        sheet.setResult(I, row, sheet.rounded(I, p.i));
        sheet.setResult(E, row, sheet.rounded(E, p.e));
        sheet.setResult(W, row, sheet.rounded(W, w));
        if (p.hasE1 && p.e1 > 0) {
            sheet.setResult(E1, row, sheet.rounded(E1, p.e1));
            sheet.setResult(W1, row, sheet.rounded(W1, w1));
        }
        sheet.setResult(A, row, sheet.rounded(A, p.a));
    }
    return {};
}
