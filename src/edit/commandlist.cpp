#include "edit/commandlist.h"

#include "edit/commandclipboard.h"
#include "edit/editorstate.h"
#include "edit/listroom.h"
#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/dialogs.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace velkon {

namespace {
const char* const kLineBreakRefused =
    QT_TRANSLATE_NOOP("CommandList", "A paraméter nem tartalmazhat sortörést! A parancs nem változott.");
const char* const kLineBreakStripped =
    QT_TRANSLATE_NOOP("CommandList", "A paraméterekben lévő sortörések kimaradtak a vágólapról.");
} // namespace

// The source texts; shown translated.
const QString LineBreakRefused = QString::fromUtf8(kLineBreakRefused);
const QString LineBreakStripped = QString::fromUtf8(kLineBreakStripped);

namespace {

using Undo = TUndoBuffer;

void MarkModified(const TListTarget& t) {
    t.State.Scene.Saved = false;
}

// Runs one row of a batch tool; a number it cannot read stops the tool with
// the row named. What earlier rows changed stays changed.
template <class F> void OnRow(const char* tool, const TCommands& track, int row, F&& f) {
    try {
        f();
    } catch (const EVelkonError& e) {
        throw EVelkonError(
            QCoreApplication::translate("CommandList", "%1: a(z) %2. sor (%3) nem olvasható: %4")
                .arg(QCoreApplication::translate("CommandList", tool), QString::number(row + 1),
                     track.Item(row)->Name(), e.Message()));
    }
}

// The first current track of every layer in the keyframe edit.
std::vector<TCommands*> KeyframeTracks(const TEditorState& state) {
    std::vector<TCommands*> tracks;
    const auto& layers = state.Scene.Layers;
    for (int i = 0; i < layers.Count(); ++i)
        if (TImagesItem* l = layers.At(i); l->KeyframeEditing && l->ActiveTracks[0])
            tracks.push_back(l->ActiveTracks[0]);
    return tracks;
}

void SetKind(TCommands& track, int row, int command) {
    track.Item(row)->SetCommand(command);
    track.SetName(row, CommandName(command));
}

// A dialog's answer as a command number; 0 (with a message) when the list cannot take it.
int CheckedFields(TDialogs& dialogs, const TCommandFields& f) {
    const int number = CommandNumber(f.Command);
    if (number == 0) {
        dialogs.Message(
            QCoreApplication::translate("CommandList", "Ismeretlen parancs: \"%1\"").arg(f.Command));
        return 0;
    }
    if (HasLineBreak(f.Param1) || HasLineBreak(f.Param2) || HasLineBreak(f.Param3)) {
        dialogs.Message(QCoreApplication::translate("CommandList", kLineBreakRefused));
        return 0;
    }
    return number;
}

QString Thousandths(double seconds) {
    return FormatNumber(std::nearbyint(seconds * 1000.0) / 1000.0);
}

} // namespace

QString RowNumber(int index, bool loop) {
    QString n = QString::number(index + 1).left(2);
    if (n.size() < 2) n.prepend(loop ? QStringLiteral("-0") : QStringLiteral("0"));
    return n;
}

std::vector<TCommandRow> CommandRows(const TCommands& track) {
    const int count = track.Count();
    // marks[i]: how many loops jump back over row i, counted as differences.
    std::vector<int> marks(static_cast<size_t>(count) + 1, 0);
    for (int i = 0; i < count; ++i) {
        const TCommandItem* c = track.Item(i);
        if (c->Command() != cmdLoop) continue;
        int step = 0;
        try {
            step = ToInt(c->sParam2());
        } catch (const EVelkonError&) {
            step = 0; // an unreadable step marks nothing; the player reports it
        }
        if (step <= 0) continue;
        const int from = std::max(0, i - std::min(step, i));
        ++marks[static_cast<size_t>(from)];
        --marks[static_cast<size_t>(i)];
    }
    std::vector<TCommandRow> rows;
    rows.reserve(static_cast<size_t>(count));
    int depth = 0;
    for (int i = 0; i < count; ++i) {
        const TCommandItem* c = track.Item(i);
        depth += marks[static_cast<size_t>(i)];
        TCommandRow row;
        const QString name = track.Name(i);
        row.Caption.reserve(depth + 5 + name.size());
        row.Caption.fill(QLatin1Char('|'), depth);
        row.Caption += RowNumber(i, c->Command() == cmdLoop);
        row.Caption += QLatin1String(". ");
        row.Caption += name;
        row.Parameters = c->CommandText();
        rows.push_back(std::move(row));
    }
    return rows;
}

