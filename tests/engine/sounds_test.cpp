#include "engine/sounds.h"
#include "model/scene.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

using namespace velkon;
using velkon::test::WriteFile;
using velkon::test::WriteWav;

namespace {

constexpr int kRate = 44100;

QByteArray Samples16(const std::vector<int16_t>& values) {
    QByteArray bytes;
    for (int16_t v : values) {
        bytes.append(char(v & 0xFF));
        bytes.append(char((v >> 8) & 0xFF));
    }
    return bytes;
}

// A rising ramp that never repeats a value, so any skip, restart or change of
// rate shows at the sample where it happens.
std::vector<int16_t> Ramp(int count) {
    std::vector<int16_t> values(count);
    for (int i = 0; i < count; ++i)
        values[i] = int16_t((i + 1) * 8);
    return values;
}

float Full(int16_t v) { return v / 32768.0f; }

class SoundsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString Wav(const QString& name, int channels, int rate, int bits, const QByteArray& samples) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteWav(path, channels, rate, bits, samples));
        return path;
    }

    static std::vector<float> Render(TSounds& sounds, int frames, int channels = 1) {
        std::vector<float> out(size_t(frames) * channels, -99.0f);
        EXPECT_TRUE(sounds.Render(out.data(), frames));
        return out;
    }
};

// Expects out[from + i] == ramp[first + i] for count samples.
void ExpectRamp(const std::vector<float>& out, size_t from, const std::vector<int16_t>& ramp, size_t first,
                size_t count) {
    for (size_t i = 0; i < count; ++i)
        ASSERT_FLOAT_EQ(out[from + i], Full(ramp[first + i])) << "output sample " << from + i;
}

void ExpectSilent(const std::vector<float>& out, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        ASSERT_EQ(out[i], 0.0f) << "output sample " << i;
}

} // namespace

TEST_F(SoundsTest, HeaderIsCheckedWithOrWithoutDevice) {
    QByteArray good = velkon::test::ReadFile(Wav("good.wav", 1, kRate, 16, Samples16({1, 2, 3})));
    struct Case {
        const char* name;
        QByteArray bytes;
        bool ok;
    };
    auto patched = [&](int offset, const QByteArray& with) {
        QByteArray b = good;
        b.replace(offset, with.size(), with);
        return b;
    };
    const Case cases[] = {
        {"valid 16-bit mono", good, true},
        {"WAVE misspelt", patched(8, "WAVX"), false},
        {"RIFF form of another type", patched(8, "AVI "), false},
        {"fmt chunk missing", patched(12, "data"), false},
        {"fmt without its space", patched(12, QByteArray("fmt\0", 4)), false},
        {"shorter than the magic", good.left(12), false},
        {"empty file", QByteArray(), false},
        {"24-bit samples", patched(34, QByteArray("\x18\x00", 2)), false},
        {"no channels", patched(22, QByteArray("\x00\x00", 2)), false},
        {"six channels", patched(22, QByteArray("\x06\x00", 2)), false},
        {"zero rate", patched(24, QByteArray(4, '\0')), false},
        // Data shorter than the header declares is no error.
        {"data cut short", good.left(46), true},
        {"header only", good.left(44), true},
    };
    for (bool withDevice : {false, true}) {
        TSounds sounds;
        if (withDevice) {
            ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (withDevice ? " (device)" : " (no device)"));
            const QString path = dir.filePath(QStringLiteral("case.wav"));
            ASSERT_TRUE(WriteFile(path, c.bytes));
            std::unique_ptr<TSnd> snd;
            EXPECT_EQ(sounds.Load(path, snd), c.ok);
            ASSERT_TRUE(snd); // handed over also on failure
            EXPECT_EQ(snd->Name, QStringLiteral("case.wav"));
            EXPECT_EQ(snd->Path, path);
            EXPECT_EQ(sounds.Sounds().back(), snd.get());
            sounds.Forget(snd.get());
        }
        EXPECT_TRUE(sounds.Sounds().empty());
    }
}

TEST_F(SoundsTest, MissingFileFailsButIsHandedOver) {
    TSounds sounds;
    std::unique_ptr<TSnd> snd;
    EXPECT_FALSE(sounds.Load(dir.filePath(QStringLiteral("sub/none.wav")), snd));
    ASSERT_TRUE(snd);
    EXPECT_EQ(snd->Name, QStringLiteral("none.wav"));
    ASSERT_EQ(sounds.Sounds().size(), 1u);
    EXPECT_FALSE(sounds.Play(*snd));
}

