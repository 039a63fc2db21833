#include "edit/editorstate.h"
#include "edit/import.h"
#include "edit/keyframes.h"
#include "edit/layerlist.h"
#include "edit/layerops.h"
#include "engine/clock.h"
#include "engine/player.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/projectfile.h"

#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace velkon;

namespace {

struct Keyframes : ::testing::Test {
    TScene scene;
    TErrorLog log;
    TEditorState state{scene};
    TScriptedDialogs dialogs;
    TKeyframeEditor editor{state};

    Keyframes() {
        state.Log = &log;
        state.AutoDuration = QStringLiteral("0,5");
        state.Undo.SwitchKeyframeEditing = [this](bool on) { editor.SwitchFromUndo(on); };
    }

    TImagesItem* Layer(const QString& name, double left, double top) {
        auto l = std::make_unique<TImagesItem>();
        l->Name = name;
        l->Left = left;
        l->Top = top;
        l->Width = 64;
        l->Height = 32;
        l->SelectAnimation(TImagesItem::animBase);
        return scene.Layers.Add(name, std::move(l));
    }
    // Keyframes whose x is 100 * (i + 1) and y 10.
    static void AddKeys(TImagesItem* l, int count) {
        for (int i = 0; i < count; ++i)
            l->Base.Track[0].Add(std::make_unique<TCommandItem>(
                cmdKeyFrame, QStringLiteral("x=%1y=10w=64h=32a=0f=255").arg(100 * (i + 1)),
                QStringLiteral("1")));
    }
    static QString Key(TImagesItem* l, int k) { return l->Base.Track[0].Item(k)->sParam1(); }
    static int Count(TImagesItem* l) { return l->Base.Track[0].Count(); }
    void Select(std::initializer_list<TImagesItem*> layers) {
        for (TImagesItem* l : layers)
            l->Selected = true;
        scene.SelectedCount = static_cast<int>(layers.size());
        scene.CurrentLayer = *layers.begin();
    }
    // What the canvas does to a member: records its step, then moves it.
    void Drag(TImagesItem* l, double left) {
        state.Undo.Record(TUndoBuffer::kindMouseMove);
        l->Left = left;
        state.Undo.EndMerge();
    }
};

} // namespace

TEST_F(Keyframes, TracksOfDifferentLengthRefuseEditing) {
    TImagesItem* body = Layer("body", 0, 0);
    TImagesItem* arm = Layer("arm", 0, 0);
    AddKeys(body, 5);
    AddKeys(arm, 3);
    Select({body, arm});

    EXPECT_FALSE(editor.EditingOn(dialogs));
    EXPECT_FALSE(state.KeyframeMode);
    EXPECT_EQ(log.Lines().value(0), "5<>3 - arm");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_TRUE(dialogs.Messages[0].startsWith("A kijelölt elemek parancssorai nem egyformák vagy üresek!"));
}

TEST_F(Keyframes, NoSelectionLeavesEditingOffWithoutAStep) {
    Layer("body", 0, 0);
    EXPECT_FALSE(editor.EditingOn(dialogs));
    EXPECT_FALSE(state.Undo.UndoEnabled());
}

TEST_F(Keyframes, EmptyTracksGiveOneColumnAndAStoreAppendsKeyframeZero) {
    TImagesItem* a = Layer("a", 10, 20);
    TImagesItem* b = Layer("b", 30, 40);
    Select({a, b});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    EXPECT_EQ(editor.ColumnCount(), 1);
    EXPECT_EQ(editor.Selected(), -1);

    editor.Store(TKeyframeEditor::storeOther);
    ASSERT_EQ(Count(a), 1);
    ASSERT_EQ(Count(b), 1);
    EXPECT_EQ(Key(a, 0), "x=10y=20w=64h=32a=0f=255");
    EXPECT_EQ(Key(b, 0), "x=30y=40w=64h=32a=0f=255");
    EXPECT_EQ(b->Base.Track[0].Item(0)->sParam2(), "0,5");
    EXPECT_EQ(b->Base.Track[0].Item(0)->Command(), cmdKeyFrame);
    EXPECT_EQ(editor.ColumnCount(), 2);
    EXPECT_EQ(state.KeyFrameCol, 1);
    EXPECT_EQ(editor.Selected(), 0);
}

