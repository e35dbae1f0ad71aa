#include "shell/splash.h"

#include "sheet/numbers.h"
#include "shell/program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <cmath>

namespace {

QPointer<FrmSplash> g_splash;

constexpr int SplashWidth = 600;
constexpr int SplashHeight = 372;
constexpr int PictureHeight = 232;

// A blueprint of a three-hinged deck arch under a uniform load, with its span l
// and rise f: the kind of structure the program computes.
class BridgePicture : public QWidget {
public:
    explicit BridgePicture(QWidget* parent) : QWidget(parent) {
        setObjectName("Picture1");
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = width(), h = height();
        paintBackground(p, w, h);

        const double xa = 0.17 * w, xb = 0.83 * w; // springings
        const double yb = 0.74 * h;                // springing level
        const double rise = 0.40 * h;
        const double deck = yb - rise - 0.07 * h; // underside of the deck
        const double rib = 0.035 * h;             // depth of the arch rib
        auto archY = [&](double x) {
            const double t = (x - xa) / (xb - xa);
            return yb - rise * 4.0 * t * (1.0 - t);
        };

        paintAbutments(p, w, h, xa, xb, yb);

        const QColor line(232, 241, 255);
        // Arch rib: the band between intrados and extrados.
        QPainterPath ribPath;
        const int steps = 60;
        for (int i = 0; i <= steps; ++i) {
            const double x = xa + (xb - xa) * i / steps;
            i == 0 ? ribPath.moveTo(x, archY(x)) : ribPath.lineTo(x, archY(x));
        }
        for (int i = steps; i >= 0; --i) {
            const double x = xa + (xb - xa) * i / steps;
            ribPath.lineTo(x, archY(x) - rib);
        }
        ribPath.closeSubpath();
        p.setPen(QPen(line, 1.6));
        p.setBrush(QColor(232, 241, 255, 60));
        p.drawPath(ribPath);

        // Spandrel columns from the extrados to the deck.
        p.setPen(QPen(line, 1.4));
        for (int i = 1; i < 12; ++i) {
            const double x = xa + (xb - xa) * i / 12.0;
            const double top = archY(x) - rib;
            if (top - deck > 4)
                p.drawLine(QPointF(x, deck + 5), QPointF(x, top));
        }
        for (double x : {xa, xb})
            p.drawLine(QPointF(x, deck + 5), QPointF(x, yb - 6));

        // Deck.
        p.setBrush(QColor(232, 241, 255, 90));
        p.drawRect(QRectF(0.05 * w, deck, 0.90 * w, 5));

        // Hinges at the springings and at the crown.
        p.setBrush(QColor(11, 37, 69));
        p.setPen(QPen(QColor(255, 213, 79), 1.8));
        const double r = 4.5;
        p.drawEllipse(QPointF(xa, yb - rib / 2), r, r);
        p.drawEllipse(QPointF(xb, yb - rib / 2), r, r);
        p.drawEllipse(QPointF((xa + xb) / 2, yb - rise - rib / 2), r, r);

        paintLoad(p, w, deck);
        paintDimensions(p, w, h, xa, xb, yb, rise);
    }

private:
    static void paintBackground(QPainter& p, double w, double h) {
        QLinearGradient sky(0, 0, 0, h);
        sky.setColorAt(0, QColor(20, 62, 112));
        sky.setColorAt(1, QColor(9, 32, 61));
        p.fillRect(QRectF(0, 0, w, h), sky);
        p.setPen(QPen(QColor(255, 255, 255, 22), 1));
        for (double x = 10; x < w; x += 20)
            p.drawLine(QPointF(x, 0), QPointF(x, h));
        for (double y = 10; y < h; y += 20)
            p.drawLine(QPointF(0, y), QPointF(w, y));
    }