QString DurationText(double seconds) {
    if (std::isinf(seconds)) return QCoreApplication::translate("CommandList", "végtelen");
    return FormatNumber(seconds);
}

QString TrackCaption(int n, const TCommands& track) {
    const QString number = QString::number(n) + QLatin1Char('.');
    if (track.IsEmpty()) return number;
    return number + QStringLiteral(" [+] sec:") + DurationText(TrackDuration(track));
}

std::vector<int> NormalisedRows(const std::vector<int>& rows, int count) {
    std::vector<int> r;
    r.reserve(rows.size());
    for (int i : rows)
        if (i >= 0 && i < count) r.push_back(i);
    std::sort(r.begin(), r.end());
    r.erase(std::unique(r.begin(), r.end()), r.end());
    return r;
}

QString CopyCommands(const TListTarget& t, const std::vector<int>& rows) {
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    if (sel.empty()) return {};
    std::vector<const TCommandItem*> commands;
    commands.reserve(sel.size());
    for (int i : sel)
        commands.push_back(t.Track.Item(i));
    bool stripped = false;
    QString text = WriteCommandClipboard(t.Layer, commands, &stripped);
    if (stripped) t.Dialogs.Message(QCoreApplication::translate("CommandList", kLineBreakStripped));
    return text;
}

std::vector<int> PasteCommands(const TListTarget& t, const std::optional<QString>& text,
                               const std::vector<int>& rows, bool adapt) {
    if (!text) {
        t.Dialogs.Message(QCoreApplication::translate("CommandList", "Nem megfeleő vágólap formátum!"));
        return {};
    }
    std::optional<TCommandClipboard> clip = ReadCommandClipboard(*text);
    if (!clip) return {};
    CheckTrackRoom(t.Layer, t.Track, static_cast<int64_t>(clip->Commands.size()));
    // Everything is read and adapted before the track changes.
    if (adapt) {
        std::optional<TGeometry> source;
        for (size_t k = 0; k < clip->Commands.size(); ++k) {
            TClipboardCommand& c = clip->Commands[k];
            if (c.Command != cmdMoveTo && c.Command != cmdKeyFrame) continue;
            try {
                if (!source) source = ReadGeometry(clip->GeometryLine);
                AdaptPastedCommand(c, *source, t.Layer);
            } catch (const EVelkonError& e) {
                throw EVelkonError(QCoreApplication::translate(
                                       "CommandList", "Beillesztés: a(z) %1. parancs (%2) nem olvasható: %3")
                                       .arg(QString::number(k + 1), CommandName(c.Command), e.Message()));
            }
        }
    }
    t.State.Undo.Record(-Undo::kindCommandPaste);
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    int at = sel.size() == 1 ? sel.front() : t.Track.Count();
    std::vector<int> placed;
    placed.reserve(clip->Commands.size());
    for (TClipboardCommand& c : clip->Commands) {
        auto item = std::make_unique<TCommandItem>(c.Command, std::move(c.Param1), std::move(c.Param2),
                                                   std::move(c.Param3));
        if (at == t.Track.Count())
            t.Track.Add(std::move(item));
        else
            t.Track.Insert(at, std::move(item));
        placed.push_back(at++);
    }
    MarkModified(t);
    return placed;
}

int AddCommand(const TListTarget& t, const std::vector<int>& rows, const TEditCommandFn& ask) {
    CheckTrackRoom(t.Layer, t.Track, 1);
    t.State.Undo.Record(-Undo::kindCommandAdd);
    const std::optional<TCommandFields> fields = ask(t.Layer, nullptr);
    if (!fields) return -1;
    const int number = CheckedFields(t.Dialogs, *fields);
    if (number == 0) return -1;
    auto item = std::make_unique<TCommandItem>(number, fields->Param1, fields->Param2, fields->Param3);
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    int at = t.Track.Count();
    if (sel.size() == 1 && sel.front() + 1 < t.Track.Count()) {
        at = sel.front() + 1;
        t.Track.Insert(at, std::move(item));
    } else {
        t.Track.Add(std::move(item));
    }
    MarkModified(t);
    return at;
}