TEST_F(Keyframes, StoreAndCopyAppendsAtTheEndWhileCopyInsertsAfter) {
    TImagesItem* a = Layer("a", 0, 0);
    AddKeys(a, 5);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(3); // keyframe 2
    ASSERT_EQ(editor.Selected(), 2);
    Drag(a, 333);

    editor.Store(TKeyframeEditor::storeCopyNext);
    ASSERT_EQ(Count(a), 6);
    EXPECT_EQ(Key(a, 2), "x=333y=10w=64h=32a=0f=255");
    EXPECT_EQ(Key(a, 3), "x=400y=10w=64h=32a=0f=255"); // untouched
    EXPECT_EQ(Key(a, 5), "x=333y=10w=64h=32a=0f=255");
    EXPECT_EQ(editor.Selected(), 5);
    EXPECT_EQ(state.KeyFrameCol, 6);

    editor.SelectColumn(3);
    editor.CopyKeyframe();
    ASSERT_EQ(Count(a), 7);
    EXPECT_EQ(Key(a, 3), "x=333y=10w=64h=32a=0f=255");
    EXPECT_EQ(Key(a, 4), "x=400y=10w=64h=32a=0f=255");
    EXPECT_EQ(editor.Selected(), 3);
    EXPECT_EQ(editor.ColumnCount(), 8);
}

