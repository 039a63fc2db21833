#include "support/testsupport.h"
#include "model/commanddesc.h"

#include "edit/editorstate.h"
#include "edit/undobuffer.h"
#include "model/errorlog.h"
#include "model/scene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velkon {
namespace {

// A text as a deep copy keeps it, null told apart from empty.
QString Text(const QString& s) {
    return s.isNull() ? QStringLiteral("<null>") : QLatin1Char('"') + s + QLatin1Char('"');
}

// A real with its sign, so that -0 and 0 differ.
QString Real(double v) {
    return (std::signbit(v) ? QStringLiteral("-") : QString()) + QString::number(std::fabs(v), 'g', 17);
}

// Everything a restore writes back, as one comparable text.
QString Dump(const TImagesItem& l) {
    QString s = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 t%9,%10,%11,%12 v%13 p%14 ")
                    .arg(Real(l.Top))
                    .arg(Real(l.Left))
                    .arg(Real(l.Width))
                    .arg(Real(l.Height))
                    .arg(Real(l.Alpha))
                    .arg(Real(l.Angle))
                    .arg(Real(l.OrigoX))
                    .arg(Real(l.OrigoY))
                    .arg(l.TouchLeft)
                    .arg(l.TouchTop)
                    .arg(l.TouchWidth)
                    .arg(l.TouchHeight)
                    .arg(l.Visible)
                    .arg(l.PlayAnim);
    s += QStringLiteral("%1 g%2 f%3 a%4 l%5 c%6 s%7 sh%8 k%9 col%10 act%11\n")
             .arg(Text(l.Parent))
             .arg(l.Group)
             .arg(l.FlipMode)
             .arg(l.Acceleration)
             .arg(l.Locked)
             .arg(l.Changed)
             .arg(l.Selected)
             .arg(l.Shown)
             .arg(l.KeyframeEditing)
             .arg(l.ItemColor)
             .arg(l.ActiveAnimation());
    for (int t = 1; t <= 12; ++t) {
        const TCommands& track = l.TrackByNumber(t);
        s += QStringLiteral("[%1 cur%2]").arg(t).arg(track.Current);
        for (int i = 0; i < track.Count(); ++i) {
            const TCommandItem* c = track.Item(i);
            s += QStringLiteral(" %1:%2(%3;%4;%5)@%6,%7")
                     .arg(Text(track.Name(i)))
                     .arg(c->Command())
                     .arg(Text(c->sParam1()), Text(c->sParam2()), Text(c->sParam3()))
                     .arg(Real(c->OX()))
                     .arg(Real(c->OY()));
        }
        s += QLatin1Char('\n');
    }
    return s;
}

QString DumpScene(const TScene& scene) {
    QString s;
    for (int i = 0; i < scene.Layers.Count(); ++i)
        s += scene.Layers.Name(i) + QLatin1Char('=') + Dump(*scene.Layers.At(i));
    return s;
}

class UndoBufferTest : public ::testing::Test {
protected:
    UndoBufferTest() {
        state.Log = &log;
        for (const char* name : {"Sky", "Ball", "Tree"}) {
            auto l = std::make_unique<TImagesItem>();
            l->Name = QString::fromLatin1(name);
            l->Width = 100;
            l->Height = 50;
            l->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, QStringLiteral("10"), QStringLiteral("20"),
                                                                QStringLiteral("1")));
            l->Touch1.Track[2].Add(std::make_unique<TCommandItem>(cmdRotate, QStringLiteral("Left(Sky;10)")));
            const QString key = l->Name;
            scene.Layers.Add(key, std::move(l));
        }
    }
    TImagesItem& Layer(const char* name) { return *scene.Layers.Find(QString::fromLatin1(name)); }
    // An edit as the editor makes it: record, then change.
    void Nudge(double dx) {
        state.Undo.Record(TUndoBuffer::kindKeyboardMove);
        Layer("Ball").Left += dx;
    }
    int LinesNamed(const QString& name) const { return log.Lines().count(name); }

    TScene scene;
    TEditorState state{scene};
    TErrorLog log;
};

