#include "edit/editorstate.h"
#include "model/commanddesc.h"
#include "edit/import.h"
#include "edit/layerops.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/projectfile.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

struct TOpsFixture {
    QTemporaryDir Dir;
    TScene Scene;
    TEditorState State{Scene};
    TErrorLog Log;
    TScriptedDialogs Dialogs;
    TOpsFixture() { State.Log = &Log; }

    QString Png(const QString& name, int w = 4, int h = 3) {
        const QString path = Dir.filePath(name);
        EXPECT_TRUE(test::WritePng(path, w, h, 6));
        return path;
    }
    TImagesItem* Add(const QString& name, int group = 0) {
        TFilesItem* file = Scene.Files.Find(name + ".png");
        if (!file) {
            auto item = std::make_unique<TFilesItem>();
            item->Name = name + ".png";
            file = Scene.AddFile(std::move(item));
        }
        TImagesItem* l = Scene.AddLayer(file);
        l->Group = group;
        return l;
    }
    QStringList Order() const {
        QStringList out;
        for (int i = 0; i < Scene.Layers.Count(); ++i)
            out << Scene.Layers.Name(i);
        return out;
    }
    std::vector<TLayerRow> SelectedRows() {
        std::vector<TLayerRow> rows;
        for (int i = Scene.Layers.Count() - 1; i >= 0; --i)
            if (Scene.Layers.At(i)->Selected) rows.push_back(TLayerRow{-1, Scene.Layers.At(i)});
        return rows;
    }
};

} // namespace

TEST(AddPicture, TwoPicturesLandAboveTheSelectedLayerTheLastNearestAndSelected) {
    TOpsFixture f;
    f.Add("bottom");
    TImagesItem* s = f.Add("s", 0);
    f.Add("top");
    s->Selected = true;
    f.Dialogs.FilesAnswers.push_back(QStringList{f.Png("one.png"), f.Png("two.png")});
    EXPECT_EQ(AddPictures(f.State, f.Dialogs, f.Log, {TLayerRow{-1, s}}), 2);
    EXPECT_EQ(f.Order(), (QStringList{"bottom", "s", "two", "one", "top"}));
    EXPECT_TRUE(f.Scene.Layers.Find("two")->Selected);
    EXPECT_FALSE(s->Selected);
    EXPECT_EQ(f.Scene.CurrentLayer, f.Scene.Layers.Find("two"));
    EXPECT_EQ(f.Scene.Layers.Find("one")->Width, 4.0);
    EXPECT_EQ(f.Dialogs.FileChoices.front().Filter, "PNG|*.png");
    EXPECT_TRUE(f.Dialogs.FileChoices.front().Multiple);
    EXPECT_FALSE(f.Scene.Saved);
}

TEST(AddPicture, CoordinatesInTheFileNamePlaceTheLayer) {
    struct TCase {
        QString File, Layer;
        double Left, Top;
        bool Logged;
    } cases[] = {
        {"csillag(130,376).png", "csillag", 130, 376, false},
        {"kep (2).png", "kep", 0, 2, false},
        {"neg(-5,7.6).png", "neg", -5, 8, false},
        {"dash(-,).png", "dash", 0, 0, false},
        {"bad(ab,3).png", "bad", 0, 0, true},
    };
    for (const TCase& c : cases) {
        TOpsFixture f;
        ASSERT_EQ(AddPictureFiles(f.State, f.Dialogs, f.Log, {}, {f.Png(c.File)}), 1) << c.File.toStdString();
        const TImagesItem* l = f.Scene.Layers.Find(c.Layer);
        ASSERT_TRUE(l) << c.File.toStdString();
        EXPECT_EQ(l->Left, c.Left) << c.File.toStdString();
        EXPECT_EQ(l->Top, c.Top) << c.File.toStdString();
        EXPECT_EQ(f.Log.Lines().join("\n").contains("Hibás koordináta"), c.Logged) << c.File.toStdString();
        EXPECT_EQ(f.Log.Lines().contains("Hibás fájl név: " + c.File), c.File.contains(' '));
    }
}

TEST(AddPicture, ABadCoordinateLeavesTheLayerAtZeroAndTheOtherFilesGoOn) {
    TOpsFixture f;
    const QStringList paths{f.Png("a(x,y).png"), f.Png("b(1,2).png")};
    EXPECT_EQ(AddPictureFiles(f.State, f.Dialogs, f.Log, {}, paths), 2);
    EXPECT_EQ(f.Order(), (QStringList{"a", "b"}));
    EXPECT_EQ(f.Scene.Layers.Find("a")->Left, 0.0);
    EXPECT_EQ(f.Scene.Layers.Find("b")->Left, 1.0);
    EXPECT_EQ(f.Log.Lines().front(),
              "Hibás koordináta a fájl nevében, a réteg a 0,0 pontra került: a(x,y).png");
}

