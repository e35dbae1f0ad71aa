#pragma once
// The printed report of a calculation window: title, typology, legend, the table
// heads and one line per row with the numbers of each column lined up, laid out
// through a ReportWriter so the printer, a PDF and the text grid show the same.
#include "sheet/document.h"
#include "sheet/params.h"
#include "sheet/reportwriter.h"
#include "sheet/safefile.h"

#include <QString>

// Rows on the first page (below the title block) and on each continuation page.
constexpr int kFirstPageRows = 50; // at most: fewer when the legend is long
constexpr int kNextPageRows = 60;

// Whether the window's table says enough to print its report.
bool ReportAvailable(const SheetParams& params);

// Writes the whole report of rows 1..sheet.n() and ends the document; false when the
// writer reports an output failure. A window with a choice of methods names the one its
// results come from under the title (methodName; empty for a window with one method).
bool ComposeReport(const SheetParams& params, const Sheet& sheet, const QString& typologyName,
                   const QString& methodName, ReportWriter& writer);

// The report as text pages (what the command line prints).
QString ReportText(const Document& document);
