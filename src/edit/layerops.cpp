#include "edit/layerops.h"

#include "edit/listroom.h"
#include "edit/editorstate.h"
#include "edit/selection.h"
#include "engine/params.h"
#include "engine/sounds.h"
#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/snd.h"
#include "model/uniquenames.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <functional>

namespace velkon {

namespace {

std::optional<QStringList> ChooseResources(TDialogs& dialogs, const QString& title, const QString& filter) {
    TFileChoice choice;
    choice.Title = title;
    choice.Filter = filter;
    choice.Multiple = true;
    return dialogs.ChooseFiles(choice);
}

// The checks every added resource passes: not yet in the project, and a
// plain file the user can read (a folder, a pipe or a device is no resource).
bool Acceptable(const TScene& scene, TDialogs& dialogs, const QString& path) {
    const QString name = TFilesItem::FileNameOf(path);
    if (scene.Files.Find(name)) {
        dialogs.Message(
            QCoreApplication::translate("LayerOps", "%1 fájl már megtalálható a projectben!").arg(name));
        return false;
    }
    const QFileInfo info(path);
    if (name.isEmpty() || !info.isFile() || !info.isReadable()) {
        dialogs.Message(QCoreApplication::translate("LayerOps", "A fájl nem olvasható: %1").arg(path));
        return false;
    }
    return true;
}

// Layers and files are lists the project reader takes only so many of.
void CheckRoomForFiles(const TScene& scene, qsizetype files, qsizetype layers) {
    CheckListRoom(scene.Files.Count(), files, QCoreApplication::translate("LayerOps", "A fájlok listája"));
    CheckListRoom(scene.Layers.Count(), layers, QCoreApplication::translate("LayerOps", "A rétegek listája"));
}

void LogSpace(TErrorLog& log, const TFilesItem& item) {
    if (item.Name.contains(QLatin1Char(' ')))
        log.Add(QCoreApplication::translate("LayerOps", "Hibás fájl név: %1").arg(item.Name));
}

void Forget(TScene& scene, TFilesItem& item) {
    if (scene.FileItemGone) scene.FileItemGone(item);
}

void MakeOnlySelected(TScene& scene, TImagesItem* layer) {
    SelectNoLayer(scene);
    layer->Selected = true;
    scene.SelectedCount = 1;
    scene.CurrentLayer = layer;
}

int Members(const TScene& scene, int group) {
    int n = 0;
    for (const auto& [name, layer] : scene.Layers)
        if (layer->Group == group) ++n;
    return std::max(n, 1);
}

} // namespace

int AddPictures(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected) {
    const auto paths = ChooseResources(dialogs, QCoreApplication::translate("LayerOps", "Képfájl hozzáadása"),
                                       QStringLiteral("PNG|*.png"));
    if (!paths) return 0;
    return AddPictureFiles(state, dialogs, log, selected, *paths);
}

QString NotAPictureMessage(const TFilesItem& item, const QString& path) {
    const QString why = item.Kind == TFilesItem::kindPicture && item.Image ? PictureLoadMessage(*item.Image, path)
                                                                          : QString();
    return why.isEmpty() ? QCoreApplication::translate("LayerOps", "A fájl nem kép: %1").arg(path) : why;
}

int AddPictureFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const std::vector<TLayerRow>& selected,
                    const QStringList& paths, std::optional<QPoint> at) {
    TScene& scene = state.Scene;
    CheckRoomForFiles(scene, paths.size(), paths.size());
    // The pictures added share the project's picture budget with those it holds.
    TPictureCache pictures(MaxPictureMemory - scene.PictureMemory());
    TUniqueNames names(scene.Layers);
    TImagesItem* above = selected.size() == 1 ? selected.front().Layer : nullptr;
    if (above && scene.Layers.IndexOf(above) < 0) above = nullptr;
    const int intoGroup = SelectedGroupOnly(selected) + 1; // 0: no group
    int added = 0;
    for (const QString& path : paths) {
        if (!Acceptable(scene, dialogs, path)) continue;
        std::unique_ptr<TFilesItem> item = TFilesItem::Create(path, pictures);
        if (item->Kind != TFilesItem::kindPicture || !item->Image || item->Image->IsEmpty()) {
            dialogs.Message(NotAPictureMessage(*item, path));
            continue;
        }
        // One step for all the files, taken before the first one changes the scene.
        if (added == 0) state.Undo.Record(-TUndoBuffer::kindLayerAdd);
        TFilesItem* file = scene.AddFile(std::move(item));
        LogSpace(log, *file);
        auto owned = std::make_unique<TImagesItem>(file);
        owned->Name = names.Make(TScene::LayerBaseName(file->Name));
        names.Add(owned->Name);
        TImagesItem* layer = owned.get();
        const QString key = layer->Name;
        if (above) {
            scene.Layers.Insert(scene.Layers.IndexOf(above) + 1, key, std::move(owned));
            layer->Group = above->Group;
            MakeOnlySelected(scene, layer);
        } else {
            scene.Layers.Add(key, std::move(owned));
            layer->Group = intoGroup;
        }
        ++added;
        // "name(x,y).png": the layer's place, unless it was dropped somewhere.
        const QString name = file->Name;
        const int open = name.indexOf(QLatin1Char('('));
        const int close = name.indexOf(QLatin1Char(')'));
        if (at) {
            layer->Left = at->x();
            layer->Top = at->y();
        } else if (open >= 0 && close > open) {
            const QString inner = name.mid(open + 1, close - open - 1);
            const int comma = inner.indexOf(QLatin1Char(','));
            // Without a comma the whole text is y: "kep (2).png" stands at 0, 2.
            const QString x = comma < 0 ? QString() : inner.left(comma);
            const QString y = inner.mid(comma + 1);
            try {
                const int left = ToInt(x.trimmed());
                const int top = ToInt(y.trimmed());
                layer->Left = left;
                layer->Top = top;
            } catch (const EVelkonError&) {
                // The file stays and the others go on: the place is the user's to fix.
                log.Add(QCoreApplication::translate(
                            "LayerOps", "Hibás koordináta a fájl nevében, a réteg a 0,0 pontra került: %1")
                            .arg(name));
            }
        }
        // Its start state is where it was made (see TImagesItem::SaveState).
        layer->SaveState();
    }
    if (added > 0 || !paths.isEmpty()) scene.Saved = false;
    return added;
}