TEST(AddPicture, DuplicatesUnreadableFilesAndFoldersAreToldAndAddNothing) {
    TOpsFixture f;
    const QString ok = f.Png("ball.png");
    const QString broken = f.Dir.filePath("broken.png");
    ASSERT_TRUE(test::WriteFile(broken, "not a png at all"));
    QDir(f.Dir.path()).mkdir("folder.png");
    const QString upper = f.Dir.filePath("sub");
    QDir(f.Dir.path()).mkdir("sub");
    ASSERT_TRUE(test::WritePng(upper + "/BALL.png", 2, 2, 6));
    const QStringList paths{ok, upper + "/BALL.png", broken, f.Dir.filePath("folder.png"),
                            f.Dir.filePath("missing.png")};
    EXPECT_EQ(AddPictureFiles(f.State, f.Dialogs, f.Log, {}, paths), 1);
    EXPECT_EQ(f.Scene.Files.Count(), 1);
    EXPECT_EQ(f.Scene.Layers.Count(), 1);
    ASSERT_EQ(f.Dialogs.Messages.size(), 4);
    EXPECT_EQ(f.Dialogs.Messages[0], "BALL.png fájl már megtalálható a projectben!");
    EXPECT_TRUE(f.Dialogs.Messages[1].contains("broken.png"));
    EXPECT_EQ(f.Dialogs.Messages[2], "A fájl nem olvasható: " + f.Dir.filePath("folder.png"));
    EXPECT_EQ(f.Dialogs.Messages[3], "A fájl nem olvasható: " + f.Dir.filePath("missing.png"));
}

TEST(AddPicture, IntoTheOneSelectedGroupRowAtTheTopAndTheGroupFollows) {
    TOpsFixture f;
    f.Scene.Groups << "g";
    f.Scene.GroupStates[0].Open = 1;
    f.Add("m", 1);
    f.Add("x");
    EXPECT_EQ(AddPictureFiles(f.State, f.Dialogs, f.Log, {TLayerRow{0, nullptr}}, {f.Png("new.png")}), 1);
    EXPECT_EQ(f.Scene.Layers.Find("new")->Group, 1);
    RefreshList(f.Scene);
    EXPECT_EQ(f.Order(), (QStringList{"x", "m", "new"}));
}

TEST(AddPicture, IntoASelectedGroupWhoseMemberRowsAreSelectedWithIt) {
    TOpsFixture f;
    f.Scene.Groups << "g";
    f.Scene.GroupStates[0].Open = 1;
    TImagesItem* m = f.Add("m", 1);
    f.Add("x");
    // The list shows a selected group's members selected under its row.
    const std::vector<TLayerRow> rows = {TLayerRow{0, nullptr}, TLayerRow{-1, m}};
    EXPECT_EQ(AddPictureFiles(f.State, f.Dialogs, f.Log, rows, {f.Png("new.png")}), 1);
    EXPECT_EQ(f.Scene.Layers.Find("new")->Group, 1);
}

TEST(AddResources, SoundsThatDoNotLoadAndParticles) {
    TOpsFixture f;
    const QString wav = f.Dir.filePath("boing.wav");
    ASSERT_TRUE(test::WriteWav(wav, 1, 22050, 16, QByteArray(200, '\0')));
    const QString bad = f.Dir.filePath("bad.wav");
    ASSERT_TRUE(test::WriteFile(bad, "RIFF nonsense"));
    f.Dialogs.FilesAnswers.push_back(QStringList{wav, bad});
    EXPECT_EQ(AddSounds(f.State, f.Dialogs, f.Log), 1);
    EXPECT_EQ(f.Dialogs.Messages, QStringList{"Nem megfelelő a Wav formátuma!" + bad});
    ASSERT_TRUE(f.Scene.Files.Find("boing.wav"));
    EXPECT_TRUE(f.Scene.Files.Find("boing.wav")->Sound);
    EXPECT_EQ(f.Scene.Layers.Count(), 0);
    const QString par = f.Dir.filePath("fire sparks.PAR");
    ASSERT_TRUE(test::WriteFile(par, "x"));
    f.Dialogs.FilesAnswers.push_back(QStringList{par});
    EXPECT_EQ(AddParticles(f.State, f.Dialogs, f.Log), 1);
    EXPECT_EQ(f.Scene.Files.Find("fire sparks.PAR")->Kind, TFilesItem::kindParticle);
    EXPECT_TRUE(f.Log.Lines().contains("Hibás fájl név: fire sparks.PAR")) << f.Log.Lines().join('|').toStdString();
}

