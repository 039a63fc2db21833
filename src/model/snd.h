#pragma once

#include <QString>
#include <cstdint>
#include <memory>

namespace velkon {

// One loaded sound effect; owned by its file item (see sounds.h for the manager).
class TSnd {
public:
    TSnd(QString name, QString path);
    ~TSnd();
    TSnd(const TSnd&) = delete;
    TSnd& operator=(const TSnd&) = delete;

    QString Name;        // file name without directory
    QString Path;        // full path
    bool Looping = false;

    // The format as the file's header gives it (0 until a header was read).
    int32_t Channels = 0;
    int32_t SamplesPerSec = 0;
    int32_t BitsPerSample = 0;
    uint32_t DataSize = 0; // as the header declares it

    struct TImpl;
    std::unique_ptr<TImpl> Impl; // the audio buffer and its source, when a device is open
};

} // namespace velkon
