// The entry points of the window layer's library, found by name by the executable when
// a command needs windows or a painter.
#include "sheet/document.h"
#include "sheetwindow/diagrampaint.h"
#include "sheetwindow/diagramprint.h"
#include "sheetwindow/printer.h"
#include "shell/app.h"
#include "shell/programlibrary.h"
#include "shell/translations.h"
#include "shell/validation.h"

#include <QGuiApplication>
#include <memory>

namespace {

// The printer back-end needs a GUI application; without a display it runs offscreen.
QCoreApplication* makeApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ponteluma";
    static char* argv[] = {name, nullptr};
    auto* app = new QGuiApplication(argc, argv);
    InstallItalianTranslations(app);
    return app;
}

std::unique_ptr<QCoreApplication> ensureGuiApplication() {
    return std::unique_ptr<QCoreApplication>(makeApplication());
}

bool writeReportPdf(const Document& document, const FilePath& pdfPath, bool diagrams,
                    QString* problem) {
    const auto app = ensureGuiApplication();
    ExtraPages diagramPages;
    if (diagrams)
        diagramPages = DiagramPages(document);
    return WriteReportPdf(document, pdfPath, problem, diagramPages);
}

bool writeDiagramSvg(const Document& document, int row, const FilePath& svgPath, QString* problem) {
    const auto app = ensureGuiApplication();
    const DiagramView view = ViewOfRow(document.params(), document.sheet(), document.typology(),
                                       document.typologyName(), row, document.settings());
    return WriteDiagramSvg(view, svgPath, problem);
}

bool writeDossierPdf(const std::vector<ValidationResult>& results, const QString& folder,
                     const FilePath& pdfPath, QString* problem) {
    const auto app = ensureGuiApplication();
    return WriteDossierPdf(results, folder, pdfPath, problem);
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int ponteluma_run_windows(int argc, char* argv[]) {
    return RunWindows(argc, argv);
}

__attribute__((visibility("default"))) const CommandLinePrinting* ponteluma_printing() {
    static const CommandLinePrinting printing{makeApplication, writeReportPdf, writeDiagramSvg,
                                              writeDossierPdf};
    return &printing;
}
}
