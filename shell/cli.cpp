#include "shell/cli.h"

#include "sheet/archive.h"
#include "sheet/params.h"
#include "sheet/report.h"
#include "sheet/safefile.h"
#include "shell/modponteluma.h"
#include "shell/translations.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

using ModPonteluma::Kind;

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
};

// Reads the arguments after the command; an empty string on success, else the sentence
// that says what is wrong. File names keep the bytes the system gives, which need not be
// UTF-8.
QString parseOptions(const QList<QByteArray>& arguments, Request* request) {
    bool haveFile = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString argument = QFile::decodeName(arguments[i]);
        if (argument == "--window" || argument == "--pdf") {
            if (i + 1 >= arguments.size())
                return "Manca il valore dell'opzione " + argument + ".";
            const QByteArray& value = arguments[++i];
            if (argument == "--window") {
                request->window = QFile::decodeName(value);
            } else {
                request->pdf = true;
                request->pdfPath = FilePath::fromNative(value);
            }
        } else if (argument == "--text") {
            request->text = true;
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

int runFileCommand(const QList<QByteArray>& arguments) {
    Request request;
    request.command = QFile::decodeName(arguments.first());
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
        kind = kindByFileName(request.file.shown);
        if (!kind)
            return usageError("Dal nome del file \"" + request.file.shown +
                              "\" non si ricava la finestra: indicarla con --window "
                              "sezioni|travi|continue|archi|piastre.");
    }
    const SheetParams& params = paramsOf(*kind);
    const bool available =
        ArchiveAvailable(params) && params.calculate && (!isReport || ReportAvailable(params));
    if (!available) {
        err("La finestra " + params.name + " non è ancora disponibile: il file \"" +
            request.file.shown + "\" non può essere elaborato.\n");
        return kUsageError;
    }
    const auto pdfFailure = [&](const QString& problem) {
        err("Il file PDF \"" + request.pdfPath.shown + "\" non può essere scritto: " + problem +
            ".\n");
        return kFileError;
    };
    if (request.pdf) {
        if (SameFile(request.file, request.pdfPath)) {
            err("Il file PDF \"" + request.pdfPath.shown +
                "\" è il file archiviato da elaborare: indicare un altro nome.\n");
            return kUsageError;
        }
        // A FIFO or a device is refused before anything is read or drawn.
        const QString notRegular = NotRegularFile(request.pdfPath);
        if (!notRegular.isEmpty())
            return pdfFailure(notRegular);
    }

    ArchiveContent content;
    QString problem;
    if (!ReadArchive(params, request.file, &content, &problem)) {
        err("Il file \"" + request.file.shown + "\" non può essere elaborato: " + problem + ".\n");
        return kFileError;
    }
    const Loaded loaded = load(params, std::move(content));
    reportRefusal(loaded.outcome);
    const QString typologyName = params.typologies[loaded.content.typology - 1];

    if (!isReport)
        return print(table(params, loaded),
                     "La tabella del file \"" + request.file.shown + "\" non può essere scritta");
    if (request.text)
        return print(ReportText(params, loaded.sheet, typologyName),
                     "La relazione del file \"" + request.file.shown + "\" non può essere scritta");
    const auto app = ensureGuiApplication();
    InstallItalianTranslations(QCoreApplication::instance());
    if (!WriteReportPdf(params, loaded.sheet, typologyName, request.pdfPath, &problem))
        return pdfFailure(problem);
    return 0;
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
    if (command == "compute" || command == "report")
        return runFileCommand(arguments);
    return usageError("Comando non riconosciuto: " + command + ".");
}
