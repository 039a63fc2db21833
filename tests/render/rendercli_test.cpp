// `velkon render` as a program: run with no DISPLAY, its exit codes, the
// frames it writes and their times, the WebP, and nothing left on failure.
#include "fixtures.h"

#include "render/framewriter.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <webp/decode.h>
#include <webp/demux.h>

using namespace velkon;
using namespace velkon::test;

namespace {

struct TResult {
    int Code = -1;
    QString Out, Err;
};

#ifdef VELKON_CLI
TResult Velkon(const QStringList& args, const char* lang = "en_US.UTF-8") {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY"); // no X server for the renderer
    env.remove("WAYLAND_DISPLAY");
    // The messages below are checked in English; the Hungarian ones in tests/cli.
    env.remove("LANGUAGE");
    env.remove("LC_ALL");
    env.insert("LANG", lang);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELKON_CLI), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
TResult Render(const QStringList& args) { return Velkon(QStringList{"render"} + args); }
#endif

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Mover goes from (20, 80) to (440, 80) in a second; nothing else runs, so
// the playback stops by itself at 1000 ms and the layers go back.
class RenderCli : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString project, out;

    void SetUp() override {
#ifndef VELKON_CLI
        GTEST_SKIP() << "the velkon command line is not built";
#endif
        TFixtureLayer mover{"Mover", "quad.png", 20, 80, 80, 40};
        mover.Commands = {"1:1:440:80:1"};
        TFixtureLayer button{"Button", "glass.png", 200, 250, 80, 40};
        button.Commands = {"4:1:200:50:1"};
        project = WriteFixtureProject(dir.path(), "Scene", {mover, button});
        out = dir.filePath("out");
    }

    TFrame Frame(int k) const {
        TFrame f;
        EXPECT_TRUE(ReadPngFrame(QDir(out).filePath(PngFrameName(k)), f)) << k;
        return f;
    }
    static TFrame At(const QString& project, int32_t time, const QList<QPair<QString, int32_t>>& touches = {}) {
        TFrame f;
        QString error;
        EXPECT_TRUE(RenderAt(project, time, touches, f, &error)) << error.toStdString();
        return f;
    }
};

// The compression of each frame of an animated WebP: 1 lossy, 2 lossless.
std::vector<int> FrameFormats(const QByteArray& bytes) {
    std::vector<int> formats;
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
    WebPDemuxer* demux = WebPDemux(&data);
    if (!demux) return formats;
    WebPIterator it;
    if (WebPDemuxGetFrame(demux, 1, &it)) {
        do {
            WebPBitstreamFeatures features;
            if (WebPGetFeatures(it.fragment.bytes, it.fragment.size, &features) == VP8_STATUS_OK)
                formats.push_back(features.format);
        } while (WebPDemuxNextFrame(&it));
        WebPDemuxReleaseIterator(&it);
    }
    WebPDemuxDelete(demux);
    return formats;
}

} // namespace

#ifdef VELKON_CLI

TEST_F(RenderCli, DefaultsRenderUntilTheSceneStopsAt30Fps) {
    const TResult r = Render({project, out});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    // 0, 33, 67, ... 1000: 31 frames; the one at the stop shows the scene as
    // the editor shows it after playback, the layers back where they were.
    QStringList expected;
    for (int k = 0; k <= 30; ++k) expected << PngFrameName(k);
    EXPECT_EQ(Entries(out), expected);
    const TFrame first = Frame(0), middle = Frame(15), last = Frame(30);
    EXPECT_EQ(first.Width, 512);
    EXPECT_EQ(first.Height, 384);
    EXPECT_NE(middle.Rgba, first.Rgba);
    EXPECT_EQ(last.Rgba, first.Rgba);
    // Not a terminal: no progress line.
    EXPECT_FALSE(r.Err.contains('\r')) << r.Err.toStdString();
}

