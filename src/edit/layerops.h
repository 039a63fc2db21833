#pragma once

#include "edit/layerlist.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velkon {

class TDialogs;
class TErrorLog;
class TFilesItem;
class TScene;

// Add picture: each chosen PNG becomes a file and a layer, placed above the
// one selected layer row (in its group), in the one selected group, or on
// top. "name(x,y).png" places the layer at x, y; a coordinate that is no
// number puts the layer at 0, 0 with a log line, and the other files go on.
// A file already in the project or one that cannot be read as a picture is
// told and skipped. Returns how many layers were added.
int AddPictures(TScene& scene, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected);
// The same for chosen paths (what the file dialog returned).
int AddPictureFiles(TScene& scene, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected,
                    const QStringList& paths);
// The message add-picture gives for a file that is no picture it can show:
// why the picture did not load, or that the file is no picture.
QString NotAPictureMessage(const TFilesItem& item, const QString& path);

// Add sound: each chosen WAV that loads becomes a file; returns how many.
int AddSounds(TScene& scene, TDialogs& dialogs, TErrorLog& log);
// Add particle: each chosen PAR file becomes a file; returns how many.
int AddParticles(TScene& scene, TDialogs& dialogs, TErrorLog& log);

// Clone (with or without the twelve tracks) every selected layer right above
// itself; a selected group row first makes a group "<name> másolat" for the
// clones. The last clone becomes the one selected layer. Returns how many.
int CloneLayers(TScene& scene, TDialogs& dialogs, const std::vector<TLayerRow>& selected,
                bool withAnimations);

// How many commands of the layers that stay name a selected layer: they go
// when the selected layers are deleted.
int CommandsGoingWithSelected(const TScene& scene);
// The question Delete asks: "Biztos törli?", and how many commands of other
// layers go with the selected ones when there are any.
QString DeleteQuestion(const TScene& scene);

// Delete, after "Biztos törli?": the selected layers with every command that
// names them (each count logged), the selected groups, and files no longer
// shown nor named. Returns whether it ran.
bool DeleteSelected(TScene& scene, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected);

// Whether a parameter names the layer: equal to its name, or its name
// followed by ";" inside a function.
bool ParamNamesLayer(const QString& param, const QString& name);
// Deletes every command of every track that names the layer; returns how many.
int DeleteCommandsNaming(TScene& scene, const QString& name);

// Up/Down: the selected layers one step (ten with shift) in the drawing order,
// over whole groups of others. Returns the group to select again when the
// first selected row was a group row.
std::optional<int> MoveSelected(TScene& scene, bool up, bool shift, const std::vector<TLayerRow>& selected);

// Delete key in the "Files" list, after "Biztos törli?": pictures and files a
// command names are refused. Returns whether the file went.
bool DeleteFile(TScene& scene, TDialogs& dialogs, int fileIndex);

} // namespace velkon
