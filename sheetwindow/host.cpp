#include "sheetwindow/host.h"

SheetHost& sheetHost() {
    static SheetHost host;
    return host;
}

int windowIndex(const SheetParams& params) {
    const auto& windows = sheetHost().windows;
    for (size_t i = 0; i < windows.size(); ++i) {
        if (windows[i] == &params)
            return int(i);
    }
    return -1;
}
