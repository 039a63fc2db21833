#pragma once

#include <cstdint>
#include <optional>

namespace velkon {

// What the editor sees when it looks whether a recovery copy is due.
struct TRecoveryMoment {
    int64_t Now = 0;   // milliseconds of a steady clock
    bool Saved = true; // the project has no unsaved changes
    bool Busy = false; // a drag is going on, or something plays
    uint64_t Mark = 0; // changes whenever the project may have changed
};

enum class TRecoveryAction { Wait, Write, Remove };

// When a recovery copy is written: while the project has unsaved changes,
// once the user has paused (no change for a fifth of the delay), and at the
// latest half the delay after the first change the copy does not hold yet,
// so that a copy is written within the delay of any change even while the
// user keeps working; never in the middle of a drag, never while something
// plays, never while the last copy is still being written. A saved project
// needs no copy: a copy there is removed.
class TRecoveryTiming {
public:
    explicit TRecoveryTiming(int64_t delayMs = 5000) : delay_(delayMs) {}

    TRecoveryAction Decide(const TRecoveryMoment& moment);
    // The copy Decide asked for is written (it holds the project as it was
    // at that Decide), or failed, or was not wanted any more.
    void Written();
    // A failed copy is tried again a whole delay later, not at every look.
    void Failed(int64_t now);
    // The copy is gone (the project was saved, or replaced: New, Open);
    // the project as it is now needs no copy until it changes.
    void Removed(uint64_t mark);
    // The project as it is now needs a copy at once (a recovered project).
    void Due(uint64_t mark, int64_t now);

    bool Writing() const { return writing_; }
    bool HasCopy() const { return hasCopy_; }
    int64_t Delay() const { return delay_; }
    int64_t Pause() const { return delay_ / 5; }

private:
    int64_t delay_;
    uint64_t lastMark_ = 0;   // the mark last seen
    uint64_t copiedMark_ = 0; // the mark the copy (or the file) holds
    int64_t lastChange_ = 0;
    std::optional<int64_t> firstUncopied_; // the first change the copy does not hold
    // While writing: the mark being written, and what to go back to when it fails.
    uint64_t writingMark_ = 0;
    std::optional<int64_t> writingFirst_;
    int64_t notBefore_ = 0; // no new try before this, after a failure
    bool writing_ = false;
    bool hasCopy_ = false;
    bool started_ = false;
};

} // namespace velkon
