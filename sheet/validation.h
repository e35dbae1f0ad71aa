#pragma once
// The program's validation cases. Each case is a solved example: an archive file of one
// window and typology, the solution worked out by hand (from first principles or a named
// handbook table, never by this program) and the value every result must show. A case is
// rerun through the path of `compute` (the archive read, laid out and computed, the table
// of results) and compared item by item, within the tolerance the case states where a
// published table is itself rounded.
//
// A case file is UTF-8 text, one record a line, the keyword first:
//     caso 3.12
//     finestra travi
//     tipologia 12
//     archivio Ponteluma-trav-caso-3.12.txt
//     titolo ...
//     fonte ...                  (a benchmark: the handbook, table and page)
//     opzione --exact            (a method other than the default, by its option)
//     testo ...                  (one line of the solution, as many as it takes)
//     atteso 1 mom.B = -3111     (row, item as `compute` heads it, value as shown)
//     atteso 1 I = 1297 ± 1      (with a tolerance)
//     atteso 1 E' = -            (no result)
#include "sheet/params.h"

#include <QString>
#include <QStringList>
#include <vector>

struct ValidationExpected {
    int row = 0;
    QString item;      // the head of its column in the table of `compute`
    QString value;     // as the window shows it, decimal comma; "-" for no result
    QString tolerance; // empty for none
};

struct ValidationCase {
    QString id;     // "3.12": chapter and number
    QString window; // "travi"
    int typology = 0;
    QString archive; // file name, in the folder of the case
    QString title;
    QString source; // the published source of a benchmark; empty for a typology's case
    QString option; // the command-line option of the method it runs with; empty: default
    QStringList solution;
    std::vector<ValidationExpected> expected;
};

struct ValidationCheck {
    ValidationExpected expected;
    QString obtained; // as `compute` prints it; empty for no result
    bool conforms = false;
};

struct ValidationResult {
    ValidationCase item;
    const SheetParams* params = nullptr;
    QString method;                // the name of the method of a case that chooses one
    QString problem;               // why the case could not run; empty when it ran
    QStringList dataHeads;         // the data columns of the table
    std::vector<QStringList> data; // per row, the data as stored
    std::vector<ValidationCheck> checks;
    bool conforms() const;
};

// The folder of the cases beside the program ("validazione").
QString ValidationFolder();

// Reads one case file; false with a short Italian phrase when a record is wrong.
bool ParseValidationCase(const QString& text, ValidationCase* item, QString* problem);

// Every case of the folder ("caso-*.txt") in the order of their numbers; empty with a
// phrase in problem when the folder holds none or a file cannot be read.
std::vector<ValidationCase> ReadValidationCases(const QString& folder, QString* problem);

// Reruns one case as `compute` does, with the windows of the program.
ValidationResult RunValidationCase(const ValidationCase& item,
                                   const std::vector<const SheetParams*>& windows,
                                   const QString& folder);

// Reads and reruns every case of the folder; empty with a phrase in problem when the
// cases cannot be read.
std::vector<ValidationResult> RunValidation(const std::vector<const SheetParams*>& windows,
                                            const QString& folder, QString* problem);

// A typology of a window without a case: "travi, tipologia 7".
QStringList UncoveredTypologies(const std::vector<ValidationResult>& results,
                                const std::vector<const SheetParams*>& windows);

// "3.12 travi, tipologia 12: conforme", or what differs with both values.
QString ValidationLine(const ValidationResult& result);
// "66 tipologie, 81 casi prova: 81 conformi"
QString ValidationSummary(const std::vector<ValidationResult>& results);
// Whether every case conforms and every typology has one.
bool ValidationPassed(const std::vector<ValidationResult>& results,
                      const std::vector<const SheetParams*>& windows);

// A number as a case writes it (decimal comma, "-" for nothing) read back.
bool ValidationNumber(const QString& text, double* value);
