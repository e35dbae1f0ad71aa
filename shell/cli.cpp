#include "shell/cli.h"

#include "sheet/archive.h"
#include "sheet/diagram.h"
#include "sheet/document.h"
#include "sheet/numbers.h"
#include "sheet/params.h"
#include "sheet/report.h"
#include "sheet/safefile.h"
#include "sheet/table.h"
#include "sheet/validation.h"
#include "shell/programlibrary.h"
#include "shell/windows.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <tuple>

namespace {

constexpr int kUsageError = 1;
constexpr int kFileError = 2;

// False, with the system's error, when the text did not reach standard output whole (a
// full disk behind "> file" shows only when the buffer is flushed).
bool out(const QString& text, int* systemError) {
    const QByteArray bytes = text.toUtf8();
    int error = 0;
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        error = errno ? errno : EIO;
    errno = 0;
    if (std::fflush(stdout) != 0 && !error)
        error = errno ? errno : EIO;
    *systemError = error;
    return error == 0;
}
void err(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fflush(stderr);
}

// The window named on the command line: "sezioni", "travi", ...
const SheetParams* windowByName(const QString& name) {
    const int index = WindowIndex(name);
    return index < 0 ? nullptr : CalcWindows()[size_t(index)];
}

// The window whose archive prefix begins the file name (the longest that matches).
const SheetParams* windowByFileName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const SheetParams* found = nullptr;
    int longest = 0;
    for (const SheetParams* window : CalcWindows()) {
        const QString& prefix = window->archive.prefix;
        if (!prefix.isEmpty() && prefix.length() > longest &&
            name.startsWith(prefix, Qt::CaseInsensitive)) {
            found = window;
            longest = int(prefix.length());
        }
    }
    return found;
}

// "sezioni, travi, continue, archi o piastre" and "sezioni|travi|continue|archi|piastre".
QString windowNames(const QString& separator, const QString& last) {
    QStringList names;
    for (const SheetParams* window : CalcWindows())
        names << window->name;
    const QString tail = names.takeLast();
    return names.join(separator) + last + tail;
}

// "travi e continue": the windows that draw diagrams.
QString diagramWindowNames() {
    QStringList names;
    for (const SheetParams* window : CalcWindows()) {
        if (window->diagram)
            names << window->name;
    }
    const QString tail = names.takeLast();
    return names.isEmpty() ? tail : names.join(", ") + " e " + tail;
}

// The windows that offer the method chosen by a command-line option ("--exact"), and
// the method's index in the window, -1 when it has none.
int methodOfOption(const SheetParams& params, const QString& option) {
    for (size_t k = 0; k < params.methods.size(); ++k) {
        if (!option.isEmpty() && params.methods[k].option == option)
            return int(k);
    }
    return -1;
}
QStringList windowsWithOption(const QString& option) {
    QStringList names;
    for (const SheetParams* window : CalcWindows()) {
        if (methodOfOption(*window, option) >= 0)
            names << window->name;
    }
    return names;
}

QString usage() {
    return QStringLiteral(
               "Uso:\n"
               "  ponteluma                        avvia il programma (presentazione, poi il "
               "menu)\n"
               "  ponteluma compute FILE           calcola un file archiviato e ne stampa la "
               "tabella\n"
               "  ponteluma report FILE --text     stampa la relazione come pagine di testo\n"
               "  ponteluma report FILE --pdf OUT  scrive la relazione in un file PDF\n"
               "  ponteluma report FILE --pdf OUT --diagrams\n"
               "                                   la relazione seguita dai diagrammi delle "
               "travi\n"
               "  ponteluma diagram FILE --row N   stampa il diagramma del taglio e del "
               "momento\n"
               "                                   della riga N come tabella x;V;M\n"
               "  ponteluma diagram FILE --row N --svg OUT.svg\n"
               "                                   scrive il disegno del diagramma in un file "
               "SVG\n"
               "  ponteluma validazione [--pdf OUT] [--dir CARTELLA]\n"
               "                                   riesegue i casi prova della validazione; "
               "con\n"
               "                                   --pdf scrive il manuale di validazione\n"
               "  ponteluma --help | --version\n") +
           "Opzione: --window " + windowNames("|", "|") +
           " sceglie la finestra\n"
           "(altrimenti la dice il prefisso del nome del file).\n"
           "Opzione: --units si|tecniche converte ciò che compute, report e diagram stampano\n"
           "(kN, kN/m, kNm, mm oppure kg, kg/m, kgm, cm); il file non cambia. Senza, si\n"
           "stampa nelle unità del file: un file con il contrassegno \"SI\" in SI, gli altri\n"
           "in unità tecniche.\n"

           "Opzione di compute, report e diagram: --exact calcola le travi continue con la\n"
           "soluzione esatta invece dei coefficienti tabellati.\n";
}

