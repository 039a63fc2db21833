#pragma once

#include "edit/vkpobject.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace velkon {

class TEditorState;

// The undo ring: 255 snapshots of the project's editable state, numbered 1 to
// 255. Every edit records a step of a numbered kind before it changes the
// scene; consecutive steps of the same positive kind share one snapshot. A
// step holds which layers exist, in which order, with which names, files,
// groups and helper lines, so undo and redo bring back deleted, added,
// renamed and reordered layers and files too.
class TUndoBuffer {
public:
    static constexpr int SlotCount = 255;

    // Step kinds recorded by the editor's operations.
    enum : int32_t {
        kindMouseMove = 1,
        kindCommandMove = 5,
        kindProperty = 6,
        kindOrigin = 7,
        kindCommandConvert = 8,
        kindDurationConvert = 9,
        kindCommandAdd = 10,
        kindCommandPaste = 12,
        kindCommandDelete = 13,
        kindFavourites = 14,
        kindCommandEdit = 15,
        kindKeyTimes = 20,
        kindKeyCopy = 21,
        kindKeyDelete = 22,
        kindKeyTouchStart = 23,
        kindCurvePath = 24,
        kindKeysCopy = 25,
        kindKeysDelete = 26,
        kindKeyTranspose = 27,
        kindKeyTimeFromSpeed = 28,
        kindKeyMove = 29,
        kindKeyStore = 30,
        kindKeyEditStart = 31,
        kindKeyEditEnd = 32,
        kindRedo = 40,
        kindGroupCreate = 50,
        kindParentByMouse = 51,
        kindLayersPaste = 52,
        kindLayersTranspose = 53,
        kindLayersDeleteCommands = 54,
        kindLayerAdd = 60,
        kindLayerDelete = 61,
        kindLayerClone = 62,
        kindLayerOrder = 63,
        kindRename = 64,
        kindFileRename = 65,
        kindImport = 66,
        kindFileAdd = 67,
        kindFileDelete = 68,
        kindGroupDissolve = 69,
        kindGroupRename = 70,
        kindVisibility = 71,
        kindLock = 72,
        kindShown = 73,
        kindColor = 74,
        kindKeyboardMove = 100,
    };

    explicit TUndoBuffer(TEditorState& state);
    ~TUndoBuffer();
    TUndoBuffer(const TUndoBuffer&) = delete;
    TUndoBuffer& operator=(const TUndoBuffer&) = delete;

    // Name shown for a kind ("Mozgatás egérrel"...; "Nem meghatározható" for unknown kinds).
    static QString KindName(int32_t kind);

    // Records a step before a change; a negative kind forces a new step.
    void Record(int32_t kind);
    // UndoSpeedButtonClick, Ctrl+Z. A file the step to go back to names
    // otherwise is renamed on disk first; when that fails, the error log says
    // why and nothing changes (false).
    bool Undo();
    // RedoSpeedButtonClick, Ctrl+Y, Ctrl+Shift+Z; files as for Undo.
    bool Redo();
    // After new project and open.
    void Clear();
    // Ends merging: the next edit records a new step (mouse up).
    void EndMerge() { lastKind_ = 0; }

    // Counts every Record (merged ones too), undo, redo and clear: a change
    // of this number says the project may have changed.
    uint64_t Changes() const { return changes_; }

    bool UndoEnabled() const { return undoEnabled_; }
    bool RedoEnabled() const { return redoEnabled_; }
    int32_t Top() const { return top_; }
    int32_t LastKind() const { return lastKind_; }
    // Snapshot in slot 1..255, or null.
    const TVKPObject* Slot(int number) const;

    // Runs the keyframe editor's button handler when a restore must switch
    // keyframe editing on or off; without it only the state's flag changes.
    std::function<void(bool on)> SwitchKeyframeEditing;
    // Called after a restore: enabled states, layer panel and property panels.
    std::function<void()> OnRestored;

private:
    bool RestoreTop();
    void ShowStep();
    // Renames the files on disk that going to `target` renames; all or none.
    bool RenameFilesFor(const TVKPObject& target, const QString& refusal);

    TEditorState& state_;
    std::array<std::shared_ptr<const TVKPObject>, SlotCount> slots_;
    std::shared_ptr<const TVKPObject> shareSource_; // what the scene was last copied from or to
    int32_t top_ = 0;
    int32_t lastKind_ = 0;
    uint64_t changes_ = 0;
    // The ring's history around top: steps undo can still go back to, steps
    // redo can still bring back, and whether the slot after top holds the
    // state now shown (true after an undo or redo, false after a new step).
    int32_t undoCount_ = 0;
    int32_t redoCount_ = 0;
    bool shownKept_ = false;
    bool undoEnabled_ = false;
    bool redoEnabled_ = false;
};

} // namespace velkon