bool EditCommand(const TListTarget& t, const std::vector<int>& rows, const TEditCommandFn& ask) {
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    if (sel.size() != 1) return false;
    t.State.Undo.Record(-Undo::kindCommandEdit);
    const TCommandItem* before = t.Track.Item(sel.front());
    const std::optional<TCommandFields> fields = ask(t.Layer, before);
    if (!fields) return false;
    const int row = t.Track.IndexOf(before); // the dialog is modal, but the list is checked again
    if (row < 0) return false;
    const int number = CheckedFields(t.Dialogs, *fields);
    if (number == 0) return false;
    SetKind(t.Track, row, number);
    TCommandItem* cmd = t.Track.Item(row);
    // A slot the new kind does not use keeps what it held.
    const QString& types = CommandDesc(number)->Types;
    const QString* values[3] = {&fields->Param1, &fields->Param2, &fields->Param3};
    for (int i = 0; i < 3; ++i)
        if (types.at(i) != QLatin1Char('-')) cmd->SetParam(i + 1, *values[i]);
    MarkModified(t);
    return true;
}

void DeleteCommands(const TListTarget& t, const std::vector<int>& rows) {
    t.State.Undo.Record(-Undo::kindCommandDelete);
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    std::vector<TCommands*> tracks;
    if (t.State.KeyframeMode)
        tracks = KeyframeTracks(t.State); // the member layers' keyframe tracks stay the same length
    else
        tracks.push_back(&t.Track);
    int deleted = 0;
    for (int row : sel) {
        const int at = row - deleted++;
        for (TCommands* track : tracks)
            if (at < track->Count()) track->Delete(at);
    }
    MarkModified(t);
}

std::optional<std::vector<int>> MoveCommandsUp(const TListTarget& t, const std::vector<int>& rows) {
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    if (sel.empty() || sel.front() == 0) return std::nullopt;
    t.State.Undo.Record(Undo::kindCommandMove);
    for (int row : sel)
        t.Track.Move(row, row - 1);
    std::vector<int> moved;
    for (int row : sel)
        moved.push_back(row - 1);
    MarkModified(t);
    return moved;
}

std::optional<std::vector<int>> MoveCommandsDown(const TListTarget& t, const std::vector<int>& rows) {
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    if (sel.empty() || sel.back() == t.Track.Count() - 1) return std::nullopt;
    t.State.Undo.Record(Undo::kindCommandMove);
    for (auto it = sel.rbegin(); it != sel.rend(); ++it)
        t.Track.Move(*it, *it + 1);
    std::vector<int> moved;
    for (int row : sel)
        moved.push_back(row + 1);
    MarkModified(t);
    return moved;
}

bool DropCommand(const TListTarget& t, const std::vector<int>& rows, int target) {
    t.State.Undo.Record(Undo::kindCommandMove);
    const std::vector<int> sel = NormalisedRows(rows, t.Track.Count());
    if (sel.empty() || target < 0 || target >= t.Track.Count()) return false;
    t.Track.Move(sel.front(), target);
    MarkModified(t);
    return true;
}

void AppendRestart(const TListTarget& t) {
    CheckTrackRoom(t.Layer, t.Track, 1);
    t.State.Undo.Record(-Undo::kindCommandAdd);
    t.Track.Add(std::make_unique<TCommandItem>(cmdReStart, QStringLiteral("0"), QString(), QString()));
    MarkModified(t);
}

int PlayAnimBits(bool executeDown, bool executeTouchDown) {
    return (executeDown ? 1 : 0) + (executeTouchDown ? 0 : 2);
}

bool SetPlayAnim(TEditorState& state, TImagesItem& layer, bool executeDown, bool executeTouchDown) {
    const int bits = PlayAnimBits(executeDown, executeTouchDown);
    if (layer.PlayAnim == bits) return false;
    layer.PlayAnim = bits;
    state.Scene.Saved = false; // stored in the project file
    return true;
}

void ConvertMoveToRelative(const TListTarget& t, const std::vector<int>& rows) {
    t.State.Undo.Record(Undo::kindCommandConvert);
    MarkModified(t);
    qint64 px = static_cast<qint64>(std::nearbyint(t.Layer.Left));
    qint64 py = static_cast<qint64>(std::nearbyint(t.Layer.Top));
    for (int row : NormalisedRows(rows, t.Track.Count())) {
        TCommandItem* c = t.Track.Item(row);
        if (c->Command() != cmdMoveTo) continue;
        OnRow(QT_TRANSLATE_NOOP("CommandList", "MoveTo konvert RelativeMoveTo"), t.Track, row, [&] {
            const qint64 x = ToInt(c->sParam1());
            const qint64 y = ToInt(c->sParam2());
            SetKind(t.Track, row, cmdRelativeMoveTo);
            c->SetParam(1, QString::number(x - px));
            c->SetParam(2, QString::number(y - py));
            px = x;
            py = y;
        });
    }
}

