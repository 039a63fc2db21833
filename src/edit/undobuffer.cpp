#include "edit/undobuffer.h"

#include "edit/editorstate.h"
#include "edit/selection.h"
#include "model/errorlog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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
        return QCoreApplication::translate("TUndoBuffer", "Mozgatás egérrel");
    case kindCommandMove:
        return QCoreApplication::translate("TUndoBuffer", "Parancs mozgatás");
    case kindProperty:
        return QCoreApplication::translate("TUndoBuffer", "Tulajdonság változás");
    case kindOrigin:
        return QCoreApplication::translate("TUndoBuffer", "Origó beállítás");
    case kindCommandConvert:
        return QCoreApplication::translate("TUndoBuffer", "Parancs átalakítás");
    case kindDurationConvert:
        return QCoreApplication::translate("TUndoBuffer", "Duration átalakítás");
    case kindCommandAdd:
        return QCoreApplication::translate("TUndoBuffer", "Parancs hozzáadás");
    case kindCommandPaste:
        return QCoreApplication::translate("TUndoBuffer", "Parancs beillesztés");
    case kindCommandDelete:
        return QCoreApplication::translate("TUndoBuffer", "Parancs törlés");
    case kindFavourites:
        return QCoreApplication::translate("TUndoBuffer", "Kedvencek szerkesztése");
    case kindCommandEdit:
        return QCoreApplication::translate("TUndoBuffer", "Parancs szerkesztése");
    case kindKeyTimes:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskockák idejének beállítása");
    case kindKeyCopy:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskocka másolása");
    case kindKeyDelete:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskocka törlése");
    case kindKeyTouchStart:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskocka - indítási parancsok");
    case kindCurvePath:
        return QCoreApplication::translate("TUndoBuffer", "Görbe útvonal létrehozása");
    case kindKeysCopy:
        return QCoreApplication::translate("TUndoBuffer", "Több kulcskocka másolása");
    case kindKeysDelete:
        return QCoreApplication::translate("TUndoBuffer", "Több kulcskocka törlése");
    case kindKeyTranspose:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskocka transzponálás");
    case kindKeyTimeFromSpeed:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskocka ideje sebességből");
    case kindKeyMove:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskocka mozgatása");
    case kindKeyStore:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskocka tárolás");
    case kindKeyEditStart:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskockás szerkesztés kezdése");
    case kindKeyEditEnd:
        return QCoreApplication::translate("TUndoBuffer", "Kulcskockás szerkesztés befejezése");
    case kindRedo:
        return QCoreApplication::translate("TUndoBuffer", "Redo készítése");
    case kindGroupCreate:
        return QCoreApplication::translate("TUndoBuffer", "Csoport létrehozás");
    case kindParentByMouse:
        return QCoreApplication::translate("TUndoBuffer", "Szülő beállítás egérrel");
    case kindLayersPaste:
        return QCoreApplication::translate("TUndoBuffer", "Rétegekhez parancs beillesztés");
    case kindLayersTranspose:
        return QCoreApplication::translate("TUndoBuffer", "Rétegek transzponálása");
    case kindLayersDeleteCommands:
        return QCoreApplication::translate("TUndoBuffer", "Rétegek parancsok törlése");
    case kindLayerAdd:
        return QCoreApplication::translate("TUndoBuffer", "Réteg hozzáadás");
    case kindLayerDelete:
        return QCoreApplication::translate("TUndoBuffer", "Réteg törlés");
    case kindLayerClone:
        return QCoreApplication::translate("TUndoBuffer", "Réteg klónozás");
    case kindLayerOrder:
        return QCoreApplication::translate("TUndoBuffer", "Rétegsorrend");
    case kindRename:
        return QCoreApplication::translate("TUndoBuffer", "Átnevezés");
    case kindFileRename:
        return QCoreApplication::translate("TUndoBuffer", "Fájl átnevezés");
    case kindImport:
        return QCoreApplication::translate("TUndoBuffer", "Import");
    case kindFileAdd:
        return QCoreApplication::translate("TUndoBuffer", "Fájl hozzáadás");
    case kindFileDelete:
        return QCoreApplication::translate("TUndoBuffer", "Fájl törlés");
    case kindGroupDissolve:
        return QCoreApplication::translate("TUndoBuffer", "Csoport megszüntetés");
    case kindGroupRename:
        return QCoreApplication::translate("TUndoBuffer", "Csoport átnevezés");
    case kindVisibility:
        return QCoreApplication::translate("TUndoBuffer", "Láthatóság váltás");
    case kindLock:
        return QCoreApplication::translate("TUndoBuffer", "Zárolás váltás");
    case kindShown:
        return QCoreApplication::translate("TUndoBuffer", "Megjelenítés váltás");
    case kindColor:
        return QCoreApplication::translate("TUndoBuffer", "Szín beállítás");
    case kindKeyboardMove:
        return QCoreApplication::translate("TUndoBuffer", "Mozgatás gombokkal");
    }
    return QCoreApplication::translate("TUndoBuffer", "Nem meghatározható");
}

