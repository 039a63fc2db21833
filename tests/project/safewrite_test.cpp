#include "model/velkonerror.h"
#include "project/safewrite.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;

namespace {

// Every file of a folder, hidden ones too, in code-point order.
QStringList AllFiles(const QString& dir) {
    QStringList all = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    all.sort();
    return all;
}

// A pid that surely belongs to no running process: one of a child that ended.
qint64 DeadPid() {
    QProcess p;
    p.start("true", {});
    p.waitForFinished();
    return p.processId() ? p.processId() : 999999;
}

} // namespace

TEST(SafeWrite, NeverWritesThroughALinkOrOverAFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath("elsewhere.txt"), "precious"));
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere.txt"), dir.filePath("link.VKP")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("folder.VKP")));
    for (const char* name : {"link.VKP", "folder.VKP"}) {
        try {
            SafeWriteFile(dir.filePath(name), "new");
            ADD_FAILURE() << "no error for " << name;
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains(dir.filePath(name))) << e.Message().toStdString();
        }
    }
    EXPECT_EQ(ReadFile(dir.filePath("elsewhere.txt")), QByteArray("precious"));
    EXPECT_TRUE(QFileInfo(dir.filePath("link.VKP")).isSymLink());
    EXPECT_EQ(AllFiles(dir.path()), (QStringList{"elsewhere.txt", "link.VKP"}));
}

TEST(SafeWrite, KeepsThePermissionsOfTheFileItReplaces) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.VKP");
    SafeWriteFile(path, "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    SafeWriteFile(path, "new");
    const QFile::Permissions classes = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                       QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                       QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(path) & classes, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(ReadFile(path), QByteArray("new"));
}

// A small file system that fills up: the write must fail, the old file stay
// whole and no temporary stay behind. Needs a tmpfs mount (root in a sandbox
// that allows it).
TEST(SafeWrite, FullDiskFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.filePath("small"));
    QDir().mkpath(dir.filePath("small"));
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (not root, or no permission)";
    const QString path = dir.filePath("small/demo.VKP");
    // The old file takes 15 of the 16 pages: a new copy of any size cannot fit beside it.
    const QByteArray old(60000, 'o');
    SafeWriteFile(path, old);
    // Small writes fit in a buffer and would only fail when flushed; big ones fail at once.
    for (qsizetype size : {qsizetype(10000), qsizetype(16 * 1024 * 1024)}) {
        EXPECT_THROW(SafeWriteFile(path, QByteArray(size, 'n')), EVelkonError) << size;
        EXPECT_EQ(ReadFile(path), old) << size;
        EXPECT_EQ(AllFiles(dir.filePath("small")), QStringList{"demo.VKP"}) << size;
    }
    ::umount(mountPoint.constData());
}

TEST(SafeWrite, StaleTemporariesOfEndedWritesAreRemoved) {
    QTemporaryDir dir;
    const QString dead = QString::number(DeadPid());
    const QString mine = QString::number(::getpid());
    const QStringList planted = {
        ".p.VKP.vktmp." + dead + ".aB3xYz", // our naming, writer gone: stale
        ".p.VKM.vktmp." + mine + ".aB3xYz", // a write of this very process: kept
        "p.VKP.Qw12Er",                     // the earlier save method's naming for p.VKP: stale
        "q.VKP.Qw12Er",                     // not a target of this save: kept
        "p.VKP.vktmp",                      // user file of a similar name: kept
        "p.VKP.Qw12Er.bak",                 // kept
    };
    for (const QString& name : planted)
        ASSERT_TRUE(WriteFile(dir.filePath(name), "x"));
    EXPECT_EQ(RemoveStaleTemporaries(dir.path(), {"p.VKP"}), 2);
    EXPECT_EQ(AllFiles(dir.path()), (QStringList{".p.VKM.vktmp." + mine + ".aB3xYz", "p.VKP.Qw12Er.bak",
                                                 "p.VKP.vktmp", "q.VKP.Qw12Er"}));
}
