#pragma once

#include "project/settingsplaces.h"

#include <QObject>
#include <functional>

class QWidget;

namespace velkon {

class TDialogs;
class TEditorState;
class TErrorLog;
class TImagesItem;
class TPlayback;
class TPlayer;
class TScene;

// What every panel shares: the one scene, the editor state with its undo
// ring, the error log, the dialogs port, the player, the services of the main
// window and the change notices. The main window makes one and hands it to
// each panel it creates; panels never reach into the main window or into each
// other, they talk through this object.
class TEditorDocument : public QObject {
    Q_OBJECT
public:
    TEditorDocument(TScene& scene, TEditorState& state, TErrorLog& log, TDialogs*& dialogs,
                    QObject* parent = nullptr);

    TScene& Scene;
    TEditorState& State;
    TErrorLog& Log;
    // The port in use now: tests replace the window's with a scripted one.
    TDialogs& Dialogs() const { return *dialogs_; }
    bool Playing() const;
    bool KeyframeEditing() const;

    // Where the layout files, the favourites and the exit save live: decided
    // once, when the document is made; tests point it at their own folder.
    TSettingsPlaces Places = TSettingsPlaces::ForThisProgram();

    // Set by the main window once its engine exists.
    TPlayer* Player = nullptr;
    TPlayback* Playback = nullptr;

    // Services of the main window; any may stay empty (panel tests run without a window).
    std::function<void()> RequestRedraw;
    std::function<void(TImagesItem*)> SelectSingleLayer;
    std::function<void(bool preview)> PlayStopToggle;
    // Enables the undo and redo buttons and the rest of the tool bar anew.
    std::function<void()> UpdateEnabledState;
    // Keeps the idle loop running (the keyframe editor plays without the scene playing).
    std::function<void()> StartIdleLoop;
    // The parent for dialogs the panels open themselves.
    std::function<QWidget*()> Window;

    // After a panel changed the scene: every panel refreshes, the undo buttons
    // follow the ring and the canvas is redrawn.
    void Edited();
    // Stores the pose being edited and switches keyframe editing off, as its
    // button would (before new, open, pack, close and the scene's playback).
    void EndKeyframeEditing();
    // Runs a save: while keyframe editing, the pose is stored first and the
    // file gets the layers' start state, never the pose on show.
    void SaveWithStartState(const std::function<void()>& write);
    void Redraw() const;

    // What the main window's keyboard table runs in the panels. Each panel
    // fills the entries it owns when it is created; an empty entry does nothing.
    struct TActions {
        std::function<void(bool up, bool shift)> MoveLayer; // Page Up/Down, one layer, editing off
        std::function<void(int step)> KeyframeColumnStep;  // Page Up/Down while keyframe editing
        std::function<void()> KeyframePlayToggle;          // F3
        std::function<bool()> KeyframePlaying;             // the keyframe editor's play button is down
        std::function<void()> KeyframeEditingOff;          // releases the keyframe-edit button
        // Runs a save so that it writes the layers' start state, not a keyframe pose.
        std::function<void(const std::function<void()>& write)> KeyframeSaving;
        std::function<void()> GroupEditToggle;             // Alt+G
        std::function<void()> LinkToggle;                  // Alt+L
        std::function<void()> BoneButton;                  // Alt+B
        std::function<void(int animation)> SelectAnimation; // F5..F8: Base, Touch1..3
        std::function<void()> AddCommand;                  // Insert, keyframe editing off
        std::function<void()> KeyframeStoreAndCopy;        // Insert, keyframe editing on
        std::function<void(int bit)> ToggleStartBit;       // Alt+1 (bit 0, Base), Alt+2 (bit 2, Touch)
        std::function<void()> OriginButton;                // O, with a selection
        std::function<void()> OpenChangeLog;               // the tool bar's "Change log" button
        // Called after each idle pass while playing (the keyframe editor follows its layer).
        std::function<void()> PlayTick;
    } Actions;

    // The rows of the main window's key table that the panels carry out
    // (Page Up/Down, F5-F8, Insert, Alt+G/L/B/1/2), for a key pressed while no
    // field is being typed into and the scene does not play; true when one ran.
    bool RunPanelKey(int key, Qt::KeyboardModifiers mods);

signals:
    // The layer list changed: layers added, removed, renamed, reordered,
    // grouped, coloured, hidden, locked, or a project was opened.
    void LayersChanged();
    // The selection or the current layer changed, or the current layer's
    // values did (a drag step, a nudge, playback); the inspector and the
    // command list re-read them.
    void SelectionChanged();
    // Playing started or stopped, keyframe editing switched, or the undo ring
    // changed: panels enable their controls anew.
    void EnabledStateChanged();
    // A new or opened project replaced the scene; the undo ring is empty.
    void ProjectReplaced();
    // Undo or redo was applied (the keyframe editor re-reads its state).
    void UndoApplied();

private:
    TDialogs*& dialogs_;
};

} // namespace velkon
