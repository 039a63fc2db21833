#include "support/testsupport.h"

#include "engine/params.h"
#include "model/commanddesc.h"
#include "model/commands.h"
#include "model/scene.h"
#include "model/velkonerror.h"

#include <gtest/gtest.h>
#include <cmath>
#include <set>

using namespace velkon;

namespace {

TImagesItem* AddLayer(TScene& scene, const QString& name, double left, double top, double w = 10, double h = 10,
                      double angle = 0) {
    auto layer = std::make_unique<TImagesItem>();
    layer->Name = name;
    layer->Left = left;
    layer->Top = top;
    layer->Width = w;
    layer->Height = h;
    layer->Angle = angle;
    return scene.Layers.Add(name, std::move(layer));
}

class ParamsTest : public ::testing::Test {
protected:
    TScene scene;
    TImagesItem* ball = AddLayer(scene, "Ball", 100, 50, 200, 80, 30);
    TImagesItem* laptop = AddLayer(scene, "Laptop", 7, 8);
    TCommandItem cmd{cmdMoveTo, "", "", ""};
    void SetUp() override { cmd.Owner = ball; }
    QString Eval(const QString& s) { return EvaluateParameter(s, cmd, scene); }
};

} // namespace

TEST(NumberConversions, ToFloatReadsBothSeparatorsAndNeverFails) {
    const struct { const char* text; double value; } cases[] = {
        {"", 0}, {"1.5", 1.5}, {"1,5", 1.5}, {"-2,25", -2.25}, {" 3 ", 3}, {"abc", 0}, {"1,2,3", 0}, {"12", 12},
        {"inf", 0}, {"1e3", 1000},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ToFloat(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(NumberConversions, ToIntRoundsHalvesToEven) {
    const struct { const char* text; int value; } cases[] = {
        {"", 0}, {"-", 0}, {" 12 ", 12}, {"2,5", 2}, {"3,5", 4}, {"-2,5", -2}, {"1.5", 2}, {"0,4999", 0}, {"-1", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(NumberConversions, ToIntRejectsWhatIsNotANumberNamingTheText) {
    for (const char* bad : {"abc", "1,2,3", "--", "12px", "99999999999"}) {
        try {
            ToInt(QString::fromUtf8(bad));
            ADD_FAILURE() << bad << " was accepted";
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(bad))) << e.Message().toStdString();
        }
    }
}

TEST(NumberConversions, NumbersAndParameterFunctionsAreReadableTheRestIsNot) {
    const struct { const char* text; bool readable; } cases[] = {
        {"130", true}, {"1,5", true}, {"-2.25", true}, {" 7 ", true}, {"-", true},
        {"Left(ball;10)", true}, {"top(ball;0)", true}, {"RandomI(1;6)", true}, {"Random(0,5;2)", true},
        {"SpeedToDuration(100)", true}, {"PercentW(50)", true}, {"Ease(d=1e=1009f=0,0g=0,0h=0,0i=0,0j=1,0)", true},
        {"abc", false}, {"xyz", false}, {"fast", false}, {"", false}, {"12px", false}, {"1,2,3", false},
        {"Left", false}, {"Left(ball;10", false}, {"Ball(1)", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNumberOrFunction(QString::fromUtf8(c.text)), c.readable) << c.text;
}

TEST(NumberConversions, ToMsRoundsSecondsToMilliseconds) {
    EXPECT_EQ(ToMs("1,5"), 1500);
    EXPECT_EQ(ToMs("0.0005"), 0);  // 0.5 ms, half to even
    EXPECT_EQ(ToMs("0.0015"), 2);
    EXPECT_EQ(ToMs("x"), 0);
    EXPECT_EQ(ToMs("-2"), -2000);
    EXPECT_EQ(ToMs("1e12"), 2147483647); // saturates instead of overflowing
}

TEST(NumberConversions, FormatNumberWritesPlainDecimalsWithCommaAndNoTrailingZeros) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1.5, "1,5"},
        {12, "12"},
        {-0.25, "-0,25"},
        {-0.0, "0"},
        {1.0 / 3, "0,333333333333333"},
        {123456789.125, "123456789,125"},
        // Never an exponent, however small or large.
        {0.00001, "0,00001"},
        {-0.00001, "-0,00001"},
        {0.0001, "0,0001"},
        {1.25e-7, "0,000000125"},
        {1e15, "1000000000000000"},
        {-1e15, "-1000000000000000"},
        {3e20, "300000000000000000000"},
        {100, "100"},
        {0.1, "0,1"},
        // At most 15 significant digits, rounded.
        {123456789012345678.0, "123456789012346000"},
        {2.0 / 3 * 1e-5, "0,00000666666666666667"},
        {99999.99999999999, "100000"},
        {9.9999999999999999e-6, "0,00001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value), QString::fromUtf8(c.text)) << c.text;
}

TEST(NumberConversions, WrittenNumbersReadBack) {
    for (double v : {0.5, -3.25, 1000.0, 1.0 / 7, 12345.678})
        EXPECT_NEAR(ToFloat(FormatNumber(v)), v, 1e-12) << v;
    for (int v : {0, 7, -12, 100000})
        EXPECT_EQ(ToInt(FormatNumber(v)), v);
}

TEST_F(ParamsTest, PlainTextsHoldNoFunction) {
    for (const char* s : {"", "12", "1,5", "Ball", "Show"})
        EXPECT_EQ(Eval(QString::fromUtf8(s)), "") << s;
}

TEST_F(ParamsTest, LayerFunctionsReadCurrentValuesPlusOffset) {
    ball->SaveState();
    ball->Left = 100; // current value, not the saved one
    const struct { const char* text; const char* result; } cases[] = {
        {"Left(Ball;-20)", "80"},
        {"Left(ball;0)", "100"},
        {"left(BALL;0,5)", "100,5"},
        {"Top(Ball;0)", "50"},
        {"Width(Ball;1.5)", "201,5"},
        {"Height(Ball;-80)", "0"},
        {"Angle(Ball;15)", "45"},
        {"Top(Laptop;1)", "9"},
        // Keywords anywhere, last one in the fixed order wins.
        {"x Left(Ball;1)", "101"},
        {"Left(Ball;1) Width", "201"},  // Width applies to the same inner text
    };
    for (const auto& c : cases)
        EXPECT_EQ(Eval(QString::fromUtf8(c.text)), QString::fromUtf8(c.result)) << c.text;
}

TEST_F(ParamsTest, KeywordsWithoutANamedLayerFail) {
    // "Left" needs its bracket, the other four are found bare.
    EXPECT_EQ(Eval("Lefty"), "");
    for (const char* s : {"Top(Ball)", "Top(Nobody;0)", "Laptop", "WIDTH", "height", "Angles", "Left(;3)", "Left(x"}) {
        try {
            Eval(QString::fromUtf8(s));
            ADD_FAILURE() << s << " was accepted";
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(s))) << e.Message().toStdString();
        }
    }
}

TEST_F(ParamsTest, RandomIStaysBelowItsUpperBound) {
    std::set<QString> seen;
    for (int i = 0; i < 2000; ++i)
        seen.insert(Eval("RandomI(1;6)"));
    EXPECT_EQ(seen, (std::set<QString>{"1", "2", "3", "4", "5"}));
    seen.clear();
    for (int i = 0; i < 200; ++i)
        seen.insert(Eval("RandomI(0;2)"));
    EXPECT_EQ(seen, (std::set<QString>{"0", "1"}));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Eval("RandomI(3;3)"), "3");
        EXPECT_EQ(Eval("randomi(9;2)"), "9"); // upper below lower: the lower bound
    }
    EXPECT_THROW(Eval("RandomI(a;3)"), EVelkonError);
}

