// Packs and saves under hostile conditions: a project read only in part, user
// files beside the outputs, links out of the project folder, FIFOs, devices and
// huge files in a resource's place, and a disk that fills up half-way.
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/packexport.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;
using velkon::test::TFifo;
using velkon::test::WritePng;

namespace {

long long PeakRss() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

constexpr long long kMB = 1024 * 1024;

struct THostilePackTest : ::testing::Test {
    QTemporaryDir Dir;
    TScene Scene;
    TScriptedDialogs Dialogs;
    TErrorLog Log;
    QString Path(const QString& name) const { return Dir.filePath(name); }

    // proj/p.VKP: eight layers on a.png, each with a Wait in its first track.
    void WriteEightLayers() {
        QDir().mkpath(Path("proj"));
        ASSERT_TRUE(WritePng(Path("proj/a.png"), 4, 4, 6));
        TScene scene;
        scene.AddFile(TFilesItem::Create(Path("proj/a.png")));
        for (int i = 0; i < 8; ++i)
            scene.AddLayer(scene.Files.At(0))->Base.Track[0].Add(std::make_unique<TCommandItem>(cmdWait, "1"));
        WriteProject(scene, Path("proj/p.VKP"));
    }
    // Packs and returns the error text, empty when it succeeded.
    QString Pack(const QString& out) {
        try {
            PackExport(Scene, Dialogs, Log, {out, {}});
            return {};
        } catch (const EVelkonError& e) {
            return e.Message();
        }
    }
    QStringList Files(const QString& dir) const {
        QStringList all = QDir(Path(dir)).entryList(QDir::Files | QDir::Hidden | QDir::System);
        all.sort();
        return all;
    }
};

} // namespace

// A project whose read stopped part-way (a colour that is no colour in the
// third layer; a track of 10,005 commands cut at 10,000) never replaces its
// own source through the pack's .VKP unasked: No writes nothing at all, Yes
// writes the part that was read. A pack into another folder is a new file
// and asks nothing.
TEST_F(THostilePackTest, APartlyReadProjectIsNotPackedOverItsSourceUnasked) {
    const struct {
        const char* Why;
        bool ReadThrows;
        int LayersRead;
    } spoilers[] = {
        {"ItemColor=ZZZZZZ in the third layer", true, 2},
        {"10,005 commands in one track", false, 8},
    };
    for (const auto& spoiler : spoilers) {
        for (const bool yes : {false, true}) {
            SCOPED_TRACE(std::string(spoiler.Why) + (yes ? ", Yes" : ", No"));
            WriteEightLayers();
            QByteArray source = ReadFile(Path("proj/p.VKP"));
            if (spoiler.ReadThrows) {
                const qsizetype third = source.indexOf("[Image3]");
                const qsizetype colour = source.indexOf("ItemColor=FFFFFF", third);
                ASSERT_GT(colour, third);
                source.replace(colour, 16, "ItemColor=ZZZZZZ");
            } else {
                QByteArray more;
                for (int c = 2; c <= 10005; ++c)
                    more += "[Image1_Command1_" + QByteArray::number(c) + "]\r\nCommand=6\r\nsParam1=1\r\n";
                source.insert(source.indexOf("[Image2]"), more);
            }
            ASSERT_TRUE(WriteFile(Path("proj/p.VKP"), source));
            TScene scene;
            TErrorLog log;
            if (spoiler.ReadThrows)
                EXPECT_THROW(ReadProject(scene, Path("proj/p.VKP"), log), EVelkonError);
            else
                ASSERT_NO_THROW(ReadProject(scene, Path("proj/p.VKP"), log));
            ASSERT_EQ(scene.Layers.Count(), spoiler.LayersRead);
            ASSERT_FALSE(scene.Incomplete.isEmpty());

            const QString question = IncompleteOverwriteQuestion(scene);
            TScriptedDialogs dialogs;
            dialogs.YesNoAnswers.push_back(yes);
            QString error;
            try {
                PackExport(scene, dialogs, log, {Path("proj/p.VKM"), {}});
            } catch (const EVelkonError& e) {
                error = e.Message();
            }
            ASSERT_EQ(dialogs.Asked.size(), 1);
            EXPECT_EQ(dialogs.Asked[0], "yesno:Csomagolás|" + question);
            if (yes) {
                EXPECT_TRUE(error.isEmpty()) << error.toStdString();
                EXPECT_NE(ReadFile(Path("proj/p.VKP")), source);
                EXPECT_TRUE(scene.Incomplete.isEmpty()); // the file now holds exactly the scene
            } else {
                EXPECT_TRUE(error.startsWith("A csomag nem készült el, semmi nem íródott ki")) << error.toStdString();
                EXPECT_EQ(ReadFile(Path("proj/p.VKP")), source);
                EXPECT_FALSE(QFile::exists(Path("proj/p.VKM")));
                EXPECT_FALSE(scene.Incomplete.isEmpty());
                EXPECT_EQ(scene.ProjectFileName, "p.VKP");
            }

            // Into another folder: nothing to lose there, nothing asked.
            TScriptedDialogs elsewhere;
            QDir().mkpath(Path("out"));
            EXPECT_NO_THROW(PackExport(scene, elsewhere, log, {Path("out/p.VKM"), {}}));
            EXPECT_TRUE(elsewhere.Asked.isEmpty()) << elsewhere.Asked.join("; ").toStdString();
            QDir(Path("proj")).removeRecursively();
            QDir(Path("out")).removeRecursively();
        }
    }
}

