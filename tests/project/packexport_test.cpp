#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/snd.h"
#include "model/velkonerror.h"
#include "project/packexport.h"
#include "project/projectfile.h"
#include "project/windows1250.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;
using velkon::test::WritePng;

namespace {

const QString kSummary = "A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek.";

struct TPackTest : ::testing::Test {
    QTemporaryDir Dir;
    TScene Scene;
    TScriptedDialogs Dialogs;
    TErrorLog Log;
    QString Path(const QString& name) const { return Dir.filePath(name); }

    // The project folder with ball.png and one layer on it, read from p.VKP.
    TImagesItem* OneLayer() {
        QDir().mkpath(Path("proj"));
        EXPECT_TRUE(WritePng(Path("proj/ball.png"), 8, 6, 6));
        Scene.AddFile(TFilesItem::Create(Path("proj/ball.png")));
        TImagesItem* layer = Scene.AddLayer(Scene.Files.At(0));
        WriteProject(Scene, Path("proj/p.VKP"));
        return layer;
    }
};

} // namespace

TEST_F(TPackTest, SingleWaitPacksByteExact) {
    TImagesItem* layer = OneLayer();
    layer->Left = 10.5;
    layer->Top = 11.5;
    layer->Base.Track[1].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    QDir().mkpath(Path("out"));
    Dialogs.FileAnswers.push_back(Path("out/pack.VKM"));
    EXPECT_EQ(PackExport(Scene, Dialogs, Log), Path("out/pack.VKM"));
    const QByteArray expected = "VKP1.3\r\n1\r\n[Files]\r\n1\r\nball.png\r\n[Images]\r\n1\r\n"
                                "ball\r\nball.png\r\n12\r\n10\r\n8\r\n6\r\n255\r\n0\r\n0\r\n0\r\n"
                                "0\r\n0\r\n8\r\n6\r\n\r\n1\r\n1\r\n"
                                "[B02]\r\n1\r\n6\r\n1\r\n\r\n\r\n";
    EXPECT_EQ(ReadFile(Path("out/pack.VKM")), expected);
    EXPECT_TRUE(Dialogs.Asked.size() == 1 && Dialogs.Asked[0].startsWith("file:")) << Dialogs.Asked.join(";").toStdString();
    ASSERT_EQ(Dialogs.FileChoices.size(), 1u);
    EXPECT_EQ(Dialogs.FileChoices[0].Filter, "*.VKM");
    EXPECT_EQ(Dialogs.FileChoices[0].DefaultExt, "VKM");
    EXPECT_EQ(Dialogs.FileChoices[0].InitialDir, QDir(Path("proj")).absolutePath());
    EXPECT_EQ(Dialogs.FileChoices[0].InitialName, "p.VKM");
    // The .VKO is gone; the resource and the project now sit beside the pack.
    EXPECT_FALSE(QFile::exists(Path("out/pack.VKO")));
    EXPECT_EQ(ReadFile(Path("out/ball.png")), ReadFile(Path("proj/ball.png")));
    EXPECT_TRUE(QFile::exists(Path("out/pack.VKP")));
    EXPECT_EQ(Scene.ProjectFileName, "pack.VKP");
    EXPECT_EQ(Scene.ProjectDir, QDir(Path("out")).absolutePath());
    EXPECT_TRUE(Scene.Saved);
    EXPECT_EQ(Log.Count(), 0);
}

TEST_F(TPackTest, ParametersAreWrittenUnevaluatedAndEveryTrackHasItsSection) {
    TImagesItem* layer = OneLayer();
    layer->Parent = "Szülő";
    layer->Visible = false;
    layer->PlayAnim = 3;
    for (int t = 1; t <= 12; ++t)
        layer->TrackByNumber(t).Add(std::make_unique<TCommandItem>(t == 12 ? 42 : cmdMoveTo, "RandomI(1;6)", "Left(a;0)", ""));
    const QString text = PackText(Scene);
    EXPECT_TRUE(text.contains("\r\nSzülő\r\n0\r\n3\r\n[B01]\r\n1\r\n1\r\nRandomI(1;6)\r\nLeft(a;0)\r\n\r\n[B02]\r\n"));
    qsizetype at = 0;
    for (const char* s : {"[B01]", "[B02]", "[B03]", "[T11]", "[T12]", "[T13]", "[T21]", "[T22]", "[T23]", "[T31]",
                          "[T32]", "[T33]"}) {
        const qsizetype found = text.indexOf(QString(s) + "\r\n1\r\n", at);
        EXPECT_GT(found, at) << s;
        at = found;
    }
    EXPECT_TRUE(text.endsWith("[T33]\r\n1\r\n42\r\nRandomI(1;6)\r\nLeft(a;0)\r\n\r\n"));
    // Group, colour and transpose point are not packed.
    EXPECT_FALSE(text.contains("FFFFFF"));
    EXPECT_FALSE(text.contains("512"));
}

