#pragma once

namespace velkon {

class TScene;

// Alt+V / Alt+F: toggles the helper line through a canvas position in target
// pixels: horizontal lines are "V<y>=<y>", vertical ones "F<x>=<x>". Returns
// true when the line was added, false when it was removed.
bool ToggleHelperLine(TScene& scene, bool horizontal, int position);

} // namespace velkon
