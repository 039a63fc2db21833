#pragma once

#include "model/commands.h"

#include <array>

namespace velkon {

// One animation: three tracks that run side by side.
class TAnimation {
public:
    std::array<TCommands, 3> Track;

    // Whether the three tracks together hold at least one command.
    bool HasCommands() const;
    int CommandCount() const;
    TAnimation Clone() const;
};

} // namespace velkon
