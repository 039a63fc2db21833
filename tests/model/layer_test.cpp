#include "model/commanddesc.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/picture.h"
#include "model/scene.h"
#include "model/snd.h" // a file item built by hand needs the complete sound type

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace velkon;

namespace {

std::unique_ptr<TFilesItem> PictureFile(const QString& name, int width, int height) {
    auto file = std::make_unique<TFilesItem>();
    file->Name = name;
    file->Path = "/proj/" + name;
    auto picture = std::make_shared<TPicture>();
    picture->Width = width;
    picture->Height = height;
    picture->Format = TPicture::fmtPng;
    file->Image = std::move(picture);
    return file;
}

std::unique_ptr<TCommandItem> Cmd(int command, QString p1 = {}, QString p2 = {}, QString p3 = {}) {
    return std::make_unique<TCommandItem>(command, std::move(p1), std::move(p2), std::move(p3));
}

} // namespace

TEST(NewCommand, HasTheDefaultOrigin) {
    TCommandItem cmd;
    EXPECT_EQ(cmd.OX(), 512.0);
    EXPECT_EQ(cmd.OY(), 384.0);
    EXPECT_EQ(cmd.Command(), 0);
    TCommandItem moveTo(cmdMoveTo, "1", "2", "3");
    EXPECT_EQ(moveTo.OX(), 512.0);
    EXPECT_EQ(moveTo.OY(), 384.0);
}

TEST(NewTrack, IsStoppedAndNamesCommandsFromTheCatalogue) {
    TCommands track;
    EXPECT_EQ(track.Current, -1);
    EXPECT_FALSE(track.Running());
    track.Add(Cmd(cmdWait, "1"));
    track.Insert(0, Cmd(cmdPlaySfx, "boom.wav"));
    ASSERT_EQ(track.Count(), 2);
    EXPECT_EQ(track.Name(0), "PlaySfx");
    EXPECT_EQ(track.Name(1), "Wait");
}

TEST(NewLayer, Defaults) {
    auto file = PictureFile("ball.png", 33, 17);
    TImagesItem layer(file.get());
    EXPECT_EQ(layer.FileItem, file.get());
    EXPECT_EQ(layer.Picture, file->Image.get());
    EXPECT_TRUE(file->Image->Transparent);
    EXPECT_EQ(layer.Width, 33.0);
    EXPECT_EQ(layer.Height, 17.0);
    EXPECT_EQ(layer.Alpha, 255.0);
    EXPECT_TRUE(layer.Visible);
    EXPECT_TRUE(layer.Shown);
    EXPECT_EQ(layer.PlayAnim, 1);
    EXPECT_EQ(layer.ItemColor, 0xFFFFFFu);
    EXPECT_EQ(layer.TouchLeft, 0);
    EXPECT_EQ(layer.TouchTop, 0);
    EXPECT_EQ(layer.TouchWidth, 33);
    EXPECT_EQ(layer.TouchHeight, 17);
    EXPECT_EQ(layer.Top, 0.0);
    EXPECT_EQ(layer.Left, 0.0);
    EXPECT_EQ(layer.Angle, 0.0);
    EXPECT_EQ(layer.Group, 0);
    EXPECT_EQ(layer.FlipMode, 0);
    EXPECT_FALSE(layer.Selected);
    EXPECT_FALSE(layer.Locked);
    EXPECT_FALSE(layer.TouchRunning);
    EXPECT_EQ(layer.TouchIndex, 0);
    EXPECT_EQ(layer.ActiveAnimation(), TImagesItem::animBase);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(layer.ActiveTracks[i], &layer.Base.Track[i]);
}

TEST(NewLayer, SceneNamesItFromTheFile) {
    TScene scene;
    TFilesItem* file = scene.AddFile(PictureFile("my ball (big).png", 8, 8));
    EXPECT_EQ(scene.Files.Name(0), "my ball (big).png");
    TImagesItem* a = scene.AddLayer(file);
    TImagesItem* b = scene.AddLayer(file);
    EXPECT_EQ(a->Name, "myball");
    EXPECT_EQ(b->Name, "myball1");
    EXPECT_EQ(scene.Layers.Name(1), "myball1");
    EXPECT_EQ(scene.Layers.Find("MYBALL1"), b);
}

