#include "edit/vkpobject.h"

#include "edit/editorstate.h"
#include "model/commands.h"
#include "model/filesitem.h"
#include "model/imagesitem.h"
#include "model/scene.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <bit>

namespace velkon {

namespace {

uint64_t Bits(double v) {
    return std::bit_cast<uint64_t>(v);
}

uint64_t DataOf(const QString& s) {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(s.data_ptr().data()));
}

// Equal as a deep copy would keep it: the same characters, and null only with null.
bool EqualText(const QString& a, const QString& b) {
    return a.isNull() == b.isNull() && a == b;
}

// Whether the kept text still equals the live one. The same data and length
// settle it without reading a character (the kept reference stops the live
// text from changing that data in place); otherwise the characters decide,
// and an equal live text is taken over so that its data match next time.
bool KeepText(const QString& live, QString& kept) {
    if (DataOf(live) == DataOf(kept) && live.size() == kept.size()) return true; // null: both nullptr
    if (!EqualText(live, kept)) return false;
    // Only data the text owns; characters it merely points at (fromRawData)
    // may change under it, and the step was taken with the characters it kept.
    if (live.data_ptr().isMutable()) kept = live;
    return true;
}

// How many commands ahead the comparison asks for the live commands.
constexpr int kReadAhead = 12;

// Offsets of the lines of a command that a comparison reads, taken from a
// real command so that nothing depends on the layout.
struct TCommandLines {
    std::array<ptrdiff_t, 4> Offset;
    TCommandLines() {
        const TCommandItem c;
        const char* base = reinterpret_cast<const char*>(&c);
        auto at = [&](const void* p) { return reinterpret_cast<const char*>(p) - base; };
        // Command sits in the first line, OX and OY near the end.
        Offset = {0, at(&c.sParam1()), at(&c.sParam3() + 1) - 1, static_cast<ptrdiff_t>(sizeof c) - 1};
    }
};

const TCommandLines commandLines;

void ReadAhead(uintptr_t command) {
    if (!command) return;
    for (ptrdiff_t o : commandLines.Offset)
        __builtin_prefetch(reinterpret_cast<const char*>(command + o));
}

bool SameCommand(const TCommandItem& c, const QString& name, const TCommandSnapshot& s) {
    // One test for the usual case that nothing changed; a difference in the
    // data of a text alone is looked at closer.
    const uint64_t scalars =
        static_cast<uint32_t>(c.Command() ^ s.Command) | (Bits(c.OX()) ^ Bits(s.OX)) | (Bits(c.OY()) ^ Bits(s.OY));
    if (scalars) return false;
    const uint64_t texts = (DataOf(name) ^ DataOf(s.Name)) | (DataOf(c.sParam1()) ^ DataOf(s.sParam1)) |
                           (DataOf(c.sParam2()) ^ DataOf(s.sParam2)) | (DataOf(c.sParam3()) ^ DataOf(s.sParam3)) |
                           static_cast<uint64_t>(name.size() ^ s.Name.size()) |
                           static_cast<uint64_t>(c.sParam1().size() ^ s.sParam1.size()) |
                           static_cast<uint64_t>(c.sParam2().size() ^ s.sParam2.size()) |
                           static_cast<uint64_t>(c.sParam3().size() ^ s.sParam3.size());
    return !texts || (KeepText(name, s.Name) && KeepText(c.sParam1(), s.sParam1) &&
                      KeepText(c.sParam2(), s.sParam2) && KeepText(c.sParam3(), s.sParam3));
}

} // namespace

