#include "edit/editorstate.h"
#include "edit/resolutions.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(Resolutions, PresetTableInListOrder) {
    const struct {
        const char* name;
        int w, h;
        bool retina;
    } expected[] = {{"IPhone landscape", 512, 384, false}, {"IPad2 landscape", 1024, 768, false},
                    {"IPad3 landscape", 2048, 1536, true}, {"IPhone portrait", 384, 512, false},
                    {"IPad2 portrait", 768, 1024, false},  {"IPad3 portrait", 1536, 2048, true}};
    ASSERT_EQ(ResolutionPresets().size(), std::size(expected));
    for (int i = 0; i < ResolutionCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ResolutionPreset(i).Name, QString::fromLatin1(expected[i].name));
        EXPECT_EQ(ResolutionPreset(i).Width, expected[i].w);
        EXPECT_EQ(ResolutionPreset(i).Height, expected[i].h);
        EXPECT_EQ(IsRetinaResolution(i), expected[i].retina);
    }
}

TEST(Resolutions, IndexOutsideTableFallsBackToStartUpChoice) {
    EXPECT_EQ(ResolutionPreset(-1).Name, "IPad2 landscape");
    EXPECT_EQ(ResolutionPreset(6).Width, 1024);
    EXPECT_FALSE(IsRetinaResolution(8));
}

struct TApplyCase {
    int index;
    double zoom;
    int offX, offY;
    int targetW, targetH, canvasW, canvasH, panelW, panelH;
};

class ApplyResolutionTest : public ::testing::TestWithParam<TApplyCase> {};

TEST_P(ApplyResolutionTest, SizesFollowZoomAndOffset) {
    const TApplyCase& c = GetParam();
    TScene scene;
    TEditorState state(scene);
    state.Zoom = c.zoom;
    state.FrameOffsetX = c.offX;
    state.FrameOffsetY = c.offY;
    const TResolutionLayout layout = ApplyResolution(state, c.index);
    EXPECT_EQ(state.TargetWidth, c.targetW);
    EXPECT_EQ(state.TargetHeight, c.targetH);
    EXPECT_EQ(layout.CanvasWidth, c.canvasW);
    EXPECT_EQ(layout.CanvasHeight, c.canvasH);
    EXPECT_EQ(state.CanvasWidth, c.canvasW);
    EXPECT_EQ(state.CanvasHeight, c.canvasH);
    EXPECT_EQ(layout.PanelWidth, c.panelW);
    EXPECT_EQ(layout.PanelHeight, c.panelH);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyResolutionTest,
    ::testing::Values(
        // IPad3 portrait at 100 % is a 1536 x 2048 canvas.
        TApplyCase{5, 1.0, 0, 0, 1536, 2048, 1536, 2048, 3072, 4096},
        // Half zoom on IPad2 landscape halves the canvas but not the target frame.
        TApplyCase{1, 0.5, 0, 0, 1024, 768, 512, 384, 1024, 768},
        // The frame offset widens the canvas on both sides, unscaled; the panel scales it.
        TApplyCase{0, 2.0, 10, 20, 512, 384, 1044, 808, 2088, 1616},
        // Fractions round to the nearest pixel: 499.2, 665.6, 998.4, 1331.2.
        TApplyCase{3, 1.3, 0, 0, 384, 512, 499, 666, 998, 1331}));

TEST(Resolutions, HalfPixelsRoundToEven) {
    TScene scene;
    TEditorState state(scene);
    const struct {
        double zoom;
        int canvasW, panelW;
    } cases[] = {
        {1.0 + 1.0 / 1024.0, 512, 1025}, // 512.5 -> 512 (even), 1025 exact
        {1.0 + 3.0 / 1024.0, 514, 1027}, // 513.5 -> 514 (even), 1027 exact
        {1.0 + 1.0 / 2048.0, 512, 1024}, // 512.25, 1024.5 -> 1024 (even)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom);
        state.Zoom = c.zoom;
        const TResolutionLayout layout = ApplyResolution(state, 0);
        EXPECT_EQ(layout.CanvasWidth, c.canvasW);
        EXPECT_EQ(layout.PanelWidth, c.panelW);
    }
}
