#include "sheet/safefile.h"

#include "tests/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save killed half-way leaves its copy; the next save of the same file removes it, but
// not the copy of a save still running, nor anything else in the folder.
TEST(SafeFile, CopiesLeftByAKilledSaveAreRemoved) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath("Ponteluma-sez-a.txt");
    WriteFile(target, "vecchio");
    WriteFile(dir.filePath(".Ponteluma-sez-a.txt.ponteluma-Xy12ab"), "interrotto");
    WriteFile(dir.filePath(".Ponteluma-sez-a.txt.ponteluma-Live01"), "in corso");
    WriteFile(dir.filePath(".Ponteluma-sez-b.txt.ponteluma-Xy12ab"), "di un altro file");
    WriteFile(dir.filePath(".Ponteluma-sez-a.txt.ponteluma-lungo123"), "altro nome");
    WriteFile(dir.filePath("appunti.txt"), "dell'utente");
    QFile running(dir.filePath(".Ponteluma-sez-a.txt.ponteluma-Live01"));
    ASSERT_TRUE(running.open(QIODevice::ReadOnly));
    ASSERT_EQ(flock(running.handle(), LOCK_EX | LOCK_NB), 0);

    QString problem;
    ASSERT_TRUE(WriteWholeFile(target, "nuovo", &problem)) << problem.toStdString();
    EXPECT_EQ(ReadFile(target), "nuovo");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList({".Ponteluma-sez-a.txt.ponteluma-Live01",
                                                      ".Ponteluma-sez-a.txt.ponteluma-lungo123",
                                                      ".Ponteluma-sez-b.txt.ponteluma-Xy12ab",
                                                      "Ponteluma-sez-a.txt", "appunti.txt"}));
}

// Saving through a link replaces the file it points to and keeps the link and the file's
// permissions; a link or another spelling names the same file.
TEST(SafeFile, LinksAndSpellingsLeadToTheSameFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath("Ponteluma-sez-a.txt");
    const QString link = dir.filePath("collegamento.txt");
    WriteFile(target, "vecchio");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(target, link));

    QString problem;
    ASSERT_TRUE(WriteWholeFile(link, "nuovo", &problem)) << problem.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFile(target), "nuovo");
    struct stat info;
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    EXPECT_TRUE(SameFile(target, link));
    EXPECT_TRUE(SameFile(target, dir.path() + "/./Ponteluma-sez-a.txt"));
    EXPECT_FALSE(SameFile(target, dir.filePath("nuovo.txt")));
    EXPECT_FALSE(SameFile(dir.filePath("nuovo.txt"), dir.filePath("nuovo.txt")));
}

struct Owner {
    uid_t uid;
    gid_t gid;
    mode_t mode;
    bool operator==(const Owner& other) const {
        return uid == other.uid && gid == other.gid && mode == other.mode;
    }
};

Owner ownerOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return {info.st_uid, info.st_gid, mode_t(info.st_mode & 07777)};
}

void chownPath(const QString& path, uid_t uid, gid_t gid, mode_t mode) {
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(lchown(native.constData(), uid, gid), 0);
    if (!QFileInfo(path).isSymLink()) {
        ASSERT_EQ(chmod(native.constData(), mode), 0);
    }
}

// A folder that everybody may write and only owners may clean, as the temporary folder.
QString sharedFolder(const QTemporaryDir& dir, const QString& name) {
    const QString folder = dir.filePath(name);
    EXPECT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(chmod(QFile::encodeName(folder).constData(), 01777), 0);
    return folder;
}

// Another user's link in a shared folder, at the name or in its folders, is never followed:
// the file it leads to stays as it was. The user's own link still leads to its file.
TEST(SafeFile, LinksOfAnotherUserAreNotFollowed) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a link to a second user; not run";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString shared = sharedFolder(dir, "tmp");
    const QString secret = dir.filePath("privato.txt");
    WriteFile(secret, "dati riservati");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("mia")));
    const QString planted = shared + "/relazione.pdf";
    const QString plantedFolder = shared + "/cartella";
    ASSERT_TRUE(QFile::link(secret, planted));
    ASSERT_TRUE(QFile::link(dir.filePath("mia"), plantedFolder));
    chownPath(planted, SecondUser::kId, SecondUser::kId, 0);
    chownPath(plantedFolder, SecondUser::kId, SecondUser::kId, 0);

    for (const QString& target : {planted, plantedFolder + "/privato.txt"}) {
        SCOPED_TRACE(target.toStdString());
        QString problem;
        EXPECT_FALSE(WriteWholeFile(target, "%PDF-", &problem));
        EXPECT_TRUE(
            problem.startsWith("il nome indica un collegamento simbolico di un altro utente"))
            << problem.toStdString();
        ScratchFile scratch(target);
        EXPECT_FALSE(scratch.isOpen());
    }
    EXPECT_EQ(ReadFile(secret), "dati riservati");
    EXPECT_FALSE(QFile::exists(dir.filePath("mia/privato.txt")));

    const QString own = shared + "/mio.pdf";
    ASSERT_TRUE(QFile::link(secret, own));
    QString problem;
    EXPECT_TRUE(WriteWholeFile(own, "nuovo", &problem)) << problem.toStdString();
    EXPECT_EQ(ReadFile(secret), "nuovo");
}