namespace {

// Adds files of one kind as resources; load, when given, reads a file's
// contents and refuses it with false.
int AddResourceFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const QStringList& paths,
                     const std::function<bool(const QString&, TFilesItem&)>& load) {
    TScene& scene = state.Scene;
    CheckRoomForFiles(scene, paths.size(), 0);
    int added = 0;
    for (const QString& path : paths) {
        if (!Acceptable(scene, dialogs, path)) continue;
        std::unique_ptr<TFilesItem> item = TFilesItem::Create(path);
        LogSpace(log, *item);
        if (load && !load(path, *item)) {
            Forget(scene, *item);
            continue;
        }
        if (added == 0) state.Undo.Record(-TUndoBuffer::kindFileAdd);
        scene.AddFile(std::move(item));
        ++added;
    }
    scene.Saved = false;
    return added;
}

} // namespace

int AddSounds(TEditorState& state, TDialogs& dialogs, TErrorLog& log) {
    const auto paths = ChooseResources(dialogs, QCoreApplication::translate("LayerOps", "Hangfájl hozzáadás"),
                                       QStringLiteral("*.wav|*.wav"));
    if (!paths) return 0;
    return AddSoundFiles(state, dialogs, log, *paths);
}

int AddSoundFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const QStringList& paths) {
    TScene& scene = state.Scene;
    return AddResourceFiles(state, dialogs, log, paths, [&](const QString& path, TFilesItem& item) {
        if (SceneSounds(scene).Load(path, item.Sound)) return true;
        dialogs.Message(
            QCoreApplication::translate("LayerOps", "Nem megfelelő a Wav formátuma!%1").arg(path));
        return false;
    });
}

int AddParticles(TEditorState& state, TDialogs& dialogs, TErrorLog& log) {
    const auto paths =
        ChooseResources(dialogs, QCoreApplication::translate("LayerOps", "Particle hozzáadása"),
                        QStringLiteral("*.PAR|*.PAR"));
    if (!paths) return 0;
    return AddParticleFiles(state, dialogs, log, *paths);
}

int AddParticleFiles(TEditorState& state, TDialogs& dialogs, TErrorLog& log, const QStringList& paths) {
    return AddResourceFiles(state, dialogs, log, paths, {});
}

