#include "model/commanddesc.h"
#include "model/commanditem.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(Catalogue, NumbersNamesAndTypes) {
    EXPECT_EQ(CommandDesc(1)->Name, "MoveTo");
    EXPECT_EQ(CommandDesc(18)->Name, "KeyFrame");
    EXPECT_EQ(CommandDesc(18)->Types, "sf-");
    EXPECT_EQ(CommandDesc(21)->Name, "StopParticle");
    EXPECT_EQ(CommandDesc(0), nullptr);
    EXPECT_EQ(CommandDesc(22), nullptr);
    EXPECT_EQ(CommandNumber("Loop"), 16);
    EXPECT_EQ(CommandNumber("loop"), 0);
    for (int i = 1; i <= CommandCount; ++i) {
        EXPECT_EQ(CommandNumber(CommandDesc(i)->Name), i);
        EXPECT_EQ(CommandDesc(i)->Types.size(), 3);
    }
}

TEST(Catalogue, HelpTextsUseCrLf) {
    EXPECT_EQ(CommandDesc(cmdFlip)->Help.split("\r\n").size(), 5);
    EXPECT_EQ(CommandDesc(cmdMoveTo)->Help,
              QString::fromUtf8("Parameters: x, y, duration\r\nA megadot x, y kordinátára mozgatja a képet, "
                                "megadott idő alatt."));
    EXPECT_FALSE(CommandDesc(cmdShow)->Help.contains('\n'));
}

TEST(Catalogue, FunctionTemplatesInOrder) {
    const auto& t = FunctionTemplates();
    EXPECT_EQ(t[0], "Left(in;0)");
    EXPECT_EQ(t[5], "RandomI(0;0)");
    EXPECT_EQ(t[9], "PercentH(100)");
}

TEST(CommandText, FollowsTheCatalogue) {
    struct Case {
        int command;
        const char *p1, *p2, *p3, *expected;
    } cases[] = {
        {cmdMoveTo, "10", "20", "1", "x=10, y=20, duration=1"},
        {cmdRotate, "90", "1.5", "ignored", "degress=90, duration=1.5"},
        {cmdReSet, "a", "b", "c", ""},
        {cmdStartOther, "Ball", "1", "x", "name=Ball, which=1"},
        {cmdKeyFrame, "x=1y=2w=3h=4a=0", "0,5", "", "x=1y=2w=3h=4a=0, duration=0,5"},
        {99, "a", "b", "c", ""},
    };
    for (const auto& c : cases) {
        TCommandItem item(c.command, c.p1, c.p2, c.p3);
        EXPECT_EQ(item.CommandText(), QString(c.expected)) << c.command;
    }
}