TEST_F(Keyframes, DurationSteps) {
    struct Case {
        const char* text;
        bool plus, shift, ctrl, alt;
        const char* result;
    } cases[] = {
        {"0,5", true, false, true, false, "1,5"},  {"0,05", false, false, false, false, "0"},
        {"0,5", true, false, false, false, "0,6"}, {"1", true, true, false, false, "1,5"},
        {"1", true, true, true, true, "1,2"},      {"2", false, true, true, false, "1"},
        {"0.3", true, false, false, false, "0,4"}, {"0,2", false, false, false, false, "0,1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TKeyframeEditor::SteppedDuration(c.text, c.plus, c.shift, c.ctrl, c.alt), c.result)
            << c.text;
    EXPECT_THROW(TKeyframeEditor::SteppedDuration("fél", true, false, false, false), EVelkonError);
}

TEST_F(Keyframes, DurationButtonsStoreIntoTheSelectedKeyframe) {
    TImagesItem* a = Layer("a", 0, 0);
    AddKeys(a, 2);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(2);
    EXPECT_EQ(state.AutoDuration, "1"); // shown from the keyframe
    editor.DurationStep(true, false, true, false);
    EXPECT_EQ(a->Base.Track[0].Item(1)->sParam2(), "2");
    editor.DurationTyped("0,25");
    EXPECT_EQ(a->Base.Track[0].Item(1)->sParam2(), "0,25");
    EXPECT_EQ(a->Base.Track[0].Item(0)->sParam2(), "1");
}

TEST_F(Keyframes, CopyReversedAppendsTheRangeBackwards) {
    TImagesItem* a = Layer("a", 0, 0);
    AddKeys(a, 4);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.TimelineLeft = 2;
    editor.TimelineRight = 4;
    editor.CopyRange(true);
    ASSERT_EQ(Count(a), 7);
    EXPECT_EQ(Key(a, 4), Key(a, 3));
    EXPECT_EQ(Key(a, 5), Key(a, 2));
    EXPECT_EQ(Key(a, 6), Key(a, 1));
    EXPECT_EQ(editor.ColumnCount(), 8);
    EXPECT_EQ(state.Undo.LastKind(), TUndoBuffer::kindKeysCopy);

    editor.TimelineLeft = 0; // column 0 has no keyframe
    editor.TimelineRight = 1;
    editor.CopyRange(false);
    ASSERT_EQ(Count(a), 8);
    EXPECT_EQ(Key(a, 7), "x=100y=10w=64h=32a=0f=255");

    editor.TimelineLeft = 5;
    editor.TimelineRight = 8;
    editor.DeleteRange();
    EXPECT_EQ(Count(a), 4);
    EXPECT_EQ(editor.ColumnCount(), 5);
}

TEST_F(Keyframes, TransposeTakesTheWholeTimelineTheEditorHolds) {
    TImagesItem* a = Layer("a", 0, 0);
    AddKeys(a, 3);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    EXPECT_FALSE(editor.TransposeRange()); // without the point it is only switched on
    ASSERT_EQ(state.ToolMode, TToolMode::Transpose);
    state.ToolPoint(1).X = state.ToolPoint(-1).X + 5;
    state.ToolPoint(1).Y = state.ToolPoint(-1).Y + 7;
    editor.SelectWholeTimeline();
    ASSERT_TRUE(editor.TransposeRange());
    EXPECT_EQ(Key(a, 0), "x=105y=17w=64h=32a=0f=255");
    EXPECT_EQ(Key(a, 1), "x=205y=17w=64h=32a=0f=255");
    EXPECT_EQ(Key(a, 2), "x=305y=17w=64h=32a=0f=255");
    EXPECT_EQ(state.ToolMode, TToolMode::None);
}

TEST_F(Keyframes, MovingKeyframes) {
    TImagesItem* a = Layer("a", 0, 0);
    AddKeys(a, 3);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(3); // the last keyframe
    const int top = state.Undo.Top();
    editor.MoveForward();
    EXPECT_EQ(state.Undo.Top(), top); // nothing recorded
    EXPECT_EQ(Key(a, 2), "x=300y=10w=64h=32a=0f=255");
    EXPECT_EQ(editor.Selected(), 2);

    editor.MoveBack();
    EXPECT_EQ(Key(a, 1), "x=300y=10w=64h=32a=0f=255");
    EXPECT_EQ(Key(a, 2), "x=200y=10w=64h=32a=0f=255");
    EXPECT_EQ(editor.Selected(), 1);
    EXPECT_EQ(state.KeyFrameCol, 2);
    EXPECT_EQ(a->Left, 300); // the pose moved with its keyframe

    editor.SelectColumn(0);
    editor.MoveBack(); // at the start state: nothing to move
    EXPECT_EQ(Key(a, 0), "x=100y=10w=64h=32a=0f=255");
}

TEST_F(Keyframes, UndoOfAStoreRestoresThePoseAndTheColumn) {
    TImagesItem* a = Layer("a", 5, 5);
    AddKeys(a, 3);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(2); // keyframe 1 at x=200
    Drag(a, 250);
    editor.Store(TKeyframeEditor::storeCopyNext);
    ASSERT_EQ(Count(a), 4);
    ASSERT_EQ(editor.Selected(), 3);

    state.Undo.Undo();
    editor.Refresh();
    EXPECT_TRUE(state.KeyframeMode);
    EXPECT_EQ(Count(a), 3);
    EXPECT_EQ(Key(a, 1), "x=200y=10w=64h=32a=0f=255");
    EXPECT_EQ(editor.Selected(), 1);
    EXPECT_EQ(state.KeyFrameCol, 2);
    EXPECT_EQ(editor.ColumnCount(), 4);
    EXPECT_EQ(a->Left, 200);
}

TEST_F(Keyframes, OneStoreStepPerRunOfChanges) {
    TImagesItem* a = Layer("a", 0, 0);
    AddKeys(a, 2);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(1);
    const int top = state.Undo.Top();
    editor.Store(TKeyframeEditor::storeOther); // nothing changed yet
    EXPECT_EQ(state.Undo.Top(), top);
    Drag(a, 150);
    editor.Store(TKeyframeEditor::storeOther);
    editor.DurationTyped("2");
    EXPECT_EQ(state.Undo.Top(), top + 2); // the drag and one store
    EXPECT_EQ(state.Undo.LastKind(), TUndoBuffer::kindKeyStore);
    Drag(a, 160);
    editor.Store(TKeyframeEditor::storeOther);
    EXPECT_EQ(state.Undo.Top(), top + 4);
    EXPECT_EQ(Key(a, 0), "x=160y=10w=64h=32a=0f=255");
}

TEST_F(Keyframes, EditingOffStoresAndRestoresTheStartState) {
    TImagesItem* a = Layer("a", 7, 8);
    TImagesItem* other = Layer("other", 1, 1);
    AddKeys(a, 2);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(2);
    Drag(a, 222);
    editor.EditingOff();
    EXPECT_FALSE(state.KeyframeMode);
    EXPECT_EQ(Key(a, 1), "x=222y=10w=64h=32a=0f=255");
    EXPECT_EQ(a->Left, 7);
    EXPECT_EQ(a->Top, 8);
    // The common origin comes back to the layer, not left at the last pose.
    EXPECT_EQ(state.ToolPoint(-1).X, 7);
    EXPECT_EQ(state.ToolPoint(-1).Y, 8);
    EXPECT_TRUE(a->KeyframeEditing); // the last edit's layers can be selected again
    EXPECT_FALSE(other->KeyframeEditing);
    EXPECT_EQ(state.Undo.LastKind(), TUndoBuffer::kindKeyEditEnd);

    a->Selected = false;
    editor.SelectLastEditLayers();
    EXPECT_TRUE(a->Selected);
    EXPECT_FALSE(other->Selected);
    EXPECT_EQ(scene.SelectedCount, 1);
}

TEST_F(Keyframes, UndoingTheStartLeavesEditing) {
    TImagesItem* a = Layer("a", 7, 8);
    AddKeys(a, 2);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(2);
    EXPECT_EQ(a->Left, 200);
    state.Undo.Undo();
    editor.Refresh();
    EXPECT_FALSE(state.KeyframeMode);
    EXPECT_EQ(a->Left, 7);
}

TEST_F(Keyframes, PoseWithoutAlphaAppliesFullAlphaAndOrigin) {
    TImagesItem* a = Layer("a", 0, 0);
    a->Alpha = 10;
    a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdKeyFrame, "x=1y=2w=3h=4a=5", "1"));
    a->Base.Track[0].Item(0)->SetOX(77);
    a->Base.Track[0].Item(0)->SetOY(66);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(1);
    EXPECT_EQ(a->Alpha, 255);
    EXPECT_EQ(a->Height, 4);
    EXPECT_EQ(state.ToolPoint(-1).X, 77);
    EXPECT_EQ(state.ToolPoint(-1).Y, 66);
}