TEST_F(ParamsTest, RandomGivesThousandthsInItsRange) {
    std::set<double> seen;
    for (int i = 0; i < 3000; ++i) {
        const double v = ToFloat(Eval("Random(0,5;2)"));
        EXPECT_GE(v, 0.5);
        EXPECT_LE(v, 1.999);
        EXPECT_DOUBLE_EQ(std::nearbyint(v * 1000) / 1000, v);
        seen.insert(v);
    }
    EXPECT_GT(seen.size(), 500u);
    EXPECT_EQ(Eval("Random(2;1)"), "2");
    EXPECT_EQ(Eval("Random(1,25;1,25)"), "1,25");
}

TEST_F(ParamsTest, SeededRandomRepeats) {
    scene.Random.Seed(42);
    QStringList first;
    for (int i = 0; i < 10; ++i)
        first << Eval("RandomI(0;1000)");
    scene.Random.Seed(42);
    QStringList second;
    for (int i = 0; i < 10; ++i)
        second << Eval("RandomI(0;1000)");
    EXPECT_EQ(first, second);
}

TEST_F(ParamsTest, SpeedToDurationUsesTheEvaluatedTarget) {
    ball->Left = 0;
    ball->Top = 0;
    cmd.Value1 = "300";
    cmd.Value2 = "400";
    EXPECT_EQ(Eval("SpeedToDuration(100)"), "5");
    EXPECT_EQ(Eval("SpeedToDuration(200)"), "2,5");
    // A relative move measures its own parameters, wherever the layer is.
    ball->Left = 1000;
    cmd.SetCommand(cmdRelativeMoveTo);
    cmd.Value1 = "-30";
    cmd.Value2 = "40";
    EXPECT_EQ(Eval("SpeedToDuration(10)"), "5");
}

