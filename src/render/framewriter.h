#pragma once

#include <QString>
#include <QStringList>
#include <QByteArray>
#include <cstdint>
#include <memory>

namespace velkon {

enum class TFrameFormat { Png, Webp };

struct TFrameSinkOptions {
    TFrameFormat Format = TFrameFormat::Png;
    QString OutDir;      // made (with its parents) when missing
    QString Name;        // the animation is <Name>.webp; PNG frames are frame_00000.png ...
    int Fps = 30;        // the animation's frame timing
    int Quality = -1;    // -1: lossless; 0..100: lossy WebP quality
};

// Where rendered frames go, in order. Nothing half-written ever stays on disk:
// every file is written whole through a temporary and a rename, and a run that
// is cancelled (or dropped without Finish) removes what it wrote.
class TFrameSink {
public:
    static std::unique_ptr<TFrameSink> Create(const TFrameSinkOptions& options);
    virtual ~TFrameSink();
    TFrameSink(const TFrameSink&) = delete;
    TFrameSink& operator=(const TFrameSink&) = delete;

    // rgba: width*height*4 bytes, top row first. Every frame of a run has the
    // size of the first. Returns false with *error set on failure.
    virtual bool Add(const uint8_t* rgba, int width, int height, QString* error) = 0;
    // Writes what is still due (the animation) and commits the run; Paths()
    // then lists the written files.
    virtual bool Finish(QString* error) = 0;
    // Removes whatever this run wrote (also after Finish) and the folders it made.
    virtual void Cancel() = 0;
    virtual QStringList Paths() const = 0;

protected:
    TFrameSink() = default;
};

// A PNG file's bytes of an RGBA image, top row first; empty on failure.
QByteArray EncodePng(const uint8_t* rgba, int width, int height);

// An animated WebP built in memory, frame by frame (libwebp's WebPAnimEncoder).
class TWebpAnimation {
public:
    // quality -1: lossless; 0..100: lossy.
    TWebpAnimation(int width, int height, int quality);
    ~TWebpAnimation();
    TWebpAnimation(const TWebpAnimation&) = delete;
    TWebpAnimation& operator=(const TWebpAnimation&) = delete;

    // Adds a frame shown from timeMs on (ascending times). False with *error on failure.
    bool Add(const uint8_t* rgba, int timeMs, QString* error);
    // The whole file; endMs is when the last frame ends. Empty with *error on failure.
    QByteArray Assemble(int endMs, QString* error);

    // The largest side a WebP can have.
    static constexpr int MaxSide = 16383;

private:
    struct TData;
    std::unique_ptr<TData> d_;
};

// The file name of PNG frame k: frame_00000.png, frame_00001.png ...
QString PngFrameName(int k);

} // namespace velkon
