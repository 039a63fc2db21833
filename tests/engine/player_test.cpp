#include "playertestsupport.h"

#include "engine/params.h"
#include "model/snd.h"

using namespace velkon;
using velkon::test::PlayerFixture;

using PlayerTest = PlayerFixture;

TEST_F(PlayerTest, MoveToInterpolatesLinearlyAndEndsOnTarget) {
    TImagesItem* a = Layer("A", 0, 0);
    TCommands& t = a->Base.Track[0];
    Add(t, cmdMoveTo, "100", "50", "1");
    StartBase(a);
    EXPECT_TRUE(TickAt(250));
    EXPECT_DOUBLE_EQ(a->Left, 25);
    EXPECT_DOUBLE_EQ(a->Top, 12.5);
    EXPECT_TRUE(TickAt(999));
    EXPECT_DOUBLE_EQ(a->Left, 99.9);
    EXPECT_FALSE(TickAt(1000));
    EXPECT_DOUBLE_EQ(a->Left, 100);
    EXPECT_DOUBLE_EQ(a->Top, 50);
    EXPECT_EQ(t.Current, -1);
}

TEST_F(PlayerTest, EveryMovementCommandDrivesItsProperties) {
    struct Case {
        int command;
        const char *p1, *p2, *p3;
        double TImagesItem::*prop;
        double middle, target;
    };
    // Every layer starts at Left 0, Top 10, 100 x 100, Angle 20, Alpha 100.
    const Case cases[] = {
        {cmdMoveTo, "40", "60", "1", &TImagesItem::Left, 20, 40},
        {cmdMoveTo, "40", "60", "1", &TImagesItem::Top, 35, 60},
        {cmdRelativeMoveTo, "40", "-10", "1", &TImagesItem::Left, 20, 40},
        {cmdRelativeMoveTo, "40", "-10", "1", &TImagesItem::Top, 5, 0},
        {cmdReSize, "300", "20", "1", &TImagesItem::Width, 200, 300},
        {cmdReSize, "300", "20", "1", &TImagesItem::Height, 60, 20},
        {cmdRotate, "90", "1", "", &TImagesItem::Angle, 55, 90},
        {cmdFadeTo, "55", "1", "", &TImagesItem::Alpha, 77.5, 55},
        {cmdKeyFrame, "x=1y=2w=3h=4a=5f=6", "1", "", &TImagesItem::Left, 0.5, 1},
        {cmdKeyFrame, "x=1y=2w=3h=4a=5f=6", "1", "", &TImagesItem::Top, 6, 2},
        {cmdKeyFrame, "x=1y=2w=3h=4a=5f=6", "1", "", &TImagesItem::Width, 51.5, 3},
        {cmdKeyFrame, "x=1y=2w=3h=4a=5f=6", "1", "", &TImagesItem::Height, 52, 4},
        {cmdKeyFrame, "x=1y=2w=3h=4a=5f=6", "1", "", &TImagesItem::Angle, 12.5, 5},
        {cmdKeyFrame, "x=1y=2w=3h=4a=5f=6", "1", "", &TImagesItem::Alpha, 53, 6},
        // A key without f= leaves the alpha alone.
        {cmdKeyFrame, "x=1y=2w=3h=4a=5", "1", "", &TImagesItem::Angle, 12.5, 5},
        {cmdKeyFrame, "x=1y=2w=3h=4a=5", "1", "", &TImagesItem::Alpha, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << CommandName(c.command).toStdString() << " " << c.p1 << " row " << (&c - cases));
        TScene s;
        TManualClock clk;
        TPlayer p(s, clk);
        auto owned = std::make_unique<TImagesItem>();
        TImagesItem* a = s.Layers.Add("A", std::move(owned));
        a->Top = 10;
        a->Width = a->Height = 100;
        a->Angle = 20;
        a->Alpha = 100;
        Add(a->Base.Track[0], c.command, c.p1, c.p2, c.p3);
        p.StartTrack(*a, a->Base.Track[0]);
        clk.Set(500);
        p.Tick();
        EXPECT_DOUBLE_EQ(a->*c.prop, c.middle);
        clk.Set(1000);
        EXPECT_FALSE(p.Tick());
        EXPECT_DOUBLE_EQ(a->*c.prop, c.target);
    }
}

TEST_F(PlayerTest, KeyFrameReadsEveryPieceOfItsKey) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdKeyFrame, "x=-10y=20w=30h=40a=-45f=128", "0");
    StartBase(a);
    TickAt(0);
    EXPECT_EQ(a->Left, -10);
    EXPECT_EQ(a->Top, 20);
    EXPECT_EQ(a->Width, 30);
    EXPECT_EQ(a->Height, 40);
    EXPECT_EQ(a->Angle, -45);
    EXPECT_EQ(a->Alpha, 128);
}

