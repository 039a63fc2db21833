#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/recentprojects.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using velkon::test::ReadFile;
using velkon::test::WriteFile;

namespace {

struct RecentFixture : ::testing::Test {
    QTemporaryDir dir;
    TRecentProjects recent{dir.filePath(TRecentProjects::FileName)};
    QString Path(const QString& name) const { return dir.filePath(name); }
};

} // namespace

// Newest first, each path once, at most ten; relative paths are stored whole,
// and the list reads back the same from its file.
TEST_F(RecentFixture, NewestFirstOnceEachAndTenAtMost) {
    ASSERT_TRUE(dir.isValid());
    for (int i = 1; i <= 12; ++i)
        ASSERT_TRUE(recent.Add(Path(QStringLiteral("p%1.VKP").arg(i))));
    QStringList expected;
    for (int i = 12; i >= 3; --i)
        expected << Path(QStringLiteral("p%1.VKP").arg(i));
    EXPECT_EQ(recent.Paths(), expected);

    // Opening one again moves it to the top, without a second entry.
    ASSERT_TRUE(recent.Add(dir.path() + "/sub/../p5.VKP"));
    expected.removeAll(Path("p5.VKP"));
    expected.prepend(Path("p5.VKP"));
    EXPECT_EQ(recent.Paths(), expected);

    // A relative path is stored as the absolute one it names.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_TRUE(recent.Add("rel.VKP"));
    QDir::setCurrent(before);
    EXPECT_EQ(recent.Paths().value(0), Path("rel.VKP"));
    EXPECT_EQ(TRecentProjects(Path(TRecentProjects::FileName)).Paths().size(), TRecentProjects::MaxCount);

    // Paths of any letters survive the file (it is UTF-8).
    ASSERT_TRUE(recent.Add(Path("Árvíztűrő 日本.VKP")));
    EXPECT_EQ(recent.Paths().value(0), Path("Árvíztűrő 日本.VKP"));

    ASSERT_TRUE(recent.Remove(Path("p5.VKP")));
    EXPECT_FALSE(recent.Paths().contains(Path("p5.VKP")));
}

// What the file holds beyond the editor's own lines is skipped, not trusted:
// relative paths, repeats, blank lines; an unwritable list fails quietly.
TEST_F(RecentFixture, ForeignLinesAreSkippedAndAnUnwritableListFailsQuietly) {
    ASSERT_TRUE(
        WriteFile(Path(TRecentProjects::FileName), "\n/a/x.VKP\r\nrelative.VKP\n/a/x.VKP\n\n/b/y.VKP\n"));
    EXPECT_EQ(recent.Paths(), (QStringList{"/a/x.VKP", "/b/y.VKP"}));
    // A name with a line break cannot be a line of the list.
    EXPECT_FALSE(recent.Add(Path("a\nb.VKP")));
    EXPECT_EQ(recent.Paths().size(), 2);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const TRecentProjects unwritable(Path("folder")); // a folder where the file should be
    EXPECT_TRUE(unwritable.Paths().isEmpty());
    EXPECT_FALSE(unwritable.Add(Path("p.VKP")));
}

// Opening from the list asks Open's question first; a file that is gone leaves
// the scene alone, leaves the list and says so in the log.
TEST_F(RecentFixture, OpenFromTheListAsksFirstAndDropsMissingFiles) {
    ASSERT_TRUE(WriteFile(Path("b.VKP"), "[Project]\r\nResolution=2\r\n"));
    ASSERT_TRUE(recent.Add(Path("gone.VKP")));
    ASSERT_TRUE(recent.Add(Path("b.VKP")));
    struct Case {
        const char* Why;
        bool Saved;
        std::deque<bool> Answers;
        QString Path;
        bool Read;
        int Asked;
        bool Logged;
    } cases[] = {
        {"saved, on disk", true, {}, Path("b.VKP"), true, 0, false},
        {"unsaved, No", false, {false}, Path("b.VKP"), false, 1, false},
        {"unsaved, Yes", false, {true}, Path("b.VKP"), true, 1, false},
        {"gone", true, {}, Path("gone.VKP"), false, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        TScene scene;
        scene.Saved = c.Saved;
        TScriptedDialogs dialogs;
        dialogs.YesNoAnswers = c.Answers;
        TErrorLog log;
        EXPECT_EQ(OpenRecentProjectCommand(scene, dialogs, log, recent, c.Path), c.Read);
        EXPECT_EQ(int(dialogs.Asked.size()), c.Asked);
        EXPECT_EQ(scene.Resolution, c.Read ? 2 : TScene().Resolution);
        EXPECT_EQ(scene.ProjectFileName, c.Read ? QStringLiteral("b.VKP") : TScene().ProjectFileName);
        EXPECT_EQ(
            log.Lines().contains(QStringLiteral("A projekt nem található, kikerült a legutóbbiak közül: ") +
                                 Path("gone.VKP")),
            c.Logged);
    }
    EXPECT_EQ(recent.Paths(), QStringList{Path("b.VKP")});
}
