#include "engine/virtualplay.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/scene.h"

#include <gtest/gtest.h>

using namespace velkon;

namespace {

// Ball moves 100 px right in a second from x 5; Box fades out in half a second.
struct TScenePair {
    TScene scene;
    TImagesItem* ball = nullptr;
    TImagesItem* box = nullptr;
    TScenePair() {
        ball = Add("Ball");
        ball->Left = 5;
        ball->Base.Track[0].Add(CommandName(cmdMoveTo), std::make_unique<TCommandItem>(cmdMoveTo, "105", "0", "1"));
        box = Add("Box");
        box->Base.Track[0].Add(CommandName(cmdFadeTo), std::make_unique<TCommandItem>(cmdFadeTo, "0", "0,5"));
    }
    TImagesItem* Add(const QString& name) {
        auto layer = std::make_unique<TImagesItem>(nullptr);
        layer->Name = name;
        layer->Width = 10;
        layer->Height = 10;
        return scene.Layers.Add(name, std::move(layer));
    }
};

} // namespace

TEST(VirtualPlay, AdvancesOnlyForwardStopsByItselfAndPutsTheLayersBack) {
    TScenePair s;
    TVirtualPlay play(s.scene, {});
    ASSERT_TRUE(play.Start());
    play.AdvanceTo(250);
    EXPECT_EQ(play.Now(), 250);
    EXPECT_DOUBLE_EQ(s.ball->Left, 30);
    EXPECT_DOUBLE_EQ(s.box->Alpha, 127.5);
    play.AdvanceTo(100); // the past is not replayed
    EXPECT_EQ(play.Now(), 250);
    EXPECT_DOUBLE_EQ(s.ball->Left, 30);
    play.AdvanceTo(999);
    EXPECT_TRUE(play.Playing());
    EXPECT_EQ(play.StopTime(), -1);
    play.AdvanceTo(1500);
    EXPECT_FALSE(play.Playing());
    EXPECT_EQ(play.StopTime(), 1000);
    EXPECT_EQ(play.Now(), 1500);
    EXPECT_DOUBLE_EQ(s.ball->Left, 5);
    EXPECT_DOUBLE_EQ(s.box->Alpha, 255);
    // A second start plays the same from the beginning.
    ASSERT_TRUE(play.Start());
    play.AdvanceTo(250);
    EXPECT_DOUBLE_EQ(s.ball->Left, 30);
}

TEST(VirtualPlay, StepsAndLeavingMidwayRestoreTheEditedState) {
    TScenePair s;
    {
        TVirtualPlayOptions options;
        options.Step = 100;
        options.AutoStop = false;
        TVirtualPlay play(s.scene, options);
        ASSERT_TRUE(play.Start());
        play.AdvanceTo(399); // ticks at 100, 200 and 300 only
        EXPECT_EQ(play.Now(), 300);
        EXPECT_DOUBLE_EQ(s.ball->Left, 35);
        play.AdvanceTo(5000);
        EXPECT_TRUE(play.Playing());
        EXPECT_DOUBLE_EQ(s.ball->Left, 105);
    } // leaving the play puts the layers back
    EXPECT_DOUBLE_EQ(s.ball->Left, 5);
    EXPECT_DOUBLE_EQ(s.box->Alpha, 255);
    EXPECT_FALSE(s.scene.Playing);
}

TEST(VirtualPlay, MissingNamedLayersRefuseToStart) {
    TScenePair s;
    TVirtualPlayOptions options;
    options.Touches = {{"Ghost", 100}, {"Ball", 0}};
    options.Preview = {"Box", "Nobody"};
    TVirtualPlay play(s.scene, options);
    EXPECT_EQ(play.CheckNames(), "Nobody, Ghost");
    EXPECT_FALSE(play.Start());
    EXPECT_FALSE(play.Playing());
}
