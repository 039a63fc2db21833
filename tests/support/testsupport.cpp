#include "testsupport.h"

#include <QFile>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkon::test {

TFifo::TFifo(const QString& path) : path_(QFile::encodeName(path)) {
    Made = ::mkfifo(path_.constData(), 0644) == 0;
    watcher_ = std::thread([this] {
        using namespace std::chrono;
        // A quick look by a reader that does not wait is over long before this.
        const auto patience = steady_clock::now() + seconds(2);
        while (!stop_) {
            std::this_thread::sleep_for(milliseconds(50));
            if (steady_clock::now() < patience) continue;
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ++Waited;
                ::close(fd);
            }
        }
    });
}

TFifo::~TFifo() {
    stop_ = true;
    watcher_.join();
}

bool WritePng(const QString& path, int width, int height, int colorType, int bitDepth,
              const std::function<uint8_t(int x, int y, int channel)>& sample, const std::vector<uint8_t>& palette) {
    FILE* fp = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!fp)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(fp);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, width, height, bitDepth, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (colorType == 3) {
        png_color colours[1] = {{palette.at(0), palette.at(1), palette.at(2)}};
        png_set_PLTE(png, info, colours, 1);
    }
    const int channels = colorType == 2 ? 3 : colorType == 6 ? 4 : colorType == 4 ? 2 : 1;
    const int bytes = bitDepth / 8;
    std::vector<uint8_t> row(static_cast<size_t>(width) * channels * bytes);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                for (int b = 0; b < bytes; ++b)
                    row[(static_cast<size_t>(x) * channels + c) * bytes + b] = sample(x, y, c);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(fp);
    return true;
}

bool WritePng(const QString& path, int width, int height, int colorType, std::vector<uint8_t> rgba) {
    return WritePng(
        path, width, height, colorType, 8,
        [&](int, int, int c) { return colorType == 3 ? uint8_t(0) : rgba[c % rgba.size()]; }, rgba);
}

static void put16(QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
static void put32(QByteArray& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, (v >> 16) & 0xFFFF);
}

bool WriteWav(const QString& path, int channels, int rate, int bits, const QByteArray& samples) {
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + samples.size());
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, channels * bits / 8);
    put16(b, bits);
    b.append("data");
    put32(b, samples.size());
    b.append(samples);
    return WriteFile(path, b);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace velkon::test
