// Deeply nested Loop steps: every tick ends within its budget, and the track
// goes on where it stood.
#include "engine/params.h"
#include "engine/playertestsupport.h"

#include <cmath>

namespace velkon::test {
namespace {

class HostileLoops : public PlayerFixture {};

TEST_F(HostileLoops, ThousandsOfNestedLoopsKeepEveryTickShort) {
    TImagesItem* l = Layer(QStringLiteral("L"));
    TCommands& t = l->Base.Track[0];
    Add(t, cmdMoveTo, QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("0"));
    // Loop k jumps k commands back, to the move, twice: 2^2000 rounds in all.
    constexpr int loops = 2000;
    for (int k = 1; k <= loops; ++k)
        Add(t, cmdLoop, QStringLiteral("2"), QString::number(k));
    Add(t, cmdMoveTo, QStringLiteral("99"), QStringLiteral("0"), QStringLiteral("0"));
    StartBase(l);
    for (int ms = 0; ms <= 1000; ms += 20)
        TickAt(ms);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(t.Running());
    EXPECT_EQ(l->Left, 10.0); // the last move is 2^2000 rounds away
    EXPECT_EQ(TrackDuration(t), 0.0);
}

TEST_F(HostileLoops, ALoopForeverFarBeforeTheStartStaysInTheTrack) {
    TImagesItem* l = Layer(QStringLiteral("L"));
    TCommands& t = l->Base.Track[0];
    Add(t, cmdWait, QStringLiteral("0,01"));
    Add(t, cmdLoop, QStringLiteral("-1"), QStringLiteral("2147483647")); // forever, far before the start
    Add(t, cmdShow);
    StartBase(l);
    for (int ms = 0; ms <= 1000; ms += 10)
        TickAt(ms);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(t.Running());
    EXPECT_GE(t.Current, 0);
    EXPECT_LT(t.Current, 2); // the Show after the endless loop is never reached
}

} // namespace
} // namespace velkon::test
