#pragma once
// The validation of the program from the windows and the command line: the cases rerun,
// their summary, and the dossier with this run's results written as a PDF file.
#include "sheet/safefile.h"
#include "sheet/validation.h"

#include <QString>
#include <vector>

// The dossier of these results, the case texts read from `folder`, into a PDF file.
bool WriteDossierPdf(const std::vector<ValidationResult>& results, const QString& folder,
                     const FilePath& pdfPath, QString* problem);

// "? > Validazione del programma…": reruns the cases beside the program, shows the summary
// and offers to save the dossier as a PDF file.
void ShowValidation();
