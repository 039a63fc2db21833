// When recovery copies are written and what they hold: the timing as a
// table, the keeper over a real folder, and an editing process killed at
// random moments.
#include "edit/editorstate.h"
#include "edit/recoverykeeper.h"
#include "edit/recoverytiming.h"
#include "edit/scrubber.h"
#include "edit/undobuffer.h"
#include "model/commanddesc.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "project/projectfile.h"
#include "project/recoverystore.h"
#include "support/layers.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <vector>

using namespace velkon;

namespace {

using A = TRecoveryAction;

// One step of a timing script: a look (Decide), or how the write went.
struct TStep {
    enum { look, written, failed } Op;
    int64_t Now;
    uint64_t Mark = 0;
    bool Saved = false;
    bool Busy = false;
    A Expect = A::Wait;
};

TStep Look(int64_t now, uint64_t mark, A expect, bool saved = false, bool busy = false) {
    return {TStep::look, now, mark, saved, busy, expect};
}
TStep Written() {
    return {TStep::written, 0};
}
TStep Failed(int64_t now) {
    return {TStep::failed, now};
}

struct TTimingCase {
    const char* What;
    std::vector<TStep> Steps;
};

// The delay is 5 s: a pause is 1 s, and a copy is overdue 2.5 s after the
// first change it does not hold.
TEST(RecoveryTiming, DecisionTable) {
    const TTimingCase cases[] = {
        {"the project as it starts needs no copy", {Look(0, 7, A::Wait), Look(10000, 7, A::Wait)}},
        {"a change, then a pause of a second: write",
         {Look(0, 0, A::Wait), Look(100, 1, A::Wait), Look(1000, 1, A::Wait), Look(1100, 1, A::Write)}},
        {"dragging or playing: wait, even overdue; written once it ends",
         {Look(0, 0, A::Wait), Look(100, 1, A::Wait), Look(1500, 2, A::Wait, false, true),
          Look(4000, 3, A::Wait, false, true), Look(4100, 3, A::Write)}},
        {"changes that never pause: written half the delay after the first",
         {Look(0, 0, A::Wait), Look(300, 1, A::Wait), Look(900, 2, A::Wait), Look(1500, 3, A::Wait),
          Look(2100, 4, A::Wait), Look(2700, 5, A::Wait), Look(2800, 6, A::Write)}},
        {"saved: no copy", {Look(0, 0, A::Wait), Look(100, 1, A::Wait, true), Look(3000, 1, A::Wait, true)}},
        {"saved after a copy: the copy goes",
         {Look(0, 0, A::Wait), Look(100, 1, A::Wait), Look(1200, 1, A::Write), Written(),
          Look(1300, 2, A::Remove, true)}},
        {"nothing changed since the copy: nothing to write",
         {Look(0, 0, A::Wait), Look(100, 1, A::Wait), Look(1200, 1, A::Write), Written(),
          Look(9000, 1, A::Wait)}},
        {"a change while the copy is written: the next copy after it",
         {Look(0, 0, A::Wait), Look(100, 1, A::Wait), Look(1200, 1, A::Write), Look(2000, 2, A::Wait),
          Look(2900, 2, A::Wait), Written(), Look(2950, 2, A::Wait), Look(3000, 2, A::Write)}},
        {"saved while a copy is written: removed once it is done",
         {Look(0, 0, A::Wait), Look(100, 1, A::Wait), Look(1200, 1, A::Write), Look(1300, 2, A::Wait, true),
          Written(), Look(1400, 2, A::Remove, true)}},
        {"a failed copy is tried again a delay later, not at every look",
         {Look(0, 0, A::Wait), Look(100, 1, A::Wait), Look(1200, 1, A::Write), Failed(1250),
          Look(1300, 1, A::Wait), Look(6000, 1, A::Wait), Look(6250, 1, A::Write)}},
    };
    for (const TTimingCase& c : cases) {
        SCOPED_TRACE(c.What);
        TRecoveryTiming timing(5000);
        int n = 0;
        for (const TStep& step : c.Steps) {
            ++n;
            if (step.Op == TStep::written) {
                timing.Written();
            } else if (step.Op == TStep::failed) {
                timing.Failed(step.Now);
            } else {
                const A got = timing.Decide({step.Now, step.Saved, step.Busy, step.Mark});
                EXPECT_EQ(static_cast<int>(got), static_cast<int>(step.Expect))
                    << "step " << n << " at " << step.Now;
            }
        }
    }
}

class RecoveryKeeper : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    TScene Scene;
    TEditorState State{Scene};
    TErrorLog Log;

    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        ASSERT_TRUE(test::AddLayer(Scene, Dir.path(), test::TLayerSpec().Named("Ball").At(10, 20)));
        WriteProject(Scene, Dir.filePath(QStringLiteral("demo.VKP")));
    }
    void Move(double left) {
        State.Undo.Record(TUndoBuffer::kindKeyboardMove);
        Scene.Layers.At(0)->Left = left;
        Scene.Saved = false;
    }
    // The copy on disk, read back; its Left, or -1 when there is none.
    double CopiedLeft(const QString& folder) {
        const QStringList texts = QDir(folder).entryList({QStringLiteral("*.VKP")}, QDir::Files);
        if (texts.isEmpty()) return -1;
        EXPECT_EQ(texts.size(), 1);
        TScene back;
        TErrorLog log;
        ReadProject(back, folder + QLatin1Char('/') + texts.first(), log);
        return back.Layers.Count() ? back.Layers.At(0)->Left : -1;
    }
};

