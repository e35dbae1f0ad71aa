// The sheet window's commands that exchange the table with spreadsheets: copy it to the
// clipboard, paste rows from it, export it as a CSV file.
#include "sheetwindow/window.h"

#include "sheet/numbers.h"
#include "sheet/safefile.h"
#include "sheet/table.h"
#include "sheetwindow/dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

void SheetWindow::copia() {
    QGuiApplication::clipboard()->setText(CopiedTable(m_document));
}

void SheetWindow::incolla() {
    // The rows start at the row of the box that has the focus, or that had it last in
    // this window (a menu chosen with the mouse takes it for a moment).
    int focusedRow = 0;
    QWidget* focused = focusWidget();
    for (int r = 1; r <= kVisibleRows && focused && focusedRow == 0; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c) {
            if (box(c, r) == focused)
                focusedRow = firstVisibleRow() + r - 1;
        }
    }
    apply(m_document.pasteRows(focusedRow, QGuiApplication::clipboard()->text()));
}

void SheetWindow::esporta() {
    const QString chosen = dialogs().saveFile(ExportRequest(m_params));
    if (chosen.isEmpty())
        return; // cancelled
    const QString path = ExportPath(chosen);
    QString problem;
    if (!WriteWholeFile(FilePath::located(path), ExportedTable(m_document), &problem))
        MsgBox(ExportWriteMessage(path, problem), Icon::Stop, ModPonteluma::texts().checkTitle);
}