TEST_F(PlayerTest, MoveToOfZeroDurationLandsAtOnceAndHandsOverAtItsStart) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdMoveTo, "30", "40", "0");
    TCommandItem* wait = Add(t, cmdWait, "1");
    scene.Clock.Now = 100;
    StartBase(a);
    TickAt(180);
    EXPECT_EQ(a->Left, 30);
    EXPECT_EQ(a->Top, 40);
    EXPECT_EQ(t.Current, 1);
    EXPECT_EQ(wait->StartTime, 100);
}

TEST_F(PlayerTest, QuickCommandsRunTogetherWithTheNextStep) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    TImagesItem* c = Layer("C");
    b->Visible = c->Visible = false;
    TCommands& t = a->Base.Track[0];
    Add(t, cmdShow, "B");
    Add(t, cmdShow, "c");
    Add(t, cmdMoveTo, "100", "0", "1");
    StartBase(a);
    TickAt(100);
    EXPECT_TRUE(b->Visible);
    EXPECT_TRUE(c->Visible);
    EXPECT_EQ(t.Current, 2);
    EXPECT_DOUBLE_EQ(a->Left, 10); // the move made its first step in the same tick
}

TEST_F(PlayerTest, FlipTakesItsOwnTickButTheNextCommandKeepsItsStartTime) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdFlip, "2");
    TCommandItem* move = Add(t, cmdMoveTo, "100", "0", "1");
    StartBase(a);
    TickAt(100);
    EXPECT_EQ(a->FlipMode, 2);
    EXPECT_EQ(t.Current, 1);
    EXPECT_DOUBLE_EQ(a->Left, 0);
    EXPECT_EQ(move->StartTime, 0);
    TickAt(200);
    EXPECT_DOUBLE_EQ(a->Left, 20); // timed from the Flip's start, not from the tick that noticed it
}

TEST_F(PlayerTest, WaitEndsOnceNowIsPastItsEnd) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdWait, "0");
    Add(t, cmdWait, "0,5");
    StartBase(a);
    EXPECT_TRUE(TickAt(0));
    EXPECT_EQ(t.Current, 0);
    TickAt(1);
    EXPECT_EQ(t.Current, 1);
    EXPECT_EQ(t.Item(1)->StartTime, 0); // the nominal end of the first one
    TickAt(500);
    EXPECT_EQ(t.Current, 1);
    EXPECT_FALSE(TickAt(501));
}

TEST_F(PlayerTest, LoopRunsItsBlockAgainAndResetsOnRestart) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdRotate, "Angle(A;90)", "0");
    TCommandItem* loop = Add(t, cmdLoop, "2", "1");
    Add(t, cmdFlip, "1");
    for (int round = 1; round <= 2; ++round) {
        StartBase(a);
        EXPECT_EQ(loop->sParam3(), "");
        int now = 1000 * round;
        while (TickAt(now++) && now < 1000 * round + 100) {
        }
        EXPECT_EQ(t.Current, -1);
        EXPECT_DOUBLE_EQ(a->Angle, 270.0 * round) << round;
        EXPECT_EQ(a->FlipMode, 1);
        EXPECT_EQ(loop->sParam3(), "2"); // counter ready for the next run
    }
}

TEST_F(PlayerTest, LoopCountsMinusOneForeverAndZeroNever) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdRelativeMoveTo, "1", "0", "0");
    Add(a->Base.Track[0], cmdLoop, "-1", "1");
    Add(a->Base.Track[1], cmdRotate, "Angle(A;1)", "0");
    Add(a->Base.Track[1], cmdLoop, "0", "1");
    StartBase(a);
    for (int ms = 0; ms < 40; ++ms)
        TickAt(ms);
    EXPECT_DOUBLE_EQ(a->Left, 20);
    EXPECT_DOUBLE_EQ(a->Angle, 1);
    EXPECT_EQ(a->Base.Track[0].Item(1)->sParam3(), "-1");
}

TEST_F(PlayerTest, LoopWithAStepBeyondTheStartGoesToTheFirstCommand) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdRelativeMoveTo, "1", "0", "0");
    Add(t, cmdLoop, "1", "5");
    StartBase(a);
    for (int ms = 0; ms < 10; ++ms)
        TickAt(ms);
    EXPECT_DOUBLE_EQ(a->Left, 2);
}