int CloneLayers(TEditorState& state, TDialogs& dialogs, const std::vector<TLayerRow>& selected,
                bool withAnimations) {
    TScene& scene = state.Scene;
    if (selected.empty()) return 0;
    int clones = 0;
    for (const auto& [name, layer] : scene.Layers)
        if (layer->Selected) ++clones;
    CheckRoomForFiles(scene, 0, clones);
    int newGroup = 0;
    if (selected.front().IsGroup()) {
        const int source = selected.front().Group;
        if (source < 0 || source >= scene.Groups.size()) return 0;
        if (scene.Groups.size() >= MaxGroups) {
            dialogs.Message(QCoreApplication::translate(
                "LayerOps", "Legfeljebb 256 csoport lehet, új csoport nem hozható létre!"));
            return 0;
        }
        state.Undo.Record(-TUndoBuffer::kindLayerClone);
        scene.Groups << scene.Groups[source] + QCoreApplication::translate("LayerOps", " másolat");
        newGroup = static_cast<int>(scene.Groups.size());
        TGroupState& record = scene.GroupStates[static_cast<size_t>(newGroup - 1)];
        record.Open = 1;
        record.Shown = 1;
    }
    TImagesItem* last = nullptr;
    int made = 0;
    TUniqueNames names(scene.Layers);
    for (int i = 0; i < scene.Layers.Count(); ++i) {
        const TImagesItem& s = *scene.Layers.At(i);
        if (!s.Selected) continue;
        if (made == 0 && newGroup == 0) state.Undo.Record(-TUndoBuffer::kindLayerClone);
        auto clone = std::make_unique<TImagesItem>(s.FileItem);
        clone->Name = names.Make(TScene::LayerBaseName(s.FileItem ? s.FileItem->Name : QString()));
        names.Add(clone->Name);
        clone->Top = s.Top;
        clone->Left = s.Left;
        clone->Width = s.Width;
        clone->Height = s.Height;
        clone->Alpha = s.Alpha;
        clone->Angle = s.Angle;
        clone->OrigoX = s.OrigoX;
        clone->OrigoY = s.OrigoY;
        clone->Visible = s.Visible;
        clone->PlayAnim = s.PlayAnim;
        clone->Group = newGroup ? newGroup : s.Group;
        clone->TouchLeft = s.TouchLeft;
        clone->TouchTop = s.TouchTop;
        clone->TouchWidth = s.TouchWidth;
        clone->TouchHeight = s.TouchHeight;
        clone->ItemColor = s.ItemColor;
        if (withAnimations)
            for (int t = 1; t <= 12; ++t) {
                const TCommands& from = s.TrackByNumber(t);
                TCommands& to = clone->TrackByNumber(t);
                for (int c = 0; c < from.Count(); ++c)
                    to.Add(from.Name(c), from.Item(c)->Clone());
            }
        clone->SelectAnimation(TImagesItem::animBase);
        clone->SaveState(); // its start state is where it was made
        const QString key = clone->Name;
        last = scene.Layers.Insert(i + 1, key, std::move(clone));
        ++i; // the clone is not selected: step over it
        ++made;
    }
    if (last) MakeOnlySelected(scene, last);
    scene.Saved = false;
    return made;
}

bool ParamNamesLayer(const QString& param, const QString& name) {
    if (param.size() <= name.size()) return param == name;
    // A reference inside a function needs its ";" (the cheap test first).
    if (!param.contains(QLatin1Char(';'))) return false;
    const qsizetype at = param.indexOf(name);
    if (at < 0) return false;
    // Every place the name stands, each checked for the ";" after it.
    for (qsizetype i = at; i >= 0; i = param.indexOf(name, i + 1))
        if (i + name.size() < param.size() && param[i + name.size()] == QLatin1Char(';')) return true;
    return false;
}

int DeleteCommandsNaming(TScene& scene, const QString& name) {
    int removed = 0;
    for (const auto& [layerName, layer] : scene.Layers)
        for (int t = 1; t <= 12; ++t) {
            TCommands& track = layer->TrackByNumber(t);
            for (int c = track.Count() - 1; c >= 0; --c) {
                const TCommandItem* cmd = track.Item(c);
                if (ParamNamesLayer(cmd->sParam1(), name) || ParamNamesLayer(cmd->sParam2(), name) ||
                    ParamNamesLayer(cmd->sParam3(), name)) {
                    // A running track keeps pointing at the command it runs.
                    if (track.Current > c)
                        --track.Current;
                    else if (track.Current == c)
                        track.Current = -1;
                    track.Delete(c);
                    ++removed;
                }
            }
        }
    return removed;
}