TEST_F(UndoBufferTest, KindsAreNamedAsTheUserSeesThem) {
    using U = TUndoBuffer;
    const struct {
        int kind;
        const char* name;
    } cases[] = {
        {U::kindMouseMove, "Mozgatás egérrel"},
        {U::kindProperty, "Tulajdonság változás"},
        {U::kindKeyTouchStart, "Kulcskocka - indítási parancsok"},
        {U::kindRedo, "Redo készítése"},
        {U::kindLayersDeleteCommands, "Rétegek parancsok törlése"},
        {U::kindKeyboardMove, "Mozgatás gombokkal"},
        {U::kindLayerAdd, "Réteg hozzáadás"},
        {U::kindLayerDelete, "Réteg törlés"},
        {U::kindLayerClone, "Réteg klónozás"},
        {U::kindLayerOrder, "Rétegsorrend"},
        {U::kindRename, "Átnevezés"},
        {U::kindFileRename, "Fájl átnevezés"},
        {U::kindImport, "Import"},
        {U::kindFileAdd, "Fájl hozzáadás"},
        {U::kindFileDelete, "Fájl törlés"},
        {U::kindGroupDissolve, "Csoport megszüntetés"},
        {U::kindGroupRename, "Csoport átnevezés"},
        {U::kindVisibility, "Láthatóság váltás"},
        {U::kindLock, "Zárolás váltás"},
        {U::kindShown, "Megjelenítés váltás"},
        {U::kindColor, "Szín beállítás"},
        // Numbers that name no kind.
        {U::kindMouseMove + 1, "Nem meghatározható"},
        {0, "Nem meghatározható"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TUndoBuffer::KindName(c.kind), QString::fromUtf8(c.name)) << c.kind;
}

TEST_F(UndoBufferTest, TenNudgesAreOneStep) {
    for (int i = 0; i < 10; ++i)
        Nudge(1);
    EXPECT_EQ(state.Undo.Top(), 1);
    EXPECT_EQ(LinesNamed(QStringLiteral("Mozgatás gombokkal")), 1);
    EXPECT_EQ(log.UndoName, QStringLiteral("Mozgatás gombokkal"));
    EXPECT_EQ(log.UndoSlot, 1);
    EXPECT_TRUE(state.Undo.UndoEnabled());
    EXPECT_FALSE(state.Undo.RedoEnabled());

    state.Undo.Undo();
    EXPECT_EQ(Layer("Ball").Left, 0.0) << "one undo takes back the whole run";
}

TEST_F(UndoBufferTest, AnotherKindInBetweenStartsNewSteps) {
    Nudge(1);
    state.Undo.Record(TUndoBuffer::kindProperty);
    Layer("Ball").Alpha = 10;
    Nudge(1);
    EXPECT_EQ(state.Undo.Top(), 3);
    EXPECT_EQ(state.Undo.Slot(1)->Kind, TUndoBuffer::kindKeyboardMove);
    EXPECT_EQ(state.Undo.Slot(2)->Kind, TUndoBuffer::kindProperty);
    EXPECT_EQ(state.Undo.Slot(3)->Kind, TUndoBuffer::kindKeyboardMove);
}

TEST_F(UndoBufferTest, NegativeKindAndMouseUpEndMerging) {
    state.Undo.Record(TUndoBuffer::kindMouseMove);
    state.Undo.Record(-TUndoBuffer::kindMouseMove);
    EXPECT_EQ(state.Undo.Top(), 2);
    EXPECT_EQ(state.Undo.Slot(2)->Kind, TUndoBuffer::kindMouseMove) << "kinds are stored positive";
    state.Undo.EndMerge();
    state.Undo.Record(TUndoBuffer::kindMouseMove);
    EXPECT_EQ(state.Undo.Top(), 3);
}

TEST_F(UndoBufferTest, UndoRestoresTheStateBeforeTheEditAndLogsTheSteps) {
    state.Undo.Record(TUndoBuffer::kindProperty);
    Layer("Sky").Alpha = 100;
    const QString before = DumpScene(scene);
    state.ToolPoint(-1).X = 40;
    state.ToolPoint(-1).Y = 41;
    state.Undo.Record(TUndoBuffer::kindMouseMove); // a drag
    Layer("Ball").Left = 300;
    Layer("Ball").Angle = 45;
    TCommandItem* move = Layer("Ball").Base.Track[0].Item(0);
    move->SetParam(1, QLatin1Char('9') + move->sParam1().mid(1));
    Layer("Tree").Touch1.Track[2].Clear();
    Layer("Tree").SelectAnimation(TImagesItem::animTouch2);
    state.ToolPoint(-1).X = 400;
    log.Clear();

    state.Undo.Undo();

    EXPECT_EQ(DumpScene(scene), before);
    EXPECT_EQ(state.ToolPoint(-1).X, 40);
    EXPECT_EQ(state.ToolPoint(-1).Y, 41);
    ASSERT_EQ(log.Count(), 2);
    EXPECT_EQ(log.Lines().at(1), QStringLiteral("Redo készítése"));
    EXPECT_EQ(log.Lines().at(0), QStringLiteral("Tulajdonság változás")) << "the step now at top";
    EXPECT_EQ(log.UndoSlot, 1);
    EXPECT_TRUE(state.Undo.RedoEnabled());
}

TEST_F(UndoBufferTest, RedoReturnsToTheStateBeforeTheUndo) {
    state.Undo.Record(TUndoBuffer::kindMouseMove);
    Layer("Ball").Left = 300;
    Layer("Ball").Selected = true;
    Layer("Sky").Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdRelativeMoveTo, QStringLiteral("5")));
    Layer("Sky").SelectAnimation(TImagesItem::animTouch1);
    const QString edited = DumpScene(scene);

    state.Undo.Undo();
    ASSERT_NE(DumpScene(scene), edited);
    state.Undo.Redo();
    EXPECT_EQ(DumpScene(scene), edited);
    EXPECT_EQ(scene.CurrentLayer, &Layer("Ball")) << "the selection is recomputed";
    EXPECT_EQ(state.ToolPoint(-1).X, 300) << "redo recomputes the origin from the selection";

    const int top = state.Undo.Top();
    state.Undo.Redo(); // at the newest step
    EXPECT_EQ(DumpScene(scene), edited);
    EXPECT_EQ(state.Undo.Top(), top);
}