TEST(Clone, CopiesValuesNamesAfterTheFileAndTracksOnlyWithAnimations) {
    for (const bool withAnimations : {false, true}) {
        TOpsFixture f;
        TImagesItem* s = f.Add("ball");
        f.Add("top");
        s->Left = 10;
        s->Alpha = 100;
        s->ItemColor = 0x123456;
        s->Parent = "top";
        s->Locked = true;
        s->Base.Track[1].Add(std::make_unique<TCommandItem>(cmdMoveTo, "1", "2", "3"));
        s->Touch3.Track[2].Add(std::make_unique<TCommandItem>(cmdRotate, "x"));
        s->Selected = true;
        EXPECT_EQ(CloneLayers(f.State, f.Dialogs, f.SelectedRows(), withAnimations), 1);
        EXPECT_EQ(f.Order(), (QStringList{"ball", "ball1", "top"}));
        const TImagesItem* c = f.Scene.Layers.Find("ball1");
        EXPECT_EQ(c->Left, 10.0);
        EXPECT_EQ(c->Alpha, 100.0);
        EXPECT_EQ(c->ItemColor, 0x123456u);
        EXPECT_EQ(c->Parent, "");
        EXPECT_FALSE(c->Locked);
        EXPECT_TRUE(c->Selected);
        EXPECT_FALSE(s->Selected);
        EXPECT_EQ(c->Base.Track[1].Count(), withAnimations ? 1 : 0);
        EXPECT_EQ(c->Touch3.Track[2].Count(), withAnimations ? 1 : 0);
        if (withAnimations) {
            EXPECT_EQ(c->Base.Track[1].Item(0)->sParam3(), "3");
        }
    }
}

TEST(Clone, AGroupRowMakesAMasolatGroupForTheClones) {
    TOpsFixture f;
    f.Scene.Groups << "Autok";
    TImagesItem* a = f.Add("car", 1);
    TImagesItem* b = f.Add("wheel", 1);
    a->Selected = b->Selected = true;
    EXPECT_EQ(CloneLayers(f.State, f.Dialogs, {TLayerRow{0, nullptr}}, false), 2);
    EXPECT_EQ(f.Scene.Groups, (QStringList{"Autok", "Autok másolat"}));
    EXPECT_EQ(f.Order(), (QStringList{"car", "car1", "wheel", "wheel1"}));
    EXPECT_EQ(f.Scene.Layers.Find("car1")->Group, 2);
    EXPECT_EQ(f.Scene.Layers.Find("wheel1")->Group, 2);
    EXPECT_EQ(f.Scene.CurrentLayer, f.Scene.Layers.Find("wheel1"));
    EXPECT_EQ(CloneLayers(f.State, f.Dialogs, {}, false), 0);
}

TEST(Delete, RemovesCommandsNamingTheLayerAndLogsTheirCount) {
    TOpsFixture f;
    TImagesItem* ball = f.Add("ball");
    TImagesItem* other = f.Add("other");
    TCommands& t = other->Base.Track[0];
    t.Add(std::make_unique<TCommandItem>(cmdMoveTo, "ball"));
    t.Add(std::make_unique<TCommandItem>(cmdMoveTo, "1", "Left(bigball;0)"));
    t.Add(std::make_unique<TCommandItem>(cmdMoveTo, "1", "2", "Left(ball;0)"));
    t.Add(std::make_unique<TCommandItem>(cmdMoveTo, "balloon", "Ball"));
    t.Add(std::make_unique<TCommandItem>(cmdMoveTo, "ball2;x"));
    ball->Selected = true;
    f.Dialogs.YesNoAnswers.push_back(true);
    EXPECT_TRUE(DeleteSelected(f.State, f.Dialogs, f.Log, f.SelectedRows()));
    // The question says what else goes: three commands of "other" name ball.
    EXPECT_EQ(f.Dialogs.Asked.front(), "yesno:Törlés|Biztos törli?\n\nMás rétegek 3 parancsa is törlődik, "
                                       "mert a törölt rétegre hivatkozik.");
    EXPECT_EQ(f.Order(), QStringList{"other"});
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Item(0)->sParam1(), "balloon");
    EXPECT_EQ(t.Item(1)->sParam1(), "ball2;x");
    EXPECT_EQ(f.Log.Lines().front(), "ball réteg törölve; a rá hivatkozó parancsok közül törölve: 3");
    EXPECT_EQ(f.Scene.CurrentLayer, nullptr);
    EXPECT_FALSE(f.Scene.Files.Find("ball.png"));
}

