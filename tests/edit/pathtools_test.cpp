#include "support/testsupport.h"

#include "edit/editorstate.h"
#include "edit/pathtools.h"
#include "edit/selection.h"
#include "edit/vkpobject.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkon {
namespace {

class PathToolsTest : public ::testing::Test {
protected:
    TImagesItem& Add(const char* name, double left, double top, double width, double height) {
        auto l = std::make_unique<TImagesItem>();
        l->Name = QString::fromLatin1(name);
        l->Left = left;
        l->Top = top;
        l->Width = width;
        l->Height = height;
        l->SelectAnimation(0);
        const QString key = l->Name;
        return *scene.Layers.Add(key, std::move(l));
    }
    TImagesItem& Layer(const char* name) { return *scene.Layers.Find(QString::fromLatin1(name)); }
    void Select(std::initializer_list<const char*> names) {
        SelectNoLayer(scene);
        for (const char* n : names)
            Layer(n).Selected = true;
        RecomputeSelection(state);
    }
    void SetOrigin(double x, double y) {
        state.ToolPoint(-1).X = x;
        state.ToolPoint(-1).Y = y;
    }
    std::vector<double> Params() const {
        std::vector<double> p;
        for (int i = 5; i <= state.ToolCount; ++i)
            p.push_back(state.ToolPoint(i).Param);
        return p;
    }
    QStringList Track(const TImagesItem& l, int t = 0) const {
        QStringList out;
        const TCommands& track = *l.ActiveTracks[static_cast<size_t>(t)];
        for (int i = 0; i < track.Count(); ++i)
            out << track.Item(i)->Name() + QLatin1Char(' ') + track.Item(i)->sParam1() + QLatin1Char('|') +
                       track.Item(i)->sParam2() + QLatin1Char('|') + track.Item(i)->sParam3();
        return out;
    }
    int TopKind() const {
        const TVKPObject* s = state.Undo.Slot(state.Undo.Top());
        return s ? s->Kind : 0;
    }