TEST_F(PlayerTest, LoopWithANegativeStepPastTheEndEndsTheTrack) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdLoop, "1", "-5");
    Add(t, cmdFlip, "3");
    StartBase(a);
    EXPECT_FALSE(TickAt(0));
    EXPECT_EQ(t.Current, -1);
}

TEST_F(PlayerTest, AccelerateTenHalvesAMoveAndZeroSwitchesItOff) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdAccelerate, "10");
    Add(t, cmdMoveTo, "100", "0", "2");
    StartBase(a);
    TickAt(0); // the Accelerate
    EXPECT_EQ(a->Acceleration, -10);
    double previous = 0;
    for (int ms = 1; ms < 1000; ++ms) {
        ASSERT_TRUE(TickAt(ms)) << ms;
        ASSERT_GE(a->Left, previous);
        ASSERT_LE(a->Left, 100);
        previous = a->Left;
    }
    EXPECT_GT(a->Left, 90);
    EXPECT_FALSE(TickAt(1000));
    EXPECT_DOUBLE_EQ(a->Left, 100);

    TImagesItem* b = Layer("B");
    b->Acceleration = -10;
    Add(b->Base.Track[0], cmdAccelerate, "0");
    Add(b->Base.Track[0], cmdMoveTo, "100", "0", "2");
    scene.Clock.Now = 0;
    StartBase(b);
    TickAt(0);
    EXPECT_EQ(b->Acceleration, 0);
    EXPECT_TRUE(TickAt(1000));
    EXPECT_DOUBLE_EQ(b->Left, 50);
    EXPECT_FALSE(TickAt(2000));
}

TEST_F(PlayerTest, AccelerateStepsAreCappedAtWhatIsLeft) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdAccelerate, "10");
    Add(t, cmdMoveTo, "100", "0", "2");
    StartBase(a);
    TickAt(0);
    // At 250 the doubled clock has used 500 of 2000 ms: 250 ms of the 1500 left
    // cover a sixth of the way.
    EXPECT_TRUE(TickAt(250));
    EXPECT_NEAR(a->Left, 16.6666666667, 1e-9);
    // A slow tick of 650 ms with only 200 ms left lands on the target, never past it.
    EXPECT_TRUE(TickAt(900));
    EXPECT_EQ(a->Left, 100);
    EXPECT_EQ(t.Current, 1);
    EXPECT_FALSE(TickAt(1000));
    EXPECT_EQ(a->Left, 100);
    EXPECT_EQ(t.Current, -1);
}

TEST_F(PlayerTest, NegativeAccelerateSlowsAMove) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdAccelerate, "-5");
    Add(t, cmdMoveTo, "100", "0", "1");
    StartBase(a);
    TickAt(0);
    EXPECT_EQ(a->Acceleration, 5);
    // The clock runs at half speed: at 250 the move has 875 ms left.
    EXPECT_TRUE(TickAt(250));
    EXPECT_NEAR(a->Left, 28.5714285714, 1e-9); // 100 * 250 / 875
    EXPECT_TRUE(TickAt(500));
    EXPECT_NEAR(a->Left, 52.3809523810, 1e-9); // a third of the rest: 750 ms left
    EXPECT_TRUE(TickAt(1500)) << "a second's move takes two";
    EXPECT_EQ(t.Current, 1);
    EXPECT_FALSE(TickAt(2000));
    EXPECT_EQ(a->Left, 100);
}

TEST_F(PlayerTest, HostileLoopAndAccelerateNumbersStayInRange) {
    // The smallest whole number as a loop count counts no further: it runs on like -1.
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdRelativeMoveTo, "1", "0", "0");
    TCommandItem* loop = Add(a->Base.Track[0], cmdLoop, "-2147483648", "1");
    // ... and as a loop step it jumps past the end.
    TImagesItem* b = Layer("B");
    Add(b->Base.Track[0], cmdLoop, "1", "-2147483648");
    Add(b->Base.Track[0], cmdFlip, "3");
    // The largest step back goes to the first command.
    TImagesItem* c = Layer("C");
    Add(c->Base.Track[0], cmdRelativeMoveTo, "0", "1", "0");
    Add(c->Base.Track[0], cmdLoop, "1", "2147483647");
    // Accelerate of the smallest whole number slows to the largest value there is.
    TImagesItem* d = Layer("D");
    Add(d->Base.Track[0], cmdAccelerate, "-2147483648");
    Add(d->Base.Track[0], cmdMoveTo, "100", "0", "1");
    TImagesItem* e = Layer("E");
    Add(e->Base.Track[0], cmdAccelerate, "2147483647");
    Add(e->Base.Track[0], cmdMoveTo, "100", "0", "1");
    for (TImagesItem* layer : {a, b, c, d, e})
        StartBase(layer);
    for (int ms = 0; ms < 40; ++ms)
        TickAt(ms);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_DOUBLE_EQ(a->Left, 20);
    EXPECT_EQ(loop->sParam3(), "-2147483648");
    EXPECT_EQ(b->Base.Track[0].Current, -1);
    EXPECT_EQ(b->FlipMode, 0);
    EXPECT_DOUBLE_EQ(c->Top, 2);
    EXPECT_EQ(d->Acceleration, 2147483647);
    EXPECT_EQ(d->Base.Track[0].Current, 1);
    EXPECT_LT(d->Left, 1e-5) << "practically standing still: two millionths of a pixel in 40 ms";
    EXPECT_EQ(e->Acceleration, -2147483647);
    EXPECT_EQ(e->Left, 100);
    EXPECT_EQ(e->Base.Track[0].Current, -1);
}

