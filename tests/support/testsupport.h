#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <QTemporaryDir>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace velkon::test {

// Writes an 8-bit PNG of the given colour type (2 RGB, 6 RGBA, 0 grey...),
// filled with one colour. Returns false when it cannot be written.
bool WritePng(const QString& path, int width, int height, int colorType,
              std::vector<uint8_t> rgba = {255, 0, 0, 255});

// Writes a PNG whose sample (x, y, channel) is sample(x, y, channel), at 8 or
// 16 bits (both bytes of a 16-bit sample alike). A palette picture (type 3)
// gets a one-colour palette of palette's first three bytes.
bool WritePng(const QString& path, int width, int height, int colorType, int bitDepth,
              const std::function<uint8_t(int x, int y, int channel)>& sample,
              const std::vector<uint8_t>& palette = {});

// Writes a canonical 44-byte-header PCM WAV file.
bool WriteWav(const QString& path, int channels, int rate, int bits, const QByteArray& samples);

// A FIFO with no writer at path. Reading it would wait forever: a watcher
// thread notices a reader that waits (a writer's open succeeds only while a
// reader holds the FIFO), counts it in Waited and lets it go with an empty
// file, so that a read that waits fails its test instead of hanging it.
class TFifo {
public:
    explicit TFifo(const QString& path);
    ~TFifo();
    TFifo(const TFifo&) = delete;
    TFifo& operator=(const TFifo&) = delete;
    bool Made = false;
    std::atomic<int> Waited{0};

private:
    QByteArray path_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

// Writes raw bytes to a file.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

} // namespace velkon::test

// Readable QString values in failed expectations.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
