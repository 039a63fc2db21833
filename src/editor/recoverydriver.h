#pragma once

#include "edit/recoverykeeper.h"
#include "project/recoverystore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace velkon {

class TEditorDocument;

// The editor's side of crash recovery: a few times a second it lets the
// keeper look whether a copy of the project is due (a mouse button held down
// is a drag); at start it offers the copies that editors which did not end
// normally left behind. The document removes the copy on save, New, Open and
// a normal end.
class TRecoveryDriver : public QObject {
    Q_OBJECT
public:
    // folder: where the copies live; delayMs: a copy comes within this of a change.
    TRecoveryDriver(TEditorDocument& document, const QString& folder, int64_t delayMs = 5000);
    ~TRecoveryDriver() override;

    // For each left copy, newest first: "Helyreállítás", Yes restores it as
    // unsaved changes of its project (and asks no more), No discards it.
    // Returns whether a copy was restored.
    bool AskAtStart();
    // The project was saved, replaced or closed normally: the copy goes.
    void Forget();

    TRecoveryStore& Store() { return store_; }
    TRecoveryKeeper& Keeper() { return keeper_; }
    // Whether the user drags now; the mouse buttons unless a test says otherwise.
    std::function<bool()> Dragging;

    // The question for one left copy.
    static QString Question(const TRecoveryCopy& copy);

private:
    TEditorDocument& document_;
    TRecoveryStore store_;
    TRecoveryKeeper keeper_;
    QTimer timer_;
    QElapsedTimer clock_;
};

} // namespace velkon
