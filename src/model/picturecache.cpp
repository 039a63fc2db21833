#include "model/picturecache.h"

#include <QCoreApplication>
#include <new>

namespace velkon {

int64_t TPictureCache::TextureBytes(const TPicture& picture) {
    if (picture.Status != TPicture::stLoaded || picture.Format != TPicture::fmtPng || picture.Channels <= 0)
        return 0;
    return int64_t(TextureSize(picture.Width)) * TextureSize(picture.Height) * picture.Channels;
}

TPictureCache::TShared TPictureCache::Load(const QString& path) {
    const auto found = loaded_.constFind(path);
    if (found != loaded_.constEnd()) return *found;
    TShared shared;
    try {
        auto picture = std::make_shared<TPicture>();
        if (picture->LoadFromFile(path, budget_ - used_)) {
            used_ += picture->DecodedBytes();
            // The texture takes the decoded rows over: they are never held twice.
            shared.Texture = std::make_shared<const TTextureData>(PrepareTexture(std::move(*picture)));
        }
        shared.Picture = std::move(picture);
        loaded_.insert(path, shared);
    } catch (const std::bad_alloc&) {
        auto refused = std::make_shared<TPicture>();
        refused->Status = TPicture::stTooLarge;
        refused->Error = QCoreApplication::translate("Picture", "nincs elég memória a kép betöltéséhez");
        shared = {std::move(refused), nullptr};
    }
    return shared;
}

} // namespace velkon
