#include "edit/editorstate.h"
#include "edit/scrubber.h"
#include "engine/simulation.h"
#include "engine/virtualplay.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/scene.h"
#include "model/snd.h"
#include "project/projectfile.h"

#include <gtest/gtest.h>

#include <map>

using namespace velkon;

namespace {

TImagesItem* AddLayer(TScene& scene, const QString& name, double left = 0, double top = 0) {
    auto layer = std::make_unique<TImagesItem>(nullptr);
    layer->Name = name;
    layer->Left = left;
    layer->Top = top;
    layer->Width = 40;
    layer->Height = 30;
    layer->SaveState();
    return scene.Layers.Add(name, std::move(layer));
}

TCommandItem* Add(TCommands& track, int command, const QString& p1 = {}, const QString& p2 = {},
                  const QString& p3 = {}) {
    return track.Add(CommandName(command), std::make_unique<TCommandItem>(command, p1, p2, p3));
}

// Loops that count down (one inside the other's reach), a restart and a flip.
void LoopScene(TScene& scene) {
    TImagesItem* a = AddLayer(scene, "A", 10, 20);
    Add(a->Base.Track[0], cmdMoveTo, "200", "20", "0,3");
    Add(a->Base.Track[0], cmdMoveTo, "10", "20", "0,2");
    Add(a->Base.Track[0], cmdLoop, "3", "2");
    Add(a->Base.Track[0], cmdFlip, "1");
    Add(a->Base.Track[1], cmdRotate, "90", "0,4");
    Add(a->Base.Track[1], cmdRotate, "0", "0,1");
    Add(a->Base.Track[1], cmdLoop, "-1", "2");
    TImagesItem* b = AddLayer(scene, "B", 300, 0);
    Add(b->Base.Track[0], cmdFadeTo, "0", "0,6");
    Add(b->Base.Track[0], cmdWait, "0,1");
    Add(b->Base.Track[0], cmdReStart, "0");
    Add(b->Base.Track[1], cmdWait, "2,2");
    Add(b->Base.Track[1], cmdHide, "B");
}

// Random parameters: every restart draws again from the scene's generator.
void RandomScene(TScene& scene) {
    for (int i = 0; i < 3; ++i) {
        TImagesItem* l = AddLayer(scene, QStringLiteral("R%1").arg(i), i * 50, 0);
        Add(l->Base.Track[0], cmdMoveTo, "RandomI(0;500)", "RandomI(0;400)", "Random(0,1;0,4)");
        Add(l->Base.Track[0], cmdReSize, "RandomI(10;90)", "RandomI(10;90)", "0,15");
        Add(l->Base.Track[0], cmdLoop, "4", "2");
    }
}

// Eased movements, in, out and both, and an accelerated one.
void EaseScene(TScene& scene) {
    TImagesItem* a = AddLayer(scene, "In");
    Add(a->Base.Track[0], cmdMoveTo, "400", "100", "Ease(d=0,7e=1009f=0,0g=0,0h=0,0i=1,0j=0,0)");
    TImagesItem* b = AddLayer(scene, "Both");
    Add(b->Base.Track[0], cmdRotate, "180", "Ease(d=0,9e=1012f=0,0g=0,0h=1,0i=0,0j=0,0)");
    Add(b->Base.Track[0], cmdKeyFrame, "x=5y=6w=70h=80a=10f=100", "0,4");
    TImagesItem* c = AddLayer(scene, "Fast", 0, 200);
    Add(c->Base.Track[0], cmdAccelerate, "5");
    Add(c->Base.Track[0], cmdMoveTo, "500", "200", "1,2");
}

// A child follows its parent's moves; the parent starts the child's touch animation.
void ParentChildScene(TScene& scene) {
    TImagesItem* parent = AddLayer(scene, "Parent", 100, 100);
    Add(parent->Base.Track[0], cmdRotate, "45", "0,5");
    Add(parent->Base.Track[0], cmdStartOther, "Child", "1");
    Add(parent->Base.Track[0], cmdMoveTo, "150", "120", "0,5");
    TImagesItem* child = AddLayer(scene, "Child", 120, 110);
    child->Parent = QStringLiteral("Parent");
    Add(child->Base.Track[0], cmdMoveTo, "130", "140", "0,8");
    Add(child->Touch1.Track[0], cmdFadeTo, "50", "0,3");
    Add(child->Touch1.Track[0], cmdReSet);
}

// Sound commands between moves (they change nothing on show).
void SoundScene(TScene& scene) {
    auto wav = std::make_unique<TFilesItem>();
    wav->Name = "pop.wav";
    wav->Kind = TFilesItem::kindSound;
    wav->Sound = std::make_unique<TSnd>("pop.wav", "pop.wav");
    scene.AddFile(std::move(wav));
    TImagesItem* a = AddLayer(scene, "Drum", 5, 5);
    Add(a->Base.Track[0], cmdPlaySfx, "pop.wav");
    Add(a->Base.Track[0], cmdMoveTo, "60", "5", "0,3");
    Add(a->Base.Track[0], cmdStopSfx, "pop.wav");
    Add(a->Base.Track[0], cmdPlaySfx, "pop.wav");
    Add(a->Base.Track[0], cmdMoveTo, "5", "5", "0,3");
}

struct TSceneCase {
    const char* Name;
    void (*Build)(TScene&);
};

const TSceneCase sceneCases[] = {
    {"loops", LoopScene},
    {"random", RandomScene},
    {"eases", EaseScene},
    {"parent and child", ParentChildScene},
    {"sound", SoundScene},
};

struct TOrderCase {
    const char* Name;
    std::vector<int32_t> Times;
};

const TOrderCase orderCases[] = {
    {"forward", {0, 40, 260, 261, 700, 1400, 2600, 3000}},
    {"backward", {3000, 2600, 1400, 700, 261, 260, 40, 0}},
    {"jumps", {1400, 40, 2600, 249, 251, 750, 3000, 499, 500, 501}},
    {"the same time twice", {700, 700, 260, 260, 2600, 2600}},
    {"steps back and forth", {1000, 967, 1033, 1000, 934, 1066}},
};

QString StateLines(const TScene& scene, int32_t time) {
    QString lines;
    for (int i = 0; i < scene.Layers.Count(); ++i)
        lines += TSimulation::StateLine(time, *scene.Layers.At(i)) + QLatin1Char('\n');
    return lines;
}

// The scene at time after one straight play from the start, as `velkon simulate` plays it.
QString StraightPlay(TScene& scene, int32_t time) {
    TVirtualPlay play(scene, {});
    EXPECT_TRUE(play.Start());
    play.AdvanceTo(time);
    return StateLines(scene, time);
}

} // namespace

