// Saving a project whose pictures live in another folder: the resources go
// beside the project file first, a namesake with other bytes stops the save.

#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/packexport.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/resourcesbeside.h"
#include "support/testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;
using velkon::test::WritePng;

namespace {

struct TResourcesBesideTest : ::testing::Test {
    QTemporaryDir Root;
    TScene Scene;
    TScriptedDialogs Dialogs;
    TErrorLog Log;
    QString Pictures, Target;

    void SetUp() override {
        Pictures = Root.filePath("kepek");
        Target = Root.filePath("uj projekt");
        ASSERT_TRUE(QDir().mkpath(Pictures));
        ASSERT_TRUE(QDir().mkpath(Target));
    }

    // A picture in the pictures folder, its layer in the scene.
    TFilesItem* AddPicture(const QString& name, std::vector<uint8_t> rgba) {
        const QString path = QDir(Pictures).filePath(name);
        EXPECT_TRUE(WritePng(path, 4, 4, 6, std::move(rgba)));
        TFilesItem* file = Scene.AddFile(TFilesItem::Create(path));
        Scene.AddLayer(file);
        return file;
    }

    bool SaveAs(const QString& path) {
        Dialogs.FileAnswers.push_back(path);
        return SaveProjectCommand(Scene, Dialogs, Log, true);
    }
};

const QString kSaveQuestion = "yesno:Mentés|Biztos más éven menti el mint a projet neve?";

TEST_F(TResourcesBesideTest, FirstSaveCopiesThePicturesBesideTheProjectAndReadsBackWhole) {
    TFilesItem* ball = AddPicture("ball.png", {255, 0, 0, 255});
    TFilesItem* box = AddPicture("box(10,20).png", {0, 0, 255, 255});
    Scene.ProjectFileName = "Untitled.VKP";
    for (TFilesItem* f : {ball, box})
        EXPECT_FALSE(ResourceBesideProject(Scene, *f)); // no folder yet: nothing is beside it

    const QString project = QDir(Target).filePath("jelenet.VKP");
    ASSERT_TRUE(SaveAs(project));
    // A project without a file has no name to keep: the other-name question is not asked.
    EXPECT_FALSE(Dialogs.Asked.contains(kSaveQuestion));
    for (const QString name : {"ball.png", "box(10,20).png"}) {
        EXPECT_EQ(ReadFile(QDir(Target).filePath(name)), ReadFile(QDir(Pictures).filePath(name)))
            << name.toStdString();
    }
    // The project now uses its own copies.
    EXPECT_EQ(ball->Path, QDir(Target).filePath("ball.png"));
    EXPECT_TRUE(ResourceBesideProject(Scene, *ball));
    EXPECT_TRUE(ResourceBesideProject(Scene, *box));
    ASSERT_EQ(Log.Count(), 2);
    EXPECT_EQ(Log.Lines()[0], "Project elmentve.");
    EXPECT_EQ(Log.Lines()[1], "2 fájl a projekt mappájába másolva: " + QDir::toNativeSeparators(Target));

    // The pictures' own folder can go: the project reads back whole.
    ASSERT_TRUE(QDir(Pictures).removeRecursively());
    TScene read;
    TErrorLog readLog;
    ReadProject(read, project, readLog);
    EXPECT_TRUE(readLog.Lines().isEmpty()) << readLog.Lines().join(" | ").toStdString();
    ASSERT_EQ(read.Files.Count(), 2);
    for (const auto& [name, file] : read.Files) {
        ASSERT_TRUE(file->Image);
        EXPECT_FALSE(file->Image->IsEmpty()) << name.toStdString();
    }
}

TEST_F(TResourcesBesideTest, ANamesakeWithOtherBytesStopsTheSaveBeforeAnythingIsWritten) {
    AddPicture("ball.png", {255, 0, 0, 255});
    AddPicture("tree.png", {0, 255, 0, 255});
    const QByteArray theirs = "another ball";
    ASSERT_TRUE(WriteFile(QDir(Target).filePath("ball.png"), theirs));
    Scene.Saved = false;
    const QString project = QDir(Target).filePath("jelenet.VKP");

    EXPECT_FALSE(SaveAs(project));
    EXPECT_FALSE(QFile::exists(project));
    EXPECT_FALSE(QFile::exists(QDir(Target).filePath("tree.png"))); // nothing went before the check
    EXPECT_EQ(ReadFile(QDir(Target).filePath("ball.png")), theirs);
    EXPECT_FALSE(Scene.Saved);
    EXPECT_EQ(Scene.Files.Find("tree.png")->Path, QDir(Pictures).filePath("tree.png"));
    ASSERT_EQ(Dialogs.Messages.size(), 1);
    EXPECT_TRUE(Dialogs.Asked.last().startsWith("warning:A projekt nincs mentve"));
    EXPECT_TRUE(Dialogs.Messages[0].contains("ball.png")) << Dialogs.Messages[0].toStdString();
    EXPECT_FALSE(Dialogs.Messages[0].contains("tree.png"));
    ASSERT_EQ(Log.Count(), 1);
    EXPECT_EQ(Log.Lines()[0], Dialogs.Messages[0]);
}

TEST_F(TResourcesBesideTest, TheSameBytesThereAreUsedWithoutWriting) {
    TFilesItem* ball = AddPicture("ball.png", {255, 0, 0, 255});
    const QString there = QDir(Target).filePath("ball.png");
    ASSERT_TRUE(QFile::copy(ball->Path, there));
    const QDateTime before = QFileInfo(there).lastModified();
    ASSERT_TRUE(SaveAs(QDir(Target).filePath("p.VKP")));
    EXPECT_EQ(ball->Path, there);
    EXPECT_EQ(QFileInfo(there).lastModified(), before);
    EXPECT_EQ(Log.Lines(), QStringList{"Project elmentve."}); // nothing was copied
}

TEST_F(TResourcesBesideTest, EverySaveIntoAnotherFolderCopiesWhatIsNotThere) {
    // A project of the pictures folder, saved into the new folder and later
    // given one more picture from a third folder: Ctrl+S copies just that one.
    AddPicture("ball.png", {255, 0, 0, 255});
    WriteProject(Scene, QDir(Pictures).filePath("p.VKP"));
    Scene.Saved = false;
    ASSERT_TRUE(SaveAs(QDir(Target).filePath("p.VKP")));
    EXPECT_TRUE(QFile::exists(QDir(Target).filePath("ball.png")));

    const QString third = Root.filePath("harmadik");
    ASSERT_TRUE(QDir().mkpath(third));
    ASSERT_TRUE(WritePng(QDir(third).filePath("sun.png"), 2, 2, 6, {255, 255, 0, 255}));
    TFilesItem* sun =
        Scene.AddLayer(Scene.AddFile(TFilesItem::Create(QDir(third).filePath("sun.png"))))->FileItem;
    EXPECT_FALSE(ResourceBesideProject(Scene, *sun));
    Log.Clear();
    ASSERT_TRUE(SaveProjectCommand(Scene, Dialogs, Log, false));
    EXPECT_TRUE(QFile::exists(QDir(Target).filePath("sun.png")));
    EXPECT_TRUE(ResourceBesideProject(Scene, *sun));
    EXPECT_TRUE(
        Log.Lines().contains("1 fájl a projekt mappájába másolva: " + QDir::toNativeSeparators(Target)));
}

TEST_F(TResourcesBesideTest, AMissingPictureIsToldAndTheSaveGoesOn) {
    TFilesItem* ball = AddPicture("ball.png", {255, 0, 0, 255});
    ASSERT_TRUE(QFile::remove(ball->Path));
    ASSERT_TRUE(SaveAs(QDir(Target).filePath("p.VKP")));
    EXPECT_TRUE(Log.Lines().contains("Nincs meg a fájl, nem került a projekt mellé: ball.png"));
    // A file of that name already beside the project is the one the project will find.
    ASSERT_TRUE(WriteFile(QDir(Target).filePath("ball.png"), "kept"));
    Log.Clear();
    ASSERT_TRUE(SaveProjectCommand(Scene, Dialogs, Log, false));
    EXPECT_EQ(Scene.Files.At(0)->Path, QDir(Target).filePath("ball.png"));
    EXPECT_EQ(Log.Lines(), QStringList{"Project elmentve."});
}

TEST_F(TResourcesBesideTest, AFolderInAPicturesPlaceWritesNothing) {
    AddPicture("ball.png", {255, 0, 0, 255});
    AddPicture("tree.png", {0, 255, 0, 255});
    ASSERT_TRUE(QDir().mkpath(QDir(Target).filePath("tree.png")));
    Dialogs.FileAnswers.push_back(QDir(Target).filePath("p.VKP"));
    EXPECT_THROW(SaveProjectCommand(Scene, Dialogs, Log, true), EVelkonError);
    EXPECT_FALSE(QFile::exists(QDir(Target).filePath("p.VKP")));
    EXPECT_FALSE(QFile::exists(QDir(Target).filePath("ball.png")));
}

TEST_F(TResourcesBesideTest, AfterAPackTheProjectUsesTheCopiesBesideIt) {
    TFilesItem* ball = AddPicture("ball.png", {255, 0, 0, 255});
    TFilesItem* tree = AddPicture("tree.png", {0, 255, 0, 255});
    TFilesItem* sun = AddPicture("sun.png", {255, 255, 0, 255});
    const QString pack = QDir(Target).filePath("p.VKM");
    ASSERT_EQ(PackExport(Scene, Dialogs, Log, TPackOptions{pack, {}}), pack);
    EXPECT_EQ(Scene.ProjectDir, QFileInfo(pack).absolutePath());
    // A namesake with other bytes stands beside the project in the tree's place.
    ASSERT_TRUE(WriteFile(QDir(Target).filePath("tree.png"), "another tree"));
    ASSERT_TRUE(QFile::remove(QDir(Target).filePath("sun.png")));
    EXPECT_EQ(AdoptResourcesBeside(Scene), 1);
    EXPECT_EQ(ball->Path, QDir(Target).filePath("ball.png"));
    EXPECT_TRUE(ResourceBesideProject(Scene, *ball));
    EXPECT_EQ(tree->Path, QDir(Pictures).filePath("tree.png"));
    EXPECT_EQ(sun->Path, QDir(Pictures).filePath("sun.png"));
    EXPECT_FALSE(ResourceBesideProject(Scene, *sun));
}

TEST_F(TResourcesBesideTest, BesideMeansTheFileOfItsNameInTheFolder) {
    TFilesItem* ball = AddPicture("ball.png", {255, 0, 0, 255});
    const struct {
        QString Folder;
        bool Beside;
    } cases[] = {
        {Pictures, true}, {Pictures + "/", true}, {Pictures + "/../kepek", true},
        {Target, false},  {QString(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResourceBeside(*ball, c.Folder), c.Beside) << c.Folder.toStdString();
    // A link beside the project leading to the picture is the picture.
    ASSERT_TRUE(QFile::link(ball->Path, QDir(Target).filePath("ball.png")));
    EXPECT_TRUE(ResourceBeside(*ball, Target));
}

} // namespace
