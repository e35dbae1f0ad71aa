#pragma once
// The document of a calculation window: its sheet of rows, its typology and the
// captions its layout and calculation set, with the sheet's rules as operations.
// Each operation changes the document as the rules say and returns what the window
// must show; the window shows the document and forwards its events here, so the
// rules are the same for the grid, the tests and the command line.
//
// Every change of the sheet is a step of the document's history and can be taken
// back and done again: typing in a box, insert, delete, clear, a change of typology,
// opening a file. The history is the document's own, so each window has its own.
#include "sheet/message.h"
#include "sheet/params.h"
#include "sheet/rules.h"
#include "sheet/safefile.h"

#include <deque>
#include <optional>
#include <vector>

// Steps of a document's history that can be taken back; older ones are forgotten.
constexpr int kHistorySteps = 200;

// The kinds of step of the history, named by the menu items that take them back
// ("Annulla digitazione").
enum class StepKind { Change, Typing, Insert, Delete, Clear, Typology, Open, Paste, Units };
QString StepName(StepKind kind);

// What the window shows after an operation, besides the document itself.
struct Effect {
    bool changed = false; // data, results or captions changed: the grid shows them again
    // The edited box shows this text (a refused or filtered datum), quietly.
    std::optional<QString> boxText;
    std::vector<Message> messages; // shown in turn once the grid shows the document
    int firstVisibleRow = 0;       // the grid scrolls to it (0: stays)
    int focusRow = 0;              // sheet row whose box gets the focus (0: none)
    int focusColumn = 0;           // data column of that box
    int showRow = 0;               // sheet row the grid brings into view if hidden (0: none)
};

class Document {
public:
    // An empty sheet of the window, typology 1, the captions the window starts with, its
    // data to be typed in `units`.
    explicit Document(const SheetParams& params, Units units = Units::Tecniche);

    const SheetParams& params() const { return *m_params; }
    Sheet& sheet() { return m_sheet; }
    const Sheet& sheet() const { return m_sheet; }
    int typology() const { return m_typology; }
    // A change of typology that keeps the data (the main window's choice): one step. The
    // caller lays the window out for it.
    void setTypology(int typology);
    // The name of the typology: "rettangolo".
    QString typologyName() const;

    // The settings the window computes with, kept for the run: neither a step of the
    // history nor part of the archive.
    const CalcSettings& settings() const { return m_settings; }
    // Chooses the method of calculation (an index into the window's methods) and computes
    // the sheet again with it.
    Effect setMethod(int method);
    // The name of the method in use; empty for a window with one method.
    QString methodName() const { return MethodName(*m_params, m_settings); }
    // The units the sheet's data are typed in and its results shown in.
    Units units() const { return m_sheet.units(); }
    // Converts every datum to `units` (the value times the exact factor, as text) and
    // computes the sheet, as one step; the other system's units already: nothing. A
    // datum whose converted value would not fit in its box refuses the whole conversion,
    // nothing changed, with the message that names it.
    Effect convertUnits(Units units);
    // A sheet without data takes `units` for what will be typed (no step); false, nothing
    // changed, for a sheet with data.
    bool adoptUnits(Units units);

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
    // typologies; the typology already shown changes nothing. The caller lays the window
    // out for it.
    Effect chooseTypology(int typology);
    // Rows pasted as text (a spreadsheet's cells or the copied table) from the sheet row
    // of the box that has the focus (0: none, the rows go after the last one); never
    // beyond row n + 1, so no blank rows are left. The text is checked whole: a wrong
    // cell or too many rows change nothing and the message names them; otherwise the
    // data are stored, n is counted and the sheet computed once.
    Effect pasteRows(int focusedRow, const QString& text);
    // Reads an archive file in place of the sheet, laid out and computed for the file's
    // typology, as one step; the file becomes the document's file. False with a short
    // Italian phrase in problem, the document untouched, when the file cannot be used.
    bool open(const FilePath& path, QString* problem, QString* refusal = nullptr);

