#include "help/help.h"

#include "help/contents.h"
#include "help/helppage.h"
#include "help/info.h"
#include "help/tips.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <map>

namespace {

// The loaded help windows by object name.
std::map<QString, QPointer<QWidget>>& registry() {
    static std::map<QString, QPointer<QWidget>> windows;
    return windows;
}

QString& tipsFile() {
    static QString path;
    return path;
}

QWidget* loaded(const QString& name) {
    auto found = registry().find(name);
    if (found == registry().end() || !found->second)
        return nullptr;
    if (auto* page = qobject_cast<HelpPage*>(found->second.data()); page && page->isUnloaded())
        return nullptr; // closed: deleted at the next turn of the event loop
    return found->second;
}

// A window opened from another one appears over its middle, inside the screen, rather
// than wherever its own size left it.
void centreOn(QWidget* window, const QWidget* opener) {
    if (!opener || opener == window || !opener->isVisible())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(opener->frameGeometry().center());
    if (const QScreen* screen = opener->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(
            qBound(room.left(), frame.left(), qMax(room.left(), room.right() - frame.width())));
        frame.moveTop(
            qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() - frame.height())));
    }
    window->move(frame.topLeft());
}

template <typename Make> void showWindow(const QString& name, Make make) {
    QWidget* window = loaded(name);
    if (!window) {
        window = make();
        registry()[name] = window;
        centreOn(window, QApplication::activeWindow());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void ShowHelpPage(const QString& name) {
    const HelpText* page = helpText(name);
    if (!page)
        return;
    // The quick manual keeps its design size and place.
    const bool rescaled = name != QLatin1String("manuale");
    showWindow(name, [&] { return new HelpPage(*page, rescaled); });
}

void ShowHelpContents() {
    showWindow("sommario", [] { return new Sommario; });
}

void ShowTips() {
    showWindow("frmTip",
               [] { return new FrmTip(tipsFile().isEmpty() ? TipsFilePath() : tipsFile()); });
}

void ShowAbout() {
    showWindow("informa", [] { return new Informa; });
}

void ShowSupport() {
    showWindow("supportoclienti", [] { return new SupportoClienti; });
}

QWidget* HelpWindow(const QString& name) {
    return loaded(name);
}

void UnloadHelpWindows() {
    for (auto& entry : registry()) {
        if (QWidget* window = entry.second) {
            window->hide();
            window->deleteLater();
        }
    }
    registry().clear();
}

void SetTipsFile(const QString& path) {
    tipsFile() = path;
}
