#include "help/widgets.h"

#include "sheetwindow/rescale.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

int Twips(const QWidget* widget, int twips) {
    return ClsResize::twipsToPixels(twips, widget);
}

QRect TwipsRect(const QWidget* widget, int left, int top, int width, int height) {
    return QRect(Twips(widget, left), Twips(widget, top), Twips(widget, width),
                 Twips(widget, height));
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption,
                  const QRect& geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QPixmap LightBulbPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    p.scale(s, s);

    // rays
    p.setPen(QPen(QColor(230, 170, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 2), QPointF(32, 7));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.drawLine(QPointF(54, 10), QPointF(50, 14));
    p.drawLine(QPointF(3, 28), QPointF(8, 28));
    p.drawLine(QPointF(61, 28), QPointF(56, 28));

    // glass: a round top narrowing to the neck
    QPainterPath glass;
    glass.moveTo(25, 44);
    glass.cubicTo(25, 38, 14, 34, 14, 26);
    glass.cubicTo(14, 15, 22, 9, 32, 9);
    glass.cubicTo(42, 9, 50, 15, 50, 26);
    glass.cubicTo(50, 34, 39, 38, 39, 44);
    glass.closeSubpath();
    QRadialGradient light(QPointF(28, 22), 22);
    light.setColorAt(0, QColor(255, 255, 220));
    light.setColorAt(1, QColor(255, 215, 60));
    p.setBrush(light);
    p.setPen(QPen(QColor(150, 110, 0), 1.5));
    p.drawPath(glass);

    // filament
    p.setPen(QPen(QColor(200, 90, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath filament;
    filament.moveTo(28, 43);
    filament.lineTo(28, 30);
    filament.cubicTo(29, 26, 31, 26, 32, 30);
    filament.cubicTo(33, 26, 35, 26, 36, 30);
    filament.lineTo(36, 43);
    p.drawPath(filament);

    // screw base
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(QColor(170, 170, 175));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(24.5, 44 + i * 4.5, 15, 4.5), 2, 2);
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(28, 57.5, 8, 4), 2, 2);
    return pixmap;
}

QPixmap BridgePicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    p.scale(s, s);

    // water
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 180, 230));
    p.drawRect(QRectF(2, 50, 60, 10));

    // parabolic arch with the posts that carry the deck, then the deck
    QPainterPath arch;
    arch.moveTo(6, 52);
    arch.quadTo(32, 2, 58, 52);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 55, 30), 4));
    p.drawPath(arch);
    p.setPen(QPen(QColor(110, 55, 30), 1.5));
    for (double x = 14; x <= 50; x += 6) {
        const double t = (x - 6) / 52.0; // the arch's height at x
        const double y = 52 - 100 * t * (1 - t);
        if (y > 29)
            p.drawLine(QPointF(x, 29), QPointF(x, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 75, 40));
    p.drawRect(QRectF(2, 24, 60, 5));
    return pixmap;
}
