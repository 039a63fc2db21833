#include "engine/clock.h"
#include "engine/playback.h"
#include "engine/player.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "project/projectfile.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

// Watching a scene play must not change what a save writes.
class PlayThenSaveTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TScene scene;
    TManualClock clock;
    TPlayer player{scene, clock};
    TPlayback playback{scene, player};
    TErrorLog log;

    // Reads back a project with two loops whose counters are empty in the file:
    // one that is still counting when play stops, one that has counted down.
    void SetUp() override {
        const QString png = dir.filePath("ball.png");
        ASSERT_TRUE(velkon::test::WritePng(png, 8, 6, 6));
        scene.AddFile(TFilesItem::Create(png));
        TImagesItem* layer = scene.AddLayer(scene.Files.At(0));
        TCommands& counting = layer->Base.Track[0];
        counting.Add(std::make_unique<TCommandItem>(cmdRotate, "Angle(ball;10)", "0,1"));
        counting.Add(std::make_unique<TCommandItem>(cmdLoop, "5", "1"));
        TCommands& done = layer->Base.Track[1];
        done.Add(std::make_unique<TCommandItem>(cmdFlip, "1"));
        done.Add(std::make_unique<TCommandItem>(cmdLoop, "2", "1"));
        const QString path = dir.filePath("p.VKP");
        WriteProject(scene, path);
        ReadProject(scene, path, log);
    }
    const TCommandItem& Loop(int track) const { return *scene.Layers.At(0)->Base.Track[track].Item(1); }
};

} // namespace

TEST_F(PlayThenSaveTest, StopEmptiesTheLoopCountersSoTheTextStaysAsItWas) {
    const QString before = ProjectText(scene);
    ASSERT_TRUE(before.contains("Command=16\r\nsParam1=5\r\nsParam2=1\r\nsParam3=\r\n"))
        << before.toStdString();
    playback.Toggle(true);
    for (int ms = 0; ms <= 150; ms += 10) {
        clock.Set(ms);
        player.Tick();
    }
    ASSERT_EQ(Loop(0).sParam3(), "4") << "the first loop is counting";
    ASSERT_EQ(Loop(1).sParam3(), "2") << "the second one has counted down and waits, full, for the next run";
    playback.Toggle(true);
    ASSERT_FALSE(scene.Playing);
    EXPECT_EQ(Loop(0).sParam3(), "");
    EXPECT_EQ(Loop(1).sParam3(), "");
    EXPECT_EQ(ProjectText(scene), before);
}
