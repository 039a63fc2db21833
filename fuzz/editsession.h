#pragma once

// The structure-aware harnesses (edit, import): the fuzzer's bytes are read as
// choices, not as a file. They pick how a valid project is spoiled (numbers to
// extremes, names duplicated, empty or 400 characters long, Parent cycles,
// Group out of range, bad file names, injected commands) and which editing
// operations run on it, with which arguments.

#include "fuzzsupport.h"

#include "edit/canvasinteraction.h"
#include "edit/editorstate.h"
#include "edit/inspector.h"
#include "edit/keyframes.h"
#include "engine/clock.h"
#include "engine/playback.h"
#include "engine/player.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"

#include <QStringList>

namespace velkon {
class TIniFile;
}

namespace velkon::fuzz {

// The fuzzer's bytes as a stream of choices; past their end every choice is
// the smallest one, so every input is a whole run.
class TChoices {
public:
    TChoices(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool Flag() { return Byte() & 1; }
    // A whole number in [lo, hi].
    int Int(int lo, int hi);
    // One of the texts.
    QString Pick(const QStringList& pool) { return pool.isEmpty() ? QString() : pool[Int(0, int(pool.size()) - 1)]; }
    // A whole number that tends to the edges: 0, ±1, the int limits, one past
    // them, far beyond, or a small value.
    long long Number();

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// The example project (examples/demo) copied once into a folder of its own.
QString DemoFolder();

// Hostile texts for the places a project has.
QString HostileNumberText(TChoices& in);
QString HostileName(TChoices& in, const QStringList& taken);
QString HostileFileName(TChoices& in, const QStringList& files);
QString HostileParameter(TChoices& in, const QStringList& names);

// Spoils a valid project's INI structurally, `count` times.
void MutateProject(TIniFile& ini, TChoices& in, int count);

// An editor without a window: one scene and what the canvas and the panels
// call on it. Operations run as the panels run them; a refusal (EVelkonError)
// is an answer, any other exception out of a core call is a finding.
struct TEditSession {
    TScene Scene;
    TErrorLog Log;
    TScriptedDialogs Dialogs;
    TEditorState State{Scene};
    TCanvasInteraction Canvas{State};
    TKeyframeEditor Keyframes{State};
    TInspector Inspector{State};
    TManualClock Clock;
    TPlayer Player{Scene, Clock};
    TPlayback Playback{Scene, Player};
    QString Clipboard; // the last copy of the command list or the layers panel
    uint32_t Now = 10000;

    TEditSession();
    // Reads a project as the open command does; a refused file leaves what was read.
    void Open(const QString& path);
    // Runs up to max operations chosen by the input.
    void Run(TChoices& in, int max);
    // Saves to path, reads the file back and compares both project texts.
    void SaveAndCompare(const QString& path);

private:
    void Operation(TChoices& in);
    void CanvasOperation(TChoices& in);
    void KeyframeOperation(TChoices& in);
    void CommandListOperation(TChoices& in);
    void LayerListOperation(TChoices& in);
    void PropertyOperation(TChoices& in);
    void PathOperation(TChoices& in);
    void Play(TChoices& in);
    void Undo(bool redo);
    // After every operation: what the reader takes back, and selection counts in step.
    void Check(const char* after);
    QStringList LayerNames() const;
    QStringList FileNames() const;
    TImagesItem* LayerAt(TChoices& in);
};

} // namespace velkon::fuzz
