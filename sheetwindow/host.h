#pragma once
// What the calculation windows need from the program around them, installed by the
// shell at start-up: the list of windows, the main window, the exit sequence and the
// help pages. The sheet framework knows no window and no help page by itself.
#include <QString>
#include <functional>
#include <vector>

class SheetWindow;
struct SheetParams;

struct SheetHost {
    // The calculation windows in the order of the menus and the toolbar.
    std::vector<const SheetParams*> windows;
    // The window at an index of the list, loaded hidden (and laid out) on first use.
    std::function<SheetWindow*(int index)> window;
    std::function<void()> showMainWindow;
    std::function<void()> confirmExit;
    std::function<void(const QString& page)> showHelpPage;
    std::function<void()> showHelpContents;
    std::function<void()> showTips;
    std::function<void()> showSupport;
    std::function<void()> showAbout;
    std::function<void()> showValidation;
};

// The host in use; empty functions do nothing until the shell installs its own.
SheetHost& sheetHost();
// The index of a window's descriptor in the host's list, -1 when it is not there.
int windowIndex(const SheetParams& params);
// Runs a host function when it is installed.
template <typename F, typename... Args> void callHost(const F& function, Args&&... args) {
    if (function)
        function(std::forward<Args>(args)...);
}
