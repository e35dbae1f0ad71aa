#include "shell/cli.h"

#include "sheet/archive.h"
#include "sheet/params.h"
#include "sheet/report.h"
#include "shell/modponteluma.h"
#include "shell/translations.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

using ModPonteluma::Kind;

constexpr int kUsageError = 1;
constexpr int kFileError = 2;

void out(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}
void err(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fflush(stderr);
}

QString usage() {
    return QStringLiteral(
        "Uso:\n"
        "  ponteluma                        avvia il programma (presentazione, poi il menu)\n"
        "  ponteluma compute FILE           calcola un file archiviato e ne stampa la tabella\n"
        "  ponteluma report FILE --text     stampa la relazione come pagine di testo\n"
        "  ponteluma report FILE --pdf OUT  scrive la relazione in un file PDF\n"
        "  ponteluma --help | --version\n"
        "Opzione: --window sezioni|travi|continue|archi|piastre sceglie la finestra\n"
        "(altrimenti la dice il prefisso del nome del file).\n");
}

int usageError(const QString& sentence) {
    err(sentence + "\n" + usage());
    return kUsageError;
}

struct WindowName {
    const char* name;
    Kind kind;
};
const WindowName kWindows[] = {
    {"sezioni", ModPonteluma::Sezioni},   {"travi", ModPonteluma::Travi},
    {"continue", ModPonteluma::Continue}, {"archi", ModPonteluma::Archi},
    {"piastre", ModPonteluma::Piastre},
};

std::optional<Kind> kindByName(const QString& name) {
    for (const WindowName& window : kWindows) {
        if (name == QLatin1String(window.name))
            return window.kind;
    }
    return std::nullopt;
}

// The window whose archive prefix begins the file name (the longest that matches).
std::optional<Kind> kindByFileName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    std::optional<Kind> found;
    int longest = 0;
    for (const WindowName& window : kWindows) {
        const QString& prefix = paramsOf(window.kind).archive.prefix;
        if (!prefix.isEmpty() && prefix.length() > longest &&
            name.startsWith(prefix, Qt::CaseInsensitive)) {
            found = window.kind;
            longest = int(prefix.length());
        }
    }
    return found;
}

struct Request {
    QString command;
    QString file;
    QString window;
    bool text = false;
    bool pdf = false;
    QString pdfPath;
};

// Reads the arguments after the command; an empty string on success, else the sentence
// that says what is wrong.
QString parseOptions(const QStringList& arguments, Request* request) {
    bool haveFile = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--window" || argument == "--pdf") {
            if (i + 1 >= arguments.size())
                return "Manca il valore dell'opzione " + argument + ".";
            const QString& value = arguments[++i];
            if (argument == "--window") {
                request->window = value;
            } else {
                request->pdf = true;
                request->pdfPath = value;
            }
        } else if (argument == "--text") {
            request->text = true;
        } else if (argument.startsWith("--")) {
            return "Opzione non riconosciuta: " + argument + ".";
        } else if (haveFile) {
            return "Si può elaborare un solo file per volta: \"" + argument + "\" è di troppo.";
        } else {
            request->file = argument;
            haveFile = true;
        }
    }
    if (!haveFile)
        return QStringLiteral("Manca il nome del file archiviato da elaborare.");
    return QString();
}

// A sheet filled from the file and calculated once, as the window shows it after opening.
struct Loaded {
    ArchiveContent content;
    Sheet sheet{0, 0};
    CalcOutcome outcome;
};

Loaded load(const SheetParams& params, ArchiveContent content) {
    Loaded loaded;
    loaded.content = std::move(content);
    loaded.sheet = newSheet(params);
    layOut(params, loaded.sheet, loaded.content.typology);
    ApplyArchive(loaded.content, loaded.sheet);
    loaded.outcome = params.calculate(loaded.sheet, loaded.content.typology);
    return loaded;
}

