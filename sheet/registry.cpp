#include "arches/params.h"
#include "beams/params.h"
#include "continuous/params.h"
#include "plates/params.h"
#include "sections/params.h"
#include "sheet/params.h"

const SheetParams& paramsOf(ModPonteluma::Kind kind) {
    switch (kind) {
    case ModPonteluma::Travi:
        return beamsParams();
    case ModPonteluma::Continue:
        return continuousParams();
    case ModPonteluma::Archi:
        return archesParams();
    case ModPonteluma::Piastre:
        return platesParams();
    case ModPonteluma::Sezioni:
    case ModPonteluma::KindCount:
        break;
    }
    return sectionsParams();
}

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
