#include "sheet/field.h"

#include "sheet/sheet.h"

namespace {

// A bound is written in "tecniche"; a sheet in SI compares with the same bound in its
// own units (0,01 kg is 0,0000980665 kN), so the field is the same in both systems.
bool holds(const FieldRule& rule, double value, double other, double boundScale) {
    switch (rule.test) {
    case FieldTest::Positive:
        return value > 0;
    case FieldTest::AtLeast:
        return value >= rule.factor * boundScale;
    case FieldTest::NotAbove:
        return value <= rule.factor * other;
    case FieldTest::Below:
        return value < other;
    case FieldTest::Different:
        return value != other;
    }
    return true;
}

} // namespace

QString FieldReason(const FieldOfUse& field, const Sheet& sheet, int row) {
    for (const FieldRule& rule : field) {
        if (sheet.isEmpty(rule.column, row) || (rule.other > 0 && sheet.isEmpty(rule.other, row)))
            continue;
        const double other = rule.other > 0 ? sheet.number(rule.other, row)
                                            : 0;
        const double scale =
            sheet.units() == Units::SI ? SiFactor(sheet.dataQuantity(rule.column)) : 1.0;
        if (!holds(rule, sheet.number(rule.column, row), other, scale))
            return QString::fromUtf8(rule.reason);
    }
    return {};
}

bool MarkOutOfField(const FieldOfUse& field, Sheet& sheet, int row) {
    const QString reason = FieldReason(field, sheet, row);
    if (reason.isEmpty())
        return false;
    sheet.setOutOfRange(row, reason);
    return true;
}