// Files of the user's beside a save or a pack stay, whatever they are named;
// only the editor's own temporaries of ended writes go.
TEST_F(THostilePackTest, SaveAndPackLeaveTheUsersFilesAlone) {
    QDir().mkpath(Path("proj"));
    QDir().mkpath(Path("out"));
    ASSERT_TRUE(WritePng(Path("proj/a.png"), 4, 4, 6));
    Scene.AddLayer(Scene.AddFile(TFilesItem::Create(Path("proj/a.png"))));
    const QStringList users = {"out.VKM.backup", "out.VKP.keepme", "demo.VKP.bak123", "out.VKP.Qw12Er",
                               "out.VKM.aaaaaa", "p.VKP.zzzzzz"};
    for (const char* folder : {"proj", "out"})
        for (const QString& name : users)
            ASSERT_TRUE(WriteFile(Path(QString(folder) + "/" + name), "mine"));
    WriteProject(Scene, Path("proj/p.VKP"));
    EXPECT_EQ(Pack(Path("out/out.VKM")), QString());
    WriteProject(Scene, Path("proj/p.VKP"));
    EXPECT_EQ(Pack(Path("out/out.VKM")), QString());
    for (const char* folder : {"proj", "out"})
        for (const QString& name : users) {
            SCOPED_TRACE((QString(folder) + "/" + name).toStdString());
            EXPECT_EQ(ReadFile(Path(QString(folder) + "/" + name)), QByteArray("mine"));
        }
}

