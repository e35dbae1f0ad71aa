#include "sheet/safefile.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The random part of a copy's name; the part of the target's name kept in it leaves room
// for the rest within the 255 bytes a name may have.
constexpr int kSuffixLength = 6;
constexpr int kNameRoom = 200;

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
}

// Repeats a system call that a signal interrupted.
template <typename F> auto retry(F call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

QString notRegular(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("il percorso indica una cartella, non un file");
    if (S_ISFIFO(mode))
        return QStringLiteral("il percorso indica una pipe (FIFO), non un file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("il percorso indica un dispositivo, non un file");
    return QStringLiteral("il percorso non indica un file ordinario");
}

QString cannotRead() {
    return QStringLiteral("il file non può essere letto");
}

// "a/b.txt" gives "a" and "b.txt"; "b.txt" gives "." and "b.txt".
void splitPath(const QByteArray& path, QByteArray* folder, QByteArray* name) {
    const qsizetype slash = path.lastIndexOf('/');
    *folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    *name = path.mid(slash + 1);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = retry([&] { return ::write(fd, data, size_t(left)); });
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Removes the copies of earlier saves of the same file whose writer is gone: a writer
// holds a lock on its copy until the copy is renamed, and the system drops the lock of a
// process that was killed.
void removeStaleCopies(int folder, const QByteArray& prefix) {
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0)
        return;
    DIR* dir = ::fdopendir(listed);
    if (!dir) {
        ::close(listed);
        return;
    }
    QList<QByteArray> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.size() == prefix.size() + kSuffixLength && name.startsWith(prefix))
            stale << name;
    }
    ::closedir(dir);
    for (const QByteArray& name : stale) {
        Descriptor copy(::openat(folder, name.constData(),
                                 O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat info;
        if (copy.valid() && ::fstat(copy.get(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::flock(copy.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder, name.constData(), 0);
    }
}

// Creates a new copy with a name that no other file has; -1 with errno on failure.
int createCopy(int folder, const QByteArray& prefix, QByteArray* name) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray candidate = prefix;
        for (int i = 0; i < kSuffixLength; ++i)
            candidate += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        const int fd = retry([&] {
            return ::openat(folder, candidate.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        });
        if (fd >= 0 || errno != EEXIST) {
            *name = candidate;
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The file a save replaces: through a link, the file the link points to, so the link stays.
QByteArray resolvedTarget(const QByteArray& path) {
    struct stat link;
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char* real = ::realpath(path.constData(), nullptr);
    if (!real)
        return path;
    const QByteArray target(real);
    std::free(real);
    return target;
}

} // namespace

FilePath::FilePath(const QString& path) : native(QFile::encodeName(path)), shown(path) {}

FilePath FilePath::fromNative(const QByteArray& native) {
    FilePath path{QString()};
    path.native = native;
    path.shown = QFile::decodeName(native);
    return path;
}

QString NotRegularFile(const FilePath& path) {
    struct stat info;
    if (::stat(path.native.constData(), &info) != 0 || S_ISREG(info.st_mode))
        return QString();
    return notRegular(info.st_mode);
}

bool ReadWholeFile(const FilePath& path, qint64 maxBytes, QByteArray* bytes, QString* problem) {
    struct stat info;
    if (::stat(path.native.constData(), &info) != 0) {
        setProblem(problem, errno == ENOENT || errno == ENOTDIR
                                ? QStringLiteral("il file non esiste")
                                : cannotRead());
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        setProblem(problem, notRegular(info.st_mode));
        return false;
    }
    // Without waiting, should the path have become a FIFO since it was looked at.
    Descriptor file(retry([&] {
        return ::open(path.native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    }));
    if (!file.valid()) {
        setProblem(problem, cannotRead());
        return false;
    }
    if (::fstat(file.get(), &info) != 0) {
        setProblem(problem, cannotRead());
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        setProblem(problem, notRegular(info.st_mode));
        return false;
    }
    QByteArray result;
    char buffer[16384];
    while (result.size() <= maxBytes) {
        const ssize_t got = retry([&] { return ::read(file.get(), buffer, sizeof buffer); });
        if (got < 0) {
            setProblem(problem, cannotRead());
            return false;
        }
        if (got == 0)
            break;
        result.append(buffer, qsizetype(got));
    }
    if (bytes)
        *bytes = result.left(maxBytes + 1);
    return true;
}

bool WriteWholeFile(const FilePath& path, const QByteArray& bytes, QString* problem) {
    if (path.native.isEmpty() || path.native.endsWith('/')) {
        setProblem(problem, QStringLiteral("il nome del file non è valido"));
        return false;
    }
    struct stat previous;
    const bool existed = ::stat(path.native.constData(), &previous) == 0;
    if (existed && !S_ISREG(previous.st_mode)) {
        setProblem(problem, notRegular(previous.st_mode));
        return false;
    }
    QByteArray folderPath, name;
    splitPath(existed ? resolvedTarget(path.native) : path.native, &folderPath, &name);
    const Descriptor folder(
        ::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK));
    if (!folder.valid()) {
        setProblem(problem, errno == ENOENT || errno == ENOTDIR
                                ? QStringLiteral("la cartella del file non esiste")
                                : QStringLiteral("la cartella del file non è accessibile"));
        return false;
    }
    const QString untouched =
        existed ? QStringLiteral("; il file precedente non è stato modificato") : QString();
    const QByteArray prefix = '.' + name.left(kNameRoom) + ".ponteluma-";
    removeStaleCopies(folder.get(), prefix);

    QByteArray copyName;
    const Descriptor copy(createCopy(folder.get(), prefix, &copyName));
    if (!copy.valid()) {
        const int error = errno;
        setProblem(problem,
                   (error == EACCES || error == EPERM
                        ? QStringLiteral("non è possibile creare il file in questa cartella")
                        : WriteFailure(error)) +
                       untouched);
        return false;
    }
    // Held until the copy is renamed: a save running meanwhile leaves it alone.
    ::flock(copy.get(), LOCK_EX);
    if (existed)
        ::fchmod(copy.get(), previous.st_mode & 07777);
    // A full disk may show only when the data reach it: the sync says whether they did.
    const bool whole =
        writeAll(copy.get(), bytes) && retry([&] { return ::fsync(copy.get()); }) == 0 &&
        ::renameat(folder.get(), copyName.constData(), folder.get(), name.constData()) == 0;
    if (!whole) {
        const int error = errno;
        ::unlinkat(folder.get(), copyName.constData(), 0);
        setProblem(problem, WriteFailure(error) + untouched);
        return false;
    }
    // The new name must survive a crash too. The file is already whole and in place, so a
    // folder that cannot be synced (some file systems refuse it) is no failure of the save.
    ::fsync(folder.get());
    return true;
}

bool SameFile(const FilePath& first, const FilePath& second) {
    struct stat a, b;
    return ::stat(first.native.constData(), &a) == 0 &&
           ::stat(second.native.constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

QString WriteFailure(int systemError) {
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EFBIG:
        return QStringLiteral("il file supera la dimensione consentita");
    case EROFS:
        return QStringLiteral("il disco è protetto dalla scrittura");
    case EACCES:
    case EPERM:
        return QStringLiteral("mancano i permessi per scrivere il file");
    case EIO:
        return QStringLiteral("il disco ha segnalato un errore di scrittura");
    default:
        return "la scrittura non è riuscita (errore di sistema " + QString::number(systemError) +
               ")";
    }
}
