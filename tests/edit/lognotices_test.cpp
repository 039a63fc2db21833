// Which log lines are notices the status line announces: everything but the
// undo history and the details under an error.

#include "support/testsupport.h"

#include "edit/editorstate.h"
#include "edit/errorreport.h"
#include "edit/undobuffer.h"
#include "model/errorlog.h"
#include "model/scene.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(LogNotices, NoticesCountAndTheNewestIsKeptQuietLinesAreOnlyLogged) {
    TErrorLog log;
    EXPECT_EQ(log.Notices(), 0u);
    EXPECT_EQ(log.LastNotice(), QString());
    log.Add("Project elmentve.");
    log.AddQuiet("Mozgatás egérrel");
    EXPECT_EQ(log.Notices(), 1u);
    EXPECT_EQ(log.LastNotice(), "Project elmentve.");
    EXPECT_EQ(log.Lines(), (QStringList{"Mozgatás egérrel", "Project elmentve."}));
    EXPECT_EQ(log.Added(), 2u);
    log.Add("Nincs meg a fájl: /x/ball.png");
    EXPECT_EQ(log.Notices(), 2u);
    EXPECT_EQ(log.LastNotice(), "Nincs meg a fájl: /x/ball.png");
    // Clearing the log does not take back what was announced.
    log.Clear();
    EXPECT_EQ(log.Notices(), 2u);
}

TEST(LogNotices, AnErrorFromAGridIsTheNoticeNotItsDetails) {
    TErrorLog log;
    ReportError(log, QTime(9, 0, 5), "bad", TGridInfo{"KeyFrameGrid", 4, 12, 2, 7});
    ASSERT_EQ(log.Count(), 4);
    EXPECT_EQ(log.Notices(), 1u);
    EXPECT_EQ(log.LastNotice(), log.Lines()[3]);
    EXPECT_TRUE(log.LastNotice().startsWith("09:00:05: bad"));
}

TEST(LogNotices, UndoStepsAndTheClearedRingAreHistoryNotNotices) {
    TScene scene;
    TEditorState state{scene};
    TErrorLog log;
    state.Log = &log;
    scene.AddLayer(scene.AddFile(std::make_unique<TFilesItem>()));
    state.Undo.Record(TUndoBuffer::kindMouseMove);
    state.Undo.Undo();
    state.Undo.Redo();
    state.Undo.Clear();
    EXPECT_GE(log.Count(), 3);
    EXPECT_EQ(log.Lines().first(), "UNDO PUFFER TÖRÖLVE!");
    EXPECT_EQ(log.Notices(), 0u);
}