TEST_F(UndoBufferTest, UndoWithoutOlderStepOnlyRecordsTheRedoStep) {
    Layer("Ball").Left = 7;
    state.Undo.Undo();
    EXPECT_EQ(Layer("Ball").Left, 7);
    EXPECT_EQ(state.Undo.Slot(1)->Kind, TUndoBuffer::kindRedo);
    EXPECT_FALSE(state.Undo.RedoEnabled());
}

TEST_F(UndoBufferTest, ADeletedLayerComesBackAndAnAddedOneGoes) {
    const QString before = DumpScene(scene);
    TImagesItem* tree = &Layer("Tree");
    const uint64_t treeId = tree->Id;
    state.Undo.Record(-TUndoBuffer::kindLayersTranspose);
    Layer("Ball").Left = 50;
    scene.Layers.Delete(scene.Layers.IndexOf(QStringLiteral("Tree")));
    auto added = std::make_unique<TImagesItem>();
    added->Left = 70;
    scene.Layers.Add(QStringLiteral("Cloud"), std::move(added));
    const QString after = DumpScene(scene);

    state.Undo.Undo();
    EXPECT_EQ(DumpScene(scene), before);
    EXPECT_EQ(scene.Layers.IndexOf(QStringLiteral("Cloud")), -1);
    EXPECT_EQ(Layer("Tree").Id, treeId) << "made again under its old id";
    state.Undo.Redo();
    EXPECT_EQ(DumpScene(scene), after);
}

