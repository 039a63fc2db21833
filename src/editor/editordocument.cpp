#include "editor/editordocument.h"

#include "edit/selection.h"

#include "edit/projectplace.h"
#include "editor/recoverydriver.h"
#include "editor/velkonapplication.h"
#include "model/dialogs.h"
#include "model/imagesitem.h"
#include "model/velkonerror.h"
#include "project/packexport.h"
#include "project/projectcommands.h"
#include "project/projectfile.h"
#include "project/resourcesbeside.h"

#include <QAction>
#include <QDir>
#include <QStandardPaths>

namespace velkon {

TEditorDocument::TEditorDocument(QObject* parent)
    : QObject(parent),
      RecoveryFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery")) {
    State.Log = &Log;
    State.AutoDuration = QStringLiteral("0,5");
    State.RefreshPanels = [this] {
        emit LayersChanged();
        emit SelectionChanged();
    };
    State.LayerValuesChanged.Subscribe([this] { emit SelectionChanged(); });
    State.Undo.SwitchKeyframeEditing = [this](bool on) { Keyframes.SwitchFromUndo(on); };
    Keyframes.Changed = [this] { emit KeyframesChanged(); };
    Keyframes.Refreshed = [this] { Edited(); };
    // A track that failed goes to the error hook (or, with no window, to the log).
    const auto report = [this](const QString& message) {
        if (TVelkonApplication::ErrorSink)
            TVelkonApplication::ReportException(this, message);
        else
            Log.Add(message);
    };
    PlayerEngine.OnError = report;
    PlaybackEngine.OnError = report;
    scrubber_.OnError = [report](int32_t, const QString& message) { report(message); };
    RegisterActions();
    savedWatch_.setInterval(200);
    connect(&savedWatch_, &QTimer::timeout, this, [this] {
        if (Scene.Saved == lastSaved_) return;
        lastSaved_ = Scene.Saved;
        emit SavedChanged(lastSaved_);
    });
    savedWatch_.start();
}

