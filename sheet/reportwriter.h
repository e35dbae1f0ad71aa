#pragma once
// A report is written as the program's printer is addressed: items placed at
// character columns (1-based tab positions) on the current line, font sizes,
// a vertical position in twips, a footer at a fixed place, new pages. Two
// back-ends render it: a plain-text page grid (here) and a real printer or PDF
// (sheetwindow/printer.h, in the window layer).
#include "sheet/params.h"

#include <QString>
#include <QStringList>

class ReportWriter {
public:
    virtual ~ReportWriter() = default;
    virtual void setFontSize(int points) = 0;
    virtual void setCurrentY(int twips) = 0;
    // Prints the items at their columns and ends the line; no items: an empty line.
    virtual void printLine(const ReportLine& items) = 0;
    // Text at a fixed place (twips from the left and the top of the page).
    virtual void printAt(int xTwips, int yTwips, const QString& text) = 0;
    virtual void newPage() = 0;
    virtual int page() const = 0;
    // Ends the document; false when the output failed (a printer fault).
    virtual bool endDoc() = 0;
};

// Pages as text: an item at column n starts at character n, trailing blanks are
// trimmed, text placed at a fixed place is a line of its own.
class TextReport : public ReportWriter {
public:
    void setFontSize(int) override {}
    void setCurrentY(int) override {}
    void printLine(const ReportLine& items) override;
    void printAt(int xTwips, int yTwips, const QString& text) override;
    void newPage() override;
    int page() const override { return int(m_pages.size()); }
    bool endDoc() override { return true; }

    const std::vector<QStringList>& pages() const { return m_pages; }
    // The pages joined by lines, a form feed alone on a line between pages.
    QString text() const;

    // Lays out one line as the text grid does.
    static QString layoutLine(const ReportLine& items);

private:
    std::vector<QStringList> m_pages{QStringList()};
};
