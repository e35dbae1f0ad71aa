#pragma once
// Files for the tests of saving and of the command line.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <sys/resource.h>

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
