#include "edit/phasestep.h"

#include "edit/editorstate.h"
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
    const int y = key.indexOf(QLatin1String("y=")), w = key.indexOf(QLatin1String("w=")),
              h = key.indexOf(QLatin1String("h=")), a = key.indexOf(QLatin1String("a=")),
              f = key.indexOf(QLatin1String("f="));
    if (!key.startsWith(QLatin1String("x=")) || y < 0 || w < y || h < w || a < h || (f >= 0 && f < a))
        throw TNotANumber{};
    const int left = Int(key.mid(2, y - 2)), top = Int(key.mid(y + 2, w - y - 2)),
              width = Int(key.mid(w + 2, h - w - 2)), height = Int(key.mid(h + 2, a - h - 2));
    const int angle = Int(f >= 0 ? key.mid(a + 2, f - a - 2) : key.mid(a + 2, 1000));
    const int alpha = f >= 0 ? Int(key.mid(f + 2)) : 255;
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
            if (t == 0 && c.Command == cmdMoveTo) {
                const int x = Int(c.sParam1), y = Int(c.sParam2);
                layer.Left = x;
                layer.Top = y;
            } else if (t == 0 && c.Command == cmdRelativeMoveTo) {
                const int x = Int(c.sParam1), y = Int(c.sParam2);
                layer.Left += x;
                layer.Top += y;
            } else if (t == 0 && c.Command == cmdKeyFrame) {
                ApplyKeyText(layer, c.sParam1);
                // Showing a keyframe puts the common origin where it was stored;
                // phases restore it below, so the origin never moves for good.
                state.ToolPoint(-1).X = c.OX;
                state.ToolPoint(-1).Y = c.OY;
            } else if (t == 1 && c.Command == cmdReSize) {
                const int w = Int(c.sParam1), h = Int(c.sParam2);
                layer.Width = w;
                layer.Height = h;
            } else if (t == 2 && c.Command == cmdRotate) {
                layer.Angle = Int(c.sParam1);
            }
        }
    } catch (const TNotANumber&) {
        complete = false;
    }
    state.ToolPoint(-1) = origin;
    return complete;
}

} // namespace velkon
