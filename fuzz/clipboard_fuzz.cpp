// The command clipboard text as another program may leave it: read, pasted
// into a layer with the MoveTo and KeyFrame adaptation, copied back out.
#include "fuzzsupport.h"

#include "edit/commandclipboard.h"
#include "edit/commandlist.h"
#include "edit/editorstate.h"
#include "model/commanddesc.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"
#include "model/velkonerror.h"

using namespace velkon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzz::Text(data, size);
    std::optional<TCommandClipboard> clip;
    try {
        clip = ReadCommandClipboard(text);
    } catch (const EVelkonError&) {
        return 0;
    }
    if (!clip) return 0;
    for (const TClipboardCommand& c : clip->Commands)
        if (HasLineBreak(c.Param1) || HasLineBreak(c.Param2) || HasLineBreak(c.Param3))
            fuzz::Fail(QStringLiteral("a line break was read into a parameter"));

    TScene scene;
    TEditorState state(scene);
    TScriptedDialogs dialogs;
    auto owned = std::make_unique<TImagesItem>();
    owned->Name = QStringLiteral("Target");
    owned->Left = 80;
    owned->Top = 60;
    owned->Width = 50;
    owned->Height = 40;
    owned->SelectAnimation(0);
    TImagesItem* layer = scene.Layers.Add(QStringLiteral("Target"), std::move(owned));
    TCommands& track = *layer->ActiveTracks[0];
    for (bool adapt : {true, false}) {
        track.Clear();
        std::vector<int> placed;
        try {
            placed = PasteCommands({state, dialogs, *layer, track}, text, {}, adapt);
        } catch (const EVelkonError&) {
            if (track.Count() != 0) fuzz::Fail(QStringLiteral("a refused paste changed the track"));
            continue;
        }
        if (track.Count() != static_cast<int>(clip->Commands.size()) ||
            placed.size() != clip->Commands.size())
            fuzz::Fail(
                QStringLiteral("%1 commands read, %2 pasted").arg(clip->Commands.size()).arg(track.Count()));
        // Copied back out and read again, the pasted commands come back the same.
        std::vector<const TCommandItem*> commands;
        for (int i = 0; i < track.Count(); ++i)
            commands.push_back(track.Item(i));
        const std::optional<TCommandClipboard> again =
            ReadCommandClipboard(WriteCommandClipboard(*layer, commands));
        if (!again || again->Commands.size() != commands.size())
            fuzz::Fail(QStringLiteral("the copy of a paste does not read back"));
        for (size_t k = 0; k < commands.size(); ++k) {
            const TClipboardCommand& c = again->Commands[k];
            const TCommandItem& i = *commands[k];
            if (c.Command != i.Command() || c.Param1 != i.sParam1() || c.Param2 != i.sParam2() ||
                c.Param3 != i.sParam3())
                fuzz::Fail(QStringLiteral("command %1 changed on the way through the clipboard").arg(k + 1));
        }
    }
    return 0;
}
