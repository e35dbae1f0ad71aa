#include "tests/sheets.h"

#include "shell/windows.h"

Sheet FilledSheet(const SheetParams& params, const std::vector<std::vector<const char*>>& rows) {
    Sheet sheet = newSheet(params);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c)
            sheet.setDatum(int(c) + 1, int(r) + 1, QString::fromUtf8(rows[r][c]));
    }
    sheet.CountRows();
    return sheet;
}

Sheet ComputedSheet(const SheetParams& params, int typology,
                    const std::vector<std::vector<const char*>>& rows,
                    const CalcSettings& settings) {
    Sheet sheet = FilledSheet(params, rows);
    layOut(params, sheet, typology);
    params.calculate(sheet, typology, settings);
    return sheet;
}

std::string TextAt(const QString& line, int column, int length) {
    return line.mid(column - 1, length).toStdString();
}

int LineStarting(const QStringList& page, const QString& start) {
    for (int i = 0; i < page.size(); ++i) {
        if (page[i].startsWith(start))
            return i;
    }
    return -1;
}

const std::vector<const SheetParams*>& allWindows() {
    return CalcWindows();
}

const SheetParams& windowParams(const QString& name) {
    return *CalcWindows().at(size_t(WindowIndex(name)));
}