bool TLayerCommands::Matches(const TImagesItem& layer, const TLayerCommands* next) const {
    uint32_t unknown = 0; // tracks whose stamps do not settle them
    for (int t = 0; t < 12; ++t) {
        const TCommands& track = layer.TrackByNumber(t + 1);
        if (track.Current != Current[t] || track.Count() != Start[t + 1] - Start[t]) return false;
        if (track.Stamp() != LiveStamp[t]) unknown |= 1u << t;
    }
    if (!unknown) return true;
    const int n = static_cast<int>(Items.size());
    const int nextCount = next ? static_cast<int>(next->Items.size()) : 0;
    if (next)
        for (uintptr_t list : next->TrackSource)
            __builtin_prefetch(reinterpret_cast<const char*>(list));
    for (int t = 0; t < 12; ++t) {
        if (!(unknown & (1u << t))) continue;
        const TCommands& track = layer.TrackByNumber(t + 1);
        for (int k = 0, j = Start[t]; k < track.Count(); ++k, ++j) {
            const int ahead = j + kReadAhead;
            if (ahead < n)
                ReadAhead(Items[ahead].Source);
            else if (ahead - n < nextCount)
                ReadAhead(next->Items[ahead - n].Source);
            if (!SameCommand(*track.Item(k), track.Name(k), Items[j])) return false;
        }
    }
    // Equal throughout: the stamps settle these tracks from now on.
    for (int t = 0; t < 12; ++t)
        if (unknown & (1u << t)) LiveStamp[t] = layer.TrackByNumber(t + 1).Stamp();
    return true;
}

TCommands TLayerCommands::Build(int number) const {
    TCommands track;
    for (int i = Start[number - 1]; i < Start[number]; ++i) {
        const TCommandSnapshot& s = Items[i];
        auto c = std::make_unique<TCommandItem>(s.Command, s.sParam1, s.sParam2, s.sParam3);
        c->SetOX(s.OX);
        c->SetOY(s.OY);
        track.Add(s.Name, std::move(c));
    }
    track.Current = Current[number - 1];
    return track;
}

std::shared_ptr<const TLayerCommands> TLayerCommands::Capture(const TImagesItem& layer) {
    auto s = std::make_shared<TLayerCommands>();
    int count = 0;
    for (int t = 1; t <= 12; ++t)
        count += layer.TrackByNumber(t).Count();
    s->Items.reserve(count);
    for (int t = 0; t < 12; ++t) {
        const TCommands& track = layer.TrackByNumber(t + 1);
        s->Current[t] = track.Current;
        s->Start[t] = static_cast<int>(s->Items.size());
        s->TrackSource[t] = track.IsEmpty() ? 0 : reinterpret_cast<uintptr_t>(&track.Name(0));
        s->LiveStamp[t] = track.Stamp();
        for (int i = 0; i < track.Count(); ++i) {
            const TCommandItem* c = track.Item(i);
            s->Items.push_back({track.Name(i), c->sParam1(), c->sParam2(), c->sParam3(), c->OX(), c->OY(),
                                c->Command(), reinterpret_cast<uintptr_t>(c)});
        }
    }
    s->Start[12] = static_cast<int>(s->Items.size());
    return s;
}

bool TLayerSnapshot::FieldsMatch(const QString& key, const TImagesItem& l) const {
    // Reals bit for bit: -0 and 0 are different values to restore.
    const uint64_t reals = (Bits(Top) ^ Bits(l.Top)) | (Bits(Left) ^ Bits(l.Left)) |
                           (Bits(Width) ^ Bits(l.Width)) | (Bits(Height) ^ Bits(l.Height)) |
                           (Bits(Alpha) ^ Bits(l.Alpha)) | (Bits(Angle) ^ Bits(l.Angle)) |
                           (Bits(OrigoX) ^ Bits(l.OrigoX)) | (Bits(OrigoY) ^ Bits(l.OrigoY));
    return reals == 0 && Id == l.Id && FileItem == l.FileItem && TouchLeft == l.TouchLeft &&
           TouchTop == l.TouchTop && TouchWidth == l.TouchWidth && TouchHeight == l.TouchHeight &&
           Visible == l.Visible && PlayAnim == l.PlayAnim && Group == l.Group && FlipMode == l.FlipMode &&
           Acceleration == l.Acceleration && Locked == l.Locked && Changed == l.Changed &&
           Selected == l.Selected && Shown == l.Shown && KeyframeEditing == l.KeyframeEditing &&
           ItemColor == l.ItemColor && ActiveAnimation == std::max(0, l.ActiveAnimation()) &&
           KeepText(l.Parent, Parent) && KeepText(l.Name, Name) && KeepText(key, Key);
}

