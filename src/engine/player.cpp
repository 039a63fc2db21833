#include "engine/player.h"

#include "engine/clock.h"
#include "engine/motionmath.h"
#include "engine/params.h"
#include "engine/sounds.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/imagesitem.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <algorithm>
#include <exception>
#include <limits>

namespace velkon {

namespace {

int32_t Saturate(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// One property a movement command drives.
struct TProp {
    double TImagesItem::*Value;
    double TCommandItem::*Start;
    double TCommandItem::*Target;
    uint32_t EaseBit;
};

constexpr TProp propLeft{&TImagesItem::Left, &TCommandItem::StartLeft, &TCommandItem::TargetLeft, 0x10};
constexpr TProp propTop{&TImagesItem::Top, &TCommandItem::StartTop, &TCommandItem::TargetTop, 0x20};
constexpr TProp propWidth{&TImagesItem::Width, &TCommandItem::StartWidth, &TCommandItem::TargetWidth, 0x40};
constexpr TProp propHeight{&TImagesItem::Height, &TCommandItem::StartHeight, &TCommandItem::TargetHeight, 0x80};
constexpr TProp propAngle{&TImagesItem::Angle, &TCommandItem::StartAngle, &TCommandItem::TargetAngle, 0x100};
constexpr TProp propAlpha{&TImagesItem::Alpha, &TCommandItem::StartAlpha, &TCommandItem::TargetAlpha, 0x200};

constexpr TProp allProps[] = {propLeft, propTop, propWidth, propHeight, propAngle, propAlpha};

struct TPropList {
    const TProp* Items[6];
    int Count = 0;
    void Add(const TProp& p) { Items[Count++] = &p; }
};

TPropList MovedProps(const TCommandItem& c) {
    TPropList list;
    switch (c.Command()) {
    case cmdMoveTo:
    case cmdRelativeMoveTo: list.Add(propLeft); list.Add(propTop); break;
    case cmdReSize: list.Add(propWidth); list.Add(propHeight); break;
    case cmdRotate: list.Add(propAngle); break;
    case cmdFadeTo: list.Add(propAlpha); break;
    case cmdKeyFrame:
        list.Add(propLeft);
        list.Add(propTop);
        list.Add(propWidth);
        list.Add(propHeight);
        list.Add(propAngle);
        if (c.KeyAlpha)
            list.Add(propAlpha);
        break;
    }
    return list;
}

bool IsMovement(int command) {
    switch (command) {
    case cmdMoveTo:
    case cmdRelativeMoveTo:
    case cmdReSize:
    case cmdRotate:
    case cmdFadeTo:
    case cmdKeyFrame: return true;
    }
    return false;
}

bool IsQuick(int command) {
    return command == cmdShow || command == cmdHide || command == cmdStartOther || command == cmdStopOther;
}

// The duration parameter of a command (1..3), or 0 when it has none.
int DurationParam(int command) {
    switch (command) {
    case cmdMoveTo:
    case cmdRelativeMoveTo:
    case cmdReSize: return 3;
    case cmdRotate:
    case cmdFadeTo:
    case cmdKeyFrame: return 2;
    case cmdWait: return 1;
    }
    return 0;
}

// Text of key between marker and the next one; the rest of the text when next is null.
// Runs several starts one after the other even when one fails, and reports
// the first failure afterwards: one bad command must not keep the others still.
class TFirstError {
public:
    template <class F> void Run(F&& f) {
        try {
            f();
        } catch (...) {
            if (!error_)
                error_ = std::current_exception();
        }
    }
    void Rethrow() {
        if (error_)
            std::rethrow_exception(error_);
    }

private:
    std::exception_ptr error_;
};

inline void Prefetch(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// What a slot copies of its command for the linear step.
enum TSlotKind : int32_t { slotFull = 0, slotMove, slotResize, slotRotate, slotFade };

} // namespace

TPlayer::TSlot TPlayer::SlotOf(const TCommands& track) {
    const int current = track.Current;
    if (current < 0 || current >= track.Count())
        return {};
    const TCommandItem& c = *track.Item(current);
    TSlot s;
    s.Stamp = track.Stamp();
    s.Current = current;
    s.StartTime = c.StartTime;
    s.Duration = c.Duration;
    if (c.EaseFlags != 0)
        return s; // eased: always the full step
    switch (c.Command()) {
    case cmdMoveTo:
    case cmdRelativeMoveTo:
        s.Kind = slotMove;
        s.V = {c.StartLeft, c.TargetLeft, c.StartTop, c.TargetTop};
        break;
    case cmdReSize:
        s.Kind = slotResize;
        s.V = {c.StartWidth, c.TargetWidth, c.StartHeight, c.TargetHeight};
        break;
    case cmdRotate:
        s.Kind = slotRotate;
        s.V = {c.StartAngle, c.TargetAngle, 0, 0};
        break;
    case cmdFadeTo:
        s.Kind = slotFade;
        s.V = {c.StartAlpha, c.TargetAlpha, 0, 0};
        break;
    }
    return s;
}

// The linear middle of a movement without ease, from a slot's copy of its
// command; false when the command needs the full step.
#if defined(__GNUC__)
__attribute__((always_inline))
#endif
inline bool TPlayer::SlotStep(TImagesItem& layer, const TSlot& s, int32_t now) {
    const int64_t e = static_cast<int64_t>(now) - s.StartTime;
    if (s.Kind == slotFull || e < 0 || e >= s.Duration)
        return false;
    const double g = static_cast<double>(e) / s.Duration;
    const std::array<double, 4>& v = s.V;
    switch (s.Kind) {
    case slotMove:
        layer.Left = v[0] + (v[1] - v[0]) * g;
        layer.Top = v[2] + (v[3] - v[2]) * g;
        return true;
    case slotResize:
        layer.Width = v[0] + (v[1] - v[0]) * g;
        layer.Height = v[2] + (v[3] - v[2]) * g;
        return true;
    case slotRotate: layer.Angle = v[0] + (v[1] - v[0]) * g; return true;
    case slotFade: layer.Alpha = v[0] + (v[1] - v[0]) * g; return true;
    }
    return false;
}

TPlayer::TPlayer(TScene& scene, TClockSource& clock) : scene_(scene), clock_(clock) {}

void TPlayer::Event(const char* kind, const QString& name) {
    if (OnEvent)
        OnEvent(QLatin1String(kind), name);
}

bool TPlayer::Tick() {
    scene_.Clock.LastTime = scene_.Clock.Now;
    scene_.Clock.Now = clock_.NowMs();
    const int32_t now = scene_.Clock.Now;
    // Whether every track took at most its linear step: then nothing but
    // geometry changed, and what was running still runs.
    bool linearOnly = true;
    bool running = false;
    // A tick run from a callback of a full step works with a cache of its own,
    // so that the outer tick's slots stay where they are.
    std::vector<TSlot> nestedSlots;
    std::vector<TSlot>& cache = ticking_ ? nestedSlots : slots_;
    struct TTicking {
        bool& Flag;
        bool Was = Flag;
        ~TTicking() { Flag = Was; }
    } ticking{ticking_};
    ticking_ = true;
    try {
        const int count = scene_.Layers.Count();
        cache.resize(static_cast<size_t>(count) * 3);
        TSlot* const slot0 = cache.data();
        // The layers of a few layers ahead are asked for before they are
        // stepped: their first three cache lines hold everything the linear
        // step touches, the Base tracks included. The slots are read in order.
        constexpr int ahead = 8;
        for (int l = 0; l < count; ++l) {
            if (l + ahead < count) {
                const char* next = reinterpret_cast<const char*>(scene_.Layers.At(l + ahead));
                Prefetch(next);
                Prefetch(next + 64);
                Prefetch(next + 128);
            }
            TImagesItem& layer = *scene_.Layers.At(l);
            TSlot* slot = slot0 + l * 3;
            bool plain = layer.Acceleration == 0;
            for (int i = 0; i < 3; ++i, ++slot) {
                TCommands* track = layer.ActiveTracks[i];
                if (!track)
                    continue;
                // The common case: the track still runs the command it ran last
                // time, prepared as it was then, a movement in its linear middle.
                const int current = track->Current;
                if (slot->Current == current && slot->Stamp == track->Stamp() && plain &&
                    SlotStep(layer, *slot, now)) {
                    running = true;
                    continue;
                }
                if (current < 0)
                    continue;
                linearOnly = false;
                RunTrack(layer, *track);
                plain = layer.Acceleration == 0;
                const TCommands* after = layer.ActiveTracks[i];
                *slot = after ? SlotOf(*after) : TSlot{};
            }
        }
    } catch (const std::exception& e) {
        linearOnly = false;
        if (OnError) {
            const auto* ve = dynamic_cast<const EVelkonError*>(&e);
            OnError(ve ? ve->Message() : QString::fromUtf8(e.what()));
        }
    }
    if (linearOnly)
        return running;
    for (int l = 0; l < scene_.Layers.Count(); ++l)
        if (scene_.Layers.At(l)->AnyActiveTrackRunning())
            return true;
    return false;
}

void TPlayer::ReadClock() {
    scene_.Clock.Now = clock_.NowMs();
    scene_.Clock.LastTime = scene_.Clock.Now;
}

void TPlayer::RunTrack(TImagesItem& layer, TCommands& track) {
    // A quick run may jump back into itself (StartOther on its own layer):
    // every command gets at most one go per tick, the rest waits for the next.
    int budget = track.Count() + 1;
    while (track.Current >= 0 && budget-- > 0) {
        TCommandItem& c = *track.Item(track.Current);
        if (IsMovement(c.Command())) {
            if (!StepLinear(layer, track))
                StepMovement(layer, track);
            break;
        }
        const bool quick = IsQuick(c.Command());
        Step(layer, track);
        if (!quick || track.Current < 0)
            break;
    }
}

void TPlayer::StartTrack(TImagesItem& layer, TCommands& track) {
    if (track.IsEmpty())
        return;
    track.Current = 0;
    for (int i = 0; i < track.Count(); ++i)
        if (track.Item(i)->Command() == cmdLoop)
            track.Item(i)->SetParam(3, QString());
    PrepareAt(layer, track, scene_.Clock.Now);
}

void TPlayer::StartTrackAt(TImagesItem& layer, TCommands& track, int index) {
    if (index < 0 || index >= track.Count())
        return;
    track.Current = index;
    for (int i = 0; i < track.Count(); ++i)
        if (track.Item(i)->Command() == cmdLoop)
            track.Item(i)->SetParam(3, QString());
    PrepareAt(layer, track, scene_.Clock.Now);
}

void TPlayer::StopTrack(TCommands& track) {
    if (track.IsEmpty()) return;
    track.Current = -1;
    // A Loop counts down in its own third parameter; the count is play state,
    // so a stopped track leaves its commands as they were written.
    for (int i = 0; i < track.Count(); ++i)
        if (track.Item(i)->Command() == cmdLoop && !track.Item(i)->sParam3().isEmpty())
            track.Item(i)->SetParam(3, QString());
}

int32_t TPlayer::EndTime(const TCommands& track) const {
    const TCommandItem& c = *track.Item(track.Current);
    const int p = DurationParam(c.Command());
    const int64_t nominal = p == 0 ? 0 : ToMs(p == 1 ? c.Value1 : p == 2 ? c.Value2 : c.Value3);
    return Saturate(static_cast<int64_t>(c.StartTime) + nominal);
}

void TPlayer::Advance(TImagesItem& layer, TCommands& track, int64_t step) {
    if (track.Current < 0)
        return;
    const int last = track.Count() - 1;
    // Steps come from a loop's second parameter, anything from -2^31 to 2^31 - 1,
    // turned around: the sum is taken wide so that it cannot overflow.
    const int64_t next = static_cast<int64_t>(track.Current) + step;
    // A jump past either end of the track ends it rather than reading outside it.
    if ((track.Current < last || step < 0) && next >= 0 && next <= last) {
        const int32_t t = EndTime(track);
        track.Current = static_cast<int>(next);
        PrepareAt(layer, track, t);
        return;
    }
    track.Current = -1;
    if (layer.TouchRunning) {
        for (const TCommands* t : layer.ActiveTracks)
            if (t && t->Running())
                return;
        layer.SelectAnimation(TImagesItem::animBase);
        layer.TouchRunning = false;
        TFirstError error;
        for (TCommands& t : layer.Base.Track)
            error.Run([&] { StartTrack(layer, t); });
        error.Rethrow();
    }
}

void TPlayer::PrepareAt(TImagesItem& layer, TCommands& track, int32_t startTime) {
    try {
        Prepare(layer, track);
    } catch (...) {
        // The command still starts now, so that the next tick goes on from here.
        track.Item(track.Current)->StartTime = startTime;
        throw;
    }
    track.Item(track.Current)->StartTime = startTime;
}

void TPlayer::Prepare(TImagesItem& layer, TCommands& track) {
    TCommandItem& c = *track.Item(track.Current);
    // The working state is about to change: no copy of it may be used again.
    track.MarkChanged();
    c.Owner = &layer;
    c.EaseFlags = 0;
    c.Value1 = c.sParam1();
    c.Value2 = c.sParam2();
    c.Value3 = c.sParam3();
    try {
        for (int p = 1; p <= 3; ++p) {
            const QString r = EvaluateParameter(c.Param(p), c, scene_);
            if (!r.isEmpty())
                c.Value(p) = r;
        }
        if (c.Command() == cmdRelativeMoveTo) {
            c.Value1 = FormatNumber(ToFloat(c.Value1) + layer.Left);
            c.Value2 = FormatNumber(ToFloat(c.Value2) + layer.Top);
        }
        switch (c.Command()) {
        case cmdMoveTo:
        case cmdRelativeMoveTo:
            c.StartLeft = layer.Left;
            c.StartTop = layer.Top;
            c.TargetLeft = ToInt(c.Value1);
            c.TargetTop = ToInt(c.Value2);
            c.Duration = ToMs(c.Value3);
            break;
        case cmdReSize:
            c.StartWidth = layer.Width;
            c.StartHeight = layer.Height;
            c.TargetWidth = ToInt(c.Value1);
            c.TargetHeight = ToInt(c.Value2);
            c.Duration = ToMs(c.Value3);
            break;
        case cmdRotate:
            c.StartAngle = layer.Angle;
            c.TargetAngle = ToInt(c.Value1);
            c.Duration = ToMs(c.Value2);
            break;
        case cmdFadeTo:
            c.StartAlpha = layer.Alpha;
            c.TargetAlpha = ToInt(c.Value1);
            c.Duration = ToMs(c.Value2);
            break;
        case cmdKeyFrame: {
            const QString& key = c.Value1;
            const TKeyText k = SplitKeyText(key);
            const bool hasAlpha = k.HasAlpha;
            const int x = ToInt(k.X);
            const int y = ToInt(k.Y);
            const int w = ToInt(k.W);
            const int h = ToInt(k.H);
            const int a = ToInt(k.A);
            const int f = hasAlpha ? ToInt(k.F) : 0;
            c.StartLeft = layer.Left;
            c.StartTop = layer.Top;
            c.StartWidth = layer.Width;
            c.StartHeight = layer.Height;
            c.StartAngle = layer.Angle;
            c.TargetLeft = x;
            c.TargetTop = y;
            c.TargetWidth = w;
            c.TargetHeight = h;
            c.TargetAngle = a;
            c.KeyAlpha = hasAlpha;
            if (hasAlpha) {
                c.StartAlpha = layer.Alpha;
                c.TargetAlpha = f;
            }
            c.Duration = ToMs(c.Value2);
            break;
        }
        }
    } catch (...) {
        // A command that could not be prepared must not drag the layer to stale
        // targets of an earlier run: it holds still and ends at once.
        for (const TProp& p : allProps) {
            c.*p.Start = layer.*p.Value;
            c.*p.Target = layer.*p.Value;
        }
        c.KeyAlpha = false;
        c.Duration = 0;
        throw;
    }
    const int p = DurationParam(c.Command());
    if (p != 0 && scene_.TimeScale != 1)
        c.Value(p) = FormatNumber(ToFloat(c.Value(p)) * scene_.TimeScale);
    c.Duration = Saturate(static_cast<int64_t>(c.Duration) * scene_.TimeScale);
}

void TPlayer::Step(TImagesItem& layer, TCommands& track) {
    const int command = track.Item(track.Current)->Command();
    if (IsMovement(command))
        StepMovement(layer, track);
    else if (command == cmdLoop)
        StepLoop(layer, track);
    else
        StepInstant(layer, track);
}

bool TPlayer::StepLinear(TImagesItem& layer, const TCommands& track) const {
    if (layer.Acceleration != 0)
        return false;
    return SlotStep(layer, SlotOf(track), scene_.Clock.Now);
}

void TPlayer::StepMovement(TImagesItem& layer, TCommands& track) {
    TCommandItem& c = *track.Item(track.Current);
    const int32_t now = scene_.Clock.Now;
    const int64_t d = c.Duration;
    // A command may start in the future when an accelerated one before it
    // ended early; until then it holds its start values.
    const int64_t e = std::max<int64_t>(0, static_cast<int64_t>(now) - c.StartTime);
    int64_t r = d - (static_cast<int64_t>(now) - c.StartTime);
    const int64_t a = layer.Acceleration;
    if (a != 0) {
        const int64_t q = ((static_cast<int64_t>(c.StartTime) - now) * a) / 10;
        r = static_cast<int64_t>(c.StartTime) + d - now - q;
    }
    const TPropList props = MovedProps(c);
    if (r <= 0) {
        for (int i = 0; i < props.Count; ++i)
            layer.*props.Items[i]->Value = c.*props.Items[i]->Target;
        Advance(layer, track, 1);
        return;
    }
    if (a != 0) {
        // The step never covers more than what is left: a slow tick must not
        // throw the layer past its target.
        const double dt = static_cast<double>(now) - scene_.Clock.LastTime;
        const double share = std::clamp(dt / static_cast<double>(r), 0.0, 1.0);
        for (int i = 0; i < props.Count; ++i) {
            double& x = layer.*props.Items[i]->Value;
            x += (c.*props.Items[i]->Target - x) * share;
        }
        return;
    }
    if (now < c.StartTime) {
        // Not started yet: every property holds its start value, eased or not
        // (an eased command of no duration would otherwise read its curve's end).
        for (int i = 0; i < props.Count; ++i)
            layer.*props.Items[i]->Value = c.*props.Items[i]->Start;
        return;
    }
    const double ed = static_cast<double>(e), dd = static_cast<double>(d);
    const double g = dd > 0 ? ed / dd : 0.0;
    const uint32_t mode = c.EaseFlags & 0xF;
    uint32_t phase = mode;
    double ease = 0;
    switch (mode) {
    case 1: ease = EasePolynomial(c.EaseCoef, dd, ed); break;
    case 2: ease = EasePolynomial(c.EaseCoef, dd, dd - ed); break;
    case 4:
        if (ed < dd / 2) {
            phase = 1;
            ease = EasePolynomial(c.EaseCoef, dd, 2 * ed) / 2;
        } else {
            phase = 2;
            ease = EasePolynomial(c.EaseCoef, dd, 2 * (dd - ed)) / 2;
        }
        break;
    }
    for (int i = 0; i < props.Count; ++i) {
        const TProp& p = *props.Items[i];
        const double s = c.*p.Start, t = c.*p.Target;
        double& x = layer.*p.Value;
        if (!(c.EaseFlags & p.EaseBit))
            x = s + (t - s) * g;
        else if (phase == 1)
            x = s + (t - s) * ease;
        else if (phase == 2)
            x = t - (t - s) * ease;
        // Any other mode holds an eased property until the command ends.
    }
}

void TPlayer::StepLoop(TImagesItem& layer, TCommands& track) {
    TCommandItem& c = *track.Item(track.Current);
    if (c.sParam3().isEmpty())
        c.SetParam(3, c.sParam1());
    int64_t counter = 0;
    int64_t s = 0;
    try {
        counter = ToInt(c.sParam3());
        if (counter != 0)
            s = ToInt(c.sParam2());
    } catch (...) {
        // An unreadable loop is passed over, so that it does not fail on every tick.
        c.SetParam(3, QString());
        Advance(layer, track, 1);
        throw;
    }
    if (counter == 0) {
        c.SetParam(3, c.sParam1());
        Advance(layer, track, 1);
        return;
    }
    // Counting down stops at the smallest whole number: such a loop runs on
    // practically forever, like -1.
    if (c.sParam3() != QLatin1String("-1"))
        c.SetParam(3, QString::number(std::max<int64_t>(counter - 1, std::numeric_limits<int32_t>::min())));
    if (track.Current - s < 0)
        Advance(layer, track, -track.Current);
    else
        Advance(layer, track, -s);
}

void TPlayer::StepInstant(TImagesItem& layer, TCommands& track) {
    TCommandItem& c = *track.Item(track.Current);
    const int32_t now = scene_.Clock.Now;
    bool restarted = false;
    try {
        switch (c.Command()) {
        case cmdChgImage: {
            TFilesItem* file = scene_.Files.Find(c.Value1);
            // Only a picture can be shown; anything else leaves the layer as it is.
            if (file && file->Kind == TFilesItem::kindPicture && file->Image) {
                layer.FileItem = file;
                layer.Picture = file->Image.get();
                layer.Width = layer.Picture->Width;
                layer.Height = layer.Picture->Height;
            }
            break;
        }
        case cmdWait: {
            const int64_t r = static_cast<int64_t>(ToMs(c.Value1)) + c.StartTime - now;
            if (r >= 0)
                return;
            break;
        }
        case cmdReStart: {
            const int32_t t = EndTime(track);
            const bool all = ToInt(c.Value1) == 1;
            restarted = true;
            TFirstError error;
            for (TCommands* other : layer.ActiveTracks) {
                if (!other || other->IsEmpty() || (!all && other != &track))
                    continue;
                other->Current = 0;
                error.Run([&] { PrepareAt(layer, *other, t); });
            }
            error.Rethrow();
            return; // a restart never advances
        }
        case cmdShow:
        case cmdHide:
            if (TImagesItem* other = scene_.Layers.Find(c.Value1))
                other->Visible = c.Command() == cmdShow;
            break;
        case cmdFlip: layer.FlipMode = ToInt(c.Value1); break;
        case cmdStartOther:
            if (TImagesItem* other = scene_.Layers.Find(c.Value1)) {
                if (ToInt(c.Value2) == 1) {
                    TouchStart(*other);
                } else {
                    TFirstError error;
                    for (TCommands* t : other->ActiveTracks)
                        if (t)
                            error.Run([&] { StartTrack(*other, *t); });
                    error.Rethrow();
                }
            }
            break;
        case cmdStopOther:
            if (TImagesItem* other = scene_.Layers.Find(c.Value1))
                for (TCommands* t : other->ActiveTracks)
                    if (t)
                        StopTrack(*t);
            break;
        case cmdReSet: layer.RestoreState(); break;
        case cmdPlaySfx:
        case cmdStopSfx: {
            TFilesItem* file = scene_.Files.Find(c.Value1);
            // Only a loaded sound plays; anything else is passed over.
            if (file && file->Kind == TFilesItem::kindSound && file->Sound) {
                const bool play = c.Command() == cmdPlaySfx;
                if (!Silent) {
                    TSounds& sounds = SceneSounds(scene_);
                    if (play)
                        sounds.Play(*file->Sound);
                    else
                        sounds.Stop(*file->Sound);
                }
                Event(play ? "sfx play" : "sfx stop", file->Name);
            }
            break;
        }
        case cmdAccelerate: {
            // The layer keeps the value with its sign turned; -2147483648 has
            // no positive twin and becomes the largest slowing there is.
            const int64_t a = -static_cast<int64_t>(ToInt(c.Value1));
            layer.Acceleration =
                static_cast<int32_t>(std::min<int64_t>(a, std::numeric_limits<int32_t>::max()));
            break;
        }
        case cmdPlayParticle:
        case cmdStopParticle: break;
        default: return; // not a command of the catalogue: it never ends
        }
    } catch (const EVelkonError&) {
        // A value that cannot be read skips its command instead of failing on
        // every tick; a restart has already moved its track and stays where it is.
        if (!restarted && track.Current >= 0 && track.Item(track.Current) == &c)
            Advance(layer, track, 1);
        throw;
    }
    Advance(layer, track, 1);
}

void TPlayer::TouchStart(TImagesItem& layer) {
    if (layer.TouchRunning || !layer.HasTouchCommands())
        return;
    switch (layer.TouchIndex) {
    case 1:
        if (layer.Touch2.HasCommands()) {
            layer.TouchIndex = 2;
            layer.SelectAnimation(TImagesItem::animTouch2);
        } else {
            layer.TouchIndex = 1;
            layer.SelectAnimation(TImagesItem::animTouch1);
        }
        break;
    case 2:
        if (layer.Touch3.HasCommands()) {
            layer.TouchIndex = 3;
            layer.SelectAnimation(TImagesItem::animTouch3);
        } else {
            layer.TouchIndex = 1;
            layer.SelectAnimation(TImagesItem::animTouch1);
        }
        break;
    default: // 0 or 3
        if (layer.Touch1.HasCommands()) {
            layer.TouchIndex = 1;
            layer.SelectAnimation(TImagesItem::animTouch1);
        }
        break;
    }
    layer.TouchRunning = true;
    Event("touch", layer.Name);
    TFirstError error;
    for (TCommands* t : layer.ActiveTracks)
        if (t)
            error.Run([&] { StartTrack(layer, *t); });
    error.Rethrow();
}

} // namespace velkon
