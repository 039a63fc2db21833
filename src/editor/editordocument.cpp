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

void TEditorDocument::Redraw() const {
    if (RequestRedraw) RequestRedraw();
}

} // namespace velkon
