// The command clipboard text as the layers panel pastes it into every
// selected layer: read, and pasted the layers gain exactly what was read.
#include "fuzzsupport.h"

#include "edit/editorstate.h"
#include "edit/layercommandtools.h"
#include "model/scene.h"
#include "model/scripteddialogs.h"

using namespace velkon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzz::Text(data, size);
    const auto commands = ReadCommandClipboard(text);

    TScene scene;
    TEditorState state(scene);
    TScriptedDialogs dialogs;
    for (const char* name : {"a", "b"}) {
        const QString layerName = QString::fromLatin1(name);
        auto layer = std::make_unique<TImagesItem>();
        layer->Name = layerName;
        layer->Selected = true;
        scene.Layers.Add(layerName, std::move(layer));
    }
    const bool pasted = PasteIntoSelectedLayers(state, dialogs, text, 2);
    const int expected = commands ? static_cast<int>(commands->size()) : 0;
    if (pasted != (expected > 0))
        fuzz::Fail(QStringLiteral("paste said %1 for %2 commands read").arg(pasted).arg(expected));
    for (const auto& entry : scene.Layers) {
        const TCommands& track = entry.second->Base.Track[1];
        if (track.Count() != expected)
            fuzz::Fail(QStringLiteral("%1 commands pasted, %2 read").arg(track.Count()).arg(expected));
        for (int i = 0; i < track.Count(); ++i) {
            const TCommandItem& c = *track.Item(i);
            const TClipboardCommand& r = (*commands)[i];
            if (c.Command() != r.Command || c.sParam1() != r.Param1 || c.sParam2() != r.Param2 ||
                c.sParam3() != r.Param3 || track.Name(i).isEmpty())
                fuzz::Fail(QStringLiteral("command %1 pasted otherwise than read").arg(i));
        }
    }
    const QString refusal = QStringLiteral("Nem megfeleő vágólap formátum!");
    if (!commands && (dialogs.Messages.size() != 1 || dialogs.Messages.front() != refusal))
        fuzz::Fail(QStringLiteral("a broken clipboard was refused without the message"));
    return 0;
}
