#pragma once

#include "edit/editorstate.h"
#include "edit/keyframes.h"
#include "edit/scrubber.h"
#include "editor/actionregistry.h"
#include "engine/clock.h"
#include "engine/playback.h"
#include "engine/player.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "project/recentprojects.h"
#include "project/settingsplaces.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QWidget;

namespace velkon {

class TDialogs;
class TImagesItem;
class TRecoveryDriver;
struct TRecoveryCopy;

// The open project and everything that edits it: the scene, the editor state
// with its undo ring, the error log, the keyframe editor, the player and its
// playback, and the project commands (new, open, save, pack, the close
// guard). Panels and the main window get the one document; they ask it, call
// its commands and listen to its notices, and never reach into each other or
// into the main window. A document works without any window (the tests make
// one on its own).
class TEditorDocument : public QObject {
    Q_OBJECT
public:
    explicit TEditorDocument(QObject* parent = nullptr);
    ~TEditorDocument() override;

    TScene Scene;
    TEditorState State{Scene};
    TErrorLog Log;
    // Keyframe editing of the selected layers; the keyframe panel shows it.
    TKeyframeEditor Keyframes{State};

private:
    // Declared before the player: the player reads it.
    TSteadyClock clock_;

public:
    TPlayer PlayerEngine{Scene, clock_};
    TPlayback PlaybackEngine{Scene, PlayerEngine};
    // The same two, for the panels that ask whether there is a player at all.
    TPlayer* const Player = &PlayerEngine;
    TPlayback* const Playback = &PlaybackEngine;

    // The dialogs port in use: the main window sets its Qt dialogs, tests a scripted one.
    TDialogs* Port = nullptr;
    TDialogs& Dialogs() const;
    // The parent for dialogs the panels open themselves; null without a window.
    QWidget* DialogParent = nullptr;

    // Where the layout files, the favourites and the exit save live: decided
    // once, when the document is made; tests point it at their own folder.
    TSettingsPlaces Places = TSettingsPlaces::ForThisProgram();

    // Where the recovery copies live (the user's data folder); tests point
    // it at their own folder before StartRecovery.
    QString RecoveryFolder;
    // Crash recovery, once the window is up: offers the copies editors that
    // did not end normally left behind, then keeps this editor's own copy.
    // Returns whether a copy was restored (it then stands for the project).
    bool StartRecovery(int64_t delayMs = 5000);
    // Null until StartRecovery.
    TRecoveryDriver* Recovery() const { return recovery_.get(); }
    // A left copy becomes the project: unsaved changes of its original file.
    void RecoverProject(const TRecoveryCopy& copy);

    // The scene plays (a scrubbed moment is no playing: play, edits and saves end it).
    bool Playing() const;
    bool KeyframeEditing() const;

    // After a panel changed the scene: every panel refreshes, the controls
    // are enabled anew and the canvas is redrawn.
    void Edited();
    // Asks for a redraw of the canvas.
    void Redraw();
    // Asks every control to enable itself anew (playing, editing, the undo ring).
    void UpdateEnabledState();
    // Selects exactly this layer (none for null) and makes it the current
    // one; the common origin and the group rows stay as they were.
    void SelectSingleLayer(TImagesItem* layer);

    // ---- Playing ----
    // F1 (full play) and F2 (preview of the selected layers): starts or stops.
    // While a keyframe plays nothing happens; keyframe editing ends first.
    void PlayStopToggle(bool preview);
    // One tick of the player while playing: the automatic stop included.
    // Returns whether anything still plays (the scene or a keyframe).
    bool PlayTick();
    // Plays the keyframe editor's layers from the selected keyframe, or stops them.
    void KeyframePlayToggle();
    void SetKeyframePlaying(bool on);

