#include "model/errorlog.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/settingsplaces.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;

namespace {

struct TProjectCommandsTest : ::testing::Test {
    QTemporaryDir Dir;
    TScene Scene;
    TScriptedDialogs Dialogs;
    TErrorLog Log;
    QString Path(const QString& name) const { return Dir.filePath(name); }

    // A one-file project that was read from Dir/name.
    void MakeProject(const QString& name) {
        Scene.AddFile(TFilesItem::Create(Path("ball.png")));
        WriteProject(Scene, Path(name));
        Scene.Saved = false;
    }
};

const QString kSaveQuestion = "yesno:Mentés|Biztos más éven menti el mint a projet neve?";
const QString kOpenQuestion = "yesno:Betöltés|A projekt nincs elmentve, biztos betölt egy másikat?";

} // namespace

TEST_F(TProjectCommandsTest, EmptyProjectIsNotSaved) {
    for (bool withDialog : {true, false}) {
        Dialogs.Asked.clear();
        EXPECT_FALSE(SaveProjectCommand(Scene, Dialogs, Log, withDialog));
        EXPECT_EQ(Dialogs.Asked, QStringList{"message:Üres projektet akar menteni!"});
    }
    EXPECT_EQ(Log.Count(), 0);
    EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(TProjectCommandsTest, SaveUnderTheSameNameAsksNothingAndLogs) {
    MakeProject("p.VKP");
    Scene.AddLayer(Scene.Files.At(0));
    Dialogs.FileAnswers.push_back(Path("p.VKP"));
    EXPECT_TRUE(SaveProjectCommand(Scene, Dialogs, Log, true));
    ASSERT_EQ(Dialogs.FileChoices.size(), 1u);
    const TFileChoice& choice = Dialogs.FileChoices[0];
    EXPECT_EQ(choice.Mode, TFileChoice::modeSave);
    EXPECT_EQ(choice.Filter, "*.VKP");
    EXPECT_EQ(choice.InitialName, "p.VKP");
    EXPECT_EQ(choice.InitialDir, QDir(Dir.path()).absolutePath());
    EXPECT_EQ(Dialogs.Asked.size(), 1);
    EXPECT_EQ(Log.Lines(), QStringList{"Project elmentve."});
    EXPECT_TRUE(Scene.Saved);
    EXPECT_TRUE(ReadFile(Path("p.VKP")).contains("[Image1]"));
}

TEST_F(TProjectCommandsTest, SaveUnderAnotherNameAsksFirst) {
    const struct {
        bool Answer;
        bool Written;
    } cases[] = {{false, false}, {true, true}};
    for (const auto& c : cases) {
        TScene scene;
        scene.AddFile(TFilesItem::Create(Path("ball.png")));
        scene.ProjectFileName = "p.VKP";
        scene.ProjectDir = Dir.path();
        TScriptedDialogs dialogs;
        TErrorLog log;
        dialogs.FileAnswers.push_back(Path("más.VKP"));
        dialogs.YesNoAnswers.push_back(c.Answer);
        EXPECT_EQ(SaveProjectCommand(scene, dialogs, log, true), c.Written);
        EXPECT_TRUE(dialogs.Asked.contains(kSaveQuestion));
        EXPECT_EQ(QFile::exists(Path("más.VKP")), c.Written);
        EXPECT_EQ(scene.ProjectFileName, c.Written ? "más.VKP" : "p.VKP");
        EXPECT_EQ(log.Count(), c.Written ? 1 : 0);
    }
}

TEST_F(TProjectCommandsTest, CancelledSaveDialogWritesNothing) {
    MakeProject("p.VKP");
    QFile::remove(Path("p.VKP"));
    Dialogs.FileAnswers.push_back(std::nullopt);
    EXPECT_FALSE(SaveProjectCommand(Scene, Dialogs, Log, true));
    EXPECT_FALSE(QFile::exists(Path("p.VKP")));
    EXPECT_FALSE(Scene.Saved);
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TProjectCommandsTest, QuickSaveGoesToTheProjectFolderNotTheCurrentDirectory) {
    MakeProject("p.VKP");
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    Scene.AddLayer(Scene.Files.At(0));
    const bool saved = SaveProjectCommand(Scene, Dialogs, Log, false);
    QDir::setCurrent(previous);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
    EXPECT_TRUE(ReadFile(Path("p.VKP")).contains("[Image1]"));
    EXPECT_FALSE(QFile::exists(elsewhere.filePath("p.VKP")));
    EXPECT_EQ(Log.Lines(), QStringList{"Project elmentve."});
}

TEST_F(TProjectCommandsTest, QuickSaveOfANewProjectAsksWhere) {
    Scene.AddFile(TFilesItem::Create(Path("ball.png")));
    Dialogs.FileAnswers.push_back(Path("új.VKP"));
    EXPECT_TRUE(SaveProjectCommand(Scene, Dialogs, Log, false));
    // It had no file, so no name of its own: "Untitled.VKP" is not asked about.
    EXPECT_EQ(Dialogs.Asked.size(), 1);
    EXPECT_FALSE(Dialogs.Asked.contains(kSaveQuestion));
    EXPECT_TRUE(QFile::exists(Path("új.VKP")));
    EXPECT_EQ(Scene.ProjectFileName, "új.VKP");
}

TEST_F(TProjectCommandsTest, FailedSaveReportsAndLogsNothing) {
    MakeProject("p.VKP");
    ASSERT_TRUE(WriteFile(Path("blocker"), "x"));
    Dialogs.FileAnswers.push_back(Path("blocker/p.VKP"));
    EXPECT_THROW(SaveProjectCommand(Scene, Dialogs, Log, true), EVelkonError);
    EXPECT_EQ(Log.Count(), 0);
    EXPECT_FALSE(Scene.Saved);
}

TEST_F(TProjectCommandsTest, OpenAsksOnlyWhenUnsaved) {
    MakeProject("p.VKP");
    Scene.AddLayer(Scene.Files.At(0));
    WriteProject(Scene, Path("q.VKP"));
    TScene fresh;
    // Unsaved and the user says No: nothing is chosen or read.
    fresh.Saved = false;
    Dialogs.YesNoAnswers.push_back(false);
    EXPECT_FALSE(OpenProjectCommand(fresh, Dialogs, Log));
    EXPECT_EQ(Dialogs.Asked, QStringList{kOpenQuestion});
    EXPECT_EQ(fresh.Layers.Count(), 0);
    // Unsaved, Yes, then the file dialog.
    Dialogs.Asked.clear();
    Dialogs.YesNoAnswers.push_back(true);
    Dialogs.FileAnswers.push_back(Path("q.VKP"));
    EXPECT_TRUE(OpenProjectCommand(fresh, Dialogs, Log));
    EXPECT_EQ(Dialogs.Asked.size(), 2);
    EXPECT_EQ(Dialogs.FileChoices.back().Mode, TFileChoice::modeOpen);
    EXPECT_EQ(Dialogs.FileChoices.back().Filter, "*.VKP");
    EXPECT_EQ(fresh.Layers.Count(), 1);
    EXPECT_EQ(fresh.ProjectFileName, "q.VKP");
    EXPECT_TRUE(fresh.Saved);
    // Saved: no question; a cancelled dialog reads nothing.
    Dialogs.Asked.clear();
    EXPECT_FALSE(OpenProjectCommand(fresh, Dialogs, Log));
    EXPECT_EQ(Dialogs.Asked.size(), 1);
    EXPECT_EQ(fresh.Layers.Count(), 1);
}

TEST_F(TProjectCommandsTest, ExitSaveWritesEvenAnEmptySceneAndKeepsTheProjectName) {
    Scene.ProjectFileName = "p.VKP";
    Scene.ProjectDir = Dir.path();
    Scene.Saved = false;
    TSettingsPlaces places;
    places.SettingsDir = Path("config");
    places.DataDir = Path("data");
    QDir().mkpath(places.DataDir);
    // The exit save goes to the data place, never beside the settings.
    EXPECT_EQ(ExitSaveProject(Scene, places), QDir(Path("data")).filePath("Kilepesi.VKP"));
    EXPECT_TRUE(ReadFile(QDir(Path("data")).filePath("Kilepesi.VKP")).startsWith("[Project]\r\n"));
    EXPECT_FALSE(QFile::exists(QDir(Path("config")).filePath("Kilepesi.VKP")));
    EXPECT_EQ(Scene.ProjectFileName, "p.VKP");
    EXPECT_EQ(Scene.ProjectDir, Dir.path());
    EXPECT_FALSE(Scene.Saved);
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TProjectCommandsTest, ExitSaveThatCannotBeWrittenThrowsAndKeepsTheScene) {
    Scene.ProjectFileName = "p.VKP";
    Scene.ProjectDir = Dir.path();
    Scene.Saved = false;
    ASSERT_TRUE(WriteFile(Path("program"), "not a folder"));
    EXPECT_THROW(ExitSaveProject(Scene, TSettingsPlaces::In(Path("program"))), EVelkonError);
    // No second place is tried: the one rule says where the file is.
    EXPECT_FALSE(QFile::exists(Path("Kilepesi.VKP")));
    EXPECT_EQ(Scene.ProjectFileName, "p.VKP");
    EXPECT_EQ(Scene.ProjectDir, Dir.path());
    EXPECT_FALSE(Scene.Saved);
}

namespace {

// A scene full of a project: layers (the second selected and current), a
// group, helper lines, colours, a file, a half-read mark.
void FillScene(TScene& scene, const QString& folder) {
    for (const char* name : {"a", "b"}) {
        TImagesItem* layer = scene.Layers.Add(QString::fromLatin1(name), std::make_unique<TImagesItem>());
        layer->Name = QString::fromLatin1(name);
    }
    scene.AddFile(TFilesItem::Create(QDir(folder).filePath("ball.png")));
    scene.Layers.At(1)->Selected = true;
    scene.SelectedCount = 1;
    scene.CurrentLayer = scene.Layers.At(1);
    scene.Groups = {QStringLiteral("Csapat")};
    scene.Lines = {QStringLiteral("V512=512")};
    scene.BackgroundColor = 0x102030;
    scene.SelectColor = 0x00FF00;
    scene.Resolution = 3;
    scene.TimeScale = 4;
    scene.Lock = true;
    scene.Saved = true;
    scene.Incomplete = QStringLiteral("sor 12");
    scene.ProjectFileName = QStringLiteral("jelenet.VKP");
    scene.ProjectDir = folder;
}

} // namespace

TEST(NewProjectTest, EmptiesTheProjectAndKeepsTheUsersViewSettings) {
    TScene scene;
    FillScene(scene, QStringLiteral("/tmp/x"));
    ResetToNewProject(scene);
    EXPECT_EQ(scene.Layers.Count(), 0);
    EXPECT_EQ(scene.Files.Count(), 0);
    EXPECT_EQ(scene.SelectedCount, 0);
    EXPECT_EQ(scene.CurrentLayer, nullptr);
    EXPECT_TRUE(scene.Groups.isEmpty());
    EXPECT_TRUE(scene.Lines.isEmpty());
    EXPECT_EQ(scene.BackgroundColor, 0xFFFFFFu);
    EXPECT_FALSE(scene.Lock);
    EXPECT_FALSE(scene.Saved);
    EXPECT_TRUE(scene.Incomplete.isEmpty()); // a new project is not half-read
    EXPECT_EQ(scene.ProjectFileName, QStringLiteral("Untitled.VKP"));
    EXPECT_TRUE(scene.ProjectDir.isEmpty()); // no file, no folder until its first save
    // What the user chose for the view stays.
    EXPECT_EQ(scene.SelectColor, 0x00FF00u);
    EXPECT_EQ(scene.Resolution, 3);
    EXPECT_EQ(scene.TimeScale, 4);
}

TEST(NewProjectTest, ReadSelectionIsCountedFromTheLayersAndNoLayerIsCurrent) {
    TScene scene;
    FillScene(scene, QStringLiteral("/tmp/x"));
    scene.Layers.At(0)->Selected = true;
    scene.SelectedCount = 7; // whatever an earlier project left
    RecountSelection(scene);
    EXPECT_EQ(scene.SelectedCount, 2);
    EXPECT_EQ(scene.CurrentLayer, nullptr);
    for (const auto& entry : scene.Layers)
        entry.second->Selected = false;
    RecountSelection(scene);
    EXPECT_EQ(scene.SelectedCount, 0);
}

TEST(NewProjectTest, PhotoIsNamedAfterTheProject) {
    TScene scene;
    const std::pair<const char*, const char*> cases[] = {
        {"demo.VKP", "demoT.png"},
        {"jelenet.VKP", "jelenetT.png"},
        {"nevtelen", "nevtelenT.png"},
    };
    for (const auto& [project, photo] : cases) {
        scene.ProjectFileName = QString::fromLatin1(project);
        EXPECT_EQ(PhotoFileName(scene), QString::fromLatin1(photo)) << project;
    }
}
