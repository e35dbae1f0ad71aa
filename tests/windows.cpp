#include "tests/windows.h"

#include "shell/program.h"

SheetWindow* loadedWindow(const QString& name) {
    return calcWindow(name);
}
