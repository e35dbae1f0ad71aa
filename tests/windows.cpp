#include "tests/windows.h"

#include "shell/program.h"

#include <QLineEdit>

bool TypeInto(QWidget* window, const QString& boxName, const QString& keys) {
    auto* box = window->findChild<QLineEdit*>(boxName);
    if (!box)
        return false;
    for (QChar key : keys)
        box->insert(QString(key));
    return true;
}

SheetWindow* loadedWindow(const QString& name) {
    return calcWindow(name);
}