// A link that leads out of the project folder is neither read nor packed (the
// pack names it and writes nothing); a link to a file in the folder, or below
// it, is an ordinary resource.
TEST_F(THostilePackTest, LinksOutOfTheProjectFolderAreRefusedByNameAndLinksInsideStay) {
    const QByteArray secret = "root:x:0:0:root:/root:/bin/bash\n";
    ASSERT_TRUE(WriteFile(Path("passwd"), secret));
    ASSERT_TRUE(WritePng(Path("outside.png"), 4, 4, 6));
    const struct {
        const char* Why;
        QString Target; // relative to the project folder
        bool Refused;
    } cases[] = {
        {"a link to a text file outside", "../passwd", true},
        {"a link to a picture outside", "../outside.png", true},
        {"an absolute link to a picture outside", Path("outside.png"), true},
        {"a link to a picture in the folder", "real.png", false},
        {"a link to a picture below the folder", "sub/real.png", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        QDir().mkpath(Path("proj/sub"));
        QDir().mkpath(Path("out"));
        ASSERT_TRUE(WritePng(Path("proj/real.png"), 4, 4, 6));
        ASSERT_TRUE(WritePng(Path("proj/sub/real.png"), 4, 4, 6));
        ASSERT_TRUE(QFile::link(c.Target, Path("proj/a.png")));
        {
            TScene scene;
            scene.AddLayer(scene.AddFile(TFilesItem::Create(Path("proj/real.png"))));
            scene.Files.At(0)->Name = "a.png";
            scene.Files.Rename(0, "a.png");
            WriteProject(scene, Path("proj/p.VKP"));
        }
        TScene scene;
        TErrorLog log;
        ReadProject(scene, Path("proj/p.VKP"), log);
        const TPicture& picture = *scene.Files.At(0)->Image;
        TScriptedDialogs dialogs;
        QString error;
        try {
            PackExport(scene, dialogs, log, {Path("out/o.VKM"), {}});
        } catch (const EVelkonError& e) {
            error = e.Message();
        }
        if (c.Refused) {
            EXPECT_TRUE(picture.IsEmpty());
            EXPECT_TRUE(log.Lines().join("\n").contains("a link a mappáján kívülre mutat")) << log.Lines().join("\n").toStdString();
            EXPECT_TRUE(error.contains("a.png")) << error.toStdString();
            EXPECT_TRUE(error.startsWith("A csomag nem készült el")) << error.toStdString();
            EXPECT_TRUE(QDir(Path("out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
        } else {
            EXPECT_EQ(picture.Status, TPicture::stLoaded);
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
            EXPECT_EQ(ReadFile(Path("out/a.png")), ReadFile(Path("proj/real.png")));
            EXPECT_FALSE(QFileInfo(Path("out/a.png")).isSymLink());
        }
        EXPECT_EQ(ReadFile(Path("passwd")), secret);
        QDir(Path("proj")).removeRecursively();
        QDir(Path("out")).removeRecursively();
    }
}

// What stands in a resource's place is read only when it is a regular file of
// at most MaxResourceFileBytes: a FIFO never holds the read or the pack up,
// a device is never read, a huge sparse file never costs its size. The read
// says why of each, and the pack refuses them by name before writing anything.
TEST_F(THostilePackTest, FifosDevicesAndHugeFilesInAResourcesPlaceAreRefusedUnread) {
    struct TCase {
        const char* Why;
        QString Name;
        std::function<bool(const QString&)> Make;
        QString Reason;
    };
    const TCase cases[] = {
        // No maker: a FIFO, watched for a read that waits on it.
        {"a FIFO as a picture", "f.png", nullptr, "nem közönséges fájl"},
        {"a FIFO as a sound", "f.wav", nullptr, "nem közönséges fájl"},
        {"a FIFO as a particle file", "f.PAR", nullptr, "nem közönséges fájl"},
        {"a link to /dev/zero as a picture", "z.png",
         [](const QString& p) { return QFile::link("/dev/zero", p); }, "kívülre mutat"},
        {"a link to /dev/zero as a sound", "z.wav", [](const QString& p) { return QFile::link("/dev/zero", p); },
         "kívülre mutat"},
        {"a folder as a picture", "d.png", [](const QString& p) { return QDir().mkpath(p); }, "mappa"},
        {"a 300 MB sparse picture", "big.png",
         [](const QString& p) {
             QFile f(p);
             return f.open(QIODevice::WriteOnly) && f.resize(300 * kMB);
         },
         "legfeljebb 256 MB"},
        {"a 300 MB sparse sound", "big.wav",
         [](const QString& p) {
             QFile f(p);
             return f.open(QIODevice::WriteOnly) && f.write(QByteArray("RIFF\0\0\0\0WAVEfmt ", 16)) == 16 &&
                    f.resize(300 * kMB);
         },
         "legfeljebb 256 MB"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Why);
        QDir().mkpath(Path("proj"));
        QDir().mkpath(Path("out"));
        const QString path = Path("proj/" + c.Name);
        // The project lists the file by name only; what stands there is made afterwards.
        ASSERT_TRUE(WriteFile(Path("proj/p.VKP"), "[Files]\r\nName1=" + c.Name.toUtf8() + "\r\n"));
        std::unique_ptr<TFifo> fifo;
        if (!c.Make) {
            fifo = std::make_unique<TFifo>(path);
            ASSERT_TRUE(fifo->Made);
        } else {
            ASSERT_TRUE(c.Make(path));
        }
        TScene scene;
        TErrorLog log;
        const long long peak = PeakRss();
        ASSERT_NO_THROW(ReadProject(scene, Path("proj/p.VKP"), log));
        EXPECT_LT(PeakRss() - peak, 64 * kMB);
        if (c.Name.endsWith(".PAR")) {
            EXPECT_EQ(log.Count(), 0); // particle files are only listed, never read
        } else {
            EXPECT_TRUE(log.Lines().join("\n").contains(c.Reason)) << log.Lines().join("\n").toStdString();
            EXPECT_TRUE(log.Lines().join("\n").contains(path)) << log.Lines().join("\n").toStdString();
        }

        TScriptedDialogs dialogs;
        QString error;
        try {
            PackExport(scene, dialogs, log, {Path("out/o.VKM"), {}});
        } catch (const EVelkonError& e) {
            error = e.Message();
        }
        EXPECT_LT(PeakRss() - peak, 64 * kMB);
        EXPECT_TRUE(error.startsWith("A csomag nem készült el")) << error.toStdString();
        EXPECT_TRUE(error.contains("A fájl nem csomagolható: " + c.Name + " (")) << error.toStdString();
        EXPECT_TRUE(QDir(Path("out")).entryList(QDir::Files | QDir::Hidden).isEmpty());
        if (fifo) {
            EXPECT_EQ(fifo->Waited, 0) << "a read waited on the FIFO";
            fifo.reset();
        }
        QDir(Path("proj")).removeRecursively();
        QDir(Path("out")).removeRecursively();
    }
}

// A pack onto a disk that fills up after the .VKM and the first resource:
// the error names every file that was not written (the other resources and
// the .VKP) and says what the folder holds; each of those keeps its old
// version, and the project stays the one it was.
TEST_F(THostilePackTest, AFullDiskPackNamesEveryFileNotWrittenAndTheFoldersState) {
    QDir().mkpath(Path("proj"));
    QDir().mkpath(Path("out"));
    ASSERT_TRUE(WritePng(Path("proj/a.png"), 4, 4, 6));
    Scene.AddLayer(Scene.AddFile(TFilesItem::Create(Path("proj/a.png"))));
    // Particle files are copied as they are: 20 KB of bytes each.
    for (const char* name : {"b.PAR", "c.PAR", "d.PAR"}) {
        ASSERT_TRUE(WriteFile(Path(QString("proj/") + name), QByteArray(20 * 1024, name[0])));
        Scene.AddFile(TFilesItem::Create(Path(QString("proj/") + name)));
    }
    WriteProject(Scene, Path("proj/p.VKP"));
    const QByteArray mountPoint = QFile::encodeName(Path("out"));
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=32k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (not root, or no permission)";
    // An earlier pack's .VKP is there and must stay whole.
    ASSERT_TRUE(WriteFile(Path("out/o.VKP"), "earlier"));
    const QString error = Pack(Path("out/o.VKM"));
    const QStringList files = Files("out");
    const QByteArray vkp = ReadFile(Path("out/o.VKP"));
    ::umount(mountPoint.constData());

    EXPECT_TRUE(error.startsWith("A csomag hiányos: a(z) o.VKM elkészült, de")) << error.toStdString();
    EXPECT_TRUE(error.contains("a felsoroltak helyén a korábbi változatuk maradt")) << error.toStdString();
    // Whatever fitted, every file that is missing from the folder is named.
    for (const QString& name : {QString("a.png"), QString("b.PAR"), QString("c.PAR"), QString("d.PAR")})
        EXPECT_NE(files.contains(name), error.contains(name)) << name.toStdString() << ": " << error.toStdString();
    EXPECT_TRUE(error.contains("o.VKP")) << error.toStdString();
    EXPECT_EQ(vkp, QByteArray("earlier"));
    EXPECT_TRUE(files.contains("o.VKM"));
    EXPECT_GE(error.count("Nem sikerült írni a fájlt"), 2) << error.toStdString();
    EXPECT_EQ(Scene.ProjectFileName, "p.VKP");
    EXPECT_EQ(Scene.ProjectDir, QDir(Path("proj")).absolutePath());
}