int usageError(const QString& sentence) {
    err(sentence + "\n" + usage());
    return kUsageError;
}

// Writes what a command prints; a failed write is a file error, told in one sentence that
// begins with failure ("La tabella del file \"X\" non può essere scritta").
int print(const QString& text, const QString& failure) {
    int error = 0;
    if (out(text, &error))
        return 0;
    err(failure + " sull'uscita standard: " + WriteFailure(error) + ".\n");
    return kFileError;
}

struct Request {
    QString command;
    FilePath file{QString()};
    QString window;
    bool text = false;
    bool pdf = false;
    FilePath pdfPath{QString()};
    bool diagrams = false;
    int row = 0;                // --row N; 0 when not given
    std::optional<Units> units; // --units: what is printed is converted to them
    bool svg = false;
    FilePath svgPath{QString()};
    QString methodOption; // "--exact": a method other than the window's default
};

// Reads the arguments after the command; an empty string on success, else the sentence
// that says what is wrong. File names keep the bytes the system gives, which need not be
// UTF-8.
QString parseOptions(const QList<QByteArray>& arguments, Request* request) {
    bool haveFile = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString argument = QFile::decodeName(arguments[i]);
        if (argument == "--window" || argument == "--pdf" || argument == "--row" ||
            argument == "--svg" || argument == "--units") {
            if (i + 1 >= arguments.size())
                return "Manca il valore dell'opzione " + argument + ".";
            const QByteArray& value = arguments[++i];
            if (argument == "--window") {
                request->window = QFile::decodeName(value);
            } else if (argument == "--units") {
                const QString name = QFile::decodeName(value);
                if (name == "si")
                    request->units = Units::SI;
                else if (name == "tecniche")
                    request->units = Units::Tecniche;
                else
                    return "Il valore di --units deve essere si o tecniche, non \"" + name + "\".";
            } else if (argument == "--row") {
                bool number = false;
                request->row = QFile::decodeName(value).toInt(&number);
                if (!number || request->row < 1)
                    return "Il valore di --row deve essere il numero di una riga (1, 2, ...), "
                           "non \"" +
                           QFile::decodeName(value) + "\".";
            } else if (argument == "--svg") {
                request->svg = true;
                request->svgPath = FilePath::fromNative(value);
            } else {
                request->pdf = true;
                request->pdfPath = FilePath::fromNative(value);
            }
        } else if (argument == "--text") {
            request->text = true;
        } else if (argument == "--diagrams") {
            request->diagrams = true;
        } else if (!windowsWithOption(argument).isEmpty()) {
            request->methodOption = argument;
        } else if (argument.startsWith("--")) {
            return "Opzione non riconosciuta: " + argument + ".";
        } else if (haveFile) {
            return "Si può elaborare un solo file per volta: \"" + argument + "\" è di troppo.";
        } else {
            request->file = FilePath::fromNative(arguments[i]);
            haveFile = true;
        }
    }
    if (!haveFile)
        return QStringLiteral("Manca il nome del file archiviato da elaborare.");
    return QString();
}

// The window layer's printing, loaded the first time a command draws; null, with the
// reason, when its library is missing.
const CommandLinePrinting* printing(QString* problem) {
    static const CommandLinePrinting* loaded = nullptr;
    if (!loaded) {
        if (auto entry = reinterpret_cast<PrintingEntry>(
                ProgramLibrarySymbol("ponteluma_shell.so", kPrintingSymbol, problem)))
            loaded = entry();
    }
    return loaded;
}

// The options that do not go together, or that the command does not take: the sentence
// that says so, else an empty string.
QString optionsMismatch(const Request& request) {
    const bool isReport = request.command == "report";
    if (isReport && request.text == request.pdf)
        return QStringLiteral("Il comando report vuole una delle opzioni --text o "
                              "--pdf FILE.pdf.");
    if (!isReport && (request.text || request.pdf))
        return QStringLiteral("Le opzioni --text e --pdf valgono solo per il comando "
                              "report.");
    if (request.diagrams && !request.pdf)
        return QStringLiteral("L'opzione --diagrams vale solo con report FILE --pdf "
                              "OUT.");
    const bool isDiagram = request.command == "diagram";
    if (isDiagram && request.row == 0)
        return QStringLiteral("Il comando diagram vuole l'opzione --row N.");
    if (!isDiagram && (request.row > 0 || request.svg))
        return QStringLiteral("Le opzioni --row e --svg valgono solo per il comando "
                              "diagram.");
    return QString();
}

