// Memory and time bombs in project files: each is read (or refused with its
// message) at once, without the memory a bomb asks for.
#include "engine/clock.h"
#include "engine/player.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/windows1250.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>

using namespace velkon;
using velkon::test::WriteFile;

namespace {

// The process's peak resident memory so far, in bytes. The peak only grows, so
// a difference taken around a step bounds what that step added above the
// earlier peak: a bomb that takes gigabytes shows however high the peak was.
long long PeakRss() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

constexpr long long kMB = 1024 * 1024;

TEST(HostileProject, HugeDeclaredNumbersReadAndPlayWithoutTheirMemory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/huge.VKP");
    ASSERT_TRUE(WriteFile(
        path, "[Project]\r\nResolution=2147483647\r\n"
              "[Files]\r\nName1=nincs.png\r\n"
              "[Groups]\r\nName1=G\r\n"
              "[Image1]\r\nName=L\r\nFileName=nincs.png\r\nTop=2147483647\r\nLeft=-2147483648\r\n"
              "Width=2147483647\r\nHeight=2147483647\r\nTouchWidth=2147483647\r\nGroup=2147483647\r\n"
              "PlayAnim=-1\r\n"
              // A loop of two billion rounds on itself, a wait of 1e300
              // seconds and a resize to two billion pixels.
              "[Image1_Command1_1]\r\nCommand=16\r\nsParam1=2147483647\r\nsParam2=0\r\n"
              "[Image1_Command1_2]\r\nCommand=6\r\nsParam1=0\r\n"
              "[Image1_Command2_1]\r\nCommand=6\r\nsParam1=1e300\r\n"
              "[Image1_Command3_1]\r\nCommand=3\r\nsParam1=2147483647\r\nsParam2=2147483647\r\n"
              "sParam3=0,001\r\n"
              "[Lines]\r\nPos1=V2147483647=2147483647\r\n"));
    const long long peak = PeakRss();
    TScene scene;
    TErrorLog log;
    ASSERT_NO_THROW(ReadProject(scene, path, log));
    EXPECT_EQ(scene.Resolution, 1);
    ASSERT_EQ(scene.Layers.Count(), 1);
    TImagesItem& layer = *scene.Layers.At(0);
    EXPECT_EQ(layer.Width, 2147483647.0);
    EXPECT_EQ(layer.Group, 2147483647);
    EXPECT_TRUE(ProjectText(scene).contains(QStringLiteral("Group=2147483647\r\n")));

    TManualClock clock;
    TPlayer player(scene, clock);
    QStringList errors;
    player.OnError = [&](const QString& m) { errors << m; };
    scene.SaveAll();
    player.ReadClock();
    for (TCommands& track : layer.Base.Track)
        player.StartTrack(layer, track);
    for (int ms = 0; ms <= 2000; ms += 20) {
        clock.Set(ms);
        player.Tick();
    }
    EXPECT_TRUE(layer.Base.Track[1].Running()); // the wait of 1e300 seconds still waits
    EXPECT_EQ(layer.Width, 2147483647.0);
    EXPECT_EQ(layer.Height, 2147483647.0);
    EXPECT_LT(PeakRss() - peak, 64 * kMB);
}

// One line of 100 MB: as a line of no key it is passed over and the rest of
// the file reads; as a colour it is refused with a message that quotes the
// start of it, not all of it.
TEST(HostileProject, HundredMegabyteLineIsRefusedWithAShortMessage) {
    // In memory when it can be: 100 MB on a slow disk take longer than the read.
    QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                          ? QStringLiteral("/dev/shm/velkon-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/velkon-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const QByteArray line(100 * 1000 * 1000, 'F');
    const QByteArray rest = "\r\n[Files]\r\nName1=a.png\r\n[Image1]\r\nName=L\r\nFileName=a.png\r\n";
    const struct {
        const char* Name;
        QByteArray Text;
    } cases[] = {
        {"no key", "[Project]\r\n" + line + rest},
        {"colour", "[Project]\r\nBackgroundColor=" + line + rest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = dir.path() + QStringLiteral("/line.VKP");
        ASSERT_TRUE(WriteFile(path, c.Text));
        TScene scene;
        scene.AddLayer(nullptr)->Name = QStringLiteral("régi");
        TErrorLog log;
        const long long peak = PeakRss();
        try {
            ReadProject(scene, path, log);
            ADD_FAILURE() << "read without a word";
        } catch (const EVelkonError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("A projekt fájl 2. sora túl hosszú (több mint 1048576 bájt): ") + path);
        }
        // The refused file leaves the scene as it was and never costs its size.
        EXPECT_EQ(scene.Layers.Count(), 1);
        EXPECT_LT(PeakRss() - peak, 64 * kMB);
        QFile::remove(path);
    }
}

} // namespace
