#include "arches/calc.h"
#include "sheet/numbers.h"

#include <cmath>

namespace {

enum Data { Luce = 1, Carico, Dist, Alt, Frec };
enum Results { Ya = 1, Yb, Xa, Xb, Ma, Mb, Mc };

constexpr int kTypologies = 15;

// Fractions of the formulas are held in single precision before they multiply,
// as the program has always computed them; 5/8, 3/8, ... are exact anyway.
const float k3_8 = static_cast<float>(3.0 / 8.0);
const float k5_8 = static_cast<float>(5.0 / 8.0);
const float k3_4 = static_cast<float>(3.0 / 4.0);
const float k15_4 = static_cast<float>(15.0 / 4.0);
const float k13_32 = static_cast<float>(13.0 / 32.0);
const float k3_32 = static_cast<float>(3.0 / 32.0);
const float k5_7 = static_cast<float>(5.0 / 7.0);
const float k2_7 = static_cast<float>(2.0 / 7.0);
const float k11_14 = static_cast<float>(11.0 / 14.0);
const float k3_14 = static_cast<float>(3.0 / 14.0);
const float k51_280 = static_cast<float>(51.0 / 280.0);
const float k19_280 = static_cast<float>(19.0 / 280.0);
const float k3_140 = static_cast<float>(3.0 / 140.0);

struct HeadCaption {
    int column; // result column (0 ends a list)
    const char* caption;
};

// Heads of the result columns, reset for every row before its typology relabels them.
const HeadCaption kPlainHeads[] = {{Ya, "ya"}, {Xa, "xa"}, {Xb, "xb"}, {Yb, "yb"},
                                   {Ma, "Ma"}, {Mb, "Mb"}, {Mc, "Mc"}};

enum class Note { None, X, Mc };

// What each typology says over its results: "y" or "x" alone when one value stands for
// both supports, an asterisk when the formula holds only for a parabolic arch.
struct Relabel {
    HeadCaption heads[7]; // up to the first one without a label
    Note note;
};

const Relabel& relabel(int typology) {
    static const Relabel table[kTypologies] = {
        {{{Xa, "x"}}, Note::X},
        {{{Ya, "y"}}, Note::None},
        {{{Xa, "x"}}, Note::None},
        {{{Xa, "x"}, {Ya, "y"}}, Note::None},
        {{{Ya, "y"}}, Note::None},
        {{{Xa, "x *"}}, Note::Mc},
        // The crown moment of 7 and 12 assumes the force on the left half, as in 6 and 11.
        {{{Ya, "y"}, {Xa, "xa *"}}, Note::Mc},
        {{{Xa, "x *"}, {Mc, "Mc *"}}, Note::None},
        {{{Xa, "x *"}, {Ya, "y"}, {Mc, "Mc *"}}, Note::None},
        {{{Ya, "y"}, {Xa, "xa *"}, {Xb, "xb *"}, {Mc, "Mc *"}}, Note::None},
        {{{Xa, "x *"}, {Ya, "ya *"}, {Yb, "yb *"}, {Ma, "Ma *"}, {Mb, "Mb *"}, {Mc, "Mc *"}},
         Note::Mc},
        {{{Xa, "xa *"},
          {Xb, "xb *"},
          {Ya, "y *"},
          {Yb, "yb *"},
          {Ma, "Ma *"},
          {Mb, "Mb *"},
          {Mc, "Mc *"}},
         Note::Mc},
        {{{Xa, "x *"}, {Ma, "Ma *"}, {Mb, "Mb *"}, {Mc, "Mc *"}}, Note::None},
        {{{Ya, "y *"}, {Xa, "x *"}, {Ma, "Ma *"}, {Mb, "Mb *"}, {Mc, "Mc *"}}, Note::None},
        {{{Xa, "xa *"}, {Xb, "xb *"}, {Ma, "Ma *"}, {Mb, "Mb *"}, {Mc, "Mc *"}}, Note::None},
    };
    return table[typology - 1];
}

struct Row {
    double l = 0, c = 0, a = 0, h = 0, f = 0;
};

// Quantities shared by the formulas, each formed once.
struct Shared {
    double cl = 0, cl2 = 0;     // c·l, c·l²
    double ca = 0, cla = 0;     // c·a, c·(l − a)
    double alpha = 0, beta = 0; // a/l, (l − a)/l
    double cf = 0, cf2 = 0;     // c·f, c·f²
};

struct Values {
    double ya = 0, yb = 0, xa = 0, xb = 0, ma = 0, mb = 0, mc = 0;
};

Values compute(int typology, const Row& r, const Shared& s) {
    const double l = r.l, c = r.c, h = r.h, f = r.f;
    const double al = s.alpha, be = s.beta;
    Values v;
    switch (typology) {
    case 2:
        v.ya = c * h / l;
        v.xb = c * h / (2 * f);
        v.xa = c - v.xb;
        break;
    case 3:
    case 8:
        v.ya = k3_8 * s.cl;
        v.yb = s.cl / 8;
        v.xa = s.cl2 / (16 * f);
        // The crown moment of the two-hinged arch includes the thrust: zero when parabolic.
        if (typology == 8)
            v.mc = s.cl2 / 16 - v.xa * f;
        break;
    case 4:
    case 9:
    case 14:
        v.ya = s.cl / 2;
        v.xa = s.cl2 / (8 * f);
        break;
    case 5:
        v.ya = s.cf2 / (2 * l);
        v.xa = k3_4 * s.cf;
        v.xb = s.cf / 4;
        break;
    case 6:
        v.ya = c * be;
        v.yb = c * al;
        v.xa = k5_8 * (s.cl / f) * al * be * (1 + al * be);
        v.mc = s.ca / 2 - v.xa * f;
        break;
    case 7:
        v.ya = c * h / l;
        v.xa = (c / 2) * be *
               (2 - 3 * al + 2 * (al * al) + 12 * std::pow(al, 3) - 8 * std::pow(al, 4));
        v.xb = c - v.xa;
        v.mc = c * h / 2 - v.xb * f;
        break;
    case 10:
        v.ya = s.cf2 / (2 * l);
        v.xa = k5_7 * s.cf;
        v.xb = k2_7 * s.cf;
        v.mc = -s.cf2 / 28;
        break;
    case 11:
        v.xa = k15_4 * (s.ca / f) * al * (be * be);
        v.ma = -(s.ca / 2) * (be * be) * (5 * be - 3);
        v.mb = -(s.cla / 2) * (al * al) * (5 * al - 3);
        v.ya = c * be - (v.ma - v.mb) / l;
        v.yb = c - v.ya;
        v.mc = v.mb + (v.yb / 2) * l - v.xa * f;
        break;
    case 12:
        v.xa = c * be * (1 + al - 14 * (al * al) + 36 * std::pow(al, 3) - 24 * std::pow(al, 4));
        v.xb = c - v.xa;
        v.ma = -2 * s.cf * al * (be * be) * (3 - 9 * be + 8 * (be * be));
        v.mb = 2 * s.cf * (al * al) * be * (3 - 9 * al + 8 * (al * al));
        v.ya = (c * h + v.ma - v.mb) / l;
        v.mc = v.ya * l / 2 - v.xb * f + v.mb;
        break;
    case 13:
        v.ya = k13_32 * s.cl;
        v.yb = k3_32 * s.cl;
        v.xa = s.cl2 / (16 * f);
        v.ma = -s.cl2 / 64;
        v.mb = -v.ma;
        break;
    case 15:
        v.ya = s.cf2 / (4 * l);
        v.xa = k11_14 * s.cf;
        v.xb = k3_14 * s.cf;
        v.ma = -k51_280 * s.cf2;
        v.mb = k19_280 * s.cf2;
        v.mc = -k3_140 * s.cf2;
        break;
    default: // 1
        v.ya = s.cla / l;
        v.yb = s.ca / l;
        v.xa = s.ca / (2 * f);
        break;
    }
    return v;
}

bool allFinite(const Values& v) {
    return std::isfinite(v.ya) && std::isfinite(v.yb) && std::isfinite(v.xa) &&
           std::isfinite(v.xb) && std::isfinite(v.ma) && std::isfinite(v.mb) && std::isfinite(v.mc);
}

void store(Sheet& sheet, int row, const Values& v) {
    sheet.setResult(Ya, row, sheet.rounded(Ya, v.ya));
    sheet.setResult(Yb, row, sheet.rounded(Yb, v.yb));
    sheet.setResult(Xa, row, sheet.rounded(Xa, v.xa));
    sheet.setResult(Xb, row, sheet.rounded(Xb, v.xb));
    sheet.setResult(Ma, row, sheet.rounded(Ma, v.ma));
    sheet.setResult(Mb, row, sheet.rounded(Mb, v.mb));
    sheet.setResult(Mc, row, sheet.rounded(Mc, v.mc));
}

void relabelHeads(Sheet& sheet, int typology, double span) {
    const Relabel& r = relabel(typology);
    for (const HeadCaption& head : r.heads) {
        if (!head.column)
            break;
        sheet.setResultHead(head.column, QString::fromLatin1(head.caption));
    }
    if (r.note == Note::None)
        return;
    const QString symbol = r.note == Note::X ? QStringLiteral("x") : QStringLiteral("Mc");
    sheet.setNote("note", "La formula di " + symbol + QStringLiteral(" è valida per a<=m.") +
                              ModPonteluma::Str(span / 2) + " (l/2)");
}

} // namespace

