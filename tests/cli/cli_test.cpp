#include "model/commanddesc.h"
#include "model/scene.h"
#include "model/snd.h"
#include "project/projectfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <functional>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;
using velkon::test::WritePng;

namespace {

struct TRun {
    int Code = -1;
    QString Out;
    QStringList ErrLines;
};

// The tool speaks the language of LANGUAGE, LC_ALL and LANG: every run sets
// them, Hungarian (C.UTF-8) unless a case asks for another locale.
TRun RunCli(const QStringList& args, const QString& workDir = {}, const QString& lang = "C.UTF-8") {
    QProcess p;
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LANGUAGE");
    env.remove("LC_ALL");
    env.remove("LC_MESSAGES");
    env.insert("LANG", lang);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELKON_CLI), args);
    TRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.Out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    r.ErrLines = err.split('\n', Qt::SkipEmptyParts);
    return r;
}

struct TCliTest : ::testing::Test {
    QTemporaryDir Dir;
    QString Path(const QString& name) const { return Dir.filePath(name); }

    // A project folder "proj" with ball.png and one layer; extra lets a case spoil it.
    QString WriteProjectFile(const std::function<void(TScene&)>& extra = {}) {
        QDir().mkpath(Path("proj"));
        EXPECT_TRUE(WritePng(Path("proj/ball.png"), 4, 4, 6));
        TScene scene;
        scene.AddFile(TFilesItem::Create(Path("proj/ball.png")));
        TImagesItem* layer = scene.AddLayer(scene.Files.At(0));
        layer->Name = "Labdá";
        layer->Base.Track[1].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
        if (extra)
            extra(scene);
        WriteProject(scene, Path("proj/p.VKP"));
        return Path("proj/p.VKP");
    }
};

} // namespace

