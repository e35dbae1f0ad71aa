#pragma once
// The windows, printing and the splash music live in libraries of their own beside the
// executable, loaded only by the commands that use them: `compute` and the `diagram`
// table start with the core alone.
#include "sheet/safefile.h"

#include <QString>
#include <vector>

class Document;
class QCoreApplication;
struct ValidationResult;

// What the command line asks of the window layer: output that needs a painter.
struct CommandLinePrinting {
    // A GUI application for painting without the windows (offscreen without a display);
    // null when the process has an application already.
    QCoreApplication* (*makeApplication)();
    // The report of the document as a PDF, followed by its diagrams when asked.
    bool (*writeReportPdf)(const Document& document, const FilePath& pdfPath, bool diagrams,
                           QString* problem);
    // The drawing of the diagram of one row (1-based) as an SVG file.
    bool (*writeDiagramSvg)(const Document& document, int row, const FilePath& svgPath,
                            QString* problem);
    // The validation dossier with this run's results, the case texts read from `folder`.
    bool (*writeDossierPdf)(const std::vector<ValidationResult>& results, const QString& folder,
                            const FilePath& pdfPath, QString* problem);
};

// The window layer's entry points, exported by its library with C names.
using RunWindowsEntry = int (*)(int argc, char* argv[]);
using PrintingEntry = const CommandLinePrinting* (*)();
inline constexpr char kRunWindowsSymbol[] = "ponteluma_run_windows";
inline constexpr char kPrintingSymbol[] = "ponteluma_printing";

// A symbol of a library that lies in the folder of the running program ("ponteluma_gui"
// for libponteluma_gui.so); null, with the reason in Italian, when it cannot be loaded.
void* ProgramLibrarySymbol(const char* library, const char* symbol, QString* problem);
