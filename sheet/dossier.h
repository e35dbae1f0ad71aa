#pragma once
// The validation dossier ("Manuale di validazione"): a front page with the run it reports
// (program, date, machine, summary) and its contents, a chapter of generalities, then one
// chapter per window: the theory, the algorithm and the field of use of its typologies,
// read from the chapter texts beside the cases, and every case of the window with its
// solution, its results and its verdict from this run. Composed through a ReportWriter,
// so the PDF and the text pages show the same.
#include "sheet/reportwriter.h"
#include "sheet/validation.h"

#include <QString>
#include <vector>

struct DossierRun {
    QString program; // "Ponteluma 2.05.05 (data)"
    QString date;    // when the cases were run
    QString machine; // the computer's name
};

// The pages of the dossier, footed "pagina N di M"; false when the writer failed.
bool ComposeDossier(const std::vector<ValidationResult>& results,
                    const std::vector<const SheetParams*>& windows, const QString& folder,
                    const DossierRun& run, ReportWriter& writer);

// The dossier as text pages.
QString DossierText(const std::vector<ValidationResult>& results,
                    const std::vector<const SheetParams*>& windows, const QString& folder,
                    const DossierRun& run);

// The run as the front page names it: this program, now, this computer.
DossierRun CurrentDossierRun();
