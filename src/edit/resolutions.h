#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace velkon {

class TEditorState;

// One target screen of the runtime.
struct TResolutionDesc {
    QString Name;
    int32_t Width = 0;
    int32_t Height = 0;
};

constexpr int ResolutionCount = 6;

// The six presets in list order; the index is what the project file stores.
const std::array<TResolutionDesc, ResolutionCount>& ResolutionPresets();

// The preset of an index; an index outside the table falls back to item 1,
// the start-up choice, so a damaged project file cannot index past the table.
const TResolutionDesc& ResolutionPreset(int index);

// The two "IPad3" presets are retina screens; packing warns about them.
bool IsRetinaResolution(int index);

// Window sizes that follow from a resolution, the zoom and the frame offset.
struct TResolutionLayout {
    int32_t PanelWidth = 0, PanelHeight = 0;   // Panel5 and ScrollBox1
    int32_t CanvasWidth = 0, CanvasHeight = 0; // OGLRenderPanel, viewport and projection
};

// Target size := the preset's; canvas size from the zoom and frame offset.
// Returns the sizes the window has to give its scroll area and canvas.
TResolutionLayout ApplyResolution(TEditorState& state, int index);

} // namespace velkon
