#pragma once
// The diagrams on paper and in files: the pages printed after the report, two rows to a
// page, and the drawing of one row as an SVG file.
#include "sheet/safefile.h"
#include "sheetwindow/diagrampaint.h"
#include "sheetwindow/printer.h"
#include "sheetwindow/reportprint.h"

#include <QByteArray>

// The diagram pages of every row of the sheet that has results, in order; the document
// must outlive the printing.
ExtraPages DiagramPages(const Document& document);

// The diagram of a row in a frame of the calculation report (the frame's id is the row);
// the document must outlive the printing.
FramePainter DiagramFrames(const Document& document);

// The view drawn as an SVG document.
QByteArray DiagramSvg(const DiagramView& view);

// Writes the SVG document, replacing the file only when it is written whole, never a
// FIFO, a device or a folder; false with a short Italian phrase in problem.
bool WriteDiagramSvg(const DiagramView& view, const FilePath& path, QString* problem);