TEST_F(SoundsTest, HeaderFieldsComeFromTheirOffsets) {
    // Average bytes per second and block align are left wrong on purpose:
    // only channels (22), rate (24), bits (34) and data size (40) count.
    QByteArray bytes = velkon::test::ReadFile(Wav("odd.wav", 2, 22050, 8, QByteArray(10, '\x80')));
    bytes.replace(28, 4, QByteArray(4, '\x7F'));
    bytes.replace(32, 2, QByteArray(2, '\x09'));
    bytes.replace(40, 4, QByteArray("\x06\x00\x00\x00", 4));
    const QString path = dir.filePath(QStringLiteral("odd.wav"));
    ASSERT_TRUE(WriteFile(path, bytes));
    TSounds sounds;
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(path, snd));
    EXPECT_EQ(snd->Channels, 2);
    EXPECT_EQ(snd->SamplesPerSec, 22050);
    EXPECT_EQ(snd->BitsPerSample, 8);
    EXPECT_EQ(snd->DataSize, 6u);
}

TEST_F(SoundsTest, NoDeviceLoadsButPlaysNothing) {
    TSounds sounds; // never initialised, as on a machine without a sound card
    EXPECT_FALSE(sounds.IsOpen());
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("a.wav", 1, kRate, 16, Samples16(Ramp(100))), snd));
    EXPECT_FALSE(snd->Impl);
    EXPECT_FALSE(sounds.Play(*snd));
    EXPECT_FALSE(sounds.IsPlaying(*snd));
    EXPECT_FALSE(sounds.Stop(*snd));
    float out[4];
    EXPECT_FALSE(sounds.Render(out, 4));
}

TEST_F(SoundsTest, SixteenBitMonoPlaysAtItsOwnRate) {
    const std::vector<int16_t> ramp = Ramp(1000);
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    EXPECT_TRUE(sounds.IsOpen());
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("ramp.wav", 1, kRate, 16, Samples16(ramp)), snd));
    ExpectSilent(Render(sounds, 64), 0, 64);
    ASSERT_TRUE(sounds.Play(*snd));
    EXPECT_TRUE(sounds.IsPlaying(*snd));
    const std::vector<float> out = Render(sounds, 1500);
    // Sample for sample: neither resampled to another rate nor attenuated.
    ExpectRamp(out, 0, ramp, 0, ramp.size());
    ExpectSilent(out, ramp.size(), out.size());
    EXPECT_FALSE(sounds.IsPlaying(*snd)); // played once
}

TEST_F(SoundsTest, BufferTakesTheFileRate) {
    // 400 frames at 22050 Hz last 800 frames of a 44100 Hz mix.
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("half.wav", 1, 22050, 16, Samples16(std::vector<int16_t>(400, 8000))), snd));
    ASSERT_TRUE(sounds.Play(*snd));
    const std::vector<float> out = Render(sounds, 1200);
    for (int i = 10; i < 790; ++i)
        ASSERT_NEAR(out[i], Full(8000), 1e-4) << i;
    ExpectSilent(out, 810, out.size());
}

TEST_F(SoundsTest, EightBitSamplesAreUnsigned) {
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("b.wav", 1, kRate, 8, QByteArray("\x80\xC0\x40\x80", 4)), snd));
    ASSERT_TRUE(sounds.Play(*snd));
    const std::vector<float> out = Render(sounds, 8);
    EXPECT_FLOAT_EQ(out[0], 0.0f);
    EXPECT_FLOAT_EQ(out[1], 0.5f);
    EXPECT_FLOAT_EQ(out[2], -0.5f);
    ExpectSilent(out, 3, 8);
}

TEST_F(SoundsTest, StereoKeepsItsChannels) {
    const std::vector<int16_t> ramp = Ramp(200);
    std::vector<int16_t> interleaved;
    for (int16_t v : ramp) {
        interleaved.push_back(v);
        interleaved.push_back(0);
    }
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate, 2));
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("st.wav", 2, kRate, 16, Samples16(interleaved)), snd));
    ASSERT_TRUE(sounds.Play(*snd));
    const std::vector<float> out = Render(sounds, 300, 2);
    for (size_t i = 0; i < ramp.size(); ++i) {
        ASSERT_FLOAT_EQ(out[2 * i], Full(ramp[i])) << i;
        ASSERT_EQ(out[2 * i + 1], 0.0f) << i;
    }
    ExpectSilent(out, 2 * ramp.size(), out.size());
}