TEST(Layer, TracksAreNumberedAnimationByAnimation) {
    TImagesItem layer;
    EXPECT_EQ(&layer.TrackByNumber(1), &layer.Base.Track[0]);
    EXPECT_EQ(&layer.TrackByNumber(3), &layer.Base.Track[2]);
    EXPECT_EQ(&layer.TrackByNumber(4), &layer.Touch1.Track[0]);
    EXPECT_EQ(&layer.TrackByNumber(8), &layer.Touch2.Track[1]);
    EXPECT_EQ(&layer.TrackByNumber(12), &layer.Touch3.Track[2]);
    EXPECT_THROW(layer.TrackByNumber(0), std::out_of_range);
    EXPECT_THROW(layer.TrackByNumber(13), std::out_of_range);
    layer.SelectAnimation(TImagesItem::animTouch2);
    EXPECT_EQ(layer.ActiveTracks[2], &layer.Touch2.Track[2]);
    EXPECT_EQ(layer.ActiveAnimation(), TImagesItem::animTouch2);
}

TEST(Layer, RestoreStateBringsBackTheSavedValuesAndPicture) {
    auto first = PictureFile("a.png", 10, 10);
    auto second = PictureFile("b.png", 20, 20);
    TImagesItem layer(first.get());
    layer.Top = 1.5;
    layer.Left = 2.5;
    layer.Width = 30;
    layer.Height = 40;
    layer.Alpha = 100;
    layer.Angle = 45;
    layer.Acceleration = -3;
    layer.Visible = false;
    layer.FlipMode = 2;
    layer.SaveState();

    // What playback does: another picture, everything moved.
    layer.FileItem = second.get();
    layer.Picture = second->Image.get();
    layer.Top = layer.Left = layer.Width = layer.Height = layer.Alpha = layer.Angle = 0;
    layer.Acceleration = 5;
    layer.Visible = true;
    layer.FlipMode = 3;
    layer.OrigoX = 7; // not part of the reset state

    layer.RestoreState();
    EXPECT_EQ(layer.FileItem, first.get());
    EXPECT_EQ(layer.Picture, first->Image.get());
    EXPECT_EQ(layer.Top, 1.5);
    EXPECT_EQ(layer.Left, 2.5);
    EXPECT_EQ(layer.Width, 30.0);
    EXPECT_EQ(layer.Height, 40.0);
    EXPECT_EQ(layer.Alpha, 100.0);
    EXPECT_EQ(layer.Angle, 45.0);
    EXPECT_EQ(layer.Acceleration, -3);
    EXPECT_FALSE(layer.Visible);
    EXPECT_EQ(layer.FlipMode, 2);
    EXPECT_EQ(layer.OrigoX, 7.0);
}

TEST(Layer, SaveAllAndRestoreAllVisitEveryLayer) {
    TScene scene;
    TFilesItem* file = scene.AddFile(PictureFile("a.png", 10, 10));
    TImagesItem* a = scene.AddLayer(file);
    TImagesItem* b = scene.AddLayer(file);
    a->Top = 1;
    b->Top = 2;
    scene.SaveAll();
    a->Top = b->Top = 99;
    scene.RestoreAll();
    EXPECT_EQ(a->Top, 1.0);
    EXPECT_EQ(b->Top, 2.0);
}

TEST(Clone, CommandCopiesOnlyTheStoredPart) {
    TImagesItem owner;
    TCommandItem cmd(cmdMoveTo, "10", "20", "1,5");
    cmd.SetOX(100);
    cmd.SetOY(200);
    cmd.Owner = &owner;
    cmd.Value1 = "10";
    cmd.Duration = 1500;
    cmd.TargetLeft = 10;
    auto copy = cmd.Clone();
    EXPECT_EQ(copy->Command(), cmdMoveTo);
    EXPECT_EQ(copy->sParam1(), "10");
    EXPECT_EQ(copy->sParam2(), "20");
    EXPECT_EQ(copy->sParam3(), "1,5");
    EXPECT_EQ(copy->OX(), 100.0);
    EXPECT_EQ(copy->OY(), 200.0);
    EXPECT_EQ(copy->Owner, nullptr);
    EXPECT_TRUE(copy->Value1.isEmpty());
    EXPECT_EQ(copy->Duration, 0);
    EXPECT_EQ(copy->TargetLeft, 0.0);
}

TEST(Clone, TrackKeepsNamesOrderAndCurrent) {
    TCommands track;
    track.Add(Cmd(cmdWait, "1"));
    track.Add("OddName", Cmd(cmdShow, "ball"));
    track.Add(Cmd(99, "kept")); // a number outside the catalogue stays as it is
    track.Current = 1;
    TCommands copy = track.Clone();
    EXPECT_EQ(copy.Current, 1);
    ASSERT_EQ(copy.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(copy.Name(i), track.Name(i));
        EXPECT_NE(copy.Item(i), track.Item(i)); // deep
        EXPECT_EQ(copy.Item(i)->Command(), track.Item(i)->Command());
        EXPECT_EQ(copy.Item(i)->sParam1(), track.Item(i)->sParam1());
    }
    copy.Item(0)->SetParam(1, "changed");
    EXPECT_EQ(track.Item(0)->sParam1(), "1");
}

