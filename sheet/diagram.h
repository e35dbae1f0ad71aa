#pragma once
// The shear and moment diagram of one beam, without widgets: the beam's supports and
// loads, V and M at the sampled sections, the largest span moments and the statics
// check. The simple-beams and continuous-beams builders fill it; the panel, the
// printed pages and the command line read it.
//
// Conventions: x in m from support A; M positive when sagging; V = dM/dx, so a
// reaction makes V jump up and a point load makes it jump down. Forces, loads and
// moments are in the units of the sheet the diagram comes from (kg, kg/m, kgm in
// "tecniche"; kN, kN/m, kNm in SI).
#include "sheet/units.h"

#include <QString>
#include <optional>
#include <vector>

enum class SupportKind { Free, Pinned, Clamped };

struct DiagramSupport {
    QString name; // "A", "B", ...
    double x = 0;
    SupportKind kind = SupportKind::Pinned;
    double reaction = 0; // kg, upward positive; 0 at a free end
    double moment = 0;   // kgm the beam carries over the support, sagging positive
};

struct PointLoad {
    double x = 0;
    double force = 0; // kg, downward positive
};

// A load varying linearly from p0 at x0 to p1 at x1 (kg/m, downward positive).
struct LinearLoad {
    double x0 = 0, x1 = 0;
    double p0 = 0, p1 = 0;
};

// One sampled section. Where a concentrated force acts, vLeft and vRight are the shear
// just to the left and just to the right of it; elsewhere they are equal. A point load
// on a support acts on the span's side of it: vBetween is the shear between the two
// (after the reaction at the beam's start, after the load at its end), the value the
// grid gives as the support's shear.
struct Station {
    double x = 0;
    double vLeft = 0;
    double vRight = 0;
    double m = 0;
    std::optional<double> vBetween;
};

// The largest moment of one span and where it is.
struct SpanPeak {
    QString span; // "A-B", ...
    double x = 0;
    double m = 0;
};

// One value of the grid set against the same value found by statics or by theory.
struct CheckItem {
    QString label;         // "somma reazioni", "Rb", "B-C", ...
    QString unit;          // "kg" or "kgm"
    double tabulated = 0;  // the grid's value
    double statics = 0;    // the value it should be
    double difference = 0; // tabulated - statics
    // Against statics: the difference as a percentage of |statics|. Against theory: how
    // much larger the grid's value is than theory, in size, as a percentage (negative:
    // smaller, on the unsafe side); 0 when the grid is exact to its rounding.
    double percent = 0;
    int decimals = 0; // against theory: the grid's decimals
};

struct StaticsCheck {
    Units units = Units::Tecniche;
    double totalLoad = 0;    // kg
    double sumReactions = 0; // kg, of the reactions the grid gives
    std::vector<CheckItem> items;
    double worstPercent = 0; // largest |percent| among the items
    // Set when the items set the grid against theory: the name of the method the grid's
    // numbers come from ("coefficienti tabellati").
    QString method;
    bool unsafe = false; // against theory: some value of the grid is on the unsafe side
};

struct BeamDiagram {
    Units units = Units::Tecniche; // of its forces, loads and moments
    double length = 0;             // m, the whole beam
    std::vector<double> spanEnds;  // x of every support line, from 0 to length
    double startMoment = 0;        // M at x = 0 (a clamped A carries one)
    std::vector<DiagramSupport> supports;
    std::vector<PointLoad> pointLoads;
    std::vector<LinearLoad> linearLoads;
    std::vector<Station> stations; // sorted by x
    std::vector<SpanPeak> peaks;
    StaticsCheck check;
};

// Within a check, an item differs noticeably when |percent| is above this.
constexpr double kCheckTolerancePercent = 1.0;

// Statics of the beam from its left end: the start moment, the reactions and the loads.
double ShearLeftOf(const BeamDiagram& diagram, double x);
double ShearRightOf(const BeamDiagram& diagram, double x);
double MomentAt(const BeamDiagram& diagram, double x);
// Total of the loads, kg.
double TotalLoad(const BeamDiagram& diagram);

// Fills the stations: both ends of every span, every point where a load starts, ends or
// acts, every support, the extra sections asked for (the largest moments) and fifty
// equal steps per span; sections closer than a micrometre are one. A step closer than
// half a millimetre to a section where something acts or to a largest moment (or one
// the table would print with the same x) is left out, and so is a largest moment that
// close to a section where something acts: two lines of the table share an x only where
// V jumps.
void SampleStations(BeamDiagram& diagram, const std::vector<double>& extra);

// Largest moment in [x0, x1], where the shear passes from positive to negative inside
// the span (a whole span of constant moment gives its middle); false when M has no
// maximum inside the span.
bool FindSpanPeak(const BeamDiagram& diagram, double x0, double x1, double* x, double* m);

// Adds an item comparing a grid value with the one found by statics.
void AddCheckItem(StaticsCheck& check, const QString& label, const QString& unit, double tabulated,
                  double statics);

// Adds an item comparing a grid value, as the grid shows it (rounded to `decimals`), with
// the exact one: within half its last digit the grid is exact; otherwise the sizes are
// compared, and a grid value smaller in size than theory, or of the wrong sign, is unsafe.
void AddTheoryItem(StaticsCheck& check, const QString& label, const QString& unit, double grid,
                   double exact, int decimals);

// The check in one line, one decimal with the decimal comma: "controllo di equilibrio:
// scarto 0,3 %" (the worst item); against theory the method and the item that differs
// most with its sign, "controllo di equilibrio, coefficienti tabellati: mom.C 7092 kgm,
// esatto 7143 kgm, −0,7 % (lato non cautelativo)", or "... soluzione esatta: scarto 0,0 %"
// when the grid is exact to its rounding.
QString StaticsSummary(const StaticsCheck& check);

// How the check reads at a glance.
enum class CheckTone {
    Agrees,    // within the tolerance, or exact to the rounding against theory
    Safe,      // against theory: approximate, every value on the safe side
    Attention, // beyond the tolerance, or a value on the unsafe side
};
CheckTone ToneOf(const StaticsCheck& check);

// A force, load or moment as the diagram writes it: half up to one decimal in "tecniche",
// to two in SI (0,01 kN is about 1 kg), decimal comma, whatever the process locale.
QString DiagramNumber(double value, Units units);
// The same followed by the unit's name: "12,5 kgm", "0,12 kN".
QString DiagramValue(double value, Quantity quantity, Units units);

// The diagram as a table: "x (m);V (kg);M (kgm)" with the units of the diagram, then one
// line per station (two where V jumps: the value just to the left, then just to the
// right; three at a point load on a support), x to three decimals, V and M as
// DiagramNumber writes them.
QString DiagramTable(const BeamDiagram& diagram);
