#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace velkon {

class TScene;
class TDialogs;
class TErrorLog;

// What the caller hands to the pack export.
struct TPackOptions {
    // The pack file; empty: the user chooses it through the dialogs.
    QString Path;
    // Reads the canvas frame back into the screenshot picture (the editor
    // passes it; the command line has no canvas).
    std::function<void()> ReadBackFrame;
};

// The runtime's text of the scene, as written to the .VKO (CR LF lines).
QString PackText(const TScene& scene);

// The retina warning: a message when the target resolution is a
// high-density preset (index 2 or 5). Returns whether it was shown.
bool WarnRetina(const TScene& scene, TDialogs& dialogs);

// One line per command parameter that must give a number but holds neither a
// number nor a parameter function, naming the layer, the track and the
// command's position.
QStringList UnreadableParameters(const TScene& scene);

// The pack's checks: layer alpha and touch rectangles of layers with touch
// commands, resource names and parameters that give no number; their lines go
// to the top of the log and one summary message follows when there were any.
// Returns how many lines were added.
int RunPackChecks(const TScene& scene, TDialogs& dialogs, TErrorLog& log);

// The whole export: warning, frame read-back, checks, the pack file choice,
// the .VKO text, the UTF-8 .VKM, the resource copies and the .VKP beside it,
// which becomes the current project. Returns the .VKM path, or an empty string
// when the user cancelled the choice. Every output is checked before anything
// is written (a bad name, a resource named like the pack's own files, a link
// or a folder in a file's place, a resource that is no regular file, is too
// large or is a link out of its folder throw EVelkonError and write nothing).
// A project whose read stopped part-way replaces its own source only when the
// user says Yes; No throws EVelkonError and writes nothing. A .VKM that cannot
// be written throws EVelkonError with nothing changed; resources and the .VKP
// that could not be written are all named in one error after the rest was
// written, with what the folder then holds.
QString PackExport(TScene& scene, TDialogs& dialogs, TErrorLog& log, const TPackOptions& options = {});

// The .VKM path of a pack for the name the user chose: the name is kept as
// given, ".VKM" is added only to a name without extension. A folder, a name
// without a file name (".", "..", hidden names) or a name ending in .VKP or
// .VKO throws EVelkonError before anything is written.
QString PackOutputPath(const QString& chosen);

// Path with its extension replaced (ext with its dot, ".VKO"); a path
// without an extension gets it appended.
QString ChangeExtension(const QString& path, const QString& ext);

} // namespace velkon
