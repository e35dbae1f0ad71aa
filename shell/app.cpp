#include "shell/app.h"

#include "sheet/numbers.h"
#include "shell/splash.h"
#include "shell/translations.h"

#include <QApplication>
#include <cstdio>

int RunWindows(int argc, char* argv[]) {
    // Without a display the toolkit would abort: the command line still works.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Nessun display disponibile: le finestre di Ponteluma non possono essere "
                   "aperte. Usare la riga di comando, per esempio \"ponteluma compute FILE\" "
                   "oppure \"ponteluma report FILE --text\" (\"ponteluma --help\" per l'elenco "
                   "dei comandi).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    InstallItalianTranslations(&app);
    // The splash alone ends the program (a key or its closing, with no other window
    // open): closing the last window on screen is not an exit without the question.
    app.setQuitOnLastWindowClosed(false);
    ModPonteluma::SetCommonTexts();
    FrmSplash splash;
    splash.show();
    splash.activateWindow();
    return app.exec();
}
