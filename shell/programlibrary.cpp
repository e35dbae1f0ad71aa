#include "shell/programlibrary.h"

#include <QFile>
#include <QLibrary>
#include <QString>
#include <climits>
#include <unistd.h>

namespace {

// The folder of the program's real file: bin/ponteluma is a link to lib/ponteluma/.
QString programFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return QString();
    const QString file = QFile::decodeName(QByteArray(path, int(length)));
    return file.left(file.lastIndexOf('/'));
}

} // namespace

void* ProgramLibrarySymbol(const char* library, const char* symbol, QString* problem) {
    // Loaded once for the run and never unloaded: its widgets live until the end.
    QLibrary loader(programFolder() + "/lib" + QString::fromLatin1(library));
    void* found = reinterpret_cast<void*>(loader.resolve(symbol));
    if (!found && problem)
        *problem = "la libreria del programma " + loader.fileName() + " non può essere caricata (" +
                   loader.errorString() + ")";
    return found;
}
