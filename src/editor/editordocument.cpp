#include "editor/editordocument.h"

#include "edit/editorstate.h"
#include "model/scene.h"

namespace velkon {

TEditorDocument::TEditorDocument(TScene& scene, TEditorState& state, TErrorLog& log, TDialogs*& dialogs,
                                 QObject* parent)
    : QObject(parent), Scene(scene), State(state), Log(log), dialogs_(dialogs) {}

bool TEditorDocument::Playing() const {
    return Scene.Playing;
}

bool TEditorDocument::KeyframeEditing() const {
    return State.KeyframeMode;
}

void TEditorDocument::Edited() {
    emit LayersChanged();
    emit SelectionChanged();
    if (UpdateEnabledState) UpdateEnabledState();
    Redraw();
}

namespace {

// Runs a panel's key action when the panel provides one; true when it ran.
bool Run(const std::function<void()>& action) {
    if (!action) return false;
    action();
    return true;
}

} // namespace

bool TEditorDocument::RunPanelKey(int key, Qt::KeyboardModifiers mods) {
    const TActions& actions = Actions;
    const bool editing = State.KeyframeMode;
    if (mods == Qt::AltModifier) {
        switch (key) {
        case Qt::Key_G:
            return Run(actions.GroupEditToggle);
        case Qt::Key_L:
            return Run(actions.LinkToggle);
        case Qt::Key_B:
            return Run(actions.BoneButton);
        case Qt::Key_1:
            return actions.ToggleStartBit && (actions.ToggleStartBit(0), true);
        case Qt::Key_2:
            return actions.ToggleStartBit && (actions.ToggleStartBit(2), true);
        default:
            return false;
        }
    }
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const bool up = key == Qt::Key_PageUp;
        if (!editing && Scene.SelectedCount == 1 && actions.MoveLayer) {
            actions.MoveLayer(up, mods & Qt::ShiftModifier);
            return true;
        }
        const bool keyframePlaying = actions.KeyframePlaying && actions.KeyframePlaying();
        if (editing && !keyframePlaying && actions.KeyframeColumnStep) {
            actions.KeyframeColumnStep(up ? -1 : 1);
            return true;
        }
        return false;
    }
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
        if (editing || !actions.SelectAnimation) return false;
        actions.SelectAnimation(key - Qt::Key_F5);
        return true;
    case Qt::Key_Insert:
        // The window's handler is the only one: a list that binds Insert too must not add twice.
        return Run(editing ? actions.KeyframeStoreAndCopy : actions.AddCommand);
    default:
        return false;
    }
}

void TEditorDocument::EndKeyframeEditing() {
    if (Actions.KeyframeEditingOff) Actions.KeyframeEditingOff();
}

void TEditorDocument::SaveWithStartState(const std::function<void()>& write) {
    if (Actions.KeyframeSaving)
        Actions.KeyframeSaving(write);
    else
        write();
}

void TEditorDocument::Redraw() const {
    if (RequestRedraw) RequestRedraw();
}

} // namespace velkon
