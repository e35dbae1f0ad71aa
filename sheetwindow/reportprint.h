#pragma once
// The calculation report on paper and in PDF files: the pages laid out by the core drawn
// on a QPrinter, the print command with its dialog, the PDF with its title, author and
// subject.
#include "sheet/calcreport.h"
#include "sheet/safefile.h"

#include <QByteArray>
#include <functional>

class QPainter;
class QPrinter;
class QRectF;

// Draws what a frame of the pages shows (a diagram), given the frame's id.
using FramePainter = std::function<void(QPainter&, const QRectF&, int id)>;

// Sets the printer's paper: A4 in the format's orientation, margins of 15 mm.
void SetPaper(QPrinter& printer, const PageFormat& format);

// Draws the pages on an active painter of the printer; false when the printer failed.
// A Latin sans-serif font, the items where the layout put them: numbers with their
// units digits on one vertical line, rules, images, frames.
bool PaintPages(QPainter& painter, QPrinter& printer, const std::vector<LaidOutPage>& pages,
                const PageFormat& format, const FramePainter& frames = {});

// The PDF with an information dictionary that names its title, author and subject, added
// as an update at its end (the document itself is unchanged). The bytes unchanged when
// they are not a PDF Qt wrote.
QByteArray WithPdfInformation(const QByteArray& pdf, const QString& title, const QString& author,
                              const QString& subject, const QString& creator);

// The print command: the dialog, then the pages; a PDF chosen in the dialog gets its
// information. A cancelled dialog ends it silently; a printer that fails gets a message.
bool PrintCalculationReport(const Document& document, bool diagrams,
                            const FramePainter& frames = {});

// The same document written to a PDF file, replaced only when complete.
bool WriteCalculationPdf(const Document& document, const PageHeading& heading, bool diagrams,
                         const FilePath& pdfPath, QString* problem,
                         const FramePainter& frames = {});