TEST(Scrubber, EverySeekOrderShowsWhatOneStraightPlayShows) {
    for (const TSceneCase& sceneCase : sceneCases) {
        for (const TOrderCase& order : orderCases) {
            SCOPED_TRACE(std::string(sceneCase.Name) + ", " + order.Name);
            // The straight plays run on a twin of the scene (they may open its sounds).
            TScene reference, scene;
            sceneCase.Build(reference);
            sceneCase.Build(scene);
            std::map<int32_t, QString> expected;
            for (int32_t t : order.Times)
                if (!expected.count(t))
                    expected[t] = StraightPlay(reference, t);
            const QString edited = StateLines(scene, 0);
            TScrubber scrubber(scene);
            for (int32_t t : order.Times) {
                SCOPED_TRACE(t);
                ASSERT_TRUE(scrubber.Seek(t));
                EXPECT_EQ(scrubber.Time(), t);
                EXPECT_EQ(StateLines(scene, t), expected[t]);
            }
            scrubber.Leave();
            EXPECT_FALSE(scrubber.Active());
            EXPECT_EQ(StateLines(scene, 0), edited);
            EXPECT_EQ(scene.Sounds, nullptr); // sound commands stayed silent
        }
    }
}

TEST(Scrubber, TheScenesReallyMoveAndStop) {
    // The equivalence above means something only if the scenes change with time.
    for (const TSceneCase& sceneCase : sceneCases) {
        SCOPED_TRACE(sceneCase.Name);
        TScene scene;
        sceneCase.Build(scene);
        EXPECT_NE(StraightPlay(scene, 200), StraightPlay(scene, 500).replace(QLatin1String("500 "), "200 "));
    }
}