TEST(Delete, TheQuestionCountsTheCommandsOfOtherLayersThatGoWithTheSelection) {
    // Selected layers (by name), the parameters of commands of the layer
    // "stay" and of the selected "a" itself, and the question asked.
    const struct {
        QStringList Selected;
        QStringList StayParams;
        QStringList OwnParams;
        QString Question;
    } cases[] = {
        {{"a"}, {}, {"b", "a"}, "Biztos törli?"},
        {{"a"}, {"c", "Left(c;0)"}, {}, "Biztos törli?"},
        {{"a"},
         {"a", "c", "Left(a;0)"},
         {"a"},
         "Biztos törli?\n\nMás rétegek 2 parancsa is törlődik, mert a törölt rétegre hivatkozik."},
        // One command naming both selected layers goes once.
        {{"a", "b"},
         {"a", "b", "RandomI(a;b;1)"},
         {},
         "Biztos törli?\n\nMás rétegek 3 parancsa is törlődik, mert a törölt rétegekre hivatkozik."},
        // Commands of a selected layer naming another selected one go with their own layer.
        {{"a", "b"}, {}, {"b"}, "Biztos törli?"},
    };
    for (const auto& c : cases) {
        TOpsFixture f;
        TImagesItem* a = f.Add("a");
        f.Add("b");
        f.Add("c");
        TImagesItem* stay = f.Add("stay");
        for (const QString& p : c.StayParams)
            stay->Touch3.Track[1].Add(std::make_unique<TCommandItem>(cmdMoveTo, "1", "2", p)); // the last parameter
        for (const QString& p : c.OwnParams)
            a->Touch2.Track[2].Add(std::make_unique<TCommandItem>(cmdShow, p));
        for (const QString& name : c.Selected)
            f.Scene.Layers.Find(name)->Selected = true;
        EXPECT_EQ(DeleteQuestion(f.Scene), c.Question) << c.StayParams.join(",").toStdString();
        f.Dialogs.YesNoAnswers.push_back(false);
        EXPECT_FALSE(DeleteSelected(f.State, f.Dialogs, f.Log, f.SelectedRows()));
        EXPECT_EQ(f.Dialogs.Asked, QStringList{"yesno:Törlés|" + c.Question});
    }
}

// Two layers go at once: each log line counts the commands its layer took (a
// command naming both goes with the first), the commands that stay keep their
// order, and a running track keeps pointing at the command it runs.
TEST(Delete, TwoLayersTakeTheirCommandsOnceAndRunningTracksFollow) {
    TOpsFixture f;
    f.Add("a")->Selected = true;
    f.Add("b")->Selected = true;
    TImagesItem* stay = f.Add("stay");
    TCommands& t = stay->Touch3.Track[1];
    for (const char* p : {"b", "keep1", "RandomI(a;b;1)", "keep2", "a", "keep3"})
        t.Add(std::make_unique<TCommandItem>(cmdMoveTo, "1", "2", p));
    t.Current = 5; // running "keep3"
    TCommands& u = stay->Touch3.Track[2];
    u.Add(std::make_unique<TCommandItem>(cmdMoveTo, "1", "2", "b"));
    u.Current = 0; // running the command that goes
    f.Dialogs.YesNoAnswers.push_back(true);
    ASSERT_TRUE(DeleteSelected(f.State, f.Dialogs, f.Log, f.SelectedRows()));
    EXPECT_EQ(f.Dialogs.Asked.value(0), "yesno:Törlés|Biztos törli?\n\nMás rétegek 4 parancsa is törlődik, "
                                        "mert a törölt rétegekre hivatkozik.");
    QStringList left;
    for (int c = 0; c < t.Count(); ++c)
        left << t.Item(c)->sParam3();
    EXPECT_EQ(left, (QStringList{"keep1", "keep2", "keep3"}));
    EXPECT_EQ(t.Current, 2);
    EXPECT_EQ(u.Count(), 0);
    EXPECT_EQ(u.Current, -1);
    EXPECT_TRUE(f.Log.Lines().contains("a réteg törölve; a rá hivatkozó parancsok közül törölve: 2"));
    EXPECT_TRUE(f.Log.Lines().contains("b réteg törölve; a rá hivatkozó parancsok közül törölve: 2"));
    EXPECT_EQ(f.Order(), QStringList{"stay"});
}

TEST(Delete, NoKeepsEverythingAndNoLayersDoesNothing) {
    TOpsFixture f;
    f.Scene.Groups << "g";
    EXPECT_FALSE(DeleteSelected(f.State, f.Dialogs, f.Log, {TLayerRow{0, nullptr}}));
    EXPECT_TRUE(f.Dialogs.Asked.isEmpty());
    EXPECT_EQ(f.Scene.Groups.size(), 1);
    TImagesItem* a = f.Add("a");
    a->Selected = true;
    f.Dialogs.YesNoAnswers.push_back(false);
    EXPECT_FALSE(DeleteSelected(f.State, f.Dialogs, f.Log, f.SelectedRows()));
    EXPECT_EQ(f.Scene.Layers.Count(), 1);
}

TEST(Delete, TheFileGoesWithItsLastLayerUnlessACommandNamesIt) {
    TOpsFixture f;
    TImagesItem* a = f.Add("pic");
    TImagesItem* b = f.Scene.AddLayer(a->FileItem); // pic1 on the same file
    TImagesItem* keep = f.Add("keep");
    TImagesItem* named = f.Add("named");
    keep->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdStopSfx, "named.png"));
    a->Selected = true;
    f.Dialogs.DefaultYesNo = true;
    DeleteSelected(f.State, f.Dialogs, f.Log, f.SelectedRows());
    EXPECT_TRUE(f.Scene.Files.Find("pic.png")); // pic1 still shows it
    b->Selected = true;
    named->Selected = true;
    DeleteSelected(f.State, f.Dialogs, f.Log, f.SelectedRows());
    EXPECT_FALSE(f.Scene.Files.Find("pic.png"));
    EXPECT_TRUE(f.Scene.Files.Find("named.png"));
    EXPECT_EQ(f.Order(), QStringList{"keep"});
}