void ChangeDuration(const TListTarget& t, const std::vector<int>& rows) {
    const QString d = t.State.AutoDuration;
    if (HasLineBreak(d)) {
        t.Dialogs.Message(QCoreApplication::translate("CommandList", kLineBreakRefused));
        return;
    }
    t.State.Undo.Record(Undo::kindDurationConvert);
    MarkModified(t);
    for (int row : NormalisedRows(rows, t.Track.Count())) {
        TCommandItem* c = t.Track.Item(row);
        switch (c->Command()) {
        case cmdMoveTo:
        case cmdRelativeMoveTo:
        case cmdReSize:
            c->SetParam(3, d);
            break;
        case cmdRotate:
        case cmdFadeTo:
            c->SetParam(2, d);
            break;
        case cmdWait:
            c->SetParam(1, d);
            break;
        case cmdKeyFrame:
            if (!t.State.KeyframeMode) break;
            for (TCommands* track : KeyframeTracks(t.State))
                if (row < track->Count()) track->Item(row)->SetParam(2, d);
            break;
        default:
            break;
        }
    }
}

bool DurationFromSpeed(const TListTarget& t, const std::vector<int>& rows) {
    const std::optional<QString> answer =
        t.Dialogs.InputText(QCoreApplication::translate("CommandList", "Duration változtatás"),
                            QCoreApplication::translate("CommandList", "Sebesség:"), QString());
    if (!answer) return false;
    // Nothing changes, and no undo step is left, for a speed that gives no duration.
    int v = 0;
    try {
        v = ToInt(*answer);
    } catch (const EVelkonError&) {
        v = 0;
    }
    if (v <= 0) {
        t.Dialogs.Message(QCoreApplication::translate(
                              "CommandList", "Hibás sebesség: \"%1\"! A sebesség 0-nál nagyobb szám legyen.")
                              .arg(answer->left(40)));
        return false;
    }
    t.State.Undo.Record(Undo::kindDurationConvert);
    MarkModified(t);
    double px = std::nearbyint(t.Layer.Left), py = std::nearbyint(t.Layer.Top);
    const auto duration = [v](double d) { return Thousandths(d / v); };
    for (int row : NormalisedRows(rows, t.Track.Count())) {
        TCommandItem* c = t.Track.Item(row);
        OnRow(QT_TRANSLATE_NOOP("CommandList", "Duration sebességből"), t.Track, row, [&] {
            switch (c->Command()) {
            case cmdMoveTo: {
                const double x = ToInt(c->sParam1()), y = ToInt(c->sParam2());
                const double d = std::hypot(x - px, y - py);
                px = x;
                py = y;
                c->SetParam(3, duration(d));
                break;
            }
            case cmdRelativeMoveTo:
                c->SetParam(3, duration(std::hypot(ToFloat(c->sParam1()), ToFloat(c->sParam2()))));
                break;
            case cmdKeyFrame: {
                const TGeometry g = ReadGeometry(c->sParam1());
                const double d = std::hypot(g.X - px, g.Y - py);
                px = g.X;
                py = g.Y;
                const QString text = duration(d);
                c->SetParam(2, text);
                if (t.State.KeyframeMode)
                    for (TCommands* track : KeyframeTracks(t.State))
                        if (row < track->Count()) track->Item(row)->SetParam(2, text);
                break;
            }
            default:
                break;
            }
        });
    }
    return true;
}

double DurationSum(TDialogs& dialogs, const TCommands& track, const std::vector<int>& rows) {
    // The selected commands read as a track of their own, Accelerate included.
    TCommands selected;
    for (int row : NormalisedRows(rows, track.Count()))
        selected.Add(track.Item(row)->Clone());
    const double total = TrackDuration(selected);
    dialogs.Message(QCoreApplication::translate("CommandList", "Összesen:%1").arg(DurationText(total)));
    return total;
}

int InverseCommand(int command) {
    switch (command) {
    case cmdShow:
        return cmdHide;
    case cmdHide:
        return cmdShow;
    case cmdStartOther:
        return cmdStopOther;
    case cmdStopOther:
        return cmdStartOther;
    case cmdPlaySfx:
        return cmdStopSfx;
    case cmdStopSfx:
        return cmdPlaySfx;
    case cmdPlayParticle:
        return cmdStopParticle;
    case cmdStopParticle:
        return cmdPlayParticle;
    default:
        return command;
    }
}

void InvertCommands(const TListTarget& t, const std::vector<int>& rows) {
    t.State.Undo.Record(Undo::kindDurationConvert);
    MarkModified(t);
    for (int row : NormalisedRows(rows, t.Track.Count())) {
        const int inverse = InverseCommand(t.Track.Item(row)->Command());
        if (inverse != t.Track.Item(row)->Command()) SetKind(t.Track, row, inverse);
    }
}

} // namespace velkon