TEST_F(Keyframes, TracksChangedElsewhereSwitchEditingOffWithoutWriting) {
    TImagesItem* a = Layer("a", 1, 1);
    TImagesItem* b = Layer("b", 2, 2);
    AddKeys(a, 2);
    AddKeys(b, 2);
    Select({a, b});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(2);
    Drag(a, 999);
    b->Base.Track[0].Delete(1); // the command list took one away

    editor.Store(TKeyframeEditor::storeCopyNext);
    EXPECT_FALSE(state.KeyframeMode);
    EXPECT_EQ(log.Lines().value(0), "2<>1 - b");
    EXPECT_EQ(Count(a), 2);
    EXPECT_EQ(Key(a, 1), "x=200y=10w=64h=32a=0f=255");
    EXPECT_EQ(a->Left, 1); // back in its start state
}

TEST_F(Keyframes, TracksGrownAlikeExtendTheGrid) {
    TImagesItem* a = Layer("a", 1, 1);
    AddKeys(a, 2);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    AddKeys(a, 1);
    editor.StepColumn(1);
    EXPECT_TRUE(state.KeyframeMode);
    EXPECT_EQ(editor.ColumnCount(), 4);
}

TEST_F(Keyframes, DeletedMemberLeavesTheEditConsistent) {
    TImagesItem* a = Layer("a", 1, 1);
    TImagesItem* b = Layer("b", 2, 2);
    Select({a, b});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    scene.CurrentLayer = a;
    scene.Layers.Delete(scene.Layers.IndexOf(b));
    scene.Layers.Rename(0, "renamed");
    a->Name = "renamed";
    editor.Store(TKeyframeEditor::storeOther);
    EXPECT_EQ(Count(a), 1);
    EXPECT_EQ(editor.Members().size(), 1u);
    EXPECT_EQ(editor.ColumnCount(), 2);
}

