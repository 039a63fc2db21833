#include "model/filesitem.h"

#include "model/snd.h"

namespace velkon {

void (*TFilesItem::DeleteTexture)(uint32_t) = nullptr;

TFilesItem::TFilesItem() = default;

TFilesItem::~TFilesItem() {
    if (Texture != 0 && DeleteTexture)
        DeleteTexture(Texture);
}

int TFilesItem::KindOfPath(const QString& path) {
    const QString upper = path.toUpper();
    int kind = kindPicture;
    if (upper.contains(QStringLiteral(".WAV")))
        kind = kindSound;
    if (upper.contains(QStringLiteral(".PAR")))
        kind = kindParticle;
    return kind;
}

QString TFilesItem::FileNameOf(const QString& path) {
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

std::unique_ptr<TFilesItem> TFilesItem::Create(const QString& path) {
    auto item = std::make_unique<TFilesItem>();
    item->Path = path;
    item->Name = FileNameOf(path);
    item->Kind = KindOfPath(path);
    if (item->Kind == kindPicture) {
        item->Image = std::make_unique<TPicture>();
        item->Image->LoadFromFile(path); // a failure leaves an empty picture
        if (!item->Image->IsEmpty()) {
            TTextureData tex = PrepareTexture(*item->Image);
            item->TexExtentX = tex.ExtentX;
            item->TexExtentY = tex.ExtentY;
            item->PendingTexture = std::move(tex);
        }
    }
    return item;
}

} // namespace velkon
