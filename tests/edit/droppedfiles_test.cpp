#include "edit/droppedfiles.h"
#include "edit/editorstate.h"
#include "edit/layerops.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "project/projectcommands.h"

#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;

namespace {

struct TDropFixture {
    TScene Scene;
    TEditorState State{Scene};
    TErrorLog Log;
    TScriptedDialogs Dialogs;
    TDropFixture() { State.Log = &Log; }

    // Layers bottom to top with their place, group and selection; files with their kind.
    QString Dump() const {
        QStringList out;
        for (int i = 0; i < Scene.Layers.Count(); ++i) {
            const TImagesItem& l = *Scene.Layers.At(i);
            out << QStringLiteral("%1 %2,%3 g%4 s%5 %6")
                       .arg(l.Name)
                       .arg(l.Left)
                       .arg(l.Top)
                       .arg(l.Group)
                       .arg(l.Selected)
                       .arg(l.FileItem ? l.FileItem->Name : QString());
        }
        for (int i = 0; i < Scene.Files.Count(); ++i)
            out << QStringLiteral("file %1 k%2 snd%3")
                       .arg(Scene.Files.At(i)->Name)
                       .arg(Scene.Files.At(i)->Kind)
                       .arg(Scene.Files.At(i)->Sound != nullptr);
        return out.join(QLatin1Char('\n'));
    }
};

std::vector<TDroppedItem> Local(const QStringList& paths) {
    std::vector<TDroppedItem> items;
    for (const QString& p : paths)
        items.push_back({p, true});
    return items;
}

} // namespace

