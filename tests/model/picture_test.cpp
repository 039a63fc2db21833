#include "model/filesitem.h"
#include "model/picture.h"
#include "model/picturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <csetjmp>
#include <functional>
#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

using namespace velkon;
using velkon::test::WriteFile;
using velkon::test::WritePng;

namespace {

// A PNG whose every pixel differs, so that row order and placement show.
// pixel(x, y) channel c = 16 * y + 4 * x + c (8-bit samples).
bool WritePatternPng(const QString& path, int width, int height, int colorType, int bitDepth = 8) {
    return WritePng(path, width, height, colorType, bitDepth,
                    [](int x, int y, int c) { return uint8_t(16 * y + 4 * x + c); });
}

QByteArray JpegBytes(int width, int height) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3, 200);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), int(size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

void Put16(QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void Put32(QByteArray& b, int32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, (v >> 16) & 0xFFFF);
}

// A 24-bit Windows BMP (40-byte info header); a negative height stores its rows top-down.
QByteArray BmpBytes(int width, int height) {
    const int rows = height < 0 ? -height : height;
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray b("BM");
    Put32(b, 54 + stride * rows);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, width);
    Put32(b, height);
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);
    Put32(b, stride * rows);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    b.append(QByteArray(stride * rows, '\x40'));
    return b;
}

class PictureTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) { return dir.filePath(QString::fromUtf8(name)); }
};

} // namespace

TEST(FileKind, DecidedFromTheWholeUpperCasedPath) {
    const struct {
        const char* path;
        int kind;
    } cases[] = {
        {"bg.png", TFilesItem::kindPicture},
        {"boom.wav", TFilesItem::kindSound},
        {"Boom.Wav", TFilesItem::kindSound},
        {"C:\\snd.waves\\bg.png", TFilesItem::kindSound}, // anywhere in the path
        {"bg.wav.png", TFilesItem::kindSound},
        {"smoke.par", TFilesItem::kindParticle},
        {"/data/x.wav/smoke.PAR", TFilesItem::kindParticle}, // ".PAR" tested last wins
        {"sound.par.wav", TFilesItem::kindParticle},
        {"wav.png", TFilesItem::kindPicture}, // no dot before WAV
        {"C:\\parts\\a.jpg", TFilesItem::kindPicture},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TFilesItem::KindOfPath(QString::fromUtf8(c.path)), c.kind) << c.path;
}

TEST(FileKind, NameIsThePathWithoutItsDirectory) {
    EXPECT_EQ(TFilesItem::FileNameOf("C:\\proj\\kép.png"), QString::fromUtf8("kép.png"));
    EXPECT_EQ(TFilesItem::FileNameOf("/home/u/proj/a b.png"), "a b.png");
    EXPECT_EQ(TFilesItem::FileNameOf("C:\\mixed/dir\\ball.png"), "ball.png");
    EXPECT_EQ(TFilesItem::FileNameOf("ball.png"), "ball.png");
}

TEST(TextureSize, SmallestPowerOfTwoFromOne) {
    // Beyond 2^30 no larger power of two fits an int: the size stops there.
    const std::pair<int, int> cases[] = {{0, 1},
                                         {1, 1},
                                         {2, 2},
                                         {3, 4},
                                         {60, 64},
                                         {64, 64},
                                         {65, 128},
                                         {100, 128},
                                         {16384, 16384},
                                         {1073741824, 1073741824},
                                         {1073741825, 1073741824},
                                         {2147483647, 1073741824}};
    for (auto [n, size] : cases)
        EXPECT_EQ(TextureSize(n), size) << n;
}

