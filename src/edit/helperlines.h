#pragma once

#include <vector>

namespace velkon {

class TScene;

// Alt+V / Alt+F: toggles the helper line through a canvas position in target
// pixels: horizontal lines are "V<y>=<y>", vertical ones "F<x>=<x>". Returns
// true when the line was added, false when it was removed.
bool ToggleHelperLine(TScene& scene, bool horizontal, int position);

// One helper line as the canvas draws it.
struct THelperLine {
    bool Horizontal = false; // "V" in the name: a line across at y = Position
    int Position = 0;
    bool operator==(const THelperLine&) const = default;
};
// The scene's helper lines read from their "name=value" entries; an entry
// without "=" or without a whole number after it draws nothing.
std::vector<THelperLine> HelperLines(const TScene& scene);

} // namespace velkon
