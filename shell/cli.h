#pragma once
// The command line: batch work without windows.
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

// Runs a command-line request; nullopt when the arguments ask for the windows.
// Needs no display: it is called before any GUI platform is loaded.
std::optional<int> RunCommandLine(const QStringList& arguments);

// The same with the arguments as the system gives them: file names keep their bytes,
// which need not be UTF-8.
std::optional<int> RunCommandLine(const QList<QByteArray>& arguments);
