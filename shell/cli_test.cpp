#include "shell/cli.h"

#include "tests/files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome {
    std::optional<int> status;
    QString out;
    QString err;
};

QString slurp(FILE* file) {
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(got));
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

// Runs the command line with standard output and error caught in files, or standard
// output sent to the given device.
Outcome run(const QStringList& arguments, const char* device = nullptr) {
    std::fflush(stdout);
    std::fflush(stderr);
    FILE* out = device ? std::fopen(device, "w") : std::tmpfile();
    FILE* err = std::tmpfile();
    const int savedOut = dup(1), savedErr = dup(2);
    dup2(fileno(out), 1);
    dup2(fileno(err), 2);
    Outcome result;
    result.status = RunCommandLine(arguments);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    result.out = device ? (std::fclose(out), QString()) : slurp(out);
    result.err = slurp(err);
    return result;
}

// Runs the command line with standard output closed, or into a pipe whose reader has gone
// with SIGPIPE ignored (as a shell may leave it), standard error caught.
enum class Output { Closed, ReaderGone };
Outcome runWithout(const QStringList& arguments, Output output) {
    std::fflush(stdout);
    std::fflush(stderr);
    FILE* err = std::tmpfile();
    const int savedOut = dup(1), savedErr = dup(2);
    dup2(fileno(err), 2);
    void (*handler)(int) = std::signal(SIGPIPE, SIG_IGN);
    if (output == Output::Closed) {
        close(1);
    } else {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        close(ends[0]);
        dup2(ends[1], 1);
        close(ends[1]);
    }
    Outcome result;
    result.status = RunCommandLine(arguments);
    __fpurge(stdout); // what could not be written goes
    std::clearerr(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    std::signal(SIGPIPE, handler);
    result.err = slurp(err);
    return result;
}

QString example(const char* name) {
    return QStringLiteral(PONTELUMA_SOURCE_DIR "/examples/") + name;
}

TEST(CommandLine, ComputePrintsTheTable) {
    const Outcome r = run({"compute", example("Ponteluma-sez-rettangoli.txt")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "sezione;dato 1 (cm);dato 2 (cm);dato 3 (cm);dato 4 (cm);I (cm4);E (cm);W "
                     "(cm3);E' (cm);W' (cm3);A (cm2)\n"
                     "1;20;30;;;45000;15;3000;;;600\n"
                     "2;12,5;40;;;66667;20;3333;;;500\n"
                     "3;8;10,25;;;718;5,1;140;;;82\n");

    const Outcome t = run({"compute", example("Ponteluma-sez-sezioni-a-T.txt")});
    EXPECT_EQ(t.status, 0);
    EXPECT_EQ(t.out.split('\n').value(1), "1;40;50;10;8;176960;31,8;5563;18,2;9729;740");
}

TEST(CommandLine, ComputeShowsIncompleteRowsWithoutResults) {
    QTemporaryDir dir;
    const QString path = dir.filePath("prova.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2,2\r\n\"20\"\r\n\"30\"\r\n\"10\"\r\n\"12\"\r\n\"\"\r\n\"\"\r\n");
    file.close();
    const Outcome r = run({"compute", "--window", "sezioni", path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "sezione;dato 1 (cm);dato 2 (cm);dato 3 (cm);dato 4 (cm);I (cm4);E (cm);W "
                     "(cm3);E' (cm);W' (cm3);A (cm2)\n"
                     "1;20;30;10;;43333;15;2889;;;400\n"
                     "2;12;;;;;;;;;\n");
}

TEST(CommandLine, RefusalOfTheCalculationGoesToStandardError) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Ponteluma-trav-trapezio.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("9,1\r\n\"6\",\"500\"\r\n\"500\"\r\n"); // a uniform trapezoid
    file.close();
    const Outcome r = run({"compute", path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Il carico non può essere uniforme, altrimenti usare la tipologia 5.\n");
    // The refused datum is dropped, as the window drops it from its box.
    EXPECT_EQ(r.out.split('\n').value(1), "1;6;500;;;;;;");
}

TEST(CommandLine, ReportAsText) {
    const Outcome r = run({"report", example("Ponteluma-sez-rettangoli.txt"), "--text"});
    EXPECT_EQ(r.status, 0);
    const QStringList lines = r.out.split('\n');
    EXPECT_EQ(lines.value(0), "      PONTELUMA - calcolo di momenti d'inerzia di sezioni");
    EXPECT_EQ(lines.value(2), "         DATI E RISULTATI (tipologia: rettangolo)");
    EXPECT_TRUE(r.out.contains("E       = distanza dell'asse neutro dalle fibre più lontane"));
    EXPECT_TRUE(r.out.contains("        2       12,5      40          -         -      66667"));
    EXPECT_TRUE(r.out.endsWith("\npagina 1\n"));
}

// --exact computes continuous beams with the exact solution; the report names the method
// under its title either way.
TEST(CommandLine, ContinuousBeamsWithTheExactMethod) {
    const QString beams = example("Ponteluma-cont-quattro-campate.txt");
    const Outcome tabulated = run({"report", beams, "--text"});
    const Outcome exact = run({"report", "--exact", beams, "--text"});
    ASSERT_EQ(tabulated.status, 0);
    ASSERT_EQ(exact.status, 0);
    EXPECT_EQ(tabulated.out.split('\n').value(3),
              "         Metodo di calcolo: coefficienti tabellati");
    EXPECT_EQ(exact.out.split('\n').value(3), "         Metodo di calcolo: soluzione esatta");
    EXPECT_TRUE(tabulated.out.contains(" -3887 "));
    EXPECT_TRUE(exact.out.contains(" -3889 "));
    const Outcome computed = run({"compute", beams, "--exact"});
    EXPECT_EQ(computed.status, 0);
    EXPECT_EQ(computed.out.split('\n').value(1),
              "1;5,5;1200;2801;-3889;1320;-2593;1320;-3889;2801;2593;7543;6129;7543;2593");
}

TEST(CommandLine, ReportAsPdf) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("relazione.pdf");
    const Outcome r = run({"report", "--pdf", pdf, example("Ponteluma-sez-sezioni-a-T.txt")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    const Outcome bad = run(
        {"report", "--pdf", dir.filePath("no/x.pdf"), example("Ponteluma-sez-sezioni-a-T.txt")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains("x.pdf"));
}

TEST(CommandLine, ErrorsAndTheirStatus) {
    QTemporaryDir dir;
    const QString malformed = dir.filePath("Ponteluma-sez-rotto.txt");
    QFile file(malformed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1,2\r\n\"20\"\r\n\"30\"\r\n");
    file.close();
    const QString rect = example("Ponteluma-sez-rettangoli.txt");

    struct Case {
        QStringList arguments;
        int status;
        QString error; // a part of the sentence on standard error
    };
    const Case cases[] = {
        {{"calcola", rect}, 1, "Comando non riconosciuto: calcola."},
        {{"compute"}, 1, "Manca il nome del file"},
        {{"compute", rect, "--window", "ponti"}, 1, "Finestra sconosciuta: \"ponti\""},
        {{"compute", rect, "--window"}, 1, "Manca il valore dell'opzione --window."},
        {{"compute", dir.filePath("dati.txt")}, 1, "dati.txt\" non si ricava la finestra"},
        {{"compute", rect, rect}, 1, "un solo file"},
        {{"compute", rect, "--text"}, 1, "solo per il comando report"},
        {{"compute", rect, "--verbose"}, 1, "Opzione non riconosciuta: --verbose."},
        {{"compute", rect, "--exact"}, 1, "L'opzione --exact vale solo per la finestra continue."},
        {{"report", rect}, 1, "--text o --pdf"},
        {{"report", rect, "--text", "--pdf", "x.pdf"}, 1, "--text o --pdf"},
        {{"compute", dir.filePath("Ponteluma-sez-manca.txt")},
         2,
         "Ponteluma-sez-manca.txt\" non può essere elaborato: il file non esiste."},
        {{"report", malformed, "--text"},
         2,
         "Ponteluma-sez-rotto.txt\" non può essere elaborato: il file è incompleto"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.err.contains(c.error)) << r.err.toStdString();
        EXPECT_EQ(r.out, "");
    }
}

TEST(CommandLine, OutputThatCannotBeWrittenIsAFileError) {
    const QString rect = example("Ponteluma-sez-rettangoli.txt");
    const Outcome text = run({"report", rect, "--text"}, "/dev/full");
    EXPECT_EQ(text.status, 2);
    EXPECT_EQ(text.err, "La relazione del file \"" + rect +
                            "\" non può essere scritta sull'uscita standard: il disco è pieno.\n");

    // A PDF cut short (here by a size limit, as by a full disk) keeps the good one.
    QTemporaryDir dir;
    const QString pdf = dir.filePath("relazione.pdf");
    ASSERT_EQ(run({"report", rect, "--pdf", pdf}).status, 0);
    const QByteArray good = ReadFile(pdf);
    Outcome cut;
    {
        const FileSizeLimit limit(1024);
        cut = run({"report", example("Ponteluma-sez-sezioni-a-T.txt"), "--pdf", pdf});
    }
    EXPECT_EQ(cut.status, 2);
    EXPECT_TRUE(cut.err.startsWith("Il file PDF \"" + pdf + "\" non può essere scritto: "))
        << cut.err.toStdString();
    EXPECT_EQ(ReadFile(pdf), good);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{"relazione.pdf"});
}

// The errors of the system that the command line meets, each told in a phrase of its own.
TEST(CommandLine, SystemErrorsAreToldInItalian) {
    const QString rect = example("Ponteluma-sez-rettangoli.txt");
    const QString table = "La tabella del file \"" + rect +
                          "\" non può essere scritta sull'uscita "
                          "standard: ";
    const Outcome closed = runWithout({"compute", rect}, Output::Closed);
    EXPECT_EQ(closed.status, 2);
    EXPECT_EQ(closed.err, table + "l'uscita è chiusa.\n");
    const Outcome broken = runWithout({"compute", rect}, Output::ReaderGone);
    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(broken.err, table + "chi riceveva i dati ha chiuso il collegamento prima della "
                                  "fine.\n");

    QTemporaryDir dir;
    const QString longName = dir.filePath(QString(252, 'r') + ".pdf");
    const Outcome tooLong = run({"report", rect, "--pdf", longName});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_EQ(tooLong.err, "Il file PDF \"" + longName +
                               "\" non può essere scritto: il nome del file o del percorso è "
                               "troppo lungo.\n");
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

// Another user's link planted at the name of the report, in a folder open to everybody,
// does not lead the report onto the file it points to.
TEST(CommandLine, APdfIsNotWrittenThroughAnotherUsersLink) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a link to a second user; not run";
    QTemporaryDir dir;
    const QString shared = dir.filePath("tmp");
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString secret = dir.filePath("privato.txt");
    WriteFile(secret, "dati riservati");
    const QString pdf = shared + "/relazione.pdf";
    ASSERT_TRUE(QFile::link(secret, pdf));
    ASSERT_EQ(lchown(QFile::encodeName(pdf).constData(), 65534, 65534), 0);
    const Outcome r = run({"report", example("Ponteluma-sez-rettangoli.txt"), "--pdf", pdf});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Il file PDF \"" + pdf +
                         "\" non può essere scritto: il nome indica un collegamento simbolico di "
                         "un altro utente, che potrebbe portare a un file qualsiasi: nessun file "
                         "è stato scritto.\n");
    EXPECT_EQ(ReadFile(secret), "dati riservati");
    EXPECT_EQ(FolderEntries(shared), QStringList{"relazione.pdf"});
}

// A report killed while it writes its PDF leaves at most its scratch copy beside the
// target, and nothing in the temporary folder; the next report of the same name clears it.
TEST(CommandLine, AKilledPdfLeavesNothingBehindTheNextReport) {
    QTemporaryDir dir, temporary, runtime;
    const QString pdf = dir.filePath("relazione.pdf");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temporary.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QStringList arguments{"report", example("Ponteluma-trav-incastri.txt"), "--pdf", pdf,
                                "--diagrams"};
    for (int delay : {40, 80, 120, 160, 200, 260}) {
        QProcess report;
        report.setProcessEnvironment(environment);
        report.start(PONTELUMA_BINARY_DIR "/ponteluma", arguments);
        ASSERT_TRUE(report.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < delay && report.state() == QProcess::Running)
            report.waitForFinished(5);
        report.kill();
        report.waitForFinished();
    }
    // As a kill at the worst moment leaves it, whatever the timings above did.
    WriteFile(dir.filePath(".relazione.pdf.ponteluma-Ab12Cd"), "%PDF-1.4 interrotto");
    QProcess report;
    report.setProcessEnvironment(environment);
    report.start(PONTELUMA_BINARY_DIR "/ponteluma", arguments);
    ASSERT_TRUE(report.waitForFinished());
    EXPECT_EQ(report.exitCode(), 0) << report.readAllStandardError().toStdString();
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{"relazione.pdf"});
    EXPECT_TRUE(FolderEntries(temporary.path()).isEmpty());
}

// The input archive is never overwritten by the report, whatever the spelling of its name.
TEST(CommandLine, PdfOntoTheInputFileIsRefused) {
    QTemporaryDir dir;
    const QString input = dir.filePath("Ponteluma-sez-rettangoli.txt");
    ASSERT_TRUE(QFile::copy(example("Ponteluma-sez-rettangoli.txt"), input));
    const QByteArray bytes = ReadFile(input);
    ASSERT_TRUE(QFile::link(input, dir.filePath("collegamento.pdf")));
    const QString spellings[] = {input, dir.path() + "/./Ponteluma-sez-rettangoli.txt",
                                 dir.filePath("collegamento.pdf")};
    for (const QString& output : spellings) {
        SCOPED_TRACE(output.toStdString());
        const Outcome r = run({"report", input, "--pdf", output});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "Il file PDF \"" + output +
                             "\" è il file archiviato da elaborare: indicare un altro nome.\n");
        EXPECT_EQ(ReadFile(input), bytes);
    }
}

TEST(CommandLine, WindowOptionOverridesThePrefix) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Ponteluma-arc-rettangoli.txt");
    ASSERT_TRUE(QFile::copy(example("Ponteluma-sez-rettangoli.txt"), path));
    const Outcome r = run({"compute", path, "--window", "sezioni"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith("sezione;dato 1 (cm);"));
}

TEST(CommandLine, WindowFromTheFileNamePrefix) {
    const Outcome r = run({"compute", "/percorso/Ponteluma-piastr-nessuno.txt"});
    // The plates window is chosen: the error is about the file, not the window.
    EXPECT_TRUE(r.status == 1 || r.status == 2);
    EXPECT_TRUE(r.err.contains("Ponteluma-piastr-nessuno.txt")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("non si ricava la finestra"));
    EXPECT_EQ(run({"--version"}).status, 0);
    EXPECT_FALSE(run({}).status.has_value());
}

} // namespace

// --units converts what compute prints, for every example, and leaves the file as it is;
// converting back gives the table the file's own units give.
TEST(CommandLine, TheUnitsOptionConvertsWhatIsPrintedOfEveryExample) {
    const QDir folder(QStringLiteral(PONTELUMA_SOURCE_DIR "/examples"));
    for (const QString& name : folder.entryList({"Ponteluma-*.txt"}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QString path = folder.filePath(name);
        const QByteArray bytes = ReadFile(path);
        const Outcome plain = run({"compute", path});
        const Outcome si = run({"compute", path, "--units", "si"});
        const Outcome tecniche = run({"compute", path, "--units", "tecniche"});
        ASSERT_EQ(si.status, 0) << si.err.toStdString();
        ASSERT_EQ(tecniche.status, 0) << tecniche.err.toStdString();
        const QString siHead = si.out.section('\n', 0, 0);
        const QString tecnicheHead = tecniche.out.section('\n', 0, 0);
        EXPECT_TRUE(siHead.contains("kN") || siHead.contains("(mm)")) << siHead.toStdString();
        EXPECT_FALSE(siHead.contains("kg") || siHead.contains("cm")) << siHead.toStdString();
        EXPECT_FALSE(tecnicheHead.contains("kN") || tecnicheHead.contains("mm"));
        EXPECT_EQ(name.contains("-SI-") ? si.out : tecniche.out, plain.out);
        EXPECT_EQ(si.out.count('\n'), plain.out.count('\n'));
        EXPECT_EQ(ReadFile(path), bytes);
    }
    const Outcome wrong =
        run({"compute", example("Ponteluma-sez-rettangoli.txt"), "--units", "kg"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(wrong.err.contains("--units")) << wrong.err.toStdString();
}
