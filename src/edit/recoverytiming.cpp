#include "edit/recoverytiming.h"

namespace velkon {

TRecoveryAction TRecoveryTiming::Decide(const TRecoveryMoment& moment) {
    if (!started_) {
        // The project as the editor starts with it needs no copy.
        started_ = true;
        lastMark_ = copiedMark_ = moment.Mark;
    }
    if (moment.Mark != lastMark_) {
        lastMark_ = moment.Mark;
        lastChange_ = moment.Now;
        if (!firstUncopied_) firstUncopied_ = moment.Now;
    }
    if (moment.Saved) {
        // The file holds the project: nothing to keep until the next change.
        copiedMark_ = moment.Mark;
        firstUncopied_.reset();
        if (hasCopy_ && !writing_) return TRecoveryAction::Remove;
        return TRecoveryAction::Wait;
    }
    if (moment.Mark == copiedMark_ || moment.Busy || writing_ || !firstUncopied_ || moment.Now < notBefore_)
        return TRecoveryAction::Wait;
    const bool paused = moment.Now - lastChange_ >= Pause();
    const bool overdue = moment.Now - *firstUncopied_ >= delay_ / 2;
    if (!paused && !overdue) return TRecoveryAction::Wait;
    writing_ = true;
    writingMark_ = moment.Mark;
    writingFirst_ = firstUncopied_;
    firstUncopied_.reset(); // changes from now on are the next copy's
    return TRecoveryAction::Write;
}

void TRecoveryTiming::Written() {
    if (!writing_) return;
    writing_ = false;
    copiedMark_ = writingMark_;
    hasCopy_ = true;
}

void TRecoveryTiming::Failed(int64_t now) {
    if (!writing_) return;
    writing_ = false;
    notBefore_ = now + delay_;
    // The changes the copy should have held are still to be copied, since their first one.
    if (writingFirst_ && (!firstUncopied_ || *writingFirst_ < *firstUncopied_))
        firstUncopied_ = writingFirst_;
}

void TRecoveryTiming::Removed(uint64_t mark) {
    started_ = true;
    writing_ = false;
    hasCopy_ = false;
    notBefore_ = 0;
    lastMark_ = copiedMark_ = mark;
    firstUncopied_.reset();
}

void TRecoveryTiming::Due(uint64_t mark, int64_t now) {
    started_ = true;
    lastMark_ = mark;
    copiedMark_ = mark - 1; // differs from every mark until a copy is written
    lastChange_ = now - Pause();
    firstUncopied_ = now - delay_;
}

} // namespace velkon