// Only the data the header declares, and only what the file really holds, is played.
TEST_F(SoundsTest, DataSizeFieldAndFileEndLimitTheSound) {
    struct Case {
        const char* name;
        int samples;          // samples written to the file
        QByteArray sizeField; // the data size written at offset 40
        bool halfSample;      // one stray byte after the data
        int heard;            // samples that come out
    } cases[] = {
        {"cut.wav", 10, QByteArray("\x06\x00\x00\x00", 4), false, 3},  // declares three samples
        {"big.wav", 5, QByteArray("\xF0\xFF\xFF\x7F", 4), true, 5},   // declares a huge sound
        {"four-gb.wav", 4, QByteArray("\xFF\xFF\xFF\xFF", 4), false, 4}, // declares 4 GB: only the file is read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = velkon::test::ReadFile(Wav(c.name, 1, kRate, 16, Samples16(Ramp(c.samples))));
        bytes.replace(40, 4, c.sizeField);
        if (c.halfSample)
            bytes.append('\x01');
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(WriteFile(path, bytes));
        TSounds sounds;
        ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
        std::unique_ptr<TSnd> snd;
        ASSERT_TRUE(sounds.Load(path, snd));
        ASSERT_TRUE(sounds.Play(*snd));
        const std::vector<float> out = Render(sounds, 20);
        ExpectRamp(out, 0, Ramp(c.samples), 0, c.heard);
        ExpectSilent(out, c.heard, out.size());
    }
}

TEST_F(SoundsTest, PlayWhilePlayingGoesOn) {
    const std::vector<int16_t> ramp = Ramp(1000);
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("ramp.wav", 1, kRate, 16, Samples16(ramp)), snd));
    ASSERT_TRUE(sounds.Play(*snd));
    ExpectRamp(Render(sounds, 300), 0, ramp, 0, 300);
    EXPECT_TRUE(sounds.Play(*snd));
    EXPECT_TRUE(sounds.Play(*snd));
    const std::vector<float> rest = Render(sounds, 800);
    ExpectRamp(rest, 0, ramp, 300, 700);
    ExpectSilent(rest, 700, rest.size());
}

TEST_F(SoundsTest, StopRewindsSoPlayStartsOver) {
    const std::vector<int16_t> ramp = Ramp(1000);
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("ramp.wav", 1, kRate, 16, Samples16(ramp)), snd));
    ASSERT_TRUE(sounds.Play(*snd));
    ExpectRamp(Render(sounds, 300), 0, ramp, 0, 300);
    ASSERT_TRUE(sounds.Stop(*snd));
    EXPECT_FALSE(sounds.IsPlaying(*snd));
    ExpectSilent(Render(sounds, 100), 0, 100);
    ASSERT_TRUE(sounds.Play(*snd));
    const std::vector<float> again = Render(sounds, 1200);
    ExpectRamp(again, 0, ramp, 0, ramp.size());
    ExpectSilent(again, ramp.size(), again.size());
    // Stopping a sound that has ended is fine too.
    EXPECT_TRUE(sounds.Stop(*snd));
}

TEST_F(SoundsTest, FinishedSoundPlaysAgainFromItsStart) {
    const std::vector<int16_t> ramp = Ramp(100);
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("ramp.wav", 1, kRate, 16, Samples16(ramp)), snd));
    ASSERT_TRUE(sounds.Play(*snd));
    Render(sounds, 200);
    ASSERT_FALSE(sounds.IsPlaying(*snd));
    ASSERT_TRUE(sounds.Play(*snd));
    ExpectRamp(Render(sounds, 100), 0, ramp, 0, 100);
}

TEST_F(SoundsTest, LoopingSoundWrapsAround) {
    const std::vector<int16_t> ramp = Ramp(100);
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("ramp.wav", 1, kRate, 16, Samples16(ramp)), snd));
    snd->Looping = true;
    ASSERT_TRUE(sounds.Play(*snd));
    const std::vector<float> out = Render(sounds, 250);
    ExpectRamp(out, 0, ramp, 0, 100);
    ExpectRamp(out, 100, ramp, 0, 100);
    ExpectRamp(out, 200, ramp, 0, 50);
    EXPECT_TRUE(sounds.IsPlaying(*snd));
}

