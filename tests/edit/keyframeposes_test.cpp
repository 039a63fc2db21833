// Poses changed on the canvas while a keyframe is shown reach the KeyFrame
// commands: a layer dragged, the common origin moved, a bone chain bent.
// Canvas gestures go through TCanvasInteraction as the window sends them.

#include "support/testsupport.h"

#include "edit/canvasgeometry.h"
#include "edit/canvasinteraction.h"
#include "edit/editorstate.h"
#include "edit/keyframes.h"
#include "edit/pathtools.h"
#include "edit/selection.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/imagesitem.h"
#include "model/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QPoint>

using namespace velkon;

namespace {

struct KeyframePoses : ::testing::Test {
    TScene scene;
    TErrorLog log;
    TEditorState state{scene};
    TScriptedDialogs dialogs;
    TKeyframeEditor editor{state};
    TCanvasInteraction canvas{state};
    uint32_t now = 10000;

    KeyframePoses() {
        state.Log = &log;
        state.AutoDuration = QStringLiteral("1");
        state.Undo.SwitchKeyframeEditing = [this](bool on) { editor.SwitchFromUndo(on); };
        // As the window wires it: the bone chain follows its dragged handle.
        state.RecomputeToolPoints = [this] { RecomputeToolPoints(state); };
        canvas.PanelWidth = 1400;
        canvas.PanelHeight = 1000;
    }

    // A 20 x 20 layer whose origin point is its centre (x, y), with one KeyFrame there.
    TImagesItem* Layer(const QString& name, double x, double y, const QString& parent = {}) {
        auto l = std::make_unique<TImagesItem>();
        l->Name = name;
        l->Left = x - 10;
        l->Top = y - 10;
        l->Width = l->Height = 20;
        l->OrigoX = l->OrigoY = 10;
        l->Parent = parent;
        l->SelectAnimation(TImagesItem::animBase);
        l->Base.Track[0].Add(
            std::make_unique<TCommandItem>(cmdKeyFrame, PoseText(*l), QStringLiteral("1"), QString()));
        TImagesItem* added = scene.Layers.Add(name, std::move(l));
        UpdateCornersAndSelectionBounds(state);
        return added;
    }
    static QString Key(const TImagesItem* l) { return l->Base.Track[0].Item(0)->sParam1(); }

    // A left-button drag on the canvas, each step after the click guard.
    void Drag(QPoint from, std::initializer_list<QPoint> steps) {
        canvas.MouseMove(0, from.x(), from.y(), now += 100);
        canvas.MouseDown(ssLeft, from.x(), from.y(), now += 100);
        QPoint at = from;
        for (QPoint p : steps) {
            at = p;
            canvas.MouseMove(ssLeft, at.x(), at.y(), now += 100);
        }
        canvas.MouseUp(0, at.x(), at.y());
        UpdateCornersAndSelectionBounds(state);
    }
    int StoreSteps() const {
        return static_cast<int>(log.Lines().count(QStringLiteral("Kulcskocka tárolás")));
    }

    TImagesItem* body = nullptr;
    TImagesItem* arm = nullptr;
    TImagesItem* hand = nullptr;

    // body -> arm -> hand, each the parent of the next, in a straight line
    // along x; group editing selects the chain, editing is switched on and
    // Page Down shows keyframe 0; then only the hand is selected.
    void ArmOnItsKeyframe() {
        body = Layer("body", 100, 100);
        arm = Layer("arm", 200, 100, "body");
        hand = Layer("hand", 300, 100, "arm");
        ASSERT_TRUE(state.SkeltonDown);
        SelectSingleLayer(state, body);
        ASSERT_EQ(scene.SelectedCount, 3);
        ASSERT_TRUE(editor.EditingOn(dialogs));
        editor.StepColumn(1);
        ASSERT_EQ(editor.Selected(), 0);
        SelectSingleLayer(state, hand);
        ASSERT_EQ(scene.SelectedCount, 1);
        scene.Saved = true;
    }
};

} // namespace

