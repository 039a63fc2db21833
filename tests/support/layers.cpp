#include "layers.h"

#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

namespace velkon::test {

TImagesItem* AddLayer(TScene& scene, const QString& folder, const TLayerSpec& spec) {
    const auto& c = spec.Rgba;
    const QString fileName = QStringLiteral("layer%1x%2_%3.png")
                                 .arg(spec.Width)
                                 .arg(spec.Height)
                                 .arg(QString::asprintf("%02x%02x%02x%02x", c[0], c[1], c[2], c[3]));
    const QString path = QDir(folder).filePath(fileName);
    const bool opaque = c[3] == 255;
    if (!QFile::exists(path) &&
        !WritePng(path, spec.Width, spec.Height, opaque ? 2 : 6, {c[0], c[1], c[2], c[3]}))
        return nullptr;
    TFilesItem* file = scene.Files.Find(fileName);
    if (!file) file = scene.AddFile(TFilesItem::Create(path));
    TImagesItem* layer = scene.AddLayer(file);
    if (!spec.Name.isEmpty()) {
        scene.Layers.Rename(scene.Layers.IndexOf(layer), spec.Name);
        layer->Name = spec.Name;
    }
    layer->Left = spec.Left;
    layer->Top = spec.Top;
    if (spec.Selected) {
        layer->Selected = true;
        ++scene.SelectedCount;
    }
    return layer;
}

} // namespace velkon::test
