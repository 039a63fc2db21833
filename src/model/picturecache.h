#pragma once

#include "model/picture.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>

namespace velkon {

// The pictures of one project read. Each distinct path is decoded once, and
// every file item that lists it shares the decoded picture and its prepared
// texture data. All pictures together hold at most the budget's bytes of
// decoded data; a picture beyond it is refused (stTooLarge) like any picture
// that cannot be loaded.
class TPictureCache {
public:
    explicit TPictureCache(int64_t budget = MaxPictureMemory) : budget_(budget) {}

    struct TShared {
        std::shared_ptr<const TPicture> Picture;     // never null
        std::shared_ptr<const TTextureData> Texture; // null for a picture that did not load
    };

    // The picture of a file, decoded on the first request for its path.
    TShared Load(const QString& path);

    // Decoded bytes handed out so far.
    int64_t Used() const { return used_; }

    // The texture data a loaded picture takes (what the budget counts), 0 for
    // one that carries no pixels.
    static int64_t TextureBytes(const TPicture& picture);

private:
    int64_t budget_;
    int64_t used_ = 0;
    QHash<QString, TShared> loaded_;
};

} // namespace velkon
