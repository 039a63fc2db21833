#include "support/testsupport.h"
#include "model/commanddesc.h"

#include "edit/canvasgeometry.h"
#include "edit/canvasinteraction.h"
#include "edit/editorstate.h"
#include "edit/selection.h"
#include "engine/clock.h"
#include "engine/player.h"
#include "model/errorlog.h"
#include "model/scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace velkon {
namespace {

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() {
        state.Log = &log;
        canvas.Redraw = [this] { Render(); };
        canvas.PanelWidth = 1400;
        canvas.PanelHeight = 1000;
    }

    TImagesItem& Add(const char* name, double left, double top, double width, double height) {
        auto l = std::make_unique<TImagesItem>();
        l->Name = QString::fromLatin1(name);
        l->Left = left;
        l->Top = top;
        l->Width = width;
        l->Height = height;
        const QString key = l->Name;
        TImagesItem* p = scene.Layers.Add(key, std::move(l));
        Render();
        return *p;
    }
    TImagesItem& Layer(const char* name) { return *scene.Layers.Find(QString::fromLatin1(name)); }

    // What a redraw stores for hit-testing: the Corners and the selection bounds.
    void Render() { UpdateCornersAndSelectionBounds(state); }
    void Select(std::initializer_list<const char*> names) {
        SelectNoLayer(scene);
        for (const char* n : names)
            Layer(n).Selected = true;
        RecomputeSelection(state);
        Render();
    }
    QStringList Selected() const {
        QStringList names;
        for (int i = 0; i < scene.Layers.Count(); ++i)
            if (scene.Layers.At(i)->Selected) names << scene.Layers.Name(i);
        return names;
    }

    void Hover(int x, int y, TShiftState shift = 0) { canvas.MouseMove(shift, x, y, now += 100); }
    void Click(int x, int y, TShiftState shift = 0) {
        Hover(x, y, shift);
        ClickInPlace(x, y, shift);
    }
    // A click without moving the mouse first: the zone stays as the last move left it.
    void ClickInPlace(int x, int y, TShiftState shift = 0) {
        canvas.MouseDown(shift | ssLeft, x, y, now += 100);
        canvas.MouseUp(shift, x, y);
        Render();
    }
    // Presses the left button at `from`, moves through `to` (each step after the click guard), releases.
    // `held` is pressed during the moves only (Shift pressed after the button).
    void Drag(int fx, int fy, std::initializer_list<std::pair<int, int>> to, TShiftState shift = 0,
              TShiftState held = 0) {
        Hover(fx, fy, shift);
        canvas.MouseDown(shift | ssLeft, fx, fy, now += 100);
        int x = fx, y = fy;
        for (auto [tx, ty] : to) {
            canvas.MouseMove(shift | held | ssLeft, x = tx, y = ty, now += 100);
        }
        canvas.MouseUp(shift | held, x, y);
        Render();
    }

    TScene scene;
    TEditorState state{scene};
    TErrorLog log;
    TCanvasInteraction canvas{state};
    uint32_t now = 10000;
};

TEST_F(CanvasTest, ClickPicksTheTopLayerAndCtrlClicksWalkDownToAnEmptySelection) {
    Add("Bottom", 0, 0, 100, 100);
    Add("Middle", 20, 20, 100, 100);
    Add("Top", 40, 40, 100, 100);
    Add("Elsewhere", 400, 400, 50, 50);

    // Clicks in place: the pointer rests where the first click found no selection.
    Click(60, 60);
    EXPECT_EQ(Selected(), QStringList{"Top"});
    EXPECT_EQ(scene.CurrentLayer, &Layer("Top"));

    const char* expected[] = {"Middle", "Bottom", nullptr, "Top", "Middle"};
    for (const char* name : expected) {
        ClickInPlace(60, 60, ssCtrl);
        EXPECT_EQ(Selected(), name ? QStringList{QString::fromLatin1(name)} : QStringList{});
    }
    canvas.KeyUp(0); // Ctrl released: the next Ctrl-click starts one below the top again
    ClickInPlace(60, 60, ssCtrl);
    EXPECT_EQ(Selected(), QStringList{"Middle"});

    // Over the selection (zone 2) a Ctrl-click past the bottom keeps the last
    // one, so that Ctrl-dragging there resizes instead of dropping the selection.
    Hover(60, 60);
    ASSERT_EQ(canvas.Zone, 0x02u);
    ClickInPlace(60, 60, ssCtrl); // passes Top and Middle, selects Bottom
    ClickInPlace(60, 60, ssCtrl);
    EXPECT_EQ(Selected(), QStringList{"Bottom"});
}

TEST_F(CanvasTest, ClickOnEmptyCanvasClearsTheSelection) {
    Add("A", 0, 0, 100, 100);
    Select({"A"});
    Click(600, 600);
    EXPECT_TRUE(Selected().isEmpty());
    EXPECT_EQ(scene.SelectedCount, 0);
    EXPECT_EQ(scene.CurrentLayer, nullptr);
}

TEST_F(CanvasTest, ShiftClickAddsAndDeselects) {
    Add("A", 0, 0, 100, 100);
    Add("B", 200, 0, 100, 100);
    Add("C", 400, 0, 100, 100);
    Click(50, 50);
    Click(250, 50, ssShift);
    Click(450, 50, ssShift);
    EXPECT_EQ(Selected(), (QStringList{"A", "B", "C"}));
    Click(270, 70, ssShift); // away from the common origin at the centre (250, 50)
    EXPECT_EQ(Selected(), (QStringList{"A", "C"}));
    EXPECT_EQ(scene.SelectedCount, 2);
}

