#include "shell/app.h"

#include "shell/modponteluma.h"
#include "shell/splash.h"
#include "shell/translations.h"

#include <QApplication>

int RunWindows(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallItalianTranslations(&app);
    ModPonteluma::SetCommonTexts();
    FrmSplash splash;
    splash.show();
    splash.activateWindow();
    return app.exec();
}