TEST_F(SoundsTest, VolumeIsHundredthsOfADecibel) {
    const std::vector<int16_t> level(50, 16000);
    struct Case {
        int32_t volume;
        float gain;
    };
    for (Case c : {Case{0, 1.0f}, Case{-2000, 0.1f}, Case{-600, 0.501187f}, Case{-10000, 0.0f}, Case{500, 1.0f}}) {
        SCOPED_TRACE(c.volume);
        TSounds sounds;
        ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
        sounds.Volume = c.volume;
        std::unique_ptr<TSnd> snd;
        ASSERT_TRUE(sounds.Load(Wav("v.wav", 1, kRate, 16, Samples16(level)), snd));
        ASSERT_TRUE(sounds.Play(*snd));
        const std::vector<float> out = Render(sounds, 50);
        EXPECT_NEAR(out[25], Full(16000) * c.gain, 1e-5);
    }
}

TEST_F(SoundsTest, SoundsMixTogether) {
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    std::unique_ptr<TSnd> a, b;
    ASSERT_TRUE(sounds.Load(Wav("a.wav", 1, kRate, 16, Samples16(std::vector<int16_t>(100, 1000))), a));
    ASSERT_TRUE(sounds.Load(Wav("b.wav", 1, kRate, 16, Samples16(std::vector<int16_t>(50, 3000))), b));
    ASSERT_EQ(sounds.Sounds().size(), 2u);
    EXPECT_EQ(sounds.Sounds()[0], a.get());
    ASSERT_TRUE(sounds.Play(*a));
    ASSERT_TRUE(sounds.Play(*b));
    const std::vector<float> out = Render(sounds, 120);
    EXPECT_FLOAT_EQ(out[10], Full(4000));
    EXPECT_FLOAT_EQ(out[70], Full(1000));
    EXPECT_EQ(out[110], 0.0f);
}

TEST_F(SoundsTest, SoundMayOutliveItsManager) {
    // File items are freed after the manager at exit; their buffers must
    // still go cleanly.
    std::unique_ptr<TSnd> snd;
    {
        TSounds sounds;
        ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
        ASSERT_TRUE(sounds.Load(Wav("a.wav", 1, kRate, 16, Samples16(Ramp(10))), snd));
        ASSERT_TRUE(sounds.Play(*snd));
    }
    EXPECT_TRUE(snd->Impl);
    snd.reset();
}

TEST_F(SoundsTest, DeviceOpensOnce) {
    TSounds sounds;
    ASSERT_TRUE(sounds.InitialiseLoopback(kRate));
    EXPECT_FALSE(sounds.InitialiseLoopback(kRate));
    EXPECT_TRUE(sounds.Initialise()); // already open
    TSounds other;
    EXPECT_FALSE(other.InitialiseLoopback(0));
    EXPECT_FALSE(other.InitialiseLoopback(kRate, 3));
    EXPECT_FALSE(other.IsOpen());
}

TEST_F(SoundsTest, DefaultDeviceOpensOrEverythingStaysQuiet) {
    // Whatever this machine has: with a sound card the sound plays, without
    // one Initialise says so and nothing else fails.
    TSounds sounds;
    const bool open = sounds.Initialise();
    EXPECT_EQ(sounds.IsOpen(), open);
    std::unique_ptr<TSnd> snd;
    ASSERT_TRUE(sounds.Load(Wav("quiet.wav", 1, kRate, 16, Samples16(std::vector<int16_t>(32, 0))), snd));
    EXPECT_EQ(sounds.Play(*snd), open);
    EXPECT_EQ(sounds.Stop(*snd), open);
    float out[2];
    EXPECT_FALSE(sounds.Render(out, 1)); // not a loopback device
}

TEST_F(SoundsTest, SceneSoundsForgetsTheSoundsOfFreedFileItems) {
    TScene scene;
    EXPECT_EQ(scene.Sounds, nullptr); // nothing until a sound is needed
    const QString path = Wav("boom.wav", 1, 22050, 8, QByteArray(16, '\x80'));
    auto sound = TFilesItem::Create(path);
    ASSERT_EQ(sound->Kind, TFilesItem::kindSound);
    TSounds& sounds = SceneSounds(scene);
    EXPECT_EQ(&SceneSounds(scene), &sounds);      // made once
    EXPECT_TRUE(sounds.Load(path, sound->Sound)); // no device needed to load
    scene.AddFile(std::move(sound));
    ASSERT_EQ(sounds.Sounds().size(), 1u);
    scene.ClearLayersAndFiles();
    EXPECT_EQ(scene.Files.Count(), 0);
    EXPECT_TRUE(sounds.Sounds().empty()); // no dangling entries
}
