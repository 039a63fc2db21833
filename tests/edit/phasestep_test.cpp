#include "edit/editorstate.h"
#include "edit/phasestep.h"
#include "model/commanddesc.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

namespace {

struct PhaseStep : ::testing::Test {
    TScene scene;
    TEditorState state{scene};
    TImagesItem layer;
    PhaseStep() {
        layer.Width = 64;
        layer.Height = 32;
        layer.SelectAnimation(TImagesItem::animBase);
    }
    void Add(int track, int cmd, QString p1, QString p2 = {}, QString p3 = {}) {
        layer.Base.Track[static_cast<size_t>(track - 1)].Add(std::make_unique<TCommandItem>(cmd, p1, p2, p3));
    }
};

} // namespace

TEST_F(PhaseStep, StepAppliesTheIthCommandOfEachTrack) {
    Add(1, cmdMoveTo, "10", "20", "1");
    Add(1, cmdRelativeMoveTo, "5", "-5", "1");
    Add(2, cmdReSize, "100", "50", "1");
    Add(3, cmdWait, "1");
    Add(3, cmdRotate, "45", "1");

    EXPECT_TRUE(ApplyPhaseStep(layer, 0, state));
    EXPECT_EQ(layer.Left, 10);
    EXPECT_EQ(layer.Top, 20);
    EXPECT_EQ(layer.Width, 100);
    EXPECT_EQ(layer.Angle, 0); // Wait changes nothing

    EXPECT_TRUE(ApplyPhaseStep(layer, 1, state));
    EXPECT_EQ(layer.Left, 15);
    EXPECT_EQ(layer.Top, 15);
    EXPECT_EQ(layer.Width, 100); // track 2 is too short for step 1
    EXPECT_EQ(layer.Angle, 45);
}

TEST_F(PhaseStep, CommandsOnTheWrongTrackAreIgnored) {
    Add(2, cmdMoveTo, "10", "20", "1");
    Add(1, cmdRotate, "90", "1");
    EXPECT_TRUE(ApplyPhaseStep(layer, 0, state));
    EXPECT_EQ(layer.Left, 0);
    EXPECT_EQ(layer.Angle, 0);
}

TEST_F(PhaseStep, KeyFrameSetsPoseAndLeavesCommonOriginAlone) {
    Add(1, cmdKeyFrame, "x=100y=50w=64h=48a=-30f=128", "1");
    Add(1, cmdKeyFrame, "x=1y=2w=3h=4a=5", "1");
    layer.Base.Track[0].Item(0)->SetOX(7);
    layer.Alpha = 10;
    EXPECT_TRUE(ApplyPhaseStep(layer, 0, state));
    EXPECT_EQ(layer.Left, 100);
    EXPECT_EQ(layer.Top, 50);
    EXPECT_EQ(layer.Width, 64);
    EXPECT_EQ(layer.Height, 48);
    EXPECT_EQ(layer.Angle, -30);
    EXPECT_EQ(layer.Alpha, 128);
    EXPECT_EQ(state.ToolPoint(-1).X, 512);
    EXPECT_TRUE(ApplyPhaseStep(layer, 1, state));
    EXPECT_EQ(layer.Alpha, 255); // no "f=": fully opaque
    EXPECT_EQ(layer.Angle, 5);
}

TEST_F(PhaseStep, NonNumericParameterEndsTheStepSilently) {
    const struct {
        int track, cmd;
        const char *p1, *p2;
    } cases[] = {{1, cmdMoveTo, "Left(Ball;0)", "20"},
                 {1, cmdMoveTo, "10", "1.5"},
                 {1, cmdKeyFrame, "x=1y=2w=3", "1"},
                 {1, cmdKeyFrame, "x=ay=2w=3h=4a=5", "1"},
                 {3, cmdRotate, "RandomI(1;6)", "1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p1);
        TImagesItem fresh;
        fresh.SelectAnimation(0);
        fresh.Base.Track[static_cast<size_t>(c.track - 1)].Add(
            std::make_unique<TCommandItem>(c.cmd, c.p1, c.p2));
        EXPECT_FALSE(ApplyPhaseStep(fresh, 0, state));
        EXPECT_EQ(fresh.Left, 0);
        EXPECT_EQ(fresh.Top, 0);
        EXPECT_EQ(fresh.Angle, 0);
    }
}