TEST(Delete, SelectedGroupsGoAndLaterGroupsMoveDown) {
    TOpsFixture f;
    f.Scene.Groups << "a"
                   << "b"
                   << "c";
    f.Scene.GroupStates[2].Locked = 1;
    TImagesItem* x = f.Add("x", 1);
    TImagesItem* y = f.Add("y", 3);
    f.Dialogs.DefaultYesNo = true;
    DeleteSelected(f.State, f.Dialogs, f.Log, {TLayerRow{0, nullptr}, TLayerRow{1, nullptr}});
    EXPECT_EQ(f.Scene.Groups, QStringList{"c"});
    EXPECT_EQ(x->Group, 0);
    EXPECT_EQ(y->Group, 1);
    EXPECT_EQ(f.Scene.GroupStates[0].Locked, 1);
}

TEST(UpDown, OneStepTenWithShiftAndOverWholeGroups) {
    TOpsFixture f;
    f.Scene.Groups << "g";
    TImagesItem* a = f.Add("a");
    f.Add("m1", 1);
    f.Add("m2", 1);
    f.Add("b");
    a->Selected = true;
    MoveSelected(f.State, true, false, f.SelectedRows());
    EXPECT_EQ(f.Order(), (QStringList{"m1", "m2", "a", "b"}));
    MoveSelected(f.State, true, true, f.SelectedRows());
    EXPECT_EQ(f.Order(), (QStringList{"m1", "m2", "b", "a"}));
    MoveSelected(f.State, false, false, f.SelectedRows());
    EXPECT_EQ(f.Order(), (QStringList{"m1", "m2", "a", "b"}));
    MoveSelected(f.State, false, false, f.SelectedRows());
    EXPECT_EQ(f.Order(), (QStringList{"a", "m1", "m2", "b"}));
    MoveSelected(f.State, false, false, f.SelectedRows()); // at the bottom already
    EXPECT_EQ(f.Order(), (QStringList{"a", "m1", "m2", "b"}));
}

TEST(UpDown, AMemberMovedUpPullsItsGroupAlongAtTheRebuild) {
    TOpsFixture f;
    f.Scene.Groups << "g";
    f.Scene.GroupStates[0].Open = 1;
    f.Add("m1", 1);
    TImagesItem* m2 = f.Add("m2", 1);
    f.Add("x");
    m2->Selected = true;
    MoveSelected(f.State, true, false, f.SelectedRows());
    EXPECT_EQ(f.Order(), (QStringList{"m1", "x", "m2"}));
    RefreshList(f.Scene);
    EXPECT_EQ(f.Order(), (QStringList{"x", "m1", "m2"}));
    EXPECT_EQ(MoveSelected(f.State, true, false, {TLayerRow{0, nullptr}}), 0);
}

TEST(DeleteResourceFile, PicturesAndNamedFilesAreRefused) {
    TOpsFixture f;
    TImagesItem* a = f.Add("a");
    auto snd = std::make_unique<TFilesItem>();
    snd->Name = "boing.wav";
    snd->Kind = TFilesItem::kindSound;
    f.Scene.AddFile(std::move(snd));
    auto par = std::make_unique<TFilesItem>();
    par->Name = "fire.PAR";
    par->Kind = TFilesItem::kindParticle;
    f.Scene.AddFile(std::move(par));
    a->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdStopSfx, "boing.wav"));
    f.Dialogs.DefaultYesNo = true;
    EXPECT_FALSE(DeleteFile(f.State, f.Dialogs, 0));
    EXPECT_FALSE(DeleteFile(f.State, f.Dialogs, 1));
    EXPECT_EQ(f.Dialogs.Messages,
              (QStringList{"Kép fájl nem törölhető!", "A fájlt használja egy animáció így nem törölhető!"}));
    EXPECT_TRUE(DeleteFile(f.State, f.Dialogs, 2));
    EXPECT_EQ(f.Scene.Files.Count(), 2);
    f.Dialogs.DefaultYesNo = false;
    EXPECT_FALSE(DeleteFile(f.State, f.Dialogs, 1));
    EXPECT_EQ(f.Scene.Files.Count(), 2);
}