TEST_F(PlayerTest, EasedOrNotACommandHoldsItsStartValuesUntilAFutureStart) {
    // The accelerated move ends at 1000 instead of 2000; the following commands
    // start at its nominal end, 2000.
    const char* moves[] = {"0", "Ease(d=0e=17f=0g=0h=0i=1j=0)"};
    for (const char* move : moves) {
        SCOPED_TRACE(move);
        TImagesItem* a = Layer(move);
        TCommands& t = a->Base.Track[0];
        Add(t, cmdAccelerate, "10");
        Add(t, cmdMoveTo, "100", "0", "2");
        Add(t, cmdAccelerate, "0");
        TCommandItem* jump = Add(t, cmdMoveTo, "300", "50", move);
        scene.Clock.Now = 0;
        StartBase(a);
        TickAt(0);
        TickAt(1000);
        ASSERT_EQ(a->Left, 100);
        const struct {
            int ms;
            double left, top;
        } ticks[] = {{1100, 100, 0}, {1500, 100, 0}, {1999, 100, 0}, {2000, 300, 50}};
        for (const auto& tick : ticks) {
            TickAt(tick.ms);
            EXPECT_EQ(jump->StartTime, 2000);
            EXPECT_EQ(a->Left, tick.left) << tick.ms;
            EXPECT_EQ(a->Top, tick.top) << tick.ms;
        }
        EXPECT_EQ(t.Current, -1);
    }
}

TEST_F(PlayerTest, AStalledTickLetsTimedCommandsKeepTheirNominalStarts) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    TCommandItem* commands[] = {Add(t, cmdWait, "0,1"), Add(t, cmdWait, "0,2"),
                                Add(t, cmdMoveTo, "100", "0", "1"), Add(t, cmdWait, "1")};
    StartBase(a);
    TickAt(0);
    TickAt(1000); // the editor stalled for a second
    for (int ms = 1001; ms <= 1100; ++ms)
        TickAt(ms);
    const int32_t starts[] = {0, 100, 300};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(commands[i]->StartTime, starts[i]) << i;
    EXPECT_EQ(t.Current, 2);
    EXPECT_DOUBLE_EQ(a->Left, 80);
    TickAt(1300);
    EXPECT_EQ(a->Left, 100);
    EXPECT_EQ(t.Current, 3);
    EXPECT_EQ(commands[3]->StartTime, 1300);
    EXPECT_TRUE(TickAt(2300));
    EXPECT_FALSE(TickAt(2301));
}

TEST_F(PlayerTest, EaseInOutMeetsHalfwayWithoutAJump) {
    TImagesItem* a = Layer("A");
    // Mode 4 on Left only (0x10 | 4 = 20); Top moves linearly.
    Add(a->Base.Track[0], cmdMoveTo, "100", "100", "Ease(d=1e=20f=0g=0h=-2i=3j=0)");
    StartBase(a);
    TickAt(100);
    const double early = a->Left;
    EXPECT_DOUBLE_EQ(a->Top, 10);
    EXPECT_NEAR(early, 5.2, 1e-9); // P(0.2) / 2
    TickAt(499);
    const double before = a->Left;
    TickAt(500);
    EXPECT_DOUBLE_EQ(a->Left, 50);
    TickAt(501);
    const double after = a->Left;
    EXPECT_LT(after - before, 1.0);
    EXPECT_GT(after, before);
    TickAt(900);
    EXPECT_NEAR(a->Left, 100 - early, 1e-9); // the second half mirrors the first
    TickAt(1000);
    EXPECT_DOUBLE_EQ(a->Left, 100);
}