TEST(Clone, AnimationClonesItsThreeTracks) {
    TAnimation anim;
    anim.Track[0].Add(Cmd(cmdWait, "1"));
    anim.Track[2].Add(Cmd(cmdHide, "x"));
    anim.Track[2].Add(Cmd(cmdShow, "x"));
    TAnimation copy = anim.Clone();
    EXPECT_EQ(copy.Track[0].Count(), 1);
    EXPECT_EQ(copy.Track[1].Count(), 0);
    ASSERT_EQ(copy.Track[2].Count(), 2);
    EXPECT_EQ(copy.Track[2].Item(1)->Command(), cmdShow);
    EXPECT_NE(copy.Track[2].Item(1), anim.Track[2].Item(1));
    EXPECT_EQ(copy.CommandCount(), 3);
}

TEST(Clone, LayerCopiesItsFieldsAndRecordsTheActiveAnimation) {
    auto file = PictureFile("a.png", 10, 10);
    TImagesItem layer(file.get());
    layer.Name = "Ball";
    layer.Top = 1;
    layer.Left = 2;
    layer.Width = 3;
    layer.Height = 4;
    layer.Alpha = 5;
    layer.Angle = 6;
    layer.OrigoX = 7;
    layer.OrigoY = 8;
    layer.TouchLeft = 9;
    layer.TouchTop = 10;
    layer.TouchWidth = 11;
    layer.TouchHeight = 12;
    layer.Visible = false;
    layer.PlayAnim = 3;
    layer.Parent = "Table";
    layer.Group = 2;
    layer.FlipMode = 1;
    layer.Acceleration = -4;
    layer.Locked = true;
    layer.Selected = true;
    layer.Shown = false;
    layer.KeyframeEditing = true;
    layer.Touch2.Track[1].Add(Cmd(cmdFadeTo, "0", "1"));
    layer.Base.Track[0].Add(Cmd(cmdWait, "2"));

    for (int active : {0, 1, 2, 3}) {
        SCOPED_TRACE(active);
        layer.SelectAnimation(active);
        auto copy = layer.Clone();
        EXPECT_EQ(copy->ActiveTracks[0], &copy->Animation(active).Track[0]);
        EXPECT_EQ(copy->ActiveAnimation(), active);
        EXPECT_EQ(copy->Name, "Ball");
        EXPECT_EQ(copy->FileItem, file.get());
        EXPECT_EQ(copy->Picture, file->Image.get());
        EXPECT_EQ(copy->Top, 1.0);
        EXPECT_EQ(copy->Left, 2.0);
        EXPECT_EQ(copy->Width, 3.0);
        EXPECT_EQ(copy->Height, 4.0);
        EXPECT_EQ(copy->Alpha, 5.0);
        EXPECT_EQ(copy->Angle, 6.0);
        EXPECT_EQ(copy->OrigoX, 7.0);
        EXPECT_EQ(copy->OrigoY, 8.0);
        EXPECT_EQ(copy->TouchLeft, 9);
        EXPECT_EQ(copy->TouchTop, 10);
        EXPECT_EQ(copy->TouchWidth, 11);
        EXPECT_EQ(copy->TouchHeight, 12);
        EXPECT_FALSE(copy->Visible);
        EXPECT_EQ(copy->PlayAnim, 3);
        EXPECT_EQ(copy->Parent, "Table");
        EXPECT_EQ(copy->Group, 2);
        EXPECT_EQ(copy->FlipMode, 1);
        EXPECT_EQ(copy->Acceleration, -4);
        EXPECT_TRUE(copy->Locked);
        EXPECT_TRUE(copy->Selected);
        EXPECT_FALSE(copy->Shown);
        EXPECT_TRUE(copy->KeyframeEditing);
        ASSERT_EQ(copy->Touch2.Track[1].Count(), 1);
        EXPECT_NE(copy->Touch2.Track[1].Item(0), layer.Touch2.Track[1].Item(0));
        EXPECT_EQ(copy->Base.Track[0].Item(0)->sParam1(), "2");
    }
}

TEST(ClearTrack, StopsAndEmpties) {
    TCommands track;
    track.Add(Cmd(cmdWait, "1"));
    track.Add(Cmd(cmdWait, "2"));
    track.Current = 1;
    track.Clear();
    EXPECT_EQ(track.Current, -1);
    EXPECT_EQ(track.Count(), 0);
    EXPECT_TRUE(track.IsEmpty());
}

