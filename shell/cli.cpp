#include "shell/cli.h"

#include "shell/modponteluma.h"

#include <cstdio>

namespace {

void out(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}
void err(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
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
    err("Comando non riconosciuto: " + command + "\n" + usage());
    return 1;
}
