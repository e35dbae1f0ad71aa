#include "sheet/window.h"

#include "shell/clsresize.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

// Minimal window while the full sheet is being built.
SheetWindow::SheetWindow(const SheetParams& params, QWidget* parent)
    : QMainWindow(parent), m_params(params), m_sheet(newSheet(params)) {
    setObjectName(params.name);
    setWindowTitle(params.caption);
    auto* area = new QWidget(this);
    setCentralWidget(area);
    m_tipocalcolo = new QComboBox(area);
    m_tipocalcolo->setObjectName("tipocalcolo");
}
SheetWindow::~SheetWindow() = default;
int SheetWindow::typology() const {
    return ModPonteluma::shared().typology[m_params.kind];
}
void SheetWindow::setTypology(int typology) {
    ModPonteluma::shared().typology[m_params.kind] = typology;
}
void SheetWindow::sistema() {}
int SheetWindow::firstVisibleRow() const {
    return 1;
}
void SheetWindow::setFirstVisibleRow(int) {}
void SheetWindow::apri() {}
void SheetWindow::salva() {}
void SheetWindow::salvanome() {}
void SheetWindow::elimina() {}
void SheetWindow::stampa() {}
void SheetWindow::colora() {}
void SheetWindow::controlla() {}
void SheetWindow::cancella() {}
void SheetWindow::aiuto() {}
void SheetWindow::finestra() {}
void SheetWindow::showWindow(int) {}
void SheetWindow::Calculate() {}
void SheetWindow::Refresh() {}
void SheetWindow::UpdateHint() {}
void SheetWindow::CountRows() {}
void SheetWindow::ClearRowHighlight() {}
void SheetWindow::insertRow(int) {}
void SheetWindow::deleteRow(int) {}
void SheetWindow::highlightRow(int) {}
bool SheetWindow::openArchive(const QString&) {
    return false;
}
bool SheetWindow::writeArchive(const QString&) {
    return false;
}
QLineEdit* SheetWindow::box(int, int) const {
    return nullptr;
}
QLabel* SheetWindow::resultLabel(int, int) const {
    return nullptr;
}
QLabel* SheetWindow::label(const QString&) const {
    return nullptr;
}
void SheetWindow::numHovered(int) {}
void SheetWindow::resultHovered(int, int) {}
void SheetWindow::typologyChosen(int) {}
bool SheetWindow::eventFilter(QObject* w, QEvent* e) {
    return QMainWindow::eventFilter(w, e);
}
void SheetWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
}
void SheetWindow::syncCaptions() {}
void SheetWindow::applyOutcome(const CalcOutcome&) {}

SheetWindow* createSheetWindow(ModPonteluma::Kind kind) {
    return new SheetWindow(paramsOf(kind));
}
