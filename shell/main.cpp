#include "shell/app.h"
#include "shell/cli.h"

#include <QStringList>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (auto status = RunCommandLine(arguments))
        return *status;
    return RunWindows(argc, argv);
}