TEST_F(Keyframes, DurationFromSpeed) {
    TImagesItem* a = Layer("a", 0, 10);
    a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdKeyFrame, "x=100y=10w=64h=32a=0", "1"));
    a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdKeyFrame, "x=400y=10w=64h=32a=0", "1"));
    a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdKeyFrame, "x=400y=110w=64h=32a=0", "1"));
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.TimelineLeft = 1;
    editor.TimelineRight = 3;

    for (const char* refused : {"0", "abc", "-5"}) {
        dialogs.TextAnswers.push_back(QString::fromLatin1(refused));
        EXPECT_FALSE(editor.DurationFromSpeed(dialogs)) << refused;
        EXPECT_EQ(a->Base.Track[0].Item(0)->sParam2(), "1");
    }
    EXPECT_EQ(dialogs.Messages.size(), 3u);

    dialogs.TextAnswers.push_back(QStringLiteral("150"));
    ASSERT_TRUE(editor.DurationFromSpeed(dialogs));
    EXPECT_EQ(a->Base.Track[0].Item(0)->sParam2(), "0,667");
    EXPECT_EQ(a->Base.Track[0].Item(1)->sParam2(), "2");
    EXPECT_EQ(a->Base.Track[0].Item(2)->sParam2(), "0,667");

    state.AutoDuration = QStringLiteral("3");
    editor.TimelineLeft = 2;
    editor.TimelineRight = 2;
    editor.SetRangeDuration();
    EXPECT_EQ(a->Base.Track[0].Item(1)->sParam2(), "3");
    EXPECT_EQ(a->Base.Track[0].Item(0)->sParam2(), "0,667");
}

TEST_F(Keyframes, PlayFromTheSelectedKeyframe) {
    TImagesItem* a = Layer("a", 0, 0);
    AddKeys(a, 3);
    Select({a});
    TManualClock clock;
    TPlayer player(scene, clock);
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(3); // the last column plays nothing
    EXPECT_FALSE(editor.PlayStart(player));

    editor.SelectColumn(1);
    clock.Set(1000);
    ASSERT_TRUE(editor.PlayStart(player));
    EXPECT_EQ(a->Left, 100);
    EXPECT_EQ(a->Base.Track[0].Current, 1);
    EXPECT_EQ(a->Base.Track[0].Item(1)->StartTime, 1000);
    EXPECT_FALSE(a->Base.Track[1].Running());
    clock.Set(1500);
    player.Tick();
    EXPECT_EQ(a->Left, 150);
    EXPECT_TRUE(editor.PlayFollow());
    EXPECT_EQ(editor.TimelineLeft, 2);

    editor.PlayStop(player);
    EXPECT_FALSE(a->Base.Track[0].Running());
    EXPECT_EQ(a->Left, 100); // keyframe 0 shown again
    EXPECT_FALSE(state.KeyframePlaying);
}

