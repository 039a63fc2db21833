#include "edit/undobuffer.h"

#include "edit/editorstate.h"
#include "edit/selection.h"
#include "model/errorlog.h"

#include <algorithm>

namespace velkon {

namespace {

int32_t NextSlot(int32_t n) {
    return n + 1 > TUndoBuffer::SlotCount ? 1 : n + 1;
}
int32_t PreviousSlot(int32_t n) {
    return n - 1 <= 0 ? TUndoBuffer::SlotCount : n - 1;
}

} // namespace

TUndoBuffer::TUndoBuffer(TEditorState& state) : state_(state) {}
TUndoBuffer::~TUndoBuffer() = default;

QString TUndoBuffer::KindName(int32_t kind) {
    switch (kind) {
    case kindMouseMove:
        return QStringLiteral("Mozgatás egérrel");
    case kindCommandMove:
        return QStringLiteral("Parancs mozgatás");
    case kindProperty:
        return QStringLiteral("Tulajdonság változás");
    case kindOrigin:
        return QStringLiteral("Origó beállítás");
    case kindCommandConvert:
        return QStringLiteral("Parancs átalakítás");
    case kindDurationConvert:
        return QStringLiteral("Duration átalakítás");
    case kindCommandAdd:
        return QStringLiteral("Parancs hozzáadás");
    case kindCommandPaste:
        return QStringLiteral("Parancs beillesztés");
    case kindCommandDelete:
        return QStringLiteral("Parancs törlés");
    case kindFavourites:
        return QStringLiteral("Kedvencek szerkesztése");
    case kindCommandEdit:
        return QStringLiteral("Parancs szerkesztése");
    case kindKeyTimes:
        return QStringLiteral("Kulcskockák idejének beállítása");
    case kindKeyCopy:
        return QStringLiteral("Kulcskocka másolása");
    case kindKeyDelete:
        return QStringLiteral("Kulcskocka törlése");
    case kindKeyTouchStart:
        return QStringLiteral("Kulcskocka - indítási parancsok");
    case kindCurvePath:
        return QStringLiteral("Görbe útvonal létrehozása");
    case kindKeysCopy:
        return QStringLiteral("Több kulcskocka másolása");
    case kindKeysDelete:
        return QStringLiteral("Több kulcskocka törlése");
    case kindKeyTranspose:
        return QStringLiteral("Kulcskocka transzponálás");
    case kindKeyTimeFromSpeed:
        return QStringLiteral("Kulcskocka ideje sebességből");
    case kindKeyMove:
        return QStringLiteral("Kulcskocka mozgatása");
    case kindKeyStore:
        return QStringLiteral("Kulcskocka tárolás");
    case kindKeyEditStart:
        return QStringLiteral("Kulcskockás szerkesztés kezdése");
    case kindKeyEditEnd:
        return QStringLiteral("Kulcskockás szerkesztés befejezése");
    case kindRedo:
        return QStringLiteral("Redo készítése");
    case kindGroupCreate:
        return QStringLiteral("Csoport létrehozás");
    case kindParentByMouse:
        return QStringLiteral("Szülő beállítás egérrel");
    case kindLayersPaste:
        return QStringLiteral("Rétegekhez parancs beillesztés");
    case kindLayersTranspose:
        return QStringLiteral("Rétegek transzponálása");
    case kindLayersDeleteCommands:
        return QStringLiteral("Rétegek parancsok törlése");
    case kindKeyboardMove:
        return QStringLiteral("Mozgatás gombokkal");
    }
    return QStringLiteral("Nem meghatározható");
}

const TVKPObject* TUndoBuffer::Slot(int number) const {
    if (number < 1 || number > SlotCount) return nullptr;
    return slots_[number - 1].get();
}

void TUndoBuffer::Record(int32_t kind) {
    // Any other step means a change the next keyframe store has to write.
    if (kind != kindKeyStore && kind != -kindKeyStore) {
        state_.KeyframePoseClean = false;
        state_.KeyframeStoreRecorded = false;
    }
    if (kind < 0) {
        lastKind_ = 0;
        kind = -kind;
    }
    if (kind > 0 && kind == lastKind_) return; // merged into the previous step
    undoEnabled_ = true;
    lastKind_ = kind;
    if (kind == kindRedo) {
        // Undo keeps the state being left; a fresh slot may take the place of the oldest step.
        if (!shownKept_) undoCount_ = std::min(undoCount_, SlotCount - 1);
        shownKept_ = true;
    } else {
        // A new step ends the branch redo could have brought back.
        undoCount_ = std::min(undoCount_ + 1, SlotCount);
        redoCount_ = 0;
        redoEnabled_ = false;
        shownKept_ = false;
    }
    top_ = NextSlot(top_);
    // The new copy shares every layer and track that the last copy still
    // matches; the slot's old snapshot goes once nothing shares from it.
    auto snapshot = std::make_shared<TVKPObject>();
    snapshot->Capture(state_, kind, shareSource_.get());
    slots_[top_ - 1] = snapshot;
    shareSource_ = std::move(snapshot);
    ShowStep();
}

bool TUndoBuffer::RestoreTop() {
    const std::shared_ptr<const TVKPObject> snapshot = slots_[top_ - 1];
    if (!snapshot) return false;
    redoEnabled_ = true;

    // Keyframe editing follows the snapshot: on with its grid position, or off.
    if (state_.KeyframeMode && snapshot->KeyFrameColCount < 0) {
        if (SwitchKeyframeEditing)
            SwitchKeyframeEditing(false);
        else
            state_.KeyframeMode = false;
    } else if (snapshot->KeyFrameColCount >= 0) {
        if (!state_.KeyframeMode) {
            if (SwitchKeyframeEditing)
                SwitchKeyframeEditing(true);
            else
                state_.KeyframeMode = true;
        }
        state_.KeyFrameIndex = snapshot->KeyFrameIndex;
        state_.KeyFrameColCount = snapshot->KeyFrameColCount;
        state_.KeyFrameCol = snapshot->KeyFrameCol;
    }

    snapshot->RestoreLayers(state_.Scene);
    state_.ToolPoint(-1).X = snapshot->OriginX;
    state_.ToolPoint(-1).Y = snapshot->OriginY;
    shareSource_ = snapshot;

    top_ = PreviousSlot(top_);
    ShowStep();
    lastKind_ = 0;
    if (OnRestored) OnRestored();
    return true;
}

void TUndoBuffer::Undo() {
    Record(-kindRedo); // keeps the state being left for redo
    top_ = PreviousSlot(top_);
    // Past the oldest step the ring holds only newer states: nothing to go back to.
    if (undoCount_ == 0 || !RestoreTop()) return;
    --undoCount_;
    ++redoCount_;
    // The selection follows the restored layers, but the restored origin stays.
    const double x = state_.ToolPoint(-1).X, y = state_.ToolPoint(-1).Y;
    state_.SelectionSignature.reset();
    RecomputeSelection(state_);
    state_.ToolPoint(-1).X = x;
    state_.ToolPoint(-1).Y = y;
}

void TUndoBuffer::Redo() {
    if (redoCount_ == 0) return; // at the newest step, or a new step ended the branch
    top_ = NextSlot(NextSlot(top_));
    if (slots_[top_ - 1]) {
        RestoreTop();
        --redoCount_;
        ++undoCount_;
        state_.SelectionSignature.reset();
        RecomputeSelection(state_);
    } else {
        top_ = PreviousSlot(PreviousSlot(top_));
    }
}

void TUndoBuffer::Clear() {
    for (auto& s : slots_)
        s.reset();
    shareSource_.reset();
    undoEnabled_ = false;
    redoEnabled_ = false;
    lastKind_ = 0;
    undoCount_ = 0;
    redoCount_ = 0;
    shownKept_ = false;
    if (!state_.Log) return;
    state_.Log->UndoName.clear(); // the step shown above the log is gone with the ring
    state_.Log->AddQuiet(QStringLiteral("UNDO PUFFER TÖRÖLVE!"));
}

void TUndoBuffer::ShowStep() {
    const TVKPObject* s = Slot(top_);
    if (!s || !state_.Log) return;
    const QString name = KindName(s->Kind);
    state_.Log->UndoName = name;
    state_.Log->UndoSlot = top_;
    state_.Log->AddQuiet(name); // the history: no notice of its own
}

} // namespace velkon
