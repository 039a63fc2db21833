#include "edit/layerlist.h"

#include "edit/editorstate.h"
#include "edit/linebreaks.h"
#include "engine/params.h"
#include "model/dialogs.h"
#include "model/picture.h"
#include "model/scene.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace velkon {

namespace {

// A layer's Group as an index of the group state table, or -1 when it names
// no existing group.
int GroupIndex(const TScene& scene, int group) {
    if (group < 1 || group > scene.Groups.size() || group > MaxGroups) return -1;
    return group - 1;
}

void ForMembers(TScene& scene, int group, const std::function<void(TImagesItem&)>& fn) {
    for (int i = 0; i < scene.Layers.Count(); ++i)
        if (scene.Layers.At(i)->Group == group + 1) fn(*scene.Layers.At(i));
}

// How many parameters of all tracks equal each of the names, exactly.
std::vector<int> CountNames(const TScene& scene, const QStringList& names) {
    std::vector<int> counts(static_cast<size_t>(names.size()), 0);
    QHash<QString, int> index;
    index.reserve(names.size());
    qsizetype longest = 0;
    for (int i = names.size() - 1; i >= 0; --i) {
        index.insert(names[i], i); // the first of equal names counts
        longest = std::max(longest, names[i].size());
    }
    // Unique names: one lookup per parameter.
    const bool unique = index.size() == names.size();
    for (const auto& [layerName, layer] : scene.Layers)
        for (int t = 1; t <= 12; ++t) {
            const TCommands& track = layer->TrackByNumber(t);
            for (int c = 0; c < track.Count(); ++c)
                for (int p = 1; p <= 3; ++p) {
                    const QString& param = track.Item(c)->Param(p);
                    if (param.isEmpty() || param.size() > longest) continue;
                    const auto it = index.constFind(param);
                    if (it == index.constEnd()) continue;
                    if (unique) {
                        ++counts[static_cast<size_t>(it.value())];
                        continue;
                    }
                    // Equal names share the count, as counting them one by one would.
                    for (int i = 0; i < names.size(); ++i)
                        if (i == it.value() || names[i] == param) ++counts[static_cast<size_t>(i)];
                }
        }
    return counts;
}

} // namespace

std::vector<int> CountAllLayerReferences(const TScene& scene) {
    QStringList names;
    names.reserve(scene.Layers.Count());
    for (const auto& [name, layer] : scene.Layers)
        names << layer->Name;
    return CountNames(scene, names);
}

std::vector<TLayerRow> RefreshList(TScene& scene) {
    std::vector<TLayerRow> rows;
    rows.reserve(static_cast<size_t>(scene.Layers.Count() + scene.Groups.size()));
    const int groupCount = static_cast<int>(std::min<qsizetype>(scene.Groups.size(), MaxGroups));
    for (int g = 0; g < groupCount; ++g) {
        scene.GroupStates[static_cast<size_t>(g)].MemberCount = 0;
        scene.GroupStates[static_cast<size_t>(g)].HeaderRow = -1;
    }
    QSet<QString> parents;
    for (int i = scene.Layers.Count() - 1; i >= 0; --i) {
        const TImagesItem& l = *scene.Layers.At(i);
        if (!l.Parent.isEmpty()) parents.insert(l.Parent.toCaseFolded());
        if (const int g = GroupIndex(scene, l.Group); g >= 0)
            ++scene.GroupStates[static_cast<size_t>(g)].MemberCount;
    }
    for (int g = 0; g < groupCount; ++g)
        if (scene.GroupStates[static_cast<size_t>(g)].MemberCount == 0) rows.push_back(TLayerRow{g, nullptr});

    for (int i = scene.Layers.Count() - 1; i >= 0; --i) {
        TImagesItem* l = scene.Layers.At(i);
        const int g = GroupIndex(scene, l->Group);
        if (g >= 0 && scene.GroupStates[static_cast<size_t>(g)].HeaderRow == -1) {
            TGroupState& state = scene.GroupStates[static_cast<size_t>(g)];
            if (l->Selected) state.Open = 1;
            state.HeaderRow = static_cast<int32_t>(rows.size());
            rows.push_back(TLayerRow{g, nullptr});
            // Members gather directly below their topmost member, in their order.
            int e = i;
            for (int j = i; j >= 0; --j) {
                TImagesItem* m = scene.Layers.At(j);
                if (m->Group != l->Group) continue;
                if (m->Selected) state.Open = 1;
                if (j != e) scene.Layers.Move(j, e);
                --e;
            }
        }
        if (g < 0 || scene.GroupStates[static_cast<size_t>(g)].Open) {
            const bool isParent = parents.contains(l->Name.toCaseFolded());
            const bool hasParent = !l->Parent.isEmpty();
            l->ListState = (isParent ? 1 : 0) + (hasParent ? 2 : 0);
            rows.push_back(TLayerRow{-1, l, l->Selected});
        }
    }
    // Usage counts of the listed layers.
    bool anyLayer = false;
    for (const TLayerRow& r : rows)
        anyLayer = anyLayer || r.Layer;
    if (anyLayer) {
        const std::vector<int> counts = CountAllLayerReferences(scene);
        QHash<const TImagesItem*, int> at;
        at.reserve(scene.Layers.Count());
        for (int i = 0; i < scene.Layers.Count(); ++i)
            at.insert(scene.Layers.At(i), counts[static_cast<size_t>(i)]);
        for (TLayerRow& r : rows)
            if (r.Layer) r.Usage = at.value(r.Layer);
    }
    return rows;
}