TEST_F(Keyframes, SaveWhileEditingStoresThePoseAndWritesTheStartState) {
    TImagesItem* a = Layer("a", 7, 8);
    AddKeys(a, 2);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(2);
    Drag(a, 250);
    double savedLeft = -1;
    editor.WithStartState([&] { savedLeft = a->Left; });
    EXPECT_EQ(savedLeft, 7);
    EXPECT_EQ(Key(a, 1), "x=250y=10w=64h=32a=0f=255");
    EXPECT_EQ(a->Left, 250); // the pose is shown again after the save
    EXPECT_TRUE(state.KeyframeMode);

    // A failed save puts the pose back as well.
    EXPECT_THROW(editor.WithStartState([] { throw EVelkonError(QStringLiteral("disk full")); }),
                 EVelkonError);
    EXPECT_EQ(a->Left, 250);
}

TEST_F(Keyframes, FinishBeforeANewProjectStoresAndSwitchesOff) {
    TImagesItem* a = Layer("a", 7, 8);
    AddKeys(a, 1);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(1);
    Drag(a, 40);
    editor.Finish(nullptr);
    EXPECT_FALSE(state.KeyframeMode);
    EXPECT_EQ(Key(a, 0), "x=40y=10w=64h=32a=0f=255");
    EXPECT_EQ(a->Left, 7);
}

TEST_F(Keyframes, OnlyKeyFramesShowTheirDuration) {
    TImagesItem* a = Layer("a", 0, 0);
    a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, "300", "128", "2"));
    AddKeys(a, 1);
    Select({a});
    ASSERT_TRUE(editor.EditingOn(dialogs));
    editor.SelectColumn(1);
    EXPECT_EQ(a->Left, 300);
    EXPECT_EQ(state.AutoDuration, "0,5"); // a MoveTo's second parameter is its y
    editor.SelectColumn(2);
    EXPECT_EQ(state.AutoDuration, "1");
    editor.DurationStep(true, false, false, false); // stores into the KeyFrame only
    editor.SelectColumn(1);
    editor.DurationStep(true, false, false, false);
    EXPECT_EQ(a->Base.Track[0].Item(0)->sParam2(), "128");
    EXPECT_EQ(a->Base.Track[0].Item(1)->sParam2(), "1,1");
}

// Rows removed in the command list while a keyframe is selected: the grid
// shrinks under the selection, and the keyframe operations then find nothing
// selected. They change nothing and record no step (an empty step, and a
// Delete(-1) that threw, came before).
TEST_F(Keyframes, OperationsOnAKeyframeWhoseRowsWereRemovedDoNothing) {
    const struct {
        const char* Name;
        void (TKeyframeEditor::*Run)();
    } operations[] = {
        {"delete", &TKeyframeEditor::DeleteKeyframe},
        {"copy", &TKeyframeEditor::CopyKeyframe},
        {"move back", &TKeyframeEditor::MoveBack},
        {"move forward", &TKeyframeEditor::MoveForward},
    };
    for (const auto& op : operations) {
        SCOPED_TRACE(op.Name);
        scene.Layers.Clear();
        scene.CurrentLayer = nullptr;
        state.Undo.Clear();
        TImagesItem* a = Layer("a", 7, 8);
        TImagesItem* b = Layer("b", 9, 10);
        AddKeys(a, 3);
        AddKeys(b, 3);
        Select({a, b});
        ASSERT_TRUE(editor.EditingOn(dialogs));
        editor.SelectColumn(3);
        ASSERT_EQ(editor.Selected(), 2);
        // The command list deletes the last two rows of every member.
        for (TImagesItem* l : {a, b}) {
            l->Base.Track[0].Delete(2);
            l->Base.Track[0].Delete(1);
        }
        const int steps = state.Undo.Top();
        EXPECT_NO_THROW((editor.*op.Run)());
        EXPECT_EQ(Count(a), 1);
        EXPECT_EQ(Count(b), 1);
        EXPECT_EQ(Key(a, 0), "x=100y=10w=64h=32a=0f=255");
        EXPECT_EQ(state.Undo.Top(), steps) << "a step was recorded";
        EXPECT_EQ(editor.Selected(), -1);
        EXPECT_EQ(editor.ColumnCount(), 2);
        editor.Finish(nullptr);
    }
}

