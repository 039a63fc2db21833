#pragma once

#include <QString>
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

    struct TImpl;
    std::unique_ptr<TImpl> Impl; // the audio buffer and its source, when a device is open
};

} // namespace velkon
