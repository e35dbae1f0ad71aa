// Draws the typology figures of the calculation windows as BMP files (each window's folder
// registers its own in its figures.cpp):
//   ponteluma_figures OUTDIR [--contact-sheet FILE.png [--scale N]]
// The files are named "<kind> ( N).bmp", the number written with its leading
// blank as the windows ask for it. The contact sheet puts every figure on one
// page with its file name, for a look at them all together.
#include "assets/figures/sketch.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>
#include <vector>

namespace {

QString fileName(const figures::Kind& kind, int n) {
    return QString::fromLatin1(kind.file) + " ( " + QString::number(n) + ").bmp";
}

QImage drawFigure(const figures::Kind& kind, int n) {
    QImage image(figures::Width, figures::Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    figures::Sketch sketch(painter);
    kind.draw(sketch, n);
    painter.end();
    return image;
}

struct Drawn {
    QString name;
    QImage image;
};

bool writeContactSheet(const std::vector<Drawn>& drawn, const QString& path, int scale) {
    const int columns = 6;
    const int cellW = figures::Width * scale + 12;
    const int cellH = figures::Height * scale + 22;
    const int rows = (static_cast<int>(drawn.size()) + columns - 1) / columns;
    QImage sheet(columns * cellW + 8, rows * cellH + 8, QImage::Format_RGB32);
    sheet.fill(QColor(150, 150, 150));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const int x = 8 + static_cast<int>(i % columns) * cellW;
        const int y = 8 + static_cast<int>(i / columns) * cellH;
        const QImage shown = drawn[i].image.scaled(drawn[i].image.size() * scale);
        painter.drawImage(x, y, shown);
        painter.setPen(Qt::black);
        painter.fillRect(x, y + shown.height(), shown.width(), 14, Qt::white);
        painter.drawText(x + 2, y + shown.height() + 11, drawn[i].name);
    }
    painter.end();
    return sheet.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr,
                     "usage: ponteluma_figures OUTDIR [--contact-sheet FILE.png [--scale N]]\n");
        return 1;
    }
    const QString outDir = args.first();
    const qsizetype sheetAt = args.indexOf(QStringLiteral("--contact-sheet"));
    const QString sheetPath =
        sheetAt > 0 && sheetAt + 1 < args.size() ? args[sheetAt + 1] : QString();
    const qsizetype scaleAt = args.indexOf(QStringLiteral("--scale"));
    const int scale =
        scaleAt > 0 && scaleAt + 1 < args.size() ? qMax(1, args[scaleAt + 1].toInt()) : 1;

    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    std::vector<Drawn> drawn;
    for (const figures::Kind& kind : figures::Kinds()) {
        for (int n = 1; n <= kind.count; ++n) {
            const QString name = fileName(kind, n);
            const QImage image = drawFigure(kind, n);
            if (!image.save(QDir(outDir).filePath(name), "BMP")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
            drawn.push_back({name, image});
        }
    }
    if (!sheetPath.isEmpty() && !writeContactSheet(drawn, sheetPath, scale)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    return 0;
}