QString LayerRowText(const TScene& scene, const TLayerRow& row, int column) {
    if (row.IsGroup()) {
        if (row.Group < 0 || row.Group >= scene.Groups.size()) return {};
        const int members =
            row.Group < MaxGroups ? scene.GroupStates[static_cast<size_t>(row.Group)].MemberCount : 0;
        switch (column) {
        case colName:
            return scene.Groups[row.Group];
        case colFileName:
            return members > 0 ? QCoreApplication::translate("LayerList", "%1 elem").arg(members) : QString();
        default:
            return {};
        }
    }
    const TImagesItem& l = *row.Layer;
    const TPicture* picture = l.FileItem && l.FileItem->Image ? l.FileItem->Image.get() : nullptr;
    switch (column) {
    case colName:
        return GroupIndex(scene, l.Group) >= 0 ? QStringLiteral("     ") + l.Name : l.Name;
    case colStatus:
        return l.Locked ? QStringLiteral("X") : QString();
    case colFileName:
        return l.FileItem ? l.FileItem->Name : QString();
    case colWidth:
        return QString::number(picture ? picture->Width : 0);
    case colHeight:
        return QString::number(picture ? picture->Height : 0);
    case colUsage:
        return QString::number(row.Usage);
    default:
        return {};
    }
}

std::vector<TFileRow> RefreshFileList(TScene& scene) {
    std::vector<TFileRow> rows;
    QStringList names;
    for (int i = 0; i < scene.Files.Count(); ++i)
        names << scene.Files.At(i)->Name;
    const std::vector<int> counts = CountNames(scene, names);
    QHash<const TFilesItem*, int> uses;
    for (const auto& [name, layer] : scene.Layers)
        if (layer->FileItem) ++uses[layer->FileItem];
    for (int i = 0; i < scene.Files.Count(); ++i) {
        scene.Files.At(i)->UseCount = uses.value(scene.Files.At(i));
        rows.push_back(TFileRow{i, counts[static_cast<size_t>(i)]});
    }
    return rows;
}

QString FileRowText(const TScene& scene, const TFileRow& row, int column) {
    if (row.File < 0 || row.File >= scene.Files.Count()) return {};
    const TFilesItem& f = *scene.Files.At(row.File);
    switch (column) {
    case 0:
        return f.Name;
    case 1:
        return f.Path;
    case 2:
        return QString::number(f.UseCount);
    case 3:
        return QString::number(row.Usage);
    default:
        return {};
    }
}

void SelectFromRows(TScene& scene, const std::vector<TLayerRow>& selected) {
    for (const auto& [name, layer] : scene.Layers)
        layer->Selected = false;
    for (TGroupState& group : scene.GroupStates)
        group.Selected = 0;
    scene.SelectedCount = 0;
    scene.CurrentLayer = nullptr;
    for (const TLayerRow& r : selected) {
        if (r.Layer) {
            if (scene.Layers.IndexOf(r.Layer) < 0) continue; // a row left over from a removed layer
            r.Layer->Selected = true;
            ++scene.SelectedCount;
        } else {
            if (r.Group < 0 || r.Group >= scene.Groups.size() || r.Group >= MaxGroups) continue;
            scene.GroupStates[static_cast<size_t>(r.Group)].Selected = 1;
            ForMembers(scene, r.Group, [&](TImagesItem& m) {
                m.Selected = true;
                ++scene.SelectedCount;
            });
        }
    }
    if (selected.size() == 1 && selected.front().Layer && selected.front().Layer->Selected)
        scene.CurrentLayer = selected.front().Layer;
}

bool RowSelected(const TScene& scene, const TLayerRow& row) {
    if (row.Layer) return row.Layer->Selected;
    return row.Group >= 0 && row.Group < scene.Groups.size() && row.Group < MaxGroups &&
           scene.GroupStates[static_cast<size_t>(row.Group)].Selected;
}

