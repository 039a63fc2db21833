#include "edit/layercommandtools.h"

#include "edit/commandclipboard.h"
#include "edit/editorstate.h"
#include "edit/listroom.h"
#include "engine/params.h"
#include "model/dialogs.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace velkon {

namespace {

constexpr int MoveToCommand = 1;
constexpr int KeyFrameCommand = 18;
constexpr int CatalogueSize = 21;

// The tracks (0..2) a tab row selects: all three for "Mind".
bool TabTakesTrack(int tabs, int track) {
    return tabs == 0 || tabs == track + 1;
}

// A parameter that is a plain number, "," or "." as the separator; an empty
// parameter reads as 0 like everywhere else.
std::optional<double> PlainNumber(const QString& text) {
    if (text.trimmed().isEmpty()) return 0.0;
    return ReadDecimal(text);
}

QString WholeText(double v) {
    return QString::number(static_cast<qint64>(std::nearbyint(v)));
}

// A KeyFrame key text shifted by (dx, dy); each value is read as a whole number.
QString ShiftedKey(const QString& key, double dx, double dy) {
    const TKeyText k = SplitKeyText(key);
    return KeyText(double(ToInt(k.X)) + dx, double(ToInt(k.Y)) + dy, ToInt(k.W), ToInt(k.H), ToInt(k.A),
                   k.HasAlpha ? std::optional<double>(ToInt(k.F)) : std::nullopt);
}

// Rewrites the positions in track 1 of each animation of a layer.
void ShiftTrackOnes(TImagesItem& layer, double dx, double dy, bool moves) {
    for (int a = 0; a < 4; ++a) {
        TCommands& track = layer.Animation(a).Track[0];
        for (int i = 0; i < track.Count(); ++i) {
            TCommandItem& c = *track.Item(i);
            if (c.Command() == KeyFrameCommand) {
                c.SetParam(1, ShiftedKey(c.sParam1(), dx, dy));
            } else if (moves && c.Command() == MoveToCommand) {
                // A parameter function (Left(a;0)...) keeps following what it names.
                if (const auto x = PlainNumber(c.sParam1())) c.SetParam(1, WholeText(*x + dx));
                if (const auto y = PlainNumber(c.sParam2())) c.SetParam(2, WholeText(*y + dy));
            }
        }
    }
}

std::unique_ptr<TCommandItem> NewCommand(const TClipboardCommand& c) {
    return std::make_unique<TCommandItem>(c.Command, c.Param1, c.Param2, c.Param3);
}

} // namespace