TEST_F(ParamsTest, SpeedToDurationOfZeroIsAnError) {
    cmd.Value1 = "300";
    try {
        Eval("SpeedToDuration(0)");
        FAIL();
    } catch (const EVelkonError& e) {
        EXPECT_TRUE(e.Message().contains("SpeedToDuration(0)"));
    }
}

TEST_F(ParamsTest, PercentReadsTheSavedSize) {
    ball->Width = 200;
    ball->Height = 80;
    ball->SaveState();
    ball->Width = 500; // a ReSize during playback
    ball->Height = 10;
    EXPECT_EQ(Eval("PercentW(50)"), "100");
    EXPECT_EQ(Eval("PercentH(25)"), "20");
    EXPECT_EQ(Eval("percenth(150)"), "120");
}

TEST_F(ParamsTest, EaseFillsFlagsAndCoefficients) {
    EXPECT_EQ(Eval("Ease(d=2e=1f=0g=0h=-2i=3j=0)"), "2");
    EXPECT_EQ(cmd.EaseFlags, 1u);
    EXPECT_EQ(cmd.EaseCoef, (std::array<double, 5>{0, 0, -2, 3, 0}));

    EXPECT_EQ(Eval("Ease(d=1,5e=532f=1g=2h=3i=4j=5)"), "1,5");
    EXPECT_EQ(cmd.EaseFlags, 532u);
    EXPECT_EQ(cmd.EaseCoef, (std::array<double, 5>{1, 2, 3, 4, 5}));
}

TEST_F(ParamsTest, BrokenEaseIsAnErrorAndLeavesTheCommandAlone) {
    cmd.EaseFlags = 7;
    for (const char* s : {"Ease(d=2e=1f=0g=0h=-2i=3)", "Ease(d=2)", "Ease(d=2e=xf=0g=0h=0i=0j=1)"}) {
        EXPECT_THROW(Eval(QString::fromUtf8(s)), EVelkonError) << s;
        EXPECT_EQ(cmd.EaseFlags, 7u);
    }
}

namespace {
void Add(TCommands& t, int command, const char* p1, const char* p2 = "", const char* p3 = "") {
    t.Add(CommandName(command), std::make_unique<TCommandItem>(command, QString::fromUtf8(p1), QString::fromUtf8(p2),
                                                               QString::fromUtf8(p3)));
}
} // namespace