TEST_F(PlayerTest, EaseInAndEaseOutFollowTheCurve) {
    const struct { const char* ease; double atQuarter; } cases[] = {
        // P(t) = t^2: ease in reaches P(0.25); ease out runs it backwards from the end.
        {"Ease(d=1e=17f=0g=0h=0i=1j=0)", 6.25},
        {"Ease(d=1e=18f=0g=0h=0i=1j=0)", 100 - 56.25},
        // An eased property in another mode holds still and jumps at the end.
        {"Ease(d=1e=19f=0g=0h=0i=1j=0)", 0},
        // Without its bit the property moves linearly whatever the mode.
        {"Ease(d=1e=33f=0g=0h=0i=1j=0)", 25},
    };
    for (const auto& c : cases) {
        TImagesItem* a = Layer(c.ease);
        Add(a->Base.Track[0], cmdMoveTo, "100", "0", c.ease);
        scene.Clock.Now = 0;
        StartBase(a);
        TickAt(250);
        EXPECT_DOUBLE_EQ(a->Left, c.atQuarter) << c.ease;
        TickAt(1000);
        EXPECT_DOUBLE_EQ(a->Left, 100) << c.ease;
    }
}

TEST_F(PlayerTest, RelativeMoveToRoundsItsTarget) {
    TImagesItem* a = Layer("A", 5.4, 0);
    Add(a->Base.Track[0], cmdRelativeMoveTo, "10", "0", "1");
    StartBase(a);
    EXPECT_EQ(a->Base.Track[0].Item(0)->Value1, "15,4");
    TickAt(1000);
    EXPECT_DOUBLE_EQ(a->Left, 15);
}

TEST_F(PlayerTest, ParametersAreEvaluatedOnlyWhenTheCommandStarts) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B", 100, 0);
    Add(a->Base.Track[0], cmdMoveTo, "Left(B;0)", "0", "1");
    Add(b->Base.Track[0], cmdMoveTo, "300", "0", "1");
    StartBase(a);
    StartBase(b);
    TickAt(500);
    EXPECT_DOUBLE_EQ(a->Left, 50);
    TickAt(1000);
    EXPECT_DOUBLE_EQ(a->Left, 100);
}

TEST_F(PlayerTest, PercentWReadsTheSizeSavedAtPlaybackStart) {
    TImagesItem* a = Layer("A", 0, 0, 200, 80);
    a->SaveState();
    TCommands& t = a->Base.Track[0];
    Add(t, cmdReSize, "50", "50", "0");
    Add(t, cmdMoveTo, "PercentW(50)", "PercentH(50)", "0");
    StartBase(a);
    TickAt(0);
    TickAt(1);
    EXPECT_DOUBLE_EQ(a->Width, 50);
    EXPECT_DOUBLE_EQ(a->Left, 100);
    EXPECT_DOUBLE_EQ(a->Top, 40);
}

TEST_F(PlayerTest, SpeedToDurationTimesTheMove) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdMoveTo, "300", "400", "SpeedToDuration(100)");
    StartBase(a);
    EXPECT_EQ(a->Base.Track[0].Item(0)->Duration, 5000);
    EXPECT_TRUE(TickAt(4999));
    EXPECT_FALSE(TickAt(5000));
}

TEST_F(PlayerTest, TimeScaleStretchesDurationsAndWritesThemBack) {
    scene.TimeScale = 3;
    TImagesItem* a = Layer("A");
    TCommandItem* move = Add(a->Base.Track[0], cmdMoveTo, "90", "0", "0,5");
    TCommandItem* wait = Add(a->Base.Track[0], cmdWait, "1");
    StartBase(a);
    EXPECT_EQ(move->Value3, "1,5");
    EXPECT_EQ(move->Duration, 1500);
    TickAt(500);
    EXPECT_DOUBLE_EQ(a->Left, 30);
    TickAt(1500);
    EXPECT_EQ(wait->Value1, "3");
    EXPECT_EQ(wait->StartTime, 1500);
    EXPECT_TRUE(TickAt(4500));
    EXPECT_FALSE(TickAt(4501));
}