TEST(DroppedKind, ByTheLastExtensionInAnyCase) {
    const struct {
        const char* Path;
        TDroppedKind Kind;
    } cases[] = {
        {"/p/demo.VKP", TDroppedKind::project},
        {"/p/demo.vkp", TDroppedKind::project},
        {"/p/Demo.Vkp", TDroppedKind::project},
        {"/p/ball.png", TDroppedKind::picture},
        {"/p/BALL.PNG", TDroppedKind::picture},
        {"/p/star(10,20).png", TDroppedKind::picture},
        {"/p/ding.wav", TDroppedKind::sound},
        {"/p/DING.WAV", TDroppedKind::sound},
        {"/p/fire.PAR", TDroppedKind::particle},
        {"/p/fire.par", TDroppedKind::particle},
        // Only the last extension counts.
        {"/p/sound.wav.png", TDroppedKind::picture},
        {"/p/ball.png.txt", TDroppedKind::other},
        {"/p/demo.VKP.bak", TDroppedKind::other},
        // The folder's name is not the file's.
        {"/p/pics.png/readme", TDroppedKind::other},
        {"C:\\p\\ding.wav", TDroppedKind::sound},
        {"/p/notes.txt", TDroppedKind::other},
        {"/p/photo.jpg", TDroppedKind::other},
        {"/p/pack.VKM", TDroppedKind::other},
        {"/p/png", TDroppedKind::other},
        {"/p/ball.", TDroppedKind::other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DroppedKindOf(QString::fromUtf8(c.Path)), c.Kind) << c.Path;
}

TEST(PlanDrop, ProjectsAloneResourcesOnTheirTargetsTheRestRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("pics.png"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("old.VKP"));
    const QString folder = dir.filePath("pics.png");
    const QString projectFolder = dir.filePath("old.VKP");
    const QString notAlone = QStringLiteral("Projekt csak magában húzható be, a behúzás elmaradt: demo.VKP");
    const QString elsewhere =
        QStringLiteral("Kép, hang és particle a vászonra vagy a rétegek listájára húzható: ");
    const struct {
        const char* Why;
        std::vector<TDroppedItem> Items;
        TDropTarget Target;
        QString Project;
        QStringList Pictures, Sounds, Particles, Refusals;
    } cases[] = {
        {"a project on the window",
         Local({"/p/demo.VKP"}),
         TDropTarget::window,
         "/p/demo.VKP",
         {},
         {},
         {},
         {}},
        {"a project on the canvas",
         Local({"/p/demo.vkp"}),
         TDropTarget::canvas,
         "/p/demo.vkp",
         {},
         {},
         {},
         {}},
        {"a project with a picture",
         Local({"/p/a.png", "/p/demo.VKP"}),
         TDropTarget::canvas,
         "",
         {},
         {},
         {},
         {notAlone}},
        {"two projects", Local({"/p/demo.VKP", "/p/b.VKP"}), TDropTarget::window, "", {}, {}, {}, {notAlone}},
        {"a project with an address",
         {{"/p/demo.VKP", true}, {"https://x.hu/a.png", false}},
         TDropTarget::window,
         "",
         {},
         {},
         {},
         {notAlone}},
        {"each kind on the layer list",
         Local({"/p/a.png", "/p/d.WAV", "/p/notes.txt", "/p/f.PAR", "/p/B.PNG"}),
         TDropTarget::layerList,
         "",
         {"/p/a.png", "/p/B.PNG"},
         {"/p/d.WAV"},
         {"/p/f.PAR"},
         {"A fájl nem húzható be: notes.txt"}},
        {"resources elsewhere on the window",
         Local({"/p/a.png", "/p/d.wav"}),
         TDropTarget::window,
         "",
         {},
         {},
         {},
         {elsewhere + "a.png", elsewhere + "d.wav"}},
        {"an address and a picture",
         {{"https://x.hu/a.png", false}, {"/p/b.png", true}},
         TDropTarget::canvas,
         "",
         {"/p/b.png"},
         {},
         {},
         {"Csak helyi fájl húzható be: https://x.hu/a.png"}},
        {"a folder named like a picture",
         Local({folder}),
         TDropTarget::canvas,
         "",
         {},
         {},
         {},
         {"Mappa nem húzható be: " + folder}},
        {"a folder named like a project",
         Local({projectFolder}),
         TDropTarget::window,
         "",
         {},
         {},
         {},
         {"Mappa nem húzható be: " + projectFolder}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        const TDropPlan plan = PlanDrop(c.Items, c.Target);
        EXPECT_EQ(plan.Project, c.Project);
        EXPECT_EQ(plan.Pictures, c.Pictures);
        EXPECT_EQ(plan.Sounds, c.Sounds);
        EXPECT_EQ(plan.Particles, c.Particles);
        EXPECT_EQ(plan.Refusals, c.Refusals);
    }
}

// A drop adds what the add buttons add from the chooser, file for file:
// the same layers and files, the same messages and log lines, the same one
// undo step per kind.
TEST(DropFiles, AddsWhatTheAddButtonsAdd) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    ASSERT_TRUE(test::WritePng(path("one.png"), 4, 3, 6));
    ASSERT_TRUE(test::WritePng(path("two (5,6).png"), 2, 2, 6));
    ASSERT_TRUE(test::WriteFile(path("broken.png"), "not a picture"));
    ASSERT_TRUE(test::WriteWav(path("ding dong.wav"), 1, 22050, 16, QByteArray(200, '\0')));
    ASSERT_TRUE(test::WriteFile(path("bad.wav"), "RIFF nonsense"));
    ASSERT_TRUE(test::WriteFile(path("fire.PAR"), "x"));
    const struct {
        const char* Kind;
        QStringList Paths;
        std::function<int(TDropFixture&, const std::vector<TLayerRow>&)> Button;
        const char* Step;
    } cases[] = {
        {"picture",
         {path("one.png"), path("broken.png"), path("two (5,6).png")},
         [](TDropFixture& f, const std::vector<TLayerRow>& rows) {
             return AddPictures(f.State, f.Dialogs, f.Log, rows);
         },
         "Réteg hozzáadás"},
        {"sound",
         {path("ding dong.wav"), path("bad.wav")},
         [](TDropFixture& f, const std::vector<TLayerRow>&) { return AddSounds(f.State, f.Dialogs, f.Log); },
         "Fájl hozzáadás"},
        {"particle",
         {path("fire.PAR")},
         [](TDropFixture& f, const std::vector<TLayerRow>&) {
             return AddParticles(f.State, f.Dialogs, f.Log);
         },
         "Fájl hozzáadás"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Kind);
        TDropFixture button, drop;
        for (TDropFixture* f : {&button, &drop}) {
            f->Scene.AddLayer(nullptr);
            f->Scene.AddLayer(nullptr);
            f->Scene.Layers.At(0)->Selected = true;
            f->Scene.Saved = true;
        }
        const auto rows = [](TDropFixture& f) {
            return std::vector<TLayerRow>{TLayerRow{-1, f.Scene.Layers.At(0)}};
        };
        button.Dialogs.FilesAnswers.push_back(c.Paths);
        const int byButton = c.Button(button, rows(button));
        const TDropPlan plan = PlanDrop(Local(c.Paths), TDropTarget::layerList);
        const int byDrop =
            AddDroppedFiles(drop.State, drop.Dialogs, drop.Log, rows(drop), plan, std::nullopt);
        EXPECT_GT(byDrop, 0);
        EXPECT_EQ(byDrop, byButton);
        EXPECT_EQ(drop.Dump(), button.Dump());
        EXPECT_NE(drop.Dump(), TDropFixture().Dump());
        EXPECT_FALSE(drop.Dialogs.Messages.isEmpty() && c.Paths.size() > 1) << "the bad file was told";
        EXPECT_EQ(drop.Dialogs.Messages, button.Dialogs.Messages);
        EXPECT_EQ(drop.Log.Lines(), button.Log.Lines());
        EXPECT_EQ(drop.Log.UndoName, QString::fromUtf8(c.Step));
        EXPECT_EQ(drop.State.Undo.Top(), button.State.Undo.Top());
        EXPECT_FALSE(drop.Scene.Saved);
        ASSERT_TRUE(drop.State.Undo.Undo());
        EXPECT_EQ(drop.Scene.Files.Count(), 0) << "one step takes the whole drop back";
    }
}

TEST(DropFiles, NothingOfOursAddsNothingAndIsLogged) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.png");
    ASSERT_TRUE(test::WriteFile(broken, "not a picture"));
    const QString text = dir.filePath("notes.txt");
    ASSERT_TRUE(test::WriteFile(text, "hello"));
    TDropFixture f;
    f.Scene.Saved = true;
    const int top = f.State.Undo.Top();
    const TDropPlan plan = PlanDrop(Local({broken, text}), TDropTarget::canvas);
    EXPECT_EQ(AddDroppedFiles(f.State, f.Dialogs, f.Log, {}, plan, QPoint(10, 10)), 0);
    EXPECT_EQ(f.Scene.Files.Count(), 0);
    EXPECT_EQ(f.Scene.Layers.Count(), 0);
    EXPECT_EQ(f.State.Undo.Top(), top) << "no undo step";
    EXPECT_TRUE(f.Log.Lines().contains("A fájl nem húzható be: notes.txt"));
    ASSERT_EQ(f.Dialogs.Messages.size(), 1);
    EXPECT_TRUE(f.Dialogs.Messages.front().contains("broken.png"));

    // Only a refusal: the scene is left as it was, saved flag and all.
    TDropFixture g;
    g.Scene.Saved = true;
    EXPECT_EQ(AddDroppedFiles(g.State, g.Dialogs, g.Log, {}, PlanDrop(Local({text}), TDropTarget::canvas),
                              QPoint(1, 1)),
              0);
    EXPECT_TRUE(g.Scene.Saved);
    EXPECT_EQ(g.Log.Lines(), QStringList{"A fájl nem húzható be: notes.txt"});
}