TEST_F(CanvasTest, PickingHonoursRotationVisibilityAndTheLockSwitch) {
    TImagesItem& bar = Add("Bar", 100, 100, 200, 20);
    bar.OrigoX = 100;
    bar.OrigoY = 10;
    bar.Angle = 90; // now a vertical bar through (200, 110)
    Render();
    Click(150, 110);
    EXPECT_TRUE(Selected().isEmpty()) << "outside the turned bar";
    Click(200, 30);
    EXPECT_EQ(Selected(), QStringList{"Bar"});

    TImagesItem& locked = Add("Locked", 500, 0, 100, 100);
    locked.Locked = true;
    Click(550, 50);
    EXPECT_TRUE(Selected().isEmpty());
    scene.Lock = false;
    Click(550, 50);
    EXPECT_EQ(Selected(), QStringList{"Locked"});

    TImagesItem& hidden = Add("Hidden", 700, 0, 100, 100);
    hidden.Shown = false;
    Click(750, 50);
    EXPECT_TRUE(Selected().isEmpty());
}

TEST_F(CanvasTest, DoubleClickPutsTheCommonOriginOnTheLayersOrigin) {
    TImagesItem& a = Add("A", 0, 0, 100, 100);
    Add("B", 300, 0, 100, 100);
    Select({"A", "B"});
    a.OrigoX = 10;
    a.OrigoY = 30;
    Click(50, 50, ssShift | ssDouble); // keeps both selected
    EXPECT_EQ(state.ToolPoint(-1).X, 10);
    EXPECT_EQ(state.ToolPoint(-1).Y, 30);
}

TEST_F(CanvasTest, DragMovesTheSelectionAndTheOriginAsOneUndoStep) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    TImagesItem& b = Add("B", 300, 100, 100, 50);
    TImagesItem& locked = Add("L", 500, 100, 100, 50);
    Select({"A", "B", "L"});
    locked.Locked = true;
    const double ox = state.ToolPoint(-1).X;
    Drag(150, 125, {{155, 127}, {170, 140}, {180, 150}});
    EXPECT_EQ(a.Left, 130);
    EXPECT_EQ(a.Top, 125);
    EXPECT_EQ(b.Left, 330);
    EXPECT_EQ(locked.Left, 500) << "locked layers are never dragged";
    EXPECT_EQ(state.ToolPoint(-1).X, ox + 30);
    EXPECT_TRUE(a.Changed);
    EXPECT_FALSE(scene.Saved);
    EXPECT_EQ(state.Undo.Top(), 1);
    EXPECT_EQ(log.UndoName, QStringLiteral("Mozgatás egérrel"));

    state.Undo.Undo();
    EXPECT_EQ(a.Left, 100);
    EXPECT_EQ(b.Top, 100);
    EXPECT_EQ(state.ToolPoint(-1).X, ox);
}

TEST_F(CanvasTest, MovesRightAfterTheClickAreIgnored) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    Select({"A"});
    Hover(150, 125);
    canvas.MouseDown(ssLeft, 150, 125, 5000);
    canvas.MouseMove(ssLeft, 170, 125, 5059);
    EXPECT_EQ(a.Left, 100);
    canvas.MouseMove(ssLeft, 171, 125, 5060);
    EXPECT_EQ(a.Left, 121);
}

TEST_F(CanvasTest, ShiftDragLocksToTheLargerAxisAfterFivePixels) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    Select({"A"});
    Drag(150, 125, {{153, 127}, {160, 129}, {180, 140}}, 0, ssShift);
    EXPECT_EQ(canvas.AxisLock, 2);
    EXPECT_EQ(a.Left, 130);
    EXPECT_EQ(a.Top, 100) << "the early vertical step is taken back once locked";
    canvas.KeyUp(0);
    EXPECT_EQ(canvas.AxisLock, 0);

    Drag(150, 125, {{151, 130}, {152, 145}}, 0, ssShift);
    EXPECT_EQ(a.Left, 130);
    EXPECT_EQ(a.Top, 120);
}

TEST_F(CanvasTest, HandleZonesFollowTheSelectionBounds) {
    Add("A", 100, 100, 100, 50);
    Select({"A"});               // bounds 100,100 - 200,150
    state.ToolPoint(-1).X = 600; // keep the origin's hand cursor out of the way
    const struct {
        int x, y;
        uint32_t zone;
        TCanvasCursor cursor;
    } cases[] = {
        {150, 125, 0x02, TCanvasCursor::SizeAll},  {150, 100, 0x24, TCanvasCursor::SizeNS},
        {100, 125, 0x44, TCanvasCursor::SizeWE},   {200, 150, 0x04, TCanvasCursor::SizeNWSE},
        {100, 100, 0x14, TCanvasCursor::SizeNWSE}, {200, 100, 0x0C, TCanvasCursor::SizeNESW},
        {100, 150, 0x1C, TCanvasCursor::SizeNESW}, {85, 85, 0x01, TCanvasCursor::Rotate},
        {215, 165, 0x01, TCanvasCursor::Rotate},   {300, 300, 0x00, TCanvasCursor::Default},
    };
    for (const auto& c : cases) {
        Hover(c.x, c.y);
        EXPECT_EQ(canvas.Zone, c.zone) << c.x << "," << c.y;
        EXPECT_EQ(canvas.Cursor, c.cursor) << c.x << "," << c.y;
    }
}