TEST(DeleteResourceFile, AFileALayerShowsStaysWhateverItsKind) {
    // A project may put a layer on a sound or particle file: deleting that
    // file would leave the layer on a file the project no longer has.
    for (const int kind : {int(TFilesItem::kindSound), int(TFilesItem::kindParticle)}) {
        TOpsFixture f;
        auto item = std::make_unique<TFilesItem>();
        item->Name = "odd.bin";
        item->Kind = kind;
        TFilesItem* file = f.Scene.AddFile(std::move(item));
        TImagesItem* l = f.Scene.AddLayer(file);
        f.Dialogs.DefaultYesNo = true;
        EXPECT_FALSE(DeleteFile(f.State, f.Dialogs, 0)) << kind;
        EXPECT_EQ(f.Dialogs.Messages, QStringList{"A fájlt egy réteg használja, így nem törölhető!"});
        ASSERT_EQ(f.Scene.Files.Count(), 1);
        EXPECT_EQ(f.Scene.Files.At(0), l->FileItem);
        EXPECT_EQ(f.State.Undo.Top(), 0) << "nothing to undo";
    }
}

namespace {

// A project with ball (on ball.png, parent "sun", a command naming sun) and
// sun; ball has no PlayAnim key.
QString WriteSource(TOpsFixture& f) {
    QDir(f.Dir.path()).mkdir("src");
    const QString dir = f.Dir.filePath("src");
    EXPECT_TRUE(test::WritePng(dir + "/ball.png", 8, 8, 6));
    EXPECT_TRUE(test::WritePng(dir + "/sun.png", 8, 8, 6));
    const QString text =
        "[Project]\r\nResolution=1\r\n[Files]\r\nName1=ball.png\r\nName2=sun.png\r\n"
        "[Image1]\r\nName=ball\r\nFileName=ball.png\r\nLeft=11\r\nTop=12\r\nWidth=8\r\nHeight=8\r\n"
        "Parent=sun\r\nGroup=1\r\nItemColor=FF0000\r\n"
        "[Image1_Command1_1]\r\nCommand=1\r\nsParam1=Left(sun;0)\r\nsParam2=5\r\nsParam3=1\r\n"
        "[Image1_Command4_1]\r\nCommand=4\r\nsParam1=2\r\n"
        "[Image2]\r\nName=sun\r\nFileName=sun.png\r\nPlayAnim=1\r\n"
        "[Image3]\r\nName=evil\r\nFileName=../../etc/passwd\r\n";
    EXPECT_TRUE(test::WriteFile(dir + "/src.VKP", text.toLatin1()));
    return dir + "/src.VKP";
}

} // namespace

TEST(Import, LayersComeWithTracksPlayAnimThreeAndTheirParent) {
    TOpsFixture f;
    const QString path = WriteSource(f);
    TIniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(path));
    EXPECT_EQ(ImportLayerNames(ini), (QStringList{"ball", "sun", "evil"}));
    EXPECT_EQ(ImportLayers(f.Scene, f.Dialogs, f.Log, path, ini, {0, 1, 2}), 2);
    const TImagesItem* ball = f.Scene.Layers.Find("ball");
    ASSERT_TRUE(ball);
    EXPECT_EQ(ball->PlayAnim, 3);
    EXPECT_EQ(f.Scene.Layers.Find("sun")->PlayAnim, 1);
    EXPECT_EQ(ball->Parent, "sun");
    EXPECT_EQ(ball->Group, 0);
    EXPECT_EQ(ball->ItemColor, 0xFFFFFFu);
    EXPECT_EQ(ball->Left, 11.0);
    EXPECT_EQ(ball->TouchWidth, 8);
    ASSERT_EQ(ball->Base.Track[0].Count(), 1);
    EXPECT_EQ(ball->Base.Track[0].Item(0)->sParam1(), "Left(sun;0)");
    EXPECT_EQ(ball->Base.Track[0].Name(0), "MoveTo");
    EXPECT_EQ(ball->Touch1.Track[0].Count(), 1);
    EXPECT_EQ(ball->ActiveTracks[0], &ball->Base.Track[0]);
    EXPECT_EQ(ball->FileItem->Image->Width, 8);
    EXPECT_EQ(f.Log.Lines().front(), "Hibás fájl név: ../../etc/passwd");
    EXPECT_TRUE(f.Dialogs.Messages.isEmpty());
}

TEST(Import, TwiceGivesNewNamesFromTheFileAndOneFileMessagePerLayer) {
    TOpsFixture f;
    const QString path = WriteSource(f);
    TIniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(path));
    ImportLayers(f.Scene, f.Dialogs, f.Log, path, ini, {0});
    for (int round = 1; round <= 2; ++round) {
        f.Dialogs.Messages.clear();
        EXPECT_EQ(ImportLayers(f.Scene, f.Dialogs, f.Log, path, ini, {0}), 1);
        const QString name = QString("ball%1").arg(round);
        EXPECT_EQ(
            f.Dialogs.Messages,
            (QStringList{"ball.png fájl már megtalálható a projectben, ezért azt fogja használni!",
                         "ball nevű objektum már megtalálható a projectben, ezért új ezt az új nevet kapja:" +
                             name}));
    }
    EXPECT_EQ(f.Order(), (QStringList{"ball", "ball1", "ball2"}));
    EXPECT_EQ(f.Scene.Files.Count(), 1);
}

