#include "edit/phasestep.h"

#include "edit/editorstate.h"
#include "engine/params.h"
#include "model/velkonerror.h"
#include "model/commanddesc.h"
#include "model/imagesitem.h"

namespace velkon {

bool PlainInt(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

namespace {

// Thrown inside a step when a parameter is not a plain number; the step ends there.
struct TNotANumber {};

int Int(const QString& text) {
    int v = 0;
    if (!PlainInt(text, v)) throw TNotANumber{};
    return v;
}

// The key text "x=..y=..w=..h=..a=..[f=..]" of a KeyFrame command.
void ApplyKeyText(TImagesItem& layer, const QString& key) {
    if (!key.startsWith(QLatin1String("x=")))
        throw TNotANumber{};
    TKeyText k;
    try {
        k = SplitKeyText(key);
    } catch (const EVelkonError&) {
        throw TNotANumber{};
    }
    const int left = Int(k.X), top = Int(k.Y), width = Int(k.W), height = Int(k.H), angle = Int(k.A);
    const int alpha = k.HasAlpha ? Int(k.F) : 255;
    layer.Left = left;
    layer.Top = top;
    layer.Width = width;
    layer.Height = height;
    layer.Angle = angle;
    layer.Alpha = alpha;
}

} // namespace

bool ApplyPhaseStep(TImagesItem& layer, int i, TEditorState& state) {
    const TToolPoint origin = state.ToolPoint(-1);
    bool complete = true;
    try {
        for (int t = 0; t < 3; ++t) {
            const TCommands* track = layer.ActiveTracks[static_cast<size_t>(t)];
            if (!track || i < 0 || i >= track->Count()) continue;
            const TCommandItem& c = *track->Item(i);
            if (t == 0 && c.Command() == cmdMoveTo) {
                const int x = Int(c.sParam1()), y = Int(c.sParam2());
                layer.Left = x;
                layer.Top = y;
            } else if (t == 0 && c.Command() == cmdRelativeMoveTo) {
                const int x = Int(c.sParam1()), y = Int(c.sParam2());
                layer.Left += x;
                layer.Top += y;
            } else if (t == 0 && c.Command() == cmdKeyFrame) {
                ApplyKeyText(layer, c.sParam1());
                // Showing a keyframe puts the common origin where it was stored;
                // phases restore it below, so the origin never moves for good.
                state.ToolPoint(-1).X = c.OX();
                state.ToolPoint(-1).Y = c.OY();
            } else if (t == 1 && c.Command() == cmdReSize) {
                const int w = Int(c.sParam1()), h = Int(c.sParam2());
                layer.Width = w;
                layer.Height = h;
            } else if (t == 2 && c.Command() == cmdRotate) {
                layer.Angle = Int(c.sParam1());
            }
        }
    } catch (const TNotANumber&) {
        complete = false;
    }
    state.ToolPoint(-1) = origin;
    return complete;
}

} // namespace velkon
