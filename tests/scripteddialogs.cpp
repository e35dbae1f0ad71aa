#include "tests/scripteddialogs.h"

#include <QPrinter>

Answer ScriptedDialogs::message(const QString& text, Icon icon, const QString& title,
                                Buttons buttons, Answer defaultButton) {
    messages.push_back({text, icon, title, buttons, defaultButton});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty())
        return defaultButton;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

static QString nextPath(std::deque<QString>& paths) {
    if (paths.empty())
        return QString();
    QString path = paths.front();
    paths.pop_front();
    return path;
}

QString ScriptedDialogs::openFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return nextPath(paths);
}

QString ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    return nextPath(paths);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor&) {
    ++colorRequests;
    return color;
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer) {
    ++printerRequests;
    printerDocName = printer.docName();
    printerFile = printer.outputFileName();
    if (printerAccepted && !pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    return printerAccepted;
}
