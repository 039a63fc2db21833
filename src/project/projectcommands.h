#pragma once

#include <QString>

namespace velkon {

class TRecentProjects;
class TScene;
class TDialogs;
class TErrorLog;
class TSettingsPlaces;

// File name of the automatic save at exit.
inline constexpr const char* ExitSaveFileName = "Kilepesi.VKP";

// The name of a project that has no file yet.
inline constexpr const char* UntitledProjectName = "Untitled.VKP";

// New project: the scene as the editor starts one. No layers, files, groups
// or helper lines; no file and so no folder until its first save; white
// background, locked layers pickable (Lock off), unsaved. The resolution,
// the selection colour and the time scale stay as the user set them.
void ResetToNewProject(TScene& scene);

// After a project was read: the selection count follows the layers' Selected
// flags (as the file left them) and no layer is current.
void RecountSelection(TScene& scene);

// The screenshot's suggested file name: the project's name with "T.png"
// ("demo.VKP" gives "demoT.png").
QString PhotoFileName(const TScene& scene);

// The save command. withDialog: the save button (the save dialog is shown);
// without it (Ctrl+S) the project goes back to the file it was read from or
// last saved to, never to the current directory. A project whose read stopped
// half-way always gets the dialog, and choosing its source asks first what
// would be lost. Resources that are not beside the chosen file are copied
// there first; a different file of the same name there stops the save before
// anything is written (told, false). Returns true when written;
// a failed write throws EVelkonError and leaves the old file whole.
bool SaveProjectCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log, bool withDialog);

// The question asked before a project whose read stopped half-way is saved
// over its own source: it says what would be lost.
QString IncompleteOverwriteQuestion(const TScene& scene);

// Whether path names the file the project was read from or last saved to
// (the same file also through another spelling or a link).
bool IsProjectSource(const TScene& scene, const QString& path);

// The open command: asks before dropping unsaved changes, then lets the user
// choose a project and reads it. Returns true when a project was read; reading
// errors propagate as EVelkonError (what was read stays in the scene).
bool OpenProjectCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log);
// Opens this project file (one dropped on the window), with Open's question
// when the project is unsaved; a path that is no file is told in the log.
// True when a project was read (also when reading stopped half-way and threw).
bool OpenProjectFileCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log, const QString& path);
// Opens a project of the list, with Open's question when the project is
// unsaved. A file that is gone is taken out of the list with a log line.
// True when a project was read (also when reading stopped half-way and
// threw: the scene then holds what was read).
bool OpenRecentProjectCommand(TScene& scene, TDialogs& dialogs, TErrorLog& log, const TRecentProjects& recent,
                              const QString& path);

// The exit save: writes the scene, even an empty one, to "Kilepesi.VKP" where
// the settings places keep it. The scene keeps its own project file name and
// saved flag. Returns the path written; throws EVelkonError when it cannot be
// written, and when the scene is a half-read copy of that very file (its
// remainder must not replace it).
QString ExitSaveProject(TScene& scene, const TSettingsPlaces& places);

} // namespace velkon
