#pragma once
// Every message box and common dialog of the program goes through this seam, so
// the windows can be driven headless: tests install a scripted stand-in.
#include "sheet/calcreport.h"
#include "sheet/message.h"

#include <QColor>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// What "File > Intestazione..." asks: the studio's heading, remembered between runs, and
// the sheet's opera and elemento.
struct HeadingFields {
    StudioHeading studio;
    QString opera;
    QString elemento;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, Icon icon, const QString& title, Buttons buttons,
                           Answer defaultButton) = 0;
    // Paths are empty when the user cancels.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // False when the user cancels the printer dialog.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // False when the user cancels the heading dialog; fields hold what it shows first.
    virtual bool editHeading(HeadingFields& fields) = 0;
};

// The dialogs in use; the real Qt dialogs unless a stand-in was installed.
Dialogs& dialogs();
// Installs a stand-in (not owned); nullptr restores the real dialogs.
void setDialogs(Dialogs* standIn);

Answer MsgBox(const QString& text, Icon icon, const QString& title, Buttons buttons = Buttons::Ok,
              Answer defaultButton = Answer::Ok);
inline Answer MsgBox(const Message& message) {
    return MsgBox(message.text, message.icon, message.title);
}

// Turns a stored filter ("Tutti i file (*.*) | *.*|File Ponteluma-sez- | Ponteluma-sez-*")
// into Qt's syntax, one "description (patterns)" entry per pair.
QStringList QtFilters(const QString& storedFilter);
