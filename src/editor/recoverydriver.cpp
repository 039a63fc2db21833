#include "editor/recoverydriver.h"

#include "editor/editordocument.h"
#include "editor/velkonapplication.h"
#include "model/dialogs.h"
#include "project/projectcommands.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace velkon {

TRecoveryDriver::TRecoveryDriver(TEditorDocument& document, const QString& folder, int64_t delayMs)
    : QObject(&document), document_(document), store_(folder),
      keeper_(document.State, store_, document.Log, delayMs) {
    Dragging = [] { return QGuiApplication::mouseButtons() != Qt::NoButton; };
    // While keyframe editing the layers show a pose: the copy gets their start state.
    keeper_.InStartState = [this](const std::function<void()>& read) {
        document_.Keyframes.ShowingStartState(read);
    };
    clock_.start();
    timer_.setInterval(static_cast<int>(std::max<int64_t>(10, delayMs / 20)));
    connect(&timer_, &QTimer::timeout, this, [this] {
        TVelkonApplication::Guard(this, [this] { keeper_.Tick(clock_.elapsed(), Dragging && Dragging()); });
    });
    timer_.start();
}

TRecoveryDriver::~TRecoveryDriver() = default;

QString TRecoveryDriver::Question(const TRecoveryCopy& copy) {
    const QString name = copy.ProjectPath.isEmpty() ? QString::fromLatin1(UntitledProjectName)
                                                    : QFileInfo(copy.ProjectPath).fileName();
    return tr("A(z) %1 projekt nem mentett változásai megmaradtak (%2). Visszaállítja őket?")
        .arg(name, copy.Time.toLocalTime().toString(tr("yyyy.MM.dd. HH:mm:ss")));
}

bool TRecoveryDriver::AskAtStart() {
    for (const TRecoveryCopy& copy : store_.LeftCopies()) {
        if (!document_.Dialogs().AskYesNoYesDefault(tr("Helyreállítás"), Question(copy))) {
            TRecoveryStore::Discard(copy);
            continue;
        }
        // A copy that cannot be read whole stays for the next start (the error goes to the log).
        document_.RecoverProject(copy);
        // This editor's own copy of it first; only then does the old one go.
        keeper_.WriteNow(clock_.elapsed());
        TRecoveryStore::Discard(copy);
        // One project is open at a time: the copies left after this one are asked for at the next start.
        return true;
    }
    return false;
}

void TRecoveryDriver::Forget() {
    keeper_.Forget();
}

} // namespace velkon
