#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace velkon {

class TDialogs;
class TEditorState;
class TImagesItem;

// The single page's number fields.
enum class TInspectorField {
    X,
    Y,
    W,
    H,
    WPercent,
    HPercent,
    OrigoX,
    OrigoY,
    Deg,
    Alpha,
    TouchL,
    TouchT,
    TouchR,
    TouchB
};

// How the other percentage follows an edited one: "Arány", "Inverz", "Normál".
enum class TRatioMode { Ratio, Inverse, Normal };

// What the single page's fields hold.
struct TSingleFields {
    int32_t X = 0, Y = 0, W = 0, H = 0;
    int32_t WPercent = 100, HPercent = 100;
    int32_t OrigoX = 0, OrigoY = 0;
    int32_t Deg = 0, Alpha = 255;
    int32_t TouchL = 0, TouchT = 0, TouchR = 0, TouchB = 0;
    bool Visible = true;
    QString Name, FileName, Parent;

    int32_t& Field(TInspectorField f);
    int32_t Field(TInspectorField f) const { return const_cast<TSingleFields*>(this)->Field(f); }
};

// What the multiple page's fields hold.
struct TMultiFields {
    bool AlphaEnabled = false; // all selected layers share one alpha
    int32_t Alpha = 255;
    int32_t Deg = 0;
    int32_t WPercent = 100, HPercent = 100;
};

// Reads a field's text as a whole number; nullopt when it holds none (the
// field then shows the error and the layer keeps its values).
std::optional<int32_t> ReadInspectorNumber(const QString& text);

// The property inspector's logic: the single page edits the current layer by
// number, the multiple page turns and scales the selection about the common
// origin. The window shows Single and Multi and hands every user change to
// one of these operations; operations that refuse return false.
class TInspector {
public:
    explicit TInspector(TEditorState& state) : state_(state) {}

    TSingleFields Single;
    TMultiFields Multi;
    TRatioMode SingleMode = TRatioMode::Ratio;
    TRatioMode MultiMode = TRatioMode::Ratio;

    // Which page shows: 0 none, 1 the single page, 2 the multiple page.
    int Page() const;
    // Writes the selected layer's values, or the common alpha, into the fields.
    void Refresh();

    // The single page's field f now holds value. sizeFocus: the focus is in
    // "W:" or "H:", so both percentages follow the new size.
    bool Edit(TInspectorField f, int32_t value, bool sizeFocus = false);
    // "Beállítja a méretarányt": applies the percentage that is not 100.
    bool ApplyRatio();
    // "Felveszi a méretarányt": the percentages from the layer's size.
    void TakeRatio();
    // A press at (x, y) in the 64 x 64 origin picker.
    bool PickOrigin(int x, int y);
    // "Origó beállítása": the origin where the common origin is.
    bool OriginFromCommonOrigin();
    // "Név megváltoztatása": the layer, the commands naming it and the Parent
    // texts naming it, as undo step "Átnevezés".
    bool RenameLayer(TDialogs& dialogs);
    // "Fájlnév megváltoztatása": renames the picture file on disk first; undo
    // step "Fájl átnevezés" (its undo renames the file back).
    bool RenameFile(TDialogs& dialogs);

    // A multiple-page field got the focus: every layer takes its base, the
    // rotation goes back to 0 and the percentages to 100.
    void TakeBase();
    bool MultiAlpha(int32_t alpha);
    bool MultiRotate(int32_t degrees);
    // The width (widthField) or height percentage now holds percent.
    bool MultiScale(bool widthField, int32_t percent);

private:
    TImagesItem* SingleLayer() const;
    bool CanEdit() const;
    void WriteBack(TImagesItem& layer);
    void PercentsFromSize(const TImagesItem& layer);
    bool ApplyWidthPercent(TImagesItem& layer);
    bool ApplyHeightPercent(TImagesItem& layer);
    void FillSingle(const TImagesItem& layer);

    TEditorState& state_;
};

} // namespace velkon
