#include "beams/calc.h"
#include "sheet/numbers.h"

#include <cmath>

using ModPonteluma::Str;

namespace Beams {

int normalised(int typology) {
    return typology >= 1 && typology <= 20 ? typology : 1;
}

bool UsesDato3(int typology) {
    switch (normalised(typology)) {
    case 4:
    case 6:
    case 9:
    case 10:
    case 12:
    case 15:
    case 16:
    case 18:
        return true;
    default:
        return false;
    }
}

bool HasMaxMomentX(int typology) {
    switch (normalised(typology)) {
    case 6:
    case 7:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 18:
    case 19:
        return true;
    default:
        return false;
    }
}

} // namespace Beams

namespace {

using namespace Beams;

// Distance from A where the shear ta - pa·x - k·x²/2 of a linearly varying load vanishes.
double trapezoidX(double pa, double pb, double l, double ta, double* gradient) {
    const double k = (pb - pa) / l;
    if (gradient)
        *gradient = k;
    return (pa / k) * (std::sqrt(1 + 2 * ta * k / (pa * pa)) - 1);
}

// Largest span moment under the trapezoid, once Ta is known.
double trapezoidMaxMoment(double pa, double pb, double l, double ta) {
    double k = 0;
    const double x = trapezoidX(pa, pb, l, ta, &k);
    return ta * x - pa * (x * x) / 2 - k * (x * x * x) / 6;
}

// The closed formulas of each typology, in the order they are computed.
Forces compute(int typology, double l, double d2, double d3) {
    Forces f;
    const double a = d3;
    const double b = l - a;
    const double lambda = a / l;
    const double l2 = l * l;
    switch (typology) {
    case 1: // P at the free end A, clamped at B
        f.mb = -d2 * l;
        f.tb = d2;
        break;
    case 2:
        f.mb = -d2 * l2 / 2;
        f.tb = d2 * l;
        break;
    case 3:
        f.mb = -d2 * l2 / 6;
        f.tb = d2 * l / 2;
        break;
    case 4:
        f.mc = d2 * a * b / l;
        f.ta = d2 * b / l;
        f.tb = d2 * a / l;
        break;
    case 5:
        f.mc = d2 * l2 / 8;
        f.ta = d2 * l / 2;
        f.tb = f.ta;
        break;
    case 6:
        f.tb = d2 * (a * a) / (2 * l);
        f.ta = d2 * a - f.tb;
        f.mc = (f.ta * f.ta) / (2 * d2);
        break;
    case 7:
        f.mc = d2 * l2 / (9 * std::sqrt(3.0));
        f.ta = d2 * l / 6;
        f.tb = d2 * l / 3;
        break;
    case 8:
        f.mc = d2 * l2 / 12;
        f.ta = d2 * l / 4;
        f.tb = f.ta;
        break;
    case 9: {
        const double pa = d2, pb = d3;
        f.ta = (2 * pa + pb) * l / 6;
        f.tb = (2 * pb + pa) * l / 6;
        f.mc = trapezoidMaxMoment(pa, pb, l, f.ta);
        break;
    }
    case 10:
        f.mb = -(d2 * a / 2) * (1 - lambda * lambda);
        f.tb = (d2 / 2) * lambda * (3 - lambda * lambda);
        f.ta = d2 - f.tb;
        f.mc = f.ta * a;
        break;
    case 11:
        f.mb = -d2 * l2 / 8;
        f.mc = 9 * d2 * l2 / 128;
        f.ta = 3 * d2 * l / 8;
        f.tb = 5 * d2 * l / 8;
        break;
    case 12:
        f.tb = (d2 * a / 8) * lambda * (6 - lambda * lambda);
        f.mb = -(d2 * (a * a) / 8) * (2 - lambda * lambda);
        f.ta = d2 * a - f.tb;
        f.mc = (f.ta * f.ta) / (2 * d2);
        break;
    case 13:
        f.mb = -d2 * l2 / 15;
        f.mc = d2 * l2 / (15 * std::sqrt(5.0));
        f.ta = d2 * l / 10;
        f.tb = 4 * d2 * l / 10;
        break;
    case 14:
        f.mb = -(5.0 / 64) * d2 * l2;
        f.mc = ((std::sqrt(11.0) * 11) / 768) * d2 * l2;
        f.ta = (11.0 / 64) * d2 * l;
        f.tb = (21.0 / 64) * d2 * l;
        break;
    case 15: {
        const double pa = d2, pb = d3;
        const double rho = pa / pb;
        f.mb = -(pb * l2 / 120) * (7 * rho + 8);
        f.ta = (pb * l / 40) * (11 * rho + 4);
        f.tb = (pb * l / 40) * (9 * rho + 16);
        f.mc = trapezoidMaxMoment(pa, pb, l, f.ta);
        break;
    }
    case 16: {
        const double l3 = l * l * l;
        f.ma = -d2 * a * (b * b) / l2;
        f.mb = -d2 * (a * a) * b / l2;
        f.mc = 2 * d2 * (a * a) * (b * b) / l3;
        f.ta = (d2 * (b * b) / l3) * (l + 2 * a);
        f.tb = (d2 * (a * a) / l3) * (l + 2 * b);
        break;
    }
    case 17:
        f.ma = -d2 * l2 / 12;
        f.mb = f.ma;
        f.mc = d2 * l2 / 24;
        f.ta = d2 * l / 2;
        f.tb = f.ta;
        break;
    case 18: {
        const double lambda2 = lambda * lambda;
        f.ma = -(d2 * (a * a) / 12) * (6 - 8 * lambda + 3 * lambda2);
        f.mb = -(d2 * (a * a) / 12) * lambda * (4 - 3 * lambda);
        f.ta = (d2 * a / 2) * (2 - 2 * lambda2 + lambda2 * lambda);
        f.tb = (d2 * a / 2) * lambda2 * (2 - lambda);
        f.mc = (f.ta * f.ta) / (2 * d2) + f.ma;
        break;
    }
    case 19:
        f.ma = -d2 * l2 / 30;
        f.mb = -d2 * l2 / 20;
        f.mc = (d2 * l2 / 60) * (std::sqrt(0.3) * 6 - 2);
        f.ta = (3.0 / 20) * d2 * l;
        f.tb = (7.0 / 20) * d2 * l;
        break;
    case 20:
        f.ma = -(5.0 / 96) * d2 * l2;
        f.mb = f.ma;
        f.mc = d2 * l2 / 32;
        f.ta = d2 * l / 4;
        f.tb = f.ta;
        break;
    default:
        break;
    }
    return f;
}

// Data that leave a divisor at zero: the row has no defined result.
bool hasZeroDivisor(int typology, double l, double d2, double d3) {
    if (l == 0)
        return true;
    switch (typology) {
    case 6:
    case 12:
    case 18:
        return d2 == 0;
    case 9:
        return d2 == 0 || d2 == d3;
    case 15:
        return d2 == 0 || d3 == 0 || d2 == d3;
    default:
        return false;
    }
}

bool allFinite(const Forces& f) {
    return std::isfinite(f.ma) && std::isfinite(f.mb) && std::isfinite(f.mc) &&
           std::isfinite(f.ta) && std::isfinite(f.tb);
}

// The cantilevers (1 to 3) have no span moment: mom.c stays empty.
bool writesMomC(int typology) {
    return typology > 3;
}

void storeRow(Sheet& sheet, int typology, int row, const Forces& f) {
    sheet.setResult(MomA, row, sheet.rounded(MomA, f.ma));
    sheet.setResult(MomB, row, sheet.rounded(MomB, f.mb));
    if (writesMomC(typology))
        sheet.setResult(MomC, row, sheet.rounded(MomC, f.mc));
    sheet.setResult(TaglioA, row, sheet.rounded(TaglioA, f.ta));
    // The shear at B is shown with its sign reversed: rounded first, then negated.
    sheet.setResult(TaglioB, row, -sheet.rounded(TaglioB, f.tb));
}

// A uniform load belongs to the typology of the same supports: 5 for a simply
// supported beam, 11 for one supported at A and clamped at B.
QString uniformLoadRefusal(int typology) {
    return typology == 9
               ? QStringLiteral(
                     "Il carico non può essere uniforme, altrimenti usare la tipologia 5.")
               : QStringLiteral(
                     "Il carico non può essere uniforme, altrimenti usare la tipologia 11.");
}

} // namespace

