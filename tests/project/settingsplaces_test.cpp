#include "project/settingsplaces.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using velkon::test::WriteFile;

namespace {

// Whether this process can create files in a folder whose write bits are off
// (root can; permissions then prove nothing).
bool PermissionsEnforced(const QString& dir) {
    QFile probe(QDir(dir).filePath("root-probe"));
    if (!probe.open(QIODevice::WriteOnly)) return true;
    probe.close();
    probe.remove();
    return false;
}

} // namespace

TEST(SettingsPlaces, ProgramFolderWhenWritableElseTheUserPlaces) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString config = tmp.filePath("config/velkon");
    const QString data = tmp.filePath("data/velkon");
    ASSERT_TRUE(QDir().mkpath(tmp.filePath("bin")));
    ASSERT_TRUE(WriteFile(tmp.filePath("file"), "not a folder"));

    const struct {
        const char* name;
        QString program;
        bool beside;
    } cases[] = {
        {"writable folder", tmp.filePath("bin"), true},
        {"missing folder", tmp.filePath("missing"), false},
        {"a file in its place", tmp.filePath("file"), false},
        // Nobody, not even root, can create a file there.
        {"read-only file system", QStringLiteral("/proc"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(tmp.filePath("config")).removeRecursively();
        QDir(tmp.filePath("data")).removeRecursively();
        const TSettingsPlaces places = TSettingsPlaces::Choose(c.program, config, data);
        EXPECT_EQ(places.SettingsDir, c.beside ? c.program : config);
        EXPECT_EQ(places.DataDir, c.beside ? c.program : data);
        // The user's folders are made when they are chosen.
        EXPECT_EQ(QFileInfo(config).isDir(), !c.beside);
        EXPECT_EQ(QFileInfo(data).isDir(), !c.beside);
    }
    EXPECT_TRUE(QDir(tmp.filePath("bin")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << "the probe leaves nothing behind";
}

TEST(SettingsPlaces, EveryFileFollowsTheOneRule) {
    TSettingsPlaces places;
    places.SettingsDir = "/home/u/.config/Velkon Editor";
    places.DataDir = "/home/u/.local/share/Velkon Editor";
    EXPECT_EQ(places.SettingsFile("VelkonEditor.ini"), "/home/u/.config/Velkon Editor/VelkonEditor.ini");
    EXPECT_EQ(places.SettingsFile("Favourites.txt"), "/home/u/.config/Velkon Editor/Favourites.txt");
    EXPECT_EQ(places.ExitSaveFile(), "/home/u/.local/share/Velkon Editor/Kilepesi.VKP");
    const TSettingsPlaces beside = TSettingsPlaces::In("/opt/velkon/bin");
    EXPECT_EQ(beside.SettingsFile("VelkonEditorForms.ini"), "/opt/velkon/bin/VelkonEditorForms.ini");
    EXPECT_EQ(beside.ExitSaveFile(), "/opt/velkon/bin/Kilepesi.VKP");
}

TEST(SettingsPlaces, FolderWithoutWriteBitsSendsEverythingToTheUserPlaces) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString program = tmp.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(program));
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool enforced = PermissionsEnforced(program);
    const TSettingsPlaces places = TSettingsPlaces::Choose(program, tmp.filePath("c"), tmp.filePath("d"));
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!enforced)
        GTEST_SKIP() << "running as root: write bits are not enforced (the read-only file system case and "
                        "ui_settingsreadonly cover an unwritable program folder)";
    EXPECT_EQ(places.SettingsDir, tmp.filePath("c"));
    EXPECT_EQ(places.DataDir, tmp.filePath("d"));
}
