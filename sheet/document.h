#pragma once
// The document of a calculation window: its sheet of rows, its typology and the
// captions its layout and calculation set, with the sheet's rules as operations.
// Each operation changes the document as the rules say and returns what the window
// must show; the window shows the document and forwards its events here, so the
// rules are the same for the grid, the tests and the command line.
#include "sheet/message.h"
#include "sheet/params.h"
#include "sheet/rules.h"
#include "sheet/safefile.h"

#include <optional>
#include <vector>

// What the window shows after an operation, besides the document itself.
struct Effect {
    bool changed = false; // data, results or captions changed: the grid shows them again
    // The edited box shows this text (a refused or filtered datum), quietly.
    std::optional<QString> boxText;
    std::vector<Message> messages; // shown in turn once the grid shows the document
    int firstVisibleRow = 0;       // the grid scrolls to it (0: stays)
    int focusRow = 0;              // sheet row whose box gets the focus (0: none)
    int focusColumn = 0;           // data column of that box
};

class Document {
public:
    // An empty sheet of the window, typology 1, the captions the window starts with.
    explicit Document(const SheetParams& params);

    const SheetParams& params() const { return *m_params; }
    Sheet& sheet() { return m_sheet; }
    const Sheet& sheet() const { return m_sheet; }
    int typology() const { return m_typology; }
    void setTypology(int typology) { m_typology = typology; }
    // The name of the typology: "rettangolo".
    QString typologyName() const;

    // Sets the captions of the typology's layout.
    void layOut();
    // Computes every row again; the results always belong to the data and the typology.
    Effect calculate();

    // A box's text changed to `text` at data column c of sheet row k: the input rules,
    // the refusal of blank rows and of data before the first column, then a calculation.
    Effect type(int column, int row, const QString& text);
    // A click on the number of sheet row k: a copy of the row goes in at k.
    Effect insertRow(int row);
    // A click on the cross of sheet row k.
    Effect deleteRow(int row);
    // Empties every datum and result.
    Effect clear();
    // The type chooser's choice: the data go unless the window keeps them across the two
    // typologies. The caller lays the window out for it.
    Effect chooseTypology(int typology);
    // Rows pasted as text (a spreadsheet's cells or the copied table) from the sheet row
    // of the box that has the focus (0: none, the rows go after the last one); never
    // beyond row n + 1, so no blank rows are left. The text is checked whole: a wrong
    // cell or too many rows change nothing and the message names them; otherwise the
    // data are stored, n is counted and the sheet computed once.
    Effect pasteRows(int focusedRow, const QString& text);

    // What the hint box says.
    QString hint() const;
    // The check: complete, or the first row that lacks something.
    CheckReport check() const;
    // What the window shows for a check report: its message, the row it names on top
    // and the focus in the box to fill.
    static Effect checkEffect(const CheckReport& report);

    // The pointer over a row number or a result of a sheet row: the window's own displays.
    void numberHovered(int row);
    ResultHover resultHovered(int column, int row);

    // Writes the archive file; false with a short Italian phrase in problem.
    bool write(const QString& path, QString* problem) const;

private:
    const SheetParams* m_params;
    Sheet m_sheet;
    int m_typology = 1;
};

// Reads an archive file into a new document laid out and computed for the file's
// typology, as the window and the command line both show it. nullopt with a short
// Italian phrase in problem when the file cannot be used; refusal receives the
// calculation's refusal of a datum, if any.
std::optional<Document> OpenDocument(const SheetParams& params, const FilePath& path,
                                     QString* problem, QString* refusal = nullptr);
