#include "shell/app.h"

#include "shell/modponteluma.h"

#include <QApplication>
#include <QLabel>

int RunWindows(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ModPonteluma::SetCommonTexts();
    QLabel placeholder(ModPonteluma::identity().product);
    placeholder.show();
    return app.exec();
}
