// The sheet window's commands: the menus, the toolbar (in the order of its table) and
// what each command does: archive, print, check, clear, colours, window switching.
#include "sheetwindow/window.h"

#include "sheet/archive.h"
#include "sheet/numbers.h"
#include "sheetwindow/diagramprint.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/host.h"
#include "sheetwindow/printer.h"
#include "sheetwindow/windowlook.h"

#include "sheetwindow/unitspreference.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

using ModPonteluma::texts;

namespace {

// Small toolbar icons drawn by the program itself.
QIcon glyphIcon(const QString& glyph, const QColor& colour) {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(160), 1));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 19, 19), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(glyph.length() > 2 ? 7 : glyph.length() > 1 ? 9 : 12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 22, 22), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

// The toolbar in its order: each button leads to the menu command of the same name,
// with its tool tip, glyph and colour; a separator goes before the marked ones. The
// buttons of the calculation windows take the place of "windows", one per window.
struct ToolButton {
    const char* command; // object name of the menu command; "windows": the window buttons
    const char* tip;
    const char* glyph;
    QRgb colour;
    bool separatorBefore = false;
};

const ToolButton kToolButtons[] = {
    {"apri", "apri file", "Ap", 0x2e7d32},
    {"salva", "salva file", "Sv", 0x1565c0},
    {"salvanome", "salva file con nome", "S+", 0x1565c0},
    {"elimina", "elimina file", "El", 0xc62828},
    {"stampa", "stampa dati finestra", "St", 0x455a64},
    {"fin1", "visualizza finestra 'Menu'", "M", 0x6d4c41, true},
    {"windows", "", "", 0x00838f, true},
    {"colora", "colore di sfondo", "Col", 0x8e24aa},
    {"guida", "guida in linea", "?", 0xef6c00, true},
    {"suggerimenti", "suggerimenti", "i", 0xef6c00, true},
    {"supporto", "supporto prodotto", "Sp", 0xef6c00},
    {"informazioni", "informazioni su Ponteluma", "Inf", 0xef6c00},
    {"controlla", "controllo dati immessi", "ABC", 0x2e7d32},
    {"cancella", "cancella dati finestra", "Cn", 0xc62828, true},
    {"esci", "uscita da Ponteluma", "Esc", 0x424242},
};

} // namespace

void SheetWindow::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        // A command ends the typing step in a box.
        connect(action, &QAction::triggered, this, [this] { m_document.endTyping(); });
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("file");
    add(file, "apri", "&Apri...", &SheetWindow::apri);
    add(file, "salva", "&Salva", &SheetWindow::salva);
    add(file, "salvanome", "Salva con &nome...", &SheetWindow::salvanome);
    add(file, "elimina", "&Elimina...", &SheetWindow::elimina);
    add(file, "esporta", "Es&porta tabella...", &SheetWindow::esporta);
    file->addSeparator();
    add(file, "stampa", "S&tampa", &SheetWindow::stampa);
    if (m_params.diagram)
        add(file, "stampadiagrammi", "Stampa con &diagrammi", &SheetWindow::stampadiagrammi);
    file->addSeparator();
    add(file, "esci", "Es&ci", [] { callHost(sheetHost().confirmExit); });

    QMenu* modif = menuBar()->addMenu("&Modifica");
    modif->setObjectName("modif");
    m_annulla = add(modif, "annulla", "&Annulla", &SheetWindow::annulla);
    m_ripristina = add(modif, "ripristina", "&Ripristina", &SheetWindow::ripristina);
    modif->addSeparator();
    m_inserisci = add(modif, "inserisci", "I&nserisci copia della riga", &SheetWindow::inserisci);
    m_eliminariga = add(modif, "eliminariga", "&Elimina riga", &SheetWindow::eliminariga);
    // The menu names the row its two commands act on in the status bar.
    connect(modif, &QMenu::aboutToShow, this, &SheetWindow::updateRowCommands);
    modif->addSeparator();
    add(modif, "colora", "&Colore di sfondo", &SheetWindow::colora);
    add(modif, "controlla", "Controlla &dati immessi", &SheetWindow::controlla);
    add(modif, "cancella", "Cancella dati &finestra", &SheetWindow::cancella);
    add(modif, "convertiunita", "Converti &unità", &SheetWindow::convertiunita);
    modif->addSeparator();
    add(modif, "copia", "Co&pia tabella", &SheetWindow::copia);
    add(modif, "incolla", "&Incolla righe", &SheetWindow::incolla);

    QMenu* visu = menuBar()->addMenu("&Visualizza");
    visu->setObjectName("visu");
    // fin1 is the main window, fin2 and on the calculation windows in the list's order.
    const auto& windows = sheetHost().windows;
    for (int position = 1; position <= int(windows.size()) + 1; ++position) {
        const QByteArray name = "fin" + QByteArray::number(position);
        add(visu, name.constData(),
            position == 1 ? QStringLiteral("Finestra M&enu")
                          : windows[size_t(position) - 2]->presentation.viewCaption,
            [this, position] { showWindow(position); });
    }
    visu->addSeparator();
    QMenu* units = visu->addMenu("&Unità di misura");
    units->setObjectName("unita");
    auto* group = new QActionGroup(units);
    m_unitaTecniche = add(units, "unitatecniche", "Unità &tecniche (kg, kg/m, kgm, cm)",
                          [this] { preferUnits(Units::Tecniche); });
    m_unitaSi =
        add(units, "unitasi", "Unità &SI (kN, kN/m, kNm, mm)", [this] { preferUnits(Units::SI); });
    for (QAction* action : {m_unitaTecniche, m_unitaSi}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    (PreferredUnits() == Units::SI ? m_unitaSi : m_unitaTecniche)->setChecked(true);
    addMethodMenu(visu);

    QMenu* interr = menuBar()->addMenu("&?");
    interr->setObjectName("interr");
    // The item opens this window's help page, and says which of the six windows it is.
    add(interr, "finestra",
        "Guida della fi&nestra " + m_params.words.windowName + " (n." +
            QString::number(position()) + " di " + QString::number(sheetHost().windows.size() + 1) +
            ")",
        &SheetWindow::finestra);
    add(interr, "guida", "&Guida in linea", [] { callHost(sheetHost().showHelpContents); });
    add(interr, "suggerimenti", "&Suggerimenti...", [] { callHost(sheetHost().showTips); });
    add(interr, "supporto", "Supporto &prodotto", [] { callHost(sheetHost().showSupport); });
    add(interr, "validazione", "&Validazione del programma…",
        [] { callHost(sheetHost().showValidation); });
    add(interr, "informazioni", "&Informazioni su Ponteluma",
        [] { callHost(sheetHost().showAbout); });
    addShortcuts();
}