TEST_F(CanvasTest, CornerDragScalesProportionallyAboutTheCommonOrigin) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    TImagesItem& b = Add("B", 300, 100, 100, 50);
    Select({"A", "B"}); // bounds 100..400 x 100..150, origin at their centre (250, 125)
    ASSERT_EQ(state.ToolPoint(-1).X, 250);
    ASSERT_EQ(state.ToolPoint(-1).Y, 125);
    Drag(400, 150, {{430, 150}}); // bottom-right corner, 2 x 30 wider on 300
    EXPECT_DOUBLE_EQ(a.Width, 120);
    EXPECT_DOUBLE_EQ(a.Height, 60);
    EXPECT_DOUBLE_EQ(a.Left, 250 - 150 * 1.2);
    EXPECT_DOUBLE_EQ(a.Top, 125 - 25 * 1.2);
    EXPECT_DOUBLE_EQ(b.Left, 250 + 50 * 1.2);
    EXPECT_EQ(state.ToolPoint(-1).X, 250) << "the pivot stays";
}

TEST_F(CanvasTest, EdgeDragChangesOneSideOnly) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    Select({"A"});
    a.OrigoX = 50;
    a.OrigoY = 25;
    Select({"A"});
    state.ToolPoint(-1).X = 150;
    state.ToolPoint(-1).Y = 125;
    Drag(200, 125, {{210, 125}}); // right edge
    EXPECT_DOUBLE_EQ(a.Width, 120);
    EXPECT_DOUBLE_EQ(a.Height, 50);
    EXPECT_DOUBLE_EQ(a.Left, 100) << "the origin point sits on the pivot";
    EXPECT_DOUBLE_EQ(a.Top, 100);

    Drag(150, 100, {{150, 90}}); // top edge: the bounds grow upwards, so the height shrinks
    EXPECT_DOUBLE_EQ(a.Width, 120);
    EXPECT_DOUBLE_EQ(a.Height, 50 * 0.6);
}

TEST_F(CanvasTest, CtrlDragInsideResizesProportionallyFreelyOrInversely) {
    const struct {
        TShiftState keys;
        double width, height;
    } cases[] = {
        {ssCtrl, 120, 60},           // proportional: the height follows the width
        {ssCtrl | ssShift, 120, 54}, // free: the height by its own factor (50 + 2 x 2) / 50
        {ssCtrl | ssAlt, 120, 40},   // inverse: the height shrinks as the width grows
    };
    for (const auto& c : cases) {
        scene.Layers.Clear();
        TImagesItem& a = Add("A", 100, 100, 100, 50);
        Select({"A"});
        Drag(150, 125, {{160, 127}}, c.keys); // step (10, 2) on bounds 100 x 50
        EXPECT_DOUBLE_EQ(a.Width, c.width) << c.keys;
        EXPECT_DOUBLE_EQ(a.Height, c.height) << c.keys;
    }
}

TEST_F(CanvasTest, ResizeNeverReachesZeroSize) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    Select({"A"});
    Drag(200, 150, {{140, 150}}); // factor (100 - 120) / 100 is negative
    EXPECT_DOUBLE_EQ(a.Width, 100);
    EXPECT_DOUBLE_EQ(a.Height, 50);
    EXPECT_DOUBLE_EQ(a.Left, 100);
}

TEST_F(CanvasTest, RotateZoneTurnsTheSelectionAndTheStatusTurnsRedBeyondAFullTurn) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    a.OrigoX = 50;
    a.OrigoY = 25;
    Select({"A"}); // origin (150, 125)
    ASSERT_EQ(state.ToolPoint(-1).X, 150);
    // Around the origin at radius 100, starting in the bottom-right rotate zone.
    std::vector<std::pair<int, int>> path;
    const double start = std::atan2(41.0, 66.0), radius = std::hypot(41.0, 66.0);
    for (int step = 1; step <= 18 * 9; ++step) {
        const double t = start + step * M_PI / 36; // 5 degrees a step, as a hand turns
        path.emplace_back(int(std::lround(150 + radius * std::cos(t))),
                          int(std::lround(125 + radius * std::sin(t))));
    }
    Hover(216, 166);
    ASSERT_EQ(canvas.Zone, 0x01u);
    canvas.MouseDown(ssLeft, 216, 166, now += 100);
    for (int i = 0; i < 18; ++i)
        canvas.MouseMove(ssLeft, path[i].first, path[i].second, now += 100);
    EXPECT_NEAR(a.Angle, 90, 1);
    EXPECT_NEAR(a.Left, 100, 1e-9) << "the origin point is the pivot";
    EXPECT_FALSE(canvas.StatusRed);
    for (size_t i = 18; i < path.size(); ++i)
        canvas.MouseMove(ssLeft, path[i].first, path[i].second, now += 100);
    EXPECT_NEAR(canvas.TurnedAngle, 18 * 45, 2);
    EXPECT_TRUE(canvas.StatusRed);
    EXPECT_TRUE(canvas.Status.contains(QStringLiteral("a:")));
    canvas.MouseUp(0, path.back().first, path.back().second);
    EXPECT_NEAR(a.Angle, 18 * 45, 2);
}

TEST_F(CanvasTest, QuickAndSlowRotateDragsAcrossTheSeamTurnAlike) {
    // From the bottom-right rotate zone straight up past the origin's level:
    // the pointer's angle crosses 0/360 within one step, however long the step.
    const double start = std::atan2(166.0 - 125, 216.0 - 150) * 180 / M_PI;
    const double end = std::atan2(40.0 - 125, 216.0 - 150) * 180 / M_PI;
    for (int steps : {6, 80}) {
        SCOPED_TRACE(steps);
        scene.Layers.Clear();
        TImagesItem& a = Add("A", 100, 100, 100, 50);
        a.OrigoX = 50;
        a.OrigoY = 25;
        Select({"A"}); // origin (150, 125)
        Hover(216, 166);
        ASSERT_EQ(canvas.Zone, 0x01u);
        canvas.MouseDown(ssLeft, 216, 166, now += 100);
        for (int i = 1; i <= steps; ++i)
            canvas.MouseMove(ssLeft, 216, int(std::lround(166 - 126.0 * i / steps)), now += 100);
        canvas.MouseUp(0, 216, 40);
        EXPECT_NEAR(a.Angle, end - start, 1e-6);
        EXPECT_NEAR(canvas.TurnedAngle, end - start, 1e-6);
        EXPECT_FALSE(canvas.StatusRed);
    }
}

