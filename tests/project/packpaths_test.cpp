// Where a pack may write: the name the user gave, nothing through links,
// nothing over the pack's own files, nothing half-written on a full disk.
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"
#include "project/packexport.h"
#include "project/projectfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/mount.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;
using velkon::test::WritePng;

namespace {

struct TPackPathsTest : ::testing::Test {
    QTemporaryDir Dir;
    TScene Scene;
    TScriptedDialogs Dialogs;
    TErrorLog Log;
    QString Path(const QString& name) const { return Dir.filePath(name); }

    // proj/P.VKP with a.png and one layer; an empty "out" folder beside it.
    void MakeProject() {
        QDir().mkpath(Path("proj"));
        QDir().mkpath(Path("out"));
        ASSERT_TRUE(WritePng(Path("proj/a.png"), 4, 4, 6));
        Scene.AddFile(TFilesItem::Create(Path("proj/a.png")));
        Scene.AddLayer(Scene.Files.At(0));
        WriteProject(Scene, Path("proj/P.VKP"));
    }
    // Every entry of a folder, hidden ones too, in code-point order.
    QStringList Files(const QString& dir) const {
        QStringList all = QDir(Path(dir)).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs |
                                                    QDir::NoDotAndDotDot);
        all.sort();
        return all;
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
};

} // namespace

TEST_F(TPackPathsTest, OutputNamesAreKeptAsGivenOrRefusedBeforeWriting) {
    const QString base = QDir::currentPath();
    const struct {
        QString Chosen;
        QString Result; // empty: refused
    } cases[] = {
        {"/x/out/out.vkm", "/x/out/out.vkm"},
        {"/x/out/demo", "/x/out/demo.VKM"},
        {"/x/out/demo.tar.vkm", "/x/out/demo.tar.vkm"},
        {"rel/o.VKM", base + "/rel/o.VKM"},
        {"/x/out/", ""},
        {"/x/out/..", ""},
        {"/x/out/.", ""},
        {"/x/out/.VKM", ""},
        {"/x/out/o.VKP", ""},
        {"/x/out/o.vko", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        QString result;
        try {
            result = PackOutputPath(c.Chosen);
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains(c.Chosen)) << e.Message().toStdString();
        }
        EXPECT_EQ(result, c.Result) << c.Chosen.toStdString();
    }
    // An existing folder is never a pack name, whatever it is called.
    QDir().mkpath(Path("target.VKM"));
    EXPECT_THROW(PackOutputPath(Path("target.VKM")), EVelkonError);
}

TEST_F(TPackPathsTest, PackKeepsTheNameAndLeavesNoIntermediateFiles) {
    MakeProject();
    ASSERT_TRUE(WriteFile(Path("out/out.VKO"), "left by a pack that was killed"));
    EXPECT_EQ(Pack(Path("out/out.vkm")), QString());
    EXPECT_EQ(Files("out"), (QStringList{"a.png", "out.VKP", "out.vkm"}));
    EXPECT_TRUE(ReadFile(Path("out/out.vkm")).startsWith("VKP1.3\r\n"));
    EXPECT_EQ(Scene.ProjectFileName, "out.VKP");
}

TEST_F(TPackPathsTest, LinksAndFoldersInATargetsPlaceStopThePackBeforeAnyWrite) {
    MakeProject();
    ASSERT_TRUE(WriteFile(Path("victim1"), "one"));
    ASSERT_TRUE(WriteFile(Path("victim2"), "two"));
    const struct {
        const char* Planted;
        bool Link; // else a folder
    } cases[] = {{"a.png", true}, {"o.VKP", true}, {"o.VKM", true}, {"a.png", false}, {"o.VKP", false}};
    for (const auto& c : cases) {
        QDir(Path("out")).removeRecursively();
        QDir().mkpath(Path("out"));
        const QString planted = Path("out/") + c.Planted;
        if (c.Link)
            ASSERT_TRUE(QFile::link(Path("victim1"), planted));
        else
            ASSERT_TRUE(QDir().mkpath(planted));
        const QStringList before = Files("out");
        const QString error = Pack(Path("out/o.VKM"));
        EXPECT_TRUE(error.contains(planted)) << c.Planted << ": " << error.toStdString();
        EXPECT_EQ(Files("out"), before) << c.Planted;
        EXPECT_EQ(ReadFile(Path("victim1")), QByteArray("one"));
        EXPECT_EQ(Scene.ProjectFileName, "P.VKP");
    }
}

TEST_F(TPackPathsTest, AResourceNamedLikeThePacksOwnFilesIsReportedAndNothingIsWritten) {
    MakeProject();
    for (const char* name : {"o.VKM", "O.vkp", "o.VKO"}) {
        auto clash = std::make_unique<TFilesItem>();
        clash->Name = name;
        clash->Path = Path("proj/a.png");
        Scene.AddFile(std::move(clash));
    }
    const QString error = Pack(Path("out/o.VKM"));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(Files("out").isEmpty()) << Files("out").join(',').toStdString();
    for (const char* name : {"o.VKM", "O.vkp", "o.VKO"})
        EXPECT_TRUE(
            Log.Lines().contains(QStringLiteral("A fájl neve egyezik a csomag egyik fájljáéval: ") + name))
            << name;
}

// The pack of a 64 KiB tmpfs: every file that was there before stays whole.
TEST_F(TPackPathsTest, FullDiskPackFailsAndKeepsEarlierFiles) {
    MakeProject();
    const QByteArray mountPoint = QFile::encodeName(Path("out"));
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (not root, or no permission)";
    EXPECT_EQ(Pack(Path("out/demo.VKM")), QString());
    const QByteArray vkm = ReadFile(Path("out/demo.VKM"));
    const QByteArray vkp = ReadFile(Path("out/demo.VKP"));
    ASSERT_FALSE(vkm.isEmpty());
    ASSERT_FALSE(vkp.isEmpty());
    // Fill the rest of the disk, then pack a bigger scene.
    // The filler fails part-way by design: it only has to take the free space.
    static_cast<void>(WriteFile(Path("out/filler"), QByteArray(64 * 1024, 'f')));
    for (int i = 0; i < 200; ++i)
        Scene.AddLayer(Scene.Files.At(0));
    EXPECT_FALSE(Pack(Path("out/demo.VKM")).isEmpty());
    EXPECT_EQ(ReadFile(Path("out/demo.VKM")), vkm);
    EXPECT_EQ(ReadFile(Path("out/demo.VKP")), vkp);
    ::umount(mountPoint.constData());
}