TEST(TrackDuration, SumsTheMovementCommands) {
    TCommands t;
    Add(t, cmdMoveTo, "1", "2", "1,5");
    Add(t, cmdRotate, "90", "0.5");
    Add(t, cmdWait, "2");
    Add(t, cmdShow, "3");
    Add(t, cmdKeyFrame, "x=1y=2w=3h=4a=5", "1");
    Add(t, cmdReSize, "1", "1", "RandomI(1;4)");
    Add(t, cmdFadeTo, "0", "Ease(d=2e=1f=0g=0h=-2i=3j=0)");
    EXPECT_DOUBLE_EQ(TrackDuration(t), 1.5 + 0.5 + 2 + 1 + 4 + 2);
}

TEST(TrackDuration, AccelerationScalesWhatFollows) {
    TCommands t;
    Add(t, cmdAccelerate, "10");
    Add(t, cmdMoveTo, "0", "0", "2");
    EXPECT_DOUBLE_EQ(TrackDuration(t), 1.0);
    Add(t, cmdAccelerate, "0");
    Add(t, cmdWait, "2");
    EXPECT_DOUBLE_EQ(TrackDuration(t), 3.0);
    Add(t, cmdAccelerate, "-10");
    Add(t, cmdWait, "1");
    EXPECT_TRUE(std::isinf(TrackDuration(t)));
}

TEST(TrackDuration, RoundsEachCommandToMilliseconds) {
    TCommands t;
    Add(t, cmdAccelerate, "20");
    Add(t, cmdWait, "1");  // 1/3 s -> 0.333
    Add(t, cmdWait, "1");
    EXPECT_DOUBLE_EQ(TrackDuration(t), 0.666);
}

TEST(KeyText, SplitsIntoPiecesAsWritten) {
    const TKeyText plain = SplitKeyText(QStringLiteral("x=10y=-20w=300h=40a=90"));
    EXPECT_EQ(plain.X, "10");
    EXPECT_EQ(plain.Y, "-20");
    EXPECT_EQ(plain.W, "300");
    EXPECT_EQ(plain.H, "40");
    EXPECT_EQ(plain.A, "90");
    EXPECT_FALSE(plain.HasAlpha);
    const TKeyText faded = SplitKeyText(QStringLiteral("x=1y=2w=3h=4a=5f=128"));
    EXPECT_EQ(faded.A, "5");
    EXPECT_TRUE(faded.HasAlpha);
    EXPECT_EQ(faded.F, "128");
    EXPECT_THROW(SplitKeyText(QStringLiteral("x=1y=2h=4a=5")), EVelkonError);
}

TEST(KeyText, WritesWholeNumbersHalvesToEvenAndAlphaOnlyWhenGiven) {
    struct TCase {
        double X, Y;
        std::optional<double> F;
        const char* Text;
    } cases[] = {
        {2.5, 3.5, 255, "x=2y=4w=10h=20a=-90f=255"},
        {-2.5, 0.49, std::nullopt, "x=-2y=0w=10h=20a=-90"},
        {1e300, -std::numeric_limits<double>::infinity(), 0.5, "x=9000000000000000000y=0w=10h=20a=-90f=0"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(KeyText(c.X, c.Y, 10, 20, -90, c.F), QString::fromLatin1(c.Text));
    // What is written reads back piece by piece.
    const TKeyText back = SplitKeyText(KeyText(7, 8, 9, 10, 11, 12));
    EXPECT_EQ(back.X + back.Y + back.W + back.H + back.A + back.F, "789101112");
}

TEST(ReadDecimal, BothSeparatorsAndNothingForTextOrInfinity) {
    EXPECT_EQ(ReadDecimal(QStringLiteral(" 1,5 ")), 1.5);
    EXPECT_EQ(ReadDecimal(QStringLiteral("-0.25")), -0.25);
    for (const char* bad : {"", "  ", "abc", "1,2,3", "inf", "1e999"})
        EXPECT_FALSE(ReadDecimal(QString::fromLatin1(bad))) << bad;
}
