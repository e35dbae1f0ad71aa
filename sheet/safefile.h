#pragma once
// Reading and writing the program's files so that no fault loses data or hangs it.
// Only regular files are used: a folder, a FIFO or a device is refused before it is
// opened, and reads never wait. A file is replaced only by a complete, synced copy
// written beside it under a hidden name of this program's own
// (".NAME.ponteluma-XXXXXX"), renamed over it when whole, with the owner, group and mode
// of the file it replaces; the copies left by a save that was killed are removed by the
// next save of the same file. A write goes through a symbolic link only when the link is
// the user's own (another user's link in a shared folder could lead anywhere), and never
// over a file that the user may not write. Qt Core and POSIX only, so the command line
// and the windows share it.
#include <QByteArray>
#include <QString>

// A path as the system knows it (bytes, which need not be UTF-8) and as messages show it.
struct FilePath {
    // The paths of the file dialogs and of the tests are text.
    FilePath(const QString& path); // NOLINT(google-explicit-constructor)
    static FilePath fromNative(const QByteArray& native);
    // The file a dialog names: the dialogs show a name that is not valid UTF-8 with
    // replacement characters, so such a name is looked up among the names of its folder.
    static FilePath located(const QString& shown);

    bool isEmpty() const { return native.isEmpty(); }

    QByteArray native;
    QString shown;
};

// Why the path cannot be read or replaced as a file ("il percorso indica una cartella,
// non un file"), or empty when it is a regular file or nothing at all.
QString NotRegularFile(const FilePath& path);

// Reads the file into bytes, at most maxBytes + 1 of them (so that the caller can tell a
// file that is too large). False with a short Italian phrase in problem when the file does
// not exist ("il file non esiste"), is not a regular file or cannot be read.
bool ReadWholeFile(const FilePath& path, qint64 maxBytes, QByteArray* bytes, QString* problem);

// Writes the bytes as the file's whole new content, or leaves the previous file exactly as
// it was and says why in problem ("il disco è pieno; il file precedente non è stato
// modificato").
bool WriteWholeFile(const FilePath& path, const QByteArray& bytes, QString* problem);

// Removes the file (never a folder); false with a short Italian phrase in problem.
bool RemoveFile(const FilePath& path, QString* problem);

// Whether both paths name one existing file (through links or other spellings too).
bool SameFile(const FilePath& first, const FilePath& second);

// A scratch file for a writer that opens its output by name (the printer's PDF), beside
// the target and named and locked as the copies of WriteWholeFile are: a process killed
// while it writes leaves a copy that the next write of the same target removes. Removed
// when the object goes.
class ScratchFile {
public:
    explicit ScratchFile(const FilePath& target);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Why it could not be created ("la cartella del file non esiste").
    const QString& problem() const { return m_problem; }
    // The name to open it by, and its path for reading it back.
    QString fileName() const;
    FilePath path() const;

private:
    int m_folder = -1;
    int m_fd = -1;
    QByteArray m_folderPath, m_name;
    QString m_problem;
};

// The Italian phrase for a system error of a read or a write ("il disco è pieno", "il
// nome del file è troppo lungo"); never a bare number.
QString ReadFailure(int systemError);
QString WriteFailure(int systemError);