void TLayerSnapshot::CaptureFields(const QString& key, const TImagesItem& l) {
    Id = l.Id;
    Key = key;
    Name = l.Name;
    FileItem = l.FileItem;
    // A file item the scene holds is kept for as long as the copy is.
    if (l.FileItem) File = l.FileItem->weak_from_this().lock();
    Top = l.Top;
    Left = l.Left;
    Width = l.Width;
    Height = l.Height;
    Alpha = l.Alpha;
    Angle = l.Angle;
    OrigoX = l.OrigoX;
    OrigoY = l.OrigoY;
    TouchLeft = l.TouchLeft;
    TouchTop = l.TouchTop;
    TouchWidth = l.TouchWidth;
    TouchHeight = l.TouchHeight;
    Visible = l.Visible;
    PlayAnim = l.PlayAnim;
    Parent = l.Parent;
    Group = l.Group;
    FlipMode = l.FlipMode;
    Acceleration = l.Acceleration;
    Locked = l.Locked;
    Changed = l.Changed;
    Selected = l.Selected;
    Shown = l.Shown;
    KeyframeEditing = l.KeyframeEditing;
    ItemColor = l.ItemColor;
    ActiveAnimation = std::max(0, l.ActiveAnimation());
}

void TLayerSnapshot::RestoreFields(TImagesItem& l) const {
    l.Name = Name;
    if (l.FileItem != FileItem) {
        l.FileItem = FileItem;
        l.Picture = FileItem && FileItem->Image ? FileItem->Image.get() : nullptr;
    }
    l.Top = Top;
    l.Left = Left;
    l.Width = Width;
    l.Height = Height;
    l.Alpha = Alpha;
    l.Angle = Angle;
    l.OrigoX = OrigoX;
    l.OrigoY = OrigoY;
    l.TouchLeft = TouchLeft;
    l.TouchTop = TouchTop;
    l.TouchWidth = TouchWidth;
    l.TouchHeight = TouchHeight;
    l.Visible = Visible;
    l.PlayAnim = PlayAnim;
    l.Parent = Parent;
    l.Group = Group;
    l.FlipMode = FlipMode;
    l.Acceleration = Acceleration;
    l.Locked = Locked;
    l.Changed = Changed;
    l.Selected = Selected;
    l.Shown = Shown;
    l.KeyframeEditing = KeyframeEditing;
    l.ItemColor = ItemColor;
    l.SelectAnimation(ActiveAnimation);
}

bool TFilesSnapshot::Matches(const TScene& scene) const {
    if (static_cast<int>(Entries.size()) != scene.Files.Count()) return false;
    for (int i = 0; i < scene.Files.Count(); ++i) {
        const TFileEntry& e = Entries[static_cast<size_t>(i)];
        const TFilesItem* f = scene.Files.At(i);
        if (f != e.Item.get() || !KeepText(scene.Files.Name(i), e.Key) || !KeepText(f->Name, e.Name))
            return false;
    }
    return true;
}

std::shared_ptr<const TFilesSnapshot> TFilesSnapshot::Capture(const TScene& scene) {
    auto s = std::make_shared<TFilesSnapshot>();
    s->Entries.reserve(static_cast<size_t>(scene.Files.Count()));
    for (int i = 0; i < scene.Files.Count(); ++i)
        s->Entries.push_back({scene.Files.Name(i), scene.Files.Owner(i), scene.Files.At(i)->Name});
    return s;
}

namespace {

TGroupFlagTable GroupFlagsOf(const TScene& scene) {
    TGroupFlagTable flags;
    for (size_t g = 0; g < flags.size(); ++g) {
        const TGroupState& s = scene.GroupStates[g];
        flags[g] = {s.Open, s.Shown, s.Locked, s.Selected};
    }
    return flags;
}

} // namespace

