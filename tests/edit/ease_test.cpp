#include "edit/ease.h"

#include "edit/editorstate.h"
#include "model/errorlog.h"
#include "model/imagesitem.h"

#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/velkonerror.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(Ease, DurationOpensAsStraightLineAndStoresAtOnce) {
    TCommandItem move(cmdMoveTo, "10", "20", "2");
    TEaseDesign design;
    ASSERT_TRUE(design.Load(move));
    EXPECT_EQ(design.Handles, (std::array<int, 4>{220, 240, 260, 280}));
    EXPECT_EQ(design.Effect, effIn);
    EXPECT_EQ(design.Properties, (std::array<bool, 6>{true, true, true, true, true, true}));
    EXPECT_EQ(design.Duration, "2");
    EXPECT_EQ(design.CoefficientText(), "1,0, 0,0, 0,0, 0,0, 0,0");
    ASSERT_TRUE(design.Store(move));
    EXPECT_EQ(move.sParam3(), "Ease(d=2e=1009f=0,0g=0,0h=0,0i=0,0j=1,0)");
    EXPECT_EQ(move.sParam1(), "10");
}

TEST(Ease, PresetsPlaceHandles) {
    struct TCase {
        int Preset;
        std::array<int, 4> Handles;
        const char* Shown;
    };
    const TCase cases[] = {
        {0, {220, 240, 260, 280}, "1,0, 0,0, 0,0, 0,0, 0,0"},
        {1, {200, 200, 200, 200}, "0,0, 0,0, 0,0, 0,0, 1,0"},
        {4, {200, 210, 230, 260}, "0,0, 1,0, 0,0, 0,0, 0,0"},
        {5, {200, 170, 150, 180}, "0,0, -3,0, 4,0, 0,0, 0,0"},
        {7, {200, 150, 370, 0}, "0,0, -5,0, 32,0, -59,0, 33,0"},
    };
    for (const TCase& c : cases) {
        TEaseDesign design;
        design.ApplyPreset(c.Preset);
        EXPECT_EQ(design.Handles, c.Handles) << EasePresets()[c.Preset].Name;
        EXPECT_EQ(design.CoefficientText(), c.Shown) << EasePresets()[c.Preset].Name;
    }
}

