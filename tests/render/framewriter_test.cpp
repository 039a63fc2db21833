// The frame writers: PNG frames and the animated WebP, written whole or not at all.
#include "render/framewriter.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
#include <webp/decode.h>
#include <webp/demux.h>

using namespace velkon;
using namespace velkon::test;

namespace {

// A small frame whose pixels say which frame and where they are.
std::vector<uint8_t> Frame(int w, int h, int k) {
    std::vector<uint8_t> rgba(static_cast<size_t>(w * h * 4));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &rgba[static_cast<size_t>((y * w + x) * 4)];
            p[0] = static_cast<uint8_t>(x * 10 + k);
            p[1] = static_cast<uint8_t>(y * 20);
            p[2] = static_cast<uint8_t>(40 * k);
            p[3] = static_cast<uint8_t>(x == 0 ? 128 : 255);
        }
    return rgba;
}

std::vector<uint8_t> ReadPng(const QString& path, int& w, int& h) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const QByteArray name = QFile::encodeName(path);
    if (!png_image_begin_read_from_file(&image, name.constData())) return {};
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) return {};
    w = static_cast<int>(image.width);
    h = static_cast<int>(image.height);
    return rgba;
}

struct TDecodedWebp {
    int Width = 0, Height = 0, Frames = 0;
    std::vector<int> Times;                       // start of each frame
    std::vector<std::vector<uint8_t>> Pixels;     // RGBA per frame
};

TDecodedWebp DecodeWebp(const QByteArray& bytes) {
    TDecodedWebp out;
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (!decoder) return out;
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(decoder, &info);
    out.Width = static_cast<int>(info.canvas_width);
    out.Height = static_cast<int>(info.canvas_height);
    out.Frames = static_cast<int>(info.frame_count);
    int previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* buf = nullptr;
        int timestamp = 0; // the end of the frame
        if (!WebPAnimDecoderGetNext(decoder, &buf, &timestamp)) break;
        out.Times.push_back(previous);
        previous = timestamp;
        out.Pixels.emplace_back(buf, buf + out.Width * out.Height * 4);
    }
    WebPAnimDecoderDelete(decoder);
    return out;
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(FrameWriter, PngFramesAreNumberedAndHoldTheFrames) {
    QTemporaryDir dir;
    TFrameSinkOptions o;
    o.OutDir = dir.path() + "/out/frames"; // made with its parent
    auto sink = TFrameSink::Create(o);
    QString error;
    for (int k = 0; k < 3; ++k) {
        const auto f = Frame(5, 3, k);
        ASSERT_TRUE(sink->Add(f.data(), 5, 3, &error)) << error.toStdString();
    }
    ASSERT_TRUE(sink->Finish(&error)) << error.toStdString();
    EXPECT_EQ(Entries(o.OutDir), (QStringList{"frame_00000.png", "frame_00001.png", "frame_00002.png"}));
    EXPECT_EQ(sink->Paths().size(), 3);
    for (int k = 0; k < 3; ++k) {
        int w = 0, h = 0;
        const auto rgba = ReadPng(QDir(o.OutDir).filePath(PngFrameName(k)), w, h);
        EXPECT_EQ(w, 5);
        EXPECT_EQ(h, 3);
        EXPECT_EQ(rgba, Frame(5, 3, k)) << "frame " << k;
    }
    sink.reset(); // finished: the frames stay
    EXPECT_EQ(Entries(o.OutDir).size(), 3);
}

TEST(FrameWriter, LosslessWebpKeepsEveryFrameAndItsTime) {
    QTemporaryDir dir;
    TFrameSinkOptions o;
    o.Format = TFrameFormat::Webp;
    o.OutDir = dir.path();
    o.Name = "Jelenet";
    o.Fps = 30;
    auto sink = TFrameSink::Create(o);
    QString error;
    for (int k = 0; k < 4; ++k) {
        const auto f = Frame(6, 4, k);
        ASSERT_TRUE(sink->Add(f.data(), 6, 4, &error)) << error.toStdString();
    }
    EXPECT_EQ(Entries(dir.path()), QStringList{}) << "nothing is written before Finish";
    ASSERT_TRUE(sink->Finish(&error)) << error.toStdString();
    ASSERT_EQ(sink->Paths(), QStringList{dir.filePath("Jelenet.webp")});
    EXPECT_EQ(Entries(dir.path()), QStringList{"Jelenet.webp"});
    const TDecodedWebp webp = DecodeWebp(ReadFile(dir.filePath("Jelenet.webp")));
    EXPECT_EQ(webp.Width, 6);
    EXPECT_EQ(webp.Height, 4);
    ASSERT_EQ(webp.Frames, 4);
    ASSERT_EQ(webp.Pixels.size(), 4u);
    // 1000/30 ms apart, each start rounded to whole ms.
    EXPECT_EQ(webp.Times, (std::vector<int>{0, 33, 67, 100}));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(webp.Pixels[static_cast<size_t>(k)], Frame(6, 4, k)) << "frame " << k;
}

