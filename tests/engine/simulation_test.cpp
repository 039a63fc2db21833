#include "support/speaking.h"
#include "support/testsupport.h"

#include "engine/simulation.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/snd.h"
#include "model/velkonerror.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(SimulationArgs, ReadsEveryOption) {
    TSimulationOptions o;
    const QStringList args{"p.VKP", "--at", "30,0,10,30", "--step", "10", "--seed", "7", "--timescale", "3",
                           "--touch", "Ball@20", "--touch", "a@b@0", "--preview", "Ball,Box", "--no-autostop",
                           "--events"};
    ASSERT_EQ(TSimulation::ParseArgs(args, o), "");
    EXPECT_EQ(o.ProjectPath, "p.VKP");
    EXPECT_EQ(o.At, (QList<int32_t>{0, 10, 30}));
    EXPECT_EQ(o.Step, 10);
    EXPECT_EQ(o.Seed, 7u);
    EXPECT_EQ(o.TimeScale, 3);
    ASSERT_EQ(o.Touches.size(), 2);
    EXPECT_EQ(o.Touches[0].first, "Ball");
    EXPECT_EQ(o.Touches[0].second, 20);
    EXPECT_EQ(o.Touches[1].first, "a@b");
    EXPECT_EQ(o.Preview, (QStringList{"Ball", "Box"}));
    EXPECT_FALSE(o.AutoStop);
    EXPECT_TRUE(o.Events);
}

TEST(SimulationArgs, DefaultsAndWrongUsage) {
    TSimulationOptions o;
    ASSERT_EQ(TSimulation::ParseArgs({"p.VKP", "--at", "5"}, o), "");
    EXPECT_EQ(o.Step, 1);
    EXPECT_EQ(o.Seed, 1u);
    EXPECT_EQ(o.TimeScale, 1);
    EXPECT_TRUE(o.AutoStop);
    EXPECT_FALSE(o.Events);
    const QStringList bad[] = {
        {},
        {"p.VKP"},
        {"--at", "1"},
        {"p.VKP", "--at"},
        {"p.VKP", "--at", "1,x"},
        {"p.VKP", "--at", "-5"},
        {"p.VKP", "--at", "15", "--step", "10"},
        {"p.VKP", "--at", "10", "--step", "0"},
        {"p.VKP", "--at", "10", "--timescale", "0"},
        {"p.VKP", "--at", "10", "--touch", "Ball"},
        {"p.VKP", "--at", "10", "--touch", "Ball@x"},
        {"p.VKP", "--at", "10", "--bogus"},
        {"p.VKP", "q.VKP", "--at", "10"},
    };
    for (const QStringList& args : bad) {
        TSimulationOptions x;
        EXPECT_NE(TSimulation::ParseArgs(args, x), "") << args.join(' ').toStdString();
    }
}

namespace {

void Add(TCommands& t, int command, const QString& p1 = {}, const QString& p2 = {}, const QString& p3 = {}) {
    t.Add(CommandName(command), std::make_unique<TCommandItem>(command, p1, p2, p3));
}

TImagesItem* AddLayer(TScene& scene, const QString& name, TFilesItem* file = nullptr) {
    auto layer = std::make_unique<TImagesItem>(file);
    layer->Name = name;
    layer->Width = 40;
    layer->Height = 20;
    return scene.Layers.Add(name, std::move(layer));
}

// A small scene: Ball moves right for a second; Box fades and has a touch animation.
void BuildScene(TScene& scene, const QString&, TErrorLog& log) {
    auto file = std::make_unique<TFilesItem>();
    file->Name = "ball.png";
    TFilesItem* png = scene.AddFile(std::move(file));
    auto wav = std::make_unique<TFilesItem>();
    wav->Name = "pop.wav";
    wav->Kind = TFilesItem::kindSound;
    wav->Sound = std::make_unique<TSnd>("pop.wav", "pop.wav");
    scene.AddFile(std::move(wav));
    TImagesItem* ball = AddLayer(scene, "Ball", png);
    Add(ball->Base.Track[0], cmdMoveTo, "100", "50", "1");
    TImagesItem* box = AddLayer(scene, "Box");
    box->Left = 10;
    Add(box->Base.Track[0], cmdFadeTo, "0", "0,5");
    Add(box->Touch1.Track[0], cmdPlaySfx, "pop.wav");
    Add(box->Touch1.Track[0], cmdRotate, "90", "0,2");
    log.Add("Nincs meg a fájl: x.png");
}

struct TRun {
    int Code = -1;
    QString Out, Err;
};

class SimulationTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString project;
    void SetUp() override {
        project = dir.filePath("scene.VKP");
        velkon::test::WriteFile(project, "[Project]\r\n");
    }
    TRun Run(QStringList args, const TSimulation::TLoader& loader = BuildScene) {
        TRun r;
        QTextStream out(&r.Out), err(&r.Err);
        args.prepend(project);
        r.Code = TSimulation::Main(args, loader, out, err);
        return r;
    }
};

} // namespace

