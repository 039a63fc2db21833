#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace velkon {

class TDialogs;
class TEditorState;
class TImagesItem;
class TScene;

// One row of the layers panel's "Images" list: a group's header or a layer.
struct TLayerRow {
    int Group = -1;               // group row: the group's 0-based position in Groups
    TImagesItem* Layer = nullptr; // layer row
    bool Selected = false;        // layer rows: the layer's Selected at the rebuild
    int Usage = 0;                // layer rows: command parameters naming the layer
    bool IsGroup() const { return Layer == nullptr; }
};

// The columns of the "Images" list.
enum TLayerColumn { colName, colStatus, colFileName, colWidth, colHeight, colUsage, LayerColumnCount };

// The "Images" list's rows, topmost layer first, empty groups before all
// layers. Gathers the members of every group directly below their topmost
// member (this reorders Layers), opens a closed group that has a selected
// member, recomputes member counts, header rows and every listed layer's
// ListState.
std::vector<TLayerRow> RefreshList(TScene& scene);

// The text a row shows in a column: group rows their name and "N elem" under
// "Image filename"; layer rows the name (indented five spaces in a group),
// "X" when locked, the file name, the picture's pixel size and the usage.
QString LayerRowText(const TScene& scene, const TLayerRow& row, int column);

// Layer names to how many command parameters name them exactly, in one pass.
std::vector<int> CountAllLayerReferences(const TScene& scene);

// One row of the "Files" list.
struct TFileRow {
    int File = 0;  // position in Files
    int Usage = 0; // command parameters naming the file
};
std::vector<TFileRow> RefreshFileList(TScene& scene);
QString FileRowText(const TScene& scene, const TFileRow& row, int column);

// Selection from the list: every layer and group row deselected, then the
// selected rows (top to bottom) select their layers, a group row itself and
// all its members. One selected layer row makes its layer the current layer.
void SelectFromRows(TScene& scene, const std::vector<TLayerRow>& selected);
// Whether a row is to be shown selected: a layer row by its layer's
// Selected, a group row by its group's.
bool RowSelected(const TScene& scene, const TLayerRow& row);
// The group (0-based) when the selection is one group row with nothing but
// its own members' rows, else -1.
int SelectedGroupOnly(const std::vector<TLayerRow>& selected);

// A left click into a group row. inStatus: the click is in the Status cell,
// statusX its distance from the cell's left edge; onIcon: it hit the folder
// icon. Toggles open (statusX < 18), locked (18..34, members follow) and
// shown (> 34, members follow); a click on the folder asks for a new name.
// The rename ("Csoport átnevezés"), lock and shown toggles are undo steps.
// Returns whether anything changed.
bool GroupRowClick(TEditorState& state, TDialogs& dialogs, int group, bool inStatus, int statusX, bool onIcon);

// The toggles a mouse press starts on a layer row and paints over the rows
// the pointer then crosses with the button held.
struct TRowToggle {
    enum TKind { none, visibility, lock, shown };
    TKind Kind = none;
    bool Value = false;
};
// The press: on the state icon visibility, in the Status cell lock (left of
// 34) or shown, each press one undo step with what it paints afterwards.
// Returns the toggle to remember.
TRowToggle StartRowToggle(TEditorState& state, TLayerRow row, bool onStateIcon, bool inStatus, int statusX);
// Paints a remembered toggle onto a row; returns whether it changed anything.
bool PaintRowToggle(TScene& scene, TLayerRow row, TRowToggle toggle);

// The Status header: flips headerFlag and sets Locked of every layer to it
// (undo step "Zárolás váltás", as for L).
void StatusHeaderClick(TEditorState& state, bool& headerFlag);
// L: every layer locked except the current one (one selected layer only).
bool LockAllButCurrent(TEditorState& state);
// R: cuts the number of characters the user gives from the front of every
// selected layer's name, numbering names that are taken (undo step "Átnevezés").
bool BatchRename(TEditorState& state, TDialogs& dialogs);

// Most groups a project can hold (the size of the group state table).
constexpr int MaxGroups = 256;
// Group button: a new group of the selected layer rows (undo step 50).
// Refused with a message when the table is full. Returns whether it was made.
bool CreateGroup(TEditorState& state, TDialogs& dialogs, const std::vector<TLayerRow>& selected);
// Open or close every group.
void OpenAllGroups(TScene& scene, bool open);

// A drop of the selected rows on a row (or on no row): out of the group, into
// a group, the parent cleared (on itself) or set (undo step 51). A parent that
// would close a circle is refused with a message.
void DropRows(TEditorState& state, TDialogs& dialogs, const std::vector<TLayerRow>& selected,
              std::optional<TLayerRow> target);
// Whether following target's parent chain meets name; the walk ends at a
// Parent naming no layer and on a loop.
bool ParentChainContains(const TScene& scene, const TImagesItem& target, const QString& name);

// Colour swatch: ItemColor of every selected layer row (undo step "Szín beállítás").
void SetRowsColor(TEditorState& state, const std::vector<TLayerRow>& selected, uint32_t color);
// CheckAll / CheckOutAll: Visible of every selected layer (undo step "Láthatóság váltás").
void SetSelectedVisible(TEditorState& state, bool visible);

} // namespace velkon