const TVKPObject* TUndoBuffer::Slot(int number) const {
    if (number < 1 || number > SlotCount) return nullptr;
    return slots_[number - 1].get();
}

void TUndoBuffer::Record(int32_t kind) {
    ++changes_;
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

    snapshot->Restore(state_);
    state_.ToolPoint(-1).X = snapshot->OriginX;
    state_.ToolPoint(-1).Y = snapshot->OriginY;
    shareSource_ = snapshot;

    top_ = PreviousSlot(top_);
    ShowStep();
    lastKind_ = 0;
    if (OnRestored) OnRestored();
    return true;
}

bool TUndoBuffer::RenameFilesFor(const TVKPObject& target, const QString& refusal) {
    const std::vector<TFileRename> renames = target.FileRenames();
    std::vector<const TFileRename*> done;
    QString why;
    for (const TFileRename& r : renames) {
        const QFileInfo from(r.From);
        if (!from.isFile()) {
            why = QCoreApplication::translate("TUndoBuffer", "a(z) %1 fájl nem található").arg(r.From);
        } else if (QFileInfo::exists(r.To) || QFileInfo(r.To).isSymLink()) {
            why = QCoreApplication::translate("TUndoBuffer", "a(z) %1 fájl már létezik").arg(r.To);
        } else if (QFile disk(r.From); !disk.rename(r.To)) {
            why = QCoreApplication::translate("TUndoBuffer", "a(z) %1 fájl nem nevezhető át %2 névre: %3")
                      .arg(r.From, r.To, disk.errorString());
        }
        if (!why.isEmpty()) break;
        done.push_back(&r);
    }
    if (why.isEmpty()) {
        for (const TFileRename& r : renames)
            r.Item->Path = r.To;
        return true;
    }
    // All or none: the files renamed so far get their names back.
    for (auto it = done.rbegin(); it != done.rend(); ++it)
        QFile::rename((*it)->To, (*it)->From);
    if (state_.Log) state_.Log->Add(refusal.arg(why));
    return false;
}

bool TUndoBuffer::Undo() {
    ++changes_;
    // The step to go back to, if there is one: the files it names otherwise go first.
    const TVKPObject* target = undoCount_ > 0 ? slots_[top_ - 1].get() : nullptr;
    if (target && !RenameFilesFor(*target, QCoreApplication::translate(
                                               "TUndoBuffer", "A visszavonás nem sikerült, mert %1.")))
        return false;
    Record(-kindRedo); // keeps the state being left for redo
    top_ = PreviousSlot(top_);
    // Past the oldest step the ring holds only newer states: nothing to go back to.
    if (undoCount_ == 0 || !RestoreTop()) return true;
    --undoCount_;
    ++redoCount_;
    // The selection follows the restored layers, but the restored origin stays.
    const double x = state_.ToolPoint(-1).X, y = state_.ToolPoint(-1).Y;
    state_.SelectionSignature.reset();
    RecomputeSelection(state_);
    state_.ToolPoint(-1).X = x;
    state_.ToolPoint(-1).Y = y;
    return true;
}

bool TUndoBuffer::Redo() {
    ++changes_;
    if (redoCount_ == 0) return true; // at the newest step, or a new step ended the branch
    const int32_t next = NextSlot(NextSlot(top_));
    const TVKPObject* target = slots_[next - 1].get();
    if (!target) return true;
    if (!RenameFilesFor(*target, QCoreApplication::translate("TUndoBuffer",
                                                             "Az újra végrehajtás nem sikerült, mert %1.")))
        return false;
    top_ = next;
    RestoreTop();
    --redoCount_;
    ++undoCount_;
    state_.SelectionSignature.reset();
    RecomputeSelection(state_);
    return true;
}

void TUndoBuffer::Clear() {
    ++changes_;
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
    state_.Log->AddQuiet(QCoreApplication::translate("TUndoBuffer", "UNDO PUFFER TÖRÖLVE!"));
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
