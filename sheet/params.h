#pragma once
// The descriptor of one calculation window: everything the program needs to know
// about a window is declared here once, by the window's own folder, and read by the
// grid, the rules, the archive, the report, the command line, the main window, the
// toolbar, the menus and the help contents. A window's own behaviour comes as hooks
// of the descriptor, so no window needs a class of its own.
#include "sheet/diagram.h"
#include "sheet/field.h"
#include "sheet/pagelayout.h"
#include "sheet/sheet.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

struct DataColumn {
    QString box;         // object-name stem of its ten boxes: box_1 .. box_10
    QString headLabel;   // object name of its head label
    QString head;        // head caption before any typology sets it
    QString unitLabel;   // object name of its unit label; empty when it has none
    Quantity quantity;   // what it holds (its unit); a layout may set another per typology
    QString tip;         // tool tip of the head
    int ordinal;         // the "colonna" that the hint and the check name (1..4)
    QString computeHead; // its field name in the command line's table
};

struct ResultColumn {
    QString label;     // object-name stem of its ten labels: label_1 .. label_10
    QString headLabel; // object name of its head label
    QString head;
    QString unitLabel;
    QString unit; // caption of its unit label as "tecniche" names it: "I=cm4", "kgm"
    QString tip;
    QString computeHead;
    Quantity quantity; // what it holds: the unit of the caption, the table and the report
    int decimals = 0;  // rounded half up to this many decimals in "tecniche"
};

// A label of the window that is its own (notes, hover displays, fixed explanations).
struct ExtraLabel {
    QString name;
    QString caption;
    QString tip;
    QRect geometry; // design geometry in pixels of the window's inner area
    bool visible = true;
    bool yellow = false;
    bool wordWrap = false;
};

// A way of computing a window's rows that the engineer can choose (continuous beams:
// tabulated coefficients or the exact solution).
struct CalcMethod {
    QString name;   // "soluzione esatta": the menu, the hint, the report and the check name it
    QString option; // its command-line option, "--exact"; empty for the default method
};

// The window's settings for the run, never archived: every hook that computes or shows
// results receives them, so the window and the command line compute the same way.
struct CalcSettings {
    int method = 0; // index into SheetParams::methods; 0 is the default
};

// What a calculation run tells the window besides the results it stored. A
// calculation starts from a sheet without results and computes every complete row;
// an incomplete row shows nothing and the rows after it are computed all the same.
struct CalcOutcome {
    QString refusal; // a refusal of the data (stop icon), empty when none; the
                     // refused datum has been emptied in the sheet
};

// Texts of the window's messages that name its items.
struct Words {
    QString item;         // "Sezione": hint and check read item + " n." + Str(k)
    QString itemOf;       // "della sezione": "I dati " + itemOf + " n." + Str(k) + ...
    QString plural;       // "sezioni": "... correttamente per n." + Str(n) + " " + plural + "."
    QString full;         // message when the sheet already has 100 rows
    QString firstHint;    // hint of an empty sheet
    QString checkScope;   // last line of the check of an empty sheet
    QStringList help;     // lines of the AIUTO message
    QString windowName;   // 'Sezioni' in the question of the window's own menu item
    QString archiveOf;    // "delle sezioni": "... è un archivio delle sezioni: ..."
    QString totalCaption; // caption before the row count
};

struct ArchiveLayout {
    QString prefix; // "Ponteluma-sez-"
    // Records (lines) of one row for a typology, each listing the data columns it holds.
    std::function<std::vector<std::vector<int>>(int typology)> records;
};

struct ReportItem {
    int column; // 1-based print column (tab position)
    QString text;
};
using ReportLine = std::vector<ReportItem>;

enum class ReportAlign {
    Decimal, // placed at position - IntegerDigits(text): decimal separators line up
    Right    // placed at position - length(text): the text ends just before position
};

struct ReportColumn {
    bool isResult;      // data are printed as typed, results in print form
    int index;          // 1-based data or result column
    int position;       // alignment column
    bool dashWhenEmpty; // an empty value prints as "-"
};

struct ReportLayout {
    QString title;
    std::function<QStringList(const Sheet&)> legend;            // lines after "Legenda:"
    std::function<std::vector<ReportLine>(const Sheet&)> heads; // head lines, on every page
    int numberEnd = 10; // the row number Str(i) is placed at numberEnd - its length
    ReportAlign align = ReportAlign::Decimal;
    std::vector<ReportColumn> columns;