TEST(Import, TheButtonImportsAsOneUndoStepOnlyWhenConfirmed) {
    TOpsFixture f;
    const QString path = WriteSource(f);
    f.State.Undo.Record(-TUndoBuffer::kindGroupCreate);
    f.Dialogs.FileAnswers.push_back(path);
    EXPECT_FALSE(
        ImportFromProject(f.State, f.Dialogs, f.Log, [](const QStringList&) { return std::nullopt; }));
    EXPECT_EQ(f.State.Undo.Top(), 1) << "Cancel records nothing";
    f.Dialogs.FileAnswers.push_back(path);
    QStringList seen;
    EXPECT_TRUE(ImportFromProject(f.State, f.Dialogs, f.Log, [&](const QStringList& names) {
        seen = names;
        return std::optional<std::vector<int>>(std::vector<int>{1});
    }));
    EXPECT_EQ(seen.size(), 3);
    EXPECT_EQ(f.Order(), QStringList{"sun"});
    EXPECT_EQ(f.State.Undo.Top(), 2);
    EXPECT_EQ(f.Log.UndoName, "Import");
    EXPECT_FALSE(f.Log.Lines().contains("UNDO PUFFER TÖRÖLVE!")) << "the ring stays";
    EXPECT_FALSE(f.Scene.Saved);
    EXPECT_EQ(f.Dialogs.FileChoices.back().Filter, "*.VKP|*.VKP");
}

namespace {

// Pictures the scene already holds that take all but `room` bytes (0 or a
// power of two from 16 on) of the project's picture budget: textures are
// powers of two, so one picture per bit of what they take.
void FillPictureBudget(TOpsFixture& f, int64_t room) {
    int64_t taken = 0;
    for (int bit = 30; bit >= 4; --bit) {
        const int64_t bytes = int64_t(1) << bit;
        if (taken + bytes > MaxPictureMemory - room) continue;
        auto picture = std::make_shared<TPicture>();
        picture->Status = TPicture::stLoaded;
        picture->Format = TPicture::fmtPng;
        picture->PngColorType = 6;
        picture->Channels = 4;
        // RGBA: 2^(bit - 2) pixels, as wide as a texture may be.
        const int64_t pixels = bytes / 4;
        picture->Width = static_cast<int>(std::min<int64_t>(pixels, 16384));
        picture->Height = static_cast<int>(pixels / picture->Width);
        ASSERT_EQ(TPictureCache::TextureBytes(*picture), bytes);
        auto item = std::make_unique<TFilesItem>();
        item->Name = QString("held%1.png").arg(bit);
        item->Image = std::move(picture);
        f.Scene.AddFile(std::move(item));
        taken += bytes;
    }
    ASSERT_EQ(f.Scene.PictureMemory(), MaxPictureMemory - room);
}

} // namespace

// Pictures added by the import and by add-picture share the project's one
// picture budget with the pictures it already holds (each file had a budget
// of its own, so eight links to one big picture took 3 GB).
TEST(Import, ImportedAndAddedPicturesShareTheProjectsPictureBudget) {
    const struct {
        const char* Why;
        bool Import;
    } routes[] = {{"import", true}, {"add picture", false}};
    for (const auto& route : routes) {
        SCOPED_TRACE(route.Why);
        TOpsFixture f;
        FillPictureBudget(f, 0);
        QDir(f.Dir.path()).mkdir("src");
        const QString dir = f.Dir.filePath("src");
        // One picture and a link to it: two paths, each decoded on its own.
        ASSERT_TRUE(test::WritePng(dir + "/a.png", 4, 4, 6));
        ASSERT_TRUE(QFile::link("a.png", dir + "/b.png"));
        ASSERT_TRUE(test::WriteFile(dir + "/src.VKP", "[Files]\r\nName1=a.png\r\nName2=b.png\r\n"
                                                      "[Image1]\r\nName=A\r\nFileName=a.png\r\n"
                                                      "[Image2]\r\nName=B\r\nFileName=b.png\r\n"));
        if (route.Import) {
            TIniFile ini;
            ASSERT_TRUE(ini.LoadFromFile(dir + "/src.VKP"));
            EXPECT_EQ(ImportLayers(f.Scene, f.Dialogs, f.Log, dir + "/src.VKP", ini, {0, 1}), 2);
        } else {
            EXPECT_EQ(AddPictureFiles(f.State, f.Dialogs, f.Log, {}, {dir + "/a.png", dir + "/b.png"}), 0);
        }
        for (const char* name : {"a.png", "b.png"}) {
            SCOPED_TRACE(name);
            const TFilesItem* file = f.Scene.Files.Find(name);
            if (route.Import) {
                ASSERT_TRUE(file);
                EXPECT_EQ(file->Image->Status, TPicture::stTooLarge);
                EXPECT_TRUE(file->Image->IsEmpty());
            } else {
                EXPECT_FALSE(file);
            }
        }
        ASSERT_EQ(f.Dialogs.Messages.size(), 2);
        for (const QString& m : f.Dialogs.Messages)
            EXPECT_TRUE(m.startsWith("Túl nagy kép: " + dir + "/")) << m.toStdString();
        EXPECT_EQ(f.Scene.PictureMemory(), MaxPictureMemory);
    }
}

