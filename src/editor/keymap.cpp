#include "editor/keymap.h"

namespace velkon {

namespace {

TKeyDecision Run(const char* id) {
    return {TKeyDecision::Run, QString::fromLatin1(id)};
}

// Keys the panels and the keyframe editor carry out, when no field is typed into.
TKeyDecision PanelKey(const TKeyPress& p) {
    if (p.Mods == Qt::AltModifier) {
        switch (p.Key) {
        case Qt::Key_G:
            return Run("keyframe.groupEdit");
        case Qt::Key_L:
            return Run("keyframe.link");
        case Qt::Key_B:
            return Run("keyframe.bone");
        case Qt::Key_1:
            return Run("commands.startBitBase");
        case Qt::Key_2:
            return Run("commands.startBitTouch");
        default:
            return {};
        }
    }
    const bool shift = p.Mods & Qt::ShiftModifier;
    switch (p.Key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const bool up = p.Key == Qt::Key_PageUp;
        if (!p.KeyframeEditing && p.SelectedCount == 1)
            return Run(up ? (shift ? "layers.moveUpTen" : "layers.moveUp")
                          : (shift ? "layers.moveDownTen" : "layers.moveDown"));
        if (p.KeyframeEditing && !p.KeyframePlaying) return Run(up ? "keyframe.previous" : "keyframe.next");
        return {};
    }
    case Qt::Key_F5:
        return p.KeyframeEditing ? TKeyDecision{} : Run("animation.base");
    case Qt::Key_F6:
        return p.KeyframeEditing ? TKeyDecision{} : Run("animation.touch1");
    case Qt::Key_F7:
        return p.KeyframeEditing ? TKeyDecision{} : Run("animation.touch2");
    case Qt::Key_F8:
        return p.KeyframeEditing ? TKeyDecision{} : Run("animation.touch3");
    case Qt::Key_Insert:
        // The window's handler is the only one: a list that binds Insert too must not add twice.
        return Run(p.KeyframeEditing ? "keyframe.storeAndCopy" : "commands.add");
    default:
        return {};
    }
}

} // namespace

TKeyDecision TKeyMap::Decide(const TKeyPress& p) {
    if (p.AutoRepeat && (p.Key == Qt::Key_F1 || p.Key == Qt::Key_F2)) return {TKeyDecision::Swallow, {}};
    if (p.ForWindow && p.Keypad && (p.Key == Qt::Key_Plus || p.Key == Qt::Key_Minus))
        return Run(p.Key == Qt::Key_Plus ? "view.zoomIn" : "view.zoomOut");
    switch (p.Key) {
    case Qt::Key_F1:
        return Run("play.toggle");
    case Qt::Key_F2:
        return Run("play.preview");
    case Qt::Key_F3:
        return Run("keyframe.play");
    default:
        break;
    }
    if (p.Playing) return {};
    if (!p.Typing) {
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        if (p.Key == Qt::Key_S && p.Mods == ctrl) return Run("project.save");
        if (p.Key == Qt::Key_Z && p.Mods == ctrl) return Run("edit.undo");
        // Redo takes the keys every editor on this desktop gives it.
        if ((p.Key == Qt::Key_Y && p.Mods == ctrl) || (p.Key == Qt::Key_Z && p.Mods == (ctrl | Qt::ShiftModifier)))
            return Run("edit.redo");
        if (const TKeyDecision d = PanelKey(p); d.Kind != TKeyDecision::Pass) return d;
    }
    if (!p.ForWindow) return {};
    if (p.Key == Qt::Key_O && p.Mods == Qt::NoModifier && p.SelectedCount > 0) return Run("layers.origin");
    if (p.Key == Qt::Key_V && p.Mods == Qt::AltModifier) return Run("view.helperLineHorizontal");
    if (p.Key == Qt::Key_F && p.Mods == Qt::AltModifier) return Run("view.helperLineVertical");
    return {TKeyDecision::Canvas, {}};
}

} // namespace velkon