// The window named by --window, else the one the file's name belongs to; null, with the
// sentence that says why, when there is none.
const SheetParams* requestedWindow(const Request& request, QString* wrong) {
    if (!request.window.isEmpty()) {
        const SheetParams* window = windowByName(request.window);
        if (!window)
            *wrong = "Finestra sconosciuta: \"" + request.window + "\" (usare " +
                     windowNames(", ", " o ") + ").";
        return window;
    }
    const SheetParams* window = windowByFileName(request.file.shown);
    if (!window)
        *wrong = "Dal nome del file \"" + request.file.shown +
                 "\" non si ricava la finestra: indicarla con --window " + windowNames("|", "|") +
                 ".";
    return window;
}

// An output file (the PDF, the SVG): one sentence when it cannot be written.
int outputFailure(const char* kind, const FilePath& path, const QString& problem) {
    err(QString("Il file ") + kind + " \"" + path.shown + "\" non può essere scritto: " + problem +
        ".\n");
    return kFileError;
}

// The archive itself is refused as output; so are a FIFO or a device, before anything is
// read or drawn. The exit status of the refusal, 0 when the outputs may be written.
int refusedOutputs(const Request& request) {
    for (const auto& [wanted, kind, path] : {std::tuple(request.pdf, "PDF", &request.pdfPath),
                                             std::tuple(request.svg, "SVG", &request.svgPath)}) {
        if (!wanted)
            continue;
        if (SameFile(request.file, *path)) {
            err(QString("Il file ") + kind + " \"" + path->shown +
                "\" è il file archiviato da elaborare: indicare un altro nome.\n");
            return kUsageError;
        }
        const QString notRegular = NotRegularFile(*path);
        if (!notRegular.isEmpty())
            return outputFailure(kind, *path, notRegular);
    }
    return 0;
}

// `diagram`: the table of the row's diagram, or its drawing as SVG.
int runDiagram(const Request& request, const SheetParams& params, const Document& document) {
    const Sheet& sheet = document.sheet();
    if (request.row > sheet.n()) {
        err("La riga " + QString::number(request.row) + " non esiste: il file \"" +
            request.file.shown + "\" ha " + QString::number(sheet.n()) + " righe.\n");
        return kFileError;
    }
    const std::optional<BeamDiagram> diagram =
        params.diagram(sheet, document.typology(), request.row, document.settings());
    if (!diagram && sheet.isOutOfRange(request.row)) {
        err("La riga " + QString::number(request.row) + " del file \"" + request.file.shown +
            "\" è fuori dal campo d'uso delle formule: " + OutOfRangeField(sheet, request.row) +
            "\n");
        return kFileError;
    }
    if (!diagram) {
        err("La riga " + QString::number(request.row) + " del file \"" + request.file.shown +
            "\" è incompleta: senza risultati non c'è diagramma.\n");
        return kFileError;
    }
    if (!request.svg)
        return print(DiagramTable(*diagram), "Il diagramma della riga " +
                                                 QString::number(request.row) +
                                                 " non può essere scritto");
    QString problem;
    const CommandLinePrinting* drawing = printing(&problem);
    if (!drawing || !drawing->writeDiagramSvg(document, request.row, request.svgPath, &problem))
        return outputFailure("SVG", request.svgPath, problem);
    return 0;
}

// `compute` and `report`: the table, the report as text or the report as PDF.
int runTableOrReport(const Request& request, const Document& document) {
    if (request.command != "report")
        return print(ComputeTable(document),
                     "La tabella del file \"" + request.file.shown + "\" non può essere scritta");
    if (request.text)
        return print(ReportText(document),
                     "La relazione del file \"" + request.file.shown + "\" non può essere scritta");
    QString problem;
    const CommandLinePrinting* drawing = printing(&problem);
    if (!drawing || !drawing->writeReportPdf(document, request.pdfPath, request.diagrams, &problem))
        return outputFailure("PDF", request.pdfPath, problem);
    return 0;
}

