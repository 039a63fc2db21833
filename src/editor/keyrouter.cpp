#include "editor/keyrouter.h"

#include "editor/canvasview.h"
#include "editor/dockform.h"
#include "editor/editordocument.h"
#include "editor/keymap.h"
#include "editor/keytargets.h"
#include "editor/velkonapplication.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

namespace velkon {

TKeyRouter::TKeyRouter(TEditorDocument& document, QWidget* window, TCanvasView& canvas)
    : QObject(window), document_(document), window_(window), canvas_(canvas) {
    qApp->installEventFilter(this);
}

TKeyRouter::~TKeyRouter() {
    qApp->removeEventFilter(this);
}

bool TKeyRouter::Watches(const QWidget* w) const {
    return w && w->isWidgetType() && (w->window() == window_ || qobject_cast<TDockForm*>(w->window()));
}

bool TKeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!Watches(w)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        TVelkonApplication::Guard(w, [&] { canvas_.KeyUp(key); });
        return false;
    }
    // A key a field ignored travels on to its parents; it is still the field's key.
    QWidget* target = w;
    if (QWidget* focus = QApplication::focusWidget(); focus && w->isAncestorOf(focus)) target = focus;
    bool consumed = false;
    TVelkonApplication::Guard(w, [&] { consumed = KeyDown(key, target); });
    return consumed;
}

bool TKeyRouter::KeysForWindow(QWidget* target) const {
    if (!target || target == window_ || canvas_.IsCanvasArea(target)) return true;
    return target->window() == window_ && !OwnsItsKeys(target);
}

bool TKeyRouter::KeyDown(QKeyEvent* event, QWidget* target) {
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    TKeyPress press;
    press.Key = event->key();
    press.Mods = mods;
    press.Keypad = event->modifiers() & Qt::KeypadModifier;
    press.AutoRepeat = event->isAutoRepeat();
    press.Typing = target && IsTextEntry(target);
    press.ForWindow = KeysForWindow(target);
    press.Playing = document_.Scene.Playing;
    press.KeyframeEditing = document_.State.KeyframeMode;
    press.KeyframePlaying = document_.State.KeyframePlaying;
    press.SelectedCount = document_.Scene.SelectedCount;
    const TKeyDecision decision = TKeyMap::Decide(press);
    if (decision.Kind == TKeyDecision::Swallow) return true;
    canvas_.ShowKeyHint(mods);
    if (decision.Kind == TKeyDecision::Pass) return false;
    if (decision.Kind == TKeyDecision::Run) {
        // A command whose owner is not there (a panel test without it) leaves the key to the canvas.
        if (QAction* action = document_.Registry.Action(decision.Action)) {
            if (action->isEnabled()) action->trigger();
            return true;
        }
        if (!press.ForWindow) return false;
    }
    return canvas_.KeyDown(event, target);
}

} // namespace velkon