TEST(TrackStamp, ChangesWithEveryChangeOfTheListAndIsNeverShared) {
    struct Case {
        const char* name;
        std::function<void(TCommands&)> change;
    };
    const Case cases[] = {
        {"add", [](TCommands& t) { t.Add(Cmd(cmdWait, "1")); }},
        {"add under a name", [](TCommands& t) { t.Add("Name", Cmd(cmdWait, "1")); }},
        {"insert", [](TCommands& t) { t.Insert(1, Cmd(cmdWait, "1")); }},
        {"take", [](TCommands& t) { t.Take(0); }},
        {"delete and insert in the same place", [](TCommands& t) {
             t.Delete(1);
             t.Insert(1, Cmd(cmdShow, "x"));
         }},
        {"move", [](TCommands& t) { t.Move(0, 1); }},
        {"clear", [](TCommands& t) { t.Clear(); }},
        {"replaced by a clone", [](TCommands& t) { t = t.Clone(); }},
        {"replaced by another list", [](TCommands& t) {
             TCommands other;
             other.Add(Cmd(cmdWait, "1"));
             t = std::move(other);
         }},
        {"name changed", [](TCommands& t) { t.SetName(0, QStringLiteral("Várj")); }},
        {"command changed", [](TCommands& t) { t.Item(1)->SetCommand(cmdShow); }},
        {"parameter changed", [](TCommands& t) { t.Item(0)->SetParam(1, QStringLiteral("1,5")); }},
        {"empty parameter made null", [](TCommands& t) { t.Item(0)->SetParam(2, QString()); }},
        {"origin changed", [](TCommands& t) { t.Item(1)->SetOY(0); }},
        {"origin's zero signed", [](TCommands& t) { t.Item(1)->SetOX(-0.0); }},
        {"marked by the player", [](TCommands& t) { t.MarkChanged(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCommands track;
        track.Add(Cmd(cmdWait, "1", QString(QLatin1String("")))); // empty, not null
        track.Item(0)->SetOX(0);
        track.Add(Cmd(cmdWait, "2"));
        track.Item(1)->SetOX(0);
        const uint64_t before = track.Stamp();
        c.change(track);
        EXPECT_NE(track.Stamp(), before);
    }

    // Writing back what is there is no change.
    TCommands track;
    track.Add(Cmd(cmdWait, "1", QString(QLatin1String(""))));
    ASSERT_FALSE(track.Item(0)->sParam2().isNull());
    const uint64_t same = track.Stamp();
    track.SetName(0, QString(track.Name(0)));
    track.Item(0)->SetCommand(cmdWait);
    track.Item(0)->SetParam(1, QStringLiteral("1"));
    track.Item(0)->SetParam(2, QString(QLatin1String("")));
    track.Item(0)->SetParam(3, QString());
    track.Item(0)->SetOX(512);
    EXPECT_EQ(track.Stamp(), same);

    TCommands a, b;
    EXPECT_NE(a.Stamp(), b.Stamp());
    a.Add(Cmd(cmdWait, "1"));
    const uint64_t stamp = a.Stamp();
    TCommands moved(std::move(a));
    // The moved-from list is empty now: neither of them may pass for the old one.
    EXPECT_NE(moved.Stamp(), stamp);
    EXPECT_NE(a.Stamp(), stamp);
    EXPECT_NE(a.Stamp(), moved.Stamp());
    EXPECT_NE(moved.Clone().Stamp(), moved.Stamp());
}

TEST(TrackStamp, ACommandRenewsTheListItIsInNow) {
    TCommands first;
    TCommandItem* c = first.Add(Cmd(cmdWait, "1"));
    // Moved with its list: edits reach the new owner.
    TCommands second(std::move(first));
    uint64_t stamp = second.Stamp();
    c->SetParam(1, QStringLiteral("2"));
    EXPECT_NE(second.Stamp(), stamp);
    TCommands third;
    third = std::move(second);
    stamp = third.Stamp();
    c->SetParam(1, QStringLiteral("3"));
    EXPECT_NE(third.Stamp(), stamp);

    // A clone's commands belong to the clone.
    TCommands clone = third.Clone();
    stamp = third.Stamp();
    const uint64_t cloneStamp = clone.Stamp();
    clone.Item(0)->SetParam(1, QStringLiteral("4"));
    EXPECT_NE(clone.Stamp(), cloneStamp);
    EXPECT_EQ(third.Stamp(), stamp);

    // Taken out, it belongs to no list; put into another, to that one.
    std::unique_ptr<TCommandItem> taken = third.Take(0);
    stamp = third.Stamp();
    taken->SetParam(1, QStringLiteral("5"));
    EXPECT_EQ(third.Stamp(), stamp);
    TCommands fourth;
    TCommandItem* inserted = fourth.Insert(0, std::move(taken));
    stamp = fourth.Stamp();
    inserted->SetOY(1);
    EXPECT_NE(fourth.Stamp(), stamp);
    EXPECT_EQ(inserted->sParam1(), QStringLiteral("5"));
}
