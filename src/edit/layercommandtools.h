#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace velkon {

class TDialogs;
class TEditorState;
class TScene;

// Tools of the layers panel that act on the commands of every selected layer
// (Selected flag set, in Layers order) at once.

// The command clipboard text of one command per selected layer: command
// number 8 (Show), 9 (Hide), 11 (StartOther) or 12 (StopOther) naming the
// layer. nullopt when no layer is selected (the clipboard stays as it was).
std::optional<QString> LayerCommandsClipboard(const TScene& scene, int32_t command);

// "Kijeölt elemekhez parancs beillesztés": appends the clipboard's commands
// to track `tab` (1..3) of every selected layer's active animation. clipboard
// is nullopt when the clipboard holds no text. A text that is not a command
// clipboard or holds none pastes nothing; one that is cut short or names a
// command outside the catalogue is refused whole. Returns whether it pasted.
bool PasteIntoSelectedLayers(TEditorState& state, TDialogs& dialogs, const std::optional<QString>& clipboard,
                             int tab);

// tabs: 0 every track ("Mind"), 1..3 one track. Animations 0..3: Base, Touch1..Touch3.

// "Indít": copies (or with move, moves) the chosen tracks of animation `from`
// to the end of the same tracks of animation `to` in every selected layer.
// The same animation on both sides is refused with a message. The project
// counts as modified once a command was copied or moved.
bool CopyLayerCommands(TScene& scene, TDialogs& dialogs, int tabs, bool move, int from, int to);

// "Törlés": clears the chosen tracks of every animation, or only of the one the
// keyframe editor's animation selector shows, in every selected layer.
void DeleteLayerCommands(TEditorState& state, int tabs, bool everyAnimation);

// "Transzponálás": shifts the selected layers by (dx, dy) with the positions in
// the KeyFrame and MoveTo commands of track 1 of each animation; with origin
// the origins shift back so that the pivots stay. A MoveTo parameter that is a
// parameter function is left as it is.
void TransposeLayers(TEditorState& state, int32_t dx, int32_t dy, bool origin);

// "Transzponálási pont megadása": switches the transposition point on or off.
void ToggleTransposePoint(TEditorState& state);

// "Kiválasztottak transzponálása": with the point placed, shifts the selected
// layers and their KeyFrame positions by the point minus the common origin;
// otherwise switches the point on. Returns whether layers moved.
bool TransposeToPoint(TEditorState& state);

} // namespace velkon
