#include "sheet/params.h"

Sheet newSheet(const SheetParams& params, Units units) {
    Sheet sheet(int(params.data.size()), int(params.results.size()));
    sheet.setUnits(units);
    for (int c = 1; c <= int(params.data.size()); ++c) {
        sheet.setDataHead(c, params.data[c - 1].head);
        sheet.setDataQuantity(c, params.data[c - 1].quantity);
    }
    for (int c = 1; c <= int(params.results.size()); ++c) {
        sheet.setResultHead(c, params.results[c - 1].head);
        const ResultColumn& column = params.results[c - 1];
        sheet.declareResult(c, column.quantity, column.unit, column.decimals);
    }
    for (const ExtraLabel& label : params.extras)
        sheet.declareNote(label.name, {label.caption, !label.visible});
    return sheet;
}

void layOut(const SheetParams& params, Sheet& sheet, int typology) {
    if (params.layout)
        params.layout(typology, sheet);
}

QString MethodName(const SheetParams& params, const CalcSettings& settings) {
    const auto& methods = params.methods;
    if (settings.method < 0 || settings.method >= int(methods.size()))
        return QString();
    return methods[size_t(settings.method)].name;
}
