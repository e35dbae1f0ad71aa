#pragma once
// The sheet's rules without widgets: what the hint box says, what the check
// reports, and the messages of insert and delete.
#include "sheet/message.h"
#include "sheet/params.h"

// The first row 1..n that cannot be computed: it lacks a datum its typology needs
// (an empty first datum or one not above 0, an empty enabled column), or its data lie
// outside the typology's field of use (after the last calculation).
struct Missing {
    int row = 0;    // 0: every row is complete
    int column = 0; // the data column that lacks its datum (1 when out of range)
    bool outOfRange = false;
    QString reason; // the line naming why the row is out of range
};
Missing FirstMissing(const SheetParams& params, const Sheet& sheet, int typology);

// "Trave n. 3 (vedi grafico):\r- la distanza a supera la luce.": a row out of range
// and its reason, as the hint, the check and the diagram panel say it.
QString OutOfRangeText(const SheetParams& params, const Sheet& sheet, int row);

QString HintText(const SheetParams& params, const Sheet& sheet, int typology);

struct CheckReport {
    bool complete = false; // nothing lacks: the success message (or none, when saving)
    QString text;
    Icon icon = Icon::Information;
    int row = 0;    // row to bring to the top of the grid (0: none)
    int column = 0; // data column whose box gets the focus
};
CheckReport Check(const SheetParams& params, const Sheet& sheet, int typology);

// Ordinal of a data column in the hint and check lines: "prima", "seconda", ...
QString OrdinalWord(int ordinal);

QString FullSheetMessage(const SheetParams& params);
QString DeleteRefusal(const SheetParams& params, int row);
// A datum that would not fit in its box once converted to `unit`.
QString UnitsTooLongMessage(const SheetParams& params, int row, int column, const QString& unit);
QString BlankRowsMessage();
QString FirstColumnFirstMessage();
QString HelpMessage(const SheetParams& params);
QString OwnWindowQuestion(const SheetParams& params);
// "figurePonteluma/sezione ( 3).bmp"
QString FigurePath(const SheetParams& params, int typology);

// The eight lines of the AIUTO message; three of them name the window's items:
// StandardHelp("le sezioni successive", "della sezione", "il tipo di sezione").
QStringList StandardHelp(const QString& following, const QString& numberOf, const QString& typeOf);
