#include "beams/window.h"
#include "continuous/window.h"
#include "plates/window.h"
#include "sheet/window.h"
#include "shell/program.h"

#include <QPointer>
#include <array>

SheetWindow* createSheetWindow(ModPonteluma::Kind kind) {
    switch (kind) {
    case ModPonteluma::Travi:
        return new BeamsWindow;
    case ModPonteluma::Continue:
        return new ContinuousWindow;
    case ModPonteluma::Piastre:
        return new PlatesWindow;
    case ModPonteluma::Sezioni:
    case ModPonteluma::Archi:
    case ModPonteluma::KindCount:
        break;
    }
    return new SheetWindow(paramsOf(kind));
}

SheetWindow* calcWindow(ModPonteluma::Kind kind) {
    static std::array<QPointer<SheetWindow>, ModPonteluma::KindCount> windows;
    QPointer<SheetWindow>& window = windows[kind];
    if (!window) {
        window = createSheetWindow(kind);
        window->sistema();
    }
    return window;
}
