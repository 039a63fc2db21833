#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace velkon {
class TImagesItem;
class TScene;
} // namespace velkon

namespace velkon::test {

// A layer the way the editor adds one: on a one-colour PNG of its own size
// written into a folder (one file per size and colour, shared by the layers
// showing it), placed at (Left, Top).
// Written as TLayerSpec().Named("a").At(10, 20).Sized(40, 40).
struct TLayerSpec {
    QString Name; // empty: named from its file, as the editor names a new layer
    double Left = 0, Top = 0;
    int Width = 32, Height = 32;
    std::array<uint8_t, 4> Rgba{255, 0, 0, 255}; // red
    bool Selected = false;                       // also counted in SelectedCount

    TLayerSpec& Named(const QString& name) { Name = name; return *this; }
    TLayerSpec& At(double left, double top) { Left = left; Top = top; return *this; }
    TLayerSpec& Sized(int width, int height) { Width = width; Height = height; return *this; }
    TLayerSpec& Coloured(const std::array<uint8_t, 4>& rgba) { Rgba = rgba; return *this; }
    TLayerSpec& Chosen() { Selected = true; return *this; }
};

TImagesItem* AddLayer(TScene& scene, const QString& folder, const TLayerSpec& spec = {});

} // namespace velkon::test