TEST_F(SimulationTest, PrintsEveryLayerAtTheChosenTimes) {
    const TRun r = Run({"--at", "0,500,250"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out,
              "0 Ball x=0.000 y=0.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "0 Box x=10.000 y=0.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=\n"
              "250 Ball x=25.000 y=12.500 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "250 Box x=10.000 y=0.000 w=40.000 h=20.000 a=0.000 f=127.500 v=1 flip=0 file=\n"
              "500 Ball x=50.000 y=25.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "500 Box x=10.000 y=0.000 w=40.000 h=20.000 a=0.000 f=0.000 v=1 flip=0 file=\n");
    EXPECT_EQ(r.Err, "betöltés: Nincs meg a fájl: x.png\n");
    // In English the lines are as they always were.
    const velkon::test::TSpeaking english(TLanguage::English);
    ASSERT_TRUE(english.Installed);
    const TRun en = Run({"--at", "0,500,250"});
    EXPECT_EQ(en.Out, r.Out);
    EXPECT_EQ(en.Err, "load: Nincs meg a fájl: x.png\n");
}

TEST_F(SimulationTest, AutoStopReturnsLayersToTheirSavedState) {
    const TRun stopped = Run({"--at", "999,1000", "--step", "1"});
    QStringList lines = stopped.Out.split('\n');
    EXPECT_TRUE(lines[0].startsWith("999 Ball x=99.900 ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith("1000 Ball x=0.000 y=0.000 ")) << lines[2].toStdString();
    const TRun kept = Run({"--at", "1000", "--no-autostop"});
    EXPECT_TRUE(kept.Out.startsWith("1000 Ball x=100.000 y=50.000 ")) << kept.Out.toStdString();
}

TEST_F(SimulationTest, TouchesAndEvents) {
    const TRun r = Run({"--at", "600", "--step", "100", "--touch", "box@300", "--events"});
    EXPECT_EQ(r.Code, 0);
    QStringList lines = r.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "300 touch Box");
    EXPECT_EQ(lines[1], "300 sfx play pop.wav");
    // The click came before the pass at 300, at the clock of the pass before (200):
    // Touch1 turns Box by 300, ends at 400, and Base fades again from the alpha it
    // had at 200 (153), so at 600 it is at 153 * (1 - 200 / 500).
    EXPECT_TRUE(lines[3].startsWith("600 Box x=10.000 y=0.000 w=40.000 h=20.000 a=90.000 f=91.800 "))
        << lines[3].toStdString();
}

TEST_F(SimulationTest, PreviewPlaysOnlyTheNamedLayers) {
    const TRun r = Run({"--at", "500", "--preview", "ball"});
    QStringList lines = r.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("500 Ball x=50.000 "));
    EXPECT_TRUE(lines[1].contains(" f=255.000 "));
}

TEST_F(SimulationTest, TimeScaleStretchesThePlay) {
    const TRun r = Run({"--at", "1000", "--timescale", "2"});
    EXPECT_TRUE(r.Out.startsWith("1000 Ball x=50.000 y=25.000 ")) << r.Out.toStdString();
}

TEST_F(SimulationTest, SeedRepeatsRandomPlays) {
    const auto loader = [](TScene& scene, const QString&, TErrorLog&) {
        TImagesItem* a = AddLayer(scene, "A");
        for (int i = 0; i < 5; ++i)
            Add(a->Base.Track[0], cmdMoveTo, "RandomI(0;1000)", "Random(0;1000)", "0");
        Add(a->Base.Track[0], cmdWait, "1");
    };
    const TRun a = Run({"--at", "10", "--seed", "5"}, loader);
    const TRun b = Run({"--at", "10", "--seed", "5"}, loader);
    const TRun c = Run({"--at", "10", "--seed", "6"}, loader);
    EXPECT_EQ(a.Out, b.Out);
    EXPECT_NE(a.Out, c.Out);
}

TEST_F(SimulationTest, PlayerErrorsGoToStandardErrorWithTheTime) {
    const auto loader = [](TScene& scene, const QString&, TErrorLog&) {
        TImagesItem* a = AddLayer(scene, "A");
        Add(a->Base.Track[0], cmdWait, "0,002");
        Add(a->Base.Track[0], cmdMoveTo, "Left(Ghost;0)", "0", "1");
    };
    const struct {
        TLanguage language;
        const char* start;
    } cases[] = {{TLanguage::Hungarian, "3 hiba: Ismeretlen réteg \"Ghost\" a paraméterben: "},
                 {TLanguage::English, "3 error: Unknown layer \"Ghost\" in the parameter: "}};
    for (const auto& c : cases) {
        const velkon::test::TSpeaking speaking(c.language);
        const TRun r = Run({"--at", "5"}, loader);
        EXPECT_EQ(r.Code, 0);
        EXPECT_TRUE(r.Err.startsWith(QString::fromUtf8(c.start))) << r.Err.toStdString();
        EXPECT_TRUE(r.Err.contains("Left(Ghost;0)"));
        EXPECT_TRUE(r.Out.startsWith("5 A x=0.000 "));
    }
}

TEST_F(SimulationTest, ExitCodes) {
    EXPECT_EQ(Run({"--at"}).Code, 2);
    EXPECT_EQ(Run({"--at", "5", "--preview", "Nobody"}).Code, 2);
    EXPECT_EQ(Run({"--at", "5", "--touch", "Nobody@1"}).Code, 2);
    const TRun failed = Run({"--at", "5"}, [](TScene&, const QString&, TErrorLog& log) {
        log.Add("first");
        throw EVelkonError("broken layer");
    });
    EXPECT_EQ(failed.Code, 1);
    EXPECT_TRUE(failed.Err.contains("broken layer"));
    EXPECT_TRUE(failed.Out.isEmpty());
    TRun missing;
    QTextStream out(&missing.Out), err(&missing.Err);
    EXPECT_EQ(TSimulation::Main({dir.filePath("none.VKP"), "--at", "1"}, BuildScene, out, err), 1);
}
