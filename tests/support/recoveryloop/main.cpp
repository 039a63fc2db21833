// Edits a project and keeps its recovery copy, as the editor does, until it
// is killed; the child of the kill-during-recovery test:
//   velkon_recovery_loop RECOVERY_FOLDER PROJECT.VKP DELAY_MS
// Edit N moves the first layer to Left=N and prints "edit N" once it is made.
// Edits come in bursts with pauses between, so that copies are written both
// after a pause and, overdue, in the middle of a burst.
#include "edit/editorstate.h"
#include "edit/recoverykeeper.h"
#include "edit/undobuffer.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/velkonerror.h"
#include "project/projectfile.h"
#include "project/recoverystore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <cstdio>
#include <random>

using namespace velkon;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velkon_recovery_loop RECOVERY_FOLDER PROJECT.VKP DELAY_MS\n");
        return 2;
    }
    TScene scene;
    TErrorLog log;
    try {
        ReadProject(scene, args[1], log);
    } catch (const EVelkonError& e) {
        std::fprintf(stderr, "%s\n", e.Message().toLocal8Bit().constData());
        return 1;
    }
    TEditorState state(scene);
    TRecoveryStore store(args[0]);
    TRecoveryKeeper keeper(state, store, log, args[2].toLongLong());
    std::mt19937 random(std::random_device{}());
    QElapsedTimer clock;
    clock.start();
    for (long edit = 1;;) {
        const int burst = std::uniform_int_distribution<int>(1, 8)(random);
        for (int i = 0; i < burst; ++i, ++edit) {
            state.Undo.Record(TUndoBuffer::kindKeyboardMove);
            scene.Layers.At(0)->Left = static_cast<double>(edit);
            scene.Saved = false;
            std::printf("edit %ld\n", edit);
            std::fflush(stdout);
            keeper.Tick(clock.elapsed(), false);
            QThread::msleep(std::uniform_int_distribution<int>(5, 40)(random));
        }
        // A pause: the copy is due after a fifth of the delay.
        const qint64 until = clock.elapsed() + std::uniform_int_distribution<int>(0, 600)(random);
        while (clock.elapsed() < until) {
            keeper.Tick(clock.elapsed(), false);
            QThread::msleep(10);
        }
        if (!log.Lines().isEmpty()) {
            std::fprintf(stderr, "%s\n", log.Lines().first().toLocal8Bit().constData());
            return 1;
        }
    }
}
