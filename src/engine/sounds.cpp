#include "engine/sounds.h"

#include "model/errorlog.h"
#include "model/resourcefile.h"
#include "model/scene.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <mutex>

namespace velkon {

namespace {

constexpr qint64 kHeaderSize = 44;
constexpr int32_t kMaxRate = 384000;

// One OpenAL device with its context. Shared by the manager and every buffer
// made on it, so that a sound freed after the manager (file items outlive it
// at exit) still releases its buffer on a live context.
struct TAlDevice {
    ALCdevice* Device = nullptr;
    ALCcontext* Context = nullptr;
    LPALCRENDERSAMPLESSOFT RenderSamples = nullptr; // loopback devices only

    TAlDevice() = default;
    TAlDevice(const TAlDevice&) = delete;
    TAlDevice& operator=(const TAlDevice&) = delete;
    ~TAlDevice() {
        if (Context) {
            if (alcGetCurrentContext() == Context)
                alcMakeContextCurrent(nullptr);
            alcDestroyContext(Context);
        }
        if (Device)
            alcCloseDevice(Device);
    }

    // Several managers may exist (tests), so every use selects its own context.
    bool MakeCurrent() const { return alcGetCurrentContext() == Context || alcMakeContextCurrent(Context); }
};

uint16_t Get16(const char* p) { return uint16_t(uint8_t(p[0]) | uint8_t(p[1]) << 8); }
uint32_t Get32(const char* p) { return uint32_t(Get16(p)) | uint32_t(Get16(p + 2)) << 16; }

ALenum AlFormat(int channels, int bits) {
    if (channels == 1)
        return bits == 8 ? AL_FORMAT_MONO8 : bits == 16 ? AL_FORMAT_MONO16 : 0;
    if (channels == 2)
        return bits == 8 ? AL_FORMAT_STEREO8 : bits == 16 ? AL_FORMAT_STEREO16 : 0;
    return 0;
}

// Hundredths of a decibel (0 none, -10000 silent) as an OpenAL gain.
float GainOf(int32_t volume) {
    if (volume >= 0)
        return 1.0f;
    if (volume <= -10000)
        return 0.0f;
    return float(std::pow(10.0, volume / 2000.0));
}

// ALSA's error handler, declared here so that nothing links against ALSA.
using TAlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err, const char* fmt,
                                   ...);
using TAlsaSetErrorHandler = int (*)(TAlsaErrorHandler handler);

void DiscardAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card the sound libraries print some ten lines to standard
// error at every start: OpenAL Soft at its error level, and ALSA (which OpenAL
// loads) through its error handler. The editor says it once in its own log
// instead. Runs before the first device opens; a log level the user set for
// OpenAL stays in force.
void QuietSoundLibraries() {
    static std::once_flag once;
    std::call_once(once, [] {
        setenv("ALSOFT_LOGLEVEL", "0", 0);
        // OpenAL opens ALSA by the same name later and gets this very copy, handler
        // included; it is never unloaded, so the handler stays valid.
        if (void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL))
            if (auto set = reinterpret_cast<TAlsaSetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
                set(DiscardAlsaError);
    });
}

} // namespace

struct TSnd::TImpl {
    std::shared_ptr<TAlDevice> Al;
    ALuint Buffer = 0;
    ALuint Source = 0;

    ~TImpl() {
        if (!Al || !Al->MakeCurrent())
            return;
        if (Source) {
            alSourceStop(Source);
            alSourcei(Source, AL_BUFFER, 0);
            alDeleteSources(1, &Source);
        }
        if (Buffer)
            alDeleteBuffers(1, &Buffer);
    }
};

struct TSounds::TDevice {
    std::shared_ptr<TAlDevice> Al;
};

TSnd::TSnd(QString name, QString path) : Name(std::move(name)), Path(std::move(path)) {}
TSnd::~TSnd() = default;

TSounds::TSounds() = default;
TSounds::~TSounds() = default;

