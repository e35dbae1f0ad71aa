#pragma once
// Files for the tests of saving and of the command line.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

// The file's bytes, empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// Creates or overwrites the file with the bytes (a failed test when it cannot).
void WriteFile(const QString& path, const QByteArray& bytes);
// Everything in the folder, hidden files, FIFOs and devices too, by name.
QStringList FolderEntries(const QString& folder);

// While it lives, the process may not write files beyond the size: a write fails
// part-way, as on a full disk, with an error instead of the signal that would end the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit m_saved;
    void (*m_handler)(int);
};

// While it lives, the process reaches files as a second user (user and group 65534, no
// other groups), as another person on the same machine would. Only the administrator can
// take another identity: when the tests do not run as root, active() is false and the test
// skips, saying why.
class SecondUser {
public:
    static constexpr unsigned kId = 65534;
    SecondUser();
    ~SecondUser();
    SecondUser(const SecondUser&) = delete;
    SecondUser& operator=(const SecondUser&) = delete;
    bool active() const { return m_active; }
    static const char* skipReason() {
        return "needs root to act as a second user (uid 65534); not run";
    }

private:
    bool m_root = false;
    bool m_active = false;
    std::vector<gid_t> m_groups;
    gid_t m_gid = 0;
};