TEST_F(CanvasTest, AltDragRotatesOtherLayersAboutTheOrigin) {
    TImagesItem& a = Add("A", 0, 0, 20, 20);
    Add("B", 200, 0, 20, 20);
    Select({"A", "B"});
    state.ToolPoint(-1).X = 100;
    state.ToolPoint(-1).Y = 10;
    // The pointer goes from straight right of the origin (100, 10) to straight
    // below it: exactly a quarter turn clockwise.
    Hover(210, 10, ssAlt);
    canvas.MouseDown(ssAlt | ssLeft, 210, 10, now += 100);
    canvas.MouseMove(ssAlt | ssLeft, 100, 120, now += 100);
    canvas.MouseUp(ssAlt, 100, 120);
    EXPECT_NEAR(canvas.TurnedAngle, 90, 1e-9);
    EXPECT_NEAR(a.Angle, 90, 1e-9);
    // A's corner (0, 0), 100 left of and 10 above the origin, ends 10 right of and 100 above it.
    EXPECT_NEAR(a.Left, 110, 1e-9);
    EXPECT_NEAR(a.Top, -90, 1e-9);
}

TEST_F(CanvasTest, LinkedChildMovesOnlyWithItsTopmostAncestor) {
    TImagesItem& root = Add("Root", 0, 0, 50, 50);
    TImagesItem& mid = Add("Mid", 100, 0, 50, 50);
    TImagesItem& child = Add("Child", 200, 0, 50, 50);
    mid.Parent = QStringLiteral("Root");
    child.Parent = QStringLiteral("mid"); // names are found ignoring case
    state.SkeltonDown = false;            // no sub-tree selection: pick exactly these

    Select({"Mid", "Child"});
    Drag(225, 25, {{235, 25}});
    EXPECT_EQ(child.Left, 200);
    EXPECT_EQ(mid.Left, 100);

    Select({"Root", "Child"});
    Drag(225, 25, {{235, 25}});
    EXPECT_EQ(child.Left, 210);
    EXPECT_EQ(root.Left, 10);

    state.LinkDown = false;
    Select({"Child"});
    Drag(235, 25, {{245, 25}});
    EXPECT_EQ(child.Left, 220);
}

TEST_F(CanvasTest, BrokenParentChainsCountAsTheirOwnAncestor) {
    TImagesItem& orphan = Add("Orphan", 0, 0, 50, 50);
    TImagesItem& a = Add("A", 100, 0, 50, 50);
    TImagesItem& b = Add("B", 200, 0, 50, 50);
    orphan.Parent = QStringLiteral("Missing");
    a.Parent = QStringLiteral("B");
    b.Parent = QStringLiteral("A");
    EXPECT_EQ(TopmostAncestor(scene, orphan), &orphan);
    EXPECT_EQ(TopmostAncestor(scene, a), &a);
    state.SkeltonDown = false;
    Select({"Orphan", "A"});
    Drag(25, 25, {{35, 25}});
    EXPECT_EQ(orphan.Left, 10);
    EXPECT_EQ(a.Left, 110);
}

TEST_F(CanvasTest, GroupEditingSelectsTheWholeSubTree) {
    Add("Root", 0, 0, 50, 50);
    Add("Kid", 100, 0, 50, 50).Parent = QStringLiteral("Root");
    Add("Grandkid", 200, 0, 50, 50).Parent = QStringLiteral("Kid");
    Add("Other", 300, 0, 50, 50);
    Click(25, 25);
    EXPECT_EQ(Selected(), (QStringList{"Root", "Kid", "Grandkid"}));
    EXPECT_EQ(scene.SelectedCount, 3);
    EXPECT_EQ(state.SceneSelectionBounds, (TRectI{0, 0, 250, 50}));
    EXPECT_EQ(state.ToolPoint(-1).X, 125) << "origin at the centre of the bounds";
}

TEST_F(CanvasTest, OriginIsRecomputedOnlyWhenTheSelectionChanges) {
    Add("A", 0, 0, 100, 100);
    TImagesItem& b = Add("B", 200, 0, 100, 100);
    Select({"A", "B"});
    EXPECT_EQ(state.ToolPoint(-1).X, 150);
    state.ToolPoint(-1).X = 7;
    RecomputeSelection(state);
    EXPECT_EQ(state.ToolPoint(-1).X, 7) << "same selection, same signature";
    b.ListState = 1; // key layer
    Select({"A"});
    Select({"A", "B"});
    EXPECT_EQ(state.ToolPoint(-1).X, 200);
    EXPECT_EQ(scene.CurrentLayer, &b);
}

TEST_F(CanvasTest, EverySelectionChangeRecomputesTheOrigin) {
    // Pairs of selections (layer indices) that follow each other; the second
    // always differs from the first, so its origin is computed afresh.
    const struct {
        std::vector<int> before, after;
        double originX;
    } cases[] = {
        {{}, {0}, 0},          // the bottom layer alone after an empty selection
        {{3, 4}, {0, 5}, 255}, // same count, same sum of squares
        {{1}, {0, 1}, 55},
        {{0, 1}, {1}, 100},
    };
    const char* names[] = {"L0", "L1", "L2", "L3", "L4", "L5"};
    for (int i = 0; i < 6; ++i)
        Add(names[i], i * 100, 0, 10, 10);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.after));
        SelectNoLayer(scene);
        for (int i : c.before)
            scene.Layers.At(i)->Selected = true;
        RecomputeSelection(state);
        state.ToolPoint(-1).X = -1;
        SelectNoLayer(scene);
        for (int i : c.after)
            scene.Layers.At(i)->Selected = true;
        RecomputeSelection(state);
        EXPECT_EQ(state.ToolPoint(-1).X, c.originX);
    }
}

