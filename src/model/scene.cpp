#include "model/scene.h"

#include "model/uniquenames.h"

#include <QCoreApplication>
#include <QSet>

namespace velkon {

TScene::TScene() = default;

TScene::~TScene() {
    // Layers refer to files; free them first.
    Layers.Clear();
    Files.Clear();
}

TFilesItem* TScene::AddFile(std::unique_ptr<TFilesItem> item) {
    const QString name = item->Name;
    return Files.Add(name, std::move(item));
}

TImagesItem* TScene::AddLayer(TFilesItem* fileItem) {
    auto layer = std::make_unique<TImagesItem>(fileItem);
    layer->Name = UniqueLayerName(fileItem ? fileItem->Name : QString());
    layer->SaveState(); // its start state is where it was made
    const QString name = layer->Name;
    return Layers.Add(name, std::move(layer));
}

void TScene::ClearLayersAndFiles() {
    Incomplete.clear(); // nothing of a file is held any more
    CurrentLayer = nullptr;
    SelectedCount = 0;
    Layers.Clear();
    if (FileItemGone)
        for (int i = 0; i < Files.Count(); ++i)
            FileItemGone(*Files.At(i));
    Files.Clear();
}

int64_t TScene::PictureMemory() const {
    QSet<const TPicture*> counted;
    int64_t bytes = 0;
    for (const auto& [name, file] : Files) {
        const TPicture* picture = file->Image.get();
        if (!picture || counted.contains(picture))
            continue;
        counted.insert(picture);
        bytes += TPictureCache::TextureBytes(*picture);
    }
    return bytes;
}

QString TScene::LayerBaseName(const QString& fileName) {
    QString name = fileName;
    const int open = name.indexOf(QLatin1Char('('));
    if (open >= 0 && name.contains(QLatin1Char(')'))) {
        const int close = name.indexOf(QLatin1Char(')'));
        // Everything from the first "(" up to and including the first ")" goes.
        name = name.left(open) + name.mid(close + 1, 100);
    }
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name = name.left(dot);
    name.remove(QLatin1Char(' '));
    return name;
}

QString TScene::UniqueLayerName(const QString& fileName) const {
    const QString name = LayerBaseName(fileName);
    if (!Layers.Find(name))
        return name;
    // One pass over the layers, then lookups in a hash.
    TUniqueNames names(Layers);
    return names.Make(name);
}

void TScene::SaveAll() {
    for (const auto& [name, layer] : Layers)
        layer->SaveState();
}

void TScene::RestoreAll() {
    for (const auto& [name, layer] : Layers)
        layer->RestoreState();
}

int TScene::CountFileReferences(TFilesItem& file) {
    int uses = 0;
    int refs = 0;
    for (const auto& [layerName, layer] : Layers) {
        if (layer->FileItem == &file)
            ++uses;
        for (int t = 1; t <= 12; ++t) {
            const TCommands& track = layer->TrackByNumber(t);
            for (int c = 0; c < track.Count(); ++c)
                for (int p = 1; p <= 3; ++p)
                    if (track.Item(c)->Param(p) == file.Name)
                        ++refs;
        }
    }
    file.UseCount = uses;
    return refs;
}

int TScene::CountLayerReferences(const TImagesItem& target) {
    ReferenceReport.clear();
    int refs = 0;
    for (const auto& [layerName, layer] : Layers) {
        for (int t = 1; t <= 12; ++t) {
            const TCommands& track = layer->TrackByNumber(t);
            for (int c = 0; c < track.Count(); ++c) {
                const TCommandItem* cmd = track.Item(c);
                int matches = 0;
                for (int p = 1; p <= 3; ++p)
                    if (cmd->Param(p) == target.Name)
                        ++matches;
                if (matches > 0) {
                    refs += matches;
                    ReferenceReport +=
                        QCoreApplication::translate("Scene", "Réteg: %1: %2.sor %3-%4")
                            .arg(layer->Name, QString::number(c + 1), track.Name(c), cmd->CommandText()) +
                        QStringLiteral("\r\n");
                }
            }
        }
    }
    return refs;
}

void TScene::RenameReferences(const QString& oldName, const QString& newName) {
    const QString oldKey = oldName + QLatin1Char(';');
    const QString newKey = newName + QLatin1Char(';');
    for (const auto& [layerName, layer] : Layers) {
        for (int t = 1; t <= 12; ++t) {
            TCommands& track = layer->TrackByNumber(t);
            for (int c = 0; c < track.Count(); ++c) {
                for (int p = 1; p <= 3; ++p) {
                    QString param = track.Item(c)->Param(p);
                    if (param == oldName)
                        param = newName;
                    if (param.contains(oldKey))
                        param.replace(oldKey, newKey);
                    track.Item(c)->SetParam(p, param);
                }
            }
        }
    }
}

QString TScene::LineName(const QString& entry) {
    // A name has at least its letter, so the split is never at the very start.
    for (qsizetype eq = entry.indexOf(QLatin1Char('='), 1); eq > 0; eq = entry.indexOf(QLatin1Char('='), eq + 1))
        if (QStringView(entry).mid(eq + 1) == QStringView(entry).mid(1, eq - 1))
            return entry.left(eq);
    const qsizetype eq = entry.indexOf(QLatin1Char('='));
    return eq < 0 ? entry : entry.left(eq);
}

QString TScene::LineValue(const QString& name) const {
    const QString prefix = name + QLatin1Char('=');
    for (const QString& line : Lines)
        if (line.startsWith(prefix, Qt::CaseInsensitive))
            return line.mid(prefix.size());
    return {};
}

void TScene::SetLineValue(const QString& name, const QString& value) {
    const QString prefix = name + QLatin1Char('=');
    for (int i = 0; i < Lines.size(); ++i) {
        if (Lines[i].startsWith(prefix, Qt::CaseInsensitive)) {
            if (value.isEmpty())
                Lines.removeAt(i);
            else
                Lines[i] = prefix + value;
            return;
        }
    }
    if (!value.isEmpty())
        Lines << prefix + value;
}

} // namespace velkon