CalcOutcome CalculateBeams(Sheet& sheet, int typology) {
    typology = normalised(typology);
    CalcOutcome outcome;
    sheet.clearResults();
    const bool needsDato3 = UsesDato3(typology);
    const bool trapezoid = typology == 9 || typology == 15;
    for (int row = 1; row <= sheet.n(); ++row) {
        if (sheet.lacksFirstDatum(row) || sheet.isEmpty(Dato2, row))
            continue;
        if (trapezoid && !sheet.isEmpty(Dato3, row) &&
            sheet.number(Dato2, row) == sheet.number(Dato3, row)) {
            // A uniform load belongs to another typology: the datum goes, so what is
            // shown is what is stored and saved.
            sheet.setDatum(Dato3, row, QString());
            if (outcome.refusal.isEmpty())
                outcome.refusal = uniformLoadRefusal(typology);
            continue;
        }
        if (needsDato3 && sheet.isEmpty(Dato3, row))
            continue;
        if (MarkOutOfField(FieldOf(typology), sheet, row))
            continue;

        const double l = sheet.number(Luce, row);
        const double d2 = sheet.number(Dato2, row);
        const double d3 = sheet.isEmpty(Dato3, row) ? 0.0 : sheet.number(Dato3, row);
        const Forces f = compute(typology, l, d2, d3);
        if (hasZeroDivisor(typology, l, d2, d3) || !allFinite(f)) {
            sheet.setOutOfRange(row);
            continue;
        }
        storeRow(sheet, typology, row, f);
        const bool pointLoadInSpan = typology == 4 || typology == 10 || typology == 16;
        sheet.setResultHead(MomC, pointLoadInSpan ? QStringLiteral("momento C")
                                                  : QStringLiteral("momento max"));
    }
    return outcome;
}