int ArchesTypology(int typology) {
    return typology >= 1 && typology <= kTypologies ? typology : 1;
}

bool ArchesUsesDistance(int typology) {
    switch (ArchesTypology(typology)) {
    case 1:
    case 6:
    case 7:
    case 11:
    case 12:
        return true;
    default:
        return false;
    }
}

bool ArchesUsesHeight(int typology) {
    const int t = ArchesTypology(typology);
    return t == 2 || t == 7 || t == 12;
}

void ResetArchesHeads(Sheet& sheet) {
    for (const HeadCaption& head : kPlainHeads)
        sheet.setResultHead(head.column, QString::fromLatin1(head.caption));
    sheet.setNote("note", QString(), true);
}

CalcOutcome CalculateArches(Sheet& sheet, int typology) {
    const int t = ArchesTypology(typology);
    const bool usesDistance = ArchesUsesDistance(t);
    const bool usesHeight = ArchesUsesHeight(t);
    sheet.clearResults();
    Shared s; // the distance terms carry over a row without a (only where a is unused)
    // The heads follow the last row computed: they are set once, for that row, when
    // the run ends.
    int computed = 0;
    double lastSpan = 0;
    for (int row = 1; row <= sheet.n(); ++row) {
        if (sheet.lacksFirstDatum(row) || sheet.isEmpty(Carico, row) || sheet.isEmpty(Frec, row) ||
            (usesHeight && sheet.isEmpty(Alt, row)) || (usesDistance && sheet.isEmpty(Dist, row)))
            continue; // incomplete: the hint and the check say what lacks
        if (MarkOutOfField(ArchesField(t), sheet, row))
            continue;
        Row r;
        r.l = sheet.number(Luce, row);
        r.c = sheet.number(Carico, row);
        r.f = sheet.number(Frec, row);
        r.h = sheet.number(Alt, row);
        s.cl = r.c * r.l;
        s.cl2 = r.c * (r.l * r.l);
        if (!sheet.isEmpty(Dist, row)) {
            r.a = sheet.number(Dist, row);
            s.ca = r.c * r.a;
            s.cla = r.c * (r.l - r.a);
            s.alpha = r.a / r.l;
            s.beta = (r.l - r.a) / r.l;
        }
        s.cf = r.c * r.f;
        s.cf2 = r.c * (r.f * r.f);
        const Values v = compute(t, r, s);
        if (!allFinite(v)) {
            sheet.setOutOfRange(row);
            continue;
        }
        store(sheet, row, v);
        lastSpan = r.l;
        ++computed;
    }
    ResetArchesHeads(sheet);
    if (computed > 0)
        relabelHeads(sheet, t, lastSpan);
    return {};
}
