#pragma once
// A document set on numbered pages, without widgets: a heading repeated on every page
// (who, what, when, "pagina N di M") and a body of blocks (titles, paragraphs, aligned
// lines, figures, ruled tables, diagram frames, a signature). The layout places every
// item on an A4 page in points and on a grid of character cells, so the printer, the
// PDF and the text pages show the same lines and break the pages at the same places.
// The calculation report and the validation dossier are both written as such a document.
#include <QString>
#include <QStringList>
#include <vector>

// Who signs and what the document is about, printed at the top of every page.
struct PageHeading {
    QString studio;
    QString progettista;
    QString albo;      // professional register and number
    QString indirizzo; // address line
    QString logo;      // path of an image, empty when none
    QString opera;     // the project
    QString elemento;  // the element of the project
    QString file;      // name of the archive file, empty when none
    QString date;      // as printed: "09/12/2026"
};

struct DocTableColumn {
    QStringList heads; // head lines
    QString unit;      // line under the heads
    bool numeric = true;
};

struct DocTableRow {
    QStringList cells;
    // A row without numbers: the note takes the place of the cells from noteFrom on.
    QString note;
    int noteFrom = 0;
};

struct DocTable {
    std::vector<DocTableColumn> columns;
    std::vector<DocTableRow> rows;
    int keyColumns = 1; // columns repeated when a table too wide for the page is split
};

struct DocBlock {
    enum Kind {
        Title,     // large, bold
        Heading,   // a numbered section's title, kept with what follows
        Paragraph, // text wrapped to the page
        Lines,     // one line each; "term = text" lines get their "=" aligned
        Figure,    // an image (path) at a given height
        Table,
        Frames,   // a title, then full-width frames drawn by the back-end (diagrams), two
                  // to a page, from a new page
        Signature // lines for a judgement written by hand, the signature on the right
    } kind = Paragraph;
    QString text; // Title, Heading, Paragraph, Signature (name under the line)
    // Lines; Frames: the caption of each frame; Figure: caption; Signature: the paragraph
    // kept on the page of the signature
    QStringList lines;
    std::vector<int> ids; // Frames: what each frame shows (a row of the sheet)
    QString path;         // Figure
    double height = 0;    // Figure, in points
    DocTable table;
};

struct PageDocument {
    QString title;   // also the PDF's title
    QString subject; // the PDF's subject
    QString author;  // the PDF's author
    PageHeading heading;
    std::vector<DocBlock> blocks;
};

enum class ItemAlign {
    Left,    // starts at the cell
    Right,   // its last character is on the cell
    Decimal, // its units digit is on the cell (the decimal comma right after it)
};

enum class ItemStyle { Title, Heading, Body, Table, TableHead, PageHead, PageHeadBold };

// One thing on a page. Text grid: `line` and `column` (0-based); printer: `y` and
// `height` in points from the top left corner of the printable area, `column` times the
// cell width across.
struct PageItem {
    enum Kind { Text, Rule, Image, Frame } kind = Text;
    int line = 0;
    int column = 0;
    int width = 0; // Rule, Image, Frame: in cells
    double y = 0;
    double height = 0;
    ItemAlign align = ItemAlign::Left;
    ItemStyle style = ItemStyle::Body;
    QString text;      // Text: the text; Image: the path; Frame: its caption
    int id = 0;        // Frame: what it shows
    bool thin = false; // Rule: a light line between rows
};

struct LaidOutPage {
    std::vector<PageItem> items;
};

// The printable area of an A4 sheet with margins of 15 mm, and its grid of cells.
struct PageFormat {
    bool landscape = false;
    double width = 0;  // points
    double height = 0; // points
    int columns = 0;   // cells across
    double cell() const { return width / columns; }
};

PageFormat A4Format(bool landscape);
constexpr int kPortraitColumns = 100;

// Size in points of the text of a style, and the height of its lines.
double StyleSize(ItemStyle style);
double LineHeight(ItemStyle style);

// Cells a table needs across, after its columns are sized.
int TableWidth(const DocTable& table);
// The format that fits the widest table: portrait, or landscape when a table is wider
// than a portrait page (a table wider still is split in two, its key columns repeated).
PageFormat FormatFor(const PageDocument& document);

// The pages of the document, each beginning with the heading and its "pagina N di M".
std::vector<LaidOutPage> LayOutPages(const PageDocument& document, const PageFormat& format);

// The pages as text: each item at its line and column, blanks trimmed at the ends of
// lines, a form feed alone on a line between pages. Images and frames are one line in
// brackets.
QString PagesText(const std::vector<LaidOutPage>& pages);
// One page's lines.
QStringList PageLines(const LaidOutPage& page);
