#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace velkon {

class TScene;
class TImagesItem;

// One layer's part of a project text (Windows-1250), without its number:
// the number goes in at each position of NumberAt.
struct TLayerText {
    QByteArray Bytes;
    std::vector<qsizetype> NumberAt;
};

// A project text in parts. The parts are never changed once made, so they
// can be joined on another thread while the scene goes on changing.
struct TProjectTextParts {
    QByteArray Head;
    std::vector<std::shared_ptr<const TLayerText>> Layers;
    QByteArray Tail;

    // The whole file, byte for byte what a save writes.
    QByteArray Join() const;
};

// The project text of a scene, kept between calls layer by layer: a layer
// whose written values, file name and tracks are the same as last time keeps
// its part, wherever it moved in the list, so one call after a small edit
// costs a look at every layer and the text of the few that changed.
class TProjectTextCache {
public:
    // Throws EVelkonError when a text cannot be held in Windows-1250.
    TProjectTextParts Parts(const TScene& scene);
    // Brings the parts of at most budget layers up to date, so that the
    // first Parts after a project was opened finds most of them ready.
    // Returns whether every layer's part is up to date.
    bool Warm(const TScene& scene, int budget);
    // How many layers the last Parts or Warm wrote afresh.
    int Written() const { return written_; }

private:
    // What a layer's text is made of, as the file writes it.
    struct TKey {
        QString Name, FileName, Parent;
        std::array<long long, 8> Reals{};
        std::array<int32_t, 8> Numbers{};
        std::array<uint64_t, 12> Stamps{};
        bool operator==(const TKey&) const = default;
    };
    struct TEntry {
        TKey Key;
        std::shared_ptr<const TLayerText> Text;
    };
    static TKey KeyOf(const TImagesItem& layer);
    static std::shared_ptr<const TLayerText> TextOf(const TImagesItem& layer);

    std::unordered_map<uint64_t, TEntry> entries_; // by TImagesItem::Id
    int written_ = 0;
};

} // namespace velkon