std::optional<QString> LayerCommandsClipboard(const TScene& scene, int32_t command) {
    QStringList lines;
    int count = 0;
    for (const auto& entry : scene.Layers) {
        if (!entry.second->Selected) continue;
        lines << QString::number(command) << entry.second->Name << QString() << QString();
        ++count;
    }
    if (count == 0) return std::nullopt;
    lines.prepend(QStringLiteral("x=0y=0w=0h=0a=0"));
    lines.prepend(QString::number(count));
    lines.prepend(QStringLiteral("VKP Clipboard"));
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool PasteIntoSelectedLayers(TEditorState& state, TDialogs& dialogs, const std::optional<QString>& clipboard,
                             int tab) {
    TScene& scene = state.Scene;
    bool any = false;
    for (const auto& entry : scene.Layers)
        any = any || entry.second->Selected;
    if (!any) return false;
    const QString unsuitable =
        QCoreApplication::translate("LayerCommandTools", "Nem megfeleő vágólap formátum!");
    if (!clipboard) {
        dialogs.Message(unsuitable);
        return false;
    }
    std::optional<TCommandClipboard> read;
    try {
        read = ReadCommandClipboard(*clipboard);
    } catch (const EVelkonError&) {
        // Cut short or unreadable: nothing half pasted.
        dialogs.Message(unsuitable);
        return false;
    }
    if (!read) return false;
    const std::vector<TClipboardCommand>* commands = &read->Commands;
    for (const TClipboardCommand& c : *commands)
        if (c.Command < 1 || c.Command > CatalogueSize) {
            dialogs.Message(unsuitable);
            return false;
        }
    const int track = std::clamp(tab, 1, 3) - 1;
    const auto targetOf = [track](TImagesItem& layer) {
        TCommands* target = layer.ActiveTracks[track];
        return target ? target : &layer.Base.Track[track];
    };
    for (const auto& entry : scene.Layers)
        if (entry.second->Selected)
            CheckTrackRoom(*entry.second, *targetOf(*entry.second), static_cast<int64_t>(commands->size()));
    state.Undo.Record(-TUndoBuffer::kindLayersPaste);
    for (const auto& entry : scene.Layers) {
        TImagesItem& layer = *entry.second;
        if (!layer.Selected) continue;
        TCommands* target = targetOf(layer);
        for (const TClipboardCommand& c : *commands)
            target->Add(NewCommand(c));
    }
    scene.Saved = false;
    return true;
}

bool CopyLayerCommands(TScene& scene, TDialogs& dialogs, int tabs, bool move, int from, int to) {
    if (scene.Layers.IsEmpty() || from < 0 || from > 3 || to < 0 || to > 3) return false;
    if (from == to) {
        dialogs.Message(QCoreApplication::translate("LayerCommandTools",
                                                    "A forrás és a cél animáció azonos (Honnan: és Hova:)!"));
        return false;
    }
    for (const auto& entry : scene.Layers) {
        TImagesItem& layer = *entry.second;
        if (!layer.Selected) continue;
        for (int t = 0; t < 3; ++t)
            if (TabTakesTrack(tabs, t))
                CheckTrackRoom(layer, layer.Animation(to).Track[t], layer.Animation(from).Track[t].Count());
    }
    bool any = false;
    bool changed = false;
    for (const auto& entry : scene.Layers) {
        TImagesItem& layer = *entry.second;
        if (!layer.Selected) continue;
        any = true;
        for (int t = 0; t < 3; ++t) {
            if (!TabTakesTrack(tabs, t)) continue;
            TCommands& source = layer.Animation(from).Track[t];
            TCommands& target = layer.Animation(to).Track[t];
            changed = changed || !source.IsEmpty();
            if (move) {
                while (!source.IsEmpty())
                    target.Add(source.Take(0));
                source.Current = -1;
            } else {
                for (int i = 0; i < source.Count(); ++i)
                    target.Add(source.Item(i)->Clone());
            }
        }
    }
    // The copies are part of the project: closing must ask before they are lost.
    if (changed) scene.Saved = false;
    return any;
}

void DeleteLayerCommands(TEditorState& state, int tabs, bool everyAnimation) {
    TScene& scene = state.Scene;
    state.Undo.Record(-TUndoBuffer::kindLayersDeleteCommands);
    for (const auto& entry : scene.Layers) {
        TImagesItem& layer = *entry.second;
        if (!layer.Selected) continue;
        for (int a = 0; a < 4; ++a) {
            if (!everyAnimation && a != state.AnimSelect) continue;
            for (int t = 0; t < 3; ++t)
                if (TabTakesTrack(tabs, t)) layer.Animation(a).Track[t].Clear();
        }
    }
    scene.Saved = false;
}

void TransposeLayers(TEditorState& state, int32_t dx, int32_t dy, bool origin) {
    TScene& scene = state.Scene;
    state.Undo.Record(-TUndoBuffer::kindLayersTranspose);
    scene.Saved = false;
    for (const auto& entry : scene.Layers) {
        TImagesItem& layer = *entry.second;
        if (!layer.Selected) continue;
        layer.Left = std::nearbyint(layer.Left + dx);
        layer.Top = std::nearbyint(layer.Top + dy);
        if (origin) {
            layer.OrigoX = std::nearbyint(layer.OrigoX - dx);
            layer.OrigoY = std::nearbyint(layer.OrigoY - dy);
        }
        ShiftTrackOnes(layer, dx, dy, true);
    }
}

void ToggleTransposePoint(TEditorState& state) {
    if (state.ToolCount <= 0) {
        state.ToolMode = TToolMode::Transpose;
        state.ToolCount = 1;
        const TToolPoint& o = state.ToolPoint(-1);
        state.ToolPoint(1) = {o.X + 20, o.Y, 0, 0, nullptr};
    } else {
        state.ToolMode = TToolMode::None;
        state.ToolCount = 0;
    }
}

bool TransposeToPoint(TEditorState& state) {
    if (state.ToolMode != TToolMode::Transpose) {
        ToggleTransposePoint(state);
        return false;
    }
    TScene& scene = state.Scene;
    state.Undo.Record(-TUndoBuffer::kindLayersTranspose);
    scene.Saved = false;
    const double ox = state.ToolPoint(1).X - state.ToolPoint(-1).X;
    const double oy = state.ToolPoint(1).Y - state.ToolPoint(-1).Y;
    for (const auto& entry : scene.Layers) {
        TImagesItem& layer = *entry.second;
        if (!layer.Selected) continue;
        layer.Left = std::nearbyint(layer.Left + ox);
        layer.Top = std::nearbyint(layer.Top + oy);
        ShiftTrackOnes(layer, ox, oy, false);
    }
    ToggleTransposePoint(state);
    return true;
}

} // namespace velkon
