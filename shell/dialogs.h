#pragma once
// Every message box and common dialog of the program goes through this seam, so
// the windows can be driven headless: tests install a scripted stand-in.
#include <QColor>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

enum class Icon { None, Stop, Exclamation, Information, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    QString filter;   // the stored filter text, "description | pattern|..."
    int filterIndex;  // 1-based index of the filter chosen at start
    QString fileName; // initial file name
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
};

// The dialogs in use; the real Qt dialogs unless a stand-in was installed.
Dialogs& dialogs();
// Installs a stand-in (not owned); nullptr restores the real dialogs.
void setDialogs(Dialogs* standIn);

Answer MsgBox(const QString& text, Icon icon, const QString& title, Buttons buttons = Buttons::Ok,
              Answer defaultButton = Answer::Ok);

// Turns a stored filter ("Tutti i file (*.*) | *.*|File Ponteluma-sez- | Ponteluma-sez-*")
// into Qt's syntax, one "description (patterns)" entry per pair.
QStringList QtFilters(const QString& storedFilter);