namespace {

// A command of a layer that stays whose parameters name a layer that goes.
struct TNamingHit {
    TCommands* Track;
    int Index;
    const TCommandItem* Command;
    int Name; // the first of the names it names: the delete that takes it
};

QStringList SelectedNames(const TScene& scene) {
    QStringList names;
    for (const auto& [name, layer] : scene.Layers)
        if (layer->Selected) names << layer->Name;
    return names;
}

// One pass over the parameters of the layers that stay (the selected layers'
// own tracks go with them anyway), in track order.
std::vector<TNamingHit> CommandsNaming(const TScene& scene, const QStringList& names) {
    std::vector<TNamingHit> hits;
    if (names.isEmpty()) return hits;
    for (const auto& [layerName, layer] : scene.Layers) {
        if (layer->Selected) continue;
        for (int t = 1; t <= 12; ++t) {
            TCommands& track = layer->TrackByNumber(t);
            for (int c = 0; c < track.Count(); ++c) {
                const TCommandItem& cmd = *track.Item(c);
                for (int n = 0; n < names.size(); ++n)
                    if (ParamNamesLayer(cmd.sParam1(), names[n]) ||
                        ParamNamesLayer(cmd.sParam2(), names[n]) ||
                        ParamNamesLayer(cmd.sParam3(), names[n])) {
                        hits.push_back({&track, c, &cmd, n});
                        break;
                    }
            }
        }
    }
    return hits;
}

QString DeleteQuestion(const TScene& scene, size_t going) {
    if (going == 0) return QCoreApplication::translate("LayerOps", "Biztos törli?");
    int layers = 0;
    for (const auto& [name, layer] : scene.Layers)
        if (layer->Selected) ++layers;
    // The whole question in one text per case, so that a language can word each its own way.
    return (layers > 1
                ? QCoreApplication::translate("LayerOps", "Biztos törli?\n\nMás rétegek %1 parancsa is "
                                                          "törlődik, mert a törölt rétegekre hivatkozik.")
                : QCoreApplication::translate("LayerOps", "Biztos törli?\n\nMás rétegek %1 parancsa is "
                                                          "törlődik, mert a törölt rétegre hivatkozik."))
        .arg(going);
}

} // namespace

int CommandsGoingWithSelected(const TScene& scene) {
    return static_cast<int>(CommandsNaming(scene, SelectedNames(scene)).size());
}

QString DeleteQuestion(const TScene& scene) {
    return DeleteQuestion(scene, CommandsGoingWithSelected(scene));
}

bool DeleteSelected(TEditorState& state, TDialogs& dialogs, TErrorLog& log,
                    const std::vector<TLayerRow>& selected) {
    TScene& scene = state.Scene;
    if (scene.Layers.IsEmpty()) return false;
    // The question's count and the delete share one pass over the parameters.
    const QStringList names = SelectedNames(scene);
    const std::vector<TNamingHit> hits = CommandsNaming(scene, names);
    if (!dialogs.AskYesNo(QCoreApplication::translate("LayerOps", "Törlés"),
                          DeleteQuestion(scene, hits.size())))
        return false;
    // Only groups going, their members staying, is the dissolve of those groups.
    bool layers = false;
    for (const auto& [name, layer] : scene.Layers)
        layers = layers || layer->Selected;
    state.Undo.Record(layers ? -TUndoBuffer::kindLayerDelete : -TUndoBuffer::kindGroupDissolve);
    for (const auto& [name, layer] : scene.Layers)
        if (layer->Selected)
            for (int t = 1; t <= 12; ++t)
                layer->TrackByNumber(t).Clear();
    // Groups, the last first so that the earlier positions stay valid.
    std::vector<int> groups;
    for (const TLayerRow& r : selected)
        if (r.IsGroup() && r.Group >= 0 && r.Group < scene.Groups.size()) groups.push_back(r.Group);
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
        const int g = *it + 1;
        for (const auto& [name, layer] : scene.Layers) {
            if (layer->Group == g)
                layer->Group = 0;
            else if (layer->Group > g)
                --layer->Group;
        }
        scene.Groups.removeAt(*it);
        for (size_t k = static_cast<size_t>(*it); k + 1 < scene.GroupStates.size(); ++k)
            scene.GroupStates[k] = scene.GroupStates[k + 1];
        scene.GroupStates.back() = TGroupState{};
    }
    // The commands naming the layers, the last first so that the earlier
    // positions in each track stay valid.
    std::vector<int> removedNaming(static_cast<size_t>(names.size()), 0);
    bool stale = false;
    for (auto it = hits.rbegin(); it != hits.rend(); ++it) {
        TCommands& track = *it->Track;
        if (it->Index >= track.Count() || track.Item(it->Index) != it->Command) {
            stale = true; // the tracks changed under the question: counted anew below
            continue;
        }
        // A running track keeps pointing at the command it runs.
        if (track.Current > it->Index)
            --track.Current;
        else if (track.Current == it->Index)
            track.Current = -1;
        track.Delete(it->Index);
        ++removedNaming[static_cast<size_t>(it->Name)];
    }
    for (int i = 0; i < scene.Layers.Count();) {
        TImagesItem* x = scene.Layers.At(i);
        if (!x->Selected) {
            ++i;
            continue;
        }
        const QString name = x->Name;
        const qsizetype n = names.indexOf(name);
        int removed = n >= 0 ? removedNaming[static_cast<size_t>(n)] : 0;
        if (stale || n < 0) removed += DeleteCommandsNaming(scene, name);
        log.Add(QCoreApplication::translate("LayerOps",
                                            "%1 réteg törölve; a rá hivatkozó parancsok közül törölve: %2")
                    .arg(name, QString::number(removed)));
        TFilesItem* file = x->FileItem;
        if (scene.CurrentLayer == x) scene.CurrentLayer = nullptr;
        scene.Layers.Delete(scene.Layers.IndexOf(x));
        if (file) {
            // Only a file no layer shows any more needs the scan of the parameters.
            int uses = 0;
            for (const auto& [layerName, layer] : scene.Layers)
                if (layer->FileItem == file) ++uses;
            file->UseCount = uses;
            if (uses < 1 && scene.CountFileReferences(*file) == 0) {
                Forget(scene, *file);
                scene.Files.Delete(scene.Files.IndexOf(file));
            }
        }
    }
    SelectNoLayer(scene);
    scene.SelectedCount = 0;
    scene.CurrentLayer = nullptr;
    scene.Saved = false;
    return true;
}

