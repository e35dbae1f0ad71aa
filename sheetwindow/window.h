#pragma once
// The calculation sheet window shared by the five calculation windows: the grid of
// ten visible rows over a sheet of 100, typing, insert and delete, hint box, check,
// colours, commands, window switching, archive and report. A window's own
// behaviour comes from its parameter table and from the few hooks below.
#include "sheet/document.h"

#include <QEvent>
#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <QSet>
#include <array>
#include <optional>
#include <vector>

class ClsResize;
class DiagramPanel;
class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolBar;

class SheetWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SheetWindow(const SheetParams& params, QWidget* parent = nullptr);
    ~SheetWindow() override;

    const SheetParams& params() const { return m_params; }
    Document& document() { return m_document; }
    Sheet& sheet() { return m_document.sheet(); }
    const Sheet& sheet() const { return m_document.sheet(); }
    int typology() const;
    void setTypology(int typology);

    // Reruns the load routine and lays the window out for its current typology.
    void sistema();

    QComboBox* tipocalcolo() const { return m_tipocalcolo; }
    int firstVisibleRow() const;
    void setFirstVisibleRow(int row); // VScroll1's value, 1..91

    // Commands (menus, toolbar and buttons lead here).
    void apri();
    void salva();
    void salvanome();
    void elimina();
    void stampa();
    void stampadiagrammi(); // the report, then the diagram of every row with results
    void colora();
    void controlla();
    void cancella();
    // The table as text: copied to the clipboard, rows pasted from it, exported as CSV.
    void copia();
    void incolla();
    void esporta();
    // The sheet's data in the other unit system (kg and cm, or kN and mm), as one step.
    void convertiunita();
    // The system new sheets take, for every window: a window whose sheet has no data
    // takes it at once, a window with data keeps its own (convertiunita converts them).
    void preferUnits(Units units);
    // Shows the preference in the menu; an empty sheet takes it.
    void followPreferredUnits();
    // Take back the last change of the sheet, or do again the last one taken back.
    void annulla();
    void ripristina();
    // Ctrl+Ins and Ctrl+Del: a copy of the row of the focused box inserted above it, that
    // row deleted. Undone as a click on the row number or on the cross.
    void inserisci();
    void eliminariga();
    int focusedRow() const;
    void aiuto();
    void finestra();
    // fin1, fin2, ...: 1 the main window, then the calculation windows in the list's order.
    void showWindow(int position);
    // This window's place in the "Visualizza" menu (2 for the first in the list).
    int position() const;
    QColor backColour() const;
    void setBackColour(const QColor& colour);

    // Runs the calculation and shows its outcome; every datum change ends here.
    void Calculate();
    void Refresh();
    void UpdateHint();
    void CountRows();
    void ClearRowHighlight();
    void insertRow(int visibleRow); // click on num_r
    void deleteRow(int visibleRow); // click on delriga_r
    void highlightRow(int visibleRow);
    // The diagram panel shows sheet row `row` (0: the row it shows, drawn again).
    void showDiagram(int row = 0);

    // Reads an archive into the sheet; false (and a message) when it cannot.
    bool openArchive(const FilePath& path);
    // Writes the sheet; false (and a message) when it cannot.
    bool writeArchive(const FilePath& path);

    QLineEdit* box(int column, int visibleRow) const;
    QLabel* resultLabel(int column, int visibleRow) const;
    QLabel* label(const QString& name) const;
    // The font size of the grid's cells at the window's current size; a cell whose
    // text does not fit has a smaller one.
    double cellPointSize() const;
    // The window's design size in pixels (9600 twips wide, more when its columns
    // need it, and 6825 high).
    QSize designSize() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The steps of eventFilter: the type chooser, a data box, the pointer over the grid.
    bool chooserEvent(QEvent* event);
    std::optional<bool> boxEvent(QLineEdit* edited, QEvent* event);
    bool pointerEvent(QObject* watched, QEvent::Type type);
    // The pointer over a row number or a result: the window's hover displays.
    void numberHovered(int visibleRow);
    void resultHovered(int column, int visibleRow);
    // The type chooser's choice (typology = position + 1).
    void typologyChosen(int typology);
    void apply(const Effect& effect, QLineEdit* edited = nullptr);
    // Undo or redo: the layout follows a typology that changed.
    void applyHistory(Effect (Document::*step)());
    void updateHistoryActions();
    void updateRowCommands();
    // The window's caption names the file that "Salva" writes.
    void updateCaption();

    // Shows the captions and visibility the sheet holds on the named labels.
    void syncCaptions();
    void applyOutcome(const CalcOutcome& outcome);
    // A hover display's own highlight, undone by ClearRowHighlight.
    void paintResultYellow(int column, int visibleRow);

    struct Row {
        QLabel* num = nullptr;
        std::vector<QLineEdit*> boxes;
        std::vector<QLabel*> results;
        QPushButton* delriga = nullptr;
    };

    void buildMenus();
    void addMethodMenu(QMenu* visu);
    void addShortcuts();
    bool scrollByKey(QKeyEvent* key);
    void buildToolbar();
    void buildGrid(QWidget* area);
    struct GridColumns;
    GridColumns gridColumns(const QFont& font) const;
    void buildHeads(QWidget* area, const GridColumns& columns);
    void buildRow(QWidget* area, const GridColumns& columns, int visibleRow);
    void buildBottom(QWidget* area);
    void buildDiagramPanel(QWidget* area);
    // Moves the window up and left as far as its size needs to stay on the screen.
    void keepOnScreen();
    QLabel* makeLabel(QWidget* area, const QString& name, const QString& caption,
                      const QString& tip, const QRect& geometry);
    void load();
    void dataChanged(int column, int visibleRow);
    void applyRowColours(int visibleRow, bool highlighted);
    void focusBox(int column, int visibleRow);
    bool moveFromBox(QLineEdit* from, QKeyEvent* key);
    void chainTabOrder();
    void updateAccessibleNames();
    void setBox(QLineEdit* target, const QString& text);
    bool saveRoutine(FilePath path);
    void loadFigure();
    void showFigure();
    void fitHead(QLabel* head);
    void watchCells();
    void fitCells();
    void fitCell(QWidget* cell, const QString& text, const QString& name);
    QString cellName(int column, int visibleRow, bool result) const;
    void rescaleFonts();

    const SheetParams& m_params;
    Document m_document;
    ClsResize* m_resizer = nullptr;
    int m_designWidth = 0;    // of the inner area, in pixels
    int m_designHeight = 0;   // of the inner area: more when the window has a diagram
    double m_fontScale = 1.0; // fonts at the current size against the design ones
    std::vector<Row> m_rows;  // visible rows 1..10 at index 0..9
    QComboBox* m_tipocalcolo = nullptr;
    QLabel* m_numero = nullptr;
    QLabel* m_disegno = nullptr;
    QPixmap m_figure; // the typology's figure as read
    QLabel* m_passo = nullptr;
    QLabel* m_tot = nullptr;
    DiagramPanel* m_diagramma = nullptr; // only in the windows that draw diagrams
    int m_diagramRow = 1;                // the sheet row it shows
    QScrollBar* m_scroll = nullptr;
    QToolBar* m_toolbar = nullptr;
    QAction* m_annulla = nullptr;
    QAction* m_ripristina = nullptr;
    QAction* m_unitaTecniche = nullptr; // "Visualizza > Unità di misura"
    QAction* m_unitaSi = nullptr;
    QAction* m_inserisci = nullptr;
    QAction* m_eliminariga = nullptr;
    int m_focusedBox = 1;            // visible row of the box with the focus, or of the last one
    QHash<QString, QLabel*> m_named; // heads, units and the window's own labels
    QSet<QLabel*> m_heads;           // column heads and units, fitted to their width
    int m_namedFrom = 0;             // first row of the accessible names given
    int m_highlighted = 0;           // highlighted visible row (0: none)
    std::array<bool, kVisibleRows> m_painted{}; // rows not in their normal colours
    bool m_filling = false;                     // boxes being filled by Refresh: not typing
    QString m_lastSaveName;                     // the save dialog starts with the last name chosen
};
