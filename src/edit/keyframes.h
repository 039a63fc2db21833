#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace velkon {

class TDialogs;
class TEditorState;
class TImagesItem;
class TPlayer;

// Keyframe editing: the member layers' poses stored as KeyFrame commands in
// their first current track, one keyframe per column of the keyframe grid.
// Column 0 stands for the start state (the layers' saved states), column c
// for keyframe c - 1. The selected keyframe s is State.KeyFrameIndex (-1 at
// column 0), the column count State.KeyFrameColCount and the selected column
// State.KeyFrameCol; the undo ring carries all three.
class TKeyframeEditor {
public:
    // Who asks for a store: the duration callers always write the duration,
    // the copy button appends a copy of the stored keyframe, the off switch
    // stores although editing is about to end.
    enum TStoreCaller { storeOther, storeCopyNext, storeDuration, storeSwitchingOff };

    explicit TKeyframeEditor(TEditorState& state);
    ~TKeyframeEditor();
    TKeyframeEditor(const TKeyframeEditor&) = delete;
    TKeyframeEditor& operator=(const TKeyframeEditor&) = delete;

    // The layers of the current (or last) edit, in layer-list order; read
    // afresh from their KeyframeEditing flags, so deleted layers are gone.
    std::vector<TImagesItem*> Members() const;
    bool Editing() const;
    int Selected() const;    // s: -1 for the start state
    int ColumnCount() const; // keyframes + 1
    int KeyframeCount() const { return ColumnCount() - 1; }

    // Switches keyframe editing on for the selected layers. Refused with a
    // message (one log line "expected<>count - name" per faulty layer) when
    // nothing is selected or their first tracks differ in length.
    bool EditingOn(TDialogs& dialogs);
    // Stores the shown pose, records the step and puts every layer back into its start state.
    void EditingOff();
    // Stores the pose and switches editing off when it is on (before a new
    // project, an open, a pack, closing the window, the scene's playback);
    // playing from a keyframe is stopped first.
    void Finish(TPlayer* player);
    // Runs a save while editing: the shown pose is stored first, and the save
    // sees every layer in its start state (its saved state), never a keyframe pose.
    void WithStartState(const std::function<void()>& write);
    // Runs read while every layer shows its start state, without storing the
    // pose (the recovery copy: nothing of the edit may change behind the user).
    void ShowingStartState(const std::function<void()>& read);
    // Undo and redo switch editing without a store or a step of their own.
    void SwitchFromUndo(bool on);
    // After undo or redo: the grid follows the state and the selected column is applied.
    void Refresh();

    // Writes the members' poses into keyframe s (or appends one at column 0).
    void Store(TStoreCaller caller);
    // Selects column c: the pose being left is stored first.
    void SelectColumn(int column);
    // Page Up / Page Down: the previous or next column, within the grid.
    void StepColumn(int step);

    // The default duration's -/+ buttons: 0.1, Shift 0.5, Ctrl 1, Alt 0.2.
    static QString SteppedDuration(const QString& text, bool plus, bool shift, bool ctrl, bool alt);
    void DurationStep(bool plus, bool shift, bool ctrl, bool alt);
    // A new text typed into the duration field.
    void DurationTyped(const QString& text);

    void CopyKeyframe();
    void DeleteKeyframe();
    void MoveBack();
    void MoveForward();

    // The timeline's column range for the range operations.
    int TimelineLeft = 0, TimelineRight = 0;
    void SelectWholeTimeline();
    void CopyRange(bool reversed);
    void DeleteRange();
    void SetRangeDuration();
    // Asks for a speed in pixels per second; false when cancelled or refused.
    bool DurationFromSpeed(TDialogs& dialogs);
    // "Kiválasztottak transzponálása": the range's keyframes of the selected
    // members shifted by the transpose point; without the point it is only
    // switched on (false).
    bool TransposeRange();

    // Selects the layers of the last edit.
    void SelectLastEditLayers();
    // The animation selector: the current layer's animation when exactly one is selected.
    void SelectAnimation(int animation);

    // Plays the members' first tracks from the keyframe after the selected
    // one; false (nothing happens) when that is impossible.
    bool PlayStart(TPlayer& player);
    void PlayStop(TPlayer& player);
    bool Playing() const;
    // Each idle pass while playing: the timeline follows the first member;
    // returns whether any member's track still runs.
    bool PlayFollow();

    // Whether the members' tracks still fit the grid. When another editor
    // made them differ in length, the layers are logged as at the start and
    // editing is switched off without writing into the tracks.
    bool CheckTracks();

    // The layer's pose "x=..y=..w=..h=..a=..f=..".
    static QString PoseText(const TImagesItem& layer);
    // Applies keyframe k of the layer's three current tracks; false when a parameter could not be read.
    bool ApplyKeyframe(TImagesItem& layer, int k);
    // Shows the selected column: the start state, or keyframe s on every member.
    void ApplySelected();

    // Told after the grid or the selection changed (the panel re-reads them).
    std::function<void()> Changed;
    // The command lists and the inspector re-read the scene.
    std::function<void()> Refreshed;

private:
    void Renumber(int n);
    void SetColumns(int count, int column);
    void AddColumns(int n, int select);
    void Notify();
    void Modified();
    // Editing ends: every layer back in its start state, the panels told.
    void BackToStartState();

    TEditorState& state_;
    int savedTimelineLeft_ = 0, savedTimelineRight_ = 0;
};

} // namespace velkon
