#include "sheetwindow/rescale.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QVariant>
#include <cmath>

ClsResize::ClsResize(QObject* parent) : QObject(parent) {}

void ClsResize::setSourceForm(QWidget* form) {
    if (m_form && innerArea())
        innerArea()->removeEventFilter(this);
    m_form = form;
    m_needsRecording = true;
    m_controls.clear();
    if (QWidget* inner = innerArea())
        inner->installEventFilter(this);
}

// The area whose size the controls follow: the central widget of a main window
// (menus and toolbars keep their own layout), otherwise the window itself.
QWidget* ClsResize::innerArea() const {
    if (!m_form)
        return nullptr;
    if (auto* main = qobject_cast<QMainWindow*>(m_form.data())) {
        if (main->layout())
            main->layout()->activate();
        return main->centralWidget();
    }
    return m_form;
}

static int screenDpi(const QWidget* widget) {
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen)
        return 96;
    int dpi = qRound(screen->logicalDotsPerInch());
    return dpi > 0 ? dpi : 96;
}

int ClsResize::twipsToPixels(int twips, const QWidget* widget) {
    return int(std::lround(twips * double(screenDpi(widget)) / 1440.0));
}

int ClsResize::pixelsToTwips(int pixels, const QWidget* widget) {
    return int(std::lround(pixels * 1440.0 / screenDpi(widget)));
}

ClsResize::Edges ClsResize::edgesFromTag(const QString& tag) {
    Edges edges;
    const QString rule = tag.toUpper();
    if (!rule.startsWith('@'))
        return edges;
    edges.left = rule.contains('L');
    edges.top = rule.contains('T');
    edges.width = rule.contains('W');
    edges.height = rule.contains('H');
    return edges;
}

// Controls are the plain descendants of the inner area; composite widgets
// (combo boxes, spin boxes, ...) are taken whole, their inner parts untouched.
static void collect(QWidget* parent, std::vector<QWidget*>& out) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        out.push_back(widget);
        const QByteArray cls = widget->metaObject()->className();
        if (cls == "QWidget" || cls == "QFrame" || qobject_cast<QGroupBox*>(widget))
            collect(widget, out);
    }
}

void ClsResize::record() {
    QWidget* inner = innerArea();
    m_controls.clear();
    if (!inner)
        return;
    m_recordedInner = inner->size();
    std::vector<QWidget*> widgets;
    collect(inner, widgets);
    for (QWidget* widget : widgets)
        m_controls.push_back({widget, widget->geometry()});
    m_needsRecording = false;
}

void ClsResize::ReInitialise() {
    record();
}

void ClsResize::RecordDesign(const QSize& designInner) {
    record();
    if (!m_needsRecording)
        m_recordedInner = designInner;
}

void ClsResize::SizeFormToScreen(int percentage) {
    if (!m_form)
        return;
    if (m_needsRecording)
        record();
    QScreen* screen = m_form->screen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const int screenHeight = pixelsToTwips(area.height(), m_form);
    const int screenWidth = pixelsToTwips(area.width(), m_form);
    const int newHeight = int(std::floor(percentage / 100.0 * screenHeight));
    const int newWidth = int(std::floor(percentage / 100.0 * screenWidth));
    const int top = int((screenHeight - newHeight) * 0.5);
    const int left = int((screenWidth - newWidth) * 0.5);
    m_form->move(area.x() + twipsToPixels(left, m_form), area.y() + twipsToPixels(top, m_form));
    m_form->resize(twipsToPixels(newWidth, m_form), twipsToPixels(newHeight, m_form));
    ResizeControls();
}

void ClsResize::ResizeControls() {
    QWidget* inner = innerArea();
    if (!inner || m_controls.empty() || m_needsRecording || m_form->isMinimized())
        return;
    if (m_recordedInner.width() <= 0 || m_recordedInner.height() <= 0)
        return;
    const double ratioY = double(inner->height()) / m_recordedInner.height();
    const double ratioX = double(inner->width()) / m_recordedInner.width();
    m_form->setUpdatesEnabled(false);
    for (const Record& rec : m_controls) {
        if (!rec.control)
            continue;
        const Edges edges = edgesFromTag(rec.control->property("Tag").toString());
        QRect g = rec.control->geometry();
        const QRect& r = rec.geometry;
        const int x = edges.left ? int(r.x() * ratioX) : g.x();
        const int y = edges.top ? int(r.y() * ratioY) : g.y();
        const int w = edges.width ? int(r.width() * ratioX) : g.width();
        const int h = edges.height ? int(r.height() * ratioY) : g.height();
        rec.control->setGeometry(x, y, w, h);
    }
    m_form->setUpdatesEnabled(true);
}

bool ClsResize::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == innerArea())
        ResizeControls();
    return QObject::eventFilter(watched, event);
}