int SelectedGroupOnly(const std::vector<TLayerRow>& selected) {
    if (selected.empty() || !selected.front().IsGroup()) return -1;
    const int group = selected.front().Group;
    for (size_t i = 1; i < selected.size(); ++i)
        if (selected[i].IsGroup() || selected[i].Layer->Group != group + 1) return -1;
    return group;
}

bool GroupRowClick(TEditorState& editor, TDialogs& dialogs, int group, bool inStatus, int statusX,
                   bool onIcon) {
    TScene& scene = editor.Scene;
    if (group < 0 || group >= scene.Groups.size() || group >= MaxGroups) return false;
    TGroupState& state = scene.GroupStates[static_cast<size_t>(group)];
    bool changed = false;
    if (inStatus && statusX < 18) {
        state.Open = state.Open ? 0 : 1;
        changed = true;
    }
    if (inStatus && statusX > 34) {
        editor.Undo.Record(-TUndoBuffer::kindShown);
        state.Shown = state.Shown ? 0 : 1;
    }
    if (onIcon) {
        const auto name =
            dialogs.InputText(QCoreApplication::translate("LayerList", "Csoport név változtatása"),
                              QCoreApplication::translate("LayerList", "Új név"), scene.Groups[group]);
        // A name the project file cannot store on its line is refused.
        if (name && !StoredNameProblem(*name).isEmpty()) {
            dialogs.Message(StoredNameProblem(*name));
        } else if (name) {
            editor.Undo.Record(-TUndoBuffer::kindGroupRename);
            scene.Groups[group] = *name;
            changed = true;
        }
    }
    if (inStatus && statusX > 18 && statusX < 34) {
        editor.Undo.Record(-TUndoBuffer::kindLock);
        state.Locked = state.Locked ? 0 : 1;
        ForMembers(scene, group, [&](TImagesItem& m) { m.Locked = state.Locked != 0; });
        changed = true;
    }
    if (inStatus && statusX > 34) {
        ForMembers(scene, group, [&](TImagesItem& m) { m.Shown = state.Shown != 0; });
        changed = true;
    }
    return changed;
}

TRowToggle StartRowToggle(TEditorState& state, TLayerRow row, bool onStateIcon, bool inStatus, int statusX) {
    if (!row.Layer) return {};
    TImagesItem& l = *row.Layer;
    if (onStateIcon) {
        state.Undo.Record(-TUndoBuffer::kindVisibility);
        l.Visible = !l.Visible;
        return {TRowToggle::visibility, l.Visible};
    }
    if (inStatus && statusX < 34) {
        state.Undo.Record(-TUndoBuffer::kindLock);
        l.Locked = !l.Locked;
        return {TRowToggle::lock, l.Locked};
    }
    if (inStatus) {
        state.Undo.Record(-TUndoBuffer::kindShown);
        l.Shown = !l.Shown;
        return {TRowToggle::shown, l.Shown};
    }
    return {};
}

bool PaintRowToggle(TScene& scene, TLayerRow row, TRowToggle toggle) {
    if (row.Layer) {
        bool& field = toggle.Kind == TRowToggle::visibility ? row.Layer->Visible
                      : toggle.Kind == TRowToggle::lock     ? row.Layer->Locked
                                                            : row.Layer->Shown;
        if (toggle.Kind == TRowToggle::none || field == toggle.Value) return false;
        field = toggle.Value;
        return true;
    }
    if (row.Group < 0 || row.Group >= scene.Groups.size() || row.Group >= MaxGroups) return false;
    TGroupState& state = scene.GroupStates[static_cast<size_t>(row.Group)];
    if (toggle.Kind == TRowToggle::lock) {
        state.Locked = toggle.Value ? 1 : 0;
        ForMembers(scene, row.Group, [&](TImagesItem& m) { m.Locked = toggle.Value; });
        return true;
    }
    if (toggle.Kind == TRowToggle::shown) {
        state.Shown = toggle.Value ? 1 : 0;
        ForMembers(scene, row.Group, [&](TImagesItem& m) { m.Shown = toggle.Value; });
        return true;
    }
    return false;
}

void StatusHeaderClick(TEditorState& state, bool& headerFlag) {
    state.Undo.Record(-TUndoBuffer::kindLock);
    headerFlag = !headerFlag;
    for (const auto& [name, layer] : state.Scene.Layers)
        layer->Locked = headerFlag;
}

bool LockAllButCurrent(TEditorState& state) {
    TScene& scene = state.Scene;
    if (scene.SelectedCount != 1 || !scene.CurrentLayer) return false;
    state.Undo.Record(-TUndoBuffer::kindLock);
    for (const auto& [name, layer] : scene.Layers)
        layer->Locked = true;
    scene.CurrentLayer->Locked = false;
    return true;
}

