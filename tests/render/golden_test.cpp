// Golden frames: small scenes rendered offscreen (no display) at chosen
// times and compared with stored frames in tests/data/golden, within a small
// per-pixel tolerance.
//
// To regenerate the stored frames after an intended change of the drawing,
// run (and look at every changed PNG before committing it):
//   VELKON_UPDATE_GOLDEN=1 build/test/tests/test_render --gtest_filter='Golden*'

#include "fixtures.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkon;
using namespace velkon::test;

namespace {

struct TGoldenScene {
    const char* Name;
    std::vector<TFixtureLayer> Layers;
    std::vector<int32_t> Times;
    QList<QPair<QString, int32_t>> Touches;
};

std::vector<TGoldenScene> Scenes() {
    TFixtureLayer rotate{"Turn", "quad.png", 200, 150, 80, 40};
    rotate.OrigoX = 10;   // the origin is the picture's (10, 5): not its centre
    rotate.OrigoY = 5;
    rotate.Commands = {"1:4:90:1"};          // Rotate 90 degrees in 1 s

    TFixtureLayer under{"Under", "quad.png", 100, 100, 160, 80};
    TFixtureLayer glass{"Glass", "glass.png", 140, 120, 160, 80};
    glass.Alpha = 200;
    glass.Commands = {"1:13:0:1"};          // FadeTo 0 in 1 s
    TFixtureLayer faint{"Faint", "quad.png", 320, 220, 80, 40, 100};

    std::vector<TFixtureLayer> flips;
    for (int f = 0; f < 4; ++f) {
        TFixtureLayer l{QStringLiteral("Flip%1").arg(f), "quad.png", 60 + 120 * f, 150, 80, 40};
        l.OrigoX = 20; // the picture's centre: a flip turns the layer in its place
        l.OrigoY = 10;
        // Flip 0..3, then wait so that the playback goes on.
        l.Commands = {QStringLiteral("1:10:%1").arg(f), "1:6:1"};
        flips.push_back(l);
    }

    TFixtureLayer parent{"Body", "quad.png", 100, 100, 120, 60};
    parent.Commands = {"1:2:200:100:1"};     // RelativeMoveTo +200, +100 in 1 s
    TFixtureLayer child{"Arm", "glass.png", 180, 130, 80, 40};
    child.Parent = "Body";
    child.Commands = {"1:2:200:100:1"};      // the pair moves together

    TFixtureLayer linear{"Linear", "quad.png", 20, 80, 40, 20};
    linear.Commands = {"1:1:440:80:1"};      // MoveTo (440, 80) in 1 s
    TFixtureLayer eased{"Eased", "quad.png", 20, 200, 40, 20};
    eased.Commands = {"1:17:5", "1:1:440:200:1"}; // Accelerate 5, then the same move

    TFixtureLayer button{"Button", "quad.png", 50, 50, 80, 40};
    button.Commands = {"4:1:350:250:1", "4:13:60:1"}; // on touch: move, then fade
    TFixtureLayer still{"Still", "glass.png", 300, 60, 80, 40};
    still.Commands = {"1:6:3"};             // Wait 3 s: the playback runs while the touch plays

    return {
        {"rotate", {rotate}, {0, 250, 750}, {}},
        {"alpha", {under, glass, faint}, {0, 500}, {}},
        {"flip", flips, {100}, {}},
        {"parent", {parent, child}, {0, 500, 900}, {}},
        {"ease", {linear, eased}, {250, 500, 750}, {}},
        {"touch", {button, still}, {100, 800, 1600}, {{"Button", 300}}},
    };
}

TEST(Golden, RendersWithoutAnyDisplay) {
    // The test main removed them; every frame below comes from the EGL surface.
    EXPECT_EQ(qgetenv("DISPLAY"), QByteArray());
    EXPECT_EQ(qgetenv("WAYLAND_DISPLAY"), QByteArray());
    QTemporaryDir dir;
    TFixtureLayer l{"A", "quad.png", 0, 0, 40, 20};
    TFrame frame;
    QString error;
    ASSERT_TRUE(RenderAt(WriteFixtureProject(dir.path(), "one", {l}), 0, {}, frame, &error)) << error.toStdString();
    EXPECT_EQ(frame.Width, 512);
    EXPECT_EQ(frame.Height, 384);
    // The picture's top-left quadrant (red) at the top-left, the background beyond it.
    EXPECT_EQ(std::vector<uint8_t>(frame.Rgba.begin(), frame.Rgba.begin() + 4), (std::vector<uint8_t>{220, 30, 30, 255}));
    const size_t far = static_cast<size_t>((300 * 512 + 400) * 4);
    EXPECT_EQ(std::vector<uint8_t>(frame.Rgba.begin() + far, frame.Rgba.begin() + far + 4),
              (std::vector<uint8_t>{0xF0, 0xC8, 0xA0, 255}))
        << "the project's background colour F0C8A0";
}

TEST(Golden, FramesMatchTheStoredOnes) {
    const bool update = qEnvironmentVariableIsSet("VELKON_UPDATE_GOLDEN");
    const QString goldenDir = QStringLiteral(VELKON_TEST_DATA) + "/golden";
    for (const TGoldenScene& scene : Scenes()) {
        QTemporaryDir dir;
        const QString project = WriteFixtureProject(dir.path(), scene.Name, scene.Layers);
        std::vector<TFrame> frames;
        for (int32_t time : scene.Times) {
            TFrame frame;
            QString error;
            ASSERT_TRUE(RenderAt(project, time, scene.Touches, frame, &error)) << scene.Name << ": " << error.toStdString();
            const QString path = QStringLiteral("%1/%2_%3.png").arg(goldenDir, scene.Name).arg(time);
            if (update) {
                ASSERT_TRUE(WritePngFrame(path, frame)) << path.toStdString();
                continue;
            }
            TFrame expected;
            ASSERT_TRUE(ReadPngFrame(path, expected)) << "missing golden frame " << path.toStdString();
            QString why;
            // Channels may differ by a few levels and a few edge pixels a little more.
            EXPECT_TRUE(FramesAgree(frame, expected, 3, 40, &why))
                << scene.Name << " at " << time << " ms: " << why.toStdString() << "\n  stored: " << path.toStdString();
            // A frame that no longer moves with time would pass against a stale golden of its own.
            for (const TFrame& before : frames)
                EXPECT_NE(before.Rgba, frame.Rgba) << scene.Name << " at " << time << " ms equals an earlier frame";
            frames.push_back(std::move(frame));
        }
    }
}

} // namespace
