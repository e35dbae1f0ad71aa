// The diagram on the command line, run as a user runs it: the built program.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome ponteluma(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PONTELUMA_BINARY_DIR "/ponteluma"), arguments);
    Outcome run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString example(const char* name) {
    return QStringLiteral(PONTELUMA_SOURCE_DIR "/examples/") + name;
}

class DiagramCommand : public ::testing::Test {
protected:
    // An archive of the simple-beams window in the folder.
    QString beams(const QByteArray& records) {
        const QString path = folder.filePath("Ponteluma-trav-prova.txt");
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(records);
        return path;
    }
    // The table's lines, checked for what every diagram shows: sorted by x, closed at both
    // ends with V = 0.
    static QStringList lines(const Outcome& run) {
        QStringList lines = run.out.split('\n');
        EXPECT_EQ(lines.takeLast(), "");
        EXPECT_EQ(lines.value(0), "x (m);V (kg);M (kgm)");
        double last = -1;
        for (int i = 1; i < lines.size(); ++i) {
            const double x = lines[i].section(';', 0, 0).replace(',', '.').toDouble();
            EXPECT_GE(x, last) << lines[i].toStdString();
            last = x;
        }
        EXPECT_TRUE(lines.value(1).startsWith("0,000;0,0;"));
        EXPECT_TRUE(lines.last().contains(QRegularExpression("^[0-9]+,000;0,0;")))
            << lines.last().toStdString();
        return lines;
    }
    QTemporaryDir folder;
};