// A layer made while keyframes are edited starts from where it was made: the
// save (which writes every layer's start state) writes it with its file and
// place, and switching editing off leaves it there. Its start state was empty
// before: the save wrote it without a file name, which the reader refuses,
// and editing off took its picture away. (The layers panel turns its tools
// off while keyframes are edited; the operations themselves do not.)
TEST_F(Keyframes, LayersMadeWhileEditingKeepTheirFileAndPlace) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"a.png", "b(30,40).png", "c.png"})
        ASSERT_TRUE(test::WritePng(dir.filePath(name), 4, 4, 6));
    ASSERT_TRUE(test::WriteFile(dir.filePath("src.VKP"), "[Files]\r\nName1=c.png\r\n"
                                                         "[Image1]\r\nName=C\r\nFileName=c.png\r\n"
                                                         "Left=50\r\nTop=60\r\n"));
    const struct {
        const char* Why;
        std::function<TImagesItem*(TImagesItem& a)> Make;
        double Left, Top; // where the new layer is made
    } cases[] = {
        {"clone", // of the member, shown at its first keyframe
         [&](TImagesItem& a) {
             CloneLayers(state, dialogs, {TLayerRow{-1, &a, true, 0}}, true);
             return scene.Layers.Find("a1");
         },
         100, 10},
        {"add picture",
         [&](TImagesItem&) {
             AddPictureFiles(state, dialogs, log, {}, {dir.filePath("b(30,40).png")});
             return scene.Layers.Find("b");
         },
         30, 40},
        {"import",
         [&](TImagesItem&) {
             TIniFile ini;
             ini.FromBytes(ReadProjectFile(dir.filePath("src.VKP")));
             ImportLayers(scene, dialogs, log, dir.filePath("src.VKP"), ini, {0});
             return scene.Layers.Find("C");
         },
         50, 60},
        {"a layer on a file", [&](TImagesItem& a) { return scene.AddLayer(a.FileItem); }, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        scene.ClearLayersAndFiles();
        state.Undo.Clear();
        TFilesItem* file = scene.AddFile(TFilesItem::Create(dir.filePath("a.png")));
        auto owned = std::make_unique<TImagesItem>(file);
        owned->Name = "a";
        owned->Left = 7;
        owned->Top = 8;
        TImagesItem* a = scene.Layers.Add("a", std::move(owned));
        AddKeys(a, 2);
        Select({a});
        ASSERT_TRUE(editor.EditingOn(dialogs));
        editor.SelectColumn(1);
        ASSERT_EQ(a->Left, 100);

        TImagesItem* made = c.Make(*a);
        ASSERT_TRUE(made);
        const TFilesItem* madeFile = made->FileItem;
        ASSERT_TRUE(madeFile);
        ASSERT_TRUE(state.KeyframeMode);

        const QString path = dir.filePath("out.VKP");
        ASSERT_NO_THROW(editor.WithStartState([&] { WriteProject(scene, path); }));
        TScene again;
        TErrorLog readLog;
        ASSERT_NO_THROW(ReadProject(again, path, readLog)) << readLog.Lines().join("\n").toStdString();
        EXPECT_TRUE(again.Incomplete.isEmpty());
        const TImagesItem* read = again.Layers.Find(made->Name);
        ASSERT_TRUE(read);
        ASSERT_TRUE(read->FileItem);
        EXPECT_EQ(read->FileItem->Name, madeFile->Name);
        EXPECT_EQ(read->Left, c.Left);
        EXPECT_EQ(read->Top, c.Top);
        EXPECT_EQ(again.Layers.Find("a")->Left, 7); // the member's start state

        editor.EditingOff();
        EXPECT_FALSE(state.KeyframeMode);
        EXPECT_EQ(made->FileItem, madeFile);
        EXPECT_EQ(made->Picture, madeFile->Image.get());
        EXPECT_EQ(made->Left, c.Left);
        EXPECT_EQ(made->Top, c.Top);
        EXPECT_EQ(a->Left, 7);
    }
}
