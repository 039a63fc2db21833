#include "model/velkonerror.h"
#include "project/safewrite.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

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

// Only the editor's own temporaries of ended writes go; every file of the
// user's stays, whatever its name looks like.
TEST(SafeWrite, StaleTemporariesOfEndedWritesAreRemovedAndNothingElse) {
    QTemporaryDir dir;
    const QString dead = QString::number(DeadPid());
    const QString mine = QString::number(::getpid());
    const struct {
        QString Name;
        bool Removed;
    } planted[] = {
        {".p.VKP.vktmp." + dead + ".aB3xYz", true},   // our naming, writer gone: stale
        {".p.VKM.vktmp." + mine + ".aB3xYz", false},  // a write of this very process
        {".€€.VKP.vktmp." + dead + ".Zz09aa", true},  // a shortened stem is ours all the same
        {"p.VKP.Qw12Er", false},                      // "<target>.<six characters>": the user's
        {"out.VKM.backup", false},
        {"out.VKP.keepme", false},
        {"demo.VKP.bak123", false},
        {"p.VKP.vktmp", false},
        {".p.VKP.vktmp." + dead + ".aB3xYz.bak", false}, // more after the six letters
        {".p.VKP.vktmp." + dead + ".aB3xY", false},      // five letters
        {".p.VKP.vktmp." + dead + ".aB-xYz", false},     // not what mkstemp writes
        {".p.VKP.vktmp.12a4.aB3xYz", false},             // no process number
        {"p.VKP.vktmp." + dead + ".aB3xYz", false},      // not hidden
    };
    QStringList kept;
    for (const auto& p : planted) {
        ASSERT_TRUE(WriteFile(dir.filePath(p.Name), "x")) << p.Name.toStdString();
        if (!p.Removed) kept << p.Name;
    }
    // A link named like a temporary is never followed nor removed.
    ASSERT_TRUE(WriteFile(dir.filePath("target.txt"), "precious"));
    const QString link = ".q.VKP.vktmp." + dead + ".qQ1qQ1";
    ASSERT_TRUE(QFile::link(dir.filePath("target.txt"), dir.filePath(link)));
    kept << link << "target.txt";
    kept.sort();
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 2);
    EXPECT_EQ(AllFiles(dir.path()), kept);
    EXPECT_EQ(ReadFile(dir.filePath("target.txt")), QByteArray("precious"));
}

// A name of many-byte letters uses most of the file system's 255 bytes: the
// temporary's name is shortened to fit, and the write goes through.
TEST(SafeWrite, LongNamesOfManyByteLettersCanBeWritten) {
    QTemporaryDir dir;
    const struct {
        const char* Why;
        QString Name;
    } cases[] = {
        {"80 euro signs (244 bytes)", QString(80, QChar(0x20AC)) + ".VKP"},
        {"62 four-byte letters (252 bytes)", QString::fromUcs4(std::u32string(62, U'\U0001F600').data(), 62) + ".VKP"},
        {"251 plain letters", QString(251, 'a') + ".VKP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        ASSERT_LE(QFile::encodeName(c.Name).size(), 255);
        const QString path = dir.filePath(c.Name);
        ASSERT_NO_THROW(SafeWriteFile(path, "one"));
        ASSERT_NO_THROW(SafeWriteFile(path, "two"));
        EXPECT_EQ(ReadFile(path), QByteArray("two"));
        EXPECT_EQ(AllFiles(dir.path()), QStringList{c.Name});
        QFile::remove(path);
    }
}