    // ---- Time scrubber ----
    // Shows the scene at ms of a full playback from the start (the virtual
    // clock of `velkon simulate`); 0 or less leaves scrubbing. Playing and
    // keyframe editing end first; nothing happens while a keyframe plays.
    void ScrubTo(int32_t ms);
    // The same for any time, 0 included (the preview export's frames).
    void ShowMoment(int32_t ms);
    // Back to the edited state exactly; harmless when not scrubbing. Every
    // edit, undo, play, save, pack and keyframe editing calls it first.
    void EndScrub();
    bool Scrubbing() const { return State.Scrubbing; }
    int32_t ScrubTime() const { return scrubber_.Time(); }
    const TScrubber& Scrubber() const { return scrubber_; }
    // When the playback stops by itself, once the scrubber got that far; else -1.
    int32_t ScrubStopTime() const { return scrubber_.StopTime(); }
    // The scrubber goes this far (ms): the default end of a render, too.
    static constexpr int32_t ScrubRange = 10000;

    // ---- Undo ----
    // Undo and redo of the ring (nothing while playing: the restore at stop would lose the step).
    void Undo();
    void Redo();

    // ---- Keyframe editing ----
    // The keyframe-edit switch: on for the selected layers (false when refused), or off.
    bool SetKeyframeEditing(bool on);
    // Stores the pose being edited and switches keyframe editing off (before
    // new, open, pack, close and the scene's playback).
    void EndKeyframeEditing();
    // Runs a save: while keyframe editing, the pose is stored first and the
    // file gets the layers' start state, never the pose on show.
    void SaveWithStartState(const std::function<void()>& write);

    // ---- Project commands ----
    // New project: asks first when the project is unsaved; false when the user kept it.
    bool NewProject();
    // The open button: asks, lets the user choose and reads; true when a project was read.
    bool OpenProject();
    // Reads this project file (the command line).
    void OpenProject(const QString& path);
    // A project file dropped on the window, through Open's question; true when read.
    bool OpenDroppedProject(const QString& path);
    // A project of the recent list, through Open's question; true when read.
    bool OpenRecentProject(const QString& path);
    // The projects opened or saved last, newest first ("Legutóbbi projektek").
    QStringList RecentProjects() const;
    // Save (withDialog: the save button; without: Ctrl+S). True when written.
    bool SaveProject(bool withDialog);
    // Packs the project; readBackFrame draws the frame the pack's screenshot
    // shows. Returns the pack's path, empty when nothing was packed.
    QString PackProject(const std::function<void()>& readBackFrame);
    // The close guard: true when the window may close (saved, or the user says so).
    bool MayClose();
    // Before the window closes: the pose being edited is stored, and the exit
    // save writes the scene's start state.
    void ExitSave();

    // Every command a button, a key or a menu runs, by id. The document
    // registers its own (project, undo, playing, keyframe editing); the main
    // window and the panels register theirs.
    TActionRegistry Registry;

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
    // The keyframe editor's grid, selection or switches changed.
    void KeyframesChanged();
    // The project's file name or folder changed (caption and status line).
    void ProjectNameChanged();
    // The project's saved flag changed (the caption's modified mark follows it).
    void SavedChanged(bool saved);
    // The canvas should be drawn again.
    void RedrawRequested();
    // Something plays now (the scene or a keyframe): the idle loop must run.
    void PlayStarted();
    // Scrubbing began, moved to another time or ended.
    void ScrubChanged();

private:
    TScrubber scrubber_{Scene};
    std::unique_ptr<TRecoveryDriver> recovery_;
    // The project was saved, replaced or closed normally: its recovery copy goes.
    void ForgetRecoveryCopy();

    // The saved flag is cleared by many core operations that know no
    // document; it is watched instead, a few times a second.
    QTimer savedWatch_;
    bool lastSaved_ = true;

    void RegisterActions();
    void ApplyUndoStep(bool redo);
    // Open and the recent list: read unless the command says no (the
    // question, no file chosen); what was read shows, also after a throw.
    bool ReadChosenProject(const std::function<bool()>& read);
    TRecentProjects Recent() const;
    // The project on show was opened or saved under its path: first in the list.
    void RememberProject();
    // After a project was read (or reading stopped half-way).
    void ProjectLoaded();
    // A new scene holds no edit: nothing to store or restore.
    void ForgetKeyframeEditing();
};

} // namespace velkon
