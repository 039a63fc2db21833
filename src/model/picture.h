#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace velkon {

// A decoded picture. PNG pictures keep their rows (RGB or RGBA bytes, top row
// first) so that a texture can be prepared; JPEG and BMP pictures only carry
// their pixel size. An empty picture (width and height 0) is one that could
// not be loaded.
class TPicture {
public:
    enum TFormat { fmtNone, fmtPng, fmtJpeg, fmtBmp };

    int Width = 0;
    int Height = 0;
    bool Transparent = false;
    TFormat Format = fmtNone;
    int PngColorType = -1;        // PNG colour type as stored in the file
    int Channels = 0;             // bytes per pixel of Pixels: 3 (RGB) or 4 (RGBA)
    std::vector<uint8_t> Pixels;  // PNG colour types 2 and 6 only, Width * Height * Channels

    bool IsEmpty() const { return Width == 0 && Height == 0; }

    // Loads a file, choosing the decoder from the file's own signature.
    // Returns false (and leaves the picture empty) when it cannot be read.
    bool LoadFromFile(const QString& path);
};

// What the canvas uploads for a picture: a power-of-two texture with the
// picture's rows at its top-left.
struct TTextureData {
    int TexWidth = 0;
    int TexHeight = 0;
    int Channels = 0;             // 3: RGB, 4: RGBA
    double ExtentX = 0, ExtentY = 0;
    std::vector<uint8_t> Data;    // TexWidth * TexHeight * Channels
    QString Error;                // non-empty: no texture, show this message
    bool Ok() const { return Error.isEmpty() && !Data.empty(); }
};

// Smallest power of two, starting from 1, not smaller than n.
int TextureSize(int n);

// Prepares the texture data of a picture (PNG colour types 2 and 6).
TTextureData PrepareTexture(const TPicture& picture);

} // namespace velkon
