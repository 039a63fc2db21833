#pragma once

#include "model/snd.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace velkon {

class TErrorLog;
class TScene;

// The scene's sound manager: opens the sound device once, loads WAV files into
// buffers, and plays and stops them. Without a device everything still loads
// and validates, and play and stop do nothing.
class TSounds {
public:
    TSounds();
    ~TSounds();
    TSounds(const TSounds&) = delete;
    TSounds& operator=(const TSounds&) = delete;

    // Attenuation in hundredths of a decibel given to every sound loaded
    // afterwards: 0 = none, -10000 = silent.
    int32_t Volume = 0;

    // Opens the default output device; false when there is none. The sound
    // libraries' own complaints about a missing device stay off the terminal.
    bool Initialise();
    // Opens a device that mixes into memory instead of a sound card (float
    // samples at the given rate, 1 or 2 channels), read with Render.
    bool InitialiseLoopback(int rate, int channels = 1);
    bool IsOpen() const;
    // Mixes the next frames of a loopback device into out (frames * channels
    // interleaved samples, 1.0 = full scale); false for any other device.
    bool Render(float* out, int frames);

    // Loads a WAV file. The new sound is handed to the caller in snd also when
    // loading fails; returns true on success. Without a device success means
    // the header is one this manager can play.
    bool Load(const QString& path, std::unique_ptr<TSnd>& snd);
    // Starts the sound from where it stands; a sound still playing goes on.
    bool Play(TSnd& snd);
    // Stops the sound and rewinds it to its start.
    bool Stop(TSnd& snd);
    bool IsPlaying(const TSnd& snd) const;

    // Every sound loaded so far, in load order (not owned).
    const std::vector<TSnd*>& Sounds() const { return sounds_; }
    void Forget(TSnd* snd);
    // Takes a sound forgotten before back into the list (once).
    void Remember(TSnd* snd);

    struct TDevice;

    // The error log has said that sound is off (it says so once).
    bool OffReported = false;

private:
    std::unique_ptr<TDevice> device_;
    std::vector<TSnd*> sounds_;
};

// The scene's sound manager, made on first use. It forgets the sound of every
// file item the scene lets go of, so it never keeps a pointer to a freed
// sound, and remembers it again when an undo brings the file back.
TSounds& SceneSounds(TScene& scene);

// The error log's line when no sound device can be opened.
inline constexpr const char* SoundOffMessage =
    QT_TRANSLATE_NOOP("Sounds", "Nincs hangeszköz: a hang ki van kapcsolva.");

// Opens the scene's sound device. Without one everything runs silent and the
// error log says so, once however often this is called.
bool OpenSceneSounds(TScene& scene, TErrorLog& log);

} // namespace velkon
