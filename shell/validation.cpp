#include "shell/validation.h"

#include "sheet/dossier.h"
#include "sheet/numbers.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/printer.h"
#include "shell/windows.h"

#include <QFileInfo>

bool WriteDossierPdf(const std::vector<ValidationResult>& results, const QString& folder,
                     const FilePath& pdfPath, QString* problem) {
    const DossierRun run = CurrentDossierRun();
    return WriteComposedPdf(pdfPath, problem, [&](PrinterReport& report) {
        return ComposeDossier(results, CalcWindows(), folder, run, report);
    });
}

void ShowValidation() {
    const QString title = ModPonteluma::texts().checkTitle;
    const QString folder = ValidationFolder();
    QString problem;
    const std::vector<ValidationResult> results = RunValidation(CalcWindows(), folder, &problem);
    if (results.empty()) {
        MsgBox("I casi prova della validazione non possono essere letti: " + problem + ".",
               Icon::Stop, title);
        return;
    }
    const bool passed = ValidationPassed(results, CalcWindows());
    QStringList lines{ValidationSummary(results) + "."};
    for (const ValidationResult& result : results) {
        if (!result.conforms())
            lines << ValidationLine(result);
    }
    for (const QString& missing : UncoveredTypologies(results, CalcWindows()))
        lines << missing + ": nessun caso prova";
    lines << QString()
          << QStringLiteral("Salvare il manuale di validazione, con i risultati di "
                            "questa esecuzione, in un file PDF?");
    if (MsgBox(lines.join('\n'), passed ? Icon::Information : Icon::Exclamation, title,
               Buttons::YesNo, Answer::Yes) != Answer::Yes)
        return;
    QString path = dialogs().saveFile({QStringLiteral("Salva il manuale di validazione"),
                                       QStringLiteral("Manuale PDF (*.pdf)|*.pdf"), 1,
                                       QStringLiteral("Ponteluma-validazione.pdf")});
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".pdf";
    if (!WriteDossierPdf(results, folder, FilePath(path), &problem))
        MsgBox("Il manuale di validazione non è stato scritto nel file \"" +
                   QFileInfo(path).fileName() + "\": " + problem + ".",
               Icon::Stop, title);
}