TEST_F(UndoBufferTest, ARenamedLayerGetsItsNameAndKeyBack) {
    TImagesItem* ball = &Layer("Ball");
    state.Undo.Record(-TUndoBuffer::kindRename);
    Layer("Ball").Left = 50;
    scene.Layers.Rename(scene.Layers.IndexOf(QStringLiteral("Ball")), QStringLiteral("Labda"));
    ball->Name = QStringLiteral("Labda");
    state.Undo.Undo();
    EXPECT_EQ(scene.Layers.Find(QStringLiteral("Ball")), ball) << "the same object, not a new one";
    EXPECT_EQ(ball->Name, QStringLiteral("Ball"));
    EXPECT_EQ(scene.Layers.Name(1), QStringLiteral("Ball"));
    EXPECT_EQ(ball->Left, 0);
}

TEST_F(UndoBufferTest, The256thStepOverwritesSlotOne) {
    for (int i = 1; i <= 255; ++i) {
        state.Undo.Record(-TUndoBuffer::kindProperty);
        Layer("Ball").Left = i;
    }
    EXPECT_EQ(state.Undo.Top(), 255);
    state.Undo.Record(-TUndoBuffer::kindCommandAdd);
    EXPECT_EQ(state.Undo.Top(), 1);
    EXPECT_EQ(state.Undo.Slot(1)->Kind, TUndoBuffer::kindCommandAdd);
    EXPECT_EQ(log.UndoSlot, 1);
    Layer("Ball").Left = 1000;

    state.Undo.Undo(); // back to the state of step 256
    EXPECT_EQ(Layer("Ball").Left, 255);
    state.Undo.Undo(); // step 255 (slot 255)
    EXPECT_EQ(Layer("Ball").Left, 254);
}

TEST_F(UndoBufferTest, ANewStepEndsTheRedoBranch) {
    for (int left : {1, 2, 3}) {
        state.Undo.Record(-TUndoBuffer::kindProperty);
        Layer("Ball").Left = left;
    }
    state.Undo.Undo();
    state.Undo.Undo();
    ASSERT_EQ(Layer("Ball").Left, 1);
    ASSERT_TRUE(state.Undo.RedoEnabled());

    state.Undo.Record(-TUndoBuffer::kindProperty);
    Layer("Ball").Left = 50;
    EXPECT_FALSE(state.Undo.RedoEnabled());
    const QString edited = DumpScene(scene);
    const int top = state.Undo.Top();
    state.Undo.Redo();
    EXPECT_EQ(Layer("Ball").Left, 50) << "the abandoned 2 and 3 never come back";
    EXPECT_EQ(DumpScene(scene), edited);
    EXPECT_EQ(state.Undo.Top(), top);

    // The next undo opens a branch of its own again.
    state.Undo.Undo();
    EXPECT_EQ(Layer("Ball").Left, 1);
    EXPECT_TRUE(state.Undo.RedoEnabled());
    state.Undo.Redo();
    EXPECT_EQ(Layer("Ball").Left, 50);
    state.Undo.Undo();
    state.Undo.Undo();
    EXPECT_EQ(Layer("Ball").Left, 0);
}

TEST_F(UndoBufferTest, UndoAndRedoWalkTheWholeBranchInBothDirections) {
    for (int left : {1, 2, 3}) {
        state.Undo.Record(-TUndoBuffer::kindProperty);
        Layer("Ball").Left = left;
    }
    const struct {
        bool undo;
        double left;
    } steps[] = {{true, 2},  {true, 1},  {false, 2}, {true, 1}, {true, 0},
                 {false, 1}, {false, 2}, {false, 3}, {false, 3}};
    for (const auto& step : steps) {
        step.undo ? state.Undo.Undo() : state.Undo.Redo();
        EXPECT_EQ(Layer("Ball").Left, step.left) << (step.undo ? "undo" : "redo");
    }
}

