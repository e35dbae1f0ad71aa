#pragma once
// The toolkit's own texts (message-box buttons, file and print dialogs) in
// Italian, whatever the desktop's language.
class QCoreApplication;

// Loads Qt's Italian translations into the application; false when they are not
// installed (the toolkit then speaks English).
bool InstallItalianTranslations(QCoreApplication* app);
