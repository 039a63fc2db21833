#include "project/safewrite.h"

#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cctype>
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
    throw EVelkonError(
        QCoreApplication::translate("SafeWrite", "Nem sikerült írni a fájlt: %1 (%2)").arg(path, reason));
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

// The part of a target's name its temporary carries. File names are limited
// in bytes (255 on the usual file systems), and a name of many-byte letters
// may use most of them: the temporary keeps at most kStemBytes bytes of it,
// whole characters only, so that its own marks always fit.
constexpr qsizetype kStemBytes = 100;

QString TemporaryStem(const QString& name) {
    QString stem = name;
    while (QFile::encodeName(stem).size() > kStemBytes) {
        stem.chop(1);
        if (!stem.isEmpty() && stem.back().isHighSurrogate())
            stem.chop(1); // never half a character
    }
    return stem;
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
        throw EVelkonError(
            QCoreApplication::translate("SafeWrite", "Szimbolikus link helyére nem írok: %1").arg(path));
    if (S_ISDIR(st.st_mode))
        throw EVelkonError(
            QCoreApplication::translate("SafeWrite", "A fájl helyén egy mappa van: %1").arg(path));
}

void SafeWriteFile(const QString& path, const QByteArray& bytes) {
    CheckWriteTarget(path);
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty()) Fail(path, QCoreApplication::translate("SafeWrite", "nincs fájl név"));
    const QString temp = info.dir().filePath(QLatin1Char('.') + TemporaryStem(name) + kTempMark +
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

bool IsStaleTemporary(const QString& entry) {
    // ".<name>.vktmp.<pid>.XXXXXX": the six letters and digits mkstemp puts last.
    const qsizetype mark = entry.lastIndexOf(kTempMark);
    if (!entry.startsWith(QLatin1Char('.')) || mark < 2)
        return false;
    const QStringView rest = QStringView(entry).mid(mark + kTempMark.size());
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    if (dot < 1 || dot > 10 || rest.size() - dot - 1 != 6)
        return false;
    for (QChar c : rest.left(dot))
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    for (QChar c : rest.mid(dot + 1))
        if (c.unicode() > 0x7F || !std::isalnum(static_cast<unsigned char>(c.unicode())))
            return false;
    return ProcessGone(rest.left(dot).toLongLong());
}

int RemoveStaleTemporaries(const QString& folder) {
    QDir dir(folder);
    int removed = 0;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        // Only the editor's own temporaries go; a symbolic link is never one.
        if (!IsStaleTemporary(entry))
            continue;
        const QFileInfo info(dir.filePath(entry));
        if (info.isFile() && !info.isSymLink() && dir.remove(entry))
            ++removed;
    }
    return removed;
}

} // namespace velkon