TEST_F(TPackTest, HungarianLetterTakesTwoBytesInTheVkmAndOneInTheVko) {
    TImagesItem* layer = OneLayer();
    layer->Name = "á";
    EXPECT_TRUE(EncodeWindows1250(PackText(Scene)).contains("\r\n\xE1\r\nball.png\r\n"));
    PackExport(Scene, Dialogs, Log, {Path("x.VKM"), {}});
    const QByteArray vkm = ReadFile(Path("x.VKM"));
    EXPECT_TRUE(vkm.startsWith("VKP1.3\r\n")) << "no byte-order mark";
    EXPECT_TRUE(vkm.contains("\r\n\xC3\xA1\r\nball.png\r\n"));
    EXPECT_EQ(QString::fromUtf8(vkm), PackText(Scene));
}

TEST_F(TPackTest, AlphaCheckOnlyForLayersWithTouchCommands) {
    const struct {
        double Alpha;
        bool Touch;
        bool Reported;
    } cases[] = {{4, false, false}, {4, true, true}, {5, true, false}, {4.9, true, true}, {0, false, false}};
    for (const auto& c : cases) {
        TScene scene;
        TImagesItem* layer = scene.AddLayer(nullptr);
        layer->Name = "L";
        layer->Alpha = c.Alpha;
        if (c.Touch)
            layer->Touch2.Track[2].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
        TScriptedDialogs dialogs;
        TErrorLog log;
        EXPECT_EQ(RunPackChecks(scene, dialogs, log), c.Reported ? 1 : 0) << c.Alpha;
        EXPECT_EQ(log.Lines(), c.Reported ? QStringList{"Túl alacsony az alfa és van érintési animáció: L"} : QStringList{});
        EXPECT_EQ(dialogs.Messages, c.Reported ? QStringList{kSummary} : QStringList{});
    }
}

TEST_F(TPackTest, ParametersThatGiveNoNumberAreReportedWithTheirPlace) {
    TScene scene;
    TImagesItem* layer = scene.AddLayer(nullptr);
    layer->Name = "ball";
    layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    layer->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdMoveTo, "abc", "Top(ball;5)", "fast"));
    layer->Touch2.Track[2].Add(std::make_unique<TCommandItem>(cmdStartOther, "ball", "x"));
    layer->Touch2.Track[2].Add(std::make_unique<TCommandItem>(cmdShow, "nobody")); // a name, not a number
    TScriptedDialogs dialogs;
    TErrorLog log;
    EXPECT_EQ(RunPackChecks(scene, dialogs, log), 3);
    EXPECT_EQ(
        log.Lines(),
        (QStringList{
            "Nem szám és nem paraméter függvény: ball, Touch2 3. parancssor, 1. parancs, StartOther which = "
            "\"x\"",
            "Nem szám és nem paraméter függvény: ball, Base 1. parancssor, 2. parancs, MoveTo duration = "
            "\"fast\"",
            "Nem szám és nem paraméter függvény: ball, Base 1. parancssor, 2. parancs, MoveTo x = \"abc\"",
        }));
    EXPECT_EQ(dialogs.Messages, QStringList{kSummary});
}

TEST_F(TPackTest, TouchRectangleCheckAtItsBoundaries) {
    const struct {
        int Left, Top, Width, Height;
        bool Reported;
    } cases[] = {
        {0, 0, 100, 50, false}, {0, 0, 101, 50, true}, {0, 0, 100, 51, true},
        {-1, 0, 10, 10, true},  {0, -1, 10, 10, true}, {99, 49, 100, 50, false},
    };
    for (const auto& c : cases) {
        TScene scene;
        TImagesItem* layer = scene.AddLayer(nullptr);
        layer->Name = "T";
        layer->Width = 100;
        layer->Height = 50;
        layer->TouchLeft = c.Left;
        layer->TouchTop = c.Top;
        layer->TouchWidth = c.Width;
        layer->TouchHeight = c.Height;
        layer->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
        TScriptedDialogs dialogs;
        TErrorLog log;
        RunPackChecks(scene, dialogs, log);
        EXPECT_EQ(log.Lines(), c.Reported ? QStringList{"A touch rect túl nagy: T"} : QStringList{})
            << c.Left << "," << c.Top << "," << c.Width << "," << c.Height;
    }
    // Without touch commands nothing is checked.
    TScene scene;
    scene.AddLayer(nullptr)->TouchLeft = -5;
    TErrorLog log;
    EXPECT_EQ(RunPackChecks(scene, Dialogs, log), 0);
}

