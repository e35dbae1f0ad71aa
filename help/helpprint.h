#pragma once
// Printing of the help pages and of the contents page: the layout is written to
// any report writer (the tests read it on the text grid), the print commands run
// it on the printer chosen in the printer dialog.
#include <QString>
#include <QStringList>

class ReportWriter;

// The page text as the printer receives it: pieces of at most 70 characters,
// broken at the last blank within them (the blank itself is dropped; a word longer
// than 70 characters is cut). Each line of the text starts a new piece; empty
// lines give none.
QStringList HelpPrintPieces(const QString& text);

// Head, title and text of a help page, on as many pages as the text needs (each
// further page starts with the title); ends the document and tells whether the
// output succeeded.
bool WriteHelpPage(ReportWriter& writer, const QString& title, const QString& text);
// Head, "Argomenti della guida" and the entries of the contents page.
bool WriteHelpContents(ReportWriter& writer, const QStringList& entries);

// Print commands: the printer dialog, then the layout on the chosen printer. A
// cancelled dialog ends silently; a printer that fails gets a message. True when
// the document was printed.
bool PrintHelpPage(const QString& title, const QString& text);
bool PrintHelpContents(const QStringList& entries);