TEST_F(CanvasTest, MarqueeSelectsIntersectingUnlockedLayersInWindowPixels) {
    state.Zoom = 2;
    state.FrameOffsetX = 30;
    state.FrameOffsetY = 10;
    Add("A", 0, 0, 50, 50);
    Add("B", 100, 0, 50, 50);
    Add("Far", 400, 400, 50, 50);
    Add("Locked", 60, 20, 20, 20).Locked = true;
    ASSERT_TRUE(canvas.StartMarqueeMode(0));
    EXPECT_EQ(canvas.Cursor, TCanvasCursor::Drag);
    // Dragged up and to the left, from target (120, 30) to (40, 10).
    Drag(30 + 240, 10 + 60, {{30 + 80, 10 + 20}});
    EXPECT_EQ(Selected(), (QStringList{"A", "B"}));
    EXPECT_FALSE(state.SelectModeDown);
    EXPECT_FALSE(canvas.MarqueeActive);
    EXPECT_EQ(state.Undo.Top(), 0) << "selecting is not an edit";
}

TEST_F(CanvasTest, MarqueeModeIsRefusedWithCtrlOrWhileTheButtonIsHeld) {
    EXPECT_FALSE(canvas.StartMarqueeMode(ssCtrl));
    canvas.MouseDown(ssLeft, 5, 5, now);
    EXPECT_FALSE(canvas.StartMarqueeMode(0));
    canvas.MouseUp(0, 5, 5);
    EXPECT_TRUE(canvas.StartMarqueeMode(0));
}

TEST_F(CanvasTest, ZoomStopsAtHalfAndDoubleAndCentresTheCurrentLayer) {
    TImagesItem& a = Add("A", 300, 200, 100, 100);
    a.OrigoX = 50;
    a.OrigoY = 50;
    Select({"A"});
    canvas.ScrollBoxWidth = 400;
    canvas.ScrollBoxHeight = 300;
    std::pair<int, int> scrolled{-1, -1};
    canvas.ScrollTo = [&](int x, int y) { scrolled = {x, y}; };

    EXPECT_FALSE(canvas.Wheel(120, ssCtrl | ssShift)) << "only exactly Ctrl zooms";
    EXPECT_DOUBLE_EQ(state.Zoom, 1.0);
    for (int i = 0; i < 15; ++i)
        canvas.Wheel(10, ssCtrl);
    EXPECT_DOUBLE_EQ(state.Zoom, 2.0);
    EXPECT_EQ(scrolled, (std::pair<int, int>{350 * 2 - 200, 250 * 2 - 150}));
    EXPECT_TRUE(canvas.Status.endsWith(QStringLiteral("Zoom:200%")));
    for (int i = 0; i < 30; ++i)
        canvas.Wheel(-10, ssCtrl);
    EXPECT_DOUBLE_EQ(state.Zoom, 0.5);
    EXPECT_TRUE(canvas.Status.endsWith(QStringLiteral("Zoom:50%")));
}

TEST_F(CanvasTest, PointerAndStatusUseTargetPixels) {
    state.Zoom = 0.5;
    state.FrameOffsetX = 100;
    state.FrameOffsetY = 20;
    Hover(150, 70);
    EXPECT_EQ(canvas.PointerX, 100);
    EXPECT_EQ(canvas.PointerY, 100);
    EXPECT_EQ(canvas.Status, QStringLiteral("x:100, y:100\tZoom:50%"));
}

TEST_F(CanvasTest, DragStatusShowsTheSizeOfTheGesture) {
    Add("A", 100, 100, 100, 50);
    Select({"A"});
    Hover(150, 125);
    canvas.MouseDown(ssLeft, 150, 125, now += 100);
    canvas.MouseMove(ssLeft, 160, 120, now += 100);
    EXPECT_EQ(canvas.Status, QStringLiteral("x:160, y:120\tZoom:100%\tw:10, h:-5, a:0"));
}

TEST_F(CanvasTest, MiddleButtonScrollsAndCtrlMiddleShiftsTheFrameWithinThePanel) {
    std::vector<std::pair<int, int>> scrolls;
    canvas.ScrollBy = [&](int dx, int dy) { scrolls.emplace_back(dx, dy); };
    canvas.MouseDown(ssMiddle, 100, 100, now += 100);
    canvas.MouseMove(ssMiddle, 90, 95, now += 100);
    canvas.MouseMove(ssMiddle, 80, 90, now += 100); // the canvas moved under the pointer: not a pan
    canvas.MouseMove(ssMiddle, 70, 85, now += 100);
    EXPECT_EQ(scrolls, (std::vector<std::pair<int, int>>{{10, 5}, {10, 5}}));

    canvas.PanelWidth = 1100; // room for 76 pixels of offset
    Hover(0, 0);
    canvas.MouseDown(ssCtrl | ssMiddle, 100, 100, now += 100);
    canvas.MouseMove(ssCtrl | ssMiddle, 150, 130, now += 100);
    EXPECT_EQ(state.FrameOffsetX, 50);
    EXPECT_EQ(state.FrameOffsetY, 30);
    canvas.MouseMove(ssCtrl | ssMiddle, 150, 130, now += 100); // after a pan
    canvas.MouseMove(ssCtrl | ssMiddle, 300, 10, now += 100);
    EXPECT_EQ(state.FrameOffsetX, 76);
    EXPECT_EQ(state.FrameOffsetY, 0);
}

