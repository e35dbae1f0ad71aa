#include "sheetwindow/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class QtDialogs : public Dialogs {
public:
    Answer message(const QString& text, Icon icon, const QString& title, Buttons buttons,
                   Answer defaultButton) override {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(title);
        // Messages join their lines with carriage returns, which Qt does not break on.
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
        box.setText(shown);
        box.setIcon(qtIcon(icon));
        // The box is at least as wide as its title, which says what the message is about
        // ("Attenzione: i dati non archiviati andranno persi!").
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
            const int titleWidth = box.fontMetrics().horizontalAdvance(title) + 120;
            grid->addItem(
                new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                grid->rowCount(), 0, 1, grid->columnCount());
        }
        if (buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(defaultButton == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        int result = box.exec();
        if (result == QMessageBox::Yes)
            return Answer::Yes;
        if (result == QMessageBox::No)
            return Answer::No;
        return Answer::Ok;
    }

    QString openFile(const FileDialogRequest& request) override {
        return run(request, QFileDialog::AcceptOpen);
    }
    QString saveFile(const FileDialogRequest& request) override {
        return run(request, QFileDialog::AcceptSave);
    }

    std::optional<QColor> chooseColor(const QColor& initial) override {
        QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

    bool choosePrinter(QPrinter& printer) override {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }

private:
    static QMessageBox::Icon qtIcon(Icon icon) {
        switch (icon) {
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }

    static QString run(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
        QFileDialog dialog(QApplication::activeWindow(), request.title);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        const QStringList filters = QtFilters(request.filter);
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(request.filterIndex - 1));
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
};

QtDialogs g_qtDialogs;
Dialogs* g_current = nullptr;

} // namespace

Dialogs& dialogs() {
    return g_current ? *g_current : g_qtDialogs;
}

void setDialogs(Dialogs* standIn) {
    g_current = standIn;
}

Answer MsgBox(const QString& text, Icon icon, const QString& title, Buttons buttons,
              Answer defaultButton) {
    return dialogs().message(text, icon, title, buttons, defaultButton);
}

QStringList QtFilters(const QString& storedFilter) {
    const QStringList parts = storedFilter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        QString pattern = parts.at(i + 1).trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*"); // every file, with or without an extension
        // Qt reads the patterns from the last parentheses, so the description keeps its text;
        // one that already ends with its own patterns is shown as it is.
        if (description.endsWith("(" + pattern + ")"))
            filters << description;
        else
            filters << description + " (" + pattern + ")";
    }
    return filters;
}
