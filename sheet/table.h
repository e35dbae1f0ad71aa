#pragma once
// The sheet as a table of text: the header with the column heads and their units in the
// sheet's units ("luce (m)", "carico (kN/m)"), then one line per
// row 1..n with its number, the data as stored and the results as shown (decimal comma,
// empty where empty). The command line prints it, the window copies it to the clipboard
// and exports it to a CSV file; the three are the same table with other separators.
#include "sheet/message.h"

#include <QByteArray>
#include <QString>

class Document;
class Sheet;
struct SheetParams;

// The reason of a row out of range as one field of the tables and of the report:
// "la distanza a supera la luce." (the hint's line without its dash).
QString OutOfRangeField(const Sheet& sheet, int row);

// What `compute` prints: fields separated by semicolons, lines ended by a line feed.
QString ComputeTable(const Document& document);
// The clipboard's copy: the same fields separated by tabs.
QString CopiedTable(const Document& document);
// The exported file's bytes: UTF-8, semicolons, lines ended by CR LF, as spreadsheets
// set to Italian read a CSV file.
QByteArray ExportedTable(const Document& document);

// The save dialog of the export: the window's prefix as the proposed name.
FileDialogRequest ExportRequest(const SheetParams& params);
// The chosen name with ".csv" added when it has no extension.
QString ExportPath(const QString& chosen);
// The message of an export that could not be written.
QString ExportWriteMessage(const QString& path, const QString& problem);
