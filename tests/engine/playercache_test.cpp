// The tick remembers each track's running command between ticks. Whatever is
// changed from outside between two ticks, a player that has ticked before must
// give exactly what a player meeting the scene for the first time gives.
#include "support/testsupport.h"

#include "engine/clock.h"
#include "engine/player.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/scene.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace velkon;

namespace {

TCommandItem* Add(TCommands& track, int command, const QString& p1, const QString& p2 = {}, const QString& p3 = {}) {
    return track.Add(CommandName(command), std::make_unique<TCommandItem>(command, p1, p2, p3));
}

std::unique_ptr<TCommandItem> Cmd(int command, const QString& p1, const QString& p2 = {}, const QString& p3 = {}) {
    return std::make_unique<TCommandItem>(command, p1, p2, p3);
}

struct TWorld {
    TScene Scene;
    TManualClock Clock;
    QStringList Errors;

    TImagesItem* Layer(const QString& name) const { return Scene.Layers.Find(name); }

    TWorld() {
        for (const char* name : {"A", "B", "C"}) {
            auto layer = std::make_unique<TImagesItem>();
            layer->Name = name;
            layer->Width = layer->Height = 100;
            TImagesItem* l = Scene.Layers.Add(name, std::move(layer));
            Add(l->Base.Track[0], cmdMoveTo, "100", "50", "1");
            Add(l->Base.Track[0], cmdMoveTo, "0", "0", "1");
            Add(l->Base.Track[1], cmdRotate, "90", "1");
            Add(l->Base.Track[2], cmdFadeTo, "0", "2");
            Add(l->Touch1.Track[0], cmdRelativeMoveTo, "-30", "10", "0,5");
        }
    }