    static void paintAbutments(QPainter& p, double w, double h, double xa, double xb, double yb) {
        const QColor ground(232, 241, 255, 150);
        const double bottom = 0.86 * h;
        p.setPen(QPen(ground, 1.2));
        p.setBrush(Qt::NoBrush);
        // Hatched ground under each springing, sloping down to the river.
        const QPolygonF left({QPointF(0, yb + 2), QPointF(xa + 14, yb + 2),
                              QPointF(xa + 44, bottom), QPointF(0, bottom)});
        const QPolygonF right({QPointF(w, yb + 2), QPointF(xb - 14, yb + 2),
                               QPointF(xb - 44, bottom), QPointF(w, bottom)});
        for (const QPolygonF& side : {left, right}) {
            p.drawLine(side[0], side[1]);
            p.drawLine(side[1], side[2]);
            p.save();
            QPainterPath clip;
            clip.addPolygon(side);
            p.setClipPath(clip);
            p.setPen(QPen(QColor(232, 241, 255, 70), 1));
            for (double x = -h; x < w + h; x += 9)
                p.drawLine(QPointF(x, bottom), QPointF(x + (bottom - yb), yb));
            p.restore();
        }
        // Water between the abutments.
        p.setPen(QPen(QColor(144, 202, 249, 150), 1.2));
        for (int row = 0; row < 2; ++row) {
            const double y = bottom - 10 + row * 6;
            QPainterPath wave;
            wave.moveTo(xa + 50, y);
            for (double x = xa + 50; x < xb - 50; x += 16)
                wave.quadTo(x + 4, y - 3, x + 8, y), wave.quadTo(x + 12, y + 3, x + 16, y);
            p.drawPath(wave);
        }
    }

    static void arrowHead(QPainter& p, QPointF tip, double dx, double dy, double size) {
        const double len = std::hypot(dx, dy);
        const double ux = dx / len, uy = dy / len;
        const QPointF a(tip.x() - ux * size - uy * size * 0.45,
                        tip.y() - uy * size + ux * size * 0.45);
        const QPointF b(tip.x() - ux * size + uy * size * 0.45,
                        tip.y() - uy * size - ux * size * 0.45);
        p.drawPolygon(QPolygonF({tip, a, b}));
    }

    static void paintLoad(QPainter& p, double w, double deck) {
        const QColor load(255, 213, 79);
        const double top = deck - 24;
        p.setPen(QPen(load, 1.3));
        p.setBrush(load);
        p.drawLine(QPointF(0.05 * w, top), QPointF(0.95 * w, top));
        for (double x = 0.05 * w; x <= 0.95 * w + 0.5; x += 0.9 * w / 24) {
            p.drawLine(QPointF(x, top), QPointF(x, deck - 6));
            arrowHead(p, QPointF(x, deck - 1), 0, 1, 5);
        }
        QFont font = p.font();
        font.setItalic(true);
        font.setBold(true);
        font.setPointSizeF(11);
        p.setFont(font);
        p.drawText(QRectF(0.05 * w - 26, top - 10, 20, 20), Qt::AlignCenter, "p");
    }

    static void paintDimensions(QPainter& p, double w, double h, double xa, double xb, double yb,
                                double rise) {
        const QColor dim(128, 203, 196);
        p.setPen(QPen(dim, 1.1));
        p.setBrush(dim);
        QFont font = p.font();
        font.setItalic(true);
        font.setBold(true);
        font.setPointSizeF(11);
        p.setFont(font);
        // Span l.
        const double y = 0.94 * h;
        p.drawLine(QPointF(xa, yb + 4), QPointF(xa, y + 5));
        p.drawLine(QPointF(xb, yb + 4), QPointF(xb, y + 5));
        p.drawLine(QPointF(xa, y), QPointF(xb, y));
        arrowHead(p, QPointF(xa, y), -1, 0, 7);
        arrowHead(p, QPointF(xb, y), 1, 0, 7);
        const QRectF spanText((xa + xb) / 2 - 12, y - 11, 24, 22);
        p.fillRect(spanText.adjusted(4, 3, -4, -3), QColor(9, 32, 61));
        p.drawText(spanText, Qt::AlignCenter, "l");
        // Rise f, beside the right half of the arch.
        const double x = xb + 0.07 * w;
        p.drawLine(QPointF((xa + xb) / 2 + 8, yb - rise), QPointF(x + 5, yb - rise));
        p.drawLine(QPointF(x, yb - rise), QPointF(x, yb));
        arrowHead(p, QPointF(x, yb - rise), 0, -1, 7);
        arrowHead(p, QPointF(x, yb), 0, 1, 7);
        p.drawText(QRectF(x + 4, yb - rise / 2 - 11, 22, 22), Qt::AlignCenter, "f");
    }
};

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, double pointSize,
                  bool bold, bool italic, const char* colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    label->setStyleSheet(QString("color: %1; background: transparent;").arg(colour));
    return label;
}

} // namespace

