// Recovery copies on disk: written whole, listed only when their editor is
// gone, read back as the original project, removed; and the project text
// kept layer by layer that the copies are made of.
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/projecttextcache.h"
#include "project/recoverystore.h"
#include "project/windows1250.h"
#include "support/layers.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;

namespace {

class RecoveryStore : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Folder;

    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        Folder = Dir.filePath(QStringLiteral("recovery"));
    }

    QStringList Files() const {
        return QDir(Folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    static QByteArray Text(int left) {
        return EncodeWindows1250ForFile(
            QStringLiteral("[Project]\r\nResolution=1\r\n[Files]\r\nName1=ball.png\r\n"
                           "[Image1]\r\nName=Ball\r\nFileName=ball.png\r\nLeft=%1\r\n"
                           "Width=8\r\nHeight=8\r\n")
                .arg(left));
    }

    // Makes the lock of a store look like one its editor left when it was
    // killed: the same file, naming a process that is gone.
    static void MakeStale(const QString& lockPath) {
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        ASSERT_TRUE(gone.waitForStarted(10000));
        const qint64 pid = gone.processId();
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(gone.waitForFinished(10000));
        QByteArray bytes = ReadFile(lockPath);
        ASSERT_FALSE(bytes.isEmpty());
        bytes = QByteArray::number(pid) + bytes.mid(bytes.indexOf('\n'));
        ASSERT_TRUE(WriteFile(lockPath, bytes));
    }
};

// A live editor's copy is never another's to recover; once its editor is
// gone (lock released or stale) it is listed, reads back, and is discarded.
TEST_F(RecoveryStore, LiveCopiesAreNotListedLeftOnesAreUntilDiscarded) {
    auto first = std::make_unique<TRecoveryStore>(Folder);
    ASSERT_TRUE(first->Ready());
    const QDateTime time =
        QDateTime::fromString(QStringLiteral("2026-12-11T06:30:15.250Z"), Qt::ISODateWithMs);
    ASSERT_TRUE(first->Write(first->Token(), Text(1), QStringLiteral("/work/p/demo.VKP"), time));
    ASSERT_TRUE(first->Write(first->Token(), Text(2), QStringLiteral("/work/p/demo.VKP"), time.addSecs(1)));
    EXPECT_TRUE(first->HasCopy());
    // One text, one side file, one lock: the older text went.
    EXPECT_EQ(Files().size(), 3) << Files().join(' ').toStdString();

    TRecoveryStore second(Folder);
    ASSERT_TRUE(second.Ready());
    EXPECT_TRUE(second.LeftCopies().isEmpty()) << "a live editor's copy was taken for a crash";
    EXPECT_TRUE(first->LeftCopies().isEmpty()) << "an editor lists its own copy";

    // The first editor is killed: its lock names a process that is gone.
    const QString lock = Folder + QLatin1Char('/') + first->Id() + QStringLiteral(".lock");
    const QString id = first->Id();
    const QByteArray held = ReadFile(lock);
    first.reset(); // lets go of the lock file; a killed editor would leave it behind
    ASSERT_TRUE(WriteFile(lock, held));
    EXPECT_TRUE(second.LeftCopies().isEmpty()) << "the lock names this very process, which still runs";
    MakeStale(lock);
    const QList<TRecoveryCopy> copies = second.LeftCopies();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(copies[0].Id, id);
    EXPECT_EQ(copies[0].ProjectPath, QStringLiteral("/work/p/demo.VKP"));
    EXPECT_EQ(copies[0].Time, time.addSecs(1));
    EXPECT_EQ(ReadFile(copies[0].File), Text(2));

    EXPECT_TRUE(TRecoveryStore::Discard(copies[0]));
    EXPECT_TRUE(second.LeftCopies().isEmpty());
    // Only the second editor's own lock is left.
    EXPECT_EQ(Files(), QStringList{second.Id() + QStringLiteral(".lock")});
}

TEST_F(RecoveryStore, LeftCopiesComeNewestFirst) {
    const QDateTime base = QDateTime::fromString(QStringLiteral("2026-12-11T06:00:00Z"), Qt::ISODate);
    QStringList projects;
    for (int minutes : {5, 30, 1}) {
        TRecoveryStore gone(Folder);
        const QString project = QStringLiteral("/p/m%1.VKP").arg(minutes);
        ASSERT_TRUE(gone.Write(gone.Token(), Text(minutes), project, base.addSecs(60 * minutes)));
    } // each store's lock goes with it: left copies
    TRecoveryStore now(Folder);
    QStringList listed;
    for (const TRecoveryCopy& copy : now.LeftCopies())
        listed << copy.ProjectPath;
    EXPECT_EQ(listed, (QStringList{"/p/m30.VKP", "/p/m5.VKP", "/p/m1.VKP"}));
}

// Save, New, Open and a normal end remove the copy; a text serialised before
// that and written after it must not bring the copy back.
TEST_F(RecoveryStore, RemoveTakesEverythingAndOutdatesTheWriteOnItsWay) {
    TRecoveryStore store(Folder);
    ASSERT_TRUE(
        store.Write(store.Token(), Text(1), QStringLiteral("/p/a.VKP"), QDateTime::currentDateTimeUtc()));
    const uint64_t before = store.Token();
    EXPECT_TRUE(store.Remove());
    EXPECT_FALSE(store.HasCopy());
    EXPECT_EQ(Files(), QStringList{store.Id() + QStringLiteral(".lock")});
    EXPECT_FALSE(store.Write(before, Text(2), QStringLiteral("/p/a.VKP"), QDateTime::currentDateTimeUtc()));
    EXPECT_EQ(Files(), QStringList{store.Id() + QStringLiteral(".lock")});
}

// A copy whose commit fails leaves the copy before it whole and nothing of
// its own; a store whose folder cannot be made writes nothing and says so.
TEST_F(RecoveryStore, AFailedWriteKeepsTheOldCopyWhole) {
    QString lockName, id;
    {
        TRecoveryStore store(Folder);
        id = store.Id();
        ASSERT_TRUE(
            store.Write(store.Token(), Text(1), QStringLiteral("/p/a.VKP"), QDateTime::currentDateTimeUtc()));
        // The side file's place is taken by a folder: the commit cannot happen.
        const QString info = Folder + QLatin1Char('/') + id + QStringLiteral(".info");
        const QByteArray oldInfo = ReadFile(info);
        ASSERT_TRUE(QFile::rename(info, info + QStringLiteral(".kept")));
        ASSERT_TRUE(QDir().mkdir(info));
        EXPECT_THROW(
            store.Write(store.Token(), Text(2), QStringLiteral("/p/a.VKP"), QDateTime::currentDateTimeUtc()),
            EVelkonError);
        ASSERT_TRUE(QDir().rmdir(info));
        ASSERT_TRUE(QFile::rename(info + QStringLiteral(".kept"), info));
        EXPECT_EQ(ReadFile(info), oldInfo);
    }
    TRecoveryStore next(Folder);
    const QList<TRecoveryCopy> copies = next.LeftCopies();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(ReadFile(copies[0].File), Text(1));
    // No text of the failed copy, no temporary.
    for (const QString& name : Files())
        EXPECT_TRUE(name.endsWith(QStringLiteral(".lock")) || name == id + QStringLiteral(".info") ||
                    name == id + QStringLiteral(".1.VKP"))
            << name.toStdString();

    ASSERT_TRUE(WriteFile(Dir.filePath(QStringLiteral("file")), "x"));
    TRecoveryStore nowhere(Dir.filePath(QStringLiteral("file/recovery")));
    EXPECT_FALSE(nowhere.Ready());
    EXPECT_THROW(nowhere.Write(nowhere.Token(), Text(1), QString(), QDateTime::currentDateTimeUtc()),
                 EVelkonError);
    EXPECT_TRUE(nowhere.LeftCopies().isEmpty());
}

// Read back, a copy is the original project with unsaved changes: its name
// and folder, its resources found there, and one added from elsewhere since
// the last save found where it was.
TEST_F(RecoveryStore, ACopyReadsBackAsUnsavedChangesOfItsProject) {
    const QString projectDir = Dir.filePath(QStringLiteral("project"));
    const QString otherDir = Dir.filePath(QStringLiteral("other"));
    ASSERT_TRUE(QDir().mkpath(projectDir));
    ASSERT_TRUE(QDir().mkpath(otherDir));
    TScene scene;
    TImagesItem* ball = test::AddLayer(scene, projectDir, test::TLayerSpec().Named("Ball").At(40, 50));
    TImagesItem* box = test::AddLayer(
        scene, otherDir, test::TLayerSpec().Named("Box").Sized(16, 16).Coloured({0, 0, 255, 255}));
    ASSERT_TRUE(ball && box);
    WriteProject(scene, projectDir + QStringLiteral("/demo.VKP"));
    const QByteArray saved = ReadFile(projectDir + QStringLiteral("/demo.VKP"));
    ball->Left = 77;

    TRecoveryStore* gone = new TRecoveryStore(Folder);
    QHash<QString, QString> elsewhere{{box->FileItem->Name, box->FileItem->Path}};
    ASSERT_TRUE(gone->Write(gone->Token(), EncodeWindows1250ForFile(ProjectText(scene)),
                            projectDir + QStringLiteral("/demo.VKP"), QDateTime::currentDateTimeUtc(),
                            elsewhere));
    delete gone;

    TRecoveryStore now(Folder);
    const QList<TRecoveryCopy> copies = now.LeftCopies();
    ASSERT_EQ(copies.size(), 1);
    TScene back;
    TErrorLog log;
    TRecoveryStore::Read(back, copies[0], log);
    EXPECT_EQ(back.ProjectFileName, QStringLiteral("demo.VKP"));
    EXPECT_EQ(back.ProjectDir, QDir(projectDir).absolutePath());
    EXPECT_FALSE(back.Saved);
    EXPECT_TRUE(log.Lines().isEmpty()) << log.Lines().join('\n').toStdString();
    ASSERT_EQ(back.Layers.Count(), 2);
    EXPECT_EQ(back.Layers.At(0)->Left, 77);
    for (int i = 0; i < 2; ++i) {
        const TFilesItem* file = back.Layers.At(i)->FileItem;
        ASSERT_TRUE(file);
        EXPECT_TRUE(file->Image && file->Image->Width > 0) << file->Path.toStdString();
    }
    EXPECT_EQ(back.Layers.At(1)->FileItem->Path, box->FileItem->Path);
    // Reading never touched the project itself.
    EXPECT_EQ(ReadFile(projectDir + QStringLiteral("/demo.VKP")), saved);
}

// ---- The project text in parts ----

// After every kind of change the parts join to exactly what a save writes,
// and only the layers that changed are written again.
TEST(ProjectTextCache, JoinsToTheSavedTextAndWritesOnlyWhatChanged) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TScene scene;
    for (int i = 0; i < 5; ++i) {
        TImagesItem* layer = test::AddLayer(scene, dir.path(), test::TLayerSpec().At(10 * i, 5));
        layer->TrackByNumber(1 + i % 3).Add(std::make_unique<TCommandItem>(
            cmdMoveTo, QStringLiteral("%1").arg(100 + i), QStringLiteral("20"), QStringLiteral("1,5")));
    }
    scene.Lines << QStringLiteral("V512=512");
    TProjectTextCache cache;
    const auto same = [&] {
        return cache.Parts(scene).Join() == EncodeWindows1250ForFile(ProjectText(scene));
    };
    // Prepared a few layers at a time, the first whole text finds every part ready.
    EXPECT_FALSE(cache.Warm(scene, 2));
    EXPECT_EQ(cache.Written(), 2);
    EXPECT_FALSE(cache.Warm(scene, 2));
    EXPECT_TRUE(cache.Warm(scene, 2));
    EXPECT_EQ(cache.Written(), 1);
    EXPECT_TRUE(cache.Warm(scene, 2));
    EXPECT_EQ(cache.Written(), 0);
    EXPECT_TRUE(same());
    EXPECT_EQ(cache.Written(), 0);
    scene.Layers.At(3)->Angle = 45;
    EXPECT_TRUE(cache.Warm(scene, 2));
    EXPECT_EQ(cache.Written(), 1);
    EXPECT_TRUE(same());
    EXPECT_EQ(cache.Written(), 0);

    struct TCase {
        const char* What;
        std::function<void()> Change;
        int Written;
    };
    const TCase cases[] = {
        {"a layer moved", [&] { scene.Layers.At(2)->Left += 1.5; }, 1},
        {"a parameter",
         [&] { scene.Layers.At(1)->TrackByNumber(2).Item(0)->SetParam(2, QStringLiteral("7")); }, 1},
        {"a command added",
         [&] { scene.Layers.At(4)->TrackByNumber(12).Add(std::make_unique<TCommandItem>(cmdWait, "1")); }, 1},
        {"a colour", [&] { scene.Layers.At(0)->ItemColor = 0x123456; }, 1},
        {"a file renamed", [&] { scene.Files.At(0)->Name = QStringLiteral("labda.png"); }, 5},
        {"the order", [&] { scene.Layers.Move(0, 4); }, 0},
        {"a layer removed", [&] { scene.Layers.Delete(1); }, 0},
        {"a helper line and a group",
         [&] {
             scene.Lines << QStringLiteral("F300=300");
             scene.Groups << QStringLiteral("Csoport");
         },
         0},
        {"a real that rounds the same", [&] { scene.Layers.At(0)->Top += 0.001; }, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        c.Change();
        EXPECT_TRUE(same());
        EXPECT_EQ(cache.Written(), c.Written);
    }
}

} // namespace