TEST_F(UndoBufferTest, UndoStopsAtTheOldestStepOfAFullRing) {
    // 300 steps: the ring keeps the 255 newest, and the first undo's own
    // snapshot takes the place of the oldest of them.
    for (int i = 1; i <= 300; ++i) {
        state.Undo.Record(-TUndoBuffer::kindProperty);
        Layer("Ball").Left = i;
    }
    for (int i = 1; i <= 254; ++i) {
        state.Undo.Undo();
        ASSERT_EQ(Layer("Ball").Left, 300 - i) << "undo " << i;
    }
    EXPECT_EQ(Layer("Ball").Left, 46);
    for (int i = 0; i < 3; ++i) {
        state.Undo.Undo();
        EXPECT_EQ(Layer("Ball").Left, 46)
            << "past the oldest step nothing changes, never a jump to the newest";
    }
    for (int i = 1; i <= 254; ++i) {
        state.Undo.Redo();
        ASSERT_EQ(Layer("Ball").Left, 46 + i) << "redo " << i;
    }
    EXPECT_EQ(Layer("Ball").Left, 300);
    state.Undo.Redo();
    EXPECT_EQ(Layer("Ball").Left, 300);
}

TEST_F(UndoBufferTest, ClearEmptiesTheRingAndDisablesBothButtons) {
    state.Undo.Record(TUndoBuffer::kindMouseMove);
    state.Undo.Undo();
    ASSERT_TRUE(state.Undo.RedoEnabled());
    const int top = state.Undo.Top();

    ASSERT_FALSE(log.UndoName.isEmpty());
    state.Undo.Clear();
    EXPECT_FALSE(state.Undo.UndoEnabled());
    EXPECT_FALSE(state.Undo.RedoEnabled());
    EXPECT_EQ(log.Lines().first(), QStringLiteral("UNDO PUFFER TÖRÖLVE!"));
    EXPECT_EQ(log.UndoName, QString()) << "the undo field shows no step of the cleared ring";
    EXPECT_EQ(state.Undo.Top(), top);
    for (int i = 1; i <= TUndoBuffer::SlotCount; ++i)
        EXPECT_EQ(state.Undo.Slot(i), nullptr);

    Layer("Ball").Left = 5;
    state.Undo.Undo();
    EXPECT_EQ(Layer("Ball").Left, 5) << "nothing to go back to after a clear";
}

TEST_F(UndoBufferTest, KeyframeFieldsFollowTheSnapshot) {
    std::vector<bool> switched;
    state.Undo.SwitchKeyframeEditing = [&](bool on) {
        switched.push_back(on);
        state.KeyframeMode = on;
    };
    state.KeyframeMode = true;
    state.KeyFrameIndex = 3;
    state.KeyFrameColCount = 7;
    state.KeyFrameCol = 4;
    state.Undo.Record(-TUndoBuffer::kindKeyStore);
    EXPECT_EQ(state.Undo.Slot(1)->KeyFrameColCount, 7);
    state.KeyFrameIndex = 5;
    state.KeyFrameColCount = 9;
    state.KeyFrameCol = 8;
    state.KeyframeMode = false; // editing switched off afterwards

    state.Undo.Undo(); // the "Redo" step records -1 columns, the restored one turns editing back on
    EXPECT_EQ(switched, std::vector<bool>{true});
    EXPECT_EQ(state.KeyFrameIndex, 3);
    EXPECT_EQ(state.KeyFrameColCount, 7);
    EXPECT_EQ(state.KeyFrameCol, 4);

    state.Undo.Redo(); // back to editing off
    EXPECT_EQ(switched, (std::vector<bool>{true, false}));
    EXPECT_FALSE(state.KeyframeMode);
}

TEST_F(UndoBufferTest, UnchangedLayersAreSharedBetweenSteps) {
    state.Undo.Record(-TUndoBuffer::kindMouseMove);
    Layer("Ball").Left = 5;
    state.Undo.Record(-TUndoBuffer::kindMouseMove);
    const TVKPObject& a = *state.Undo.Slot(1);
    const TVKPObject& b = *state.Undo.Slot(2);
    EXPECT_EQ(a.Layers[0], b.Layers[0]) << "Sky did not change";
    EXPECT_NE(a.Layers[1], b.Layers[1]) << "Ball moved";
    EXPECT_EQ(a.Layers[1]->Commands, b.Layers[1]->Commands) << "its commands did not change";
    EXPECT_EQ(a.Layers[1]->Left, 0);
    EXPECT_EQ(b.Layers[1]->Left, 5);
}

