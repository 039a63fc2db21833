#include "edit/import.h"

#include "edit/editorstate.h"
#include "edit/layerops.h"
#include "edit/listroom.h"
#include "model/commanddesc.h"
#include "model/dialogs.h"
#include "model/errorlog.h"
#include "model/scene.h"
#include "model/uniquenames.h"
#include "project/inifile.h"
#include "project/projectfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

namespace velkon {

namespace {
constexpr int MaxImportEntries = 10000;
}

QStringList ImportLayerNames(const TIniFile& ini) {
    QStringList names;
    for (int n = 1; n <= MaxImportEntries; ++n) {
        const int section = ini.FindSection(QStringLiteral("Image%1").arg(n));
        if (section < 0 || !ini.KeyExists(section, u"Name")) break;
        names << ini.ReadString(section, u"Name", QString());
    }
    return names;
}

int ImportLayers(TScene& scene, TDialogs& dialogs, TErrorLog& log, const QString& projectPath,
                 const TIniFile& ini, const std::vector<int>& entries) {
    const QString dir = QFileInfo(projectPath).absolutePath();
    int count = 0;
    for (const int entry : entries)
        if (entry >= 0 && entry < MaxImportEntries) ++count;
    CheckListRoom(scene.Files.Count(), count, QCoreApplication::translate("Import", "A fájlok listája"));
    CheckListRoom(scene.Layers.Count(), count, QCoreApplication::translate("Import", "A rétegek listája"));
    // The imported pictures share the project's picture budget with those it
    // already holds, and each distinct file is decoded once.
    TPictureCache pictures(MaxPictureMemory - scene.PictureMemory());
    TUniqueNames names(scene.Layers);
    int added = 0;
    for (const int entry : entries) {
        if (entry < 0 || entry >= MaxImportEntries) continue;
        const int n = entry + 1;
        const int section = ini.FindSection(QStringLiteral("Image%1").arg(n));
        const QString fileName = ini.ReadString(section, u"FileName", QString());
        // Only files inside the imported project's folder are read.
        if (!IsPlainFileName(fileName)) {
            log.Add(QCoreApplication::translate("Import", "Hibás fájl név: %1").arg(fileName));
            continue;
        }
        TFilesItem* file = scene.Files.Find(fileName);
        if (file) {
            dialogs.Message(QCoreApplication::translate(
                                "Import", "%1 fájl már megtalálható a projectben, ezért azt fogja használni!")
                                .arg(fileName));
        } else {
            const QString path = dir + QLatin1Char('/') + fileName;
            std::unique_ptr<TFilesItem> item = TFilesItem::Create(path, pictures);
            // A missing picture gives a layer with an empty picture; one that is
            // there but cannot be shown is told as add-picture tells it.
            if (item->Kind != TFilesItem::kindPicture ||
                (item->Image && item->Image->Status != TPicture::stLoaded &&
                 item->Image->Status != TPicture::stMissing))
                dialogs.Message(NotAPictureMessage(*item, path));
            file = scene.AddFile(std::move(item));
        }
        auto layer = std::make_unique<TImagesItem>(file);
        const QString unique = names.Make(TScene::LayerBaseName(file->Name));
        layer->Name = ini.ReadString(section, u"Name", QStringLiteral("unnamed"));
        if (names.Contains(layer->Name)) {
            dialogs.Message(
                QCoreApplication::translate(
                    "Import",
                    "%1 nevű objektum már megtalálható a projectben, ezért új ezt az új nevet kapja:%2")
                    .arg(layer->Name, unique));
            layer->Name = unique;
        }
        layer->Top = ini.ReadInteger(section, u"Top", 0);
        layer->Left = ini.ReadInteger(section, u"Left", 0);
        layer->Width = ini.ReadInteger(section, u"Width", 0);
        layer->Height = ini.ReadInteger(section, u"Height", 0);
        layer->Alpha = ini.ReadInteger(section, u"Alpha", 255);
        layer->Angle = ini.ReadInteger(section, u"Angle", 0);
        layer->OrigoX = ini.ReadInteger(section, u"OrigoX", 0);
        layer->OrigoY = ini.ReadInteger(section, u"OrigoY", 0);
        layer->TouchTop = ini.ReadInteger(section, u"TouchTop", 0);
        layer->TouchLeft = ini.ReadInteger(section, u"TouchLeft", 0);
        layer->TouchWidth =
            ini.ReadInteger(section, u"TouchWidth", static_cast<int>(std::nearbyint(layer->Width)));
        layer->TouchHeight =
            ini.ReadInteger(section, u"TouchHeight", static_cast<int>(std::nearbyint(layer->Height)));
        layer->Visible = ini.ReadInteger(section, u"Visible", 1) != 0;
        layer->PlayAnim = ini.ReadInteger(section, u"PlayAnim", 3);
        layer->Parent = ini.ReadString(section, u"Parent", QString());
        const QString key = layer->Name;
        names.Add(key);
        TImagesItem* added_layer = scene.Layers.Add(key, std::move(layer));
        for (int t = 1; t <= 12; ++t) {
            TCommands& track = added_layer->TrackByNumber(t);
            for (int c = 1; c <= MaxImportEntries; ++c) {
                const int cs = ini.FindSection(QStringLiteral("Image%1_Command%2_%3").arg(n).arg(t).arg(c));
                if (cs < 0 || !ini.KeyExists(cs, u"Command")) break;
                auto cmd = std::make_unique<TCommandItem>();
                cmd->SetCommand(ini.ReadInteger(cs, u"Command", 0));
                cmd->SetParam(1, ini.ReadString(cs, u"sParam1", QString()));
                cmd->SetParam(2, ini.ReadString(cs, u"sParam2", QString()));
                cmd->SetParam(3, ini.ReadString(cs, u"sParam3", QString()));
                const QString name = CommandName(cmd->Command());
                track.Add(name, std::move(cmd));
            }
        }
        added_layer->SelectAnimation(TImagesItem::animBase);
        added_layer->SaveState(); // its start state is where it was made
        ++added;
    }
    if (added > 0) scene.Saved = false;
    return added;
}

bool ImportFromProject(
    TEditorState& state, TDialogs& dialogs, TErrorLog& log,
    const std::function<std::optional<std::vector<int>>(const QStringList& names)>& chooseLayers) {
    TFileChoice choice;
    choice.Title = QCoreApplication::translate("Import", "Import");
    choice.Filter = QStringLiteral("*.VKP|*.VKP");
    choice.InitialDir = state.Scene.ProjectDir;
    const std::optional<QString> path = dialogs.ChooseFile(choice);
    if (!path) return false;
    // Read by the project file's own rules: only a regular file, a big one
    // in blocks with its lines checked.
    TIniFile ini;
    ini.FromBytes(ReadProjectFile(*path));
    const std::optional<std::vector<int>> entries = chooseLayers(ImportLayerNames(ini));
    if (!entries) return false; // Cancel changes nothing
    if (entries->empty()) return false;
    state.Undo.Record(-TUndoBuffer::kindImport); // the whole import is one step
    const int added = ImportLayers(state.Scene, dialogs, log, *path, ini, *entries);
    state.Scene.Saved = false;
    return added > 0;
}

} // namespace velkon
