#include "support/testsupport.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace velkon::test;

namespace {

struct TResult {
    int Code = -1;
    QString Out, Err;
};

#ifdef VELKON_CLI
TResult Simulate(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VELKON_CLI), QStringList{"simulate"} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
#endif

QByteArray Crlf(const QString& text) {
    QString t = text;
    t.replace("\n", "\r\n");
    return t.toLatin1();
}

QString Layer(int n, const QString& name, const QString& file, int left, int top, int playAnim = 1) {
    return QStringLiteral("[Image%1]\nName=%2\nFileName=%3\nTop=%4\nLeft=%5\nWidth=40\nHeight=20\nAlpha=255\n"
                          "Angle=0\nOrigoX=0\nOrigoY=0\nTouchTop=0\nTouchLeft=0\nTouchWidth=40\nTouchHeight=20\n"
                          "Parent=\nVisible=1\nPlayAnim=%6\nGroup=0\nItemColor=FFFFFF\n")
        .arg(n)
        .arg(name, file)
        .arg(top)
        .arg(left)
        .arg(playAnim);
}

QString Command(int layer, int track, int c, int command, const QString& p1, const QString& p2 = {},
                const QString& p3 = {}) {
    return QStringLiteral("[Image%1_Command%2_%3]\nCommand=%4\nsParam1=%5\nsParam2=%6\nsParam3=%7\nOX=512\nOY=384\n")
        .arg(layer)
        .arg(track)
        .arg(c)
        .arg(command)
        .arg(p1, p2, p3);
}

// Ball moves to (100, 50) in a second; Lamp blinks on touch and plays a sound.
class SimulateCli : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString project;

    void SetUp() override {
#ifndef VELKON_CLI
        GTEST_SKIP() << "the velkon command line is not built";
#endif
        ASSERT_TRUE(WritePng(dir.filePath("ball.png"), 40, 20, 6));
        ASSERT_TRUE(WriteWav(dir.filePath("click.wav"), 1, 22050, 16, QByteArray(200, '\0')));
        const QString text =
            "[Project]\nResolution=1\nBackgroundColor=FFFFFF\nSelectColor=AAAAAA\nLock=1\n"
            "[Files]\nName1=ball.png\nName2=click.wav\n[Groups]\n-------\n" +
            Layer(1, "Ball", "ball.png", 0, 0) + Command(1, 1, 1, 1, "100", "50", "1") +
            Layer(2, "Lamp", "ball.png", 200, 10) + Command(2, 1, 1, 6, "2") + Command(2, 4, 1, 15, "click.wav") +
            Command(2, 4, 2, 9, "Lamp") + Command(2, 4, 3, 6, "0,1") + Command(2, 4, 4, 8, "Lamp") + "[Lines]\n";
        project = dir.filePath("demo.VKP");
        ASSERT_TRUE(WriteFile(project, Crlf(text)));
    }
};

} // namespace

TEST_F(SimulateCli, PrintsLayerStatesAtTheChosenTimes) {
#ifdef VELKON_CLI
    const TResult r = Simulate({project, "--at", "0,250,1000", "--step", "10"});
    EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out,
              "0 Ball x=0.000 y=0.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "0 Lamp x=200.000 y=10.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "250 Ball x=25.000 y=12.500 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "250 Lamp x=200.000 y=10.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "1000 Ball x=100.000 y=50.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n"
              "1000 Lamp x=200.000 y=10.000 w=40.000 h=20.000 a=0.000 f=255.000 v=1 flip=0 file=ball.png\n");
#endif
}

TEST_F(SimulateCli, AutoStopRestoresTheSavedState) {
#ifdef VELKON_CLI
    // Lamp's Wait keeps playback going until 2000; the pass after it stops and resets Ball.
    const TResult r = Simulate({project, "--at", "1990,2010", "--step", "10"});
    EXPECT_EQ(r.Code, 0);
    const QStringList lines = r.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("1990 Ball x=100.000 y=50.000 "));
    EXPECT_TRUE(lines[2].startsWith("2010 Ball x=0.000 y=0.000 "));
#endif
}

TEST_F(SimulateCli, TouchRunsTheTouchAnimationWithEvents) {
#ifdef VELKON_CLI
    const TResult r = Simulate({project, "--at", "500,600,700", "--step", "50", "--touch", "lamp@500", "--events"});
    EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
    const QStringList lines = r.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8) << r.Out.toStdString();
    EXPECT_EQ(lines[0], "500 touch Lamp");
    EXPECT_EQ(lines[1], "500 sfx play click.wav");
    // The click lands at the clock of the pass before (450): the sound plays at 500,
    // Lamp hides at 550, waits until after 550 + 100 and shows again at 650.
    EXPECT_TRUE(lines[3].startsWith("500 Lamp ") && lines[3].contains(" v=1 ")) << lines[3].toStdString();
    EXPECT_TRUE(lines[5].startsWith("600 Lamp ") && lines[5].contains(" v=0 ")) << lines[5].toStdString();
    EXPECT_TRUE(lines[7].startsWith("700 Lamp ") && lines[7].contains(" v=1 ")) << lines[7].toStdString();
#endif
}

TEST_F(SimulateCli, PreviewPlaysOnlyTheNamedLayers) {
#ifdef VELKON_CLI
    const TResult r = Simulate({project, "--at", "1500", "--step", "100", "--preview", "Lamp"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_TRUE(r.Out.startsWith("1500 Ball x=0.000 y=0.000 ")) << r.Out.toStdString();
#endif
}

TEST_F(SimulateCli, ExitCodes) {
#ifdef VELKON_CLI
    EXPECT_EQ(Simulate({project}).Code, 2);
    EXPECT_EQ(Simulate({project, "--at", "5", "--step", "2"}).Code, 2);
    EXPECT_EQ(Simulate({dir.filePath("missing.VKP"), "--at", "5"}).Code, 1);
    // A layer on a file that the project does not list cannot be read.
    const QString broken = dir.filePath("broken.VKP");
    ASSERT_TRUE(WriteFile(broken, Crlf("[Project]\n[Files]\nName1=ball.png\n" + Layer(1, "X", "nothere.png", 0, 0))));
    const TResult r = Simulate({broken, "--at", "5"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_FALSE(r.Err.isEmpty());
#endif
}

TEST(SimulateHostileNumbers, LoopAndAccelerateExtremesPlayWithoutOverflow) {
#ifdef VELKON_CLI
    // A loop count or step and an Accelerate of -2147483648: the sign cannot be
    // turned in 32 bits, so the player clamps instead of overflowing. Under the
    // sanitizers an overflow would abort the program.
    for (const char* file :
         {"project_loop_count_intmin.VKP", "project_loop_step_intmin.VKP", "project_accelerate_intmin.VKP"}) {
        SCOPED_TRACE(file);
        const TResult r =
            Simulate({QStringLiteral(VELKON_TEST_DATA "/") + file, "--at", "0,1000", "--step", "10"});
        EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
        EXPECT_FALSE(r.Err.contains("runtime error")) << r.Err.toStdString();
        EXPECT_EQ(r.Out,
                  "0 L x=0.000 y=0.000 w=0.000 h=0.000 a=0.000 f=255.000 v=1 flip=0 file=star.png\n"
                  "1000 L x=0.000 y=0.000 w=0.000 h=0.000 a=0.000 f=255.000 v=1 flip=0 file=star.png\n");
    }
#endif
}
