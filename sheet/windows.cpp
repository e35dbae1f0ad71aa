#include "sheet/window.h"
#include "shell/program.h"

#include <QPointer>
#include <array>

SheetWindow* calcWindow(ModPonteluma::Kind kind) {
    static std::array<QPointer<SheetWindow>, ModPonteluma::KindCount> windows;
    QPointer<SheetWindow>& window = windows[kind];
    if (!window) {
        window = createSheetWindow(kind);
        window->sistema();
    }
    return window;
}