TEST_F(CanvasTest, TenNudgesAreOneUndoStepAndAPropertyEditSplitsThem) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    Select({"A"});
    const double ox = state.ToolPoint(-1).X;
    for (int i = 0; i < 10; ++i)
        canvas.KeyboardNudge(1, 0, 0, 0);
    EXPECT_EQ(a.Left, 110);
    EXPECT_EQ(state.ToolPoint(-1).X, ox + 10);
    EXPECT_EQ(state.Undo.Top(), 1);
    EXPECT_EQ(log.Lines().count(QStringLiteral("Mozgatás gombokkal")), 1);

    canvas.KeyboardNudge(0, -10, 0, 0);
    state.Undo.Record(TUndoBuffer::kindProperty);
    a.Alpha = 20;
    canvas.KeyboardNudge(0, -10, 0, 0);
    EXPECT_EQ(state.Undo.Top(), 3);
    EXPECT_EQ(a.Top, 80);
}

TEST_F(CanvasTest, CtrlArrowsScaleAndRotateAboutTheOrigin) {
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    Select({"A"});
    state.ToolPoint(-1).X = 100;
    state.ToolPoint(-1).Y = 100;
    canvas.KeyboardNudge(0, 0, 10, 0); // bounds width 100 grows by 10
    EXPECT_DOUBLE_EQ(a.Width, 110);
    EXPECT_DOUBLE_EQ(a.Height, 55);
    canvas.KeyboardNudge(0, 0, 0, -10);
    EXPECT_DOUBLE_EQ(a.Angle, -10);
    EXPECT_NEAR(a.Left, 100, 1e-9);
}

TEST_F(CanvasTest, ArrowKeysMoveScaleAndTurnByTheirSteps) {
    using TArrow = TCanvasInteraction::TArrow;
    const struct {
        TArrow arrow;
        TShiftState shift;
        double left, top, width, angle;
    } cases[] = {
        {TArrow::Left, 0, 99, 100, 100, 0},
        {TArrow::Right, 0, 101, 100, 100, 0},
        {TArrow::Up, 0, 100, 99, 100, 0},
        {TArrow::Down, ssShift, 100, 110, 100, 0},
        {TArrow::Left, ssShift, 90, 100, 100, 0},
        {TArrow::Right, ssCtrl, 100, 100, 101, 0}, // the bounds widen by one pixel
        {TArrow::Left, ssCtrl | ssShift, 100, 100, 90, 0},
        {TArrow::Up, ssCtrl, 100, 100, 100, -1},
        {TArrow::Down, ssCtrl | ssShift, 100, 100, 100, 10},
    };
    TImagesItem& a = Add("A", 100, 100, 100, 50);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.arrow) << " shift " << c.shift);
        a.Left = a.Top = 100;
        a.Width = 100;
        a.Height = 50;
        a.Angle = 0;
        Select({"A"});
        // The origin on the layer's origin point: scaling and turning leave it in place.
        state.ToolPoint(-1).X = 100;
        state.ToolPoint(-1).Y = 100;
        ASSERT_TRUE(canvas.ArrowKey(c.arrow, c.shift));
        EXPECT_NEAR(a.Left, c.left, 1e-9);
        EXPECT_NEAR(a.Top, c.top, 1e-9);
        EXPECT_NEAR(a.Width, c.width, 1e-9);
        EXPECT_NEAR(a.Angle, c.angle, 1e-9);
    }
    // Nothing selected: the keys are left to others and no step is recorded.
    Select({});
    const int32_t top = state.Undo.Top();
    EXPECT_FALSE(canvas.ArrowKey(TArrow::Left, 0));
    EXPECT_EQ(a.Left, 100);
    EXPECT_EQ(state.Undo.Top(), top);
}

TEST_F(CanvasTest, FullPlayClickStartsTouchOnlyOnTouchableLayers) {
    TImagesItem& idle = Add("Idle", 0, 0, 100, 100);
    idle.Touch1.Track[1].Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("1")));
    TImagesItem& button = Add("Button", 200, 0, 100, 100);
    button.Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("1")));
    TImagesItem& quiet = Add("Quiet", 400, 0, 100, 100);
    quiet.Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("1")));
    quiet.PlayAnim = 3;
    std::vector<TImagesItem*> touched;
    canvas.TouchStart = [&](TImagesItem& l) { touched.push_back(&l); };
    scene.Playing = scene.FullPlay = true;

    Click(50, 50);
    EXPECT_TRUE(touched.empty()) << "an empty first Touch1 track makes the layer untouchable";
    Click(250, 50);
    Click(450, 50);
    EXPECT_EQ(touched, std::vector<TImagesItem*>{&button});

    // The layer selected before play stays current; a click on it, over the
    // selection frame, must not touch it either.
    scene.Playing = scene.FullPlay = false;
    Select({"Idle"});
    scene.Playing = scene.FullPlay = true;
    Hover(50, 50);
    ASSERT_EQ(canvas.Zone, 0x02u);
    ClickInPlace(50, 50);
    EXPECT_EQ(touched, std::vector<TImagesItem*>{&button});

    touched.clear();
    scene.FullPlay = false; // preview: clicks do not touch
    Click(250, 50);
    EXPECT_TRUE(touched.empty());
}