bool TSounds::Initialise() {
    if (device_)
        return true;
    QuietSoundLibraries();
    auto al = std::make_shared<TAlDevice>();
    al->Device = alcOpenDevice(nullptr);
    if (!al->Device)
        return false;
    al->Context = alcCreateContext(al->Device, nullptr);
    if (!al->Context || !al->MakeCurrent())
        return false;
    device_ = std::make_unique<TDevice>();
    device_->Al = std::move(al);
    return true;
}

bool TSounds::InitialiseLoopback(int rate, int channels) {
    if (device_ || rate <= 0 || (channels != 1 && channels != 2))
        return false;
    QuietSoundLibraries();
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        return false;
    auto openLoopback =
        reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    auto formatSupported = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
        alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
    auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!openLoopback || !formatSupported || !render)
        return false;
    const ALCint layout = channels == 1 ? ALC_MONO_SOFT : ALC_STEREO_SOFT;
    auto al = std::make_shared<TAlDevice>();
    al->Device = openLoopback(nullptr);
    if (!al->Device || !formatSupported(al->Device, rate, layout, ALC_FLOAT_SOFT))
        return false;
    // Float output is neither dithered nor delayed by the limiter's look-ahead,
    // so the mix holds exactly the samples that were played.
    const ALCint attributes[] = {ALC_FREQUENCY, rate, ALC_FORMAT_CHANNELS_SOFT, layout, ALC_FORMAT_TYPE_SOFT,
                                 ALC_FLOAT_SOFT, ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
    al->Context = alcCreateContext(al->Device, attributes);
    if (!al->Context || !al->MakeCurrent())
        return false;
    al->RenderSamples = render;
    device_ = std::make_unique<TDevice>();
    device_->Al = std::move(al);
    return true;
}

bool TSounds::IsOpen() const { return device_ != nullptr; }

bool TSounds::Render(float* out, int frames) {
    if (!device_ || !device_->Al->RenderSamples || !out || frames < 0)
        return false;
    if (!device_->Al->MakeCurrent())
        return false;
    device_->Al->RenderSamples(device_->Al->Device, out, frames);
    return true;
}

