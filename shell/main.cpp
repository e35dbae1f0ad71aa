#include "shell/cli.h"
#include "shell/programlibrary.h"

#include <QByteArray>
#include <QList>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Kept as bytes: a file name need not be valid text in the locale's encoding.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    if (auto status = RunCommandLine(arguments))
        return *status;
    QString problem;
    const auto runWindows = reinterpret_cast<RunWindowsEntry>(
        ProgramLibrarySymbol("ponteluma_shell.so", kRunWindowsSymbol, &problem));
    if (!runWindows) {
        std::fputs(("Le finestre di Ponteluma non possono essere aperte: " + problem + ".\n")
                       .toUtf8()
                       .constData(),
                   stderr);
        return 2;
    }
    return runWindows(argc, argv);
}