TEST(Scrubber, SeeksBackFromTheNearestCheckpointNotFromZero) {
    TScene scene;
    RandomScene(scene);
    TScrubber scrubber(scene, 250);
    ASSERT_TRUE(scrubber.Seek(1100));
    EXPECT_EQ(scrubber.CheckpointCount(), 5u); // 0, 250, 500, 750, 1000
    EXPECT_EQ(scrubber.TicksPlayed(), 1100);
    // A seek back to 1010 restores the checkpoint of 1000 and plays ten ticks.
    ASSERT_TRUE(scrubber.Seek(1010));
    EXPECT_EQ(scrubber.TicksPlayed(), 1110);
    EXPECT_EQ(scene.Clock.Now, 1010);
    EXPECT_EQ(scene.Clock.LastTime, 1009);
    // Before the first checkpoint after 0 it goes back to the start.
    ASSERT_TRUE(scrubber.Seek(240));
    EXPECT_EQ(scrubber.TicksPlayed(), 1350);
    EXPECT_EQ(scrubber.CheckpointCount(), 5u);
    // Past the automatic stop the edited state shows.
    const QString edited = [&] {
        TScene fresh;
        RandomScene(fresh);
        return StateLines(fresh, 0);
    }();
    ASSERT_TRUE(scrubber.Seek(8000));
    EXPECT_GT(scrubber.StopTime(), 0);
    EXPECT_EQ(StateLines(scene, 0), edited);
    EXPECT_EQ(scrubber.CheckpointCount(), 33u);
}

TEST(Scrubber, LeavingPutsBackTheEditedStateExactlyAndTouchesNoUndoStep) {
    TScene scene;
    LoopScene(scene);
    TEditorState state{scene};
    TImagesItem* a = scene.Layers.Find("A");
    // Edited state that a playback would change: another animation on show,
    // a loop counter written by hand, a seed drawn, a slow-down.
    a->SelectAnimation(TImagesItem::animTouch2);
    a->Base.Track[0].Item(2)->SetParam(3, QStringLiteral("7"));
    a->SavedState.Left = 99;
    scene.TimeScale = 3;
    scene.Random.Seed(42);
    state.Undo.Record(1);
    scene.Saved = false;
    const QString text = ProjectText(scene);
    const uint64_t changes = state.Undo.Changes();
    const int32_t top = state.Undo.Top();
    TRandom random = scene.Random;
    {
        TScrubber scrubber(scene);
        ASSERT_TRUE(scrubber.Seek(900));
        EXPECT_NE(a->Left, 10);
        ASSERT_TRUE(scrubber.Seek(300));
        scrubber.Leave();
    }
    EXPECT_EQ(ProjectText(scene), text);
    EXPECT_EQ(state.Undo.Changes(), changes);
    EXPECT_EQ(state.Undo.Top(), top);
    EXPECT_EQ(a->ActiveAnimation(), TImagesItem::animTouch2);
    EXPECT_EQ(a->SavedState.Left, 99);
    EXPECT_EQ(a->Base.Track[0].Item(2)->sParam3(), "7");
    EXPECT_EQ(scene.TimeScale, 3);
    EXPECT_FALSE(scene.Playing);
    EXPECT_FALSE(scene.Saved);
    EXPECT_EQ(scene.Random.Below(1000000), random.Below(1000000));
    // Leaving twice, or without a seek, is harmless.
    TScrubber idle(scene);
    idle.Leave();
    EXPECT_EQ(ProjectText(scene), text);
}

TEST(Scrubber, SeeksBackAlsoAfterTheLayerListReorderedTheLayers) {
    // Building the layer list gathers a group's members: the order changes, the play state does not.
    TScene reference, scene;
    ParentChildScene(reference);
    ParentChildScene(scene);
    TScrubber scrubber(scene, 250);
    ASSERT_TRUE(scrubber.Seek(700));
    scene.Layers.Move(0, 1);
    ASSERT_TRUE(scrubber.Seek(300));
    EXPECT_EQ(scrubber.TicksPlayed(), 750); // from the checkpoint at 250
    QStringList lines = StateLines(scene, 300).split('\n');
    QStringList expected = StraightPlay(reference, 300).split('\n');
    lines.sort();
    expected.sort();
    EXPECT_EQ(lines, expected);
}

TEST(Scrubber, TellsATracksErrorOncePerMoment) {
    TScene scene;
    TImagesItem* a = AddLayer(scene, "A");
    Add(a->Base.Track[0], cmdMoveTo, "x", "0", "0,1");
    Add(a->Base.Track[0], cmdMoveTo, "50", "0", "0,4");
    QStringList errors;
    TScrubber scrubber(scene, 100);
    scrubber.OnError = [&](int32_t at, const QString& m) { errors << QString::number(at) + " " + m; };
    ASSERT_TRUE(scrubber.Seek(300));
    ASSERT_TRUE(scrubber.Seek(50));
    ASSERT_TRUE(scrubber.Seek(300));
    EXPECT_EQ(errors.size(), 1) << errors.join("|").toStdString();
}