TEST_F(CanvasTest, FullPlayClickStartsThePlayersTouchAnimation) {
    TManualClock clock;
    TPlayer player(scene, clock);
    canvas.TouchStart = [&](TImagesItem& l) { player.TouchStart(l); };
    TImagesItem& idle = Add("Idle", 0, 0, 100, 100);
    idle.Touch1.Track[1].Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("1")));
    TImagesItem& button = Add("Button", 200, 0, 100, 100);
    button.Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("1")));
    scene.Playing = scene.FullPlay = true;

    Click(50, 50);
    EXPECT_FALSE(idle.TouchRunning);
    EXPECT_EQ(idle.TouchIndex, 0);
    EXPECT_EQ(idle.ActiveAnimation(), int(TImagesItem::animBase));

    Click(250, 50);
    EXPECT_EQ(button.TouchIndex, 1);
    EXPECT_EQ(button.ActiveAnimation(), int(TImagesItem::animTouch1));
}

TEST_F(CanvasTest, FullPlayClickOnTheSelectedLayerTouchesItThroughTheOriginAndHandles) {
    TImagesItem& ball = Add("Ball", 100, 100, 100, 100);
    ball.Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("1")));
    Select({"Ball"});
    state.ToolPoint(-1).X = 150; // the common origin sits on the ball's centre
    state.ToolPoint(-1).Y = 150;
    std::vector<TImagesItem*> touched;
    canvas.TouchStart = [&](TImagesItem& l) { touched.push_back(&l); };
    scene.Playing = scene.FullPlay = true;

    // The centre (under the origin), a second tap there, and a corner handle.
    Click(150, 150);
    EXPECT_EQ(state.GrabbedPoint, 0);
    Click(150, 150);
    Hover(102, 102);
    ASSERT_NE(canvas.Zone & TCanvasInteraction::zoneResize, 0u);
    ClickInPlace(102, 102);
    EXPECT_EQ(touched, (std::vector<TImagesItem*>{&ball, &ball, &ball}));
    EXPECT_EQ(state.GrabbedPoint, 0);

    // A drag during play moves neither the ball nor the origin.
    Drag(150, 150, {{190, 170}});
    EXPECT_EQ(ball.Left, 100);
    EXPECT_EQ(ball.Top, 100);
    EXPECT_EQ(state.ToolPoint(-1).X, 150);
    EXPECT_EQ(state.ToolPoint(-1).Y, 150);
}

TEST_F(CanvasTest, DragStepsAndNudgesTellTheListenersThatTheLayersValuesChanged) {
    Add("A", 100, 100, 100, 50);
    int heard = 0, heardToo = 0;
    state.LayerValuesChanged.Subscribe([&] { ++heard; });
    const int second = state.LayerValuesChanged.Subscribe([&] { ++heardToo; });

    Click(150, 120); // selects: no values change
    EXPECT_EQ(heard, 0);
    Drag(150, 120, {{160, 125}, {170, 130}});
    EXPECT_EQ(Layer("A").Left, 120);
    EXPECT_EQ(heard, 2) << "once per drag step";
    EXPECT_TRUE(canvas.ArrowKey(TCanvasInteraction::TArrow::Right, 0));
    EXPECT_EQ(heard, 3);
    EXPECT_EQ(heardToo, 3);

    state.LayerValuesChanged.Unsubscribe(second);
    EXPECT_TRUE(canvas.ArrowKey(TCanvasInteraction::TArrow::Down, ssShift));
    EXPECT_EQ(heard, 4);
    EXPECT_EQ(heardToo, 3);
}

TEST_F(CanvasTest, GrabbedOriginFollowsThePointer) {
    Add("A", 100, 100, 100, 50);
    Select({"A"});
    state.ToolPoint(-1).X = 300;
    state.ToolPoint(-1).Y = 300;
    Hover(303, 298);
    EXPECT_EQ(canvas.Cursor, TCanvasCursor::HandPoint);
    Drag(303, 298, {{320, 330}});
    EXPECT_EQ(state.ToolPoint(-1).X, 320);
    EXPECT_EQ(state.ToolPoint(-1).Y, 330);
    EXPECT_EQ(Layer("A").Left, 100);
}

TEST_F(CanvasTest, ClickOnAPathPointDeletesItAndOnTheSegmentInsertsOne) {
    int recomputed = 0;
    state.RecomputeToolPoints = [&] { ++recomputed; };
    state.ToolMode = TToolMode::Curve;
    state.ToolCount = 6;
    for (int i = 1; i <= 6; ++i)
        state.ToolPoint(i) = {100.0 * i, 500, 0, 0.1 * i, nullptr};
    Click(452, 500); // between points 4 (400) and 5 (500)
    ASSERT_EQ(state.ToolCount, 7);
    EXPECT_DOUBLE_EQ(state.ToolPoint(5).Param, 0.45);
    EXPECT_DOUBLE_EQ(state.ToolPoint(6).X, 500);
    Click(500, 503); // path point 6 now
    EXPECT_EQ(state.ToolCount, 6);
    EXPECT_DOUBLE_EQ(state.ToolPoint(6).X, 600);
    EXPECT_EQ(recomputed, 2);
}

TEST_F(CanvasTest, DraggingTheCurveStartCarriesTheWholeCurve) {
    state.ToolMode = TToolMode::Curve;
    state.ToolCount = 5;
    state.ToolPoint(1) = {300, 0, 0, 0, nullptr};
    state.ToolPoint(2) = {100, -100, 0, 0, nullptr};
    state.ToolPoint(3) = {200, 100, 0, 0, nullptr};
    state.ToolPoint(4) = {0, 200, 0, 0, nullptr};
    state.ToolPoint(5) = {0, 0, 0, 0.5, nullptr};
    state.ToolPoint(4).Y = 0;
    state.ToolPoint(-1).X = 900; // out of the way
    Drag(0, 0, {{10, 20}});
    EXPECT_EQ(state.ToolPoint(4).X, 10);
    EXPECT_EQ(state.ToolPoint(1).X, 310);
    EXPECT_EQ(state.ToolPoint(2).Y, -80);
    EXPECT_DOUBLE_EQ(state.ToolPoint(5).X, 160) << "the curve's middle at t = 0.5";
    EXPECT_DOUBLE_EQ(state.ToolPoint(5).Y, 20);
}

