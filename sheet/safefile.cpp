#include "sheet/safefile.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
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

// Why a file cannot be read, from the error of the call that failed.
QString cannotRead() {
    return ReadFailure(errno);
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

QByteArray folderOf(const QByteArray& path) {
    QByteArray folder, name;
    splitPath(path, &folder, &name);
    return folder;
}

// A link met in a folder that everybody may write and only owners may clean (the sticky
// bit, as in the temporary folder) is followed only when it is the user's or the folder
// owner's: the rule of the kernel's protected links, kept whether the kernel keeps it.
bool plantedLink(const struct stat& link, const QByteArray& folder) {
    struct stat info;
    if (::stat(folder.constData(), &info) != 0)
        return false;
    const bool shared = (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
    return shared && link.st_uid != ::geteuid() && link.st_uid != info.st_uid;
}

QString foreignLink() {
    return QStringLiteral("il nome indica un collegamento simbolico di un altro utente, che "
                          "potrebbe portare a un file qualsiasi: nessun file è stato scritto");
}

// The folders of the path, each checked for a planted link.
bool foldersSafe(const QByteArray& path, QString* problem) {
    const QByteArray folder = folderOf(path);
    for (qsizetype slash = folder.indexOf('/', 1);; slash = folder.indexOf('/', slash + 1)) {
        const QByteArray prefix = slash < 0 ? folder : folder.left(slash);
        struct stat info;
        if (::lstat(prefix.constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
            plantedLink(info, folderOf(prefix))) {
            setProblem(problem, foreignLink());
            return false;
        }
        if (slash < 0)
            return true;
    }
}

// The file that a write of the path replaces or creates: through the user's own links,
// the file they point to, so that the links stay. False with the reason when a link of
// another user stands in the way, or the links go round.
bool writeTarget(const QByteArray& path, QByteArray* target, QString* problem) {
    QByteArray current = path;
    for (int links = 0;; ++links) {
        if (!foldersSafe(current, problem))
            return false;
        struct stat info;
        if (::lstat(current.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            *target = current;
            return true;
        }
        if (links >= 40) {
            setProblem(problem, WriteFailure(ELOOP));
            return false;
        }
        if (info.st_uid != ::geteuid()) {
            setProblem(problem, foreignLink());
            return false;
        }
        QByteArray destination(qsizetype(PATH_MAX) + 1, '\0');
        const ssize_t length =
            ::readlink(current.constData(), destination.data(), size_t(destination.size()));
        if (length < 0 || length > PATH_MAX) {
            setProblem(problem, WriteFailure(length < 0 ? errno : ENAMETOOLONG));
            return false;
        }
        destination.truncate(length);
        current = destination.startsWith('/') ? destination : folderOf(current) + '/' + destination;
    }
}

// Whether the user may write the existing file, as the system says (mode, owner, access
// lists); a file without any write permission counts as protected even for the
// administrator, who could otherwise replace it.
bool mayWrite(const QByteArray& path, const struct stat& info) {
    return (info.st_mode & 0222) && ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}

// Writes the bytes into the existing file itself: the only way to keep the owner of a file
// that the user may write but not give away. The complete copy beside it, already written,
// proved that the data fit.
bool writeInPlace(const QByteArray& path, const struct stat& previous, const QByteArray& bytes) {
    const Descriptor file(retry([&] {
        return ::open(path.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    }));
    struct stat info;
    if (!file.valid() || ::fstat(file.get(), &info) != 0)
        return false;
    if (info.st_dev != previous.st_dev || info.st_ino != previous.st_ino) {
        errno = EBUSY; // replaced meanwhile: leave it alone
        return false;
    }
    return writeAll(file.get(), bytes) && ::ftruncate(file.get(), bytes.size()) == 0 &&
           retry([&] { return ::fsync(file.get()); }) == 0;
}

// A folder opened for the writes of a copy beside the target.
int openFolder(const QByteArray& folderPath, QString* problem) {
    const int folder =
        ::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (folder < 0) {
        setProblem(problem, errno == ENOENT || errno == ENOTDIR
                                ? QStringLiteral("la cartella del file non esiste")
                            : errno == EACCES
                                ? QStringLiteral("la cartella del file non è accessibile")
                                : WriteFailure(errno));
    }
    return folder;
}

QString copyFailure(int error) {
    return error == EACCES || error == EPERM
               ? QStringLiteral("non è possibile creare il file in questa cartella")
               : WriteFailure(error);
}

QByteArray copyPrefix(const QByteArray& name) {
    return '.' + name.left(kNameRoom) + ".ponteluma-";
}

} // namespace

FilePath::FilePath(const QString& path) : native(QFile::encodeName(path)), shown(path) {}

FilePath FilePath::fromNative(const QByteArray& native) {
    FilePath path{QString()};
    path.native = native;
    path.shown = QFile::decodeName(native);
    return path;
}

FilePath FilePath::located(const QString& shown) {
    FilePath direct(shown);
    struct stat info;
    if (!shown.contains(QChar::ReplacementCharacter) ||
        ::lstat(direct.native.constData(), &info) == 0)
        return direct;
    // Name by name, each one the dialog could not show taken from its folder as the system
    // spells it; a name that no entry matches stays as shown (a new file).
    QByteArray native = shown.startsWith('/') ? QByteArray("/") : QByteArray();
    const QStringList names = shown.split('/', Qt::SkipEmptyParts);
    for (int i = 0; i < names.size(); ++i) {
        QByteArray name = QFile::encodeName(names[i]);
        if (names[i].contains(QChar::ReplacementCharacter)) {
            const QByteArray folder = native.isEmpty() ? QByteArray(".") : native;
            if (DIR* dir = ::opendir(folder.constData())) {
                while (const dirent* entry = ::readdir(dir)) {
                    if (QFile::decodeName(entry->d_name) == names[i]) {
                        name = entry->d_name;
                        break;
                    }
                }
                ::closedir(dir);
            }
        }
        if (!native.isEmpty() && !native.endsWith('/'))
            native += '/';
        native += name;
    }
    if (shown.endsWith('/'))
        native += '/';
    FilePath found = fromNative(native);
    found.shown = shown;
    return found;
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
    QByteArray target;
    if (!writeTarget(path.native, &target, problem))
        return false;
    struct stat previous;
    const bool existed = ::stat(target.constData(), &previous) == 0;
    if (!existed && errno != ENOENT) {
        setProblem(problem, WriteFailure(errno));
        return false;
    }
    if (existed && !S_ISREG(previous.st_mode)) {
        setProblem(problem, notRegular(previous.st_mode));
        return false;
    }
    const QString untouched =
        existed ? QStringLiteral("; il file precedente non è stato modificato") : QString();
    if (existed && !mayWrite(target, previous)) {
        setProblem(problem, QStringLiteral("il file è protetto in scrittura") + untouched);
        return false;
    }
    QByteArray folderPath, name;
    splitPath(target, &folderPath, &name);
    if (name.size() > NAME_MAX) {
        setProblem(problem, WriteFailure(ENAMETOOLONG));
        return false;
    }
    const Descriptor folder(openFolder(folderPath, problem));
    if (!folder.valid())
        return false;
    const QByteArray prefix = copyPrefix(name);
    removeStaleCopies(folder.get(), prefix);

    QByteArray copyName;
    const Descriptor copy(createCopy(folder.get(), prefix, &copyName));
    if (!copy.valid()) {
        setProblem(problem, copyFailure(errno) + untouched);
        return false;
    }
    // Held until the copy is renamed: a save running meanwhile leaves it alone.
    ::flock(copy.get(), LOCK_EX);
    struct stat made;
    bool keepsOwner = true;
    if (existed && ::fstat(copy.get(), &made) == 0 &&
        (made.st_uid != previous.st_uid || made.st_gid != previous.st_gid))
        keepsOwner = ::fchown(copy.get(), previous.st_uid, previous.st_gid) == 0;
    // After the owner: a change of owner takes the set-id bits away.
    if (existed)
        ::fchmod(copy.get(), previous.st_mode & 07777);
    // A full disk may show only when the data reach it: the sync says whether they did.
    bool whole = writeAll(copy.get(), bytes) && retry([&] { return ::fsync(copy.get()); }) == 0;
    if (whole && keepsOwner)
        whole = ::renameat(folder.get(), copyName.constData(), folder.get(), name.constData()) == 0;
    else if (whole)
        whole = writeInPlace(target, previous, bytes);
    if (!whole || !keepsOwner) {
        const int error = errno;
        ::unlinkat(folder.get(), copyName.constData(), 0);
        if (!whole) {
            setProblem(problem, WriteFailure(error) + untouched);
            return false;
        }
    }
    // The new name must survive a crash too. The file is already whole and in place, so a
    // folder that cannot be synced (some file systems refuse it) is no failure of the save.
    ::fsync(folder.get());
    return true;
}

bool RemoveFile(const FilePath& path, QString* problem) {
    struct stat info;
    if (::lstat(path.native.constData(), &info) != 0) {
        setProblem(problem, errno == ENOENT || errno == ENOTDIR
                                ? QStringLiteral("il file non esiste")
                                : WriteFailure(errno));
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        setProblem(problem, notRegular(info.st_mode));
        return false;
    }
    if (::unlink(path.native.constData()) != 0) {
        setProblem(problem, errno == EACCES || errno == EPERM
                                ? QStringLiteral("mancano i permessi per togliere il file dalla "
                                                 "sua cartella")
                                : WriteFailure(errno));
        return false;
    }
    return true;
}

ScratchFile::ScratchFile(const FilePath& target) {
    QByteArray resolved, name;
    if (!writeTarget(target.native, &resolved, &m_problem))
        return;
    splitPath(resolved, &m_folderPath, &name);
    m_folder = openFolder(m_folderPath, &m_problem);
    if (m_folder < 0)
        return;
    const QByteArray prefix = copyPrefix(name);
    removeStaleCopies(m_folder, prefix);
    m_fd = createCopy(m_folder, prefix, &m_name);
    if (m_fd < 0) {
        m_problem = copyFailure(errno);
        return;
    }
    ::flock(m_fd, LOCK_EX); // the copy is in use until it goes
}

ScratchFile::~ScratchFile() {
    if (m_fd >= 0) {
        ::unlinkat(m_folder, m_name.constData(), 0);
        ::close(m_fd);
    }
    if (m_folder >= 0)
        ::close(m_folder);
}

FilePath ScratchFile::path() const {
    return FilePath::fromNative(m_folderPath + '/' + m_name);
}

QString ScratchFile::fileName() const {
    const FilePath path = this->path();
    // A folder whose name is not UTF-8 is reached through the open descriptor.
    if (QFile::encodeName(path.shown) == path.native)
        return path.shown;
    return QStringLiteral("/proc/self/fd/") + QString::number(m_fd);
}

bool SameFile(const FilePath& first, const FilePath& second) {
    struct stat a, b;
    return ::stat(first.native.constData(), &a) == 0 &&
           ::stat(second.native.constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

namespace {

// The phrase of an error met by any read or write; empty for the few that read and write
// name each in their own way.
QString systemError(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EFBIG:
    case EOVERFLOW:
        return QStringLiteral("il file supera la dimensione consentita");
    case EROFS:
        return QStringLiteral("il disco è protetto dalla scrittura");
    case EIO:
        return QStringLiteral("il disco ha segnalato un errore");
    case ENAMETOOLONG:
        return QStringLiteral("il nome del file o del percorso è troppo lungo");
    case ENOENT:
        return QStringLiteral("il file o la sua cartella non esiste");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella");
    case EISDIR:
        return QStringLiteral("il percorso indica una cartella, non un file");
    case ELOOP:
        return QStringLiteral("il percorso passa per troppi collegamenti simbolici");
    case EMLINK:
        return QStringLiteral("il file o la cartella ha troppi collegamenti");
    case EBADF:
        return QStringLiteral("l'uscita è chiusa");
    case EPIPE:
        return QStringLiteral("chi riceveva i dati ha chiuso il collegamento prima della fine");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("ci sono troppi file aperti");
    case ENOMEM:
        return QStringLiteral("la memoria non basta");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("il file è in uso");
    case EEXIST:
        return QStringLiteral("esiste già un file con quel nome");
    case EXDEV:
        return QStringLiteral("il file è su un altro disco");
    case EINVAL:
        return QStringLiteral("il nome o l'operazione non è ammesso su questo disco");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("il dispositivo non è disponibile");
    case EAGAIN:
        return QStringLiteral("il file è momentaneamente occupato");
    case EINTR:
        return QStringLiteral("l'operazione è stata interrotta");
    case ESTALE:
    case ENOTCONN:
    case ECONNRESET:
    case ESHUTDOWN:
    case ETIMEDOUT:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
        return QStringLiteral("il collegamento con il disco di rete si è interrotto");
    case ENOTSUP:
        return QStringLiteral("il disco non ammette l'operazione");
    default:
        return QString();
    }
}

// An error no phrase foresees is named by the system's own symbol (EHWPOISON), never by
// its number alone.
QString unforeseen(int error) {
    const char* symbol = nullptr;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    symbol = ::strerrorname_np(error);
#endif
    return QStringLiteral("errore imprevisto del sistema") +
           (symbol ? QStringLiteral(" (") + QString::fromLatin1(symbol) + ")" : QString());
}

} // namespace

QString ReadFailure(int error) {
    if (error == EACCES || error == EPERM)
        return QStringLiteral("mancano i permessi per leggere il file");
    const QString phrase = error == EIO
                               ? QStringLiteral("il disco ha segnalato un errore di lettura")
                               : systemError(error);
    return phrase.isEmpty() ? QStringLiteral("la lettura non è riuscita: ") + unforeseen(error)
                            : phrase;
}

QString WriteFailure(int error) {
    if (error == EACCES || error == EPERM)
        return QStringLiteral("mancano i permessi per scrivere il file");
    const QString phrase = error == EIO
                               ? QStringLiteral("il disco ha segnalato un errore di scrittura")
                               : systemError(error);
    return phrase.isEmpty() ? QStringLiteral("la scrittura non è riuscita: ") + unforeseen(error)
                            : phrase;
}
