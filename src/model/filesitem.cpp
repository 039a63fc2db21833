#include "model/filesitem.h"

#include "model/snd.h"

namespace velkon {

void (*TFilesItem::DeleteTexture)(uint32_t) = nullptr;

TFilesItem::TFilesItem() = default;

TFilesItem::~TFilesItem() {
    if (Texture != 0 && DeleteTexture) DeleteTexture(Texture);
}

int TFilesItem::KindOfPath(const QString& path) {
    const QString upper = path.toUpper();
    int kind = kindPicture;
    if (upper.contains(QStringLiteral(".WAV"))) kind = kindSound;
    if (upper.contains(QStringLiteral(".PAR"))) kind = kindParticle;
    return kind;
}

QString TFilesItem::FileNameOf(const QString& path) {
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

std::unique_ptr<TFilesItem> TFilesItem::Create(const QString& path, TPictureCache& pictures) {
    auto item = std::make_unique<TFilesItem>();
    item->Path = path;
    item->Name = FileNameOf(path);
    item->Kind = KindOfPath(path);
    if (item->Kind == kindPicture) {
        TPictureCache::TShared picture = pictures.Load(path); // a failure leaves an empty picture
        item->Image = std::move(picture.Picture);
        if (picture.Texture) {
            item->TexExtentX = picture.Texture->ExtentX;
            item->TexExtentY = picture.Texture->ExtentY;
            item->PendingTexture = std::move(picture.Texture);
        }
    }
    return item;
}

std::unique_ptr<TFilesItem> TFilesItem::Create(const QString& path) {
    TPictureCache pictures;
    return Create(path, pictures);
}

} // namespace velkon