bool TSounds::Load(const QString& path, std::unique_ptr<TSnd>& snd) {
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    snd = std::make_unique<TSnd>(path.mid(slash + 1), path);
    sounds_.push_back(snd.get());

    // Only a regular file of a bounded size is read, never a FIFO, a device or
    // a link out of its folder. The canonical 44-byte header is read; a file
    // too short for it reads as zeros and fails the checks.
    if (!LinkTargetOutsideFolder(path).isEmpty())
        return false;
    TRegularFile file(path);
    if (file.Status() != TFileRead::ok || file.Size() > MaxResourceFileBytes)
        return false;
    char header[kHeaderSize] = {};
    if (file.Read(header, kHeaderSize) < 16)
        return false;
    if (std::memcmp(header + 8, "WAVE", 4) != 0 || std::memcmp(header + 12, "fmt ", 4) != 0)
        return false;
    snd->Channels = Get16(header + 22);
    snd->SamplesPerSec = int32_t(std::min<uint32_t>(Get32(header + 24), INT32_MAX));
    snd->BitsPerSample = Get16(header + 34);
    snd->DataSize = Get32(header + 40);
    const ALenum format = AlFormat(snd->Channels, snd->BitsPerSample);
    if (!format || snd->SamplesPerSec <= 0 || snd->SamplesPerSec > kMaxRate)
        return false;
    if (!device_)
        return true;

    // A short file is no error. Only what the file holds is buffered, so a
    // damaged size field cannot ask for gigabytes; whole frames only.
    const qint64 available = std::max<qint64>(0, file.Size() - kHeaderSize);
    const qint64 frameBytes = snd->Channels * snd->BitsPerSample / 8;
    qint64 size = std::min<qint64>(snd->DataSize, available);
    size -= size % frameBytes;
    QByteArray data;
    if (size > 0) { // the data follows the header
        data.resize(size);
        data.resize(std::max<qint64>(0, file.Read(data.data(), size)));
    }
    data.truncate(int(data.size() - data.size() % frameBytes));

    const TAlDevice& al = *device_->Al;
    if (!al.MakeCurrent())
        return false;
    alGetError();
    auto impl = std::make_unique<TSnd::TImpl>();
    impl->Al = device_->Al;
    alGenBuffers(1, &impl->Buffer);
    if (alGetError() != AL_NO_ERROR) {
        impl->Buffer = 0;
        return false;
    }
    alGenSources(1, &impl->Source);
    if (alGetError() != AL_NO_ERROR) {
        impl->Source = 0;
        return false;
    }
    alBufferData(impl->Buffer, format, data.constData(), ALsizei(data.size()), snd->SamplesPerSec);
    // A flat sound effect: no distance or direction, stereo straight to the
    // matching speakers.
    alSourcei(impl->Source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(impl->Source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    if (alIsExtensionPresent("AL_SOFT_direct_channels"))
        alSourcei(impl->Source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    alSourcei(impl->Source, AL_BUFFER, ALint(impl->Buffer));
    alSourcef(impl->Source, AL_GAIN, GainOf(Volume));
    if (alGetError() != AL_NO_ERROR)
        return false;
    snd->Impl = std::move(impl);
    return true;
}

bool TSounds::Play(TSnd& snd) {
    if (!device_ || !snd.Impl || !snd.Impl->Al->MakeCurrent())
        return false;
    alGetError();
    ALint state = AL_STOPPED;
    alGetSourcei(snd.Impl->Source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING)
        return alGetError() == AL_NO_ERROR;
    alSourcei(snd.Impl->Source, AL_LOOPING, snd.Looping ? AL_TRUE : AL_FALSE);
    alSourcePlay(snd.Impl->Source);
    return alGetError() == AL_NO_ERROR;
}

bool TSounds::Stop(TSnd& snd) {
    if (!device_ || !snd.Impl || !snd.Impl->Al->MakeCurrent())
        return false;
    alGetError();
    alSourceRewind(snd.Impl->Source); // stops and goes back to the first sample
    return alGetError() == AL_NO_ERROR;
}

bool TSounds::IsPlaying(const TSnd& snd) const {
    if (!device_ || !snd.Impl || !snd.Impl->Al->MakeCurrent())
        return false;
    ALint state = AL_STOPPED;
    alGetSourcei(snd.Impl->Source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void TSounds::Forget(TSnd* snd) { sounds_.erase(std::remove(sounds_.begin(), sounds_.end(), snd), sounds_.end()); }

void TSounds::Remember(TSnd* snd) {
    if (snd && std::find(sounds_.begin(), sounds_.end(), snd) == sounds_.end()) sounds_.push_back(snd);
}

TSounds& SceneSounds(TScene& scene) {
    if (!scene.Sounds) {
        scene.Sounds = std::make_shared<TSounds>();
        std::weak_ptr<TSounds> sounds = scene.Sounds;
        scene.FileItemGone = [sounds](TFilesItem& file) {
            if (const auto manager = sounds.lock(); manager && file.Sound) manager->Forget(file.Sound.get());
        };
        scene.FileItemBack = [sounds](TFilesItem& file) {
            if (const auto manager = sounds.lock(); manager && file.Sound) manager->Remember(file.Sound.get());
        };
    }
    return *scene.Sounds;
}

bool OpenSceneSounds(TScene& scene, TErrorLog& log) {
    TSounds& sounds = SceneSounds(scene);
    if (sounds.Initialise()) return true;
    if (!sounds.OffReported) log.Add(QCoreApplication::translate("Sounds", SoundOffMessage));
    sounds.OffReported = true;
    return false;
}

} // namespace velkon