int runFileCommand(const QList<QByteArray>& arguments) {
    Request request;
    request.command = QFile::decodeName(arguments.first());
    QString wrong = parseOptions(arguments, &request);
    if (wrong.isEmpty())
        wrong = optionsMismatch(request);
    if (!wrong.isEmpty())
        return usageError(wrong);
    const SheetParams* window = requestedWindow(request, &wrong);
    if (!window)
        return usageError(wrong);
    const SheetParams& params = *window;
    const bool isReport = request.command == "report";
    const bool isDiagram = request.command == "diagram";
    const bool available =
        ArchiveAvailable(params) && params.calculate && (!isReport || ReportAvailable(params));
    if (!available) {
        err("La finestra " + params.name + " non è ancora disponibile: il file \"" +
            request.file.shown + "\" non può essere elaborato.\n");
        return kUsageError;
    }
    CalcSettings settings;
    if (!request.methodOption.isEmpty()) {
        settings.method = methodOfOption(params, request.methodOption);
        if (settings.method < 0)
            return usageError("L'opzione " + request.methodOption + " vale solo per la finestra " +
                              windowsWithOption(request.methodOption).join(", ") + ".");
    }
    if ((isDiagram || request.diagrams) && !params.diagram) {
        err("Il file \"" + request.file.shown + "\" è della finestra " + params.name +
            ": i diagrammi si tracciano solo per " + diagramWindowNames() + ".\n");
        return kFileError;
    }
    if (const int refused = refusedOutputs(request))
        return refused;

    QString problem, refusal;
    std::optional<Document> document =
        OpenDocument(params, request.file, &problem, &refusal, settings);
    if (!document) {
        err("Il file \"" + request.file.shown + "\" non può essere elaborato: " + problem + ".\n");
        return kFileError;
    }
    if (!refusal.isEmpty())
        err(refusal.replace('\r', '\n') + '\n');
    if (request.units) {
        // What is printed is converted; the file stays as it is.
        const Effect converted = document->convertUnits(*request.units);
        if (!converted.changed && !converted.messages.empty()) {
            err("Il file \"" + request.file.shown +
                "\" non può essere convertito: " + converted.messages.front().text + "\n");
            return kFileError;
        }
    }

    return isDiagram ? runDiagram(request, params, *document)
                     : runTableOrReport(request, *document);
}

// `validazione`: every case beside the program (or in --dir) rerun as `compute` runs it,
// one line each and the summary; status 0 when all conform, 1 otherwise.
int runValidation(const QList<QByteArray>& arguments) {
    QString folder;
    bool pdf = false;
    FilePath pdfPath{QString()};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString argument = QFile::decodeName(arguments[i]);
        if (argument != "--dir" && argument != "--pdf")
            return usageError("Opzione non riconosciuta dal comando validazione: " + argument +
                              ".");
        if (i + 1 >= arguments.size())
            return usageError("Manca il valore dell'opzione " + argument + ".");
        if (argument == "--dir") {
            folder = QFile::decodeName(arguments[++i]);
        } else {
            pdf = true;
            pdfPath = FilePath::fromNative(arguments[++i]);
        }
    }
    // The folder beside the program is found through the application object, a GUI one
    // when the dossier is painted.
    QString problem;
    const CommandLinePrinting* drawing = pdf ? printing(&problem) : nullptr;
    if (pdf && !drawing) {
        err("Il file PDF \"" + pdfPath.shown + "\" non può essere scritto: " + problem + ".\n");
        return kFileError;
    }
    static int argc = 1;
    static char name[] = "ponteluma";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (drawing)
        app.reset(drawing->makeApplication());
    else if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (folder.isEmpty())
        folder = ValidationFolder();
    if (pdf) {
        const QString notRegular = NotRegularFile(pdfPath);
        if (!notRegular.isEmpty()) {
            err("Il file PDF \"" + pdfPath.shown + "\" non può essere scritto: " + notRegular +
                ".\n");
            return kFileError;
        }
    }
    const std::vector<ValidationResult> results = RunValidation(CalcWindows(), folder, &problem);
    if (results.empty()) {
        err("I casi prova della validazione non possono essere letti: " + problem + ".\n");
        return kFileError;
    }
    QString text;
    for (const ValidationResult& result : results)
        text += ValidationLine(result) + "\n";
    for (const QString& missing : UncoveredTypologies(results, CalcWindows()))
        text += missing + ": nessun caso prova\n";
    text += ValidationSummary(results) + "\n";
    if (const int status = print(text, QStringLiteral("L'esito della validazione non può essere "
                                                      "scritto")))
        return status;
    if (drawing) {
        if (!drawing->writeDossierPdf(results, folder, pdfPath, &problem)) {
            err("Il file PDF \"" + pdfPath.shown + "\" non può essere scritto: " + problem + ".\n");
            return kFileError;
        }
    }
    return ValidationPassed(results, CalcWindows()) ? 0 : 1;
}

} // namespace

std::optional<int> RunCommandLine(const QStringList& arguments) {
    QList<QByteArray> native;
    for (const QString& argument : arguments)
        native << QFile::encodeName(argument);
    return RunCommandLine(native);
}

std::optional<int> RunCommandLine(const QList<QByteArray>& arguments) {
    if (arguments.isEmpty())
        return std::nullopt;
    const QString command = QFile::decodeName(arguments.first());
    if (command == "--help" || command == "-h")
        return print(usage(), QStringLiteral("Il testo dell'aiuto non può essere scritto"));
    if (command == "--version") {
        const auto& id = ModPonteluma::identity();
        return print(id.product + " " + id.version + " (" + id.date + ")\n",
                     QStringLiteral("Il numero di versione non può essere scritto"));
    }
    if (command == "compute" || command == "report" || command == "diagram")
        return runFileCommand(arguments);
    if (command == "validazione")
        return runValidation(arguments);
    return usageError("Comando non riconosciuto: " + command + ".");
}