void TVKPObject::Capture(const TEditorState& state, int32_t kind, const TVKPObject* previous) {
    const TScene& scene = state.Scene;
    Layers.clear();
    Layers.reserve(static_cast<size_t>(scene.Layers.Count()));

    // Previous copies are matched by position first (the usual case), by id
    // when the layer list changed in between.
    const int previousCount = previous ? static_cast<int>(previous->Layers.size()) : 0;
    QHash<uint64_t, int> previousById;
    auto previousEntry = [&](int i, uint64_t id) -> const std::shared_ptr<const TLayerSnapshot>* {
        if (!previous) return nullptr;
        if (i < previousCount && previous->Layers[static_cast<size_t>(i)]->Id == id)
            return &previous->Layers[static_cast<size_t>(i)];
        if (previousById.isEmpty())
            for (int j = 0; j < previousCount; ++j)
                previousById.insert(previous->Layers[static_cast<size_t>(j)]->Id, j);
        auto it = previousById.constFind(id);
        return it == previousById.cend() ? nullptr : &previous->Layers[static_cast<size_t>(*it)];
    };

    for (int i = 0; i < scene.Layers.Count(); ++i) {
        const QString& key = scene.Layers.Name(i);
        const TImagesItem& layer = *scene.Layers.At(i);
        const std::shared_ptr<const TLayerSnapshot>* oldShared = previousEntry(i, layer.Id);
        const TLayerSnapshot* old = oldShared ? oldShared->get() : nullptr;
        // Usually the next layer is compared with the next copy.
        const TLayerCommands* next =
            i + 1 < previousCount ? previous->Layers[static_cast<size_t>(i) + 1]->Commands.get() : nullptr;

        const bool commandsSame = old && old->Commands->Matches(layer, next);
        // The usual case: nothing of the layer changed, share its copy whole.
        if (commandsSame && old->FieldsMatch(key, layer)) {
            Layers.push_back(*oldShared);
            continue;
        }
        auto copy = std::make_shared<TLayerSnapshot>();
        copy->CaptureFields(key, layer);
        copy->Commands = commandsSame ? old->Commands : TLayerCommands::Capture(layer);
        Layers.push_back(std::move(copy));
    }

    Files = previous && previous->Files->Matches(scene) ? previous->Files : TFilesSnapshot::Capture(scene);
    // The lists share their data with the scene's until either changes.
    Groups = scene.Groups;
    Lines = scene.Lines;
    const TGroupFlagTable flags = GroupFlagsOf(scene);
    GroupFlags = previous && *previous->GroupFlags == flags ? previous->GroupFlags
                                                           : std::make_shared<const TGroupFlagTable>(flags);

    KeyFrameIndex = state.KeyFrameIndex;
    KeyFrameColCount = state.KeyframeMode ? state.KeyFrameColCount : -1;
    KeyFrameCol = state.KeyFrameCol;
    Kind = kind;
    OriginX = state.ToolPoint(-1).X;
    OriginY = state.ToolPoint(-1).Y;
}

std::vector<TFileRename> TVKPObject::FileRenames() const {
    std::vector<TFileRename> renames;
    for (const TFileEntry& e : Files->Entries) {
        TFilesItem& f = *e.Item;
        if (f.Name == e.Name) continue;
        // The file stays in the folder it is in now (a save elsewhere may have moved it).
        renames.push_back({&f, f.Path, QDir(QFileInfo(f.Path).absolutePath()).filePath(e.Name)});
    }
    return renames;
}

