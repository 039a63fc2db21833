#include "model/resourcefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkon {

namespace {

QString ErrnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

TFileBytes Refused(TFileRead status, const QString& error) {
    TFileBytes result;
    result.Status = status;
    result.Error = error;
    return result;
}

// The checks both CheckResourceFile and ReadResourceFile make on an open file.
TFileBytes Checked(const TRegularFile& file, int64_t maxBytes) {
    if (file.Status() != TFileRead::ok)
        return Refused(file.Status(), file.Error());
    if (file.Size() > maxBytes)
        return Refused(TFileRead::tooLarge,
                       QCoreApplication::translate("ResourceFile", "a fájl %1, legfeljebb %2 lehet")
                           .arg(ByteCountText(file.Size()), ByteCountText(maxBytes)));
    TFileBytes ok;
    ok.Status = TFileRead::ok;
    return ok;
}

} // namespace

TRegularFile::TRegularFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        status_ = error == ENOENT || error == ENOTDIR ? TFileRead::missing : TFileRead::unreadable;
        if (status_ == TFileRead::unreadable)
            error_ = QCoreApplication::translate("ResourceFile", "nem olvasható: %1").arg(ErrnoText(error));
        return;
    }
    struct stat st;
    if (::fstat(fd_, &st) != 0) {
        status_ = TFileRead::unreadable;
        error_ = QCoreApplication::translate("ResourceFile", "nem olvasható: %1").arg(ErrnoText(errno));
    } else if (!S_ISREG(st.st_mode)) {
        status_ = TFileRead::notRegular;
        error_ = S_ISDIR(st.st_mode)
                     ? QCoreApplication::translate("ResourceFile", "ez egy mappa, nem fájl")
                     : QCoreApplication::translate("ResourceFile", "nem közönséges fájl (FIFO vagy eszköz)");
    } else {
        // A regular file never waits; blocking reads from here on are plain reads.
        const int flags = ::fcntl(fd_, F_GETFL);
        if (flags >= 0)
            ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
        status_ = TFileRead::ok;
        size_ = static_cast<int64_t>(st.st_size);
        return;
    }
    ::close(fd_);
    fd_ = -1;
}

TRegularFile::~TRegularFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

int64_t TRegularFile::Read(char* data, int64_t size) {
    if (fd_ < 0)
        return -1;
    int64_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd_, data + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

QString LinkTargetOutsideFolder(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return {};
    const QString target = info.canonicalFilePath();
    if (target.isEmpty())
        return {}; // a link to nothing reads as a missing file
    QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return target;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return target.startsWith(folder) ? QString() : target;
}

TFileBytes CheckResourceFile(const QString& path, int64_t maxBytes) {
    const QString outside = LinkTargetOutsideFolder(path);
    if (!outside.isEmpty())
        return Refused(
            TFileRead::outsideFolder,
            QCoreApplication::translate("ResourceFile", "a link a mappáján kívülre mutat: %1").arg(outside));
    const TRegularFile file(path);
    return Checked(file, maxBytes);
}

TFileBytes ReadResourceFile(const QString& path, int64_t maxBytes) {
    const QString outside = LinkTargetOutsideFolder(path);
    if (!outside.isEmpty())
        return Refused(
            TFileRead::outsideFolder,
            QCoreApplication::translate("ResourceFile", "a link a mappáján kívülre mutat: %1").arg(outside));
    TRegularFile file(path);
    TFileBytes result = Checked(file, maxBytes);
    if (!result.Ok())
        return result;
    // One allocation for the size the file reports; a file that grows while it
    // is read goes on in blocks, never beyond the bound plus the one byte that
    // tells it was passed.
    QByteArray bytes;
    qsizetype filled = 0;
    bytes.resize(static_cast<qsizetype>(file.Size()) + 1);
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                return Refused(TFileRead::tooLarge,
                               QCoreApplication::translate("ResourceFile", "a fájl nagyobb, mint %1")
                                   .arg(ByteCountText(maxBytes)));
            const int64_t more = std::min<int64_t>(std::max<int64_t>(filled, 1 << 16), maxBytes + 1 - filled);
            bytes.resize(filled + static_cast<qsizetype>(more));
        }
        const int64_t n = file.Read(bytes.data() + filled, bytes.size() - filled);
        if (n < 0)
            return Refused(
                TFileRead::unreadable,
                QCoreApplication::translate("ResourceFile", "nem olvasható: %1").arg(ErrnoText(errno)));
        if (n == 0)
            break;
        filled += static_cast<qsizetype>(n);
    }
    bytes.resize(filled);
    result.Bytes = std::move(bytes);
    return result;
}

QString ByteCountText(int64_t bytes) {
    constexpr int64_t mega = int64_t(1) << 20;
    if (bytes < mega) return QCoreApplication::translate("ResourceFile", "%1 bájt").arg(bytes);
    return QStringLiteral("%1 MB").arg((bytes + mega - 1) / mega);
}

} // namespace velkon
