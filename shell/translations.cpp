#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Texts of the file dialog that Qt's own Italian catalogue leaves in English: the type
// column of the file list names a folder "Folder".
class MissingItalian : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        struct Entry {
            const char* context;
            const char* source;
            const char* italian;
        };
        static const Entry entries[] = {
            {"QAbstractFileIconProvider", "Folder", "Cartella"},
            {"QAbstractFileIconProvider", "File Folder", "Cartella"},
            {"QAbstractFileIconProvider", "Drive", "Unità"},
            {"QAbstractFileIconProvider", "File", "File"},
        };
        for (const Entry& entry : entries) {
            if (qstrcmp(context, entry.context) == 0 && qstrcmp(source, entry.source) == 0)
                return QString::fromUtf8(entry.italian);
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

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
    // Installed first, so it is asked last: Qt's catalogue answers what it knows.
    app->installTranslator(new MissingItalian(app));
    app->installTranslator(candidate);
    translator = candidate;
    return true;
}
