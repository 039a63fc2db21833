#include "model/imagesitem.h"

#include "model/filesitem.h"
#include "model/picture.h"

#include <atomic>
#include <cmath>
#include <stdexcept>

namespace velkon {

uint64_t TImagesItem::NewId() {
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

TImagesItem::TImagesItem(TFilesItem* fileItem) : FileItem(fileItem) {
    if (fileItem && fileItem->Image) {
        Picture = fileItem->Image.get();
        Picture->Transparent = true;
        Width = Picture->Width;
        Height = Picture->Height;
    }
    TouchWidth = static_cast<int32_t>(std::nearbyint(Width));
    TouchHeight = static_cast<int32_t>(std::nearbyint(Height));
    SelectAnimation(animBase);
    SaveState();
}

TAnimation& TImagesItem::Animation(int index) {
    switch (index) {
    case animBase: return Base;
    case animTouch1: return Touch1;
    case animTouch2: return Touch2;
    case animTouch3: return Touch3;
    }
    throw std::out_of_range("TImagesItem::Animation");
}

const TAnimation& TImagesItem::Animation(int index) const {
    return const_cast<TImagesItem*>(this)->Animation(index);
}

TCommands& TImagesItem::TrackByNumber(int number) {
    if (number < 1 || number > 12)
        throw std::out_of_range("TImagesItem::TrackByNumber");
    return Animation((number - 1) / 3).Track[(number - 1) % 3];
}

const TCommands& TImagesItem::TrackByNumber(int number) const {
    return const_cast<TImagesItem*>(this)->TrackByNumber(number);
}

void TImagesItem::SelectAnimation(int index) {
    TAnimation& a = Animation(index);
    for (int i = 0; i < 3; ++i)
        ActiveTracks[i] = &a.Track[i];
}

int TImagesItem::ActiveAnimation() const {
    for (int i = 0; i < 4; ++i)
        if (ActiveTracks[0] == &Animation(i).Track[0])
            return i;
    return -1;
}

bool TImagesItem::AnyActiveTrackRunning() const {
    for (const TCommands* t : ActiveTracks)
        if (t && t->Running())
            return true;
    return false;
}

bool TImagesItem::HasTouchCommands() const {
    return Touch1.HasCommands() || Touch2.HasCommands() || Touch3.HasCommands();
}

void TImagesItem::SaveState() {
    SavedState.FileItem = FileItem;
    SavedState.Top = Top;
    SavedState.Left = Left;
    SavedState.Width = Width;
    SavedState.Height = Height;
    SavedState.Alpha = Alpha;
    SavedState.Angle = Angle;
    SavedState.Acceleration = Acceleration;
    SavedState.Visible = Visible;
    SavedState.FlipMode = FlipMode;
}

void TImagesItem::RestoreState() {
    FileItem = SavedState.FileItem;
    Top = SavedState.Top;
    Left = SavedState.Left;
    Width = SavedState.Width;
    Height = SavedState.Height;
    Alpha = SavedState.Alpha;
    Angle = SavedState.Angle;
    Acceleration = SavedState.Acceleration;
    Visible = SavedState.Visible;
    FlipMode = SavedState.FlipMode;
    Picture = FileItem && FileItem->Image ? FileItem->Image.get() : nullptr;
}

std::unique_ptr<TImagesItem> TImagesItem::Clone() const {
    auto c = std::make_unique<TImagesItem>(FileItem);
    c->Picture = Picture;
    c->Name = Name;
    c->Top = Top;
    c->Left = Left;
    c->Width = Width;
    c->Height = Height;
    c->Alpha = Alpha;
    c->Angle = Angle;
    c->OrigoX = OrigoX;
    c->OrigoY = OrigoY;
    c->TouchLeft = TouchLeft;
    c->TouchTop = TouchTop;
    c->TouchWidth = TouchWidth;
    c->TouchHeight = TouchHeight;
    c->Visible = Visible;
    c->PlayAnim = PlayAnim;
    c->Parent = Parent;
    c->Group = Group;
    c->FlipMode = FlipMode;
    c->Acceleration = Acceleration;
    c->Locked = Locked;
    c->Selected = Selected;
    c->Shown = Shown;
    c->KeyframeEditing = KeyframeEditing;
    c->Changed = Changed;
    c->ItemColor = ItemColor; // kept too, so that undo never loses a colour label
    for (int i = 0; i < 4; ++i)
        c->Animation(i) = Animation(i).Clone();
    const int active = ActiveAnimation();
    c->SelectAnimation(active < 0 ? animBase : active);
    return c;
}

} // namespace velkon