TEST_F(RecoveryKeeper, WritesAfterAPauseWaitsWhileDraggingOrPlayingAndRemovesOnSave) {
    const QString folder = Dir.filePath(QStringLiteral("recovery"));
    TRecoveryStore store(folder);
    TRecoveryKeeper keeper(State, store, Log, 5000);
    EXPECT_EQ(keeper.Tick(0, false), A::Wait);
    Move(30);
    EXPECT_EQ(keeper.Tick(100, false), A::Wait);
    EXPECT_EQ(keeper.Tick(1500, true), A::Wait) << "written in the middle of a drag";
    Scene.Playing = true;
    EXPECT_EQ(keeper.Tick(3000, false), A::Wait) << "written while playing";
    Scene.Playing = false;
    EXPECT_EQ(keeper.Tick(3100, false), A::Write);
    keeper.Finish();
    EXPECT_TRUE(store.HasCopy());
    EXPECT_EQ(CopiedLeft(folder), 30);
    EXPECT_TRUE(Log.Lines().isEmpty()) << Log.Lines().join('\n').toStdString();

    // A drag step records no step of its own: the canvas's notice counts.
    Scene.Layers.At(0)->Left = 44;
    State.LayerValuesChanged.Emit();
    EXPECT_EQ(keeper.Tick(3200, false), A::Wait);
    EXPECT_EQ(keeper.Tick(4300, false), A::Write);
    keeper.Finish();
    EXPECT_EQ(CopiedLeft(folder), 44);

    Scene.Saved = true;
    EXPECT_EQ(keeper.Tick(4400, false), A::Remove);
    EXPECT_FALSE(store.HasCopy());
    EXPECT_EQ(CopiedLeft(folder), -1);
    // The project itself was never written.
    TScene file;
    TErrorLog log;
    ReadProject(file, Dir.filePath(QStringLiteral("demo.VKP")), log);
    EXPECT_EQ(file.Layers.At(0)->Left, 10);
}

// A scrubbed moment is never copied: the keeper waits as while playing, and
// the copy after it holds the edited state.
TEST_F(RecoveryKeeper, WaitsWhileScrubbingAndCopiesTheEditedStateAfter) {
    const QString folder = Dir.filePath(QStringLiteral("recovery"));
    TRecoveryStore store(folder);
    TRecoveryKeeper keeper(State, store, Log, 5000);
    TImagesItem& ball = *Scene.Layers.At(0);
    ball.Base.Track[0].Add(CommandName(cmdMoveTo), std::make_unique<TCommandItem>(cmdMoveTo, "400", "20", "1"));
    Move(30);
    TScrubber scrubber(Scene);
    ASSERT_TRUE(scrubber.Seek(500));
    State.Scrubbing = true;
    ASSERT_NE(ball.Left, 30);
    EXPECT_EQ(keeper.Tick(100, false), A::Wait);
    EXPECT_EQ(keeper.Tick(3000, false), A::Wait) << "a scrubbed moment was copied";
    // Past the automatic stop the scene no longer plays, and still it is no edited state to copy.
    ASSERT_TRUE(scrubber.Seek(1500));
    ASSERT_FALSE(Scene.Playing);
    EXPECT_EQ(keeper.Tick(6000, false), A::Wait) << "a copy was written while scrubbing";
    EXPECT_FALSE(store.HasCopy());
    scrubber.Leave();
    State.Scrubbing = false;
    EXPECT_EQ(keeper.Tick(6100, false), A::Write);
    keeper.Finish();
    EXPECT_EQ(CopiedLeft(folder), 30);
}

