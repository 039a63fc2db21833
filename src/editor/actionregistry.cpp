#include "editor/actionregistry.h"

#include "editor/velkonapplication.h"

#include <QAction>
#include <QWidget>

namespace velkon {

TActionRegistry::TActionRegistry(QObject* parent) : QObject(parent) {}

QString TActionRegistry::HintWithKeys(const QString& hint, const QList<QKeySequence>& keys) {
    if (keys.isEmpty()) return hint;
    QStringList names;
    for (const QKeySequence& k : keys)
        names << k.toString(QKeySequence::PortableText);
    return hint + QStringLiteral(" [") + names.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QAction* TActionRegistry::Add(const QString& id, QAction* action, const QList<QKeySequence>& keys) {
    if (!action || id.isEmpty() || entries_.contains(id)) return nullptr;
    action->setObjectName(id);
    const QString hint = action->toolTip().isEmpty() ? action->text() : action->toolTip();
    action->setToolTip(HintWithKeys(hint, keys));
    entries_.insert(id, TEntry{action, keys});
    // An action that goes with its owner leaves the registry with it.
    connect(action, &QObject::destroyed, this, [this, id, action] {
        const auto it = entries_.find(id);
        if (it != entries_.end() && it->Action == action) entries_.erase(it);
    });
    return action;
}

QAction* TActionRegistry::Command(const char* id, QObject* owner, const QString& text, const QString& hint,
                                  const QList<QKeySequence>& keys, std::function<void()> run) {
    auto* action = new QAction(text, owner);
    action->setToolTip(hint);
    connect(action, &QAction::triggered, owner,
            [action, run = std::move(run)] { TVelkonApplication::Guard(action, run); });
    if (!Add(QString::fromLatin1(id), action, keys)) {
        delete action;
        return nullptr;
    }
    return action;
}

void TActionRegistry::Remove(const QString& id) {
    entries_.remove(id);
}

QAction* TActionRegistry::Action(const QString& id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->Action;
}

QStringList TActionRegistry::Ids() const {
    return entries_.keys();
}

QList<QKeySequence> TActionRegistry::Keys(const QString& id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? QList<QKeySequence>{} : it->Keys;
}

void TActionRegistry::ShowKeys(QWidget* control, const QString& id) const {
    const QList<QKeySequence> keys = Keys(id);
    if (!control || keys.isEmpty()) return;
    control->setToolTip(HintWithKeys(control->toolTip(), keys));
}

bool TActionRegistry::Trigger(const QString& id) const {
    QAction* action = Action(id);
    if (!action || !action->isEnabled()) return false;
    action->trigger();
    return true;
}

} // namespace velkon
