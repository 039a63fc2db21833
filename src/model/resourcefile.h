#pragma once

#include "model/picture.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace velkon {

// Reading the files a project names without trusting what stands in their
// place: a FIFO or a device never blocks a read or feeds it without end, a
// file is read only up to a bound, and a link that leads out of its folder is
// not followed.

// How a look at (or a read of) a file went.
enum class TFileRead { ok, missing, outsideFolder, notRegular, tooLarge, unreadable };

struct TFileBytes {
    TFileRead Status = TFileRead::missing;
    QByteArray Bytes; // the content, when read and ok
    QString Error;    // why the file cannot be used (empty for ok and missing)
    bool Ok() const { return Status == TFileRead::ok; }
};

// A regular file opened for reading. The open never waits (a FIFO without a
// writer cannot hold it up) and the file's type is checked before anything is
// read: a FIFO, a device or a folder is refused.
class TRegularFile {
public:
    explicit TRegularFile(const QString& path);
    ~TRegularFile();
    TRegularFile(const TRegularFile&) = delete;
    TRegularFile& operator=(const TRegularFile&) = delete;

    TFileRead Status() const { return status_; }
    const QString& Error() const { return error_; }
    // The size the file had when it was opened.
    int64_t Size() const { return size_; }
    // Reads size bytes, or fewer at the end of the file: how many were read,
    // 0 at the end, -1 on an error.
    int64_t Read(char* data, int64_t size);

private:
    int fd_ = -1;
    TFileRead status_ = TFileRead::missing;
    QString error_;
    int64_t size_ = 0;
};

// The file a link in path's place leads to when that lies outside the folder
// path names (a link to a file in that folder, or below it, stays inside);
// empty when path is no such link.
QString LinkTargetOutsideFolder(const QString& path);

// Checks a resource file (picture, sound, particle file) without reading it:
// a link leading out of its folder, anything but a regular file and a file
// larger than maxBytes are refused with a reason.
TFileBytes CheckResourceFile(const QString& path, int64_t maxBytes = MaxResourceFileBytes);
// The same checks, then the whole content (never more than maxBytes).
TFileBytes ReadResourceFile(const QString& path, int64_t maxBytes = MaxResourceFileBytes);

// Whole megabytes, rounded up, from one megabyte on; bytes below it.
QString ByteCountText(int64_t bytes);

} // namespace velkon
