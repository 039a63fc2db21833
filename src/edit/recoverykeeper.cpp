#include "edit/recoverykeeper.h"

#include "edit/editorstate.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/recoverystore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <exception>

namespace velkon {

TRecoveryKeeper::TRecoveryKeeper(TEditorState& state, TRecoveryStore& store, TErrorLog& log, int64_t delayMs)
    : state_(state), store_(store), log_(log), timing_(delayMs), lastSaved_(state.Scene.Saved) {
    valueKey_ = state_.LayerValuesChanged.Subscribe([this] { ++valueChanges_; });
    // The project as it is now needs no copy; every change from here on does,
    // also one made before the first look.
    timing_.Removed(Mark());
}

TRecoveryKeeper::~TRecoveryKeeper() {
    state_.LayerValuesChanged.Unsubscribe(valueKey_);
    if (!writing_.valid()) return;
    try {
        writing_.get(); // the thread uses the store: it ends first
    } catch (const std::exception&) {
        // The editor is closing: nothing to tell any more.
    }
}

uint64_t TRecoveryKeeper::Mark() const {
    return state_.Undo.Changes() + valueChanges_ + savedFlips_;
}

TRecoveryAction TRecoveryKeeper::Tick(int64_t nowMs, bool dragging) {
    lastNow_ = nowMs;
    Collect(nowMs, false);
    const TScene& scene = state_.Scene;
    // A change that recorded no step still clears the saved flag.
    if (lastSaved_ && !scene.Saved) ++savedFlips_;
    lastSaved_ = scene.Saved;
    TRecoveryMoment moment;
    moment.Now = nowMs;
    moment.Saved = scene.Saved;
    // A scrubbed moment is no edited state: like playing, it waits.
    moment.Busy = dragging || scene.Playing || state_.KeyframePlaying || state_.Scrubbing || writing_.valid();
    moment.Mark = Mark();
    const TRecoveryAction action = timing_.Decide(moment);
    if (action == TRecoveryAction::Remove) {
        store_.Remove();
        timing_.Removed(Mark());
    } else if (action == TRecoveryAction::Write) {
        try {
            StartWrite();
        } catch (const std::exception& e) {
            Failed(nowMs, e);
        }
    } else if (!moment.Busy && (!warm_ || warmMark_ != moment.Mark)) {
        try {
            const auto warm = [&] { warm_ = text_.Warm(scene, WarmBudget); };
            if (InStartState)
                InStartState(warm);
            else
                warm();
            warmMark_ = moment.Mark;
        } catch (const std::exception&) {
            // A text that cannot be written: the copy itself says so, once.
            warm_ = true;
            warmMark_ = moment.Mark;
        }
    }
    return action;
}

void TRecoveryKeeper::StartWrite() {
    const TScene& scene = state_.Scene;
    TProjectTextParts parts;
    const auto make = [&] { parts = text_.Parts(scene); };
    if (InStartState)
        InStartState(make);
    else
        make();
    const QString path =
        scene.ProjectDir.isEmpty() ? QString() : QDir(scene.ProjectDir).filePath(scene.ProjectFileName);
    // Resources that are not beside the project yet (a save copies them there).
    QHash<QString, QString> resources;
    const QString folder = scene.ProjectDir.isEmpty() ? QString() : QDir::cleanPath(scene.ProjectDir);
    for (const auto& [name, file] : scene.Files)
        if (!file->Path.isEmpty() && QFileInfo(file->Path).absolutePath() != folder)
            resources.insert(file->Name, file->Path);
    const uint64_t token = store_.Token();
    const QDateTime time = QDateTime::currentDateTimeUtc();
    TRecoveryStore* store = &store_;
    writing_ =
        std::async(std::launch::async, [store, token, parts = std::move(parts), path, time, resources] {
            return store->Write(token, parts.Join(), path, time, resources);
        });
}

void TRecoveryKeeper::Collect(int64_t nowMs, bool wait) {
    if (!writing_.valid()) return;
    if (!wait && writing_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    try {
        if (writing_.get()) {
            timing_.Written();
            failureLogged_ = false;
        }
    } catch (const std::exception& e) {
        Failed(nowMs, e);
    }
}

void TRecoveryKeeper::Failed(int64_t nowMs, const std::exception& e) {
    timing_.Failed(nowMs);
    // A full disk or a folder that cannot be written fails every try alike: told once.
    if (failureLogged_) return;
    failureLogged_ = true;
    const auto* velkon = dynamic_cast<const EVelkonError*>(&e);
    log_.Add(QCoreApplication::translate("RecoveryKeeper", "Helyreállítási másolat nem készült: %1")
                 .arg(velkon ? velkon->Message() : QString::fromLocal8Bit(e.what())));
}

void TRecoveryKeeper::Forget() {
    store_.Remove(); // a write on its way writes nothing now, or is undone
    Collect(0, true);
    lastSaved_ = state_.Scene.Saved;
    timing_.Removed(Mark());
}

bool TRecoveryKeeper::WriteNow(int64_t nowMs) {
    Collect(nowMs, true);
    lastSaved_ = state_.Scene.Saved;
    timing_.Due(Mark(), nowMs);
    if (Tick(nowMs, false) != TRecoveryAction::Write) return false;
    Collect(nowMs, true);
    return timing_.HasCopy() && !timing_.Writing();
}

void TRecoveryKeeper::Finish() {
    Collect(lastNow_, true);
}

} // namespace velkon
