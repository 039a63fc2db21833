#include "edit/resolutions.h"

#include "edit/editorstate.h"

#include <cmath>

namespace velkon {

const std::array<TResolutionDesc, ResolutionCount>& ResolutionPresets() {
    static const std::array<TResolutionDesc, ResolutionCount> presets{{
        {QStringLiteral("IPhone landscape"), 512, 384},
        {QStringLiteral("IPad2 landscape"), 1024, 768},
        {QStringLiteral("IPad3 landscape"), 2048, 1536},
        {QStringLiteral("IPhone portrait"), 384, 512},
        {QStringLiteral("IPad2 portrait"), 768, 1024},
        {QStringLiteral("IPad3 portrait"), 1536, 2048},
    }};
    return presets;
}

const TResolutionDesc& ResolutionPreset(int index) {
    if (index < 0 || index >= ResolutionCount) index = 1;
    return ResolutionPresets()[static_cast<size_t>(index)];
}

bool IsRetinaResolution(int index) {
    return index == 2 || index == 5;
}

static int32_t RoundPixels(double v) {
    return static_cast<int32_t>(std::nearbyint(v));
}

TResolutionLayout ApplyResolution(TEditorState& state, int index) {
    const TResolutionDesc& preset = ResolutionPreset(index);
    state.TargetWidth = preset.Width;
    state.TargetHeight = preset.Height;
    TResolutionLayout layout;
    layout.PanelWidth = RoundPixels((2.0 * preset.Width + 2.0 * state.FrameOffsetX) * state.Zoom);
    layout.PanelHeight = RoundPixels((2.0 * preset.Height + 2.0 * state.FrameOffsetY) * state.Zoom);
    layout.CanvasWidth = RoundPixels(preset.Width * state.Zoom + 2.0 * state.FrameOffsetX);
    layout.CanvasHeight = RoundPixels(preset.Height * state.Zoom + 2.0 * state.FrameOffsetY);
    state.CanvasWidth = layout.CanvasWidth;
    state.CanvasHeight = layout.CanvasHeight;
    return layout;
}

} // namespace velkon