std::optional<int> MoveSelected(TEditorState& state, bool up, bool shift, const std::vector<TLayerRow>& selected) {
    TScene& scene = state.Scene;
    if (selected.empty()) return std::nullopt;
    // A step only when something moves: some layer is selected, and not the
    // one at the end it would move past.
    bool any = false;
    for (const auto& [name, layer] : scene.Layers)
        any = any || layer->Selected;
    const int ends = up ? scene.Layers.Count() - 1 : 0;
    if (any && !scene.Layers.At(ends)->Selected) state.Undo.Record(TUndoBuffer::kindLayerOrder);
    const int steps = shift ? 10 : 1;
    TRegistry<TImagesItem>& layers = scene.Layers;
    for (int step = 0; step < steps; ++step) {
        const int count = layers.Count();
        if (count == 0) break;
        if (up) {
            if (layers.At(count - 1)->Selected) break;
            for (int p = count - 2; p >= 0; --p) {
                TImagesItem* l = layers.At(p);
                if (!l->Selected) continue;
                const TImagesItem* a = layers.At(p + 1);
                const int to = a->Group == 0 || a->Group == l->Group
                                   ? p + 1
                                   : std::min(p + Members(scene, a->Group), count - 1);
                layers.Move(p, to);
            }
        } else {
            if (layers.At(0)->Selected) break;
            for (int p = 1; p < count; ++p) {
                TImagesItem* l = layers.At(p);
                if (!l->Selected) continue;
                const TImagesItem* b = layers.At(p - 1);
                const int to =
                    b->Group == 0 || b->Group == l->Group ? p - 1 : std::max(p - Members(scene, b->Group), 0);
                layers.Move(p, to);
            }
        }
    }
    scene.Saved = false;
    if (selected.front().IsGroup()) return selected.front().Group;
    return std::nullopt;
}

bool DeleteFile(TEditorState& state, TDialogs& dialogs, int fileIndex) {
    TScene& scene = state.Scene;
    if (fileIndex < 0 || fileIndex >= scene.Files.Count()) return false;
    if (!dialogs.AskYesNo(QCoreApplication::translate("LayerOps", "Törlés"),
                          QCoreApplication::translate("LayerOps", "Biztos törli?")))
        return false;
    TFilesItem& file = *scene.Files.At(fileIndex);
    if (file.Kind == TFilesItem::kindPicture) {
        dialogs.Message(QCoreApplication::translate("LayerOps", "Kép fájl nem törölhető!"));
        return false;
    }
    if (scene.CountFileReferences(file) > 0) {
        dialogs.Message(
            QCoreApplication::translate("LayerOps", "A fájlt használja egy animáció így nem törölhető!"));
        return false;
    }
    // A layer may show a file of any kind (a project says which); its file stays.
    if (file.UseCount > 0) {
        dialogs.Message(
            QCoreApplication::translate("LayerOps", "A fájlt egy réteg használja, így nem törölhető!"));
        return false;
    }
    state.Undo.Record(-TUndoBuffer::kindFileDelete);
    Forget(scene, file);
    scene.Files.Delete(fileIndex);
    scene.Saved = false;
    return true;
}

} // namespace velkon
