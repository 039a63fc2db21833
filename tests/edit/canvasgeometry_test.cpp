#include "support/testsupport.h"

#include "edit/canvasgeometry.h"
#include "edit/editorstate.h"
#include "model/scene.h"

#include <gtest/gtest.h>

namespace velkon {
namespace {

struct CanvasGeometryTest : ::testing::Test {
    TScene scene;
    TEditorState state{scene};
    TImagesItem layer;
    void SelectNoLayerForTest() {
        for (int i = 0; i < scene.Layers.Count(); ++i)
            scene.Layers.At(i)->Selected = false;
    }
    CanvasGeometryTest() {
        layer.Left = 100;
        layer.Top = 50;
        layer.Width = 40;
        layer.Height = 20;
    }
};

TEST_F(CanvasGeometryTest, CornersFollowZoomFrameOffsetRotationAndFlip) {
    const struct {
        double zoom;
        int fx, fy;
        double angle, ox, oy;
        int flip;
        std::array<int32_t, 4> xs, ys;
    } cases[] = {
        {1, 0, 0, 0, 0, 0, 0, {100, 140, 140, 100}, {50, 50, 70, 70}},
        {2, 10, 5, 0, 0, 0, 0, {210, 290, 290, 210}, {105, 105, 145, 145}},
        {1, 0, 0, 90, 0, 0, 0, {100, 100, 80, 80}, {50, 90, 90, 50}},
        // Flipped both ways = turned half round about the origin point (20, 10).
        {1, 0, 0, 0, 20, 10, 3, {140, 100, 100, 140}, {70, 70, 50, 50}},
    };
    for (const auto& c : cases) {
        state.Zoom = c.zoom;
        state.FrameOffsetX = c.fx;
        state.FrameOffsetY = c.fy;
        layer.Angle = c.angle;
        layer.OrigoX = c.ox;
        layer.OrigoY = c.oy;
        layer.FlipMode = c.flip;
        ComputeCorners(state, layer);
        EXPECT_EQ(layer.CornersX, c.xs) << c.angle << " " << c.flip;
        EXPECT_EQ(layer.CornersY, c.ys) << c.angle << " " << c.flip;
    }
}

TEST_F(CanvasGeometryTest, HitTestCoversBothTrianglesAndTheirSeam) {
    ComputeCorners(state, layer);
    EXPECT_TRUE(CornersHit(layer, 110, 65)); // lower-left triangle
    EXPECT_TRUE(CornersHit(layer, 135, 52)); // upper-right triangle
    EXPECT_TRUE(CornersHit(layer, 120, 60)); // on the diagonal between them
    EXPECT_FALSE(CornersHit(layer, 99, 60));
    EXPECT_FALSE(CornersHit(layer, 120, 71));
}

TEST_F(CanvasGeometryTest, ALayerShrunkToALineCannotBeHit) {
    layer.Width = 0;
    layer.Height = 0;
    ComputeCorners(state, layer);
    EXPECT_FALSE(CornersHit(layer, 100, 50));
    EXPECT_FALSE(CornersHit(layer, 300, 300));
}

TEST_F(CanvasGeometryTest, SelectionBoundsJoinTheSelectedShownLayers) {
    auto add = [&](double left, double top, bool selected, bool shown) {
        auto l = std::make_unique<TImagesItem>();
        l->Left = left;
        l->Top = top;
        l->Width = 10;
        l->Height = 10;
        l->Selected = selected;
        l->Shown = shown;
        return scene.Layers.Add(QString::number(scene.Layers.Count()), std::move(l));
    };
    add(0, 0, true, true);
    add(50, 20, true, true);
    add(500, 500, false, true);
    TImagesItem* hidden = add(900, 900, true, false);
    UpdateCornersAndSelectionBounds(state);
    EXPECT_EQ(state.SelectionBounds, (TRectI{0, 0, 60, 30}));
    EXPECT_EQ(hidden->CornersX[0], 0) << "a layer that is not drawn keeps its old corners";

    SelectNoLayerForTest();
    UpdateCornersAndSelectionBounds(state);
    EXPECT_TRUE(state.SelectionBounds.IsEmpty());
}

TEST_F(CanvasGeometryTest, WindowAndTargetPixelsConvertWithRounding) {
    state.Zoom = 0.5;
    state.FrameOffsetX = 10;
    state.FrameOffsetY = 20;
    EXPECT_EQ(WindowToTargetX(state, 60), 100);
    EXPECT_EQ(WindowToTargetY(state, 21), 2);
    EXPECT_EQ(TargetToWindowX(state, 101), 60); // 60.5 rounds to even
    EXPECT_EQ(TargetToWindowY(state, 3), 22);   // 21.5 rounds to even
}

} // namespace
} // namespace velkon
