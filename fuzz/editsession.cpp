#include "editsession.h"

#include "edit/canvasgeometry.h"
#include "edit/commandlist.h"
#include "edit/helperlines.h"
#include "edit/layercommandtools.h"
#include "edit/layerlist.h"
#include "edit/layerops.h"
#include "edit/pathtools.h"
#include "edit/selection.h"
#include "model/commanddesc.h"
#include "model/velkonerror.h"
#include "project/inifile.h"
#include "project/projectfile.h"

#include <QDir>
#include <QFile>

#include <exception>
#include <limits>

namespace velkon::fuzz {

int TChoices::Int(int lo, int hi) {
    if (hi <= lo) return lo;
    const uint64_t span = static_cast<uint64_t>(int64_t(hi) - lo) + 1;
    uint64_t raw = Byte();
    if (span > 256) raw = raw << 8 | Byte();
    if (span > 65536) {
        const uint64_t high = Byte();
        raw = raw << 16 | high << 8 | Byte();
    }
    return static_cast<int>(lo + static_cast<int64_t>(raw % span));
}

long long TChoices::Number() {
    static const long long edges[] = {0, 1, -1, 2, 5, 100, 1024, 16384, 65535, 1000000,
                                      std::numeric_limits<int>::max(), std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max() - 1, std::numeric_limits<int>::min() + 1,
                                      2147483648LL, -2147483649LL, 99999999999LL, -99999999999LL};
    const uint8_t how = Byte();
    if (how < 160) return edges[how % (sizeof edges / sizeof edges[0])];
    const int high = Byte();
    return static_cast<int16_t>(high << 8 | Byte());
}

QString DemoFolder() {
    static const QString folder = [] {
        const QString source = QStringLiteral(VELKON_SOURCE_DIR "/examples/demo");
        const QString copy = WorkDir() + QStringLiteral("/demo");
        QDir().mkpath(copy);
        for (const QString& name : QDir(source).entryList(QDir::Files))
            if (!QFile::exists(copy + QLatin1Char('/') + name) &&
                !QFile::copy(source + QLatin1Char('/') + name, copy + QLatin1Char('/') + name))
                Fail(QStringLiteral("cannot copy the demo file ") + name);
        return copy;
    }();
    return folder;
}

QString HostileNumberText(TChoices& in) {
    switch (in.Int(0, 7)) {
    case 0: return QStringLiteral("1e308");
    case 1: return QStringLiteral("-0");
    case 2: return QStringLiteral(" 12 ");
    case 3: return QStringLiteral("0,5");
    case 4: return QStringLiteral("nan");
    case 5: return QString();
    default: return QString::number(in.Number());
    }
}

QString HostileName(TChoices& in, const QStringList& taken) {
    switch (in.Int(0, 11)) {
    case 0: return QString();
    case 1: return QString(400, QLatin1Char('n'));
    case 2: return in.Pick(taken);
    case 3: return in.Pick(taken).toUpper();
    case 4: return QStringLiteral("két szó");
    case 5: return QStringLiteral("Árvíztűrő tükörfúrógép");
    case 6: return QStringLiteral("NINCS1234");
    case 7: return QStringLiteral("a;b");
    case 8: {
        const QString name = in.Pick(taken);
        return name + QString::number(in.Int(0, 12));
    }
    case 9: return QStringLiteral("sor\ntörés");
    case 10: return QStringLiteral("日本");
    default: return QStringLiteral("L") + QString::number(in.Int(0, 99));
    }
}

QString HostileFileName(TChoices& in, const QStringList& files) {
    switch (in.Int(0, 9)) {
    case 0: return QString();
    case 1: return QStringLiteral("../x.png");
    case 2: return QStringLiteral("a\\b.png");
    case 3: return QStringLiteral("nincs.png");
    case 4: return QStringLiteral("két szó.png");
    case 5: return QStringLiteral("x(2147483647,5).png");
    case 6: return QStringLiteral("..");
    default: return in.Pick(files);
    }
}

QString HostileParameter(TChoices& in, const QStringList& names) {
    static const QStringList pool = {
        QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("0,5"),
        QStringLiteral("1e308"), QStringLiteral("2147483647"), QStringLiteral("-2147483648"),
        QStringLiteral("RandomI(1;6)"), QStringLiteral("Random(2147483647)"), QStringLiteral("x=1y=2w=3h=4a=5f=6"),
        QStringLiteral("x=2147483647y=-2147483648w=0h=0a=0f=0"), QStringLiteral("x=1y=2"),
        QStringLiteral("Ease(1;0;0;0;0)"), QStringLiteral("boing.wav"), QString(), QString(300, QLatin1Char('9')),
    };
    switch (in.Int(0, 5)) {
    case 0: return in.Pick(names);
    case 1: return QStringLiteral("Left(%1;0)").arg(in.Pick(names));
    case 2: return QStringLiteral("Width(%1;%2)").arg(in.Pick(names)).arg(in.Number());
    default: return in.Pick(pool);
    }
}

void MutateProject(TIniFile& ini, TChoices& in, int count) {
    static const QStringList numberKeys = {
        QStringLiteral("Top"),      QStringLiteral("Left"),      QStringLiteral("Width"),
        QStringLiteral("Height"),   QStringLiteral("Alpha"),     QStringLiteral("Angle"),
        QStringLiteral("OrigoX"),   QStringLiteral("OrigoY"),    QStringLiteral("TouchTop"),
        QStringLiteral("TouchLeft"), QStringLiteral("TouchWidth"), QStringLiteral("TouchHeight"),
        QStringLiteral("Visible"),  QStringLiteral("PlayAnim"),  QStringLiteral("Group")};
    QStringList layers, names, files;
    for (int n = 1; n <= 64; ++n) {
        const QString section = QStringLiteral("Image%1").arg(n);
        if (!ini.KeyExists(section, QStringLiteral("Name"))) break;
        layers << section;
        names << ini.ReadString(section, QStringLiteral("Name"), {});
    }
    for (int n = 1; n <= 64; ++n) {
        const QString name = ini.ReadString(QStringLiteral("Files"), QStringLiteral("Name%1").arg(n), {});
        if (name.isEmpty()) break;
        files << name;
    }
    if (layers.isEmpty()) return;
    for (int k = 0; k < count && !in.Empty(); ++k) {
        const QString layer = in.Pick(layers);
        switch (in.Int(0, 11)) {
        case 0: // a number to an extreme
        case 1:
        {
            const QString key = in.Pick(numberKeys);
            ini.WriteString(layer, key, QString::number(in.Number()));
            break;
        }
        case 2: {
            const QString key = in.Pick(numberKeys);
            ini.WriteString(layer, key, HostileNumberText(in));
            break;
        }
        case 3: // a name duplicated, empty, long or odd
            ini.WriteString(layer, QStringLiteral("Name"), HostileName(in, names));
            break;
        case 4: // a parent cycle (or a parent in another case, or none)
            ini.WriteString(layer, QStringLiteral("Parent"), in.Flag() ? in.Pick(names) : in.Pick(names).toUpper());
            break;
        case 5:
            ini.WriteString(layer, QStringLiteral("Group"), QString::number(in.Int(-2, 300)));
            break;
        case 6: // a bad file name, here or in the file list
            if (in.Flag())
                ini.WriteString(layer, QStringLiteral("FileName"), HostileFileName(in, files));
            else {
                const QString key = QStringLiteral("Name%1").arg(in.Int(1, int(files.size()) + 1));
                ini.WriteString(QStringLiteral("Files"), key, HostileFileName(in, files));
            }
            break;
        case 7: // a colour, rarely one that stops the read
            ini.WriteString(layer, QStringLiteral("ItemColor"),
                            in.Int(0, 15) == 0 ? QStringLiteral("ZZZZZZ") : QStringLiteral("00ff00 "));
            break;
        case 8:
        case 9:
        case 10: { // an injected command: appended or over an existing one
            const int track = in.Int(1, 12);
            int c = 1;
            const QString prefix = layer + QStringLiteral("_Command%1_").arg(track);
            while (c < 64 && ini.KeyExists(prefix + QString::number(c), QStringLiteral("Command")))
                ++c;
            if (c > 1 && in.Flag()) c = in.Int(1, c);
            const QString section = prefix + QString::number(c);
            ini.WriteString(section, QStringLiteral("Command"), QString::number(in.Int(0, 23)));
            for (int p = 1; p <= 3; ++p)
                ini.WriteString(section, QStringLiteral("sParam%1").arg(p), HostileParameter(in, names));
            if (in.Flag()) ini.WriteString(section, QStringLiteral("OX"), QString::number(in.Number()));
            break;
        }
        default: // project-wide values and helper lines
            if (in.Flag())
                ini.WriteString(QStringLiteral("Project"), QStringLiteral("Resolution"), QString::number(in.Number()));
            else {
                const QString key = QStringLiteral("Pos%1").arg(in.Int(1, 3));
                const QString kind = in.Flag() ? QStringLiteral("V") : QStringLiteral("F");
                ini.WriteString(QStringLiteral("Lines"), key, kind + QString::number(in.Number()));
            }
            break;
        }
    }
}

// ---- The session ----

TEditSession::TEditSession() {
    State.Log = &Log;
    State.Undo.SwitchKeyframeEditing = [this](bool on) { Keyframes.SwitchFromUndo(on); };
    Player.OnError = [](const QString&) {};
    Playback.OnError = [](const QString&) {};
    Canvas.PanelWidth = 1400;
    Canvas.PanelHeight = 1000;
    Canvas.Redraw = [this] { UpdateCornersAndSelectionBounds(State); };
    Canvas.TouchStart = [this](TImagesItem& layer) { Playback.Touch(layer); };
    Dialogs.DefaultYesNo = true;
}

void TEditSession::Open(const QString& path) {
    try {
        ReadProject(Scene, path, Log);
    } catch (const EVelkonError&) {
        // What was read stays, marked incomplete, as in the editor.
    }
    State.Undo.Clear();
    RecomputeSelection(State);
    Check("open");
}

QStringList TEditSession::LayerNames() const {
    QStringList names;
    for (int i = 0; i < Scene.Layers.Count(); ++i)
        names << Scene.Layers.Name(i);
    return names;
}

QStringList TEditSession::FileNames() const {
    QStringList names;
    for (int i = 0; i < Scene.Files.Count(); ++i)
        names << Scene.Files.Name(i);
    return names;
}

TImagesItem* TEditSession::LayerAt(TChoices& in) {
    if (Scene.Layers.IsEmpty()) return nullptr;
    return Scene.Layers.At(in.Int(0, Scene.Layers.Count() - 1));
}

void TEditSession::Run(TChoices& in, int max) {
    for (int k = 0; k < max && !in.Empty(); ++k) {
        try {
            Operation(in);
        } catch (const EVelkonError&) {
            // Refused with a message: the editor writes it to the error log and goes on.
        } catch (const std::exception& e) {
            Fail(QStringLiteral("an exception out of a core call: ") + QString::fromUtf8(e.what()));
        }
        Check("an operation");
    }
}

void TEditSession::Operation(TChoices& in) {
    switch (in.Int(0, 12)) {
    case 0: { // a layer picked in the list
        TImagesItem* l = LayerAt(in);
        if (in.Flag()) {
            SelectSingleLayer(State, l);
        } else if (l) {
            l->Selected = !l->Selected;
            RecomputeSelection(State);
        }
        break;
    }
    case 1:
    case 2:
        CanvasOperation(in);
        break;
    case 3:
        Undo(in.Flag());
        break;
    case 4:
    case 5:
        KeyframeOperation(in);
        break;
    case 6:
    case 7:
        CommandListOperation(in);
        break;
    case 8:
        LayerListOperation(in);
        break;
    case 9:
        PropertyOperation(in);
        break;
    case 10:
        PathOperation(in);
        break;
    case 11:
        Play(in);
        break;
    default:
        SaveAndCompare(WorkDir() + QStringLiteral("/out/mid.VKP"));
        break;
    }
}

void TEditSession::CanvasOperation(TChoices& in) {
    UpdateCornersAndSelectionBounds(State);
    const auto point = [&in] { return in.Flag() ? in.Int(-200, 1400) : static_cast<int>(in.Number() % 100000); };
    // The arguments of a call are evaluated in no set order: every choice is
    // taken in a statement of its own, so that an input means the same to
    // every compiler (found under clang, replayed under gcc).
    const auto mouse = [&](auto&& event, TShiftState shift, uint32_t time) {
        const int x = point();
        const int y = point();
        event(shift, x, y, time);
    };
    switch (in.Int(0, 5)) {
    case 0: { // a drag: pick, move, resize or turn by the zone and the keys
        TShiftState shift = static_cast<TShiftState>(in.Byte()) & (ssShift | ssAlt | ssCtrl);
        const int x = point(), y = point();
        Canvas.MouseMove(shift, x, y, Now += 100);
        Canvas.MouseDown(shift | ssLeft | (in.Int(0, 7) == 0 ? TShiftState(ssDouble) : TShiftState(0)), x, y, Now += 100);
        const int steps = in.Int(1, 4);
        for (int s = 0; s < steps; ++s) {
            const int mx = point();
            const int my = point();
            Canvas.MouseMove(shift | ssLeft, mx, my, Now += in.Int(0, 200));
        }
        mouse([this](TShiftState sh, int ux, int uy, uint32_t) { Canvas.MouseUp(sh, ux, uy); }, shift, 0);
        break;
    }
    case 1: {
        const auto arrow = static_cast<TCanvasInteraction::TArrow>(in.Int(0, 3));
        Canvas.ArrowKey(arrow, static_cast<TShiftState>(in.Byte()) & (ssShift | ssCtrl));
        break;
    }
    case 2:
        if (Scene.SelectedCount > 0) {
            const int dx = in.Int(-20, 20);
            const int dy = in.Int(-20, 20);
            const int w = in.Int(-20, 20);
            Canvas.KeyboardNudge(dx, dy, w, in.Int(-360, 360));
        }
        break;
    case 3:
        Canvas.Wheel(in.Flag() ? 10 : -10, ssCtrl);
        break;
    case 4:
        if (Canvas.StartMarqueeMode(0)) {
            mouse([this](TShiftState sh, int x, int y, uint32_t t) { Canvas.MouseDown(sh, x, y, t); }, ssLeft,
                  Now += 100);
            mouse([this](TShiftState sh, int x, int y, uint32_t t) { Canvas.MouseMove(sh, x, y, t); }, ssLeft,
                  Now += 100);
            mouse([this](TShiftState sh, int x, int y, uint32_t) { Canvas.MouseUp(sh, x, y); }, 0, 0);
        }
        break;
    default: {
        const bool horizontal = in.Flag();
        ToggleHelperLine(Scene, horizontal, static_cast<int>(in.Number() % 5000));
        break;
    }
    }
    UpdateCornersAndSelectionBounds(State);
}

void TEditSession::Undo(bool redo) {
    if (redo)
        State.Undo.Redo();
    else
        State.Undo.Undo();
    Keyframes.Refresh(); // as the keyframe panel does when undo was applied
    RecomputeSelection(State);
}

void TEditSession::KeyframeOperation(TChoices& in) {
    switch (in.Int(0, 13)) {
    case 0: Keyframes.EditingOn(Dialogs); break;
    case 1: Keyframes.EditingOff(); break;
    case 2: Keyframes.SelectColumn(in.Int(0, Keyframes.ColumnCount())); break;
    case 3: Keyframes.StepColumn(in.Flag() ? 1 : -1); break;
    case 4: Keyframes.Store(TKeyframeEditor::storeOther); break;
    case 5: Keyframes.CopyKeyframe(); break;
    case 6: Keyframes.DeleteKeyframe(); break;
    case 7: in.Flag() ? Keyframes.MoveBack() : Keyframes.MoveForward(); break;
    case 8:
        Keyframes.TimelineLeft = in.Int(0, Keyframes.ColumnCount());
        Keyframes.TimelineRight = in.Int(0, Keyframes.ColumnCount());
        switch (in.Int(0, 3)) {
        case 0: Keyframes.CopyRange(in.Flag()); break;
        case 1: Keyframes.DeleteRange(); break;
        case 2: Keyframes.SetRangeDuration(); break;
        default:
            Dialogs.TextAnswers.push_back(HostileNumberText(in));
            Keyframes.DurationFromSpeed(Dialogs);
            break;
        }
        break;
    case 9: Keyframes.DurationTyped(HostileNumberText(in)); break;
    case 10: {
        const bool a = in.Flag();
        const bool b = in.Flag();
        const bool c = in.Flag();
        Keyframes.DurationStep(a, b, c, in.Flag());
        break;
    }
    case 11: Keyframes.SelectAnimation(in.Int(0, 3)); break;
    case 12:
        if (Keyframes.PlayStart(Player)) {
            for (int ms : {0, 40, 400, 4000}) {
                Clock.Set(ms);
                Player.Tick();
                Keyframes.PlayFollow();
            }
            Keyframes.PlayStop(Player);
        }
        break;
    default:
        Keyframes.SelectLastEditLayers();
        break;
    }
}

void TEditSession::CommandListOperation(TChoices& in) {
    TImagesItem* layer = Scene.SelectedCount == 1 ? Scene.CurrentLayer : nullptr;
    if (!layer) layer = LayerAt(in);
    if (!layer) return;
    TCommands* track = layer->ActiveTracks[in.Int(0, 2)];
    if (!track) return;
    const TListTarget t{State, Dialogs, *layer, *track};
    std::vector<int> rows;
    const int picked = in.Int(0, 3);
    for (int r = 0; r < picked; ++r)
        rows.push_back(in.Int(-1, track->Count()));
    const auto ask = [&in, this](TImagesItem&, const TCommandItem*) -> std::optional<TCommandFields> {
        if (in.Int(0, 5) == 0) return std::nullopt;
        const QStringList names = LayerNames();
        return TCommandFields{CommandName(in.Int(0, 22)), HostileParameter(in, names), HostileParameter(in, names),
                              HostileParameter(in, names)};
    };
    switch (in.Int(0, 12)) {
    case 0: Clipboard = CopyCommands(t, rows); break;
    case 1: PasteCommands(t, Clipboard, rows, in.Flag()); break;
    case 2: {
        // A clipboard from elsewhere: a count and commands of any kind.
        const QStringList names = LayerNames();
        const int count = in.Int(0, 6);
        const QString countLine = in.Int(0, 7) == 0 ? QString::number(in.Number()) : QString::number(count);
        QString text =
            QStringLiteral("VKP Clipboard\r\n%1\r\n%2\r\n").arg(countLine, HostileParameter(in, names));
        for (int c = 0; c < count; ++c) {
            text += QString::number(in.Int(0, 23)) + QStringLiteral("\r\n");
            for (int p = 1; p <= 3; ++p)
                text += HostileParameter(in, names) + QStringLiteral("\r\n");
        }
        PasteCommands(t, text, rows, in.Flag());
        break;
    }
    case 3: AddCommand(t, rows, ask); break;
    case 4: EditCommand(t, rows, ask); break;
    case 5: DeleteCommands(t, rows); break;
    case 6: in.Flag() ? (void)MoveCommandsUp(t, rows) : (void)MoveCommandsDown(t, rows); break;
    case 7: DropCommand(t, rows, in.Int(-1, track->Count())); break;
    case 8: AppendRestart(t); break;
    case 9: ConvertMoveToRelative(t, rows); break;
    case 10:
        State.AutoDuration = HostileNumberText(in);
        ChangeDuration(t, rows);
        break;
    case 11:
        Dialogs.TextAnswers.push_back(HostileNumberText(in));
        DurationFromSpeed(t, rows);
        break;
    default: InvertCommands(t, rows); break;
    }
}

void TEditSession::LayerListOperation(TChoices& in) {
    std::vector<TLayerRow> rows = RefreshList(Scene);
    std::vector<TLayerRow> selected;
    for (const TLayerRow& r : rows)
        if ((r.IsGroup() && in.Int(0, 3) == 0) || (!r.IsGroup() && r.Layer->Selected)) selected.push_back(r);
    const auto anyRow = [&]() -> std::optional<TLayerRow> {
        if (rows.empty() || in.Int(0, 4) == 0) return std::nullopt;
        return rows[static_cast<size_t>(in.Int(0, int(rows.size()) - 1))];
    };
    switch (in.Int(0, 13)) {
    case 0: SelectFromRows(Scene, selected); break;
    case 1: DropRows(State, Dialogs, selected, anyRow()); break; // drop to parent, into or out of a group
    case 2:
        Dialogs.TextAnswers.push_back(HostileName(in, LayerNames()));
        CreateGroup(State, Dialogs, selected);
        break;
    case 3: {
        const bool up = in.Flag();
        MoveSelected(State, up, in.Flag(), selected);
        break;
    }
    case 4: CloneLayers(State, Dialogs, selected, in.Flag()); break;
    case 5:
        DeleteSelected(State, Dialogs, Log, selected);
        break;
    case 6:
        Dialogs.TextAnswers.push_back(HostileNumberText(in));
        BatchRename(State, Dialogs);
        break;
    case 7: SetSelectedVisible(State, in.Flag()); break;
    case 8:
        if (!Scene.Groups.isEmpty()) {
            Dialogs.TextAnswers.push_back(HostileName(in, LayerNames()));
            const int group = in.Int(0, int(Scene.Groups.size()) - 1);
            const bool inStatus = in.Flag();
            const int x = in.Int(0, 60);
            GroupRowClick(State, Dialogs, group, inStatus, x, in.Flag());
        }
        break;
    case 9: {
        const auto text = in.Flag() ? LayerCommandsClipboard(Scene, in.Int(1, 21)) : std::optional<QString>(Clipboard);
        PasteIntoSelectedLayers(State, Dialogs, text, in.Int(0, 4));
        break;
    }
    case 10: {
        const int tabs = in.Int(0, 3);
        const bool move = in.Flag();
        const int from = in.Int(0, 3);
        CopyLayerCommands(Scene, Dialogs, tabs, move, from, in.Int(0, 3));
        break;
    }
    case 11: {
        const int tabs = in.Int(0, 3);
        DeleteLayerCommands(State, tabs, in.Flag());
        break;
    }
    case 12: {
        const auto by = static_cast<int32_t>(in.Number() % 100000);
        const int step = in.Int(-500, 500);
        TransposeLayers(State, by, step, in.Flag());
        break;
    }
    default: OpenAllGroups(Scene, in.Flag()); break;
    }
    RefreshList(Scene);
    RecomputeSelection(State);
}

void TEditSession::PropertyOperation(TChoices& in) {
    Inspector.Refresh();
    switch (in.Int(0, 6)) {
    case 0: {
        const auto field = static_cast<TInspectorField>(in.Int(0, 13));
        const auto value = static_cast<int32_t>(in.Number() % 3000000000LL);
        Inspector.Edit(field, value, in.Flag());
        break;
    }
    case 1: Inspector.ApplyRatio(); break;
    case 2: {
        const int x = in.Int(0, 64);
        Inspector.PickOrigin(x, in.Int(0, 64));
        break;
    }
    case 3: Inspector.OriginFromCommonOrigin(); break;
    case 4:
        Dialogs.TextAnswers.push_back(HostileName(in, LayerNames()));
        Inspector.RenameLayer(Dialogs);
        break;
    case 5: Inspector.MultiRotate(in.Int(-720, 720)); break;
    default: {
        const bool width = in.Flag();
        Inspector.MultiScale(width, in.Int(-10, 1000));
        break;
    }
    }
}

void TEditSession::PathOperation(TChoices& in) {
    switch (in.Int(0, 6)) {
    case 0: CurveToolClick(State, in.Int(1, 40)); break;
    case 1: {
        const int points = in.Int(1, 40);
        EllipseToolClick(State, points, in.Flag());
        break;
    }
    case 2: {
        const bool autoRotate = in.Flag();
        CreatePathKeyframes(State, autoRotate, HostileNumberText(in));
        break;
    }
    case 3: {
        const int by = in.Int(0, 10);
        TransposeSelected(State, by, in.Int(0, 10));
        break;
    }
    case 4: CreateStartCommands(State, Dialogs); break;
    case 5:
        BoneButtonClick(State, in.Flag());
        BoneSetup(State);
        break;
    default: SwitchToolOff(State); break;
    }
}

void TEditSession::Play(TChoices& in) {
    Keyframes.Finish(&Player); // the editor ends keyframe editing before the scene plays
    Player.ReadClock();
    Playback.Start(in.Flag());
    for (int k = in.Int(1, 6); k > 0; --k) {
        Clock.Set(Clock.NowMs() + in.Int(0, 2000));
        const bool running = Player.Tick();
        if (in.Int(0, 3) == 0 && !Scene.Layers.IsEmpty()) {
            UpdateCornersAndSelectionBounds(State);
            const int x = in.Int(0, 1024);
            const int y = in.Int(0, 768);
            Canvas.MouseDown(ssLeft, x, y, Now += 100); // a touch
            Canvas.MouseUp(0, 0, 0);
        }
        if (Playback.CheckAutoStop(running)) break;
    }
    if (Scene.Playing) Playback.Stop();
}

void TEditSession::SaveAndCompare(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString first;
    bool written = false;
    Keyframes.WithStartState([&] {
        first = ProjectText(Scene);
        try {
            WriteProject(Scene, path);
            written = true;
        } catch (const EVelkonError&) {
            // A text the code page cannot hold: refused with its message.
        }
    });
    if (!written) return;
    TScene again;
    TErrorLog log;
    try {
        ReadProject(again, path, log);
    } catch (const EVelkonError& e) {
        Fail(QStringLiteral("a saved project does not read back: ") + e.Message());
    }
    if (!again.Incomplete.isEmpty()) Fail(QStringLiteral("a saved project reads back incomplete: ") + again.Incomplete);
    const QString second = ProjectText(again);
    if (second != first) {
        qsizetype i = 0;
        while (i < first.size() && i < second.size() && first[i] == second[i])
            ++i;
        const qsizetype from = std::max<qsizetype>(0, i - 80);
        Fail(QStringLiteral("a saved project reads back different\nsaved:\n%1\nread back:\n%2")
                 .arg(first.mid(from, 200), second.mid(from, 200)));
    }
}

void TEditSession::Check(const char* after) {
    const auto fail = [after](const QString& what) { Fail(what + QStringLiteral(" after ") + QString::fromUtf8(after)); };
    if (Scene.Layers.Count() > MaxListEntries || Scene.Files.Count() > MaxListEntries ||
        Scene.Lines.size() > MaxListEntries)
        fail(QStringLiteral("a list longer than the reader takes"));
    int selected = 0;
    for (int i = 0; i < Scene.Layers.Count(); ++i) {
        const TImagesItem& l = *Scene.Layers.At(i);
        selected += l.Selected ? 1 : 0;
        for (int t = 1; t <= 12; ++t)
            if (l.TrackByNumber(t).Count() > MaxListEntries) fail(QStringLiteral("a track longer than the reader takes"));
        if (l.FileItem && Scene.Files.IndexOf(l.FileItem) < 0) fail(QStringLiteral("a layer on a file that is gone"));
    }
    if (Scene.CurrentLayer && Scene.Layers.IndexOf(Scene.CurrentLayer) < 0)
        fail(QStringLiteral("the current layer is gone"));
    (void)selected;
}

} // namespace velkon::fuzz
