// The picture loader (PNG, JPEG, BMP, chosen by the file's signature) and the
// texture the canvas would upload from what it loaded.
#include "fuzzsupport.h"

#include "model/picture.h"

using namespace velkon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzz::WriteInput(QStringLiteral("picture.png"), data, size);
    TPicture picture;
    if (!picture.LoadFromFile(path)) {
        if (!picture.IsEmpty()) fuzz::Fail(QStringLiteral("a picture that did not load has a size"));
        return 0;
    }
    if (picture.Width < 0 || picture.Height < 0)
        fuzz::Fail(QStringLiteral("negative picture size %1x%2").arg(picture.Width).arg(picture.Height));
    // Decoded rows sit at the top-left of a buffer of the texture's size.
    if (picture.Width > MaxPictureSide || picture.Height > MaxPictureSide)
        fuzz::Fail(QStringLiteral("a picture beyond the largest side loaded: %1x%2").arg(picture.Width).arg(picture.Height));
    if (!picture.Pixels.empty() && picture.Pixels.size() != static_cast<size_t>(TextureSize(picture.Width)) *
                                                                TextureSize(picture.Height) * picture.Channels)
        fuzz::Fail(QStringLiteral("pixel buffer does not match %1x%2x%3")
                       .arg(picture.Width)
                       .arg(picture.Height)
                       .arg(picture.Channels));
    const TTextureData texture = PrepareTexture(picture);
    if (texture.Ok() && (texture.TexWidth < picture.Width || texture.TexHeight < picture.Height))
        fuzz::Fail(QStringLiteral("texture smaller than its picture"));
    return 0;
}