TEST_F(PictureTest, TexturePaddedToPowersOfTwo) {
    const struct {
        int w, h, texW, texH;
        double extentX, extentY;
    } cases[] = {
        {100, 60, 128, 64, 0.78125, 0.9375},
        {64, 64, 64, 64, 1.0, 1.0},
        {1, 1, 1, 1, 1.0, 1.0},
        {3, 130, 4, 256, 0.75, 130.0 / 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        const QString path = Path("p.png");
        ASSERT_TRUE(WritePng(path, c.w, c.h, 6));
        auto item = TFilesItem::Create(path);
        ASSERT_TRUE(item->Image);
        EXPECT_EQ(item->Image->Width, c.w);
        EXPECT_EQ(item->Image->Height, c.h);
        ASSERT_TRUE(item->PendingTexture);
        EXPECT_TRUE(item->PendingTexture->Ok());
        EXPECT_EQ(item->PendingTexture->TexWidth, c.texW);
        EXPECT_EQ(item->PendingTexture->TexHeight, c.texH);
        EXPECT_DOUBLE_EQ(item->TexExtentX, c.extentX);
        EXPECT_DOUBLE_EQ(item->TexExtentY, c.extentY);
        EXPECT_EQ(item->PendingTexture->Data.size(), size_t(c.texW) * c.texH * 4);
    }
}

TEST_F(PictureTest, RowsGoToTheTopLeftOfTheTexture) {
    for (int colorType : {PNG_COLOR_TYPE_RGB, PNG_COLOR_TYPE_RGB_ALPHA}) {
        for (int depth : {8, 16}) {
            SCOPED_TRACE(testing::Message() << "colour type " << colorType << ", depth " << depth);
            const int channels = colorType == PNG_COLOR_TYPE_RGB ? 3 : 4;
            const QString path = Path("rows.png");
            ASSERT_TRUE(WritePatternPng(path, 3, 5, colorType, depth));
            TPicture pic;
            ASSERT_TRUE(pic.LoadFromFile(path));
            EXPECT_EQ(pic.Format, TPicture::fmtPng);
            EXPECT_EQ(pic.PngColorType, colorType);
            const TTextureData tex = PrepareTexture(pic);
            ASSERT_TRUE(tex.Ok()) << tex.Error.toStdString();
            ASSERT_EQ(tex.Channels, channels);
            ASSERT_EQ(tex.TexWidth, 4);
            ASSERT_EQ(tex.TexHeight, 8);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 3; ++x)
                    for (int c = 0; c < channels; ++c)
                        ASSERT_EQ(tex.Data[(size_t(y) * 4 + x) * channels + c], 16 * y + 4 * x + c)
                            << "x " << x << " y " << y << " c " << c;
        }
    }
}

namespace {

// A PNG of any colour type and bit depth; samples are given one per channel
// at the file's depth (palette indices for type 3), sub-byte depths packed by
// libpng. trns: a tRNS chunk (palette alphas, or the one transparent grey or
// RGB value).
struct TAnyPng {
    int ColorType = 0, Depth = 8;
    std::vector<png_color> Palette;
    std::vector<png_byte> PaletteAlpha;
    bool Trns = false;
    png_color_16 TrnsColour{};
    bool Interlaced = false;
};

TAnyPng Any(int colorType, int depth, std::vector<png_color> palette = {}, std::vector<png_byte> alphas = {},
            const png_color_16* key = nullptr, bool interlaced = false) {
    TAnyPng f;
    f.ColorType = colorType;
    f.Depth = depth;
    f.Palette = std::move(palette);
    f.PaletteAlpha = std::move(alphas);
    if (key) {
        f.Trns = true;
        f.TrnsColour = *key;
    }
    f.Interlaced = interlaced;
    return f;
}

bool WriteAnyPng(const QString& path, int width, int height, const TAnyPng& f,
                 const std::function<int(int x, int y, int c)>& sample) {
    FILE* fp = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!fp) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(fp);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, width, height, f.Depth, f.ColorType,
                 f.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!f.Palette.empty()) png_set_PLTE(png, info, f.Palette.data(), int(f.Palette.size()));
    if (!f.PaletteAlpha.empty())
        png_set_tRNS(png, info, f.PaletteAlpha.data(), int(f.PaletteAlpha.size()), nullptr);
    else if (f.Trns)
        png_set_tRNS(png, info, nullptr, 0, &f.TrnsColour);
    png_write_info(png, info);
    if (f.Depth < 8) png_set_packing(png);
    const int channels = f.ColorType == 2 ? 3 : f.ColorType == 6 ? 4 : f.ColorType == 4 ? 2 : 1;
    const int bytes = f.Depth == 16 ? 2 : 1;
    std::vector<png_byte> image(size_t(width) * channels * bytes * height);
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        rows[size_t(y)] = image.data() + size_t(y) * width * channels * bytes;
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) {
                const int v = sample(x, y, c);
                png_bytep at = rows[size_t(y)] + (size_t(x) * channels + c) * bytes;
                if (bytes == 2) {
                    at[0] = png_byte(v >> 8);
                    at[1] = png_byte(v & 0xFF);
                } else {
                    at[0] = png_byte(v);
                }
            }
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(fp);
    return true;
}

} // namespace