TEST_F(KeyframePoses, ThreeLayerBoneBendIsStoredWhenTheKeyframeIsLeft) {
    ArmOnItsKeyframe();
    // The common origin stands on the hand's joint: it is put aside first, as a user would.
    Drag(QPoint(300, 100), {QPoint(300, 160), QPoint(300, 200)});
    ASSERT_EQ(state.ToolPoint(-1).Y, 200);
    ASSERT_EQ(PoseText(*hand), "x=290y=90w=20h=20a=0f=255") << "moving the origin moves no layer";
    ASSERT_TRUE(BoneSetup(state));
    ASSERT_EQ(state.ToolPoint(1).Layer, hand);

    // Bone point 1 pulled up: the chain bends.
    Drag(QPoint(300, 100), {QPoint(290, 60), QPoint(280, 20)});
    EXPECT_NE(PoseText(*arm), "x=190y=90w=20h=20a=0f=255");
    EXPECT_NE(PoseText(*hand), "x=290y=90w=20h=20a=0f=255");
    EXPECT_FALSE(scene.Saved) << "the bend is a change of the project";
    const QString armPose = PoseText(*arm), handPose = PoseText(*hand), bodyPose = PoseText(*body);

    editor.StepColumn(-1); // Page Up: the pose being left is stored
    EXPECT_EQ(Key(arm), armPose);
    EXPECT_EQ(Key(hand), handPose);
    EXPECT_EQ(Key(body), bodyPose);
    EXPECT_EQ(hand->Base.Track[0].Item(0)->OY(), 200.0) << "the moved origin is stored with the pose";
    EXPECT_EQ(StoreSteps(), 1);
    EXPECT_FALSE(scene.Saved);

    // Undo takes the stored poses back.
    state.Undo.Undo();
    editor.Refresh();
    EXPECT_EQ(Key(arm), "x=190y=90w=20h=20a=0f=255");
    EXPECT_EQ(Key(hand), "x=290y=90w=20h=20a=0f=255");
}

TEST_F(KeyframePoses, OriginMovedOnAKeyframeIsStoredWhenEditingEnds) {
    ArmOnItsKeyframe();
    Drag(QPoint(300, 100), {QPoint(320, 100), QPoint(340, 130)});
    EXPECT_EQ(state.ToolPoint(-1).X, 340);
    editor.EditingOff();
    const TCommandItem& key = *hand->Base.Track[0].Item(0);
    EXPECT_EQ(key.OX(), 340.0);
    EXPECT_EQ(key.OY(), 130.0);
    EXPECT_EQ(body->Base.Track[0].Item(0)->OX(), 340.0);
    EXPECT_EQ(StoreSteps(), 1);
    EXPECT_FALSE(scene.Saved);
}

TEST_F(KeyframePoses, DoubleClickPuttingTheOriginOnALayerIsStored) {
    ArmOnItsKeyframe();
    Drag(QPoint(300, 100), {QPoint(320, 100), QPoint(340, 130)});
    editor.StepColumn(-1);
    editor.StepColumn(1); // the keyframe shows its stored origin again, nothing left to store
    ASSERT_EQ(state.ToolPoint(-1).X, 340);
    const int before = StoreSteps();

    // A double click on the selected hand puts the origin back on its joint.
    canvas.MouseMove(0, 300, 100, now += 100);
    canvas.MouseDown(ssLeft | ssDouble, 300, 100, now += 100);
    canvas.MouseUp(0, 300, 100);
    ASSERT_EQ(state.ToolPoint(-1).X, 300);
    editor.StepColumn(-1);
    EXPECT_EQ(hand->Base.Track[0].Item(0)->OX(), 300.0);
    EXPECT_EQ(hand->Base.Track[0].Item(0)->OY(), 100.0);
    EXPECT_EQ(StoreSteps(), before + 1);
}