void TEditorDocument::RegisterActions() {
    // Each action runs its command guarded: an error goes to the log against the action.
    const auto add = [this](const char* id, const QString& text, const QString& hint,
                            const QList<QKeySequence>& keys, std::function<void()> run) {
        Registry.Command(id, this, text, hint, keys, std::move(run));
    };
    using K = QKeySequence;
    add("project.new", tr("Új"), tr("Új projekt"), {}, [this] { NewProject(); });
    add("project.open", tr("Megnyit"), tr("Projekt betöltése"), {}, [this] { OpenProject(); });
    add("project.save", tr("Mentés"), tr("Projekt mentése"), {K(Qt::CTRL | Qt::Key_S)},
        [this] { SaveProject(false); });
    add("project.saveAs", tr("Ment"), tr("Projekt mentése másként"), {}, [this] { SaveProject(true); });
    add("edit.undo", QStringLiteral("↶"), tr("Visszavonás"), {K(Qt::CTRL | Qt::Key_Z)}, [this] { Undo(); });
    add("edit.redo", QStringLiteral("↷"), tr("Újra"),
        {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, [this] { Redo(); });
    add("play.toggle", tr("Lejátszás"), tr("Lejátszás és leállítás"), {K(Qt::Key_F1)},
        [this] { PlayStopToggle(false); });
    add("play.preview", tr("Előnézet"), tr("A kiválasztott elemek lejátszása"), {K(Qt::Key_F2)},
        [this] { PlayStopToggle(true); });
    add("keyframe.play", QStringLiteral("▷"), tr("Lejátszás a kiválasztott kulcskockától"), {K(Qt::Key_F3)},
        [this] { KeyframePlayToggle(); });
    add("keyframe.storeAndCopy", tr("Tár"), tr("Tárolja a változást és átmásolja egy következő fázisba."),
        {K(Qt::Key_Insert)}, [this] {
            Keyframes.Store(TKeyframeEditor::storeCopyNext);
            emit KeyframesChanged();
            Redraw();
        });
    add("keyframe.groupEdit", tr("Csop."), tr("Csoportos szerkesztés"), {K(Qt::ALT | Qt::Key_G)}, [this] {
        if (!Playing()) State.SkeltonDown = State.GroupEditDown = !State.SkeltonDown;
        emit KeyframesChanged();
    });
    add("keyframe.link", tr("Link"), tr("Összekapcsolt elemeket nem lehet elmozgatni"),
        {K(Qt::ALT | Qt::Key_L)}, [this] {
            if (!Playing()) State.LinkDown = !State.LinkDown;
            emit KeyframesChanged();
        });
    const auto step = [this](int columns) {
        Keyframes.StepColumn(columns);
        emit KeyframesChanged();
        Redraw();
    };
    add("keyframe.previous", tr("Előző"), tr("Az előző kulcskocka"), {K(Qt::Key_PageUp)},
        [step] { step(-1); });
    add("keyframe.next", tr("Következő"), tr("A következő kulcskocka"), {K(Qt::Key_PageDown)},
        [step] { step(1); });
    const char* const animations[] = {"animation.base", "animation.touch1", "animation.touch2", "animation.touch3"};
    const char* const names[] = {"Base", "Touch1", "Touch2", "Touch3"};
    for (int i = 0; i < 4; ++i)
        add(animations[i], QString::fromLatin1(names[i]), QString::fromLatin1(names[i]), {K(Qt::Key_F5 + i)},
            [this, i] {
                if (!Playing()) Keyframes.SelectAnimation(i);
            });
}

TEditorDocument::~TEditorDocument() {
    recovery_.reset(); // a copy being written reads nothing of the scene, but the driver listens to the state
    State.Undo.SwitchKeyframeEditing = nullptr;
    State.RefreshPanels = nullptr;
    Keyframes.Changed = nullptr;
    Keyframes.Refreshed = nullptr;
}

TDialogs& TEditorDocument::Dialogs() const {
    if (!Port) throw EVelkonError(QStringLiteral("No dialogs to ask with"));
    return *Port;
}

bool TEditorDocument::Playing() const {
    return Scene.Playing && !State.Scrubbing;
}

bool TEditorDocument::KeyframeEditing() const {
    return State.KeyframeMode;
}

void TEditorDocument::Edited() {
    emit LayersChanged();
    emit SelectionChanged();
    UpdateEnabledState();
    Redraw();
}

void TEditorDocument::Redraw() {
    emit RedrawRequested();
}

void TEditorDocument::UpdateEnabledState() {
    emit EnabledStateChanged();
}

void TEditorDocument::SelectSingleLayer(TImagesItem* layer) {
    velkon::SelectSingleLayer(State, layer);
    Redraw();
}

// ---- Playing ----

void TEditorDocument::PlayStopToggle(bool preview) {
    if (State.KeyframePlaying) return;
    EndScrub();
    // The scene plays from the layers' start, not from a keyframe pose.
    if (State.KeyframeMode) EndKeyframeEditing();
    PlaybackEngine.Toggle(!preview);
    UpdateEnabledState();
    if (Scene.Playing) emit PlayStarted();
    emit LayersChanged();
    emit SelectionChanged();
    Redraw();
}

bool TEditorDocument::PlayTick() {
    const bool running = PlayerEngine.Tick();
    if (PlaybackEngine.CheckAutoStop(running)) {
        // Stopped: every layer and the sounds are back as they were.
        UpdateEnabledState();
        emit LayersChanged();
        emit SelectionChanged();
        Redraw();
    }
    if (State.KeyframePlaying) {
        // The timeline follows the first member; at the end the keyframe play stops by itself.
        const bool following = Keyframes.PlayFollow();
        if (!following && PlaybackEngine.AutoStop) SetKeyframePlaying(false);
    }
    if (Scene.Playing) emit SelectionChanged();
    return Scene.Playing || State.KeyframePlaying;
}

void TEditorDocument::KeyframePlayToggle() {
    EndScrub();
    if (!State.KeyframeMode && !State.KeyframePlaying) return;
    SetKeyframePlaying(!State.KeyframePlaying);
}

void TEditorDocument::SetKeyframePlaying(bool on) {
    try {
        if (on) {
            if (Keyframes.PlayStart(PlayerEngine)) emit PlayStarted();
        } else {
            Keyframes.PlayStop(PlayerEngine);
        }
    } catch (...) {
        emit KeyframesChanged(); // the play button follows the state, also when starting failed part-way
        throw;
    }
    emit KeyframesChanged();
    Redraw();
}

// ---- Time scrubber ----

void TEditorDocument::ScrubTo(int32_t ms) {
    if (ms <= 0)
        EndScrub();
    else
        ShowMoment(ms);
}

void TEditorDocument::ShowMoment(int32_t ms) {
    if (State.KeyframePlaying) return;
    const bool entering = !State.Scrubbing;
    if (entering) {
        if (Scene.Playing) PlayStopToggle(false); // stops
        if (State.KeyframeMode) EndKeyframeEditing();
    }
    if (!scrubber_.Seek(ms)) return;
    State.Scrubbing = true;
    if (entering) {
        UpdateEnabledState();
        emit LayersChanged();
    }
    // As a playback tick does: the values on show changed, the list did not.
    emit ScrubChanged();
    emit SelectionChanged();
    Redraw();
}

void TEditorDocument::EndScrub() {
    if (!State.Scrubbing) return;
    scrubber_.Leave();
    State.Scrubbing = false;
    UpdateEnabledState();
    emit ScrubChanged();
    emit LayersChanged();
    emit SelectionChanged();
    Redraw();
}

// ---- Undo ----

void TEditorDocument::Undo() { ApplyUndoStep(false); }

void TEditorDocument::Redo() { ApplyUndoStep(true); }

void TEditorDocument::ApplyUndoStep(bool redo) {
    EndScrub();
    if (Scene.Playing) return;
    if (redo)
        State.Undo.Redo();
    else
        State.Undo.Undo();
    emit UndoApplied();
    try {
        Keyframes.Refresh();
    } catch (...) {
        Edited();
        throw;
    }
    Edited();
}

// ---- Keyframe editing ----

bool TEditorDocument::SetKeyframeEditing(bool on) {
    EndScrub();
    bool editing = false;
    if (on)
        editing = Keyframes.EditingOn(Dialogs());
    else
        Keyframes.Finish(Player);
    Edited();
    emit KeyframesChanged();
    return editing;
}

void TEditorDocument::EndKeyframeEditing() {
    EndScrub();
    Keyframes.Finish(Player);
    emit KeyframesChanged();
    Redraw();
}

void TEditorDocument::SaveWithStartState(const std::function<void()>& write) {
    EndScrub(); // a scrubbed moment is never written
    Keyframes.WithStartState(write);
    emit KeyframesChanged();
}

void TEditorDocument::ForgetKeyframeEditing() {
    State.KeyframeMode = false;
    State.KeyframePlaying = false;
    State.KeyFrameIndex = -1;
    State.KeyFrameCol = 0;
    State.KeyFrameColCount = 1;
    Keyframes.TimelineLeft = Keyframes.TimelineRight = 0;
    emit KeyframesChanged();
}

// ---- Project commands ----

bool TEditorDocument::NewProject() {
    if (!Scene.Saved &&
        !Dialogs().AskYesNo(tr("Új projekt"),
                            tr("A jelenlegi projekt nincs mentve! Biztos új projektet kezd?")))
        return false;
    EndKeyframeEditing(); // stores the pose first (and ends scrubbing)
    ResetToNewProject(Scene);
    State.Undo.Clear();
    ForgetRecoveryCopy();
    ForgetKeyframeEditing();
    emit ProjectNameChanged();
    UpdateEnabledState(); // the undo buttons follow the cleared ring
    emit ProjectReplaced();
    emit LayersChanged();
    emit SelectionChanged();
    Redraw();
    return true;
}

void TEditorDocument::ProjectLoaded() {
    RecountSelection(Scene);
    ForgetKeyframeEditing();
    emit ProjectNameChanged();
    emit ProjectReplaced();
    emit LayersChanged();
    emit SelectionChanged();
    Redraw();
}

bool TEditorDocument::OpenProject() {
    return ReadChosenProject([this] { return OpenProjectCommand(Scene, Dialogs(), Log); });
}

bool TEditorDocument::OpenDroppedProject(const QString& path) {
    return ReadChosenProject([&] { return OpenProjectFileCommand(Scene, Dialogs(), Log, path); });
}

bool TEditorDocument::OpenRecentProject(const QString& path) {
    return ReadChosenProject([&] { return OpenRecentProjectCommand(Scene, Dialogs(), Log, Recent(), path); });
}

bool TEditorDocument::ReadChosenProject(const std::function<bool()>& read) {
    // Whatever reading left in the scene is shown, also when it failed
    // half-way; a cancelled open (No, or no file chosen) changes nothing.
    EndKeyframeEditing();
    const auto after = [this] {
        ForgetRecoveryCopy();
        ProjectLoaded();
        State.Undo.Clear();
        UpdateEnabledState();
        RememberProject();
    };
    bool reading = false;
    try {
        reading = read();
    } catch (...) {
        after();
        throw;
    }
    if (reading) after();
    return reading;
}

QStringList TEditorDocument::RecentProjects() const {
    return Recent().Paths();
}

TRecentProjects TEditorDocument::Recent() const {
    return TRecentProjects(Places.SettingsFile(QLatin1String(TRecentProjects::FileName)));
}

void TEditorDocument::RememberProject() {
    if (Scene.ProjectDir.isEmpty()) return; // a project without a file yet
    Recent().Add(QDir(Scene.ProjectDir).filePath(Scene.ProjectFileName));
}

void TEditorDocument::OpenProject(const QString& path) {
    EndKeyframeEditing();
    SelectSingleLayer(nullptr);
    try {
        ReadProject(Scene, path, Log);
    } catch (...) {
        ForgetRecoveryCopy();
        ProjectLoaded();
        RememberProject();
        throw;
    }
    ForgetRecoveryCopy();
    ProjectLoaded();
    RememberProject();
}

bool TEditorDocument::StartRecovery(int64_t delayMs) {
    if (!recovery_) recovery_ = std::make_unique<TRecoveryDriver>(*this, RecoveryFolder, delayMs);
    return recovery_->AskAtStart();
}

void TEditorDocument::RecoverProject(const TRecoveryCopy& copy) {
    EndKeyframeEditing();
    SelectSingleLayer(nullptr);
    try {
        TRecoveryStore::Read(Scene, copy, Log);
    } catch (...) {
        ProjectLoaded();
        State.Undo.Clear();
        UpdateEnabledState();
        throw;
    }
    ProjectLoaded();
    State.Undo.Clear();
    UpdateEnabledState();
    emit SavedChanged(lastSaved_ = Scene.Saved);
}

void TEditorDocument::ForgetRecoveryCopy() {
    if (recovery_) recovery_->Forget();
}

bool TEditorDocument::SaveProject(bool withDialog) {
    bool written = false;
    SaveWithStartState([&] { written = SaveProjectCommand(Scene, Dialogs(), Log, withDialog); });
    if (written) {
        ForgetRecoveryCopy();
        RememberProject();
    }
    emit ProjectNameChanged();
    emit LayersChanged(); // the resources may have gone beside the project (the Files tab shows where)
    return written;
}

QString TEditorDocument::PackProject(const std::function<void()>& readBackFrame) {
    EndKeyframeEditing(); // ends scrubbing too: the pack's picture shows the edited state
    TPackOptions options;
    options.ReadBackFrame = readBackFrame;
    const QString pack = PackExport(Scene, Dialogs(), Log, options);
    // The project now lives beside the pack, and so do the copies of its resources.
    if (!pack.isEmpty()) AdoptResourcesBeside(Scene);
    emit ProjectNameChanged();
    emit LayersChanged();
    if (!pack.isEmpty()) ReportPack(Log, pack, Scene);
    return pack;
}

bool TEditorDocument::MayClose() {
    return Scene.Saved ||
           Dialogs().AskYesNo(tr("Kilépés"), tr("A jelenlegi projekt nincs mentve! Biztos kilép?"));
}

void TEditorDocument::ExitSave() {
    // A normal end: the copy goes whether or not the exit save could be written.
    try {
        SaveWithStartState([this] { ExitSaveProject(Scene, Places); });
    } catch (...) {
        ForgetRecoveryCopy();
        throw;
    }
    ForgetRecoveryCopy();
}

} // namespace velkon
