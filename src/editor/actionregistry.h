#pragma once

#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <functional>

class QAction;
class QWidget;

namespace velkon {

// Every user command that a tool-bar button, a key or a menu triggers, as a
// QAction under a stable id ("project.save", "play.toggle",
// "keyframe.storeAndCopy", "layers.moveUp"). The class that owns a command
// creates its action and registers it once; buttons, menus and the window's
// key map find it here by id. The keys are shown in the action's hint
// ("Projekt mentése [Ctrl+S]"); the key map decides when they reach the action.
class TActionRegistry : public QObject {
    Q_OBJECT
public:
    explicit TActionRegistry(QObject* parent = nullptr);

    // Registers the action under id (also its objectName) with the keys that
    // run it. An id is taken once: a second action under it is refused (null
    // back, the action is not kept).
    QAction* Add(const QString& id, QAction* action, const QList<QKeySequence>& keys = {});
    // Makes the action of a command owned by owner (its parent) and registers
    // it: triggered, run is called with its errors going to the log.
    QAction* Command(const char* id, QObject* owner, const QString& text, const QString& hint,
                     const QList<QKeySequence>& keys, std::function<void()> run);
    // Takes an action out again (its owner goes away).
    void Remove(const QString& id);
    QAction* Action(const QString& id) const;
    QStringList Ids() const;
    QList<QKeySequence> Keys(const QString& id) const;
    // Runs the action; false when there is none under id or it is disabled.
    bool Trigger(const QString& id) const;

    // A button or field that does what the command does shows the command's
    // keys in its own hint ("Parancs hozzáadása [Ins]").
    void ShowKeys(QWidget* control, const QString& id) const;

    // The hint with its keys appended: "Visszavonás [Ctrl+Z]", "Újra [Ctrl+Y, Ctrl+Shift+Z]".
    static QString HintWithKeys(const QString& hint, const QList<QKeySequence>& keys);

private:
    struct TEntry {
        QAction* Action;
        QList<QKeySequence> Keys;
    };
    QMap<QString, TEntry> entries_;
};

} // namespace velkon
