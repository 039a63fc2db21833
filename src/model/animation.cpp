#include "model/animation.h"

namespace velkon {

bool TAnimation::HasCommands() const { return CommandCount() > 0; }

int TAnimation::CommandCount() const {
    return Track[0].Count() + Track[1].Count() + Track[2].Count();
}

TAnimation TAnimation::Clone() const {
    TAnimation copy;
    for (int i = 0; i < 3; ++i)
        copy.Track[i] = Track[i].Clone();
    return copy;
}

} // namespace velkon
