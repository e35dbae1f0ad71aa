#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallItalianTranslations(QCoreApplication* app) {
    if (!app)
        return false;
    // Kept for the whole run: the application only holds a pointer to it.
    static QTranslator* translator = nullptr;
    if (translator)
        return true;
    auto* candidate = new QTranslator(app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!candidate->load(QStringLiteral("qtbase_it"), folder)) {
        delete candidate;
        return false;
    }
    app->installTranslator(candidate);
    translator = candidate;
    return true;
}
