#include "sheet/safefile.h"

#include "tests/files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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

} // namespace