std::optional<Forces> Beams::RowForces(const Sheet& sheet, int typology, int row) {
    typology = normalised(typology);
    if (row < 1 || row > kMaxRows || sheet.isEmpty(Luce, row) || sheet.isEmpty(Dato2, row))
        return std::nullopt;
    if (UsesDato3(typology) && sheet.isEmpty(Dato3, row))
        return std::nullopt;
    if (sheet.lacksFirstDatum(row) || !FieldReason(FieldOf(typology), sheet, row).isEmpty())
        return std::nullopt;
    const double l = sheet.number(Luce, row);
    const double d2 = sheet.number(Dato2, row);
    const double d3 = sheet.isEmpty(Dato3, row) ? 0.0 : sheet.number(Dato3, row);
    if (hasZeroDivisor(typology, l, d2, d3))
        return std::nullopt;
    const Forces f = compute(typology, l, d2, d3);
    if (!allFinite(f))
        return std::nullopt;
    return f;
}

std::optional<double> BeamMaxMomentX(const Sheet& sheet, int typology, int row) {
    typology = normalised(typology);
    if (!HasMaxMomentX(typology) || row < 1 || row > kMaxRows || !sheet.result(TaglioA, row))
        return std::nullopt; // a row without results has no largest moment
    const bool hasL = !sheet.isEmpty(Luce, row);
    const bool hasD2 = !sheet.isEmpty(Dato2, row);
    const bool hasD3 = !sheet.isEmpty(Dato3, row);
    const Result& storedTa = sheet.result(TaglioA, row);
    const double l = sheet.number(Luce, row);
    const double d2 = sheet.number(Dato2, row);
    const double d3 = sheet.number(Dato3, row);
    const double ta = storedTa.value_or(0.0);

    double x = 0;
    switch (typology) {
    case 6:
        if (!storedTa || !hasD2)
            return std::nullopt;
        x = ta / d2;
        break;
    case 7:
        x = l / std::sqrt(3.0);
        break;
    case 9:
    case 15: {
        if (!hasD2 || !hasD3 || (typology == 15 && !hasL))
            return std::nullopt;
        const double exact = trapezoidX(d2, d3, l, ta, nullptr);
        if (!std::isfinite(exact))
            return std::nullopt;
        if (typology == 9) {
            // This position is held in single precision before it is rounded.
            const float single = float(exact);
            const float hundredths = single * 100;
            return std::floor(double(hundredths) + 0.5) / 100;
        }
        x = exact;
        break;
    }
    case 11:
        x = 3 * l / 8;
        break;
    case 12:
    case 18:
        if (!storedTa)
            return std::nullopt;
        x = ta / d2;
        break;
    case 13:
        if (!hasL)
            return std::nullopt;
        x = l / std::sqrt(5.0);
        break;
    case 14:
        x = (std::sqrt(11.0) / 8) * l;
        break;
    case 19:
        x = std::sqrt(0.3) * l;
        break;
    default:
        return std::nullopt;
    }
    if (!std::isfinite(x))
        return std::nullopt;
    return std::floor(x * 100 + 0.5) / 100;
}

QString BeamHoverCaption(const Sheet& sheet, int typology, int row, bool* visible) {
    QString caption = "Trave n." + Str(row) + ": momento max per x = m.";
    const bool shown = HasMaxMomentX(typology);
    if (visible)
        *visible = shown;
    if (shown) {
        if (const std::optional<double> x = BeamMaxMomentX(sheet, typology, row))
            caption += Str(*x);
    }
    return caption;
}