TEST_F(DiagramCommand, PrintsTheTableOfEachKindOfLoad) {
    // A point load: V jumps at A, under the load and at B, each line twice.
    Outcome r = ponteluma({"diagram", beams("4,1\n\"6\",\"1000\"\n\"2\"\n"), "--row", "1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QStringList t = lines(r);
    EXPECT_EQ(t.mid(1, 2), QStringList({"0,000;0,0;0,0", "0,000;666,7;0,0"}));
    EXPECT_TRUE(t.contains("0,120;666,7;80,0"));
    const int load = int(t.indexOf("2,000;666,7;1333,3"));
    ASSERT_GT(load, 0);
    EXPECT_EQ(t.value(load + 1), "2,000;-333,3;1333,3");
    EXPECT_EQ(t.mid(t.size() - 2), QStringList({"6,000;-333,3;0,0", "6,000;0,0;0,0"}));
    // Fifty steps, the load point and its second line, and the jumps at both ends.
    EXPECT_EQ(t.size(), 1 + 51 + 1 + 1 + 2);

    // A uniform load: the largest moment at midspan where V is nil.
    r = ponteluma({"diagram", beams("5,1\n\"6\",\"800\"\n"), "--row", "1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    t = lines(r);
    EXPECT_EQ(t.value(2), "0,000;2400,0;0,0");
    EXPECT_TRUE(t.contains("1,200;1440,0;2304,0"));
    EXPECT_TRUE(t.contains("3,000;0,0;3600,0"));
    EXPECT_EQ(t.value(t.size() - 2), "6,000;-2400,0;0,0");

    // A trapezoidal load from the examples: the largest moment off the sampled steps.
    r = ponteluma({"diagram", example("Ponteluma-trav-appoggio-trapezio.txt"), "--row", "1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    t = lines(r);
    EXPECT_EQ(t.value(2), "0,000;2500,0;0,0");
    EXPECT_TRUE(t.contains("3,000;250,0;4500,0"));
    EXPECT_TRUE(t.contains("3,245;0,0;4530,8"));
    EXPECT_EQ(t.value(t.size() - 2), "6,000;-3500,0;0,0");

    // A continuous beam of four spans: every inner support is a jump of V, and the
    // diagram is the exact solution whatever method the grid shows (mom.B = -3/28·q·l²
    // for 5,5 m and 1200 kg/m, where the table gives -3887).
    r = ponteluma({"diagram", example("Ponteluma-cont-quattro-campate.txt"), "--row", "1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    t = lines(r);
    EXPECT_EQ(t.last(), "22,000;0,0;0,0");
    EXPECT_EQ(t.size(), 1 + 4 * 50 + 1 + 4 + 5);
    for (const char* support : {"5,500;", "11,000;", "16,500;"}) {
        const int at = int(t.indexOf(QRegularExpression(QString(support) + ".*")));
        ASSERT_GT(at, 0) << support;
        EXPECT_TRUE(t.value(at).section(';', 1, 1).startsWith('-')) << support;
        EXPECT_FALSE(t.value(at + 1).section(';', 1, 1).startsWith('-')) << support;
        EXPECT_EQ(t.value(at).section(';', 2), t.value(at + 1).section(';', 2)) << support;
    }
    EXPECT_TRUE(t.contains("5,500;-4007,1;-3889,3"));
    EXPECT_EQ(t.value(2), "0,000;2592,9;0,0"); // Ra = 11/28 q·l
    const Outcome exact = ponteluma(
        {"diagram", example("Ponteluma-cont-quattro-campate.txt"), "--row", "1", "--exact"});
    EXPECT_EQ(exact.status, 0);
    EXPECT_EQ(exact.out, r.out);
}

TEST_F(DiagramCommand, WritesTheDrawingAsWellFormedSvg) {
    const QString svg = folder.filePath("trave.svg");
    const Outcome r = ponteluma(
        {"diagram", example("Ponteluma-trav-appoggio-trapezio.txt"), "--row", "1", "--svg", svg});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "");
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QXmlStreamReader xml(bytes);
    QString texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::Characters)
            texts += xml.text().toString() + QChar(0xa);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains("Trave n.1 - appoggio + trapezio (tipologia 9)"));
    EXPECT_TRUE(texts.contains("4530,8 kgm a x = 3,24 m")) << texts.toStdString();
    EXPECT_TRUE(texts.contains("2500,0 kg"));
    EXPECT_TRUE(texts.contains("-3500,0 kg"));
    EXPECT_TRUE(texts.contains("controllo di equilibrio: scarto 0,0 %"));
}

// The drawing of a continuous beam names the method its check sets against theory.
TEST_F(DiagramCommand, TheContinuousCheckNamesTheMethod) {
    for (const bool exact : {false, true}) {
        const QString svg = folder.filePath("continua.svg");
        QStringList arguments{
            "diagram", example("Ponteluma-cont-quattro-campate.txt"), "--row", "2", "--svg", svg};
        if (exact)
            arguments << "--exact";
        const Outcome r = ponteluma(arguments);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        // l = 4, q = 1000: the table's mom.C 1135 against ql²/14 = 1143.
        EXPECT_TRUE(text.contains(exact ? "controllo di equilibrio, soluzione esatta: scarto 0,0 %"
                                        : "controllo di equilibrio, coefficienti tabellati: "
                                          "mom.C 1135 kgm, esatto 1143 kgm, \u22120,7 %"))
            << exact;
    }
}

TEST_F(DiagramCommand, RefusesRowsWithoutADiagramInOneSentence) {
    const QString file = beams("5,2\n\"6\",\"800\"\n\"4\",\"\"\n");
    Outcome r = ponteluma({"diagram", file, "--row", "3"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "La riga 3 non esiste: il file \"" + file + "\" ha 2 righe.\n");

    r = ponteluma({"diagram", file, "--row", "2"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "La riga 2 del file \"" + file +
                         "\" è incompleta: senza risultati non c'è diagramma.\n");
    EXPECT_EQ(r.out, "");

    // A row outside its field of use: the reason; a point load on a support is inside.
    const QString field = beams("4,2\n\"6\",\"2000\"\n\"8\"\n\"6\",\"1000\"\n\"0\"\n");
    r = ponteluma({"diagram", field, "--row", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "La riga 1 del file \"" + field +
                  "\" è fuori dal campo d'uso delle formule: la distanza a supera la luce.\n");
    r = ponteluma({"diagram", field, "--row", "2"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(lines(r).mid(1, 3),
              QStringList({"0,000;0,0;0,0", "0,000;1000,0;0,0", "0,000;0,0;0,0"}));

    const QString sections = example("Ponteluma-sez-rettangoli.txt");
    r = ponteluma({"diagram", sections, "--row", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Il file \"" + sections +
                         "\" è della finestra sezioni: i diagrammi si tracciano solo per travi e "
                         "continue.\n");

    for (const QStringList& usage :
         {QStringList{"diagram", file}, QStringList{"diagram", file, "--row", "zero"},
          QStringList{"compute", file, "--row", "1"}, QStringList{"report", file, "--diagrams"}}) {
        r = ponteluma(usage);
        EXPECT_EQ(r.status, 1) << usage.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Uso:")) << usage.join(' ').toStdString();
    }
}

TEST_F(DiagramCommand, TheReportPdfTakesTheDiagramPages) {
    const QString plain = folder.filePath("relazione.pdf");
    const QString with = folder.filePath("diagrammi.pdf");
    const QString beams = example("Ponteluma-trav-appoggio-trapezio.txt");
    ASSERT_EQ(ponteluma({"report", beams, "--pdf", plain}).status, 0);
    ASSERT_EQ(ponteluma({"report", beams, "--pdf", with, "--diagrams"}).status, 0);
    auto pages = [](const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]"));
    };
    // Two rows: one page of diagrams.
    EXPECT_EQ(pages(with), pages(plain) + 1);
}

} // namespace