TEST_F(RenderCli, FrameKIsAtFromPlusKThousandthsOverFps) {
    const TResult r = Render({project, out, "--fps", "30", "--from", "100", "--to", "300", "--touch", "Button@100"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    // 100, 133, 167, 200, 233, 267, 300 (halves of a ms cannot occur at 30 fps; thirds round).
    const std::vector<int32_t> times{100, 133, 167, 200, 233, 267, 300};
    ASSERT_EQ(Entries(out).size(), times.size());
    for (size_t k = 0; k < times.size(); ++k) {
        QString why;
        EXPECT_TRUE(FramesAgree(Frame(static_cast<int>(k)), At(project, times[k], {{"Button", 100}}), 0, 0, &why))
            << "frame " << k << " is not the scene at " << times[k] << " ms: " << why.toStdString();
    }
    // The touch moved the button: without it frame 6 differs.
    EXPECT_NE(Frame(6).Rgba, At(project, 300).Rgba);
}

TEST_F(RenderCli, SizeScalesTheFrame) {
    const TResult r = Render({project, out, "--to", "0", "--size", "256x192"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    const TFrame f = Frame(0);
    EXPECT_EQ(f.Width, 256);
    EXPECT_EQ(f.Height, 192);
    // Mover's red quadrant: target (30, 90) is (15, 45) here.
    const size_t i = static_cast<size_t>((45 * 256 + 15) * 4);
    EXPECT_EQ(std::vector<uint8_t>(f.Rgba.begin() + i, f.Rgba.begin() + i + 3), (std::vector<uint8_t>{220, 30, 30}));
}

TEST_F(RenderCli, WebpHoldsTheFramesAndDecodes) {
    const TResult r = Render({project, out, "--format", "webp", "--fps", "10", "--to", "500"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    ASSERT_EQ(Entries(out), QStringList{"Scene.webp"});
    const QByteArray bytes = ReadFile(QDir(out).filePath("Scene.webp"));
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    ASSERT_NE(decoder, nullptr);
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(decoder, &info);
    EXPECT_EQ(info.canvas_width, 512u);
    EXPECT_EQ(info.canvas_height, 384u);
    EXPECT_EQ(info.frame_count, 6u); // 0, 100, ... 500: every frame differs
    TFrame frame{512, 384, {}};
    int end = 0, frames = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* pixels = nullptr;
        ASSERT_TRUE(WebPAnimDecoderGetNext(decoder, &pixels, &end));
        frame.Rgba.assign(pixels, pixels + 512 * 384 * 4);
        ++frames;
    }
    WebPAnimDecoderDelete(decoder);
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(end, 600); // the last frame lasts 1000/fps too
    QString why;
    EXPECT_TRUE(FramesAgree(frame, At(project, 500), 0, 0, &why)) << "lossless: " << why.toStdString();

    const QString lossyOut = dir.filePath("lossy");
    const TResult lossy = Render({project, lossyOut, "--format", "webp", "--fps", "10", "--to", "500", "--quality", "40"});
    ASSERT_EQ(lossy.Code, 0) << lossy.Err.toStdString();
    EXPECT_EQ(FrameFormats(bytes), (std::vector<int>(6, 2))) << "lossless by default";
    EXPECT_EQ(FrameFormats(ReadFile(QDir(lossyOut).filePath("Scene.webp"))), (std::vector<int>(6, 1)))
        << "lossy with --quality";
}

TEST_F(RenderCli, ExitCodes) {
    struct TCase {
        const char* What;
        QStringList Args;
        int Code;
        const char* Says;
    };
    const QString missing = dir.filePath("missing.VKP");
    const std::vector<TCase> cases{
        {"nothing", {}, 2, "usage: velkon render"},
        {"no OUTDIR", {project}, 2, "usage: velkon render"},
        {"three places", {project, out, "more"}, 2, "unexpected argument"},
        {"fps 0", {project, out, "--fps", "0"}, 2, "--fps"},
        {"fps missing", {project, out, "--fps"}, 2, "--fps needs a value"},
        {"to before from", {project, out, "--from", "500", "--to", "100"}, 2, "before --from"},
        {"bad size", {project, out, "--size", "10x"}, 2, "--size"},
        {"bad format", {project, out, "--format", "gif"}, 2, "--format"},
        {"quality for png", {project, out, "--quality", "50"}, 2, "webp only"},
        {"quality 101", {project, out, "--format", "webp", "--quality", "101"}, 2, "--quality"},
        {"bad touch", {project, out, "--touch", "Mover"}, 2, "LAYER@MS"},
        {"unknown layer", {project, out, "--touch", "Nobody@100"}, 2, "no such layer: Nobody"},
        {"unknown option", {project, out, "--step", "5"}, 2, "unexpected argument"},
        {"missing project", {missing, out}, 1, "cannot read the project"},
    };
    for (const TCase& c : cases) {
        const TResult r = Render(c.Args);
        EXPECT_EQ(r.Code, c.Code) << c.What << "\n" << r.Err.toStdString();
        EXPECT_TRUE(r.Err.contains(c.Says)) << c.What << "\n" << r.Err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << c.What << " wrote something";
    }
    // The same messages in the program's own language.
    const TResult hungarian = Velkon({"render", project, out, "--fps", "0"}, "hu_HU.UTF-8");
    EXPECT_EQ(hungarian.Code, 2);
    EXPECT_TRUE(hungarian.Err.contains("--fps: a(z) \"0\" nem 1 és 1000 közötti egész szám\nhasználat: velkon render"))
        << hungarian.Err.toStdString();
    const TResult help = Velkon({"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_TRUE(help.Out.contains("velkon render PROJECT.VKP OUTDIR [--fps N]")) << help.Out.toStdString();
}

TEST_F(RenderCli, AFailedRunLeavesNothingOfItself) {
    // OUTDIR is a file; OUTDIR is under a file; the third frame's name is
    // taken by a folder of the user's (the first two were written, then removed).
    ASSERT_TRUE(WriteFile(dir.filePath("afile"), "x"));
    const QString blocked = dir.filePath("blocked");
    ASSERT_TRUE(QDir().mkpath(blocked + "/" + PngFrameName(2)));
    for (const char* format : {"png", "webp"}) {
        const QStringList before = Entries(dir.path());
        for (const QString& target : {dir.filePath("afile"), dir.filePath("afile/sub")}) {
            const TResult r = Render({project, target, "--format", format});
            EXPECT_EQ(r.Code, 1) << format << " " << target.toStdString() << "\n" << r.Err.toStdString();
            EXPECT_FALSE(r.Err.isEmpty());
        }
        EXPECT_EQ(Entries(dir.path()), before) << format;
    }
    const TResult r = Render({project, blocked, "--fps", "10"});
    EXPECT_EQ(r.Code, 1) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(PngFrameName(2))) << r.Err.toStdString();
    EXPECT_EQ(Entries(blocked), QStringList{PngFrameName(2)});
}

#endif