QString table(const SheetParams& params, const Loaded& loaded) {
    QStringList head{params.computeItem};
    for (const DataColumn& column : params.data)
        head << column.computeHead;
    for (const ResultColumn& column : params.results)
        head << column.computeHead;
    QString text = head.join(';') + '\n';
    const Sheet& sheet = loaded.sheet;
    for (int row = 1; row <= sheet.n(); ++row) {
        QStringList fields{QString::number(row)};
        for (int column = 1; column <= sheet.dataColumns(); ++column)
            fields << sheet.datum(column, row);
        for (int column = 1; column <= sheet.resultColumns(); ++column)
            fields << sheet.resultText(column, row);
        text += fields.join(';') + '\n';
    }
    return text;
}

void reportRefusal(const CalcOutcome& outcome) {
    if (outcome.refusal.isEmpty())
        return;
    QString text = outcome.refusal;
    text.replace('\r', '\n');
    err(text + '\n');
}

// The printer back-end needs a GUI application; without a display it runs offscreen.
std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ponteluma";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runFileCommand(const QStringList& arguments) {
    Request request;
    request.command = arguments.first();
    const QString wrong = parseOptions(arguments, &request);
    if (!wrong.isEmpty())
        return usageError(wrong);
    const bool isReport = request.command == "report";
    if (isReport && request.text == request.pdf)
        return usageError(QStringLiteral("Il comando report vuole una delle opzioni --text o "
                                         "--pdf FILE.pdf."));
    if (!isReport && (request.text || request.pdf))
        return usageError(QStringLiteral("Le opzioni --text e --pdf valgono solo per il comando "
                                         "report."));

    std::optional<Kind> kind;
    if (!request.window.isEmpty()) {
        kind = kindByName(request.window);
        if (!kind)
            return usageError("Finestra sconosciuta: \"" + request.window +
                              "\" (usare sezioni, travi, continue, archi o piastre).");
    } else {
        kind = kindByFileName(request.file);
        if (!kind)
            return usageError("Dal nome del file \"" + request.file +
                              "\" non si ricava la finestra: indicarla con --window "
                              "sezioni|travi|continue|archi|piastre.");
    }
    const SheetParams& params = paramsOf(*kind);
    const bool available =
        ArchiveAvailable(params) && params.calculate && (!isReport || ReportAvailable(params));
    if (!available) {
        err("La finestra " + params.name + " non è ancora disponibile: il file \"" + request.file +
            "\" non può essere elaborato.\n");
        return kUsageError;
    }

    ArchiveContent content;
    QString problem;
    if (!ReadArchive(params, request.file, &content, &problem)) {
        err("Il file \"" + request.file + "\" non può essere elaborato: " + problem + ".\n");
        return kFileError;
    }
    const Loaded loaded = load(params, std::move(content));
    reportRefusal(loaded.outcome);
    const QString typologyName = params.typologies[loaded.content.typology - 1];

    if (!isReport) {
        out(table(params, loaded));
        return 0;
    }
    if (request.text) {
        out(ReportText(params, loaded.sheet, typologyName));
        return 0;
    }
    const auto app = ensureGuiApplication();
    InstallItalianTranslations(QCoreApplication::instance());
    if (!WriteReportPdf(params, loaded.sheet, typologyName, request.pdfPath, &problem)) {
        err("Il file PDF \"" + request.pdfPath + "\" non può essere scritto: " + problem + ".\n");
        return kFileError;
    }
    return 0;
}

} // namespace

std::optional<int> RunCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return std::nullopt;
    const QString& command = arguments.first();
    if (command == "--help" || command == "-h") {
        out(usage());
        return 0;
    }
    if (command == "--version") {
        const auto& id = ModPonteluma::identity();
        out(id.product + " " + id.version + " (" + id.date + ")\n");
        return 0;
    }
    if (command == "compute" || command == "report")
        return runFileCommand(arguments);
    return usageError("Comando non riconosciuto: " + command + ".");
}