TEST_F(CanvasTest, DraggingTheEllipseCentreCarriesItsAxesAndPath) {
    state.ToolMode = TToolMode::Ellipse;
    state.ToolCount = 6;
    state.ToolPoint(1) = {100, 100, 0, 0, nullptr};
    state.ToolPoint(2) = {150, 130, 0, 0, nullptr}; // semi-axes 50 and 30
    state.ToolPoint(3) = {100, 100, 0, 0, nullptr};
    state.ToolPoint(4) = {200, 100, 0, 0, nullptr}; // start angle 0
    state.ToolPoint(5) = {0, 0, 0, 0, nullptr};
    state.ToolPoint(6) = {0, 0, 0, 90, nullptr};
    state.ToolPoint(-1).X = 900;
    state.GrabbedPoint = 0;
    Hover(100, 100);
    canvas.MouseDown(ssLeft, 100, 100, now += 100);
    ASSERT_EQ(state.GrabbedPoint, 1) << "point 1 lies under point 3 and comes first";
    canvas.MouseMove(ssLeft, 110, 100, now += 100);
    canvas.MouseUp(0, 110, 100);
    EXPECT_EQ(state.ToolPoint(4).X, 210);
    EXPECT_DOUBLE_EQ(state.ToolPoint(5).X, 160);
    EXPECT_DOUBLE_EQ(state.ToolPoint(5).Y, 100);
    EXPECT_DOUBLE_EQ(state.ToolPoint(6).X, 110);
    EXPECT_DOUBLE_EQ(state.ToolPoint(6).Y, 130);
}

TEST_F(CanvasTest, OriginIsNotGrabbedWhileNothingIsSelected) {
    // The origin is not drawn without a selection; a click there picks the layer under it.
    Add("A", 462, 334, 100, 100);
    Click(512, 384);
    EXPECT_EQ(state.GrabbedPoint, 0);
    EXPECT_EQ(Selected(), QStringList{"A"});
}

} // namespace
} // namespace velkon

namespace velkon {
namespace {

// Layers at the ends of the int range (Left=2147483647 is a valid file value,
// and so is a picture named "x(2147483647,5).png"): corners, bounds and the
// common origin are clamped where they are stored, never wrapped round, and
// hovering, dragging and nudging such a selection stays in range.
TEST_F(CanvasTest, GeometryAtTheEndsOfTheIntRangeIsClampedNotWrapped) {
    constexpr double kMax = 2147483647.0, kMin = -2147483648.0;
    const struct {
        const char* Why;
        double Left, Top, Width, Height, Angle, Zoom;
    } cases[] = {
        {"Left at the largest int", kMax, 10, 100, 50, 0, 1},
        {"Left and Top at the smallest int", kMin, kMin, 100, 100, 0, 1},
        {"Top near the largest int, zoomed", 10, kMax - 10, 100, 100, 0, 2},
        {"the widest layer from the smallest int", kMin, 0, kMax, 10, 0, 1},
        {"turned at the largest int", kMax, kMax, 100, 100, 45, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        scene.Layers.Clear();
        scene.CurrentLayer = nullptr;
        state.Zoom = c.Zoom;
        TImagesItem& l = Add("Far", c.Left, c.Top, c.Width, c.Height);
        l.Angle = c.Angle;
        Select({"Far"});
        // Corners lie on the layer's side of the range: nothing wraps to the other end.
        for (int i = 0; i < 4; ++i) {
            if (c.Left > 1e9) {
                EXPECT_GT(l.CornersX[i], 1000000000) << i;
            }
            if (c.Left < -1e9 && c.Width < 1e9) {
                EXPECT_LT(l.CornersX[i], -1000000000) << i;
            }
            if (c.Top > 1e9) {
                EXPECT_GT(l.CornersY[i], 1000000000) << i;
            }
        }
        const TRectI& b = state.SelectionBounds;
        EXPECT_LE(b.Left, b.Right);
        EXPECT_LE(b.Top, b.Bottom);
        EXPECT_FALSE(b.Left == INT32_MIN && b.Right == INT32_MAX) << "the selection spans the whole range";
        const TRectI& s = state.SceneSelectionBounds;
        EXPECT_LE(s.Left, s.Right);
        EXPECT_LE(s.Top, s.Bottom);
        if (c.Left > 1e9) {
            EXPECT_GT(s.Left, 1000000000);
        }
        const TToolPoint& origin = state.ToolPoint(-1);
        EXPECT_TRUE(std::isfinite(origin.X) && std::isfinite(origin.Y));
        EXPECT_GE(origin.X, kMin);
        EXPECT_LE(origin.X, kMax);

        // Hovering the canvas, a drag across it and nudges of every kind.
        Hover(200, 200);
        Drag(200, 200, {{230, 215}});
        canvas.KeyboardNudge(1, -1, 5, 2);
        canvas.ArrowKey(TCanvasInteraction::TArrow::Left, ssCtrl);
        Render();
        EXPECT_TRUE(std::isfinite(l.Left) && std::isfinite(l.Top) && std::isfinite(l.Width));
        EXPECT_LE(state.SelectionBounds.Left, state.SelectionBounds.Right);
    }
}

} // namespace
} // namespace velkon