TEST_F(TCliTest, WrongUsageExitsWithTwo) {
    const QStringList cases[] = {{}, {"pack"}, {"pack", "a.VKP"}, {"pack", "a", "b", "c"}, {"check"}, {"frob"},
                                 {"--help", "x"}};
    for (const QStringList& args : cases) {
        const TRun r = RunCli(args, {}, "en_US.UTF-8");
        EXPECT_EQ(r.Code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.ErrLines.join('\n').contains("velkon pack PROJECT.VKP OUT.VKM"));
        const TRun hu = RunCli(args);
        EXPECT_EQ(hu.Code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(hu.ErrLines.join('\n').contains("velkon pack PROJEKT.VKP CÉL.VKM"));
    }
}

TEST_F(TCliTest, HelpDescribesPackAndCheck) {
    const TRun r = RunCli({"--help"}, {}, "en_US.UTF-8");
    EXPECT_EQ(r.Code, 0);
    EXPECT_TRUE(r.Out.contains("velkon pack PROJECT.VKP OUT.VKM"));
    EXPECT_TRUE(r.Out.contains("velkon check PROJECT.VKP"));
    EXPECT_TRUE(r.ErrLines.isEmpty());
}

// The help and the messages follow LANGUAGE, LC_ALL and LANG: English for an
// "en" locale, Hungarian (the source texts) for everything else.
TEST_F(TCliTest, HelpAndCheckSpeakTheLanguageOfTheEnvironment) {
    const QString project = WriteProjectFile([](TScene& scene) {
        auto missing = std::make_unique<TFilesItem>();
        missing->Name = "gone.png";
        missing->Image = std::make_unique<TPicture>();
        scene.AddFile(std::move(missing));
        TImagesItem* layer = scene.Layers.At(0);
        layer->Alpha = 1;
        layer->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    });
    const QString gone = QDir(Path("proj")).absolutePath() + "/gone.png";
    const QStringList english{
        "File not found: " + gone, "The alpha is too low and there is a touch animation: Labdá",
        "Errors occurred while making the VKM; they have been written to the error log."};
    const QStringList hungarian{"Nincs meg a fájl: " + gone, "Túl alacsony az alfa és van érintési animáció: Labdá",
                                "A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek."};
    const struct {
        QStringList unset;
        QStringList set; // NAME=value
        QString help;    // a line only this language's help has
        QStringList check;
    } cases[] = {
        {{}, {"LANG=en_US.UTF-8"}, "  velkon pack PROJECT.VKP OUT.VKM", english},
        {{}, {"LANG=en_GB.UTF-8"}, "  velkon pack PROJECT.VKP OUT.VKM", english},
        {{}, {"LANG=hu_HU.UTF-8"}, "  velkon pack PROJEKT.VKP CÉL.VKM", hungarian},
        {{}, {"LANG=C.UTF-8"}, "  velkon pack PROJEKT.VKP CÉL.VKM", hungarian},
        {{"LANG"}, {}, "  velkon pack PROJEKT.VKP CÉL.VKM", hungarian},
        {{}, {"LC_ALL=en_US.UTF-8", "LANG=hu_HU.UTF-8"}, "  velkon pack PROJECT.VKP OUT.VKM", english},
        {{}, {"LC_ALL=C.UTF-8", "LANG=en_US.UTF-8"}, "  velkon pack PROJEKT.VKP CÉL.VKM", hungarian},
        {{}, {"LANGUAGE=en_US:hu", "LANG=hu_HU.UTF-8"}, "  velkon pack PROJECT.VKP OUT.VKM", english},
        {{}, {"LANGUAGE=hu", "LC_ALL=en_US.UTF-8"}, "  velkon pack PROJEKT.VKP CÉL.VKM", hungarian},
    };
    for (const auto& c : cases) {
        const std::string name = (c.set + c.unset).join(' ').toStdString();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* key : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(key);
        for (const QString& kv : c.set)
            env.insert(kv.section('=', 0, 0), kv.section('=', 1));
        const auto run = [&](const QStringList& args) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(VELKON_CLI), args);
            EXPECT_TRUE(p.waitForFinished(60000)) << name;
            return std::make_pair(
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts));
        };
        const auto [help, helpErr] = run({"--help"});
        EXPECT_TRUE(help.split('\n').contains(c.help)) << name << "\n" << help.toStdString();
        EXPECT_TRUE(helpErr.isEmpty()) << name;
        const auto [out, check] = run({"check", project});
        EXPECT_EQ(check, c.check) << name;
    }
}

TEST_F(TCliTest, PackWritesThePackBesideItsResources) {
    const QString project = WriteProjectFile();
    QDir().mkpath(Path("out"));
    const TRun r = RunCli({"pack", project, "out/pack.VKM"}, Dir.path());
    EXPECT_EQ(r.Code, 0) << r.ErrLines.join('\n').toStdString();
    EXPECT_TRUE(r.ErrLines.isEmpty());
    const QByteArray vkm = ReadFile(Path("out/pack.VKM"));
    EXPECT_TRUE(vkm.startsWith("VKP1.3\r\n1\r\n[Files]\r\n1\r\nball.png\r\n[Images]\r\n1\r\nLabd\xC3\xA1\r\n"));
    EXPECT_TRUE(vkm.endsWith("[B02]\r\n1\r\n6\r\n1\r\n\r\n\r\n"));
    EXPECT_TRUE(QFile::exists(Path("out/pack.VKP")));
    EXPECT_TRUE(QFile::exists(Path("out/ball.png")));
    EXPECT_FALSE(QFile::exists(Path("out/pack.VKO")));
}

