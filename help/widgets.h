#pragma once
// Small helpers shared by the help windows: design geometry in twips, the
// controls built on it, and the pictures drawn by the program itself.
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// A rectangle given in twips, in the pixels of the widget's screen.
QRect TwipsRect(const QWidget* widget, int left, int top, int width, int height);
int Twips(const QWidget* widget, int twips);

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption,
                  const QRect& geometry);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry);

// A light bulb, the picture of the tip window.
QPixmap LightBulbPicture(int size);
// A small arch bridge, the picture of the about box.
QPixmap BridgePicture(int size);