bool BatchRename(TEditorState& state, TDialogs& dialogs) {
    TScene& scene = state.Scene;
    const auto answer =
        dialogs.InputText(QCoreApplication::translate("LayerList", "Csoportos átnevezés"),
                          QCoreApplication::translate("LayerList", "Mennyi karaktert vágjak le az elejéből?"),
                          QStringLiteral("7"));
    if (!answer) return false;
    const int cut = std::max(0, ToInt(answer->trimmed()));
    state.Undo.Record(-TUndoBuffer::kindRename);
    for (int i = scene.Layers.Count() - 1; i >= 0; --i) {
        TImagesItem& l = *scene.Layers.At(i);
        if (!l.Selected) continue;
        QString name = l.Name.mid(cut, 200);
        if (scene.Layers.Find(name)) {
            int k = 1;
            while (scene.Layers.Find(name + QString::number(k)))
                ++k;
            name += QString::number(k);
        }
        scene.Layers.Rename(i, name);
        l.Name = name;
    }
    scene.Saved = false;
    return true;
}

bool CreateGroup(TEditorState& state, TDialogs& dialogs, const std::vector<TLayerRow>& selected) {
    TScene& scene = state.Scene;
    if (scene.Groups.size() >= MaxGroups) {
        dialogs.Message(QCoreApplication::translate(
            "LayerList", "Legfeljebb 256 csoport lehet, új csoport nem hozható létre!"));
        return false;
    }
    const auto answer = dialogs.InputText(QCoreApplication::translate("LayerList", "Csoport név"),
                                          QCoreApplication::translate("LayerList", "Új név"),
                                          QCoreApplication::translate("LayerList", "Új csoport"));
    const QString name = answer.value_or(QCoreApplication::translate("LayerList", "Új csoport"));
    // A name the project file cannot store on its line is refused before anything changes.
    if (const QString problem = StoredNameProblem(name); !problem.isEmpty()) {
        dialogs.Message(problem);
        return false;
    }
    state.Undo.Record(-TUndoBuffer::kindGroupCreate);
    scene.Groups << name;
    const int g = static_cast<int>(scene.Groups.size());
    TGroupState& record = scene.GroupStates[static_cast<size_t>(g - 1)];
    record.Open = 1;
    record.Shown = 1;
    record.Locked = 0;
    record.Selected = 0;
    for (const TLayerRow& r : selected)
        if (r.Layer) r.Layer->Group = g;
    scene.Saved = false;
    return true;
}

void OpenAllGroups(TScene& scene, bool open) {
    for (TGroupState& s : scene.GroupStates)
        s.Open = open ? 1 : 0;
}

bool ParentChainContains(const TScene& scene, const TImagesItem& target, const QString& name) {
    const TImagesItem* at = &target;
    QSet<const TImagesItem*> seen{at};
    while (!at->Parent.isEmpty()) {
        // Parent names are looked up ignoring case: "A" is the parent a layer named "a" gets.
        if (at->Parent.compare(name, Qt::CaseInsensitive) == 0) return true;
        const TImagesItem* next = scene.Layers.Find(at->Parent);
        if (!next || seen.contains(next)) return false; // a broken or looping chain ends here
        seen.insert(next);
        at = next;
    }
    return false;
}

void DropRows(TEditorState& state, TDialogs& dialogs, const std::vector<TLayerRow>& selected,
              std::optional<TLayerRow> target) {
    TScene& scene = state.Scene;
    state.Undo.Record(-TUndoBuffer::kindParentByMouse);
    for (const TLayerRow& r : selected) {
        TImagesItem* d = r.Layer;
        if (!d || scene.Layers.IndexOf(d) < 0) continue;
        if (!target) {
            d->Group = 0;
        } else if (target->IsGroup()) {
            d->Group = target->Group + 1;
        } else if (target->Layer == d || target->Layer->Name.compare(d->Name, Qt::CaseInsensitive) == 0) {
            d->Parent.clear();
        } else if (ParentChainContains(scene, *target->Layer, d->Name)) {
            dialogs.Message(QCoreApplication::translate(
                "LayerList", "Hibás szülő kiválasztás, körkörös hiívatkozás lenne!"));
        } else {
            d->Parent = target->Layer->Name;
        }
    }
    scene.Saved = false;
}

void SetRowsColor(TEditorState& state, const std::vector<TLayerRow>& selected, uint32_t color) {
    bool recorded = false;
    for (const TLayerRow& r : selected) {
        if (!r.Layer) continue;
        if (!recorded) state.Undo.Record(-TUndoBuffer::kindColor);
        recorded = true;
        r.Layer->ItemColor = color;
    }
}

void SetSelectedVisible(TEditorState& state, bool visible) {
    TScene& scene = state.Scene;
    state.Undo.Record(-TUndoBuffer::kindVisibility);
    for (const auto& [name, layer] : scene.Layers)
        if (layer->Selected) layer->Visible = visible;
    scene.Saved = false;
}

} // namespace velkon