// The keeper's first look may come after the first edit: that edit is owed a copy too.
TEST_F(RecoveryKeeper, AnEditBeforeTheFirstLookGetsACopy) {
    const QString folder = Dir.filePath(QStringLiteral("recovery"));
    TRecoveryStore store(folder);
    TRecoveryKeeper keeper(State, store, Log, 5000);
    Move(55);
    EXPECT_EQ(keeper.Tick(0, false), A::Wait);
    EXPECT_EQ(keeper.Tick(1000, false), A::Write);
    keeper.Finish();
    EXPECT_EQ(CopiedLeft(folder), 55);
}

TEST_F(RecoveryKeeper, AFolderThatCannotBeWrittenGivesOneLogLineAndEditingGoesOn) {
    ASSERT_TRUE(test::WriteFile(Dir.filePath(QStringLiteral("file")), "x"));
    TRecoveryStore store(Dir.filePath(QStringLiteral("file/recovery")));
    TRecoveryKeeper keeper(State, store, Log, 5000);
    keeper.Tick(0, false);
    int writes = 0;
    for (int64_t now = 100; now < 60000; now += 250) {
        if (now % 2000 == 100) Move(static_cast<double>(now));
        if (keeper.Tick(now, false) == A::Write) ++writes;
        keeper.Finish();
    }
    EXPECT_GE(writes, 2) << "the copy was not tried again";
    ASSERT_EQ(Log.Count(), 1) << Log.Lines().join('\n').toStdString();
    EXPECT_TRUE(Log.Lines().first().startsWith(QStringLiteral("Helyreállítási másolat nem készült: ")))
        << Log.Lines().first().toStdString();
    EXPECT_FALSE(Scene.Saved);
}

// The editing process is killed at random moments, also while it writes a
// copy: every time there is either no copy, when no edit is old enough to be
// owed one, or one whole copy that reads back and holds every edit made more
// than the delay before the kill.
TEST_F(RecoveryKeeper, KillAtRandomMomentsLeavesNoCopyOrAWholeOneWithTheOlderEdits) {
    // A few hundred layers, so that a write takes a moment a kill can hit.
    for (int i = 1; i < 300; ++i)
        ASSERT_TRUE(test::AddLayer(Scene, Dir.path(), test::TLayerSpec().At(i, i)));
    WriteProject(Scene, Dir.filePath(QStringLiteral("demo.VKP")));
    const int layers = Scene.Layers.Count();
    constexpr qint64 kDelay = 600;

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    int killsWithCopy = 0;
    for (int kill = 0; kill < 30; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const QString folder = Dir.filePath(QStringLiteral("recovery%1").arg(kill));
        QProcess child;
        child.start(QStringLiteral(VELKON_RECOVERY_LOOP),
                    {folder, Dir.filePath(QStringLiteral("demo.VKP")), QString::number(kDelay)});
        ASSERT_TRUE(child.waitForStarted(10000));
        QElapsedTimer clock;
        std::vector<std::pair<long, qint64>> edits; // edit number, when its line came
        const auto readLines = [&] {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("edit ")) edits.emplace_back(line.mid(5).toLong(), clock.elapsed());
            }
        };
        if (!child.waitForReadyRead(10000)) FAIL() << child.readAllStandardError().toStdString();
        clock.start();
        const qint64 killAt = std::uniform_int_distribution<qint64>(0, 3 * kDelay)(random);
        while (clock.elapsed() < killAt) {
            child.waitForReadyRead(
                static_cast<int>(std::max<qint64>(1, std::min<qint64>(20, killAt - clock.elapsed()))));
            readLines();
        }
        const qint64 killedAt = clock.elapsed();
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();

        long owed = 0; // the newest edit made more than the delay before the kill
        for (const auto& [number, at] : edits)
            if (at <= killedAt - kDelay) owed = number;
        TRecoveryStore after(folder);
        const QList<TRecoveryCopy> copies = after.LeftCopies();
        ASSERT_LE(copies.size(), 1);
        if (copies.isEmpty()) {
            EXPECT_EQ(owed, 0) << "no copy, though edit " << owed << " was made " << kDelay
                               << " ms before the kill";
        } else {
            ++killsWithCopy;
            TScene back;
            TErrorLog log;
            ASSERT_NO_THROW(TRecoveryStore::Read(back, copies[0], log));
            EXPECT_TRUE(back.Incomplete.isEmpty()) << back.Incomplete.toStdString();
            ASSERT_EQ(back.Layers.Count(), layers);
            EXPECT_GE(back.Layers.At(0)->Left, owed);
            EXPECT_EQ(back.ProjectDir, QDir(Dir.path()).absolutePath());
        }
        if (HasFailure()) break;
    }
    EXPECT_GT(killsWithCopy, 0) << "no kill came late enough to find a copy";
}

} // namespace
