#pragma once

#include "model/snd.h"

#include <QString>
#include <memory>
#include <vector>

namespace velkon {

// The scene's sound manager: opens the sound device once, loads WAV files into
// buffers, and plays and stops them. Without a device everything still loads
// and validates, and play and stop do nothing.
class TSounds {
public:
    TSounds();
    ~TSounds();
    TSounds(const TSounds&) = delete;
    TSounds& operator=(const TSounds&) = delete;

    int32_t Volume = 0; // 0 = no attenuation

    // Opens the default output device; false when there is none.
    bool Initialise();
    bool IsOpen() const;

    // Loads a WAV file. The new sound is handed to the caller in snd also when
    // loading fails; returns true on success.
    bool Load(const QString& path, std::unique_ptr<TSnd>& snd);
    bool Play(TSnd& snd);
    bool Stop(TSnd& snd);

    // Every sound loaded so far, in load order (not owned).
    const std::vector<TSnd*>& Sounds() const { return sounds_; }
    void Forget(TSnd* snd);

    struct TDevice;

private:
    std::unique_ptr<TDevice> device_;
    std::vector<TSnd*> sounds_;
};

} // namespace velkon
