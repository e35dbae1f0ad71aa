#pragma once
// A stand-in for the program's dialogs: records every message and answers as told.
#include "sheetwindow/dialogs.h"

#include <QStringList>
#include <deque>
#include <ostream>
#include <vector>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

struct RecordedMessage {
    QString text;
    Icon icon;
    QString title;
    Buttons buttons;
    Answer defaultButton;
};

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() { setDialogs(this); }
    ~ScriptedDialogs() override { setDialogs(nullptr); }

    Answer message(const QString& text, Icon icon, const QString& title, Buttons buttons,
                   Answer defaultButton) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    bool choosePrinter(QPrinter& printer) override;

    // Answers given in turn to Yes/No questions (default: the question's default).
    std::deque<Answer> answers;
    // Paths given in turn to file dialogs (an empty path cancels).
    std::deque<QString> paths;
    std::optional<QColor> color; // the colour dialog's answer (nullopt: cancelled)
    bool printerAccepted = true; // the printer dialog's answer
    QString pdfPath;             // when set, an accepted printer writes this PDF

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogRequest> fileRequests;
    int colorRequests = 0;
    int printerRequests = 0;
    QString printerDocName, printerFile; // what the printer proposed when the dialog opened

    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
    void clear() {
        messages.clear();
        fileRequests.clear();
    }
};