    // The calculation report an engineer signs: the method of a typology, the sign
    // convention in one sentence, the typology's formulas as the calculation applies
    // them (one line each, in the window's symbols) and blocks printed after them (a
    // table of coefficients).
    std::function<QString(int typology)> method;
    QString signs;
    std::function<QStringList(int typology)> formulas;
    std::function<std::vector<DocBlock>(int typology)> tables;
};

// How the rest of the program shows the window: its group of typology buttons in the
// main window, its toolbar button, its entries in the menus and the help contents.
struct Presentation {
    QString groupHead;     // object name of the main window's button that opens it: "sez"
    QString groupCaption;  // "Momenti d'inerzia"
    QString status;        // status bar text over the group
    int groupButtons = 0;  // option buttons; those past the typologies are "a disposizione"
    int groupWidth = 0;    // width of the group's column when the group heads one
    QString viewCaption;   // "Finestra Sezioni": the "Visualizza" menu
    QString glyph;         // "S": its toolbar button
    QString toolTip;       // "visualizza finestra 'Sezioni'"
    QString contentsEntry; // " Finestra Sezioni": its line in the help contents
};

// A pointer over a result of the window: the row highlight goes first, or the result
// itself is painted, after the hook set its captions.
struct ResultHover {
    bool clearHighlight = false;
    bool paintResult = false;
};

// The window's page of the help: its title and text (paragraphs separated by an empty
// line); the page's object name is the window's helpPage.
struct WindowHelp {
    const char* title = "";
    const char* text = "";
};

struct SheetParams {
    QString name; // object name of the window and its name on the command line: "sezioni"
    QString caption;
    QString figureKind;     // "sezione": figure "figurePonteluma/sezione ( 3).bmp"
    QStringList typologies; // names; typology N is typologies[N - 1]
    QString computeItem;    // first field of the command line's table: "sezione"

    // Heads of the grid outside the columns.
    QString numberHead, numberTip, numberUnit;
    QString dataGroupTip, resultGroupTip;
    QString figureTip;

    std::vector<DataColumn> data;
    std::vector<ResultColumn> results;
    std::vector<ExtraLabel> extras;

    // Whether the typology uses data column c; a column it does not use is greyed.
    std::function<bool(int typology, int column)> uses;
    // Captions that the layout sets for a typology (heads, units); others keep theirs.
    std::function<void(int typology, Sheet&)> layout;
    // The calculation of every row, run after each accepted datum.
    std::function<CalcOutcome(Sheet&, int typology, const CalcSettings&)> calculate;
    // The methods the engineer chooses between, the default first ("Visualizza >
    // Metodo"); empty when the window computes one way only.
    std::vector<CalcMethod> methods;
    // The field of use of each typology, declared by the window's folder: the
    // calculation leaves a complete row outside it without results.
    std::function<const FieldOfUse&(int typology)> field;

    Words words;
    ArchiveLayout archive;
    ReportLayout report;
    QString helpPage;                // object name of the window's help page
    WindowHelp help;                 // that page
    bool highlightKeepsGrey = false; // a highlighted row leaves its grey boxes grey
    Presentation presentation;

    // Hooks for what a window truly owns; any of them may be left empty.
    // The pointer over the number of a sheet row (hover displays).
    std::function<void(Sheet&, int typology, int row)> numberHovered;
    // The pointer over result column c of a sheet row.
    std::function<ResultHover(Sheet&, int typology, int column, int row, const CalcSettings&)>
        resultHovered;
    // Whether choosing typology `to` in place of `from` keeps the data (else they go).
    std::function<bool(int from, int to)> keepsData;
    // After the sheet was cleared.
    std::function<void(Sheet&)> cleared;
    // The shear and moment diagram of a computed row (nothing for a row without results).
    // A window that gives it has the diagram panel, the printed diagram pages and the
    // command line's diagram.
    std::function<std::optional<BeamDiagram>(const Sheet&, int typology, int row,
                                             const CalcSettings&)>
        diagram;
};

// The name of the settings' method ("soluzione esatta"); empty for a window with one method.
QString MethodName(const SheetParams& params, const CalcSettings& settings);

// A sheet with the captions the window starts with, its data typed in `units`.
Sheet newSheet(const SheetParams& params, Units units = Units::Tecniche);
// Sets the captions of a typology's layout on the sheet.
void layOut(const SheetParams& params, Sheet& sheet, int typology);
