#pragma once

#include "support/testsupport.h"

#include "engine/clock.h"
#include "engine/player.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/scene.h"

#include <gtest/gtest.h>

namespace velkon::test {

// A scene in memory with a hand-driven clock, for player and playback tests.
class PlayerFixture : public ::testing::Test {
protected:
    TScene scene;
    TManualClock clock;
    TPlayer player{scene, clock};
    QStringList errors;
    QStringList events;

    void SetUp() override {
        player.OnError = [this](const QString& m) { errors << m; };
        player.OnEvent = [this](const QString& kind, const QString& name) { events << kind + " " + name; };
    }

    TImagesItem* Layer(const QString& name, double left = 0, double top = 0, double width = 100, double height = 100) {
        auto layer = std::make_unique<TImagesItem>();
        layer->Name = name;
        layer->Left = left;
        layer->Top = top;
        layer->Width = width;
        layer->Height = height;
        return scene.Layers.Add(name, std::move(layer));
    }

    static TCommandItem* Add(TCommands& track, int command, const QString& p1 = {}, const QString& p2 = {},
                             const QString& p3 = {}) {
        return track.Add(CommandName(command), std::make_unique<TCommandItem>(command, p1, p2, p3));
    }

    bool TickAt(int ms) {
        clock.Set(ms);
        return player.Tick();
    }

    void StartBase(TImagesItem* layer) {
        for (TCommands& t : layer->Base.Track)
            player.StartTrack(*layer, t);
    }
};

} // namespace velkon::test