// A file the user may not write is refused and kept; one the user may write is replaced
// with its owner, group and mode, as a second user sees it too.
TEST(SafeFile, ProtectedFilesAreRefusedAndReplacedOnesKeepOwnerGroupAndMode) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString readOnly = dir.filePath("sola-lettura.txt");
    WriteFile(readOnly, "vecchio");
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    QString problem;
    EXPECT_FALSE(WriteWholeFile(readOnly, "nuovo", &problem));
    EXPECT_EQ(problem,
              "il file è protetto in scrittura; il file precedente non è stato modificato");
    EXPECT_EQ(ReadFile(readOnly), "vecchio");

    if (geteuid() != 0)
        GTEST_SKIP() << SecondUser::skipReason();
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString shared = sharedFolder(dir, "comune");
    struct Case {
        const char* name;
        Owner owner;
        bool bySecondUser;
        bool replaced;
    };
    const uid_t other = SecondUser::kId;
    const Case cases[] = {
        // The administrator replaces a user's file: it stays the user's.
        {"dell-utente.txt", {other, other, 0640}, false, true},
        // A user may not replace the administrator's file in a folder open to all...
        {"di-root.txt", {0, 0, 0644}, true, false},
        // ...but writes one that all may write, which stays the administrator's.
        {"aperto.txt", {0, 0, 0666}, true, true},
        // The user's own file without write permission.
        {"protetto.txt", {other, other, 0444}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = shared + "/" + c.name;
        WriteFile(path, "vecchio");
        chownPath(path, c.owner.uid, c.owner.gid, c.owner.mode);
        bool written = false;
        {
            std::optional<SecondUser> user;
            if (c.bySecondUser)
                user.emplace();
            written = WriteWholeFile(path, "nuovo", &problem);
        }
        EXPECT_EQ(written, c.replaced) << problem.toStdString();
        EXPECT_EQ(ReadFile(path), c.replaced ? "nuovo" : "vecchio");
        EXPECT_EQ(ownerOf(path), c.owner);
    }
    EXPECT_EQ(FolderEntries(shared).size(), std::size(cases)); // no copy left behind
}

// Every error of the system reads as a phrase, never as a bare number; one no phrase
// foresees is named by its symbol.
TEST(SafeFile, SystemErrorsAreToldInItalian) {
    const int errors[] = {ENAMETOOLONG, EBADF,  EPIPE,  ENOSPC, EDQUOT, EROFS,  EACCES,
                          EPERM,        ELOOP,  EMLINK, EIO,    EFBIG,  EMFILE, ENOENT,
                          ENOTDIR,      EISDIR, EXDEV,  EBUSY,  ESTALE, EINVAL, EHWPOISON};
    for (int error : errors) {
        for (const QString& phrase : {ReadFailure(error), WriteFailure(error)}) {
            SCOPED_TRACE(phrase.toStdString());
            EXPECT_FALSE(phrase.contains(QRegularExpression("[0-9]")));
            EXPECT_FALSE(phrase.isEmpty());
        }
    }
    EXPECT_EQ(WriteFailure(EHWPOISON), "la scrittura non è riuscita: errore imprevisto del "
                                       "sistema (EHWPOISON)");

    // A name longer than the system allows, at the name and in the copy's name.
    QTemporaryDir dir;
    QString problem;
    EXPECT_FALSE(WriteWholeFile(dir.filePath(QString(256, 'a')), "x", &problem));
    EXPECT_EQ(problem, "il nome del file o del percorso è troppo lungo");
    EXPECT_FALSE(ReadWholeFile(dir.filePath(QString(256, 'a')), 10, nullptr, &problem));
    EXPECT_EQ(problem, "il nome del file o del percorso è troppo lungo");
}

} // namespace
