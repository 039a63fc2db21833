#include "project/projecttextcache.h"

#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/windows1250.h"
#include <QCoreApplication>

namespace velkon {

QByteArray TProjectTextParts::Join() const {
    qsizetype size = Head.size() + Tail.size();
    for (const auto& layer : Layers)
        size += layer->Bytes.size() + static_cast<qsizetype>(layer->NumberAt.size()) * 5;
    QByteArray out;
    out.reserve(size);
    out += Head;
    for (size_t n = 0; n < Layers.size(); ++n) {
        const TLayerText& layer = *Layers[n];
        const QByteArray number = QByteArray::number(static_cast<qulonglong>(n + 1));
        qsizetype from = 0;
        for (const qsizetype at : layer.NumberAt) {
            out.append(layer.Bytes.constData() + from, at - from);
            out += number;
            from = at;
        }
        out.append(layer.Bytes.constData() + from, layer.Bytes.size() - from);
    }
    out += Tail;
    return out;
}

TProjectTextCache::TKey TProjectTextCache::KeyOf(const TImagesItem& layer) {
    TKey key;
    key.Name = layer.Name;
    if (layer.FileItem) key.FileName = layer.FileItem->Name;
    key.Parent = layer.Parent;
    key.Reals = {RoundForFile(layer.Top),    RoundForFile(layer.Left),  RoundForFile(layer.Width),
                 RoundForFile(layer.Height), RoundForFile(layer.Alpha), RoundForFile(layer.Angle),
                 RoundForFile(layer.OrigoX), RoundForFile(layer.OrigoY)};
    key.Numbers = {
        layer.TouchTop,        layer.TouchLeft, layer.TouchWidth, layer.TouchHeight,
        layer.Visible ? 1 : 0, layer.PlayAnim,  layer.Group,      static_cast<int32_t>(layer.ItemColor)};
    for (int t = 1; t <= 12; ++t)
        key.Stamps[static_cast<size_t>(t - 1)] = layer.TrackByNumber(t).Stamp();
    return key;
}

std::shared_ptr<const TLayerText> TProjectTextCache::TextOf(const TImagesItem& layer) {
    QString text;
    auto made = std::make_shared<TLayerText>();
    AppendLayerText(text, layer, 0, &made->NumberAt);
    made->Bytes = EncodeWindows1250ForFile(text);
    // One byte a character: the recorded positions hold in the bytes too.
    if (made->Bytes.size() != text.size())
        throw EVelkonError(QCoreApplication::translate("ProjectTextCache", "A réteg szövege nem írható: %1")
                               .arg(layer.Name));
    return made;
}

bool TProjectTextCache::Warm(const TScene& scene, int budget) {
    written_ = 0;
    for (const auto& [name, layer] : scene.Layers) {
        TKey key = KeyOf(*layer);
        TEntry& entry = entries_[layer->Id];
        if (entry.Text && entry.Key == key) continue;
        if (written_ == budget) return false;
        entry.Text = TextOf(*layer);
        entry.Key = std::move(key);
        ++written_;
    }
    return true;
}

TProjectTextParts TProjectTextCache::Parts(const TScene& scene) {
    TProjectTextParts parts;
    parts.Head = EncodeWindows1250ForFile(ProjectTextHead(scene));
    parts.Tail = EncodeWindows1250ForFile(ProjectTextTail(scene));
    parts.Layers.reserve(static_cast<size_t>(scene.Layers.Count()));
    std::unordered_map<uint64_t, TEntry> kept;
    kept.reserve(static_cast<size_t>(scene.Layers.Count()));
    written_ = 0;
    for (const auto& [name, layer] : scene.Layers) {
        TKey key = KeyOf(*layer);
        auto found = entries_.find(layer->Id);
        TEntry entry;
        if (found != entries_.end() && found->second.Key == key) {
            entry = std::move(found->second);
        } else {
            entry.Key = std::move(key);
            entry.Text = TextOf(*layer);
            ++written_;
        }
        parts.Layers.push_back(entry.Text);
        kept.emplace(layer->Id, std::move(entry));
    }
    entries_ = std::move(kept);
    return parts;
}

} // namespace velkon