TEST_F(TCliTest, PackPrintsEveryLineOldestFirst) {
    const QString project = WriteProjectFile([](TScene& scene) {
        scene.Resolution = 2;
        auto missing = std::make_unique<TFilesItem>();
        missing->Name = "nincs meg.png";
        missing->Image = std::make_unique<TPicture>();
        scene.AddFile(std::move(missing));
        TImagesItem* layer = scene.Layers.At(0);
        layer->Alpha = 1;
        layer->Touch1.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    });
    const TRun r = RunCli({"pack", project, Path("x.VKM")});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.ErrLines, (QStringList{
                              "Nincs meg a fájl: " + QDir(Path("proj")).absolutePath() + "/nincs meg.png",
                              "Retinás felbontás van beállítva!",
                              "Túl alacsony az alfa és van érintési animáció: Labdá",
                              "Hibás fájl név: nincs meg.png",
                              "A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek.",
                          }));
    EXPECT_TRUE(QFile::exists(Path("x.VKM")));
}

TEST_F(TCliTest, PackThatCannotBeWrittenExitsWithOneAndTheReason) {
    const QString project = WriteProjectFile();
    ASSERT_TRUE(WriteFile(Path("blocker"), "x"));
    TRun r = RunCli({"pack", project, Path("blocker/x.VKM")});
    EXPECT_EQ(r.Code, 1);
    ASSERT_FALSE(r.ErrLines.isEmpty());
    EXPECT_TRUE(r.ErrLines.last().contains(Path("blocker/x.VK"))) << r.ErrLines.join('\n').toStdString();

    r = RunCli({"pack", Path("nincs.VKP"), Path("x.VKM")});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.ErrLines.size(), 1);
    EXPECT_TRUE(r.ErrLines.last().contains("nincs.VKP"));
    EXPECT_FALSE(QFile::exists(Path("x.VKM")));
}

TEST_F(TCliTest, CheckWritesNothingAndExitsByWhatItFound) {
    const QString clean = WriteProjectFile();
    const QStringList before = QDir(Path("proj")).entryList(QDir::Files);
    TRun r = RunCli({"check", clean});
    EXPECT_EQ(r.Code, 0);
    EXPECT_TRUE(r.ErrLines.isEmpty()) << r.ErrLines.join('\n').toStdString();
    EXPECT_EQ(QDir(Path("proj")).entryList(QDir::Files), before);

    const QString spoilt = WriteProjectFile([](TScene& scene) {
        TImagesItem* layer = scene.Layers.At(0);
        layer->TouchWidth = static_cast<int>(layer->Width) + 1;
        layer->Touch3.Track[2].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    });
    r = RunCli({"check", spoilt});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.ErrLines, (QStringList{"A touch rect túl nagy: Labdá",
                                       "A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek."}));
    EXPECT_EQ(QDir(Path("proj")).entryList(QDir::Files), before);
}

TEST_F(TCliTest, CheckReportsParametersThatGiveNoNumber) {
    const QString project = WriteProjectFile([](TScene& scene) {
        scene.Layers.At(0)->Base.Track[0].Add(
            std::make_unique<TCommandItem>(cmdMoveTo, "abc", "xyz", "fast"));
    });
    const TRun r = RunCli({"check", project});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(
        r.ErrLines,
        (QStringList{
            "Nem szám és nem paraméter függvény: Labdá, Base 1. parancssor, 1. parancs, MoveTo x = \"abc\"",
            "Nem szám és nem paraméter függvény: Labdá, Base 1. parancssor, 1. parancs, MoveTo y = \"xyz\"",
            "Nem szám és nem paraméter függvény: Labdá, Base 1. parancssor, 1. parancs, MoveTo duration = "
            "\"fast\"",
            "A VKM készítés közben hiba lépett fel, a hibák a hiba naplóba bekerültek."}));
}

TEST_F(TCliTest, CheckOfAnUnreadableProjectExitsWithOne) {
    ASSERT_TRUE(WriteFile(Path("bad.VKP"), "[Project]\r\nBackgroundColor=zzz\r\n"));
    const TRun r = RunCli({"check", Path("bad.VKP")});
    EXPECT_EQ(r.Code, 1);
    ASSERT_EQ(r.ErrLines.size(), 1);
    EXPECT_TRUE(r.ErrLines[0].contains("BackgroundColor=zzz"));
}

