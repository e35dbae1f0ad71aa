#pragma once
// The calculation report of a sheet, the one an engineer signs: who, what and when on
// every page; the program, its version and the method; the units and the sign
// convention; the typology with its figure and formulas; the table of data and
// results; for beams the equilibrium of every row; the diagrams when asked; the checks
// the program made and the signature of the designer.
#include "sheet/document.h"
#include "sheet/pagelayout.h"

// The studio's part of the heading (the sheet's opera and elemento and the file come
// from the document).
struct StudioHeading {
    QString studio;
    QString progettista;
    QString albo;
    QString indirizzo;
    QString logo;
};

// The studio's heading as last entered in "File > Intestazione...", kept in the user's
// settings between runs.
StudioHeading LoadStudioHeading();
void SaveStudioHeading(const StudioHeading& heading);

// The heading of the document's pages; date as printed.
PageHeading HeadingOf(const Document& document, const StudioHeading& studio, const QString& date);

// The report as a document of pages; with diagrams, a frame for the diagram of every
// row that has one (its id is the row).
PageDocument CalculationReport(const Document& document, const PageHeading& heading, bool diagrams);

// The report laid out and written as text pages (the command line's --text).
QString CalculationReportText(const Document& document, const PageHeading& heading, bool diagrams);

// Today's date as the heading prints it.
QString ReportDate();
// The day the program was built, as the heading prints dates.
QString BuildDate();
// A number with one decimal and the decimal comma.
QString OneDecimal(double value);
