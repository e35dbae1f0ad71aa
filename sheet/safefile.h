#pragma once
// Reading and writing the program's files so that no fault loses data or hangs it.
// Only regular files are used: a folder, a FIFO or a device is refused before it is
// opened, and reads never wait. A file is replaced only by a complete, synced copy
// written beside it under a hidden name of this program's own
// (".NAME.ponteluma-XXXXXX"), renamed over it when whole; the copies left by a save
// that was killed are removed by the next save of the same file. Qt Core and POSIX
// only, so the command line and the windows share it.
#include <QByteArray>
#include <QString>

// A path as the system knows it (bytes, which need not be UTF-8) and as messages show it.
struct FilePath {
    // The paths of the file dialogs and of the tests are text.
    FilePath(const QString& path); // NOLINT(google-explicit-constructor)
    static FilePath fromNative(const QByteArray& native);

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

// Whether both paths name one existing file (through links or other spellings too).
bool SameFile(const FilePath& first, const FilePath& second);

// The Italian phrase for a system error of a write ("il disco è pieno").
QString WriteFailure(int systemError);
