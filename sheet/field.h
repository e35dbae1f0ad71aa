#pragma once
// The field of use of a typology: what its formulas assume of the data, as a list of
// rules over the row's data read as numbers. Each window declares the field of every
// typology in its own folder; a complete row that breaks a rule gets no results, and
// the hint, the check, the tables, the report and the diagram name the row with the
// rule's line ("- la distanza a supera la luce.").
#include <QString>
#include <vector>

class Sheet;

enum class FieldTest {
    Positive,  // column > 0
    AtLeast,   // column >= bound
    NotAbove,  // column <= factor·other column
    Below,     // column < other column
    Different, // column != other column
};

struct FieldRule {
    FieldTest test;
    int column;
    int other = 0;      // the column compared with, where the test has one
    double factor = 1;  // NotAbove: the multiple of the other column; AtLeast: the bound
    const char* reason; // UTF-8 line of the hint and the check
};

using FieldOfUse = std::vector<FieldRule>;

inline FieldRule Positive(int column, const char* reason) {
    return {FieldTest::Positive, column, 0, 1, reason};
}
inline FieldRule AtLeast(int column, double bound, const char* reason) {
    return {FieldTest::AtLeast, column, 0, bound, reason};
}
inline FieldRule NotAbove(int column, int other, const char* reason, double factor = 1) {
    return {FieldTest::NotAbove, column, other, factor, reason};
}
inline FieldRule Below(int column, int other, const char* reason) {
    return {FieldTest::Below, column, other, 1, reason};
}
inline FieldRule Different(int column, int other, const char* reason) {
    return {FieldTest::Different, column, other, 1, reason};
}

// The line of the first rule the row breaks; empty inside the field. Only the rules
// whose columns hold a datum are tested (an empty datum is incomplete, not outside).
QString FieldReason(const FieldOfUse& field, const Sheet& sheet, int row);
// Marks the row out of field with that line when it breaks a rule; true when marked.
bool MarkOutOfField(const FieldOfUse& field, Sheet& sheet, int row);