    // The file that "Salva" writes: the one last opened or saved, empty when none. Undo
    // changes it only when it takes back an opening (and redo when it does the opening
    // again): "Salva" never writes the sheet that was there before onto the file opened.
    // Its name keeps the system's bytes, which need not be UTF-8.
    const FilePath& file() const { return m_file; }
    void setFile(const FilePath& path) { m_file = path; }

    // ---- history ----
    // Each operation above that changes the data or the typology records one step. The
    // keystrokes in one box are one step, until endTyping() (the focus left the box) or
    // any other operation. At least kHistorySteps steps are kept for the whole run.
    // No step leaves the document as it found it: an operation that changes no datum and
    // not the typology records none, and keystrokes that bring a box back to its text
    // take their step away, so every undo changes something the window shows.
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // What the next undo or redo takes back or does again, as the menu names it
    // ("digitazione", "incolla righe"); empty when there is none.
    QString undoName() const { return m_undo.empty() ? QString() : m_undo.back().name; }
    QString redoName() const { return m_redo.empty() ? QString() : m_redo.back().name; }
    // Bring back the data, the typology and the captions as they were before the last
    // step (as they were when it was taken back, for redo) and compute the sheet. The
    // effect's showRow is the row the step changed. A new step forgets what could be
    // redone.
    Effect undo();
    Effect redo();
    void endTyping();
    // A compound change recorded as one step: beginStep() remembers the state now, and
    // everything changed until the matching endStep(), through the operations above or
    // directly in sheet(), is taken back by one undo. Pairs nest; a step that changed no
    // datum and not the typology is dropped. A command that changes many rows, such as
    // pasting rows, runs between the two:
    //     document.beginStep(firstRow);
    //     for (...) document.type(column, row, text);
    //     document.endStep();
    // (or holds an UndoStep for the same pair). row is the sheet row that undo brings
    // into view, kind what the menu calls the step (the outermost pair's counts).
    void beginStep(int row = 1, StepKind kind = StepKind::Change);
    void endStep();

    // What the hint box says; a method other than the default is named on a line of its own.
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
    bool write(const FilePath& path, QString* problem) const;

private:
    // The document as a step brings it back: results and captions too, so the layout
    // is exactly as it was.
    struct State {
        Sheet sheet;
        int typology;
        int row;                      // the row the step changed
        QString name;                 // what the step is, for the menu
        std::optional<FilePath> file; // the file before an opening; nothing for other steps
    };
    State state(int row, StepKind kind) const {
        return {m_sheet, m_typology, row, StepName(kind), std::nullopt};
    }
    // Records the state before the typing in a box as a step (inside beginStep, the open
    // step holds it already); a later keystroke that brings the data back takes it away.
    void recordTyping(int column, int row);
    void dropTypingStepThatChangedNothing();
    void push(State step);
    bool sameData(const State& state) const;
    Effect restore(std::deque<State>& from, std::deque<State>& to);

    const SheetParams* m_params;
    Sheet m_sheet;
    int m_typology = 1;
    CalcSettings m_settings;
    FilePath m_file{QString()};
    std::deque<State> m_undo, m_redo;
    std::optional<State> m_openStep; // recorded by beginStep, kept by endStep if it changed
    int m_stepDepth = 0;
    int m_typingColumn = 0; // the box whose typing is the last step (0: none)
    int m_typingRow = 0;
};

// Holds one step of a document's history open while it lives (beginStep/endStep).
class UndoStep {
public:
    explicit UndoStep(Document& document, int row = 1, StepKind kind = StepKind::Change)
        : m_document(document) {
        m_document.beginStep(row, kind);
    }
    ~UndoStep() { m_document.endStep(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    Document& m_document;
};

// Reads an archive file into a new document laid out and computed for the file's
// typology and computed with the settings, as the window and the command line both show
// it. nullopt with a short Italian phrase in problem when the file cannot be used;
// refusal receives the calculation's refusal of a datum, if any.
std::optional<Document> OpenDocument(const SheetParams& params, const FilePath& path,
                                     QString* problem, QString* refusal = nullptr,
                                     const CalcSettings& settings = {});
