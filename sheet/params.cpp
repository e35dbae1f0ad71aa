#include "sheet/params.h"

Sheet newSheet(const SheetParams& params) {
    Sheet sheet(int(params.data.size()), int(params.results.size()));
    for (const DataColumn& column : params.data) {
        sheet.setCaption(column.headLabel, column.head);
        if (!column.unitLabel.isEmpty())
            sheet.setCaption(column.unitLabel, column.unit);
    }
    for (const ResultColumn& column : params.results) {
        sheet.setCaption(column.headLabel, column.head);
        if (!column.unitLabel.isEmpty())
            sheet.setCaption(column.unitLabel, column.unit);
    }
    for (const ExtraLabel& label : params.extras) {
        sheet.setCaption(label.name, label.caption);
        sheet.setHidden(label.name, !label.visible);
    }
    return sheet;
}

void layOut(const SheetParams& params, Sheet& sheet, int typology) {
    if (params.layout)
        params.layout(typology, sheet);
}
