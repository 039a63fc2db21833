#include "edit/keyframes.h"

#include "edit/editorstate.h"
#include "edit/listroom.h"
#include "edit/pathtools.h"
#include "edit/phasestep.h"
#include "edit/selection.h"
#include "engine/params.h"
#include "engine/player.h"
#include "model/commanddesc.h"
#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/imagesitem.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <exception>

namespace velkon {

namespace {

TCommands& FirstTrack(TImagesItem& layer) {
    return *layer.ActiveTracks[0];
}

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// A duration or speed as the user typed it: "," or "." before the fraction.
double DecimalOrThrow(const QString& text) {
    const std::optional<double> v = ReadDecimal(text);
    if (!v) throw EVelkonError(QCoreApplication::translate("KeyFrames", "\"%1\" nem szám").arg(text));
    return *v;
}

const char* const kMismatchMessage = QT_TRANSLATE_NOOP(
    "KeyFrames",
    "A kijelölt elemek parancssorai nem egyformák vagy üresek! Hibanaplóba kerültek a hibás rétegek.");

} // namespace

TKeyframeEditor::TKeyframeEditor(TEditorState& state) : state_(state) {}
TKeyframeEditor::~TKeyframeEditor() = default;

std::vector<TImagesItem*> TKeyframeEditor::Members() const {
    std::vector<TImagesItem*> members;
    for (const auto& entry : state_.Scene.Layers)
        if (entry.second->KeyframeEditing && entry.second->ActiveTracks[0])
            members.push_back(entry.second.get());
    return members;
}

bool TKeyframeEditor::Editing() const {
    return state_.KeyframeMode;
}
int TKeyframeEditor::Selected() const {
    return state_.KeyFrameIndex;
}
int TKeyframeEditor::ColumnCount() const {
    return std::max(1, state_.KeyFrameColCount);
}
bool TKeyframeEditor::Playing() const {
    return state_.KeyframePlaying;
}

QString TKeyframeEditor::PoseText(const TImagesItem& l) {
    return velkon::PoseText(l);
}

void TKeyframeEditor::BackToStartState() {
    state_.KeyframeMode = false;
    for (const auto& entry : state_.Scene.Layers)
        entry.second->RestoreState();
    // The common origin goes back with the layers instead of staying at the last pose.
    state_.SelectionSignature.reset();
    RecomputeSelection(state_);
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::Notify() {
    if (Changed) Changed();
}

void TKeyframeEditor::Modified() {
    state_.Scene.Saved = false;
}

// ---- The grid ----

void TKeyframeEditor::SetColumns(int count, int column) {
    state_.KeyFrameColCount = std::max(1, count);
    if (column < 0 || column >= state_.KeyFrameColCount) column = 0;
    state_.KeyFrameCol = column;
    state_.KeyFrameIndex = column - 1;
    // The timeline keeps its range while it still fits.
    if (TimelineRight >= state_.KeyFrameColCount || TimelineLeft > TimelineRight)
        TimelineLeft = TimelineRight = 0;
}

void TKeyframeEditor::Renumber(int n) {
    SetColumns(ColumnCount() + n, state_.KeyFrameIndex + 1);
}

void TKeyframeEditor::AddColumns(int n, int select) {
    SetColumns(ColumnCount() + n, select);
}

bool TKeyframeEditor::CheckTracks() {
    if (!state_.KeyframeMode) return true;
    const auto members = Members();
    if (members.empty()) return true;
    const int expected = FirstTrack(*members.front()).Count();
    bool same = true;
    for (TImagesItem* m : members)
        same = same && FirstTrack(*m).Count() == expected;
    if (same) {
        // Every member grew or shrank alike: the grid follows, nothing is lost.
        if (expected != KeyframeCount()) {
            SetColumns(expected + 1, state_.KeyFrameIndex + 1);
            ApplySelected();
            Notify();
        }
        return true;
    }
    // Nothing is stored: the tracks no longer match the columns.
    state_.Undo.Record(-TUndoBuffer::kindKeyEditEnd);
    if (state_.Log)
        for (TImagesItem* m : members)
            if (const int count = FirstTrack(*m).Count(); count != expected)
                state_.Log->Add(QStringLiteral("%1<>%2 - %3").arg(expected).arg(count).arg(m->Name));
    BackToStartState();
    return false;
}

// ---- Editing on and off ----

bool TKeyframeEditor::EditingOn(TDialogs& dialogs) {
    if (state_.KeyframeMode) return true;
    if (state_.Scene.SelectedCount == 0) return false;
    TScene& scene = state_.Scene;
    state_.Undo.Record(-TUndoBuffer::kindKeyEditStart); // taken with editing off: undo leaves it
    bool mismatch = false;
    int expected = -1;
    bool anySelected = false;
    for (const auto& entry : scene.Layers)
        entry.second->KeyframeEditing = false;
    for (const auto& entry : scene.Layers) {
        TImagesItem& l = *entry.second;
        if (!l.Selected) continue;
        anySelected = true;
        l.SelectAnimation(std::clamp(state_.AnimSelect, 0, 3));
        const int count = FirstTrack(l).Count();
        if (expected < 0) expected = count;
        if (count != expected) {
            mismatch = true;
            if (state_.Log)
                state_.Log->Add(QStringLiteral("%1<>%2 - %3").arg(expected).arg(count).arg(l.Name));
        }
        l.KeyframeEditing = true;
    }
    if (!anySelected || mismatch) {
        dialogs.Message(QCoreApplication::translate("KeyFrames", kMismatchMessage));
        Notify();
        return false;
    }
    for (const auto& entry : scene.Layers)
        entry.second->SaveState();
    state_.KeyframeMode = true;
    SetColumns(expected + 1, 0);
    ApplySelected();
    Notify();
    if (Refreshed) Refreshed();
    return true;
}

void TKeyframeEditor::EditingOff() {
    if (!state_.KeyframeMode) return;
    if (state_.KeyframePlaying) return;
    if (!CheckTracks()) return; // already off, nothing written
    if (state_.KeyFrameIndex >= 0) Store(storeSwitchingOff);
    state_.Undo.Record(-TUndoBuffer::kindKeyEditEnd);
    BackToStartState();
}

void TKeyframeEditor::Finish(TPlayer* player) {
    if (state_.KeyframePlaying && player) PlayStop(*player);
    state_.KeyframePlaying = false;
    EditingOff();
}

void TKeyframeEditor::WithStartState(const std::function<void()>& write) {
    if (!state_.KeyframeMode) {
        write();
        return;
    }
    if (state_.KeyFrameIndex >= 0 && !state_.KeyframePlaying) Store(storeOther);
    // When the tracks no longer fit, editing ended in the start state.
    ShowingStartState(write);
}

void TKeyframeEditor::ShowingStartState(const std::function<void()>& read) {
    if (!state_.KeyframeMode) {
        read();
        return;
    }
    // The pose being shown, put back after the save whatever it did.
    struct TShown {
        TImagesItem* Layer;
        TSavedState State;
        const TPicture* Picture;
    };
    std::vector<TShown> shown;
    for (const auto& entry : state_.Scene.Layers) {
        TImagesItem& l = *entry.second;
        shown.push_back({&l,
                         {l.FileItem, l.Top, l.Left, l.Width, l.Height, l.Alpha, l.Angle, l.Acceleration,
                          l.Visible, l.FlipMode},
                         l.Picture});
        l.RestoreState();
    }
    struct TPutBack {
        std::vector<TShown>& Shown;
        ~TPutBack() {
            for (const TShown& s : Shown) {
                TImagesItem& l = *s.Layer;
                l.FileItem = s.State.FileItem;
                l.Top = s.State.Top;
                l.Left = s.State.Left;
                l.Width = s.State.Width;
                l.Height = s.State.Height;
                l.Alpha = s.State.Alpha;
                l.Angle = s.State.Angle;
                l.Acceleration = s.State.Acceleration;
                l.Visible = s.State.Visible;
                l.FlipMode = s.State.FlipMode;
                l.Picture = s.Picture;
            }
        }
    } putBack{shown};
    read();
}

void TKeyframeEditor::SwitchFromUndo(bool on) {
    if (on == state_.KeyframeMode) return;
    if (on) {
        // The layers show the start state now: it becomes the saved state the edit returns to.
        for (const auto& entry : state_.Scene.Layers)
            entry.second->SaveState();
        state_.KeyframeMode = true;
    } else {
        state_.KeyframeMode = false;
        for (const auto& entry : state_.Scene.Layers)
            entry.second->RestoreState();
    }
}

void TKeyframeEditor::Refresh() {
    if (state_.KeyframeMode) {
        SetColumns(state_.KeyFrameColCount, state_.KeyFrameCol);
        if (CheckTracks() && state_.KeyframeMode) ApplySelected();
    }
    Notify();
}

// ---- Applying ----

bool TKeyframeEditor::ApplyKeyframe(TImagesItem& layer, int k) {
    const bool complete = ApplyPhaseStep(layer, k, state_);
    // Showing a keyframe puts the common origin where the keyframe was stored.
    const TCommands& track = FirstTrack(layer);
    if (complete && k >= 0 && k < track.Count() && track.Item(k)->Command() == cmdKeyFrame) {
        state_.ToolPoint(-1).X = track.Item(k)->OX();
        state_.ToolPoint(-1).Y = track.Item(k)->OY();
    }
    return complete;
}

void TKeyframeEditor::ApplySelected() {
    const int s = state_.KeyFrameIndex;
    if (s < 0) {
        for (const auto& entry : state_.Scene.Layers)
            entry.second->RestoreState();
    } else {
        for (TImagesItem* m : Members()) {
            ApplyKeyframe(*m, s);
            const TCommands& track = FirstTrack(*m);
            // Only a KeyFrame keeps a duration there (a MoveTo keeps its y).
            if (s < track.Count() && track.Item(s)->Command() == cmdKeyFrame)
                state_.AutoDuration = track.Item(s)->sParam2();
        }
    }
    // What is shown is what is stored: leaving it unchanged stores nothing,
    // and the next change starts a new run with its own store step.
    state_.KeyframePoseClean = true;
    state_.KeyframeStoreRecorded = false;
}

// ---- Storing ----

void TKeyframeEditor::Store(TStoreCaller caller) {
    if (!state_.KeyframeMode || state_.KeyframePlaying) return;
    if (!CheckTracks()) return;
    const int s = state_.KeyFrameIndex;
    const auto members = Members();
    const bool appends = (s < 0 || caller == storeCopyNext) && !members.empty();
    if (appends)
        for (TImagesItem* m : members)
            CheckTrackRoom(*m, FirstTrack(*m), 1);
    // Nothing changed since the keyframe was shown or stored: nothing to write.
    if (!appends && caller != storeDuration && state_.KeyframePoseClean) return;
    const double ox = state_.ToolPoint(-1).X, oy = state_.ToolPoint(-1).Y;

    // Each member's pose text, made once for the comparison and the write.
    std::vector<QString> poses;
    poses.reserve(members.size());
    for (TImagesItem* m : members)
        poses.push_back(PoseText(*m));

    if (!appends) {
        bool differs = false;
        for (size_t i = 0; i < members.size() && !differs; ++i) {
            const TCommandItem& c = *FirstTrack(*members[i]).Item(s);
            if (c.Command() != cmdKeyFrame) continue;
            const bool duration = c.sParam2().isEmpty() || caller == storeDuration;
            differs = c.sParam1() != poses[i] || (duration && c.sParam2() != state_.AutoDuration) ||
                      c.OX() != ox || c.OY() != oy;
        }
        if (!differs) {
            state_.KeyframePoseClean = true;
            return;
        }
    }

    // One step for each run of changes; the store itself does not end the run.
    if (!state_.KeyframeStoreRecorded) state_.Undo.Record(-TUndoBuffer::kindKeyStore);
    state_.KeyframeStoreRecorded = true;

    for (size_t i = 0; i < members.size(); ++i) {
        TImagesItem* m = members[i];
        TCommands& track = FirstTrack(*m);
        std::unique_ptr<TCommandItem> fresh;
        TCommandItem* c = nullptr;
        if (s < 0) {
            fresh = std::make_unique<TCommandItem>(cmdKeyFrame, QString());
            c = fresh.get();
        } else {
            c = track.Item(s);
        }
        if (c->Command() == cmdKeyFrame) {
            c->SetParam(1, poses[i]);
            if (c->sParam2().isEmpty() || caller == storeDuration) c->SetParam(2, state_.AutoDuration);
            c->SetOX(ox);
            c->SetOY(oy);
        }
        if (fresh)
            track.Add(std::move(fresh));
        else if (caller == storeCopyNext)
            track.Add(c->Clone());
    }
    Modified();
    state_.KeyframePoseClean = true;
    if (appends) {
        // The new last keyframe is selected.
        const int last = ColumnCount() - 1;
        AddColumns(1, last + 1);
    }
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::SelectColumn(int column) {
    if (column < 0 || column >= ColumnCount()) return;
    if (!CheckTracks()) return;
    if (state_.KeyframeMode && state_.KeyFrameIndex >= 0 && column != state_.KeyFrameIndex + 1)
        Store(storeOther);
    state_.KeyFrameIndex = column - 1;
    state_.KeyFrameCol = column;
    if (state_.KeyframeMode) ApplySelected();
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::StepColumn(int step) {
    if (!state_.KeyframeMode || state_.KeyframePlaying) return;
    const int column = std::clamp(state_.KeyFrameCol + step, 0, ColumnCount() - 1);
    if (column != state_.KeyFrameCol) SelectColumn(column);
}

// ---- Durations ----

QString TKeyframeEditor::SteppedDuration(const QString& text, bool plus, bool shift, bool ctrl, bool alt) {
    const double step = alt ? 0.2 : ctrl ? 1.0 : shift ? 0.5 : 0.1;
    const double v = DecimalOrThrow(text) + (plus ? step : -step);
    if (v < 0) return QStringLiteral("0");
    return FormatNumber(v);
}

void TKeyframeEditor::DurationStep(bool plus, bool shift, bool ctrl, bool alt) {
    state_.AutoDuration = SteppedDuration(state_.AutoDuration, plus, shift, ctrl, alt);
    if (state_.KeyframeMode) Store(storeDuration);
    Notify();
}

void TKeyframeEditor::DurationTyped(const QString& text) {
    state_.AutoDuration = text;
    if (state_.KeyframeMode) Store(storeDuration);
}

// ---- Keyframe operations ----

void TKeyframeEditor::CopyKeyframe() {
    if (!state_.KeyframeMode || state_.KeyFrameIndex < 0) return;
    // The check may shrink the grid under the selection: then nothing is
    // selected to copy (and nothing may be stored as a new keyframe).
    if (!CheckTracks() || state_.KeyFrameIndex < 0) return;
    Store(storeOther);
    if (!CheckTracks()) return;
    const int s = state_.KeyFrameIndex;
    if (s < 0) return;
    const auto members = Members();
    for (TImagesItem* m : members)
        CheckTrackRoom(*m, FirstTrack(*m), 1);
    state_.Undo.Record(-TUndoBuffer::kindKeyCopy);
    for (TImagesItem* m : members) {
        TCommands& track = FirstTrack(*m);
        track.Insert(s + 1, track.Item(s)->Clone());
    }
    if (!members.empty()) AddColumns(1, s + 2);
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::DeleteKeyframe() {
    if (!state_.KeyframeMode || !CheckTracks()) return;
    // Read after the check: a row removed in the command list may have taken
    // the selected keyframe away, and then there is nothing to delete.
    const int s = state_.KeyFrameIndex;
    if (!state_.KeyframeMode || s < 0) return;
    state_.Undo.Record(-TUndoBuffer::kindKeyDelete);
    for (TImagesItem* m : Members())
        FirstTrack(*m).Delete(s);
    state_.KeyFrameIndex = s - 1;
    Renumber(-1);
    ApplySelected();
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::MoveBack() {
    if (!state_.KeyframeMode || state_.KeyFrameIndex <= 0) return;
    if (!CheckTracks()) return;
    const int s = state_.KeyFrameIndex;
    if (s <= 0) return;
    Store(storeOther); // the pose goes with its keyframe
    state_.Undo.Record(TUndoBuffer::kindKeyMove);
    for (TImagesItem* m : Members())
        FirstTrack(*m).Move(s, s - 1);
    SetColumns(ColumnCount(), s);
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::MoveForward() {
    if (!state_.KeyframeMode || state_.KeyFrameIndex < 0) return;
    if (!CheckTracks()) return;
    const int s = state_.KeyFrameIndex;
    if (s < 0 || s >= KeyframeCount() - 1) return;
    Store(storeOther);
    state_.Undo.Record(TUndoBuffer::kindKeyMove);
    for (TImagesItem* m : Members())
        FirstTrack(*m).Move(s, s + 1);
    SetColumns(ColumnCount(), s + 2);
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

// ---- Timeline ranges ----

void TKeyframeEditor::SelectWholeTimeline() {
    TimelineLeft = ColumnCount() > 1 ? 1 : 0;
    TimelineRight = ColumnCount() - 1;
    Notify();
}

void TKeyframeEditor::CopyRange(bool reversed) {
    if (!state_.KeyframeMode || !CheckTracks()) return;
    const int left = std::max(1, TimelineLeft), right = std::min(TimelineRight, KeyframeCount());
    if (right < left) return;
    const auto members = Members();
    for (TImagesItem* m : members)
        CheckTrackRoom(*m, FirstTrack(*m), right - left + 1);
    if (state_.KeyFrameIndex >= 0) Store(storeOther);
    state_.Undo.Record(-TUndoBuffer::kindKeysCopy);
    for (TImagesItem* m : members) {
        TCommands& track = FirstTrack(*m);
        std::vector<std::unique_ptr<TCommandItem>> copies;
        for (int c = left; c <= right; ++c)
            copies.push_back(track.Item(c - 1)->Clone());
        if (reversed) std::reverse(copies.begin(), copies.end());
        for (auto& copy : copies)
            track.Add(std::move(copy));
    }
    if (!members.empty()) AddColumns(right - left + 1, state_.KeyFrameCol);
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::DeleteRange() {
    if (!state_.KeyframeMode || !CheckTracks()) return;
    const int left = std::max(1, TimelineLeft), right = std::min(TimelineRight, KeyframeCount());
    if (right < left) return;
    if (state_.KeyFrameIndex >= 0) Store(storeOther);
    state_.Undo.Record(-TUndoBuffer::kindKeysDelete);
    for (TImagesItem* m : Members())
        for (int c = right; c >= left; --c)
            FirstTrack(*m).Delete(c - 1);
    Renumber(-(right - left + 1));
    // The members show what the selected column now holds, so that leaving it stores nothing foreign.
    ApplySelected();
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::SetRangeDuration() {
    if (!state_.KeyframeMode || !CheckTracks()) return;
    const int left = std::max(1, TimelineLeft), right = std::min(TimelineRight, KeyframeCount());
    if (right < left) return;
    state_.Undo.Record(-TUndoBuffer::kindKeyTimes);
    for (TImagesItem* m : Members())
        for (int c = right; c >= left; --c)
            if (TCommandItem* k = FirstTrack(*m).Item(c - 1); k->Command() == cmdKeyFrame)
                k->SetParam(2, state_.AutoDuration);
    Modified();
    Notify();
    if (Refreshed) Refreshed();
}

bool TKeyframeEditor::DurationFromSpeed(TDialogs& dialogs) {
    if (!state_.KeyframeMode || !CheckTracks()) return false;
    const int left = std::max(1, TimelineLeft), right = std::min(TimelineRight, KeyframeCount());
    if (right < left) return false;
    const auto answer = dialogs.InputText(QCoreApplication::translate("KeyFrames", "Duration változtatás"),
                                          QCoreApplication::translate("KeyFrames", "Sebesség:"), {});
    if (!answer) return false;
    int speed = 0;
    try {
        speed = Round(DecimalOrThrow(*answer));
    } catch (const EVelkonError&) {
        speed = 0;
    }
    if (speed <= 0) {
        dialogs.Message(
            QCoreApplication::translate("KeyFrames", "A sebesség csak pozitív szám lehet: %1").arg(*answer));
        return false;
    }
    // The members show the pose the range starts from; the pose being left is not stored.
    state_.KeyFrameIndex = left - 2;
    state_.KeyFrameCol = left - 1;
    ApplySelected();
    state_.Undo.Record(-TUndoBuffer::kindKeyTimeFromSpeed);
    for (TImagesItem* m : Members()) {
        TCommands& track = FirstTrack(*m);
        double px = Round(m->Left), py = Round(m->Top);
        for (int c = left; c <= right; ++c) {
            TCommandItem& k = *track.Item(c - 1);
            if (k.Command() != cmdKeyFrame) continue;
            TKeyText key;
            int x = 0, y = 0;
            try {
                key = SplitKeyText(k.sParam1());
                x = ToInt(key.X);
                y = ToInt(key.Y);
            } catch (const EVelkonError&) {
                continue; // an unreadable pose keeps its duration
            }
            const double d = std::sqrt((x - px) * (x - px) + (y - py) * (y - py));
            px = x;
            py = y;
            k.SetParam(2, FormatNumber(std::nearbyint(d / speed * 1000.0) / 1000.0));
        }
    }
    Modified();
    Notify();
    if (Refreshed) Refreshed();
    return true;
}

bool TKeyframeEditor::TransposeRange() {
    return TransposeSelected(state_, std::min(TimelineLeft, TimelineRight),
                             std::max(TimelineLeft, TimelineRight));
}

// ---- Selection and animation ----

void TKeyframeEditor::SelectLastEditLayers() {
    for (const auto& entry : state_.Scene.Layers)
        entry.second->Selected = entry.second->KeyframeEditing;
    RecomputeSelection(state_);
    if (Refreshed) Refreshed();
}

void TKeyframeEditor::SelectAnimation(int animation) {
    state_.AnimSelect = std::clamp(animation, 0, 3);
    TScene& scene = state_.Scene;
    if (scene.SelectedCount == 1 && scene.CurrentLayer)
        scene.CurrentLayer->SelectAnimation(state_.AnimSelect);
    Notify();
    if (Refreshed) Refreshed();
}

// ---- Playing from a keyframe ----

bool TKeyframeEditor::PlayStart(TPlayer& player) {
    if (!state_.KeyframeMode || state_.KeyframePlaying || state_.Scene.Playing) return false;
    if (!CheckTracks()) return false;
    const int column = state_.KeyFrameCol;
    if (column > KeyframeCount() - 1) return false;
    if (column > 0) Store(storeOther);
    savedTimelineLeft_ = TimelineLeft;
    savedTimelineRight_ = TimelineRight;
    ApplySelected();
    state_.KeyframePlaying = true;
    player.ReadClock();
    // A member whose command fails to start still lets the others play; the
    // first error is reported once all have started.
    std::exception_ptr failure;
    for (TImagesItem* m : Members()) {
        TCommands& track = FirstTrack(*m);
        if (track.IsEmpty() || column >= track.Count()) continue;
        try {
            player.StartTrackAt(*m, track, column);
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    Notify();
    if (failure) std::rethrow_exception(failure);
    return true;
}

void TKeyframeEditor::PlayStop(TPlayer& player) {
    if (!state_.KeyframePlaying) return;
    for (TImagesItem* m : Members())
        player.StopTrack(FirstTrack(*m));
    state_.KeyframePlaying = false;
    TimelineLeft = savedTimelineLeft_;
    TimelineRight = savedTimelineRight_;
    SetColumns(ColumnCount(), state_.KeyFrameCol);
    if (state_.KeyframeMode) ApplySelected();
    Notify();
    if (Refreshed) Refreshed();
}

bool TKeyframeEditor::PlayFollow() {
    if (!state_.KeyframePlaying) return false;
    const auto members = Members();
    bool running = false;
    for (TImagesItem* m : members)
        running = running || FirstTrack(*m).Running();
    if (!members.empty() && FirstTrack(*members.front()).Running()) {
        const int column = std::min(FirstTrack(*members.front()).Current + 1, ColumnCount() - 1);
        if (TimelineLeft != column || TimelineRight != column) {
            TimelineLeft = TimelineRight = column;
            Notify();
        }
    }
    return running;
}

} // namespace velkon
