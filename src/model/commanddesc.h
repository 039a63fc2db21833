#pragma once

#include <QString>
#include <array>

namespace velkon {

// Command numbers as stored in project files and packs.
enum TCommandId : int {
    cmdMoveTo = 1,
    cmdRelativeMoveTo = 2,
    cmdReSize = 3,
    cmdRotate = 4,
    cmdChgImage = 5,
    cmdWait = 6,
    cmdReStart = 7,
    cmdShow = 8,
    cmdHide = 9,
    cmdFlip = 10,
    cmdStartOther = 11,
    cmdStopOther = 12,
    cmdFadeTo = 13,
    cmdReSet = 14,
    cmdPlaySfx = 15,
    cmdLoop = 16,
    cmdAccelerate = 17,
    cmdKeyFrame = 18,
    cmdStopSfx = 19,
    cmdPlayParticle = 20,
    cmdStopParticle = 21,
};

constexpr int CommandCount = 21;

// One entry of the command catalogue.
struct TCommandDesc {
    QString Name;
    QString Types;      // three letters: i, f, s, or "-" for an unused slot
    QString ParamName[3];
    QString Help;       // lines separated by CR LF
};

// Catalogue entry for a command number, or nullptr outside 1..21.
const TCommandDesc* CommandDesc(int number);

// A command's help in the language the program speaks (the catalogue keeps
// the Hungarian source lines, which also serve as the lines' identity).
QString CommandHelp(const TCommandDesc& desc);

// The whole catalogue in command-number order (index 0 is command 1).
const std::array<TCommandDesc, CommandCount>& CommandCatalogue();

// Command number for a catalogue name (exact), or 0.
int CommandNumber(const QString& name);

// Catalogue name for a number; empty outside 1..21.
QString CommandName(int number);

// The parameter-function templates offered by the command edit dialog.
const std::array<QString, 10>& FunctionTemplates();

} // namespace velkon
