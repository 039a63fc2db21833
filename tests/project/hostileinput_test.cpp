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

#include <malloc.h>
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

// CPU seconds this process has used so far. The time bombs below took minutes
// (2 min 24 s and 2 min 23 s); a bound far above what a sound read takes
// tells a return of the bomb from a slow machine.
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

constexpr double kBombSeconds = 20;

// 5,616 layers all named "" on a file named "", in a 99,996-byte file: every
// duplicate gets the next free number, found without searching from 1 again
// (each layer's search from 1 through the whole list made reading cubic).
TEST(HostileProject, ThousandsOfLayersOfOneNameReadInLinearTime) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray text = "[Files]\nName1=\n";
    for (int n = 1; n <= 5616; ++n)
        text += "[Image" + QByteArray::number(n) + "]\nName=\n";
    ASSERT_EQ(text.size(), 99996);
    const QString path = dir.path() + QStringLiteral("/same.VKP");
    ASSERT_TRUE(WriteFile(path, text));
    TScene scene;
    TErrorLog log;
    const double start = CpuSeconds();
    ASSERT_NO_THROW(ReadProject(scene, path, log));
    EXPECT_LT(CpuSeconds() - start, kBombSeconds);
    ASSERT_EQ(scene.Layers.Count(), 5616);
    EXPECT_EQ(scene.Layers.Name(0), QString());
    for (int i = 1; i < 5616; ++i)
        ASSERT_EQ(scene.Layers.Name(i), QString::number(i));
    EXPECT_EQ(log.Count(), 5616); // the file name, then each renamed layer
    // Names made later start from what is taken.
    EXPECT_EQ(scene.UniqueLayerName(QString()), QStringLiteral("5616"));
}

// Names already taken in the middle of a numbered run are stepped over, in
// any case of letters, and each base keeps its own count.
TEST(HostileProject, DuplicateNamesTakeTheFirstFreeNumberOfTheirBase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray text = "[Files]\r\nName1=a.png\r\nName2=b (2).png\r\n"
                            "[Image1]\r\nName=x\r\nFileName=a.png\r\n"
                            "[Image2]\r\nName=A2\r\nFileName=a.png\r\n"
                            "[Image3]\r\nName=X\r\nFileName=a.png\r\n"  // -> a
                            "[Image4]\r\nName=x\r\nFileName=a.png\r\n"  // -> a1
                            "[Image5]\r\nName=x\r\nFileName=b (2).png\r\n" // -> b
                            "[Image6]\r\nName=x\r\nFileName=a.png\r\n"  // -> a3 (A2 is taken)
                            "[Image7]\r\nName=a4\r\nFileName=a.png\r\n"
                            "[Image8]\r\nName=x\r\nFileName=a.png\r\n"; // -> a5
    const QString path = dir.path() + QStringLiteral("/names.VKP");
    ASSERT_TRUE(WriteFile(path, text));
    TScene scene;
    TErrorLog log;
    ASSERT_NO_THROW(ReadProject(scene, path, log));
    QStringList names;
    for (int i = 0; i < scene.Layers.Count(); ++i)
        names << scene.Layers.Name(i);
    EXPECT_EQ(names, (QStringList{"x", "A2", "a", "a1", "b", "a3", "a4", "a5"}));
}

// A project just over 16 MiB of blank lines is read in blocks, not line by
// line through a buffer of a megabyte each (2 min 23 s before).
TEST(HostileProject, SixteenMegabytesOfBlankLinesReadAtOnce) {
    QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                          ? QStringLiteral("/dev/shm/velkon-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/velkon-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    QByteArray text = "[Files]\r\nName1=a.png\r\n[Image1]\r\nName=L\r\nFileName=a.png\r\n";
    text += QByteArray(16 * 1024 * 1024 + 2, '\n');
    text += "[Lines]\r\nPos1=V5\r\n";
    const QString path = dir.path() + QStringLiteral("/blank.VKP");
    ASSERT_TRUE(WriteFile(path, text));
    TScene scene;
    TErrorLog log;
    // Blocks of a megabyte are mapped and unmapped one by one, as by a
    // sanitizer's allocator or glibc's before it raises its threshold: a
    // megabyte's buffer per line then costs a system call pair a line.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    const double start = CpuSeconds();
    ASSERT_NO_THROW(ReadProject(scene, path, log));
    EXPECT_LT(CpuSeconds() - start, kBombSeconds);
    EXPECT_EQ(scene.Layers.Count(), 1);
    EXPECT_EQ(scene.Lines, QStringList{QStringLiteral("V5=5")});
}

// A FIFO in the project's own place is refused at once, never waited on: by
// the reader and by the import.
TEST(HostileProject, AFifoInTheProjectsPlaceIsRefusedWithoutWaiting) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/fifo.VKP");
    velkon::test::TFifo fifo(path);
    ASSERT_TRUE(fifo.Made);
    TScene scene;
    TErrorLog log;
    try {
        ReadProject(scene, path, log);
        ADD_FAILURE() << "read";
    } catch (const EVelkonError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Nem sikerült megnyitni a projekt fájlt: ") + path +
                                   QStringLiteral(" (nem közönséges fájl (FIFO vagy eszköz))"));
    }
    EXPECT_THROW(ReadProjectFile(path), EVelkonError);
    EXPECT_EQ(fifo.Waited, 0) << "a read waited on the FIFO";
}

} // namespace
