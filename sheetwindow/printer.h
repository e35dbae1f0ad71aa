#pragma once
// The report on paper: the printer back-end of the report writer, the print
// command and the PDF file of the command line.
#include "sheet/report.h"
#include "sheet/safefile.h"

#include <QFont>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

// Pages drawn after the report on the same printer (the diagrams); each page they draw
// begins with the printer's newPage(). False when the printer failed.
using ExtraPages = std::function<bool(QPainter&, QPrinter&)>;

// Renders on a QPrinter (a printer or a PDF file) in Courier: twips are mapped
// through the printer's resolution, a column is the width of one character. The
// document is drawn when it ends, so that every line of one size can share the
// size's width: a size whose widest line would not fit the paper (the large title,
// the wide table of the continuous beams) is set smaller for all its lines alike,
// and the columns of the table stay aligned.
class PrinterReport : public ReportWriter {
public:
    explicit PrinterReport(QPrinter& printer);
    ~PrinterReport() override;
    bool isActive() const;
    void setFontSize(int points) override;
    void setCurrentY(int twips) override;
    void printLine(const ReportLine& items) override;
    void printAt(int xTwips, int yTwips, const QString& text) override;
    void newPage() override;
    int page() const override { return m_page; }
    bool endDoc() override;
    // Pages to draw once the report is drawn, before the document ends.
    void setExtraPages(ExtraPages pages) { m_extraPages = std::move(pages); }

private:
    struct Operation {
        enum Kind { Size, Y, Line, At, Page } kind;
        int value = 0;    // the size, or the position in twips
        int x = 0;        // At: twips from the left
        ReportLine items; // Line: the items; At: one item with the text
    };
    QFont fontOf(int points) const;
    double twips(int value) const;
    QPrinter& m_printer;
    std::unique_ptr<QPainter> m_painter;
    std::vector<Operation> m_operations;
    int m_page = 1;
    ExtraPages m_extraPages;
};

// Proposes to the print dialog the archive's name with ".pdf", in the archive's folder.
void ProposePdfName(QPrinter& printer, const QString& archive);

// The print command: asks for a printer and prints. A cancelled dialog ends it
// silently; a printer that fails gets a message (stop icon, check title).
// True when the report was printed.
bool PrintReport(const Document& document, const ExtraPages& extraPages = {});

// The same report through the printer back-end into a PDF file, which replaces the one at
// pdfPath only when complete (WriteWholeFile), never a FIFO, a device or a folder.
bool WriteReportPdf(const Document& document, const FilePath& pdfPath, QString* problem,
                    const ExtraPages& extraPages = {});

// Any document composed through the printer back-end into a PDF file, with the same care
// as the report's (the dossier of the validation cases is one).
bool WriteComposedPdf(const FilePath& pdfPath, QString* problem,
                      const std::function<bool(PrinterReport&)>& compose);
