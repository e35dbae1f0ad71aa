#pragma once
// Rows pasted from a spreadsheet or from the program's own copied table: the text is
// checked whole before anything of it is used, so a wrong cell changes nothing.
#include <QString>
#include <optional>
#include <vector>

struct PasteShape {
    int dataColumns = 0;    // data columns of the window
    std::vector<bool> used; // used[c - 1]: the typology uses data column c
    QString numberHead;     // first field of the copied table's header ("sezione")
    int firstRow = 1;       // sheet row that receives the first pasted line
    int lastRow = 100;      // last row of the sheet
};

struct PastedRows {
    int firstRow = 0;
    // cells[i][c - 1]: the datum of data column c for sheet row firstRow + i; nothing
    // where the column is not used by the typology or the line has no such cell.
    std::vector<std::vector<std::optional<QString>>> cells;
    QString refusal; // one sentence naming the row and column at fault; empty when none
};

// Lines become rows, cells are separated by tabs or by semicolons. A first line that
// is not numbers (a header) is skipped, and so is a first cell that is the row number
// as the copied table writes it; cells beyond the data columns are ignored.
PastedRows ParsePastedRows(const QString& text, const PasteShape& shape);