namespace {

void RestoreFiles(TScene& scene, const TFilesSnapshot& files) {
    if (files.Matches(scene)) return;
    std::vector<TRegistry<TFilesItem, std::shared_ptr<TFilesItem>>::Entry> live = scene.Files.TakeAll();
    QSet<const TFilesItem*> wanted, present;
    for (const TFileEntry& e : files.Entries)
        wanted.insert(e.Item.get());
    for (const auto& [key, item] : live) {
        present.insert(item.get());
        if (!wanted.contains(item.get()) && scene.FileItemGone) scene.FileItemGone(*item);
    }
    std::vector<TRegistry<TFilesItem, std::shared_ptr<TFilesItem>>::Entry> entries;
    entries.reserve(files.Entries.size());
    for (const TFileEntry& e : files.Entries) {
        e.Item->Name = e.Name;
        entries.emplace_back(e.Key, e.Item);
        if (!present.contains(e.Item.get()) && scene.FileItemBack) scene.FileItemBack(*e.Item);
    }
    scene.Files.Assign(std::move(entries));
}

void RestoreTracks(const TLayerSnapshot& s, TImagesItem& l) {
    for (int t = 1; t <= 12; ++t) {
        TCommands& track = l.TrackByNumber(t);
        track = s.Commands->Build(t);
        s.Commands->LiveStamp[static_cast<size_t>(t) - 1] = track.Stamp();
    }
    l.SelectAnimation(s.ActiveAnimation);
}

} // namespace

void TVKPObject::Restore(TEditorState& state) const {
    TScene& scene = state.Scene;
    RestoreFiles(scene, *Files);

    using TEntry = TRegistry<TImagesItem>::Entry;
    std::vector<TEntry> live = scene.Layers.TakeAll();
    const int liveCount = static_cast<int>(live.size());
    std::vector<uint64_t> liveIds(live.size());
    for (size_t j = 0; j < live.size(); ++j)
        liveIds[j] = live[j].second->Id;
    QHash<uint64_t, int> liveById; // filled once the positions differ
    auto liveIndex = [&](int i, uint64_t id) {
        if (i < liveCount && liveIds[static_cast<size_t>(i)] == id) return i;
        if (liveById.isEmpty())
            for (int j = liveCount - 1; j >= 0; --j)
                liveById.insert(liveIds[static_cast<size_t>(j)], j);
        return liveById.value(id, -1);
    };

    std::vector<TEntry> entries;
    entries.reserve(Layers.size());
    const int count = static_cast<int>(Layers.size());
    for (int i = 0; i < count; ++i) {
        const TLayerSnapshot& s = *Layers[static_cast<size_t>(i)];
        const int at = liveIndex(i, s.Id);
        std::unique_ptr<TImagesItem> layer;
        if (at >= 0 && live[static_cast<size_t>(at)].second) {
            // The layer is still there: only what differs is written.
            TEntry& e = live[static_cast<size_t>(at)];
            layer = std::move(e.second);
            const TLayerCommands* next =
                i + 1 < count ? Layers[static_cast<size_t>(i) + 1]->Commands.get() : nullptr;
            if (!s.Commands->Matches(*layer, next)) RestoreTracks(s, *layer);
            if (!s.FieldsMatch(e.first, *layer)) s.RestoreFields(*layer);
        } else {
            // Gone since: made again under its old id, on its old file.
            layer = std::make_unique<TImagesItem>(s.FileItem);
            layer->Id = s.Id;
            s.RestoreFields(*layer);
            RestoreTracks(s, *layer);
            layer->SaveState();
        }
        entries.emplace_back(s.Key, std::move(layer));
    }
    // What is left of the live list is not in the step: nothing may point at it.
    QSet<const TImagesItem*> gone;
    for (const TEntry& e : live)
        if (e.second) gone.insert(e.second.get());
    if (!gone.isEmpty()) {
        if (gone.contains(scene.CurrentLayer)) scene.CurrentLayer = nullptr;
        if (gone.contains(state.LastReportedLayer)) state.LastReportedLayer = nullptr;
        for (int p = 1; p <= TEditorState::MaxToolPoints; ++p)
            if (gone.contains(state.ToolPoint(p).Layer)) state.ToolPoint(p).Layer = nullptr;
    }
    scene.Layers.Assign(std::move(entries));
    live.clear();

    scene.Groups = Groups;
    scene.Lines = Lines;
    const TGroupFlagTable& flags = *GroupFlags;
    for (size_t g = 0; g < flags.size(); ++g) {
        TGroupState& s = scene.GroupStates[g];
        s.Open = flags[g].Open;
        s.Shown = flags[g].Shown;
        s.Locked = flags[g].Locked;
        s.Selected = flags[g].Selected;
    }
}

} // namespace velkon