FrmSplash::FrmSplash(std::unique_ptr<MusicBackend> backend, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_player(std::move(backend)) {
    g_splash = this;
    build();
    load();
}

FrmSplash::~FrmSplash() = default;

FrmSplash* FrmSplash::instance() {
    return g_splash;
}

QLabel* FrmSplash::label(int n) const {
    return n >= 1 && n <= 3 ? m_labels[n - 1] : nullptr;
}

void FrmSplash::build() {
    setObjectName("frmSplash");
    setFixedSize(SplashWidth, SplashHeight);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(250, 251, 253));
    setPalette(palette);

    new BridgePicture(this);
    findChild<QWidget*>("Picture1")->setGeometry(0, 0, SplashWidth, PictureHeight);

    // Label2 stands above the name: after the exit it reads "elaborazione eseguita con".
    const int left = 32, width = SplashWidth - 2 * left;
    m_labels[1] =
        makeLabel(this, "Label2", QRect(left, 246, width, 24), 11.5, false, true, "#37474f");
    m_labels[0] =
        makeLabel(this, "Label1", QRect(left, 268, width, 52), 30, true, false, "#0b2545");
    m_labels[2] = makeLabel(this, "Label3", QRect(left, 322, width, 20), 9, true, false, "#1e5a9c");
    m_hint = makeLabel(this, "Label4", QRect(left, 344, width, 18), 8, false, false, "#78909c");
    m_hint->setText("Fare clic o premere Invio per continuare, un altro tasto per uscire.");
    m_hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FrmSplash::load() {
    // The music lies beside the program; without it the splash stays silent.
    m_player.setFileName(QDir(QCoreApplication::applicationDirPath()).filePath("Internet.mid"));
    m_player.command("open");
    m_player.command("play");

    ModPonteluma::SetCommonTexts();
    const ModPonteluma::Identity& id = ModPonteluma::identity();
    setWindowTitle(id.product);
    m_labels[0]->setText(id.product);
    m_labels[1]->setText(id.description);
    m_labels[2]->setText("EDIZIONE PROFESSIONALE - VERSIONE " + id.version);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(SplashWidth / 2, SplashHeight / 2));
    }
}

void FrmSplash::showAgain() {
    m_exited = true;
    m_player.command("play");
    m_labels[1]->setText("          elaborazione eseguita con");
    m_hint->setText("Fare clic per continuare, premere un tasto per uscire.");
    show();
    raise();
    activateWindow();
    setFocus();
}

void FrmSplash::mouseReleaseEvent(QMouseEvent* event) {
    // The labels and the picture leave their clicks to the window.
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    m_player.command("pause");
    ShowMainWindow();
}

void FrmSplash::keyPressEvent(QKeyEvent* event) {
    // At start-up Return, Enter and Space go on as a click does; any other key, and
    // every key after the exit sequence, ends the program, but only when no other
    // window of it is open: a key never takes data on screen away.
    const int key = event->key();
    const bool goOn = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (goOn && !m_exited) {
        m_player.command("pause");
        ShowMainWindow();
        return;
    }
    close();
}

void FrmSplash::closeEvent(QCloseEvent* event) {
    if (otherWindowOpen()) {
        event->ignore();
        return;
    }
    m_player.command("close");
    event->accept();
    QCoreApplication::quit();
}

bool FrmSplash::otherWindowOpen() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && window->windowType() != Qt::ToolTip &&
            window->windowType() != Qt::Popup)
            return true;
    }
    return false;
}

void FrmSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(120, 144, 156));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