TEST(Ease, HandlesAndCoefficientsBothWays) {
    // The smooth S-curve 3t^2 - 2t^3.
    const TEaseControls p = ControlsFromCoefficients({0, 3, -2, 0, 0});
    EXPECT_DOUBLE_EQ(p[0], 0);
    EXPECT_DOUBLE_EQ(p[1], 0.3);
    EXPECT_DOUBLE_EQ(p[2], 0.7);
    EXPECT_DOUBLE_EQ(p[3], 1);
    const TEaseCoefficients a = CoefficientsFromControls({0, 0.3, 0.7, 1});
    const double expected[5] = {0, 3, -2, 0, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(a[i], expected[i], 1e-12) << i;
    EXPECT_EQ(HandleOfControl(-0.25), 175);
    EXPECT_DOUBLE_EQ(ControlOfHandle(350), 1.5);
}

TEST(Ease, FlagsFromEffectAndProperties) {
    TEaseDesign design;
    design.Effect = effOut;
    design.Properties = {true, true, false, false, false, false};
    EXPECT_EQ(design.Flags(), 50);
    design.Effect = effInOut;
    design.Properties = {false, false, false, false, false, true};
    EXPECT_EQ(design.Flags(), 516);
}

TEST(Ease, TextReadBackWithRoundedCoefficients) {
    TEaseDesign design;
    design.Load("Ease(d=1,5e=50f=0,4g=0h=-2,6i=3,2j=0)");
    EXPECT_EQ(design.Duration, "1,5");
    EXPECT_EQ(design.Effect, effOut);
    EXPECT_EQ(design.Properties, (std::array<bool, 6>{true, true, false, false, false, false}));
    // Rounded: a5 0, a4 0, a3 -3, a2 3, a1 0 (the curve of the rounded values).
    EXPECT_EQ(design.Handles, (std::array<int, 4>{200, 230, 260, 260}));
    EXPECT_EQ(design.Flags(), 50);

    design.Load("EASE(d=3e=4f=0g=0h=0i=1j=0)");
    EXPECT_EQ(design.Effect, effInOut);
    EXPECT_EQ(design.Duration, "3");
}

TEST(Ease, BrokenTextsOpenWithoutFailing) {
    for (const char* text :
         {"Ease(", "Ease()", "ease(d=e=f=g=h=i=j=)", "Ease(d=xe=yf=1e999g=zj=", "Ease(j=5)",
          "Ease(d=1e=99999999999999999999f=0g=0h=0i=0j=1e300)", "Ease(d=1e=1f=0g=0h=1e308i=-1e308j=1e308)"}) {
        TEaseDesign design;
        design.Load(QString::fromLatin1(text));
        for (int x : design.Handles)
            EXPECT_TRUE(x >= -1000200 && x <= 1000200) << text << " " << x;
        EXPECT_EQ(design.CurvePoints().size(), 101u) << text;
    }
}

TEST(Ease, CurvePointsOfTheThreeEffects) {
    TEaseDesign design;
    design.ApplyPreset(4); // t^2
    auto points = design.CurvePoints();
    ASSERT_EQ(points.size(), 101u);
    EXPECT_EQ(points[0], QPoint(100, 200));
    EXPECT_EQ(points[50], QPoint(150, 175));
    EXPECT_EQ(points[100], QPoint(200, 100));
    design.Effect = effOut;
    points = design.CurvePoints();
    EXPECT_EQ(points[0], QPoint(100, 200));
    EXPECT_EQ(points[50], QPoint(150, 125));
    EXPECT_EQ(points[100], QPoint(200, 100));
    design.Effect = effInOut;
    points = design.CurvePoints();
    EXPECT_EQ(points[25], QPoint(125, 188)); // 100 * 0.25 / 2 = 12.5 rounds to 12
    EXPECT_EQ(points[49], QPoint(149, 152));
    EXPECT_EQ(points[50], QPoint(150, 150));
    EXPECT_EQ(points[75], QPoint(175, 112));
}

TEST(Ease, TestBallPositions) {
    TEaseDesign design;
    design.ApplyPreset(4); // t^2
    EXPECT_EQ(design.BallX(0), 100);
    EXPECT_EQ(design.BallX(50), 150);
    EXPECT_EQ(design.BallX(100), 300);
    EXPECT_EQ(design.BallX(101), 300);
    design.Effect = effOut;
    EXPECT_EQ(design.BallX(50), 250);
    design.Effect = effInOut;
    EXPECT_EQ(design.BallX(25), 125);
    EXPECT_EQ(design.BallX(50), 200);
    EXPECT_EQ(design.BallX(75), 275);
}

TEST(Ease, StoreWritesTheDurationParameterByKind) {
    struct TCase {
        int Command;
        int Param;
    };
    const TCase cases[] = {{cmdMoveTo, 3}, {cmdRelativeMoveTo, 3}, {cmdReSize, 3}, {cmdRotate, 2},
                           {cmdFadeTo, 2}, {cmdKeyFrame, 2},       {cmdWait, 1},   {cmdShow, 0}};
    for (const TCase& c : cases) {
        TCommandItem command(c.Command, "a", "b", "c");
        TEaseDesign design;
        design.Duration = "1";
        EXPECT_EQ(design.Store(command), c.Param != 0);
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(command.Param(k).startsWith("Ease(d=1e="), k == c.Param) << c.Command << " " << k;
    }
}

TEST(Ease, UnreadableDurationIsRefused) {
    TCommandItem move(cmdMoveTo, "1", "2", "3");
    TEaseDesign design;
    design.Load(move);
    for (const char* bad : {"", "abc", "1)", "1e=2"}) {
        design.Duration = QString::fromLatin1(bad);
        EXPECT_FALSE(design.DurationProblem().isEmpty()) << bad;
        EXPECT_THROW(design.Store(move), EVelkonError) << bad;
        EXPECT_EQ(move.sParam3(), "3");
    }
    design.Duration = "0.5";
    EXPECT_TRUE(design.DurationProblem().isEmpty());
}

TEST(Ease, CoefficientFormat) {
    const std::pair<double, const char*> cases[] = {{0, "0,0"},   {-0.00001, "0,0"},   {1, "1,0"},
                                                    {-3, "-3,0"}, {0.12346, "0,1235"}, {0.1234, "0,1234"},
                                                    {2.5, "2,5"}, {-105, "-105,0"}};
    for (const auto& [v, text] : cases)
        EXPECT_EQ(FormatCoefficient(v), text) << v;
}

TEST(Ease, StoringIsOneUndoStepAndOnlyWhenTheTextChanges) {
    TScene scene;
    TEditorState state{scene};
    TErrorLog log;
    state.Log = &log;
    auto owned = std::make_unique<TImagesItem>();
    owned->Name = "ball";
    TImagesItem* ball = scene.Layers.Add("ball", std::move(owned));
    TCommandItem* move = ball->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, "10", "20", "2"));
    scene.Saved = true;

    TEaseDesign design;
    ASSERT_TRUE(design.Load(*move));
    ASSERT_TRUE(StoreEase(state, design, *move));
    EXPECT_EQ(move->sParam3(), "Ease(d=2e=1009f=0,0g=0,0h=0,0i=0,0j=1,0)");
    EXPECT_FALSE(scene.Saved);
    EXPECT_EQ(log.Lines().value(0), "Parancs szerkesztése");

    // The same text again: nothing to record.
    scene.Saved = true;
    const int lines = log.Count();
    EXPECT_FALSE(StoreEase(state, design, *ball->Base.Track[0].Item(0)));
    EXPECT_TRUE(scene.Saved);
    EXPECT_EQ(log.Count(), lines);

    // A wrong duration is refused before any step.
    design.Duration = "soon";
    EXPECT_THROW(StoreEase(state, design, *ball->Base.Track[0].Item(0)), EVelkonError);
    EXPECT_EQ(log.Count(), lines);

    state.Undo.Undo();
    EXPECT_EQ(ball->Base.Track[0].Item(0)->sParam3(), "2");
}