TEST_F(PlayerTest, ShowHideFlipAccelerateAndReSet) {
    TImagesItem* a = Layer("A", 10, 20);
    TImagesItem* b = Layer("B");
    a->SaveState();
    TCommands& t = a->Base.Track[0];
    Add(t, cmdHide, "b");
    Add(t, cmdHide, "Nobody"); // unknown names do nothing and go on
    Add(t, cmdFlip, "3");
    Add(t, cmdAccelerate, "4");
    Add(t, cmdMoveTo, "0", "0", "0");
    Add(t, cmdReSet);
    Add(t, cmdShow, "A");
    StartBase(a);
    TickAt(0);
    EXPECT_FALSE(b->Visible);
    EXPECT_EQ(a->FlipMode, 3);
    TickAt(1);
    EXPECT_EQ(a->Acceleration, -4);
    TickAt(2);
    EXPECT_EQ(a->Left, 0);
    TickAt(3);
    EXPECT_EQ(a->Left, 10);
    EXPECT_EQ(a->FlipMode, 0);
    EXPECT_EQ(a->Acceleration, 0);
    a->Visible = false;
    TickAt(4);
    EXPECT_TRUE(a->Visible);
    EXPECT_EQ(t.Current, -1);
}

TEST_F(PlayerTest, ChgImageTakesAPictureAndIgnoresEverythingElse) {
    auto pic = std::make_unique<TFilesItem>();
    pic->Name = "big.png";
    auto image = std::make_shared<TPicture>();
    image->Width = 64;
    image->Height = 32;
    pic->Image = std::move(image);
    TFilesItem* picture = scene.AddFile(std::move(pic));
    auto wav = std::make_unique<TFilesItem>();
    wav->Name = "boom.wav";
    wav->Kind = TFilesItem::kindSound;
    scene.AddFile(std::move(wav));

    TImagesItem* a = Layer("A", 0, 0, 10, 10);
    TCommands& t = a->Base.Track[0];
    Add(t, cmdChgImage, "boom.wav");
    Add(t, cmdChgImage, "missing.png");
    Add(t, cmdChgImage, "BIG.png");
    StartBase(a);
    TickAt(0);
    TickAt(1);
    EXPECT_EQ(a->FileItem, nullptr);
    EXPECT_EQ(a->Width, 10);
    EXPECT_EQ(t.Current, 2);
    TickAt(2);
    EXPECT_EQ(a->FileItem, picture);
    EXPECT_EQ(a->Picture, picture->Image.get());
    EXPECT_EQ(a->Width, 64);
    EXPECT_EQ(a->Height, 32);
}

TEST_F(PlayerTest, SoundCommandsPlayAndStopSoundFilesOnly) {
    auto wav = std::make_unique<TFilesItem>();
    wav->Name = "boom.wav";
    wav->Kind = TFilesItem::kindSound;
    wav->Sound = std::make_unique<TSnd>("boom.wav", "boom.wav");
    scene.AddFile(std::move(wav));
    auto pic = std::make_unique<TFilesItem>();
    pic->Name = "a.png";
    scene.AddFile(std::move(pic));

    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdPlaySfx, "a.png");
    Add(t, cmdPlaySfx, "BOOM.wav");
    Add(t, cmdStopSfx, "nothing.wav");
    Add(t, cmdStopSfx, "boom.wav");
    Add(t, cmdPlayParticle, "x.par");
    Add(t, cmdStopParticle, "x.par");
    StartBase(a);
    for (int ms = 0; ms < 10; ++ms)
        TickAt(ms);
    EXPECT_EQ(events, (QStringList{"sfx play boom.wav", "sfx stop boom.wav"}));
    EXPECT_EQ(t.Current, -1);
}

TEST_F(PlayerTest, UnknownCommandNumberNeverAdvances) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, 0);
    Add(t, cmdFlip, "1");
    t.Add("X", std::make_unique<TCommandItem>(22, "1"));
    StartBase(a);
    for (int ms = 0; ms < 5; ++ms)
        EXPECT_TRUE(TickAt(ms));
    EXPECT_EQ(t.Current, 0);
    EXPECT_EQ(a->FlipMode, 0);
}