TEST_F(UndoBufferTest, CommandsEditedInPlaceAfterARestoreAreUndoneToo) {
    // Restored commands share their texts with the snapshot; editing one must
    // not reach back into the ring.
    TCommandItem* c = Layer("Sky").Base.Track[0].Item(0);
    state.Undo.Record(-TUndoBuffer::kindCommandEdit);
    c->SetParam(2, QStringLiteral("99"));
    state.Undo.Undo();
    c = Layer("Sky").Base.Track[0].Item(0);
    ASSERT_EQ(c->sParam2(), QStringLiteral("20"));
    state.Undo.Record(-TUndoBuffer::kindCommandEdit);
    c->SetParam(2, c->sParam2() + QLatin1Char('5'));
    c->SetOX(1);
    state.Undo.Undo();
    c = Layer("Sky").Base.Track[0].Item(0);
    EXPECT_EQ(c->sParam2(), QStringLiteral("20"));
    EXPECT_EQ(c->OX(), 512);
}

TEST_F(UndoBufferTest, EveryKindOfChangeIsCaptured) {
    // Most edits keep the track's length and the texts' lengths, so only the
    // contents tell them apart; several change a text in place.
    TCommands& track = Layer("Ball").Base.Track[0];
    track.Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("7")));
    TImagesItem& ball = Layer("Ball");
    // A text of the second command, changed as an editor would change it.
    auto edit = [&](int param, const std::function<void(QString&)>& f) {
        QString text = track.Item(1)->Param(param);
        f(text);
        track.Item(1)->SetParam(param, text);
    };
    // Starts as [A (1; "10"; "20"; "1"), B (3; "7")]; the edits add up.
    const std::function<void()> edits[] = {
        [&] { track.Move(0, 1); }, // [B, A]
        [&] { track.Item(0)->SetCommand(2); },
        [&] { track.Item(1)->SetOX(0); },
        [&] { track.Item(1)->SetOX(-0.0); },
        [&] { track.Item(1)->SetOY(-1); },
        [&] { track.Item(1)->SetParam(3, QStringLiteral("2")); }, // same length, other text
        [&] { edit(1, [](QString& p) { p[0] = QLatin1Char('x'); }); },
        [&] { edit(2, [](QString& p) { p.data()[1] = QLatin1Char('9'); }); },
        [&] { edit(2, [](QString& p) { p.replace(0, 1, QLatin1Char('8')); }); },
        [&] { edit(1, [](QString& p) { p.fill(QLatin1Char('z')); }); },
        [&] { edit(1, [](QString& p) { p.remove(0, 1); }); },
        [&] { edit(1, [](QString& p) { p += QLatin1Char('q'); }); },
        [&] { edit(3, [](QString& p) { p.chop(1); }); },                 // empty, not null
        [&] { edit(3, [](QString& p) { p.clear(); }); },                 // null
        [&] { track.Item(0)->SetParam(2, QString(QLatin1String(""))); }, // null before, now empty
        [&] { track.SetName(0, QStringLiteral("Wait")); },
        [&] { track.SetName(1, QString(track.Name(1)).replace(0, 1, QLatin1Char('#'))); },
        [&] { track.Current = 1; },
        [&] {
            track.Delete(1);
            track.Add(std::make_unique<TCommandItem>(cmdReSize, QStringLiteral("7")));
        },
        [&] { ball.Touch3.Track[1].Add(std::make_unique<TCommandItem>(cmdChgImage, QStringLiteral("1"))); },
        [&] { ball.Parent = QStringLiteral("Sky"); },
        [&] { ball.Parent[0] = QLatin1Char('s'); },
        [&] { ball.Parent = QString(QLatin1String("")); },
        [&] { ball.Parent = QString(); },
        [&] { ball.Top = -0.0; },
        [&] { ball.TouchHeight = 3; },
        [&] { ball.Visible = false; },
        [&] { ball.ItemColor = 0x123456; },
        [&] { ball.KeyframeEditing = true; },
        [&] { ball.SelectAnimation(TImagesItem::animTouch3); },
    };
    int number = 0;
    for (const auto& edit : edits) {
        SCOPED_TRACE(number++);
        state.Undo.Record(-TUndoBuffer::kindCommandEdit);
        const QString before = DumpScene(scene);
        edit();
        const QString after = DumpScene(scene);
        ASSERT_NE(after, before) << "the edit changes something";
        state.Undo.Record(-TUndoBuffer::kindCommandEdit); // captures the edit
        state.Undo.Undo();
        EXPECT_EQ(DumpScene(scene), after) << "the step after the edit holds it";
        state.Undo.Undo();
        EXPECT_EQ(DumpScene(scene), before);
        state.Undo.Redo();
        EXPECT_EQ(DumpScene(scene), after);
    }
}

