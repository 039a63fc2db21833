#pragma once

#include <QString>

namespace velkon {

// Where the editor keeps its own files: the layout files, "Favourites.txt"
// and the exit save "Kilepesi.VKP". One rule for all of them, decided once
// per start: the program's folder when a file can be created in it (a copy
// unpacked somewhere the user owns keeps everything beside itself), otherwise
// the user's places (settings in the config folder, the exit save in the data
// folder), as for an editor installed where the user cannot write. Every
// reader and every writer of these files asks here, so a file is always read
// back from where it was written.
class TSettingsPlaces {
public:
    QString SettingsDir; // layout files and favourites
    QString DataDir;     // the exit save

    // The rule. The chosen user folders are created; programDir is probed by
    // really creating (and removing) a file in it, since permission bits say
    // nothing about read-only mounts.
    static TSettingsPlaces Choose(const QString& programDir, const QString& configDir,
                                  const QString& dataDir);
    // The rule for the running program: its executable's folder, else
    // QStandardPaths' AppConfigLocation and AppDataLocation.
    static TSettingsPlaces ForThisProgram();
    // Everything in one folder (a window test's own temporary folder).
    static TSettingsPlaces In(const QString& dir);

    // A settings file: "VelkonEditor.ini", "VelkonEditorForms.ini", "Favourites.txt".
    QString SettingsFile(const QString& name) const;
    // The exit save "Kilepesi.VKP".
    QString ExitSaveFile() const;
};

} // namespace velkon