    TScene scene;
    TEditorState state{scene};
};

TEST_F(PathToolsTest, EllipseGivesNineAnglesAndInverzNegatesThem) {
    SetOrigin(300, 200);
    EllipseToolClick(state, 8, false);
    EXPECT_EQ(state.ToolMode, TToolMode::Ellipse);
    EXPECT_EQ(state.ToolCount, 13);
    EXPECT_EQ(Params(), (std::vector<double>{0, 45, 90, 135, 180, 225, 270, 315, 360}));
    // Shape points: centre, axis points, start direction.
    EXPECT_EQ(state.ToolPoint(1).X, 250);
    EXPECT_EQ(state.ToolPoint(2).Y, 250);
    EXPECT_EQ(state.ToolPoint(4).X, 400);
    // The path points lie on the circle of radius 50 round (250, 200), starting towards point 4.
    EXPECT_EQ(state.ToolPoint(5).X, 300);
    EXPECT_EQ(state.ToolPoint(5).Y, 200);
    EXPECT_EQ(state.ToolPoint(7).X, 250);
    EXPECT_EQ(state.ToolPoint(7).Y, 250);

    InverseClicked(state);
    EXPECT_EQ(Params(), (std::vector<double>{0, -45, -90, -135, -180, -225, -270, -315, -360}));
    EXPECT_EQ(state.ToolPoint(7).Y, 150);

    // A second press switches the tool off; a new set-up with Inverz starts negated.
    EllipseToolClick(state, 8, true);
    EXPECT_EQ(state.ToolCount, 0);
    EXPECT_EQ(state.ToolMode, TToolMode::None);
    EllipseToolClick(state, 4, true);
    EXPECT_EQ(Params(), (std::vector<double>{0, -90, -180, -270, -360}));
}

TEST_F(PathToolsTest, CurveParametersAndMirroringAtTheRightEdge) {
    struct Case {
        double originX;
        double end, control1, control2;
    } cases[] = {
        {300, 500, 350, 550},   // room on the right
        {824, 1024, 874, 1074}, // the end exactly at the edge still fits
        {900, 500, 850, 650},   // beyond the 1024 target: mirrored to the left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.originX);
        SwitchToolOff(state);
        SetOrigin(c.originX, 300);
        CurveToolClick(state, 4);
        EXPECT_EQ(state.ToolMode, TToolMode::Curve);
        EXPECT_EQ(state.ToolCount, 8);
        EXPECT_EQ(Params(), (std::vector<double>{0.25, 0.5, 0.75, 1}));
        EXPECT_EQ(state.ToolPoint(4).X, c.originX);
        EXPECT_EQ(state.ToolPoint(1).X, c.end);
        EXPECT_EQ(state.ToolPoint(2).X, c.control1);
        EXPECT_EQ(state.ToolPoint(3).X, c.control2);
        // The last path point is the end of the path.
        EXPECT_EQ(state.ToolPoint(8).X, c.end);
        EXPECT_EQ(state.ToolPoint(8).Y, 300);
    }
}

TEST_F(PathToolsTest, ToolsDoNothingWhilePlaying) {
    scene.Playing = true;
    CurveToolClick(state, 4);
    EllipseToolClick(state, 4, false);
    EXPECT_EQ(state.ToolCount, 0);
    EXPECT_EQ(state.ToolMode, TToolMode::None);
}

TEST_F(PathToolsTest, CurveWalkAppendsOneKeyframePerPoint) {
    TImagesItem& car = Add("car", 90, 190, 20, 20);
    car.OrigoX = 10;
    car.OrigoY = 10;
    SetOrigin(100, 200);
    Select({"car"});
    SetOrigin(100, 200); // the selection may have moved it
    CurveToolClick(state, 4);
    // A straight curve: controls on the line.
    state.ToolPoint(2).Y = state.ToolPoint(3).Y = 200;
    RecomputeToolPoints(state);

    const TPathKeyframes made = CreatePathKeyframes(state, false, QStringLiteral("0,5"));
    EXPECT_EQ(made.Appended, 4);
    EXPECT_EQ(made.Columns, 5);
    // t = 0.5 puts the layer at 227.5, which rounds to the even 228.
    EXPECT_EQ(Track(car), (QStringList{"KeyFrame x=149y=190w=20h=20a=0f=255|0,5|",
                                       "KeyFrame x=228y=190w=20h=20a=0f=255|0,5|",
                                       "KeyFrame x=287y=190w=20h=20a=0f=255|0,5|",
                                       "KeyFrame x=290y=190w=20h=20a=0f=255|0,5|"}));
    EXPECT_EQ(car.ActiveTracks[0]->Item(0)->OX(), 100);
    EXPECT_EQ(car.ActiveTracks[0]->Item(0)->OY(), 200);
    // The layer is back where it was; one forced undo step of kind 24; modified.
    EXPECT_EQ(car.Left, 90);
    EXPECT_EQ(car.Top, 190);
    EXPECT_EQ(TopKind(), TUndoBuffer::kindCurvePath);
    EXPECT_FALSE(scene.Saved);

    // Auto rotate: the layer faces from each point back to where it stood before the step.
    car.ActiveTracks[0]->Clear();
    CreatePathKeyframes(state, true, QStringLiteral("1"));
    EXPECT_EQ(Track(car), (QStringList{"KeyFrame x=149y=190w=20h=20a=188f=255|1|",
                                       "KeyFrame x=228y=190w=20h=20a=186f=255|1|",
                                       "KeyFrame x=287y=190w=20h=20a=188f=255|1|",
                                       "KeyFrame x=290y=190w=20h=20a=217f=255|1|"}));
    EXPECT_EQ(car.Angle, 0);
}

TEST_F(PathToolsTest, EllipseWalkSkipsTheStartAndTurnsWithAutoRotate) {
    TImagesItem& car = Add("car", 300, 200, 0, 0);
    TImagesItem& other = Add("other", 0, 0, 10, 10);
    Select({"car"});
    SetOrigin(300, 200);
    EllipseToolClick(state, 8, false);

    const TPathKeyframes made = CreatePathKeyframes(state, true, QStringLiteral("1"));
    EXPECT_EQ(made.Appended, 8);
    const QStringList track = Track(car);
    ASSERT_EQ(track.size(), 8);
    EXPECT_EQ(track[0], "KeyFrame x=285y=235w=0h=0a=45f=255|1|");
    EXPECT_EQ(track[1], "KeyFrame x=250y=250w=0h=0a=90f=255|1|");
    EXPECT_EQ(track[7], "KeyFrame x=300y=200w=0h=0a=360f=255|1|");
    EXPECT_TRUE(Track(other).isEmpty()); // not selected
    EXPECT_EQ(car.Angle, 0);

    // Inverz: the angles run the other way and negative ones count from 360.
    InverseClicked(state);
    car.ActiveTracks[0]->Clear();
    CreatePathKeyframes(state, true, QStringLiteral("1"));
    ASSERT_EQ(Track(car).size(), 8);
    EXPECT_EQ(Track(car)[0], "KeyFrame x=285y=165w=0h=0a=315f=255|1|");
    EXPECT_EQ(Track(car)[7], "KeyFrame x=300y=200w=0h=0a=0f=255|1|");
}

TEST_F(PathToolsTest, PathKeyframesNeedAPathAndASelection) {
    TImagesItem& car = Add("car", 0, 0, 10, 10);
    EXPECT_EQ(CreatePathKeyframes(state, false, "1").Appended, 0); // no tool
    EllipseToolClick(state, 8, false);
    EXPECT_EQ(CreatePathKeyframes(state, false, "1").Appended, 0); // no selection
    EXPECT_EQ(state.Undo.Top(), 0);
    EXPECT_TRUE(scene.Saved);
    EXPECT_EQ(car.ActiveTracks[0]->Count(), 0);
}

TEST_F(PathToolsTest, TranspositionShiftsThePosesOfTheRange) {
    TImagesItem& a = Add("a", 0, 0, 10, 10);
    TImagesItem& b = Add("b", 0, 0, 10, 10);
    TImagesItem& c = Add("c", 0, 0, 10, 10);
    for (TImagesItem* l : {&a, &b, &c}) {
        l->ActiveTracks[0]->Add(std::make_unique<TCommandItem>(cmdKeyFrame, "x=10y=20w=30h=40a=0", "1"));
        l->ActiveTracks[0]->Add(std::make_unique<TCommandItem>(cmdKeyFrame, "x=1y=2w=3h=4a=5f=128", "1"));
        l->ActiveTracks[0]->Add(std::make_unique<TCommandItem>(cmdMoveTo, "7", "8"));
        l->ActiveTracks[0]->Add(std::make_unique<TCommandItem>(cmdKeyFrame, "x=q", "1"));
    }
    a.KeyframeEditing = b.KeyframeEditing = true;
    Select({"a", "c"}); // b is a member but not selected, c selected but no member
    SetOrigin(500, 400);

    // Without the point the first choice only places it.
    EXPECT_FALSE(TransposeSelected(state, 0, 4));
    EXPECT_EQ(state.ToolMode, TToolMode::Transpose);
    EXPECT_EQ(state.ToolCount, 1);
    EXPECT_EQ(state.ToolPoint(1).X, 520);
    EXPECT_EQ(state.ToolPoint(1).Y, 400);
    EXPECT_EQ(a.ActiveTracks[0]->Item(0)->sParam1(), "x=10y=20w=30h=40a=0");

    EXPECT_TRUE(TransposeSelected(state, 0, 5));
    EXPECT_EQ(Track(a), (QStringList{"KeyFrame x=30y=20w=30h=40a=0|1|", "KeyFrame x=21y=2w=3h=4a=5f=128|1|",
                                     "MoveTo 7|8|", "KeyFrame x=q|1|"}));
    EXPECT_EQ(a.ActiveTracks[0]->Item(0)->OX(), 500);
    EXPECT_EQ(b.ActiveTracks[0]->Item(0)->sParam1(), "x=10y=20w=30h=40a=0");
    EXPECT_EQ(c.ActiveTracks[0]->Item(0)->sParam1(), "x=10y=20w=30h=40a=0");
    EXPECT_EQ(state.ToolMode, TToolMode::None);
    EXPECT_EQ(state.ToolCount, 0);
    EXPECT_EQ(TopKind(), TUndoBuffer::kindKeyTranspose);
    EXPECT_FALSE(scene.Saved);

    // Only the columns of the range: column 2 is keyframe 1.
    TransposePointClick(state);
    state.ToolPoint(1).Y = 390;
    EXPECT_TRUE(TransposeSelected(state, 2, 2));
    EXPECT_EQ(Track(a)[0], "KeyFrame x=30y=20w=30h=40a=0|1|");
    EXPECT_EQ(Track(a)[1], "KeyFrame x=41y=-8w=3h=4a=5f=128|1|");
}

TEST_F(PathToolsTest, TransposePointTogglesAndSwitchesOtherToolsOff) {
    CurveToolClick(state, 4);
    TransposePointClick(state);
    EXPECT_EQ(state.ToolCount, 0);
    TransposePointClick(state);
    EXPECT_EQ(state.ToolMode, TToolMode::Transpose);
    TransposePointClick(state);
    EXPECT_EQ(state.ToolMode, TToolMode::None);
}

TEST_F(PathToolsTest, BoneOnALayerWithoutAParentDoesNothing) {
    Add("arm", 100, 100, 40, 10);
    Add("ghost", 0, 0, 10, 10).Parent = QStringLiteral("nobody");
    for (const char* name : {"arm", "ghost"}) {
        SCOPED_TRACE(name);
        Select({name});
        BoneButtonClick(state, true);
        EXPECT_TRUE(state.BoneMode);
        EXPECT_EQ(state.ToolCount, 0);
        EXPECT_EQ(state.ToolMode, TToolMode::None);
        EXPECT_TRUE(Layer(name).Selected);
        BoneButtonClick(state, false);
        EXPECT_FALSE(state.BoneMode);
    }
}

TEST_F(PathToolsTest, BoneWithTwoLayersMakesAFreeEndHandle) {
    TImagesItem& body = Add("body", 0, 0, 100, 100);
    body.OrigoX = 50;
    body.OrigoY = 50;
    TImagesItem& arm = Add("arm", 100, 100, 40, 10);
    arm.Parent = QStringLiteral("body");
    arm.OrigoX = 0;
    arm.OrigoY = 5;
    arm.Angle = 90;
    Select({"arm"});
    BoneButtonClick(state, true);
    EXPECT_EQ(state.ToolMode, TToolMode::Bone);
    EXPECT_EQ(state.ToolCount, 1);
    // Point 2 the arm's origin, point 3 the body's; point 1 the arm's far end (40, 5) turned by 90 degrees.
    EXPECT_EQ(state.ToolPoint(2).Layer, &arm);
    EXPECT_EQ(state.ToolPoint(2).X, 100);
    EXPECT_EQ(state.ToolPoint(2).Y, 105);
    EXPECT_EQ(state.ToolPoint(3).Layer, &body);
    EXPECT_EQ(state.ToolPoint(3).X, 50);
    EXPECT_EQ(state.ToolPoint(3).Y, 50);
    EXPECT_EQ(state.ToolPoint(1).Layer, nullptr);
    EXPECT_EQ(state.ToolPoint(1).X, 95);
    EXPECT_EQ(state.ToolPoint(1).Y, 145);
    EXPECT_EQ(state.ToolPoint(1).Color, 0u);
    EXPECT_EQ(state.ToolPoint(2).Color, 0u);
    EXPECT_EQ(state.ToolPoint(3).Color, 0x01010101u);
    EXPECT_NEAR(state.ToolPoint(2).Length, 40.311289, 1e-6);
    EXPECT_NEAR(state.ToolPoint(3).Length, 74.330343, 1e-6);
    EXPECT_NEAR(state.ToolPoint(2).AngleOffset, 7.125016, 1e-6); // the handle lies 7 degrees off the arm's 90
    EXPECT_NEAR(state.ToolPoint(3).AngleOffset, 47.726311, 1e-6);
    EXPECT_FALSE(arm.Selected);
    EXPECT_EQ(scene.SelectedCount, 0);

    // A recompute without a move leaves the chain as it is.
    RecomputeToolPoints(state);
    EXPECT_DOUBLE_EQ(arm.Left, 100);
    EXPECT_DOUBLE_EQ(arm.Top, 100);
    EXPECT_EQ(arm.Angle, 90);
    EXPECT_EQ(body.Angle, 0);
    // The handle dragged round the arm's origin turns the arm; the body stays.
    struct Drag {
        double x, y, armAngle;
    } drags[] = {{140, 110, 0}, {105, 65, -90}, {60, 100, -180}};
    for (const Drag& d : drags) {
        SCOPED_TRACE(d.armAngle);
        state.ToolPoint(1).X = d.x;
        state.ToolPoint(1).Y = d.y;
        RecomputeToolPoints(state);
        EXPECT_EQ(arm.Angle, d.armAngle); // the turn nearest to the last angle
        EXPECT_NEAR(arm.Left, 100, 1e-9);
        EXPECT_NEAR(arm.Top, 100, 1e-9);
        EXPECT_EQ(body.Angle, 0);
        EXPECT_EQ(body.Left, 0);
    }

    // The button pressed while the tool is active switches it off.
    BoneButtonClick(state, false);
    EXPECT_EQ(state.ToolCount, 0);
    EXPECT_FALSE(state.BoneMode);
}

TEST_F(PathToolsTest, BoneWithThreeLayersLinksTheGrandparent) {
    TImagesItem& body = Add("body", 0, 0, 10, 10);
    TImagesItem& upper = Add("upper", 100, 0, 10, 10);
    TImagesItem& lower = Add("lower", 100, 100, 10, 10);
    upper.Parent = QStringLiteral("body");
    lower.Parent = QStringLiteral("upper");
    Select({"lower"});
    ASSERT_TRUE(BoneSetup(state));
    EXPECT_EQ(state.ToolCount, 1);
    EXPECT_EQ(state.ToolPoint(1).Layer, &lower);
    EXPECT_EQ(state.ToolPoint(2).Layer, &upper);
    EXPECT_EQ(state.ToolPoint(3).Layer, &body);
    EXPECT_DOUBLE_EQ(state.ToolPoint(2).Length, 100);
    EXPECT_DOUBLE_EQ(state.ToolPoint(3).Length, 100);
    EXPECT_DOUBLE_EQ(state.ToolPoint(2).AngleOffset, 90);
    EXPECT_DOUBLE_EQ(state.ToolPoint(3).AngleOffset, 0);
    EXPECT_TRUE(lower.Selected); // three layers keep the selection

    // Pull the hand out to the right: the chain straightens along the body's bone.
    state.ToolPoint(1).X = 200;
    state.ToolPoint(1).Y = 0;
    RecomputeToolPoints(state);
    EXPECT_DOUBLE_EQ(upper.Left, 100);
    EXPECT_NEAR(upper.Top, 0, 1e-9);
    EXPECT_EQ(body.Angle, 0);
    EXPECT_EQ(upper.Angle, -90); // 0 minus its offset of 90, nearer to 0 than 270
    EXPECT_EQ(lower.Left, 200);
    EXPECT_EQ(lower.Top, 0);
    EXPECT_EQ(lower.Angle, -90); // the hand follows the middle joint's angle

    // With two layers selected the set-up refuses.
    Select({"lower", "upper"});
    SwitchToolOff(state);
    EXPECT_FALSE(BoneSetup(state));
    EXPECT_EQ(state.ToolCount, 0);
}

TEST_F(PathToolsTest, StartCommandsLinkEverySelectedLayerToTheOthers) {
    TScriptedDialogs dialogs;
    Add("a", 0, 0, 1, 1);
    Add("b", 0, 0, 1, 1);
    Add("c", 0, 0, 1, 1);
    Add("d", 0, 0, 1, 1);
    Select({"a", "b", "c"});
    EXPECT_EQ(CreateStartCommands(state, dialogs), 6);
    EXPECT_EQ(Track(Layer("a"), 1), (QStringList{"StartOther b|1|", "StartOther c|1|"}));
    EXPECT_EQ(Track(Layer("b"), 1), (QStringList{"StartOther a|1|", "StartOther c|1|"}));
    EXPECT_EQ(Track(Layer("c"), 1), (QStringList{"StartOther a|1|", "StartOther b|1|"}));
    EXPECT_TRUE(Track(Layer("d"), 1).isEmpty());
    EXPECT_EQ(dialogs.Messages, QStringList{"Az indítási parancsok elkészültek!"});
    EXPECT_EQ(TopKind(), TUndoBuffer::kindKeyTouchStart);

    // One layer: nothing made, the message all the same.
    Select({"d"});
    EXPECT_EQ(CreateStartCommands(state, dialogs), 0);
    EXPECT_TRUE(Track(Layer("d"), 1).isEmpty());
    EXPECT_EQ(dialogs.Messages.size(), 2);
}

} // namespace
} // namespace velkon