// "Visualizza > Metodo": one checkable entry per method of the window (metodo_1, ...),
// the one in use checked; the choice holds for the window until the program ends.
void SheetWindow::addMethodMenu(QMenu* visu) {
    const std::vector<CalcMethod>& methods = m_params.methods;
    if (methods.size() < 2)
        return;
    visu->addSeparator();
    QMenu* menu = visu->addMenu("&Metodo");
    menu->setObjectName("metodo");
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int k = 0; k < int(methods.size()); ++k) {
        QAction* action = menu->addAction(methods[size_t(k)].name);
        action->setObjectName("metodo_" + QString::number(k + 1));
        action->setCheckable(true);
        action->setChecked(k == m_document.settings().method);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, k] {
            m_document.endTyping();
            apply(m_document.setMethod(k));
        });
    }
}

// The usual keys of a desktop program lead to the commands of the menus.
void SheetWindow::addShortcuts() {
    const std::pair<const char*, QKeySequence> keys[] = {
        {"apri", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"salva", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"salvanome", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"stampa", QKeySequence(Qt::CTRL | Qt::Key_P)},
        // Ctrl+C and Ctrl+V stay the text copy and paste of a box.
        {"copia", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"incolla", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
        {"finestra", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [name, key] : keys) {
        if (auto* action = findChild<QAction*>(name))
            action->setShortcut(key);
    }
    m_annulla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_ripristina->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_inserisci->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    m_eliminariga->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    updateHistoryActions();
}

void SheetWindow::buildToolbar() {
    m_toolbar = addToolBar("Toolbar1");
    m_toolbar->setObjectName("Toolbar1");
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(20, 20));
    // Each button is named after what it does: "Toolbar1_apri", "Toolbar1_travi".
    auto addButton = [this](const QString& name, const QString& command, const QString& tip,
                            const QString& glyph, QRgb colour) {
        QAction* action = m_toolbar->addAction(glyphIcon(glyph, QColor(colour)), tip);
        action->setObjectName("Toolbar1_" + name);
        action->setToolTip(tip);
        action->setProperty("command", command); // the menu item it stands for
        auto* target = findChild<QAction*>(command);
        connect(action, &QAction::triggered, this, [target] {
            if (target)
                target->trigger();
        });
    };
    for (const ToolButton& button : kToolButtons) {
        if (button.separatorBefore)
            m_toolbar->addSeparator();
        if (QLatin1String(button.command) != QLatin1String("windows")) {
            addButton(button.command, button.command, QString::fromUtf8(button.tip),
                      QString::fromUtf8(button.glyph), button.colour);
            continue;
        }
        const auto& windows = sheetHost().windows;
        for (size_t w = 0; w < windows.size(); ++w)
            addButton(windows[w]->name, "fin" + QString::number(w + 2),
                      windows[w]->presentation.toolTip, windows[w]->presentation.glyph,
                      button.colour);
    }
}

// The row of the box with the focus, or of the box that had it last.
int SheetWindow::focusedRow() const {
    return firstVisibleRow() + m_focusedBox - 1;
}

void SheetWindow::inserisci() {
    const int row = focusedRow();
    if (row > m_document.sheet().n()) {
        statusBar()->showMessage("La riga " + QString::number(row) +
                                 " è vuota: non c'è nulla da copiare.");
        return;
    }
    const int before = m_document.sheet().n();
    apply(m_document.insertRow(row));
    if (m_document.sheet().n() > before)
        statusBar()->showMessage("Inserita alla riga " + QString::number(row) +
                                 " una copia della riga: l'originale ora è la riga " +
                                 QString::number(row + 1) + ".");
}

void SheetWindow::eliminariga() {
    const int row = focusedRow();
    const int before = m_document.sheet().n();
    apply(m_document.deleteRow(row));
    if (m_document.sheet().n() < before)
        statusBar()->showMessage("Eliminata la riga " + QString::number(row) + ".");
}

void SheetWindow::updateRowCommands() {
    const QString row = QString::number(focusedRow());
    const auto key = [](const QAction* action) {
        return action->shortcut().toString(QKeySequence::NativeText);
    };
    m_inserisci->setStatusTip("Inserisce sopra la riga " + row + " una sua copia (" +
                              key(m_inserisci) + ").");
    m_eliminariga->setStatusTip("Elimina la riga " + row + " (" + key(m_eliminariga) + ").");
}

void SheetWindow::cancella() {
    apply(m_document.clear());
}

void SheetWindow::convertiunita() {
    apply(m_document.convertUnits(m_document.units() == Units::SI ? Units::Tecniche : Units::SI));
}

void SheetWindow::preferUnits(Units units) {
    SetPreferredUnits(units);
    bool listed = false;
    for (int index = 0; index < int(sheetHost().windows.size()); ++index) {
        if (SheetWindow* window = sheetHost().window ? sheetHost().window(index) : nullptr) {
            window->followPreferredUnits();
            listed = listed || window == this;
        }
    }
    if (!listed)
        followPreferredUnits();
}

void SheetWindow::followPreferredUnits() {
    const Units units = PreferredUnits();
    (units == Units::SI ? m_unitaSi : m_unitaTecniche)->setChecked(true);
    if (m_document.units() != units && m_document.adoptUnits(units)) {
        Effect shown;
        shown.changed = true;
        apply(shown);
    }
}

void SheetWindow::annulla() {
    applyHistory(&Document::undo);
}

void SheetWindow::ripristina() {
    applyHistory(&Document::redo);
}

void SheetWindow::applyHistory(Effect (Document::*step)()) {
    const int typology = this->typology();
    const Effect effect = (m_document.*step)();
    if (this->typology() != typology)
        sistema();   // heads, greyed columns, figure and chooser of the typology brought back
    updateCaption(); // an opening taken back or done again brings its file back too
    apply(effect);
}

// The items name what they take back or do again: "Annulla digitazione".
void SheetWindow::updateHistoryActions() {
    const auto name = [](const char* verb, const QString& step) {
        return step.isEmpty() ? QString::fromUtf8(verb) : QString::fromUtf8(verb) + ' ' + step;
    };
    m_annulla->setText(name("&Annulla", m_document.undoName()));
    m_ripristina->setText(name("&Ripristina", m_document.redoName()));
    m_annulla->setEnabled(m_document.canUndo());
    m_ripristina->setEnabled(m_document.canRedo());
}

// The type chooser's choice: the window is laid out and computed for it.
void SheetWindow::typologyChosen(int chosen) {
    if (chosen == typology())
        return; // the entry already shown
    m_document.endTyping();
    apply(m_document.chooseTypology(chosen));
    // The hint starts again from row 1: the grid shows it.
    setFirstVisibleRow(1);
    sistema();
}

void SheetWindow::controlla() {
    apply(Document::checkEffect(m_document.check()));
}

void SheetWindow::colora() {
    const Answer answer = MsgBox(
        "Colori uguali e riposanti (grigio) per tutte le finestre?", Icon::Question,
        ModPonteluma::identity().product + ": colore di sfondo", Buttons::YesNo, Answer::Yes);
    if (answer == Answer::Yes) {
        for (int index = 0; index < int(sheetHost().windows.size()); ++index) {
            if (SheetWindow* window = sheetHost().window ? sheetHost().window(index) : nullptr)
                window->setBackColour(kGrey);
        }
        return;
    }
    if (auto chosen = dialogs().chooseColor(backColour()))
        setBackColour(*chosen);
}

QColor SheetWindow::backColour() const {
    return centralWidget()->palette().color(QPalette::Window);
}

void SheetWindow::setBackColour(const QColor& colour) {
    centralWidget()->setAutoFillBackground(true);
    paintBackground(centralWidget(), colour, QPalette::Window);
}

void SheetWindow::aiuto() {
    MsgBox(HelpMessage(m_params), Icon::Information, texts().helpTitle);
}

void SheetWindow::finestra() {
    callHost(sheetHost().showHelpPage, m_params.helpPage);
}

void SheetWindow::showWindow(int position) {
    if (position == 1) {
        callHost(sheetHost().showMainWindow);
        return;
    }
    if (position == this->position()) {
        const Answer answer = MsgBox(OwnWindowQuestion(m_params), Icon::Question, texts().helpTitle,
                                     Buttons::YesNo, Answer::Yes);
        if (answer != Answer::No)
            callHost(sheetHost().showHelpPage, m_params.helpPage);
        return;
    }
    const int index = position - 2;
    if (!sheetHost().window || index < 0 || index >= int(sheetHost().windows.size()))
        return;
    SheetWindow* other = sheetHost().window(index);
    other->show();
    other->raise();
    other->activateWindow();
}

int SheetWindow::position() const {
    return windowIndex(m_params) + 2;
}

void SheetWindow::apri() {
    const QString path = dialogs().openFile(OpenRequest(m_params));
    if (path.isEmpty())
        return; // cancelled: the sheet stays as it was
    m_lastSaveName = path;
    openArchive(FilePath::located(path));
}

bool SheetWindow::openArchive(const FilePath& path) {
    // Another window's file would read as plausible data of this one: it is refused.
    const QString foreign = ForeignArchiveMessage(m_params, sheetHost().windows, path.shown);
    if (!foreign.isEmpty()) {
        MsgBox(foreign, Icon::Stop, texts().checkTitle);
        return false;
    }
    QString problem;
    if (!m_document.open(path, &problem)) {
        MsgBox(ArchiveReadMessage(path.shown, problem), Icon::Stop, texts().checkTitle);
        return false; // the sheet is untouched until a file is read whole
    }
    updateCaption();
    setFirstVisibleRow(1);
    sistema(); // lays out and shows the results at once
    return true;
}

void SheetWindow::salva() {
    saveRoutine(m_document.file());
}

void SheetWindow::salvanome() {
    saveRoutine(QString());
}

// Writes to the path, or to the file chosen in the save dialog when there is none.
bool SheetWindow::saveRoutine(FilePath path) {
    // Only complete data are saved: the check's own message is all the user sees.
    const CheckReport report = m_document.check();
    if (!report.complete) {
        apply(Document::checkEffect(report));
        return false;
    }
    if (path.native.isEmpty()) {
        const QString chosen = dialogs().saveFile(SaveRequest(m_params, m_lastSaveName));
        if (chosen.isEmpty())
            return false;
        m_lastSaveName = chosen;
        path = FilePath::located(chosen);
    }
    if (!writeArchive(path))
        return false;
    m_document.setFile(path);
    updateCaption();
    return true;
}

void SheetWindow::updateCaption() {
    const QString file = m_document.file().shown;
    setWindowTitle(file.isEmpty() ? m_params.caption
                                  : m_params.caption + " - " + QFileInfo(file).fileName());
}

bool SheetWindow::writeArchive(const FilePath& path) {
    QString problem;
    if (!m_document.write(path, &problem)) {
        MsgBox(ArchiveWriteMessage(path.shown, problem), Icon::Stop, texts().checkTitle);
        return false;
    }
    return true;
}

void SheetWindow::elimina() {
    const QString chosen = dialogs().openFile(DeleteRequest(m_params));
    if (chosen.isEmpty())
        return; // cancelled
    // The sheet is not touched, whatever happens to the file.
    QString problem;
    if (!RemoveFile(FilePath::located(chosen), &problem))
        MsgBox(ArchiveDeleteMessage(chosen, problem), Icon::Stop, texts().checkTitle);
}

void SheetWindow::stampa() {
    // The grid runs through every block of rows before printing.
    for (int first = 11; first <= m_document.sheet().n(); first += 10)
        setFirstVisibleRow(first);
    PrintReport(m_document);
}

void SheetWindow::stampadiagrammi() {
    for (int first = 11; first <= m_document.sheet().n(); first += 10)
        setFirstVisibleRow(first);
    PrintReport(m_document, DiagramPages(m_document));
}
