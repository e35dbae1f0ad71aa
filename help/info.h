#pragma once
// The about box `informa` and the support page `supportoclienti`.
#include <QDialog>
#include <QString>
#include <QWidget>

// "edizione professionale - versione 2.05.05 - 2002": the version and the year of
// its date.
QString EditionLine();

class Informa : public QDialog {
    Q_OBJECT
public:
    explicit Informa(QWidget* parent = nullptr);
};

class SupportoClienti : public QWidget {
    Q_OBJECT
public:
    explicit SupportoClienti(QWidget* parent = nullptr);
    void cmdChiudi_Click();
};
