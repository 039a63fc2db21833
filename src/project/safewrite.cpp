#include "project/safewrite.h"

#include "model/velkonerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkon {

namespace {

const QLatin1StringView kTempMark(".vktmp.");

[[noreturn]] void Fail(const QString& path, const QString& reason) {
    throw EVelkonError(QStringLiteral("Nem sikerült írni a fájlt: ") + path + QStringLiteral(" (") + reason +
                       QLatin1Char(')'));
}

QString ErrnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes all of bytes, going on after short writes and interrupted calls.
bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Whether the process that wrote a temporary file is gone.
bool ProcessGone(qint64 pid) {
    if (pid <= 0)
        return true;
    if (pid == ::getpid())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

void CheckWriteTarget(const QString& path) {
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return; // nothing there yet (or the folder is missing: the write says so)
    if (S_ISLNK(st.st_mode))
        throw EVelkonError(QStringLiteral("Szimbolikus link helyére nem írok: ") + path);
    if (S_ISDIR(st.st_mode))
        throw EVelkonError(QStringLiteral("A fájl helyén egy mappa van: ") + path);
}

void SafeWriteFile(const QString& path, const QByteArray& bytes) {
    CheckWriteTarget(path);
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty())
        Fail(path, QStringLiteral("nincs fájl név"));
    // The temporary name stays well inside the file system's name limit.
    const QString temp = info.dir().filePath(QLatin1Char('.') + name.left(100) + kTempMark +
                                             QString::number(::getpid()) + QStringLiteral(".XXXXXX"));
    QByteArray tempName = QFile::encodeName(temp);
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        Fail(path, ErrnoText(errno));

    int error = 0;
    // The new file gets the old one's permissions, or the usual ones for a new file.
    struct stat old;
    mode_t mode = 0;
    if (::stat(QFile::encodeName(path).constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes.constData(), bytes.size()) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(tempName.constData());
        Fail(path, ErrnoText(error));
    }
    // The rename itself reaches the disk with the folder.
    const int dirFd = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

int RemoveStaleTemporaries(const QString& folder, const QStringList& targetNames) {
    QDir dir(folder);
    int removed = 0;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        bool stale = false;
        const qsizetype mark = entry.lastIndexOf(kTempMark);
        if (entry.startsWith(QLatin1Char('.')) && mark > 0) {
            // ".<name>.vktmp.<pid>.XXXXXX"
            const QString rest = entry.mid(mark + kTempMark.size());
            const qsizetype dot = rest.indexOf(QLatin1Char('.'));
            bool ok = false;
            const qint64 pid = rest.left(dot).toLongLong(&ok);
            stale = ok && dot > 0 && rest.size() - dot - 1 == 6 && ProcessGone(pid);
        } else {
            for (const QString& target : targetNames)
                if (entry.size() == target.size() + 7 && entry.startsWith(target + QLatin1Char('.')))
                    stale = true;
        }
        if (stale && QFileInfo(dir.filePath(entry)).isFile() && dir.remove(entry))
            ++removed;
    }
    return removed;
}

} // namespace velkon