TEST_F(PlayerTest, StartOtherRestartsOrTouches) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    Add(b->Base.Track[0], cmdRelativeMoveTo, "10", "0", "0");
    Add(b->Touch1.Track[0], cmdRelativeMoveTo, "0", "10", "0");
    Add(a->Base.Track[0], cmdStartOther, "B", "0");
    Add(a->Base.Track[0], cmdWait, "0");
    Add(a->Base.Track[0], cmdStartOther, "B", "0");
    Add(a->Base.Track[0], cmdWait, "0");
    Add(a->Base.Track[0], cmdStartOther, "B", "1");
    Add(a->Base.Track[0], cmdWait, "0");
    Add(a->Base.Track[0], cmdStartOther, "Nobody", "1");
    StartBase(a);
    TickAt(0); // B comes later in Layers: stepped in the same tick
    EXPECT_DOUBLE_EQ(b->Left, 10);
    TickAt(1); // A's Wait ends
    EXPECT_DOUBLE_EQ(b->Left, 10);
    TickAt(2); // which = 0: B's Base from its first command again
    EXPECT_DOUBLE_EQ(b->Left, 20);
    EXPECT_EQ(b->Base.Track[0].Current, -1);
    TickAt(3); // which = 1: B's Touch1 runs, ends, and B's Base starts again
    EXPECT_EQ(b->TouchIndex, 1);
    EXPECT_DOUBLE_EQ(b->Top, 10);
    EXPECT_FALSE(b->TouchRunning);
    EXPECT_EQ(b->ActiveAnimation(), TImagesItem::animBase);
    EXPECT_EQ(b->Base.Track[0].Current, 0);
    TickAt(4);
    EXPECT_DOUBLE_EQ(b->Left, 30);
    EXPECT_EQ(a->Base.Track[0].Current, -1);
    EXPECT_EQ(events, QStringList{"touch B"});
}

TEST_F(PlayerTest, StopOtherStopsTheActiveTracks) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    Add(b->Base.Track[0], cmdMoveTo, "100", "0", "10");
    Add(b->Base.Track[2], cmdWait, "10");
    Add(a->Base.Track[0], cmdStopOther, "B");
    StartBase(b);
    StartBase(a);
    EXPECT_FALSE(TickAt(100));
    EXPECT_EQ(b->Base.Track[0].Current, -1);
    EXPECT_EQ(b->Base.Track[2].Current, -1);
    EXPECT_DOUBLE_EQ(b->Left, 0); // stopped before its turn in this tick
}

TEST_F(PlayerTest, StartOtherOnItsOwnLayerDoesNotHang) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdShow, "A");
    Add(a->Base.Track[0], cmdStartOther, "A", "0");
    StartBase(a);
    EXPECT_TRUE(TickAt(0));
    EXPECT_TRUE(TickAt(1));
}

TEST_F(PlayerTest, ReStartTypeOneRevivesEndedTracks) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdRelativeMoveTo, "10", "0", "0");
    Add(a->Base.Track[1], cmdWait, "0,1");
    Add(a->Base.Track[1], cmdReStart, "1");
    StartBase(a);
    TickAt(0);
    EXPECT_EQ(a->Base.Track[0].Current, -1);
    TickAt(101);
    TickAt(102);
    EXPECT_EQ(a->Base.Track[1].Current, 0);
    EXPECT_EQ(a->Base.Track[1].Item(0)->StartTime, 100); // the ReStart's own start
    EXPECT_EQ(a->Base.Track[0].Current, 0);
    TickAt(103);
    EXPECT_DOUBLE_EQ(a->Left, 20);
}

TEST_F(PlayerTest, ReStartTypeZeroRestartsOnlyItsTrack) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdRelativeMoveTo, "10", "0", "0");
    Add(a->Base.Track[1], cmdRotate, "Angle(A;10)", "0");
    Add(a->Base.Track[1], cmdReStart, "0");
    StartBase(a);
    for (int ms = 0; ms < 6; ++ms)
        TickAt(ms);
    EXPECT_DOUBLE_EQ(a->Left, 10);
    EXPECT_DOUBLE_EQ(a->Angle, 30);
}

TEST_F(PlayerTest, TouchesCycleAndReturnToBase) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdWait, "10");
    Add(a->Touch1.Track[0], cmdRelativeMoveTo, "1", "0", "0,01");
    Add(a->Touch3.Track[1], cmdRelativeMoveTo, "0", "1", "0,01");
    StartBase(a);
    TickAt(0);
    player.TouchStart(*a);
    EXPECT_EQ(a->TouchIndex, 1);
    EXPECT_EQ(a->ActiveAnimation(), TImagesItem::animTouch1);
    EXPECT_EQ(events, QStringList{"touch A"});
    player.TouchStart(*a); // ignored while it runs
    EXPECT_EQ(a->TouchIndex, 1);
    EXPECT_EQ(events.size(), 1);
    TickAt(20);
    EXPECT_DOUBLE_EQ(a->Left, 1);
    EXPECT_FALSE(a->TouchRunning);
    EXPECT_EQ(a->ActiveAnimation(), TImagesItem::animBase);
    EXPECT_EQ(a->Base.Track[0].Current, 0);
    EXPECT_EQ(a->Base.Track[0].Item(0)->StartTime, 20); // Base starts again from its first command
    // Touch2 is empty: the next touch starts Touch1 again.
    player.TouchStart(*a);
    EXPECT_EQ(a->TouchIndex, 1);
    EXPECT_EQ(a->ActiveAnimation(), TImagesItem::animTouch1);
    TickAt(40);
    EXPECT_DOUBLE_EQ(a->Left, 2);
}

