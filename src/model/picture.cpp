#include "model/picture.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <png.h>

namespace velkon {

namespace {

// libpng reads from memory so that Qt's file access (and its paths) is used throughout.
struct PngSource {
    const QByteArray* data;
    size_t pos;
};

void pngRead(png_structp png, png_bytep out, png_size_t length) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (src->pos + length > static_cast<size_t>(src->data->size()))
        png_error(png, "truncated PNG");
    std::memcpy(out, src->data->constData() + src->pos, length);
    src->pos += length;
}

void pngWarning(png_structp, png_const_charp) {}

constexpr png_uint_32 kMaxPngSide = 16384;

bool loadPng(const QByteArray& bytes, TPicture& pic) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, pngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    PngSource src{&bytes, 0};
    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &src, pngRead);
    // A damaged header must not make us allocate gigabytes before the data
    // turns out to be missing; no texture can be larger than this anyway.
    png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
    png_read_info(png, info);
    const int width = static_cast<int>(png_get_image_width(png, info));
    const int height = static_cast<int>(png_get_image_height(png, info));
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    int channels = 0;
    if (colorType == PNG_COLOR_TYPE_RGB || colorType == PNG_COLOR_TYPE_RGB_ALPHA) {
        // Texture data is 8 bits per channel, RGB or RGBA as stored.
        if (bitDepth == 16)
            png_set_strip_16(png);
        png_read_update_info(png, info);
        channels = colorType == PNG_COLOR_TYPE_RGB ? 3 : 4;
        pixels.resize(static_cast<size_t>(width) * height * channels);
        rows.resize(height);
        for (int y = 0; y < height; ++y)
            rows[y] = pixels.data() + static_cast<size_t>(y) * width * channels;
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    pic.Width = width;
    pic.Height = height;
    pic.Format = TPicture::fmtPng;
    pic.PngColorType = colorType;
    pic.Channels = channels;
    pic.Pixels = std::move(pixels);
    return true;
}

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

void jpegErrorExit(j_common_ptr cinfo) { longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1); }
void jpegSilence(j_common_ptr) {}

bool loadJpeg(const QByteArray& bytes, TPicture& pic) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.output_message = jpegSilence;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    pic.Width = static_cast<int>(cinfo.image_width);
    pic.Height = static_cast<int>(cinfo.image_height);
    pic.Format = TPicture::fmtJpeg;
    jpeg_destroy_decompress(&cinfo);
    return true;
}

int32_t readLE32(const QByteArray& b, int at) {
    return static_cast<int32_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8) |
                                (static_cast<uint8_t>(b[at + 2]) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24));
}

bool loadBmp(const QByteArray& bytes, TPicture& pic) {
    if (bytes.size() < 26)
        return false;
    const int32_t headerSize = readLE32(bytes, 14);
    int32_t width = 0, height = 0;
    if (headerSize == 12) { // OS/2 core header: 16-bit sizes
        width = static_cast<uint8_t>(bytes[18]) | (static_cast<uint8_t>(bytes[19]) << 8);
        height = static_cast<uint8_t>(bytes[20]) | (static_cast<uint8_t>(bytes[21]) << 8);
    } else {
        width = readLE32(bytes, 18);
        height = readLE32(bytes, 22); // negative for top-down rows
    }
    if (width <= 0 || height == 0)
        return false;
    pic.Width = width;
    pic.Height = height < 0 ? -height : height;
    pic.Format = TPicture::fmtBmp;
    return true;
}

} // namespace

bool TPicture::LoadFromFile(const QString& path) {
    *this = TPicture();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    static const char pngSig[] = "\x89PNG\r\n\x1a\n";
    bool ok = false;
    if (bytes.startsWith(QByteArray(pngSig, 8)))
        ok = loadPng(bytes, *this);
    else if (bytes.startsWith("\xFF\xD8"))
        ok = loadJpeg(bytes, *this);
    else if (bytes.startsWith("BM"))
        ok = loadBmp(bytes, *this);
    if (!ok)
        *this = TPicture();
    return ok;
}

int TextureSize(int n) {
    int size = 1;
    while (size < n)
        size *= 2;
    return size;
}

TTextureData PrepareTexture(const TPicture& pic) {
    TTextureData tex;
    tex.TexWidth = TextureSize(pic.Width);
    tex.TexHeight = TextureSize(pic.Height);
    tex.ExtentX = static_cast<double>(pic.Width) / tex.TexWidth;
    tex.ExtentY = static_cast<double>(pic.Height) / tex.TexHeight;
    if (pic.Format != TPicture::fmtPng) {
        tex.Error = QStringLiteral("Invalid imageformat!");
        return tex;
    }
    if (pic.PngColorType != 2 && pic.PngColorType != 6) {
        tex.Error = QStringLiteral("Invalid PNG pixelformat!") + QString::number(pic.PngColorType);
        return tex;
    }
    tex.Channels = pic.Channels;
    tex.Data.assign(static_cast<size_t>(tex.TexWidth) * tex.TexHeight * tex.Channels, 0);
    const size_t rowBytes = static_cast<size_t>(pic.Width) * pic.Channels;
    const size_t texRowBytes = static_cast<size_t>(tex.TexWidth) * tex.Channels;
    for (int y = 0; y < pic.Height; ++y)
        std::memcpy(tex.Data.data() + y * texRowBytes, pic.Pixels.data() + y * rowBytes, rowBytes);
    return tex;
}

} // namespace velkon
