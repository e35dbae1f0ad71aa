#pragma once
// Units of measure of a sheet. Every column declares the physical quantity it holds;
// the sheet says in which of the two systems its data are typed and its results shown:
// "tecniche" (kg, kg/m, kgm, sections in cm) or SI (kN, kN/m, kNm, sections in mm).
// Spans and distances are in m in both. The formulas of every window are homogeneous in
// their loads and in their section lengths, so a sheet computes in its own units and
// only the names, the factors and the rounding of its results depend on the system.
#include <QString>

enum class Units { Tecniche, SI };

enum class Quantity {
    None,            // no unit (a column the typology does not use)
    Length,          // spans, distances, rises: m in both systems
    SectionLength,   // cm | mm
    SectionArea,     // cm2 | mm2
    SectionModulus,  // cm3 | mm3
    SectionInertia,  // cm4 | mm4
    Force,           // point loads, reactions, shears, thrusts: kg | kN
    LineLoad,        // kg/m | kN/m
    AreaLoad,        // kg/m2 | kN/m2
    Moment,          // kgm | kNm
    MomentPerLength, // plates: kgm/m | kNm/m
};

// 1 kg (force) is 9,80665 N exactly.
constexpr double kNewtonsPerKg = 9.80665;

// The unit's name as heads, reports and tables show it: "kg/m", "kN/m", "cm4", "mm4".
QString UnitName(Quantity quantity, Units units);
// A caption that names the unit of the column, written for the "tecniche" system, in the
// sheet's system: "I=cm4" becomes "I=mm4", "W=I/E cm3" "W=I/E mm3".
QString UnitCaption(const QString& tecnicheCaption, Quantity quantity, Units units);
// The head line of a report or a table with every unit name it holds, written for the
// "tecniche" system, named in the sheet's system (names of equal length keep the columns).
QString InUnits(const QString& tecnicheLine, Units units);

// Multiplies a "tecniche" value to give the SI one: 0,00980665 for kg to kN, 10 for cm to
// mm, 10000 for cm4 to mm4, 1 for m.
double SiFactor(Quantity quantity);

// Rounding of a result, half up (the largest multiple of the step not above value plus
// half a step, so -2,5 gives -2): in "tecniche" to the column's own decimals; in SI
// forces and moments to two decimals (0,01 kN is about 1 kg) and section results in
// mm to whole numbers.
int ResultDecimals(Quantity quantity, Units units, int tecnicheDecimals);
double RoundResult(double value, int decimals);
// A rounded result as the sheet shows it: decimal comma, plain digits. Whole numbers
// and one decimal as "tecniche" results always were (no decimals on a whole value); two
// decimals always written out.
QString ResultText(double value, int decimals);

// The datum typed in one system written in the other: the value multiplied (to SI) or
// divided (from SI) by the factor, as decimal-comma text of at most 20 characters. A
// multiplication is exact (1000 kg/m gives 9,80665 kN/m; 25 cm, 250 mm); a quotient
// keeps six digits more than the datum has, so converting back gives the datum again
// within its last digit. Empty text stays empty; a value whose whole part does not fit
// gives empty text.
QString ConvertDatum(const QString& text, Quantity quantity, Units from, Units to);

// The marker of the system in an archive's first line ("SI"); empty for "tecniche",
// whose files carry none.
QString UnitsMarker(Units units);
// The system a marker names; false for a marker the program does not know.
bool UnitsFromMarker(const QString& marker, Units* units);
// The system's name for menus and messages: "tecniche", "SI".
QString UnitsName(Units units);