TEST(FrameWriter, LossyWebpIsCloseAndSmaller) {
    QTemporaryDir dir;
    const int w = 64, h = 64;
    std::vector<uint8_t> frame(w * h * 4);
    uint32_t noise = 2463534242u;
    for (int i = 0; i < w * h; ++i) {
        noise ^= noise << 13;
        noise ^= noise >> 17;
        noise ^= noise << 5;
        frame[static_cast<size_t>(i * 4)] = static_cast<uint8_t>((i % w) * 4);
        frame[static_cast<size_t>(i * 4 + 1)] = static_cast<uint8_t>((i / w) * 4);
        frame[static_cast<size_t>(i * 4 + 2)] = static_cast<uint8_t>(noise); // hard for lossless
        frame[static_cast<size_t>(i * 4 + 3)] = 255;
    }
    QByteArray sizes[2];
    for (int lossy = 0; lossy < 2; ++lossy) {
        TFrameSinkOptions o;
        o.Format = TFrameFormat::Webp;
        o.OutDir = dir.filePath(QString::number(lossy));
        o.Name = "a";
        o.Quality = lossy ? 50 : -1;
        auto sink = TFrameSink::Create(o);
        QString error;
        ASSERT_TRUE(sink->Add(frame.data(), w, h, &error));
        ASSERT_TRUE(sink->Finish(&error));
        sizes[lossy] = ReadFile(sink->Paths().value(0));
    }
    EXPECT_LT(sizes[1].size(), sizes[0].size());
    const TDecodedWebp lossy = DecodeWebp(sizes[1]);
    ASSERT_EQ(lossy.Frames, 1);
    // Green runs smoothly down the frame: lossy keeps it within a few levels on average.
    double sum = 0;
    for (int i = 0; i < w * h; ++i)
        sum += std::abs(int(lossy.Pixels[0][static_cast<size_t>(i * 4 + 1)]) - int(frame[static_cast<size_t>(i * 4 + 1)]));
    EXPECT_LE(sum / (w * h), 8.0);
    EXPECT_NE(DecodeWebp(sizes[1]).Pixels[0], frame) << "quality was ignored";
}

TEST(FrameWriter, CancelAndDropRemoveWhatTheRunWrote) {
    for (const TFrameFormat format : {TFrameFormat::Png, TFrameFormat::Webp})
        for (const bool finishFirst : {false, true})
            for (const bool explicitCancel : {false, true}) {
                if (finishFirst && !explicitCancel) continue; // finished and dropped: kept (above)
                QTemporaryDir dir;
                WriteFile(dir.filePath("mine.txt"), "keep");
                TFrameSinkOptions o;
                o.Format = format;
                o.OutDir = dir.filePath("made/here");
                o.Name = "x";
                auto sink = TFrameSink::Create(o);
                QString error;
                for (int k = 0; k < 2; ++k) {
                    const auto f = Frame(4, 4, k);
                    ASSERT_TRUE(sink->Add(f.data(), 4, 4, &error));
                }
                if (finishFirst) {
                    ASSERT_TRUE(sink->Finish(&error));
                }
                if (explicitCancel)
                    sink->Cancel();
                else
                    sink.reset();
                EXPECT_EQ(Entries(dir.path()), QStringList{"mine.txt"})
                    << "format " << int(format) << " finish " << finishFirst << " cancel " << explicitCancel;
            }
}

TEST(FrameWriter, FailuresAreReportedAndLeaveNothing) {
    QTemporaryDir dir;
    QString error;
    const auto f = Frame(4, 4, 0);
    const auto g = Frame(5, 4, 0);
    {   // Frames of another size.
        TFrameSinkOptions o;
        o.OutDir = dir.filePath("sizes");
        auto sink = TFrameSink::Create(o);
        ASSERT_TRUE(sink->Add(f.data(), 4, 4, &error));
        EXPECT_FALSE(sink->Add(g.data(), 5, 4, &error));
        EXPECT_TRUE(error.contains("5x4")) << error.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("sizes")));
    for (const TFrameFormat format : {TFrameFormat::Png, TFrameFormat::Webp}) {
        // A file where the folder should be.
        WriteFile(dir.filePath("file"), "x");
        TFrameSinkOptions o;
        o.Format = format;
        o.OutDir = dir.filePath("file");
        auto sink = TFrameSink::Create(o);
        error.clear();
        EXPECT_FALSE(sink->Add(f.data(), 4, 4, &error));
        EXPECT_FALSE(error.isEmpty());
        // Nothing added: nothing to finish.
        auto empty = TFrameSink::Create(o);
        EXPECT_FALSE(empty->Finish(&error));
    }
    if (geteuid() != 0) {   // root writes anywhere
        const QString locked = dir.filePath("locked");
        QDir().mkdir(locked);
        chmod(QFile::encodeName(locked).constData(), 0555);
        for (const TFrameFormat format : {TFrameFormat::Png, TFrameFormat::Webp}) {
            TFrameSinkOptions o;
            o.Format = format;
            o.OutDir = locked;
            auto sink = TFrameSink::Create(o);
            error.clear();
            EXPECT_FALSE(sink->Add(f.data(), 4, 4, &error)) << int(format);
            EXPECT_FALSE(error.isEmpty());
        }
        EXPECT_EQ(Entries(locked), QStringList{});
        chmod(QFile::encodeName(locked).constData(), 0755);
    }
}

TEST(FrameWriter, WebpRefusesSidesItCannotHold) {
    QTemporaryDir dir;
    TFrameSinkOptions o;
    o.Format = TFrameFormat::Webp;
    o.OutDir = dir.path();
    auto sink = TFrameSink::Create(o);
    std::vector<uint8_t> wide(static_cast<size_t>(TWebpAnimation::MaxSide + 1) * 4);
    QString error;
    EXPECT_FALSE(sink->Add(wide.data(), TWebpAnimation::MaxSide + 1, 1, &error));
    EXPECT_TRUE(error.contains("16384x1")) << error.toStdString();
}

} // namespace
