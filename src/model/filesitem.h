#pragma once

#include "model/picture.h"
#include "model/picturecache.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace velkon {

class TSnd;

// One resource file of the project: a picture, a sound or a particle file.
// Files hold it shared; an undo step that keeps a layer showing it shares it too.
class TFilesItem : public std::enable_shared_from_this<TFilesItem> {
public:
    enum TKind { kindPicture = 1, kindSound = 2, kindParticle = 4 };

    QString Name; // file name without directory; key in Files
    QString Path; // full path
    int32_t Kind = kindPicture;
    // Pictures only; shared by every file item of the same path in a project.
    std::shared_ptr<const TPicture> Image;
    std::unique_ptr<TSnd> Sound; // sounds only, once loaded
    int32_t UseCount = 0;
    uint32_t Texture = 0; // OpenGL texture name once uploaded, 0 none
    double TexExtentX = 0, TexExtentY = 0;

    // Texture prepared at load time, waiting for the canvas to upload it;
    // shared like the picture, and released by each item once uploaded.
    std::shared_ptr<const TTextureData> PendingTexture;

    // Called when the item is destroyed while it owns a texture (the canvas
    // sets it so that textures go with their file items).
    static void (*DeleteTexture)(uint32_t texture);

    TFilesItem();
    ~TFilesItem();
    TFilesItem(const TFilesItem&) = delete;
    TFilesItem& operator=(const TFilesItem&) = delete;

    // Creates the item for a path: the kind from the path, and for pictures
    // the loaded picture and its prepared texture, taken from (and shared
    // through) the cache. A picture that cannot be loaded stays empty with its
    // status and error; nothing is raised.
    static std::unique_ptr<TFilesItem> Create(const QString& path, TPictureCache& pictures);
    // The same with a cache of its own.
    static std::unique_ptr<TFilesItem> Create(const QString& path);

    // Kind from the upper-cased path: ".WAV" anywhere makes a sound,
    // ".PAR" anywhere (tested last) a particle file, otherwise a picture.
    static int KindOfPath(const QString& path);

    // File name of a path without its directory (either slash).
    static QString FileNameOf(const QString& path);
};

} // namespace velkon
