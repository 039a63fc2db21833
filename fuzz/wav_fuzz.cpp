// The WAV reader: the header checks without a device, and the buffered data on
// a loopback device that mixes into memory.
#include "fuzzsupport.h"

#include "engine/sounds.h"
#include "model/snd.h"

#include <memory>

using namespace velkon;

namespace {

TSounds* Loopback() {
    static TSounds* sounds = [] {
        auto* s = new TSounds; // lives as long as the process, like the editor's
        s->InitialiseLoopback(44100, 2);
        return s;
    }();
    return sounds;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Loopback();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::WriteInput(QStringLiteral("sound.wav"), data, size);

    TSounds headerOnly;
    std::unique_ptr<TSnd> checked;
    const bool playable = headerOnly.Load(path, checked);
    if (playable && (checked->SamplesPerSec <= 0 || (checked->Channels != 1 && checked->Channels != 2)))
        fuzz::Fail(QStringLiteral("a WAV of %1 channels at %2 Hz was accepted")
                       .arg(checked->Channels)
                       .arg(checked->SamplesPerSec));

    TSounds& device = *Loopback();
    std::unique_ptr<TSnd> snd;
    const bool loaded = device.Load(path, snd);
    if (loaded && !playable) fuzz::Fail(QStringLiteral("the device loaded a WAV whose header was refused"));
    if (loaded && device.IsOpen()) {
        device.Play(*snd);
        float mix[2 * 64];
        device.Render(mix, 64);
        device.Stop(*snd);
    }
    device.Forget(snd.get());
    return 0;
}
