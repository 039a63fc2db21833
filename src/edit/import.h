#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace velkon {

class TDialogs;
class TEditorState;
class TErrorLog;
class TIniFile;
class TScene;

// The names of the layers of a project file, section "Image1" upward.
QStringList ImportLayerNames(const TIniFile& ini);

// Copies the layers of the given entries (0-based, entry k is section
// "Image" k + 1) with their pictures and twelve tracks into the scene, at the
// end of Layers. A file or layer name already in the scene is told; the layer
// then uses that file, or gets a name made from its file name. A file name
// that would lead out of the imported project's folder is logged and its
// layer skipped. Returns how many layers were added.
int ImportLayers(TScene& scene, TDialogs& dialogs, TErrorLog& log, const QString& projectPath,
                 const TIniFile& ini, const std::vector<int>& entries);

// Import button: asks for a project file, lets chooseLayers pick entries of
// its layer names (nullopt: cancelled), imports them as one undo step
// "Import". Returns whether anything was imported.
bool ImportFromProject(
    TEditorState& state, TDialogs& dialogs, TErrorLog& log,
    const std::function<std::optional<std::vector<int>>(const QStringList& names)>& chooseLayers);

} // namespace velkon