// Pictures dropped on the canvas stand at the drop point of the target, all
// of them, whatever their names say; a sound dropped with them is no layer.
TEST(DropFiles, PicturesOnTheCanvasStandAtTheDropPoint) {
    QTemporaryDir dir;
    const QStringList paths{dir.filePath("a.png"), dir.filePath("b(5,6).png"), dir.filePath("c(x,y).png")};
    for (const QString& p : paths)
        ASSERT_TRUE(test::WritePng(p, 3, 3, 6));
    const QString wav = dir.filePath("d.wav");
    ASSERT_TRUE(test::WriteWav(wav, 1, 22050, 16, QByteArray(100, '\0')));
    TDropFixture f;
    f.State.Zoom = 2.0;
    f.State.FrameOffsetX = 10;
    f.State.FrameOffsetY = 20;
    const TDropPlan plan = PlanDrop(Local(QStringList(paths) << wav), TDropTarget::canvas);
    // Window (110, 221) is target ((110-10)/2, (221-20)/2) = (50, 100.5), halves to even.
    EXPECT_EQ(AddDroppedFiles(f.State, f.Dialogs, f.Log, {}, plan, QPoint(110, 221)), 4);
    ASSERT_EQ(f.Scene.Layers.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const TImagesItem& l = *f.Scene.Layers.At(i);
        EXPECT_EQ(l.Left, 50.0) << l.Name.toStdString();
        EXPECT_EQ(l.Top, 100.0) << l.Name.toStdString();
    }
    EXPECT_FALSE(f.Log.Lines().join('\n').contains("Hibás koordináta"));
    EXPECT_TRUE(f.Scene.Files.Find("d.wav"));
    // Undo takes the layers back to where they were made: the drop point.
    EXPECT_TRUE(f.State.Undo.Undo()); // the sound
    EXPECT_EQ(f.Scene.Layers.Count(), 3);
    EXPECT_EQ(f.Scene.Layers.At(0)->Left, 50.0);
}

// A dropped project opens through Open's question; a path that is no file is logged.
TEST(DropFiles, ADroppedProjectOpensAfterOpensQuestion) {
    QTemporaryDir dir;
    const QString project = dir.filePath("b.VKP");
    ASSERT_TRUE(test::WriteFile(project, "[Project]\r\nResolution=2\r\n"));
    const struct {
        const char* Why;
        bool Saved;
        std::deque<bool> Answers;
        QString Path;
        bool Read;
        int Asked;
        bool Logged;
    } cases[] = {
        {"saved", true, {}, project, true, 0, false},
        {"unsaved, No", false, {false}, project, false, 1, false},
        {"unsaved, Yes", false, {true}, project, true, 1, false},
        {"gone", true, {}, dir.filePath("gone.VKP"), false, 0, true},
        {"a folder", true, {}, dir.path(), false, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        TScene scene;
        scene.Saved = c.Saved;
        TScriptedDialogs dialogs;
        dialogs.YesNoAnswers = c.Answers;
        TErrorLog log;
        EXPECT_EQ(OpenProjectFileCommand(scene, dialogs, log, c.Path), c.Read);
        EXPECT_EQ(int(dialogs.Asked.size()), c.Asked);
        EXPECT_EQ(scene.Resolution, c.Read ? 2 : TScene().Resolution);
        EXPECT_EQ(log.Lines().contains("A projekt nem található: " + c.Path), c.Logged);
    }
}