    // Snapshot of everything a tick may change.
    std::vector<double> State() const {
        std::vector<double> s;
        for (const auto& [name, l] : Scene.Layers) {
            s.insert(s.end(), {l->Left, l->Top, l->Width, l->Height, l->Angle, l->Alpha, double(l->ActiveAnimation()),
                               double(l->TouchRunning)});
            for (int n = 1; n <= 12; ++n)
                s.push_back(l->TrackByNumber(n).Current);
        }
        return s;
    }
};

struct TChange {
    const char* Name;
    std::function<void(TWorld&, TPlayer&)> Apply;
};

const TChange changes[] = {
    {"nothing", [](TWorld&, TPlayer&) {}},
    {"track stopped by hand", [](TWorld& w, TPlayer&) { w.Layer("A")->Base.Track[0].Current = -1; }},
    {"next command chosen by hand",
     [](TWorld& w, TPlayer& p) {
         TImagesItem& a = *w.Layer("A");
         a.Base.Track[0].Current = 1;
         p.Prepare(a, a.Base.Track[0]);
     }},
    {"stopped track started by hand", [](TWorld& w, TPlayer& p) {
         TImagesItem& a = *w.Layer("A");
         p.StopTrack(a.Base.Track[1]);
         a.Base.Track[1].Current = 0;
     }},
    {"track restarted", [](TWorld& w, TPlayer& p) { p.StartTrack(*w.Layer("B"), w.Layer("B")->Base.Track[0]); }},
    {"command inserted before the running one",
     [](TWorld& w, TPlayer& p) {
         TImagesItem& a = *w.Layer("A");
         a.Base.Track[0].Insert(0, Cmd(cmdMoveTo, "-50", "-50", "1"));
         p.Prepare(a, a.Base.Track[0]);
     }},
    {"running command replaced in its place",
     [](TWorld& w, TPlayer& p) {
         TImagesItem& a = *w.Layer("A");
         a.Base.Track[0].Delete(0);
         a.Base.Track[0].Insert(0, Cmd(cmdRotate, "45", "1"));
         p.Prepare(a, a.Base.Track[0]);
     }},
    {"running command moved", [](TWorld& w, TPlayer&) { w.Layer("A")->Base.Track[0].Move(0, 1); }},
    {"track replaced by its clone",
     [](TWorld& w, TPlayer& p) {
         TImagesItem& a = *w.Layer("A");
         a.Base.Track[0] = a.Base.Track[0].Clone();
         p.Prepare(a, a.Base.Track[0]);
     }},
    {"running command edited", [](TWorld& w, TPlayer&) {
         // Not prepared again: it runs on with the values it started with.
         w.Layer("A")->Base.Track[0].Item(0)->SetParam(1, QStringLiteral("400"));
     }},
    {"running command edited and prepared again", [](TWorld& w, TPlayer& p) {
         TImagesItem& a = *w.Layer("A");
         a.Base.Track[0].Item(0)->SetParam(1, QStringLiteral("400"));
         p.Prepare(a, a.Base.Track[0]);
     }},
    {"ease set on the running command", [](TWorld& w, TPlayer& p) {
         TImagesItem& a = *w.Layer("A");
         a.Base.Track[1].Item(0)->SetParam(2, QStringLiteral("Ease(d=1e=1f=0g=0h=-2i=3j=0)"));
         p.Prepare(a, a.Base.Track[1]);
     }},
    {"same command prepared with the layer elsewhere", [](TWorld& w, TPlayer& p) {
         // Same list, same index, same stored part: only the working state differs.
         TImagesItem& b = *w.Layer("B");
         b.Left = 700;
         p.Prepare(b, b.Base.Track[0]);
     }},
    {"layer accelerated", [](TWorld& w, TPlayer&) { w.Layer("B")->Acceleration = -10; }},
    {"touch started", [](TWorld& w, TPlayer& p) { p.TouchStart(*w.Layer("B")); }},
    {"other animation made active", [](TWorld& w, TPlayer& p) {
         TImagesItem& c = *w.Layer("C");
         c.SelectAnimation(TImagesItem::animTouch1);
         p.StartTrack(c, c.Touch1.Track[0]);
     }},
    {"layers reordered", [](TWorld& w, TPlayer&) { w.Scene.Layers.Move(0, 2); }},
    {"layer deleted", [](TWorld& w, TPlayer&) { w.Scene.Layers.Delete(0); }},
    {"layer replaced", [](TWorld& w, TPlayer&) {
         w.Scene.Layers.Delete(1);
         auto layer = std::make_unique<TImagesItem>();
         layer->Name = "D";
         Add(layer->Base.Track[0], cmdMoveTo, "10", "10", "1");
         layer->Base.Track[0].Current = 0;
         w.Scene.Layers.Insert(1, "D", std::move(layer));
     }},
};

TEST(PlayerCache, TickFollowsWhatWasChangedFromOutside) {
    for (const TChange& change : changes) {
        SCOPED_TRACE(change.Name);
        // warm keeps one player throughout; cold meets the scene anew on every tick.
        TWorld warm, cold;
        TPlayer player(warm.Scene, warm.Clock);
        player.OnError = [&](const QString& m) { warm.Errors << m; };
        auto coldTick = [&] {
            TPlayer fresh(cold.Scene, cold.Clock);
            fresh.OnError = [&](const QString& m) { cold.Errors << m; };
            return fresh.Tick();
        };
        for (TWorld* w : {&warm, &cold}) {
            TPlayer starter(w->Scene, w->Clock);
            for (const auto& [name, l] : w->Scene.Layers)
                for (TCommands& t : l->Base.Track)
                    starter.StartTrack(*l, t);
        }
        for (int ms : {100, 200}) {
            warm.Clock.Set(ms);
            cold.Clock.Set(ms);
            EXPECT_EQ(player.Tick(), coldTick());
        }
        ASSERT_EQ(warm.State(), cold.State());
        {
            TPlayer coldChanger(cold.Scene, cold.Clock);
            change.Apply(cold, coldChanger);
            change.Apply(warm, player);
        }
        for (int ms : {300, 450, 700, 1100, 1400, 2100, 2500}) {
            warm.Clock.Set(ms);
            cold.Clock.Set(ms);
            EXPECT_EQ(player.Tick(), coldTick()) << ms;
            EXPECT_EQ(warm.State(), cold.State()) << ms;
        }
        EXPECT_EQ(warm.Errors, cold.Errors);
    }
}

// A callback of a full step may tick again and add layers while the outer tick
// runs: the outer tick must go on as a player without memory would.
TEST(PlayerCache, TickRunFromACallbackLeavesTheOuterTickIntact) {
    auto prepare = [](TWorld& w) {
        auto layer = std::make_unique<TImagesItem>();
        layer->Name = "E";
        Add(layer->Base.Track[0], cmdWait, "0,25");
        Add(layer->Base.Track[0], cmdStartOther, "B", "1");
        Add(layer->Base.Track[0], cmdMoveTo, "5", "5", "1");
        w.Scene.Layers.Insert(0, "E", std::move(layer));
        TPlayer starter(w.Scene, w.Clock);
        for (const auto& [name, l] : w.Scene.Layers)
            for (TCommands& t : l->Base.Track)
                starter.StartTrack(*l, t);
    };
    // On every touch: new running layers, and one more tick that meets them.
    auto hook = [](TWorld& w, TPlayer& p) {
        p.OnEvent = [&w, &p](const QString& kind, const QString&) {
            if (kind != QLatin1String("touch"))
                return;
            for (int i = 0; i < 40; ++i) {
                const QString name = QStringLiteral("F%1").arg(w.Scene.Layers.Count());
                auto layer = std::make_unique<TImagesItem>();
                layer->Name = name;
                Add(layer->Base.Track[0], cmdMoveTo, "-20", "20", "1");
                TImagesItem* l = w.Scene.Layers.Add(name, std::move(layer));
                p.StartTrack(*l, l->Base.Track[0]);
            }
            p.Tick();
        };
        p.OnError = [&w](const QString& m) { w.Errors << m; };
    };
    TWorld warm, cold;
    prepare(warm);
    prepare(cold);
    TPlayer player(warm.Scene, warm.Clock);
    hook(warm, player);
    for (int ms : {100, 200, 300, 400, 900, 1300, 1800}) {
        warm.Clock.Set(ms);
        cold.Clock.Set(ms);
        TPlayer fresh(cold.Scene, cold.Clock);
        hook(cold, fresh);
        EXPECT_EQ(player.Tick(), fresh.Tick()) << ms;
        EXPECT_EQ(warm.State(), cold.State()) << ms;
    }
    EXPECT_GT(warm.Scene.Layers.Count(), 40);
    EXPECT_EQ(warm.Errors, cold.Errors);
}

// The comparison above only means something if the remembered command would
// have gone wrong: a command put in the running one's place must take over.
TEST(PlayerCache, CommandPutInTheRunningOnesPlaceTakesOver) {
    TWorld w;
    TPlayer player(w.Scene, w.Clock);
    TImagesItem& a = *w.Layer("A");
    player.StartTrack(a, a.Base.Track[0]);
    w.Clock.Set(500);
    player.Tick();
    EXPECT_DOUBLE_EQ(a.Left, 50);
    // The old command stays alive, so that following it would quietly go on moving Left.
    const std::unique_ptr<TCommandItem> old = a.Base.Track[0].Take(0);
    a.Base.Track[0].Insert(0, Cmd(cmdMoveTo, "50", "200", "1"));
    player.Prepare(a, a.Base.Track[0]);
    w.Clock.Set(750);
    player.Tick();
    EXPECT_DOUBLE_EQ(a.Left, 50);
    EXPECT_DOUBLE_EQ(a.Top, 25 + (200 - 25) * 0.75);
}

} // namespace