TEST_F(TPackTest, RetinaWarningOnlyForTheHighDensityPresets) {
    const struct {
        int resolution;
        bool warned;
    } cases[] = {{0, false}, {1, false}, {2, true}, {3, false}, {4, false}, {5, true}};
    for (const auto& c : cases) {
        TScene scene;
        scene.Resolution = c.resolution;
        TScriptedDialogs dialogs;
        EXPECT_EQ(WarnRetina(scene, dialogs), c.warned) << c.resolution;
        EXPECT_EQ(dialogs.Messages,
                  c.warned ? QStringList{"Retinás felbontás van beállítva!"} : QStringList{})
            << c.resolution;
    }
}

TEST_F(TPackTest, CancelledChoiceKeepsTheWarningsAndWritesNothing) {
    TImagesItem* layer = OneLayer();
    Scene.Resolution = 5;
    layer->Alpha = 0;
    layer->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    auto spaced = std::make_unique<TFilesItem>();
    spaced->Name = "két szó.png";
    Scene.AddFile(std::move(spaced));
    int framesRead = 0;
    qsizetype askedAtFrame = -1;
    TPackOptions options;
    options.ReadBackFrame = [&] {
        ++framesRead;
        askedAtFrame = Dialogs.Asked.size();
    };
    const QStringList before = QDir(Path("proj")).entryList(QDir::Files);
    EXPECT_EQ(PackExport(Scene, Dialogs, Log, options), QString());
    EXPECT_EQ(framesRead, 1);
    EXPECT_EQ(askedAtFrame, 1) << "the frame is read after the retina warning";
    EXPECT_EQ(Dialogs.Messages, (QStringList{"Retinás felbontás van beállítva!", kSummary}));
    EXPECT_EQ(Log.Lines(), (QStringList{"Hibás fájl név: két szó.png", "Túl alacsony az alfa és van érintési animáció: ball"}));
    EXPECT_EQ(QDir(Path("proj")).entryList(QDir::Files), before);
    EXPECT_EQ(Scene.ProjectFileName, "p.VKP");
}

TEST_F(TPackTest, UnsafeResourceNamesAreReportedAndNeverCopied) {
    OneLayer();
    QDir().mkpath(Path("out"));
    ASSERT_TRUE(WriteFile(Path("secret.txt"), "secret"));
    auto unsafe = std::make_unique<TFilesItem>();
    unsafe->Name = "../secret.txt";
    unsafe->Path = Path("secret.txt");
    Scene.AddFile(std::move(unsafe));
    const QString vkm = PackExport(Scene, Dialogs, Log, {Path("out/a.vkm"), {}});
    EXPECT_EQ(vkm, Path("out/a.vkm"));
    EXPECT_EQ(Log.Lines(), QStringList{"Hibás fájl név: ../secret.txt"});
    QStringList written = QDir(Path("out")).entryList(QDir::Files);
    written.sort();
    EXPECT_EQ(written, (QStringList{"a.VKP", "a.vkm", "ball.png"}));
    EXPECT_EQ(ReadFile(Path("secret.txt")), QByteArray("secret"));
    // The entry stays in the project written beside the pack.
    EXPECT_TRUE(ReadFile(Path("out/a.VKP")).contains("Name2=../secret.txt\r\n"));
}

TEST_F(TPackTest, PackingIntoTheProjectFolderKeepsTheResources) {
    OneLayer();
    const QByteArray png = ReadFile(Path("proj/ball.png"));
    PackExport(Scene, Dialogs, Log, {Path("proj/p.VKM"), {}});
    EXPECT_EQ(ReadFile(Path("proj/ball.png")), png);
    EXPECT_TRUE(QFile::exists(Path("proj/p.VKM")));
}

TEST_F(TPackTest, UnwritablePackFolderThrowsAndLeavesNoFiles) {
    OneLayer();
    ASSERT_TRUE(WriteFile(Path("blocker"), "x"));
    EXPECT_THROW(PackExport(Scene, Dialogs, Log, {Path("blocker/a.VKM"), {}}), EVelkonError);
    EXPECT_EQ(Scene.ProjectFileName, "p.VKP");
    // A layer name the code page cannot hold fails before any file exists.
    Scene.Layers.At(0)->Name = QStringLiteral("名");
    EXPECT_THROW(PackExport(Scene, Dialogs, Log, {Path("b.VKM"), {}}), EVelkonError);
    EXPECT_FALSE(QFile::exists(Path("b.VKO")));
    EXPECT_FALSE(QFile::exists(Path("b.VKM")));
}

TEST(PackPaths, ChangeExtension) {
    EXPECT_EQ(ChangeExtension("/a/b/pack.VKM", ".VKO"), "/a/b/pack.VKO");
    EXPECT_EQ(ChangeExtension("/a/b.c/pack", ".VKM"), "/a/b.c/pack.VKM");
    EXPECT_EQ(ChangeExtension("x.tar.vkm", ".VKP"), "x.tar.VKP");
    EXPECT_EQ(ChangeExtension("C:\\a.b\\p", ".VKO"), "C:\\a.b\\p.VKO");
}
