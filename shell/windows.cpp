#include "shell/windows.h"

#include "arches/params.h"
#include "beams/params.h"
#include "continuous/params.h"
#include "plates/params.h"
#include "sections/params.h"

const std::vector<const SheetParams*>& CalcWindows() {
    static const std::vector<const SheetParams*> windows = {
        &sectionsParams(), &beamsParams(), &continuousParams(), &archesParams(), &platesParams(),
    };
    return windows;
}

int WindowIndex(const QString& name) {
    const auto& windows = CalcWindows();
    for (size_t i = 0; i < windows.size(); ++i) {
        if (windows[i]->name == name)
            return int(i);
    }
    return -1;
}
