#pragma once
// Starts the windows: the splash, then the main window on a click.
int RunWindows(int argc, char* argv[]);