TEST_F(UndoBufferTest, EqualTextsOfNewDataKeepTheCopyShared) {
    // Writing back the same texts (as a dialog's OK does) is no change: the
    // step shares the copy, and the copy takes over the new data.
    TCommands& track = Layer("Sky").Base.Track[0];
    TImagesItem& sky = Layer("Sky");
    sky.Parent = QStringLiteral("Ball");
    state.Undo.Record(-TUndoBuffer::kindCommandEdit);
    for (int p = 1; p <= 3; ++p)
        track.Item(0)->SetParam(p,
                                QString(track.Item(0)->Param(p).constData(), track.Item(0)->Param(p).size()));
    track.SetName(0, QString(track.Name(0).constData(), track.Name(0).size()));
    sky.Parent = QStringLiteral("Ball").toLower().toUpper().left(1) + QStringLiteral("all");
    const QString edited = DumpScene(scene);
    state.Undo.Record(-TUndoBuffer::kindCommandEdit);
    EXPECT_EQ(state.Undo.Slot(1)->Layers[0], state.Undo.Slot(2)->Layers[0]);

    // A real edit after that is a step of its own.
    track.Item(0)->SetParam(1, QLatin1Char('5') + track.Item(0)->sParam1().mid(1));
    sky.Parent[0] = QLatin1Char('C');
    state.Undo.Record(-TUndoBuffer::kindCommandEdit);
    EXPECT_NE(state.Undo.Slot(2)->Layers[0], state.Undo.Slot(3)->Layers[0]);
    state.Undo.Undo();
    state.Undo.Undo();
    EXPECT_EQ(DumpScene(scene), edited);
}

TEST_F(UndoBufferTest, EqualTextOverBorrowedCharactersIsNotTakenOver) {
    QChar borrowed[] = {QLatin1Char('1'), QLatin1Char('0')};
    state.Undo.Record(-TUndoBuffer::kindCommandEdit); // keeps "10"
    Layer("Sky").Base.Track[0].Item(0)->SetParam(1, QString::fromRawData(borrowed, 2));
    state.Undo.Record(-TUndoBuffer::kindCommandEdit); // equal text
    Layer("Sky").Base.Track[0].Item(0)->SetParam(1, QStringLiteral("77"));
    borrowed[0] = QLatin1Char('x');
    state.Undo.Undo();
    EXPECT_EQ(Layer("Sky").Base.Track[0].Item(0)->sParam1(), QStringLiteral("10"));
}

TEST_F(UndoBufferTest, TheOrderComesBackWithTheValues) {
    state.Undo.Record(-TUndoBuffer::kindProperty);
    Layer("Sky").Left = 11;
    scene.Layers.Move(0, 2);
    state.Undo.Record(-TUndoBuffer::kindLayerOrder);
    Layer("Tree").Left = 33;
    state.Undo.Undo();
    EXPECT_EQ(Layer("Sky").Left, 11);
    EXPECT_EQ(Layer("Tree").Left, 0);
    EXPECT_EQ(scene.Layers.Name(2), QStringLiteral("Sky"));
    state.Undo.Undo();
    EXPECT_EQ(Layer("Sky").Left, 0);
    EXPECT_EQ(scene.Layers.Name(0), QStringLiteral("Sky")) << "the order is part of a step";
}

} // namespace
} // namespace velkon