TEST_F(PlayerTest, TouchesRunThroughAllThreeAnimations) {
    TImagesItem* a = Layer("A");
    for (int i = 1; i <= 3; ++i)
        Add(a->Animation(i).Track[2], cmdWait, "0");
    int expected[] = {1, 2, 3, 1};
    int ms = 0;
    for (int i : expected) {
        player.TouchStart(*a);
        EXPECT_EQ(a->TouchIndex, i);
        EXPECT_EQ(a->ActiveAnimation(), i);
        TickAt(++ms);
        EXPECT_FALSE(a->TouchRunning);
    }
}

TEST_F(PlayerTest, TouchWithoutTouchCommandsDoesNothing) {
    TImagesItem* a = Layer("A");
    Add(a->Base.Track[0], cmdWait, "1");
    player.TouchStart(*a);
    EXPECT_FALSE(a->TouchRunning);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(PlayerTest, PrepareErrorEndsTheTickAndTheNextTickGoesOn) {
    TImagesItem* a = Layer("A");
    TImagesItem* b = Layer("B");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdMoveTo, "50", "0", "0");
    Add(t, cmdMoveTo, "Top(Nobody;0)", "0", "1");
    Add(t, cmdFlip, "4");
    Add(b->Base.Track[0], cmdMoveTo, "100", "0", "1");
    StartBase(a);
    StartBase(b);
    EXPECT_TRUE(TickAt(500));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("Top(Nobody;0)"));
    EXPECT_DOUBLE_EQ(a->Left, 50);
    EXPECT_EQ(t.Current, 1);
    EXPECT_EQ(t.Item(1)->Value1, "Top(Nobody;0)"); // kept unevaluated
    EXPECT_DOUBLE_EQ(b->Left, 0); // the tick ended before B
    TickAt(600);
    EXPECT_DOUBLE_EQ(b->Left, 60);
    EXPECT_DOUBLE_EQ(a->Left, 50); // the failed move holds still
    EXPECT_EQ(t.Current, 2);
    TickAt(700);
    EXPECT_EQ(a->FlipMode, 4);
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(PlayerTest, UnreadableValueIsReportedOnceAndSkipped) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdFlip, "abc");
    Add(t, cmdLoop, "x", "1");
    Add(t, cmdAccelerate, "2");
    StartBase(a);
    for (int ms = 0; ms < 5; ++ms)
        TickAt(ms);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(a->Acceleration, -2);
    EXPECT_EQ(t.Current, -1);
}

TEST_F(PlayerTest, EndTimeOfEachKind) {
    TImagesItem* a = Layer("A");
    TCommands& t = a->Base.Track[0];
    Add(t, cmdMoveTo, "0", "0", "1,5");
    Add(t, cmdFadeTo, "0", "0,25");
    Add(t, cmdWait, "2");
    Add(t, cmdShow, "A", "5", "5");
    scene.Clock.Now = 100;
    StartBase(a);
    const int expected[] = {1600, 350, 2100, 100};
    for (int i = 0; i < 4; ++i) {
        t.Current = i;
        player.Prepare(*a, t);
        t.Item(i)->StartTime = 100;
        EXPECT_EQ(player.EndTime(t), expected[i]) << i;
    }
}

namespace {
std::chrono::steady_clock::time_point fakeNow;
std::chrono::steady_clock::time_point FakeNow() {
    return fakeNow;
}
} // namespace

TEST_F(PlayerTest, SteadyClockCountsRoundedMillisecondsFromItsCreation) {
    using std::chrono::microseconds;
    fakeNow = std::chrono::steady_clock::time_point(std::chrono::hours(50));
    TSteadyClock steady(&FakeNow);
    const struct {
        int64_t us;
        int32_t ms;
    } cases[] = {
        {0, 0}, {400, 0}, {600, 1}, {1499, 1}, {2600, 3}, {12345678, 12346}, {86400000000, 86400000}};
    for (const auto& c : cases) {
        fakeNow = std::chrono::steady_clock::time_point(std::chrono::hours(50)) + microseconds(c.us);
        EXPECT_EQ(steady.NowMs(), c.ms) << c.us << " us";
    }
    TManualClock manual;
    manual.Set(1234);
    EXPECT_EQ(manual.NowMs(), 1234);
}
