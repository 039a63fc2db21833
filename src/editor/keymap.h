#pragma once

#include <QString>
#include <Qt>

namespace velkon {

// What the window knows about a key press when it decides who gets it.
struct TKeyPress {
    int Key = 0;
    Qt::KeyboardModifiers Mods; // Shift, Ctrl and Alt only
    bool Keypad = false;
    bool AutoRepeat = false;
    // A text field has the key: it keeps its letters and its own undo.
    bool Typing = false;
    // No control owns the key (the canvas, the window, a list of a panel).
    bool ForWindow = true;
    bool Playing = false;
    bool KeyframeEditing = false;
    bool KeyframePlaying = false;
    int SelectedCount = 0;
};

// Where a key goes.
struct TKeyDecision {
    enum TKind {
        Pass,   // not the window's: the control has it
        Run,    // the registered action Action runs
        Swallow, // taken, nothing runs (F1/F2 held down)
        Canvas, // the canvas's own keys (arrows, marquee) decide
    };
    TKind Kind = Pass;
    QString Action;
    bool operator==(const TKeyDecision&) const = default;
};

// The main window's key rules: which key runs which registered action, and
// when a control keeps its key. F1/F2/F3 always reach the window (F1 and F2
// held down repeat nothing); while the scene plays nothing else does; a field
// being typed into keeps its letters and Ctrl+S/Z/Y; Insert runs one command.
class TKeyMap {
public:
    static TKeyDecision Decide(const TKeyPress& press);
};

} // namespace velkon
