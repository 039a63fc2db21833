#pragma once

#include <QString>

namespace velkon {

// A command as the command edit dialog gives it back: its name and the three
// parameter texts.
struct TCommandFields {
    QString Command, Param1, Param2, Param3;
    bool operator==(const TCommandFields&) const = default;
};

} // namespace velkon
