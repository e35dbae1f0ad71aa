#include "shell/app.h"
#include "shell/cli.h"

#include <QByteArray>
#include <QList>

int main(int argc, char* argv[]) {
    // Kept as bytes: a file name need not be valid text in the locale's encoding.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    if (auto status = RunCommandLine(arguments))
        return *status;
    return RunWindows(argc, argv);
}
