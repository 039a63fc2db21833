#pragma once

#include "edit/commandfields.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace velkon {

class TCommandItem;
class TCommands;
class TDialogs;
class TEditorState;
class TImagesItem;

// One row of a command list: "05. MoveTo" (with a "|" for every loop that
// jumps back over it) and the parameters' display text.
struct TCommandRow {
    QString Caption;
    QString Parameters;
    bool operator==(const TCommandRow&) const = default;
};

// Row number of position i (0-based): "01".."99", a Loop "-01".."-09"; from
// 100 on only the first two digits.
QString RowNumber(int index, bool loop);
// The rows of a whole track.
std::vector<TCommandRow> CommandRows(const TCommands& track);
// Tab caption of track n (1..3): "1." when empty, else "1. [+] sec:2,5".
QString TrackCaption(int n, const TCommands& track);
// A duration in seconds as the list shows it ("2,5"; "végtelen" for a track
// that never ends).
QString DurationText(double seconds);

// Where the list's operations work: the editor state (scene, undo ring,
// keyframe switches), the dialogs port, the current layer and its shown track.
struct TListTarget {
    TEditorState& State;
    TDialogs& Dialogs;
    TImagesItem& Layer;
    TCommands& Track;
};

// Asks the command edit dialog: for a new command (existing null) or to
// change one; nothing when cancelled.
using TEditCommandFn = std::function<std::optional<TCommandFields>(TImagesItem&, const TCommandItem*)>;

// Message for a parameter with a line break, which the list never takes.
extern const QString LineBreakRefused;
// Message after line breaks were left out of copied parameters.
extern const QString LineBreakStripped;

// Selected rows as the operations take them: in range, ascending, once each.
std::vector<int> NormalisedRows(const std::vector<int>& rows, int count);

// Clipboard text of the selected rows in track order; empty when none is
// selected. Line breaks inside parameters are left out, with a message.
QString CopyCommands(const TListTarget& t, const std::vector<int>& rows);

// Ctrl+V. text: the clipboard's plain text, nothing when it holds none.
// Inserts in front of the one selected row, else appends; adapt moves MoveTo
// and KeyFrame to the layer. Returns the positions of the pasted commands.
std::vector<int> PasteCommands(const TListTarget& t, const std::optional<QString>& text,
                               const std::vector<int>& rows, bool adapt);

// Add (button, Ins): asks ask(layer, nullptr); inserts after the one
// selected row, else appends. Returns the new command's row, or -1.
int AddCommand(const TListTarget& t, const std::vector<int>& rows, const TEditCommandFn& ask);
// Edit (double click): only with exactly one row selected. Returns whether it changed.
bool EditCommand(const TListTarget& t, const std::vector<int>& rows, const TEditCommandFn& ask);

// Delete (button, Del). In keyframe editing the same positions go from the
// first current track of every member layer instead.
void DeleteCommands(const TListTarget& t, const std::vector<int>& rows);

// Move up/down by one; returns the rows to select after it (the same
// commands), or nothing when the move is not possible.
std::optional<std::vector<int>> MoveCommandsUp(const TListTarget& t, const std::vector<int>& rows);
std::optional<std::vector<int>> MoveCommandsDown(const TListTarget& t, const std::vector<int>& rows);
// Drop on row target: the first selected command moves there. Returns whether one moved.
bool DropCommand(const TListTarget& t, const std::vector<int>& rows, int target);

// Alt+R: a ReStart 0 at the end of the track.
void AppendRestart(const TListTarget& t);

// PlayAnim from the two execute buttons.
int PlayAnimBits(bool executeDown, bool executeTouchDown);
// Sets the layer's PlayAnim from the buttons; returns whether it changed.
bool SetPlayAnim(TEditorState& state, TImagesItem& layer, bool executeDown, bool executeTouchDown);

// "MoveTo konvert RelativeMoveTo".
void ConvertMoveToRelative(const TListTarget& t, const std::vector<int>& rows);
// "Duration módosítás": the keyframe panel's AutoDuration into the durations.
void ChangeDuration(const TListTarget& t, const std::vector<int>& rows);
// "Duration sebességből": asks the speed; false when cancelled or refused.
bool DurationFromSpeed(const TListTarget& t, const std::vector<int>& rows);
// "Duration-ok összegzése": the sum in seconds, also shown as "Összesen:..".
double DurationSum(TDialogs& dialogs, const TCommands& track, const std::vector<int>& rows);
// "Parancsok inverze": Show<->Hide, StartOther<->StopOther, PlaySfx<->StopSfx,
// PlayParticle<->StopParticle.
void InvertCommands(const TListTarget& t, const std::vector<int>& rows);
// The kind a command turns into by the inversion (itself when none).
int InverseCommand(int command);

} // namespace velkon
