#pragma once

#include "edit/recoverytiming.h"
#include "project/projecttextcache.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <future>

namespace velkon {

class TEditorState;
class TErrorLog;
class TRecoveryStore;

// Keeps the recovery copy of the project being edited: looks a few times a
// second whether a copy is due (TRecoveryTiming), makes its text on the
// calling thread from the parts of the layers that changed since the last
// copy (TProjectTextCache), and has another thread join and write it, so the
// editor does not wait for the disk. A copy that cannot be written gives
// one log line, not one per try; editing goes on.
class TRecoveryKeeper {
public:
    TRecoveryKeeper(TEditorState& state, TRecoveryStore& store, TErrorLog& log, int64_t delayMs = 5000);
    // Waits for a copy being written.
    ~TRecoveryKeeper();
    TRecoveryKeeper(const TRecoveryKeeper&) = delete;
    TRecoveryKeeper& operator=(const TRecoveryKeeper&) = delete;

    // One look: nowMs from a steady clock, dragging while a mouse button is
    // down. Returns what it started. A look that starts nothing prepares the
    // text of a few layers that changed (WarmBudget), so that the copy after
    // a project was opened does not write every layer at once.
    TRecoveryAction Tick(int64_t nowMs, bool dragging);
    // The project was saved or replaced (New, Open): the copy goes, and the
    // project as it is now needs none.
    void Forget();
    // Writes the copy now and waits for it (a recovered project); true when written.
    bool WriteNow(int64_t nowMs);
    // Waits for a copy being written and takes in how it went.
    void Finish();

    // Runs its argument while every layer shows its start state (keyframe
    // editing shows a pose instead); without it the layers are read as they are.
    std::function<void(const std::function<void()>&)> InStartState;
    const TRecoveryTiming& Timing() const { return timing_; }
    // Layers whose text one idle look prepares: a few ms on the large
    // project, all of its 2,000 layers within 8 s of looks every 250 ms.
    static constexpr int WarmBudget = 64;

private:
    uint64_t Mark() const;
    void StartWrite();
    // A finished write: its result into the timing, a failure into the log (once).
    void Collect(int64_t nowMs, bool wait);
    void Failed(int64_t nowMs, const std::exception& e);

    TEditorState& state_;
    TRecoveryStore& store_;
    TErrorLog& log_;
    TRecoveryTiming timing_;
    TProjectTextCache text_;
    std::future<bool> writing_;
    uint64_t valueChanges_ = 0; // the canvas's drag steps and nudges, which record no step each
    int valueKey_ = 0;
    bool lastSaved_ = true;
    uint64_t savedFlips_ = 0;
    bool failureLogged_ = false;
    int64_t lastNow_ = 0;
    bool warm_ = false;     // the text of every layer is ready
    uint64_t warmMark_ = 0; // as it was at this mark
};

} // namespace velkon
