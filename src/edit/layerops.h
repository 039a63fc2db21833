#pragma once

#include "edit/layerlist.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velkon {

class TDialogs;
class TEditorState;
class TErrorLog;
class TFilesItem;
class TScene;

// Add picture: each chosen PNG becomes a file and a layer, placed above the
// one selected layer row (in its group), in the one selected group, or on
// top. "name(x,y).png" places the layer at x, y; a coordinate that is no
// number puts the layer at 0, 0 with a log line, and the other files go on.
// A file already in the project or one that cannot be read as a picture is
// told and skipped. One undo step "Réteg hozzáadás" takes back all of them.
// Returns how many layers were added.
int AddPictures(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected);
// The same for these paths (what the file dialog returned, or a drop). With
// at, every layer stands at that target point instead (a drop on the canvas);
// the name's coordinates are then not read.
int AddPictureFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected,
                    const QStringList& paths, std::optional<QPoint> at = std::nullopt);
// The message add-picture gives for a file that is no picture it can show:
// why the picture did not load, or that the file is no picture.
QString NotAPictureMessage(const TFilesItem& item, const QString& path);

// Add sound: each chosen WAV that loads becomes a file (one undo step "Fájl
// hozzáadás"); returns how many.
int AddSounds(TEditorState& state, TDialogs& dialogs, TErrorLog& log);
// The same for these paths.
int AddSoundFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const QStringList& paths);
// Add particle: each chosen PAR file becomes a file (one undo step); returns how many.
int AddParticles(TEditorState& state, TDialogs& dialogs, TErrorLog& log);
// The same for these paths.
int AddParticleFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const QStringList& paths);

// Clone (with or without the twelve tracks) every selected layer right above
// itself; a selected group row first makes a group "<name> másolat" for the
// clones. The last clone becomes the one selected layer. One undo step
// "Réteg klónozás". Returns how many.
int CloneLayers(TEditorState& state, TDialogs& dialogs, const std::vector<TLayerRow>& selected,
                bool withAnimations);

// How many commands of the layers that stay name a selected layer: they go
// when the selected layers are deleted.
int CommandsGoingWithSelected(const TScene& scene);
// The question Delete asks: "Biztos törli?", and how many commands of other
// layers go with the selected ones when there are any.
QString DeleteQuestion(const TScene& scene);

// Delete, after "Biztos törli?": the selected layers with every command that
// names them (each count logged), the selected groups, and files no longer
// shown nor named. One undo step ("Réteg törlés", or "Csoport megszüntetés"
// when only groups go) brings all of it back. Returns whether it ran.
bool DeleteSelected(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected);

// Whether a parameter names the layer: equal to its name, or its name
// followed by ";" inside a function.
bool ParamNamesLayer(const QString& param, const QString& name);
// Deletes every command of every track that names the layer; returns how many.
int DeleteCommandsNaming(TScene& scene, const QString& name);

// Up/Down: the selected layers one step (ten with shift) in the drawing order,
// over whole groups of others, as undo step "Rétegsorrend" (presses in a row
// make one step). Returns the group to select again when the first selected
// row was a group row.
std::optional<int> MoveSelected(TEditorState& state, bool up, bool shift, const std::vector<TLayerRow>& selected);

// Delete key in the "Files" list, after "Biztos törli?": pictures and files a
// command names are refused; one that goes is undo step "Fájl törlés".
// Returns whether the file went.
bool DeleteFile(TEditorState& state, TDialogs& dialogs, int fileIndex);

} // namespace velkon
