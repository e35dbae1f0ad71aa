#pragma once
// The command line: batch work without windows.
#include <QStringList>
#include <optional>

// Runs a command-line request; nullopt when the arguments ask for the windows.
// Needs no display: it is called before any GUI platform is loaded.
std::optional<int> RunCommandLine(const QStringList& arguments);