// Two small pictures where one still fits: the first takes the room, the
// second finds none, within the one import.
TEST(Import, OneImportDecodesWithinWhatIsLeftOfTheBudget) {
    TOpsFixture f;
    FillPictureBudget(f, 1024); // room for a 4 x 4 picture (64 bytes), not for 128 x 128
    QDir(f.Dir.path()).mkdir("src");
    const QString dir = f.Dir.filePath("src");
    ASSERT_TRUE(test::WritePng(dir + "/a.png", 4, 4, 6));
    ASSERT_TRUE(test::WritePng(dir + "/b.png", 128, 128, 6));
    ASSERT_TRUE(test::WriteFile(dir + "/src.VKP", "[Files]\r\nName1=a.png\r\nName2=b.png\r\n"
                                                  "[Image1]\r\nName=A\r\nFileName=a.png\r\n"
                                                  "[Image2]\r\nName=B\r\nFileName=b.png\r\n"));
    TIniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(dir + "/src.VKP"));
    EXPECT_EQ(ImportLayers(f.Scene, f.Dialogs, f.Log, dir + "/src.VKP", ini, {0, 1}), 2);
    EXPECT_EQ(f.Scene.Files.Find("a.png")->Image->Status, TPicture::stLoaded);
    EXPECT_EQ(f.Scene.Files.Find("b.png")->Image->Status, TPicture::stTooLarge);
    EXPECT_LE(f.Scene.PictureMemory(), MaxPictureMemory);
}

// An imported layer whose file is there but is no picture the editor can
// show gets add-picture's message; a missing file still gives an empty
// picture without a word.
TEST(Import, ANonPictureGetsTheMessageOfAddPicture) {
    TOpsFixture f;
    QDir(f.Dir.path()).mkdir("src");
    const QString dir = f.Dir.filePath("src");
    ASSERT_TRUE(test::WriteFile(dir + "/text.png", "not a picture"));
    ASSERT_TRUE(test::WriteWav(dir + "/s.wav", 1, 8000, 8, QByteArray(8, 0)));
    ASSERT_TRUE(test::WriteFile(dir + "/src.VKP", "[Image1]\r\nName=T\r\nFileName=text.png\r\n"
                                                  "[Image2]\r\nName=S\r\nFileName=s.wav\r\n"
                                                  "[Image3]\r\nName=M\r\nFileName=missing.png\r\n"));
    TIniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(dir + "/src.VKP"));
    EXPECT_EQ(ImportLayers(f.Scene, f.Dialogs, f.Log, dir + "/src.VKP", ini, {0, 1, 2}), 3);
    // What add-picture says of the same files.
    TOpsFixture g;
    AddPictureFiles(g.State, g.Dialogs, g.Log, {}, {dir + "/text.png", dir + "/s.wav"});
    ASSERT_EQ(g.Dialogs.Messages.size(), 2);
    EXPECT_EQ(f.Dialogs.Messages, g.Dialogs.Messages);
    EXPECT_EQ(f.Dialogs.Messages[0], "Hibás kép fájl: " + dir + "/text.png (ismeretlen képformátum)");
    EXPECT_EQ(f.Dialogs.Messages[1], "A fájl nem kép: " + dir + "/s.wav");
}

// The imported project is read by the project file's own rules: a FIFO is
// refused without waiting, and a big file with a line longer than 1 MiB is
// refused before it is held in memory.
TEST(Import, TheImportedProjectFileIsReadByTheProjectsOwnRules) {
    TOpsFixture f;
    const QString fifo = f.Dir.filePath("fifo.VKP");
    test::TFifo watched(fifo);
    ASSERT_TRUE(watched.Made);
    const QString big = f.Dir.filePath("big.VKP");
    ASSERT_TRUE(test::WriteFile(big, "[Image1]\r\nName=" + QByteArray(17 * 1024 * 1024, 'x') + "\r\n"));
    for (const QString& path : {fifo, big}) {
        SCOPED_TRACE(path.toStdString());
        f.Dialogs.FileAnswers.push_back(path);
        bool asked = false;
        EXPECT_THROW(ImportFromProject(f.State, f.Dialogs, f.Log,
                                       [&](const QStringList&) {
                                           asked = true;
                                           return std::nullopt;
                                       }),
                     EVelkonError);
        EXPECT_FALSE(asked);
    }
    EXPECT_EQ(watched.Waited, 0) << "the import waited on the FIFO";
}
