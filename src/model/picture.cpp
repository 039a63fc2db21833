#include "model/picture.h"

#include "model/resourcefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <new>
#include <png.h>

namespace velkon {

namespace {

// What a decoder reports when it gives up.
struct TFailure {
    TPicture::TStatus Status = TPicture::stBroken;
    QString Reason;
};

QString SideText(int64_t width, int64_t height) {
    return QCoreApplication::translate("Picture", "%1 x %2 képpont")
        .arg(QString::number(width), QString::number(height));
}

// Whole megabytes, rounded up, from one megabyte on; bytes below it.
QString BytesText(int64_t bytes) {
    constexpr int64_t mega = int64_t(1) << 20;
    if (bytes < mega) return QCoreApplication::translate("Picture", "%1 bájt").arg(bytes);
    return QStringLiteral("%1 MB").arg((bytes + mega - 1) / mega);
}

bool TooLarge(int64_t width, int64_t height, TFailure& failure) {
    if (width <= MaxPictureSide && height <= MaxPictureSide) return false;
    failure = {TPicture::stTooLarge,
               SideText(width, height) +
                   QCoreApplication::translate("Picture", ", legfeljebb %1 képpont oldalanként")
                       .arg(MaxPictureSide)};
    return true;
}

// Deflate cannot expand its input more than about 1032 times, so a file holds
// at most this many decoded bytes per byte of its own.
constexpr int64_t kMaxDeflateRatio = 1032;

uint32_t ReadBE32(const QByteArray& b, int at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 8 | static_cast<uint8_t>(b[at + 3]);
}

// libpng reads from memory so that Qt's file access (and its paths) is used
// throughout. Everything libpng reaches lives here, in memory that the jump
// back from an error leaves as it was.
struct TPngContext {
    const QByteArray* Data = nullptr;
    size_t Pos = 0;
    QString Error;
    QStringList Warnings;
    std::vector<uint8_t> Pixels;
    std::vector<png_bytep> Rows;
};

void PngRead(png_structp png, png_bytep out, png_size_t length) {
    auto* ctx = static_cast<TPngContext*>(png_get_io_ptr(png));
    if (ctx->Pos + length > static_cast<size_t>(ctx->Data->size())) {
        ctx->Error = QCoreApplication::translate("Picture", "a fájl vége hiányzik");
        png_error(png, "truncated");
    }
    std::memcpy(out, ctx->Data->constData() + ctx->Pos, length);
    ctx->Pos += length;
}

// libpng's messages go into the picture's error, never to the console.
[[noreturn]] void PngError(png_structp png, png_const_charp message) {
    auto* ctx = static_cast<TPngContext*>(png_get_error_ptr(png));
    if (ctx->Error.isEmpty()) ctx->Error = QString::fromLatin1(message);
    png_longjmp(png, 1);
}

void PngWarning(png_structp png, png_const_charp message) {
    static_cast<TPngContext*>(png_get_error_ptr(png))->Warnings << QString::fromLatin1(message);
}

bool LoadPng(const QByteArray& bytes, TPicture& pic, int64_t memoryLimit, TFailure& failure) {
    // The header's sides are checked before libpng sees them.
    if (bytes.size() >= 24 && bytes.mid(12, 4) == "IHDR" &&
        TooLarge(ReadBE32(bytes, 16), ReadBE32(bytes, 20), failure))
        return false;
    TPngContext ctx;
    ctx.Data = &bytes;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &ctx, PngError, PngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        failure.Reason = ctx.Error;
        if (!ctx.Warnings.isEmpty())
            failure.Reason += QStringLiteral("; ") + ctx.Warnings.join(QStringLiteral("; "));
        return false;
    }
    png_set_read_fn(png, &ctx, PngRead);
    png_set_user_limits(png, MaxPictureSide, MaxPictureSide);
    png_read_info(png, info);
    const int width = static_cast<int>(png_get_image_width(png, info));
    const int height = static_cast<int>(png_get_image_height(png, info));
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    // Every colour type and depth becomes 8-bit RGB, or RGBA when the file
    // carries transparency (an alpha channel or a tRNS chunk).
    const bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    const int channels = (colorType & PNG_COLOR_MASK_ALPHA) || transparency ? 4 : 3;
    // Rows as the file stores them, each with its filter byte: a file too
    // short to hold them is refused before anything is reserved for them.
    const int64_t storedBytes =
        static_cast<int64_t>(height) * (static_cast<int64_t>(png_get_rowbytes(png, info)) + 1);
    const int64_t rest = bytes.size() - static_cast<int64_t>(ctx.Pos);
    if (storedBytes > rest * kMaxDeflateRatio) {
        png_destroy_read_struct(&png, &info, nullptr);
        failure.Reason =
            QCoreApplication::translate("Picture", "a fájl túl rövid a fejlécében megadott %1hoz")
                .arg(SideText(width, height));
        return false;
    }
    const int64_t texWidth = TextureSize(width), texHeight = TextureSize(height);
    const int64_t needed = texWidth * texHeight * channels;
    if (needed > memoryLimit) {
        png_destroy_read_struct(&png, &info, nullptr);
        failure.Status = TPicture::stTooLarge;
        failure.Reason =
            QCoreApplication::translate("Picture", "kibontva %1 volna, a projekt képeinek már csak %2 maradt")
                .arg(BytesText(needed), BytesText(std::max<int64_t>(memoryLimit, 0)));
        return false;
    }
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (transparency) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_strip_16(png);
    if (!(colorType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != channels) {
        png_destroy_read_struct(&png, &info, nullptr);
        failure.Reason = QCoreApplication::translate("Picture", "nem bontható ki (színtípus %1, %2 bit)")
                             .arg(QString::number(colorType), QString::number(bitDepth));
        return false;
    }
    // The rows go straight to their place in the texture.
    const size_t texRowBytes = static_cast<size_t>(texWidth) * channels;
    ctx.Pixels.assign(static_cast<size_t>(needed), 0);
    ctx.Rows.resize(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        ctx.Rows[static_cast<size_t>(y)] = ctx.Pixels.data() + static_cast<size_t>(y) * texRowBytes;
    png_read_image(png, ctx.Rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    pic.Width = width;
    pic.Height = height;
    pic.Format = TPicture::fmtPng;
    pic.PngColorType = colorType;
    pic.Channels = channels;
    pic.Pixels = std::move(ctx.Pixels);
    return true;
}

struct TJpegError {
    jpeg_error_mgr Mgr;
    jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
    cinfo->err->format_message(cinfo, err->Message);
    longjmp(err->Jump, 1);
}
void JpegSilence(j_common_ptr) {}

bool LoadJpeg(const QByteArray& bytes, TPicture& pic, TFailure& failure) {
    jpeg_decompress_struct cinfo;
    TJpegError err;
    err.Message[0] = 0;
    cinfo.err = jpeg_std_error(&err.Mgr);
    err.Mgr.error_exit = JpegErrorExit;
    err.Mgr.output_message = JpegSilence;
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        failure.Reason = QString::fromLatin1(err.Message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    const int64_t width = cinfo.image_width, height = cinfo.image_height;
    jpeg_destroy_decompress(&cinfo);
    if (TooLarge(width, height, failure)) return false;
    pic.Width = static_cast<int>(width);
    pic.Height = static_cast<int>(height);
    pic.Format = TPicture::fmtJpeg;
    return true;
}

int32_t ReadLE32(const QByteArray& b, int at) {
    return static_cast<int32_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8) |
                                (static_cast<uint8_t>(b[at + 2]) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24));
}

bool LoadBmp(const QByteArray& bytes, TPicture& pic, TFailure& failure) {
    if (bytes.size() < 26) {
        failure.Reason = QCoreApplication::translate("Picture", "a BMP fejléc hiányos");
        return false;
    }
    const int32_t headerSize = ReadLE32(bytes, 14);
    int64_t width = 0, height = 0;
    if (headerSize == 12) { // OS/2 core header: 16-bit sizes
        width = static_cast<uint8_t>(bytes[18]) | (static_cast<uint8_t>(bytes[19]) << 8);
        height = static_cast<uint8_t>(bytes[20]) | (static_cast<uint8_t>(bytes[21]) << 8);
    } else {
        width = ReadLE32(bytes, 18);
        height = ReadLE32(bytes, 22); // negative for top-down rows
    }
    if (height < 0) height = -height; // in 64 bits, so that INT_MIN turns positive too
    if (width <= 0 || height == 0) {
        failure.Reason = QCoreApplication::translate("Picture", "a BMP fejlécében érvénytelen méret: %1")
                             .arg(SideText(width, height));
        return false;
    }
    if (TooLarge(width, height, failure)) return false;
    pic.Width = static_cast<int>(width);
    pic.Height = static_cast<int>(height);
    pic.Format = TPicture::fmtBmp;
    return true;
}

} // namespace

bool TPicture::LoadFromFile(const QString& path, int64_t memoryLimit) {
    *this = TPicture();
    TFailure failure;
    bool ok = false;
    try {
        // Only a regular file of a bounded size is read: a FIFO, a device or a
        // link out of the folder in a picture's place is refused unread.
        TFileBytes file = ReadResourceFile(path);
        if (!file.Ok()) {
            Status = file.Status == TFileRead::missing    ? stMissing
                     : file.Status == TFileRead::tooLarge ? stTooLarge
                                                          : stBroken;
            Error = file.Error;
            return false;
        }
        const QByteArray bytes = std::move(file.Bytes);
        static const char pngSig[] = "\x89PNG\r\n\x1a\n";
        if (bytes.startsWith(QByteArray(pngSig, 8)))
            ok = LoadPng(bytes, *this, memoryLimit, failure);
        else if (bytes.startsWith("\xFF\xD8"))
            ok = LoadJpeg(bytes, *this, failure);
        else if (bytes.startsWith("BM"))
            ok = LoadBmp(bytes, *this, failure);
        else
            failure.Reason = bytes.isEmpty()
                                 ? QCoreApplication::translate("Picture", "üres fájl")
                                 : QCoreApplication::translate("Picture", "ismeretlen képformátum");
    } catch (const std::bad_alloc&) {
        ok = false;
        failure = {stTooLarge,
                   QCoreApplication::translate("Picture", "nincs elég memória a kép betöltéséhez")};
    }
    if (!ok) {
        *this = TPicture();
        Status = failure.Status;
        Error = failure.Reason.isEmpty() ? QCoreApplication::translate("Picture", "ismeretlen hiba")
                                         : failure.Reason;
        return false;
    }
    Status = stLoaded;
    return true;
}

QString PictureLoadMessage(const TPicture& picture, const QString& path) {
    switch (picture.Status) {
    case TPicture::stLoaded:
        return {};
    case TPicture::stMissing:
        return QCoreApplication::translate("Picture", "Nincs meg a fájl: %1").arg(path);
    case TPicture::stBroken:
        return QCoreApplication::translate("Picture", "Hibás kép fájl: %1 (%2)").arg(path, picture.Error);
    case TPicture::stTooLarge:
        return QCoreApplication::translate("Picture", "Túl nagy kép: %1 (%2)").arg(path, picture.Error);
    }
    return {};
}

int TextureSize(int n) {
    constexpr int largest = 1 << 30;
    if (n >= largest) return largest;
    int size = 1;
    while (size < n)
        size *= 2;
    return size;
}

namespace {

TTextureData TextureFrame(const TPicture& pic) {
    TTextureData tex;
    tex.TexWidth = TextureSize(pic.Width);
    tex.TexHeight = TextureSize(pic.Height);
    tex.ExtentX = static_cast<double>(pic.Width) / tex.TexWidth;
    tex.ExtentY = static_cast<double>(pic.Height) / tex.TexHeight;
    if (pic.Format != TPicture::fmtPng)
        tex.Error = QStringLiteral("Invalid imageformat!");
    else if (pic.Channels != 3 && pic.Channels != 4)
        tex.Error = QStringLiteral("Invalid PNG pixelformat!") + QString::number(pic.PngColorType);
    else
        tex.Channels = pic.Channels;
    return tex;
}

bool PixelsFitTexture(const TPicture& pic, const TTextureData& tex) {
    return tex.Error.isEmpty() && pic.Pixels.size() == static_cast<size_t>(tex.TexWidth) *
                                                           static_cast<size_t>(tex.TexHeight) * tex.Channels;
}

} // namespace

TTextureData PrepareTexture(const TPicture& pic) {
    TTextureData tex = TextureFrame(pic);
    if (PixelsFitTexture(pic, tex)) tex.Data = pic.Pixels;
    return tex;
}

TTextureData PrepareTexture(TPicture&& pic) {
    TTextureData tex = TextureFrame(pic);
    if (PixelsFitTexture(pic, tex)) tex.Data = std::move(pic.Pixels);
    pic.Pixels = {};
    return tex;
}

} // namespace velkon
