#include "playertestsupport.h"

#include "engine/playback.h"
#include "engine/sounds.h"
#include "model/snd.h"

#include <QTemporaryDir>
#include <vector>

using namespace velkon;

namespace {

class PlaybackTest : public velkon::test::PlayerFixture {
protected:
    TPlayback playback{scene, player};
};

} // namespace

TEST_F(PlaybackTest, FullPlayStartsBaseOfLayersThatShouldStart) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    Add(a->Base.Track[0], cmdMoveTo, "100", "0", "1");
    Add(b->Base.Track[0], cmdMoveTo, "100", "0", "1");
    Add(b->Touch1.Track[0], cmdMoveTo, "0", "100", "1");
    b->PlayAnim = 0; // Base does not start on full play
    b->SelectAnimation(TImagesItem::animTouch1);
    playback.Toggle(true);
    EXPECT_TRUE(scene.Playing);
    EXPECT_TRUE(scene.FullPlay);
    EXPECT_EQ(a->Base.Track[0].Current, 0);
    EXPECT_EQ(b->ActiveAnimation(), TImagesItem::animBase);
    EXPECT_EQ(b->Base.Track[0].Current, -1);
}

TEST_F(PlaybackTest, PreviewPlaysOnlySelectedLayersFromTheirActiveAnimation) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    Add(a->Touch2.Track[1], cmdWait, "1");
    Add(b->Base.Track[0], cmdWait, "1");
    a->Selected = true;
    a->PlayAnim = 0; // a preview ignores PlayAnim
    a->SelectAnimation(TImagesItem::animTouch2);
    b->SelectAnimation(TImagesItem::animTouch1);
    playback.Toggle(false);
    EXPECT_TRUE(scene.Playing);
    EXPECT_FALSE(scene.FullPlay);
    EXPECT_EQ(a->ActiveAnimation(), TImagesItem::animTouch2);
    EXPECT_EQ(a->Touch2.Track[1].Current, 0);
    EXPECT_EQ(b->ActiveAnimation(), TImagesItem::animBase);
    EXPECT_EQ(b->Base.Track[0].Current, -1);
    // Stopping a preview leaves each layer's animation as it was.
    playback.Toggle(false);
    EXPECT_FALSE(scene.Playing);
    EXPECT_EQ(a->ActiveAnimation(), TImagesItem::animTouch2);
}

TEST_F(PlaybackTest, StopRestoresEveryLayerAndResetsTouches) {
    TImagesItem* a = Layer("A", 5, 6);
    Add(a->Base.Track[0], cmdMoveTo, "100", "0", "1");
    Add(a->Base.Track[1], cmdFlip, "1");
    Add(a->Touch1.Track[2], cmdWait, "5");
    playback.Toggle(true);
    TickAt(500);
    playback.Touch(*a);
    EXPECT_TRUE(a->TouchRunning);
    EXPECT_DOUBLE_EQ(a->Left, 52.5);
    EXPECT_EQ(a->FlipMode, 1);
    playback.Toggle(true);
    EXPECT_FALSE(scene.Playing);
    EXPECT_FALSE(scene.FullPlay);
    EXPECT_DOUBLE_EQ(a->Left, 5);
    EXPECT_DOUBLE_EQ(a->Top, 6);
    EXPECT_EQ(a->FlipMode, 0);
    EXPECT_FALSE(a->TouchRunning);
    EXPECT_EQ(a->TouchIndex, 0);
    EXPECT_EQ(a->ActiveAnimation(), TImagesItem::animBase);
    for (int t = 1; t <= 12; ++t)
        EXPECT_EQ(a->TrackByNumber(t).Current, -1) << t;
}

TEST_F(PlaybackTest, NoLayersNoPlayback) {
    playback.Toggle(true);
    EXPECT_FALSE(scene.Playing);
}

TEST_F(PlaybackTest, AutoStopOnceNothingRuns) {
    TImagesItem* a = Layer("A", 0, 0);
    Add(a->Base.Track[0], cmdMoveTo, "100", "0", "1");
    playback.Toggle(true);
    EXPECT_FALSE(playback.CheckAutoStop(TickAt(500)));
    EXPECT_TRUE(scene.Playing);
    EXPECT_TRUE(playback.CheckAutoStop(TickAt(1000)));
    EXPECT_FALSE(scene.Playing);
    EXPECT_DOUBLE_EQ(a->Left, 0);

    playback.AutoStop = false;
    playback.Toggle(true);
    EXPECT_FALSE(playback.CheckAutoStop(TickAt(3000)));
    EXPECT_TRUE(scene.Playing);
}

