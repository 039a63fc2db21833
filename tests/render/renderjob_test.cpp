// The render job on its own: frame times, the end at the automatic stop,
// progress, cancel and other frame sources (what a dialog needs of it).
#include "fixtures.h"

#include "edit/editorstate.h"
#include "edit/resolutions.h"
#include "model/errorlog.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "project/projectfile.h"
#include "render/framewriter.h"
#include "render/renderjob.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace velkon;
using namespace velkon::test;

namespace {

TEST(RenderJob, FrameTimesRoundHalvesToEven) {
    struct TCase {
        int32_t From, To;
        int Fps;
        QList<int32_t> Times;
    };
    const std::vector<TCase> cases{
        {0, 100, 30, {0, 33, 67, 100}},
        {0, 10, 400, {0, 2, 5, 8, 10}},   // 2.5 -> 2, 7.5 -> 8
        {250, 250, 30, {250}},
        {100, 150, 10, {100}},
        {0, 1000, 1, {0, 1000}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TRenderJob::FrameTimes(c.From, c.To, c.Fps), c.Times) << c.From << ".." << c.To << " @" << c.Fps;
}

TEST(RenderJob, MaxFramesCountsWhatFrameTimesLists) {
    TScene scene;
    TEditorState state(scene);
    for (int fps : {1, 3, 7, 24, 30, 60, 400, 1000})
        for (int32_t to : {0, 1, 2, 99, 100, 1000, 1001, 1999, 10000}) {
            TRenderJobOptions o;
            o.Fps = fps;
            o.From = 1;
            o.To = to + 1;
            EXPECT_EQ(TRenderJob(state, o).MaxFrames(), TRenderJob::FrameTimes(1, to + 1, fps).size())
                << fps << " fps to " << to;
        }
    // Without an end: up to 10 s.
    TRenderJobOptions o;
    EXPECT_EQ(TRenderJob(state, o).MaxFrames(), 301);
    // A span of weeks at 1000 fps is counted without listing it.
    o.To = std::numeric_limits<int32_t>::max();
    o.Fps = 1000;
    EXPECT_EQ(TRenderJob(state, o).MaxFrames(), std::numeric_limits<int32_t>::max());
}

// A scene whose Mover moves for a second and then stops by itself at 1000 ms.
class RenderJobTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TScene scene;
    TErrorLog log;
    std::unique_ptr<TEditorState> state;

    void SetUp() override {
        TFixtureLayer mover{"Mover", "quad.png", 20, 80, 80, 40};
        mover.Commands = {"1:1:440:80:1"};
        ReadProject(scene, WriteFixtureProject(dir.path(), "Scene", {mover}), log);
        state = std::make_unique<TEditorState>(scene);
        ApplyResolution(*state, scene.Resolution);
    }

    // Runs the job with a frame source that records where Mover is instead of drawing.
    std::vector<std::pair<int32_t, double>> Positions(TRenderJobOptions o, int* frames = nullptr) {
        TRenderJob job(*state, o);
        std::vector<std::pair<int32_t, double>> seen;
        int32_t now = -1;
        job.OnProgress = [&](int, int32_t time, int) { seen.back().first = time; };
        job.DrawFrame = [&](uint8_t*, int, int, QString*) {
            seen.emplace_back(now, scene.Layers.Find("Mover")->Left);
            return true;
        };
        QString error;
        EXPECT_TRUE(job.Run([](const uint8_t*, int, int, QString*) { return true; }, &error)) << error.toStdString();
        if (frames) *frames = job.Frames;
        return seen;
    }
};

TEST_F(RenderJobTest, WithoutAnEndTheLastFrameIsTheOneAtTheStop) {
    TRenderJobOptions o;
    o.Fps = 4; // 0, 250, 500, 750, 1000
    int frames = 0;
    const auto seen = Positions(o, &frames);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(seen[2], std::make_pair(int32_t(500), 230.0));
    // At 1000 the playback has stopped and put Mover back, as the editor does.
    EXPECT_EQ(seen[4], std::make_pair(int32_t(1000), 20.0));
    // A grid that misses the stop ends before it: 100, 350, 600, 850 (1100 is past it).
    o.From = 100;
    EXPECT_EQ(Positions(o).back().first, 850);
    o.From = 0;
    o.Fps = 6; // 0, 167, 333, 500, 667, 833, 1000
    EXPECT_EQ(Positions(o).back().first, 1000);
}

TEST_F(RenderJobTest, AnEndPastTheStopShowsTheStoppedScene) {
    TRenderJobOptions o;
    o.Fps = 2;
    o.To = 2000;
    const auto seen = Positions(o);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[1].second, 230.0);
    EXPECT_EQ(seen[3].second, 20.0);
    EXPECT_EQ(seen[4], std::make_pair(int32_t(2000), 20.0));
    // The scene is as it was before the run.
    EXPECT_EQ(scene.Layers.Find("Mover")->Left, 20.0);
    EXPECT_FALSE(scene.Playing);
}

TEST_F(RenderJobTest, ProgressAndCancelLeaveNothingOnDisk) {
    TRenderJobOptions o;
    o.Fps = 10;
    TRenderJob job(*state, o);
    EXPECT_EQ(job.MaxFrames(), 101); // without an end: at most 10 s
    std::vector<int> progress;
    job.OnProgress = [&](int frame, int32_t time, int total) {
        EXPECT_EQ(time, frame * 100);
        EXPECT_EQ(total, 101);
        progress.push_back(frame);
        if (frame == 2) job.Cancel();
    };
    TFrameSinkOptions so;
    so.OutDir = dir.filePath("frames");
    auto sink = TFrameSink::Create(so);
    QString error;
    EXPECT_FALSE(job.Run(*sink, &error));
    EXPECT_EQ(error, "megszakítva");
    EXPECT_EQ(progress, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(QDir(so.OutDir).exists()) << "the cancelled run's frames and folder are gone";
    EXPECT_EQ(scene.Layers.Find("Mover")->Left, 20.0);
}

TEST_F(RenderJobTest, AFrameSourceThatFailsStopsTheRun) {
    TRenderJobOptions o;
    o.To = 500;
    TRenderJob job(*state, o);
    int calls = 0;
    job.DrawFrame = [&](uint8_t*, int, int, QString* error) {
        if (++calls < 3) return true;
        *error = "no frame";
        return false;
    };
    TFrameSinkOptions so;
    so.OutDir = dir.filePath("frames");
    auto sink = TFrameSink::Create(so);
    QString error;
    EXPECT_FALSE(job.Run(*sink, &error));
    EXPECT_EQ(error, "no frame");
    EXPECT_EQ(job.Frames, 2);
    EXPECT_FALSE(QDir(so.OutDir).exists());
}

TEST_F(RenderJobTest, TheSceneCanBeRenderedAgainAfterARun) {
    // The offscreen surface hands the textures back: a second job draws them too.
    TRenderJobOptions o;
    o.To = 0;
    std::vector<uint8_t> frames[2];
    for (auto& frame : frames) {
        TRenderJob job(*state, o);
        QString error;
        ASSERT_TRUE(job.Run(
            [&](const uint8_t* rgba, int w, int h, QString*) {
                frame.assign(rgba, rgba + static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
                return true;
            },
            &error))
            << error.toStdString();
    }
    EXPECT_EQ(frames[0], frames[1]);
    const size_t red = static_cast<size_t>((90 * 512 + 30) * 4);
    EXPECT_EQ(frames[1][red], 220) << "the picture is drawn the second time too";
}

} // namespace