TEST_F(TCliTest, PackKeepsTheGivenNameAndRefusesAFolder) {
    const QString project = WriteProjectFile();
    QDir().mkpath(Path("out"));
    TRun r = RunCli({"pack", project, Path("out/out.vkm")});
    EXPECT_EQ(r.Code, 0) << r.ErrLines.join('\n').toStdString();
    QStringList written = QDir(Path("out")).entryList(QDir::Files);
    written.sort();
    EXPECT_EQ(written, (QStringList{"ball.png", "out.VKP", "out.vkm"}));

    for (const QString& out : {Path("out"), Path("out/"), Path("out/..")}) {
        const QStringList before = QDir(Dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        r = RunCli({"pack", project, out});
        EXPECT_EQ(r.Code, 2) << out.toStdString();
        ASSERT_EQ(r.ErrLines.size(), 1) << r.ErrLines.join('\n').toStdString();
        EXPECT_TRUE(r.ErrLines[0].contains(out)) << r.ErrLines[0].toStdString();
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }
}

// A project read only in part (a track of 10,005 commands is cut at 10,000)
// is never packed over its own source: the question gets No, the pack exits
// with 1 and the reason, and the source keeps every command.
TEST_F(TCliTest, PackOfAPartlyReadProjectOverItsSourceExitsWithOneAndWritesNothing) {
    const QString project = WriteProjectFile([](TScene& scene) {
        TCommands& track = scene.Layers.At(0)->Base.Track[0];
        for (int c = 0; c < 10005; ++c)
            track.Add(std::make_unique<TCommandItem>(cmdWait, "1"));
    });
    const QByteArray source = ReadFile(project);
    ASSERT_EQ(source.count("Command=6\r\n"), 10006);
    const TRun r = RunCli({"pack", project, "p.VKM"}, Path("proj"));
    EXPECT_EQ(r.Code, 1) << r.ErrLines.join('\n').toStdString();
    ASSERT_FALSE(r.ErrLines.isEmpty());
    EXPECT_TRUE(r.ErrLines.last().startsWith("A csomag nem készült el, semmi nem íródott ki: a(z) p.VKP"))
        << r.ErrLines.join('\n').toStdString();
    EXPECT_EQ(ReadFile(project), source);
    EXPECT_FALSE(QFile::exists(Path("proj/p.VKM")));
    // Into another folder the part that was read makes a pack of its own.
    QDir().mkpath(Path("out"));
    EXPECT_EQ(RunCli({"pack", project, Path("out/p.VKM")}).Code, 0);
    EXPECT_EQ(ReadFile(project), source);
}

// A resource that is a link out of the project folder is named, nothing is
// written and the pack exits with 1: no copy of what the link leads to.
TEST_F(TCliTest, PackRefusesAResourceLinkedOutOfTheProjectFolder) {
    const QString project = WriteProjectFile([](TScene& scene) {
        auto item = std::make_unique<TFilesItem>();
        item->Name = "a.png";
        item->Image = std::make_unique<TPicture>();
        scene.AddFile(std::move(item));
    });
    ASSERT_TRUE(WriteFile(Path("passwd"), "root:x:0:0\n"));
    ASSERT_TRUE(QFile::link(Path("passwd"), Path("proj/a.png")));
    QDir().mkpath(Path("out"));
    const TRun r = RunCli({"pack", project, Path("out/o.VKM")});
    EXPECT_EQ(r.Code, 1);
    ASSERT_FALSE(r.ErrLines.isEmpty());
    EXPECT_TRUE(r.ErrLines.last().startsWith("A csomag nem készült el")) << r.ErrLines.join('\n').toStdString();
    EXPECT_TRUE(r.ErrLines.last().contains("a.png")) << r.ErrLines.join('\n').toStdString();
    EXPECT_TRUE(QDir(Path("out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}
