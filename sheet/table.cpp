#include "sheet/table.h"

#include "sheet/document.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// "luce (m)": a head with the unit of its column in the sheet's units.
QString withUnit(const QString& head, const QString& unit) {
    return unit.isEmpty() ? head : head + " (" + unit + ")";
}

QString tableText(const Document& document, QChar separator, const QString& lineEnd) {
    const SheetParams& params = document.params();
    const Sheet& sheet = document.sheet();
    QStringList head{params.computeItem};
    for (int column = 1; column <= int(params.data.size()); ++column)
        head << withUnit(params.data[size_t(column - 1)].computeHead, sheet.dataUnit(column));
    for (int column = 1; column <= int(params.results.size()); ++column)
        head << withUnit(params.results[size_t(column - 1)].computeHead,
                         UnitName(sheet.resultQuantity(column), sheet.units()));
    QString text = head.join(separator) + lineEnd;
    for (int row = 1; row <= sheet.n(); ++row) {
        QStringList fields{QString::number(row)};
        for (int column = 1; column <= sheet.dataColumns(); ++column)
            fields << sheet.datum(column, row);
        for (int column = 1; column <= sheet.resultColumns(); ++column)
            fields << sheet.resultText(column, row);
        // A row outside its field of use says why in place of its first result.
        if (sheet.isOutOfRange(row) && sheet.resultColumns() > 0)
            fields[1 + sheet.dataColumns()] = OutOfRangeField(sheet, row);
        text += fields.join(separator) + lineEnd;
    }
    return text;
}

} // namespace

QString OutOfRangeField(const Sheet& sheet, int row) {
    QString reason = sheet.outOfRangeReason(row);
    if (reason.startsWith(QLatin1String("- ")))
        reason.remove(0, 2);
    return reason;
}

QString ComputeTable(const Document& document) {
    return tableText(document, ';', QStringLiteral("\n"));
}

QString CopiedTable(const Document& document) {
    return tableText(document, '\t', QStringLiteral("\n"));
}

QByteArray ExportedTable(const Document& document) {
    return tableText(document, ';', QStringLiteral("\r\n")).toUtf8();
}

FileDialogRequest ExportRequest(const SheetParams& params) {
    return {QStringLiteral("Esporta tabella"), QStringLiteral("Tabella CSV (*.csv)|*.csv"), 1,
            params.archive.prefix};
}

QString ExportPath(const QString& chosen) {
    // An extension the user wrote is kept: only a bare name gets ".csv".
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + ".csv";
}

QString ExportWriteMessage(const QString& path, const QString& problem) {
    return "La tabella non è stata esportata nel file \"" + QFileInfo(path).fileName() +
           "\": " + problem + ".";
}
