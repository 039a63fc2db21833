#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace velkon {

// Largest picture side (PNG, JPEG and BMP alike) the editor loads; the canvas
// cannot upload a texture beyond it, and larger pictures are refused.
constexpr int MaxPictureSide = 16384;

// Total decoded picture memory (texture data, in bytes) one project may hold;
// the pictures beyond it are refused. One picture of the largest size fits.
constexpr int64_t MaxPictureMemory = int64_t(1) << 30;

// Largest resource file (picture, sound, particle file) that is read or
// copied into a pack; a larger one is refused, and so is anything but a
// regular file (a FIFO, a device, a folder).
constexpr int64_t MaxResourceFileBytes = int64_t(256) << 20;

// A decoded picture. PNG pictures of every colour type and bit depth keep
// their pixels, expanded to 8-bit RGB (or RGBA when the file carries
// transparency), laid out as their texture (see PrepareTexture) until the
// texture takes them; JPEG and BMP pictures only carry their pixel size. An
// empty picture (width and height 0) is one that could not be loaded; Status
// and Error say why.
class TPicture {
public:
    enum TFormat { fmtNone, fmtPng, fmtJpeg, fmtBmp };
    enum TStatus {
        stLoaded,   // the picture is usable
        stMissing,  // there is no such file
        stBroken,   // the file exists but is no picture this editor can decode
        stTooLarge, // a side beyond MaxPictureSide, or no memory left for it
    };

    int Width = 0;
    int Height = 0;
    // Marked by the first layer made from the picture. The picture itself may be
    // shared by several file items, so the mark is all a layer may change.
    mutable bool Transparent = false;
    TFormat Format = fmtNone;
    int PngColorType = -1; // PNG colour type as stored in the file
    int Channels = 0;      // bytes per pixel of Pixels: 3 (RGB) or 4 (RGBA)
    // PNG only: TextureSize(Width) * TextureSize(Height)
    // * Channels bytes, the rows at the top-left, zeros elsewhere. Empty once
    // the texture has taken them over.
    std::vector<uint8_t> Pixels;

    TStatus Status = stMissing;
    QString Error; // why the picture could not be loaded (not for stMissing)

    bool IsEmpty() const { return Width == 0 && Height == 0; }

    // Loads a file, choosing the decoder from the file's own signature. The
    // decoded pixels may take at most memoryLimit bytes. Returns false (and
    // leaves the picture empty, with Status and Error set) when it cannot be
    // read; nothing is raised and nothing is printed.
    bool LoadFromFile(const QString& path, int64_t memoryLimit = MaxPictureMemory);

    // Bytes the decoded pixels of this picture hold.
    int64_t DecodedBytes() const { return static_cast<int64_t>(Pixels.size()); }
};

// The error log's line for a picture that could not be loaded from path, or an
// empty text for a loaded one.
QString PictureLoadMessage(const TPicture& picture, const QString& path);

// What the canvas uploads for a picture: a power-of-two texture with the
// picture's rows at its top-left.
struct TTextureData {
    int TexWidth = 0;
    int TexHeight = 0;
    int Channels = 0; // 3: RGB, 4: RGBA
    double ExtentX = 0, ExtentY = 0;
    std::vector<uint8_t> Data; // TexWidth * TexHeight * Channels
    QString Error;             // non-empty: no texture, show this message
    bool Ok() const { return Error.isEmpty() && !Data.empty(); }
};

// Smallest power of two, starting from 1, not smaller than n; 2^30 (the largest
// an int holds) for anything beyond it.
int TextureSize(int n);

// Prepares the texture data of a PNG picture from a copy of its pixels; other
// formats get no texture, only the Error saying so.
TTextureData PrepareTexture(const TPicture& picture);
// The same, taking the picture's pixels over instead of copying them.
TTextureData PrepareTexture(TPicture&& picture);

} // namespace velkon