TEST_F(PictureTest, EveryPngColourTypeAndDepthBecomesAnRgbOrRgbaTexture) {
    // A 3 x 2 picture; each case gives the file's samples and the texture's
    // pixels expected for them (RGB, or RGBA when the file has transparency).
    using TPixel = std::array<int, 4>;
    const std::vector<png_color> palette = {{10, 20, 30}, {200, 100, 50}, {0, 255, 0}, {255, 255, 255}};
    png_color_16 greyKey{};
    greyKey.gray = 1;
    png_color_16 rgbKey{};
    rgbKey.red = 7;
    rgbKey.green = 8;
    rgbKey.blue = 9;
    struct TCase {
        const char* name;
        TAnyPng file;
        std::function<int(int x, int y, int c)> sample;
        int channels;
        std::function<TPixel(int x, int y)> expected;
    };
    const auto grey = [](int v) { return TPixel{v, v, v, 255}; };
    const std::vector<TCase> cases = {
        {"grey 1 bit", Any(0, 1), [](int x, int y, int) { return (x + y) % 2; }, 3,
         [&](int x, int y) { return grey((x + y) % 2 ? 255 : 0); }},
        {"grey 2 bit", Any(0, 2), [](int x, int, int) { return x; }, 3, [&](int x, int) { return grey(x * 85); }},
        {"grey 4 bit", Any(0, 4), [](int x, int y, int) { return x + 4 * y; }, 3,
         [&](int x, int y) { return grey((x + 4 * y) * 17); }},
        {"grey 8 bit", Any(0, 8), [](int x, int y, int) { return 40 * x + y; }, 3,
         [&](int x, int y) { return grey(40 * x + y); }},
        {"grey 16 bit", Any(0, 16), [](int x, int, int) { return 0x1234 * (x + 1); }, 3,
         [&](int x, int) { return grey((0x1234 * (x + 1)) >> 8); }},
        {"grey with a transparent value", Any(0, 2, {}, {}, &greyKey), [](int x, int, int) { return x; }, 4,
         [](int x, int) { return TPixel{x * 85, x * 85, x * 85, x == 1 ? 0 : 255}; }},
        {"grey and alpha 8 bit", Any(4, 8), [](int x, int y, int c) { return c == 0 ? 50 * x : 100 + y; }, 4,
         [](int x, int y) { return TPixel{50 * x, 50 * x, 50 * x, 100 + y}; }},
        {"grey and alpha 16 bit", Any(4, 16), [](int x, int, int c) { return c == 0 ? 0xFF00 : 0x8000 + x; }, 4,
         [](int, int) { return TPixel{255, 255, 255, 128}; }},
        {"palette 2 bit", Any(3, 2, palette), [](int x, int, int) { return x; }, 3,
         [&](int x, int) { return TPixel{palette[x].red, palette[x].green, palette[x].blue, 255}; }},
        {"palette 8 bit with alphas", Any(3, 8, palette, {0, 128}), [](int x, int, int) { return x; }, 4,
         [&](int x, int) {
             return TPixel{palette[x].red, palette[x].green, palette[x].blue, x == 0 ? 0 : x == 1 ? 128 : 255};
         }},
        {"RGB with a transparent value", Any(2, 8, {}, {}, &rgbKey),
         [](int x, int, int c) { return x == 0 ? 7 + c : 100; }, 4,
         [](int x, int) { return x == 0 ? TPixel{7, 8, 9, 0} : TPixel{100, 100, 100, 255}; }},
        {"RGB 16 bit interlaced", Any(2, 16, {}, {}, nullptr, true),
         [](int x, int y, int c) { return (10 * x + y + c) << 8; }, 3,
         [](int x, int y) { return TPixel{10 * x + y, 10 * x + y + 1, 10 * x + y + 2, 255}; }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path("any.png");
        ASSERT_TRUE(WriteAnyPng(path, 3, 2, c.file, c.sample));
        auto item = TFilesItem::Create(path);
        ASSERT_TRUE(item->Image);
        EXPECT_EQ(item->Image->Status, TPicture::stLoaded) << item->Image->Error.toStdString();
        EXPECT_EQ(item->Image->PngColorType, c.file.ColorType);
        ASSERT_TRUE(item->PendingTexture);
        const TTextureData& tex = *item->PendingTexture;
        ASSERT_TRUE(tex.Ok()) << tex.Error.toStdString();
        ASSERT_EQ(tex.Channels, c.channels);
        ASSERT_EQ(tex.TexWidth, 4);
        ASSERT_EQ(tex.TexHeight, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const TPixel want = c.expected(x, y);
                for (int ch = 0; ch < c.channels; ++ch)
                    EXPECT_EQ(tex.Data[(size_t(y) * 4 + x) * c.channels + ch], want[size_t(ch)])
                        << "x " << x << " y " << y << " channel " << ch;
            }
    }
}

TEST_F(PictureTest, JpegAndBmpLoadForTheirSizeOnly) {
    const struct {
        const char* name;
        QByteArray bytes;
        TPicture::TFormat format;
        int w, h;
    } cases[] = {
        {"photo.jpg", JpegBytes(37, 21), TPicture::fmtJpeg, 37, 21},
        {"bottom-up.bmp", BmpBytes(5, 3), TPicture::fmtBmp, 5, 3},
        {"top-down.bmp", BmpBytes(7, -2), TPicture::fmtBmp, 7, 2},
        // The signature decides, not the name.
        {"really-a-jpeg.png", JpegBytes(9, 4), TPicture::fmtJpeg, 9, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(c.name);
        ASSERT_TRUE(WriteFile(path, c.bytes));
        auto item = TFilesItem::Create(path);
        ASSERT_TRUE(item->Image);
        EXPECT_EQ(item->Image->Format, c.format);
        EXPECT_EQ(item->Image->Width, c.w);
        EXPECT_EQ(item->Image->Height, c.h);
        ASSERT_TRUE(item->PendingTexture);
        EXPECT_EQ(item->PendingTexture->Error, QStringLiteral("Invalid imageformat!"));
        EXPECT_TRUE(item->PendingTexture->Data.empty());
    }
}

TEST_F(PictureTest, UnreadablePictureIsEmptyAndSaysWhy) {
    QByteArray png = velkon::test::ReadFile([&] {
        const QString p = Path("src.png");
        EXPECT_TRUE(WritePatternPng(p, 8, 8, PNG_COLOR_TYPE_RGB));
        return p;
    }());
    ASSERT_GT(png.size(), 60);
    QByteArray badCrc = png;
    badCrc[29] = char(badCrc[29] ^ 0x55); // inside IHDR: its CRC no longer matches
    const struct {
        const char* name;
        QByteArray bytes;
        const char* error;
    } cases[] = {
        {"empty.png", QByteArray(), "üres fájl"},
        {"text.png", QByteArray("not a picture at all"), "ismeretlen képformátum"},
        {"cut.png", png.left(png.size() / 2), "a fájl vége hiányzik"},
        {"header-only.png", png.left(33), "a fájl vége hiányzik"},
        {"bad-crc.png", badCrc, "IHDR: CRC error"},
        {"cut.jpg", JpegBytes(16, 16).left(40), "JPEG datastream contains no image"},
        {"short.bmp", BmpBytes(4, 4).left(20), "a BMP fejléc hiányos"},
        {"zero-width.bmp", BmpBytes(0, 4), "a BMP fejlécében érvénytelen méret: 0 x 4 képpont"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(c.name);
        ASSERT_TRUE(WriteFile(path, c.bytes));
        std::unique_ptr<TFilesItem> item;
        // libpng and libjpeg report into the picture, never onto the console.
        testing::internal::CaptureStderr();
        ASSERT_NO_THROW(item = TFilesItem::Create(path));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(item->Image);
        EXPECT_TRUE(item->Image->IsEmpty());
        EXPECT_EQ(item->Image->Width, 0);
        EXPECT_EQ(item->Image->Status, TPicture::stBroken);
        EXPECT_EQ(item->Image->Error, QString::fromUtf8(c.error));
        EXPECT_FALSE(item->PendingTexture);
        EXPECT_EQ(item->Kind, TFilesItem::kindPicture);
    }
    auto missing = TFilesItem::Create(Path("missing.png"));
    ASSERT_TRUE(missing->Image);
    EXPECT_TRUE(missing->Image->IsEmpty());
    EXPECT_EQ(missing->Image->Status, TPicture::stMissing);
    EXPECT_EQ(missing->Image->Error, "");
    EXPECT_EQ(missing->Name, "missing.png");
    EXPECT_EQ(missing->Path, Path("missing.png"));
}

// Only a regular file of at most MaxResourceFileBytes is read as a picture:
// a device (also through a link), a FIFO, a folder and a huge (sparse) file
// are refused unread with their reason; a link that stays in its folder loads.
TEST_F(PictureTest, OnlyBoundedRegularFilesInTheirFolderAreRead) {
    ASSERT_TRUE(WritePatternPng(Path("real.png"), 4, 4, PNG_COLOR_TYPE_RGB));
    ASSERT_TRUE(QFile::link("real.png", Path("inside.png")));
    ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.png")));
    velkon::test::TFifo fifo(Path("fifo.png"));
    ASSERT_TRUE(fifo.Made);
    ASSERT_TRUE(QDir().mkpath(Path("folder.png")));
    {
        QFile sparse(Path("sparse.png"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.write("\x89PNG\r\n\x1a\n", 8) == 8);
        ASSERT_TRUE(sparse.resize(MaxResourceFileBytes + 1));
    }
    const struct {
        QString Path;
        TPicture::TStatus Status;
        const char* Error;
    } cases[] = {
        {Path("inside.png"), TPicture::stLoaded, ""},
        {"/dev/zero", TPicture::stBroken, "nem közönséges fájl (FIFO vagy eszköz)"},
        {"/dev/null", TPicture::stBroken, "nem közönséges fájl (FIFO vagy eszköz)"},
        {Path("zero.png"), TPicture::stBroken, "a link a mappáján kívülre mutat: /dev/zero"},
        {Path("fifo.png"), TPicture::stBroken, "nem közönséges fájl (FIFO vagy eszköz)"},
        {Path("folder.png"), TPicture::stBroken, "ez egy mappa, nem fájl"},
        {Path("sparse.png"), TPicture::stTooLarge, "a fájl 257 MB, legfeljebb 256 MB lehet"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path.toStdString());
        TPicture picture;
        EXPECT_EQ(picture.LoadFromFile(c.Path), c.Status == TPicture::stLoaded);
        EXPECT_EQ(picture.Status, c.Status);
        EXPECT_EQ(picture.Error, QString::fromUtf8(c.Error));
    }
    EXPECT_EQ(fifo.Waited, 0) << "a read waited on the FIFO";
}

TEST(PictureMessage, MissingAndBrokenPicturesAreToldApart) {
    TPicture loaded;
    loaded.Status = TPicture::stLoaded;
    TPicture missing;
    TPicture broken;
    broken.Status = TPicture::stBroken;
    broken.Error = "a fájl vége hiányzik";
    TPicture large;
    large.Status = TPicture::stTooLarge;
    large.Error = "20000 x 1 képpont, legfeljebb 16384 képpont oldalanként";
    EXPECT_EQ(PictureLoadMessage(loaded, "/p/a.png"), "");
    EXPECT_EQ(PictureLoadMessage(missing, "/p/a.png"), QString::fromUtf8("Nincs meg a fájl: /p/a.png"));
    EXPECT_EQ(PictureLoadMessage(broken, "/p/a.png"),
              QString::fromUtf8("Hibás kép fájl: /p/a.png (a fájl vége hiányzik)"));
    EXPECT_EQ(PictureLoadMessage(large, "/p/a.png"),
              QString::fromUtf8(
                  "Túl nagy kép: /p/a.png (20000 x 1 képpont, legfeljebb 16384 képpont oldalanként)"));
}

// Files found by fuzzing and hand-made headers that declare far more than they
// hold: each is refused at once, before anything of its declared size is reserved.
TEST_F(PictureTest, HostileHeadersAreRefusedBeforeDecoding) {
    auto withSides = [&](int side) {
        // A valid 1x1 PNG whose IHDR then claims side x side (CRC fixed up).
        const QString src = Path("one.png");
        EXPECT_TRUE(WritePng(src, 1, 1, 2));
        QByteArray png = velkon::test::ReadFile(src);
        const char be[4] = {char(side >> 24), char((side >> 16) & 0xFF), char((side >> 8) & 0xFF),
                            char(side & 0xFF)};
        const QByteArray bytes(be, 4);
        png.replace(16, 4, bytes);
        png.replace(20, 4, bytes);
        const uLong crc =
            crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(png.constData() + 12), 17);
        for (int i = 0; i < 4; ++i)
            png[29 + i] = char((crc >> (24 - 8 * i)) & 0xFF);
        return png;
    };
    const QString data = QStringLiteral(VELKON_TEST_DATA "/pictures/");
    const struct {
        const char* name;
        QByteArray bytes;
        TPicture::TStatus status;
        const char* error;
    } cases[] = {
        {"bmp-width-2^30+1", velkon::test::ReadFile(data + "picture_bmp_width_2p30plus1.bmp"),
         TPicture::stTooLarge, "1073741825 x 1 képpont, legfeljebb 16384 képpont oldalanként"},
        {"bmp-height-INT_MIN", velkon::test::ReadFile(data + "picture_bmp_height_intmin.bmp"),
         TPicture::stTooLarge, "1 x 2147483648 képpont, legfeljebb 16384 képpont oldalanként"},
        {"bmp-width-16385", BmpBytes(16385, 1).left(54), TPicture::stTooLarge,
         "16385 x 1 képpont, legfeljebb 16384 képpont oldalanként"},
        {"png-16384^2-header-only", velkon::test::ReadFile(data + "picture_png_16384sq_header_only.png"),
         TPicture::stBroken, "a fájl túl rövid a fejlécében megadott 16384 x 16384 képponthoz"},
        {"png-30000^2", withSides(30000), TPicture::stTooLarge,
         "30000 x 30000 képpont, legfeljebb 16384 képpont oldalanként"},
        {"png-65535^2", withSides(65535), TPicture::stTooLarge,
         "65535 x 65535 képpont, legfeljebb 16384 képpont oldalanként"},
        {"png-4096^2", withSides(4096), TPicture::stBroken,
         "a fájl túl rövid a fejlécében megadott 4096 x 4096 képponthoz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.isEmpty());
        const QString path = Path("hostile");
        ASSERT_TRUE(WriteFile(path, c.bytes));
        TPicture pic;
        EXPECT_FALSE(pic.LoadFromFile(path));
        EXPECT_TRUE(pic.IsEmpty());
        EXPECT_TRUE(pic.Pixels.empty());
        EXPECT_EQ(pic.Status, c.status);
        EXPECT_EQ(pic.Error, QString::fromUtf8(c.error));
    }
}

TEST_F(PictureTest, OnePathIsDecodedOnceAndShared) {
    ASSERT_TRUE(WritePatternPng(Path("a.png"), 3, 5, PNG_COLOR_TYPE_RGB_ALPHA));
    ASSERT_TRUE(WritePatternPng(Path("b.png"), 2, 2, PNG_COLOR_TYPE_RGB));
    TPictureCache pictures;
    auto first = TFilesItem::Create(Path("a.png"), pictures);
    auto second = TFilesItem::Create(Path("a.png"), pictures);
    auto other = TFilesItem::Create(Path("b.png"), pictures);
    EXPECT_EQ(first->Image.get(), second->Image.get());
    ASSERT_TRUE(first->PendingTexture);
    EXPECT_EQ(first->PendingTexture.get(), second->PendingTexture.get());
    EXPECT_NE(first->Image.get(), other->Image.get());
    // 4 x 8 RGBA and 2 x 2 RGB texture bytes; the rows live only in the texture.
    EXPECT_EQ(pictures.Used(), 128 + 12);
    EXPECT_TRUE(first->Image->Pixels.empty());
    EXPECT_EQ(first->PendingTexture->Data.size(), 128u);
    EXPECT_EQ(first->PendingTexture->Data[(1 * 4 + 2) * 4 + 3], 16 * 1 + 4 * 2 + 3);
}

TEST_F(PictureTest, PicturesBeyondTheBudgetAreRefused) {
    ASSERT_TRUE(WritePatternPng(Path("a.png"), 4, 4, PNG_COLOR_TYPE_RGB_ALPHA)); // 64 bytes
    ASSERT_TRUE(WritePatternPng(Path("b.png"), 4, 4, PNG_COLOR_TYPE_RGB_ALPHA));
    ASSERT_TRUE(WritePatternPng(Path("c.png"), 2, 2, PNG_COLOR_TYPE_RGB)); // 12 bytes
    TPictureCache pictures(100);
    auto a = TFilesItem::Create(Path("a.png"), pictures);
    auto b = TFilesItem::Create(Path("b.png"), pictures);
    auto c = TFilesItem::Create(Path("c.png"), pictures);
    EXPECT_EQ(a->Image->Status, TPicture::stLoaded);
    EXPECT_EQ(b->Image->Status, TPicture::stTooLarge);
    EXPECT_TRUE(b->Image->IsEmpty());
    EXPECT_FALSE(b->PendingTexture);
    EXPECT_EQ(PictureLoadMessage(*b->Image, Path("b.png")),
              QString::fromUtf8("Túl nagy kép: ") + Path("b.png") +
                  QString::fromUtf8(" (kibontva 64 bájt volna, a projekt képeinek már csak 36 bájt maradt)"));
    EXPECT_EQ(c->Image->Status, TPicture::stLoaded); // what still fits still loads
    EXPECT_EQ(pictures.Used(), 76);
}

TEST_F(PictureTest, SoundsAndParticlesLoadNoPicture) {
    // Even when the bytes are a picture, the path decides.
    for (const char* name : {"bg.wav.png", "fx.par"}) {
        const QString path = Path(name);
        ASSERT_TRUE(WritePng(path, 4, 4, 6));
        auto item = TFilesItem::Create(path);
        EXPECT_FALSE(item->Image) << name;
        EXPECT_FALSE(item->PendingTexture) << name;
        EXPECT_FALSE(item->Sound) << name; // sounds are loaded by the sound manager
    }
}