TEST_F(PlaybackTest, PlaybackStartedLaterStartsItsTracksThen) {
    // Nothing ticks between two playbacks: the second must not start its
    // commands at the time the first one stopped.
    TImagesItem* a = Layer("A", 0, 0);
    Add(a->Base.Track[0], cmdMoveTo, "100", "0", "1");
    clock.Set(200);
    playback.Toggle(true);
    EXPECT_EQ(a->Base.Track[0].Item(0)->StartTime, 200);
    EXPECT_TRUE(playback.CheckAutoStop(TickAt(1200)));
    clock.Set(9000);
    playback.Toggle(true);
    EXPECT_EQ(scene.Clock.Now, 9000);
    EXPECT_EQ(scene.Clock.LastTime, 9000);
    EXPECT_FALSE(playback.CheckAutoStop(TickAt(9500)));
    EXPECT_DOUBLE_EQ(a->Left, 50);
}

TEST_F(PlaybackTest, EmptyBaseTracksStopOnTheFirstPass) {
    Layer("A");
    playback.Toggle(true);
    EXPECT_TRUE(scene.Playing);
    EXPECT_TRUE(playback.CheckAutoStop(TickAt(1)));
    EXPECT_FALSE(scene.Playing);
}

TEST_F(PlaybackTest, PreviewWithNothingSelectedStopsAtOnce) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdWait, "1");
    playback.Toggle(false);
    EXPECT_TRUE(scene.Playing);
    EXPECT_TRUE(playback.CheckAutoStop(TickAt(1)));
}

TEST_F(PlaybackTest, ClicksStartTouchesOnlyDuringFullPlayAndWhenAllowed) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    for (TImagesItem* l : {a, b})
        Add(l->Touch1.Track[0], cmdWait, "1");
    b->PlayAnim = 3; // bit 1: clicks start nothing
    playback.Touch(*a);
    EXPECT_FALSE(a->TouchRunning); // not playing
    a->Selected = true;
    playback.Toggle(false);
    playback.Touch(*a);
    EXPECT_FALSE(a->TouchRunning); // a preview
    playback.Toggle(false);
    playback.Toggle(true);
    playback.Touch(*a);
    playback.Touch(*b);
    EXPECT_TRUE(a->TouchRunning);
    EXPECT_FALSE(b->TouchRunning);
}

TEST_F(PlaybackTest, StopSilencesEverySound) {
    // A device that mixes into memory: what it renders is what a sound card would play.
    TSounds& sounds = SceneSounds(scene);
    ASSERT_TRUE(sounds.InitialiseLoopback(22050));
    QTemporaryDir dir;
    std::vector<TSnd*> loaded;
    for (const char* name : {"hum.wav", "buzz.wav"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        // A second of 16-bit samples of 0x1000 (an eighth of full scale).
        QByteArray samples;
        for (int i = 0; i < 22050; ++i)
            samples.append('\x00').append('\x10');
        ASSERT_TRUE(velkon::test::WriteWav(path, 1, 22050, 16, samples));
        auto item = TFilesItem::Create(path);
        ASSERT_TRUE(sounds.Load(path, item->Sound));
        loaded.push_back(item->Sound.get());
        scene.AddFile(std::move(item));
    }
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdPlaySfx, "hum.wav");
    Add(a->Base.Track[0], cmdPlaySfx, "buzz.wav");
    Add(a->Base.Track[0], cmdWait, "10");
    playback.Toggle(true);
    TickAt(1);
    TickAt(2);
    EXPECT_EQ(events, (QStringList{"sfx play hum.wav", "sfx play buzz.wav"}));
    std::vector<float> out(100, -1.0f);
    ASSERT_TRUE(sounds.Render(out.data(), 100));
    EXPECT_FLOAT_EQ(out[50], 0.25f) << "both sounds play, an eighth each";

    playback.Toggle(true);
    EXPECT_FALSE(scene.Playing);
    for (TSnd* snd : loaded)
        EXPECT_FALSE(sounds.IsPlaying(*snd));
    ASSERT_TRUE(sounds.Render(out.data(), 100));
    for (float sample : out)
        ASSERT_EQ(sample, 0.0f) << "nothing sounds after stop";
}

TEST_F(PlaybackTest, ATrackThatCannotStartIsReportedAndTheRestPlays) {
    QStringList reported;
    playback.OnError = [&](const QString& m) { reported << m; };
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    Add(a->Base.Track[0], cmdMoveTo, "Left(Nobody;1)", "0", "1");
    Add(b->Base.Track[0], cmdMoveTo, "100", "0", "1");
    playback.Toggle(true);
    EXPECT_TRUE(scene.Playing);
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains("Left(Nobody;1)"));
    TickAt(500);
    EXPECT_DOUBLE_EQ(b->Left, 50);
    EXPECT_DOUBLE_EQ(a->Left, 0);
}
