#include "support/testsupport.h"

#include "edit/commandclipboard.h"
#include "model/commanddesc.h"
#include "model/commanditem.h"
#include "model/imagesitem.h"
#include "model/velkonerror.h"

#include <gtest/gtest.h>

namespace velkon {
namespace {

std::unique_ptr<TImagesItem> Layer(double left, double top, double w, double h, double angle = 0,
                                   double alpha = 255) {
    auto l = std::make_unique<TImagesItem>();
    l->Left = left;
    l->Top = top;
    l->Width = w;
    l->Height = h;
    l->Angle = angle;
    l->Alpha = alpha;
    return l;
}

TEST(CommandClipboard, WritesHeaderCountGeometryAndFourLinesPerCommand) {
    const auto l = Layer(100.5, 49.5, 64, 64.4, 0, 255);
    TCommandItem a(cmdMoveTo, QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("1,5"));
    TCommandItem b(cmdReSet, QString());
    const QString text = WriteCommandClipboard(*l, {&a, &b});
    // Halves go to the even neighbour: 100.5 -> 100, 49.5 -> 50.
    EXPECT_EQ(text, QStringLiteral("VKP Clipboard\r\n2\r\nx=100y=50w=64h=64a=0f=255\r\n"
                                   "1\r\n10\r\n20\r\n1,5\r\n14\r\n\r\n\r\n\r\n"));
}

TEST(CommandClipboard, LineBreaksInParametersAreLeftOutWhenWritten) {
    const auto l = Layer(0, 0, 10, 10);
    TCommandItem a(cmdPlaySfx, QStringLiteral("bo\r\nom"));
    bool stripped = false;
    const QString text = WriteCommandClipboard(*l, {&a}, &stripped);
    EXPECT_TRUE(stripped);
    const auto clip = ReadCommandClipboard(text);
    ASSERT_TRUE(clip);
    ASSERT_EQ(clip->Commands.size(), 1u);
    EXPECT_EQ(clip->Commands[0].Param1, QStringLiteral("boom"));
    EXPECT_EQ(clip->Commands[0].Param2, QString());
}

TEST(CommandClipboard, ReadsBackWhatItWrote) {
    const auto l = Layer(5, 6, 7, 8, 9, 10);
    TCommandItem a(cmdLoop, QStringLiteral("3"), QStringLiteral("2"));
    TCommandItem b(cmdStartOther, QStringLiteral("Ball"), QStringLiteral("1"));
    const auto clip = ReadCommandClipboard(WriteCommandClipboard(*l, {&a, &b}));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->GeometryLine, QStringLiteral("x=5y=6w=7h=8a=9f=10"));
    ASSERT_EQ(clip->Commands.size(), 2u);
    EXPECT_EQ(clip->Commands[0].Command, cmdLoop);
    EXPECT_EQ(clip->Commands[1].Command, cmdStartOther);
    EXPECT_EQ(clip->Commands[1].Param1, QStringLiteral("Ball"));
    EXPECT_EQ(clip->Commands[1].Param2, QStringLiteral("1"));
}

TEST(CommandClipboard, ForeignTextAndZeroCountAreNotAClipboard) {
    for (const char* text : {"", "hello", "VKP clipboard\r\n1\r\n",
                             "VKP Clipboard\r\n0\r\nx=0y=0w=0h=0a=0f=0\r\n", "VKP Clipboard"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ReadCommandClipboard(QString::fromUtf8(text)));
    }
}

TEST(CommandClipboard, BrokenClipboardIsAnError) {
    for (const char* text :
         {"VKP Clipboard\r\nabc\r\n", "VKP Clipboard\r\n-1\r\n",
          "VKP Clipboard\r\n2\r\ng\r\n1\r\n1\r\n2\r\n3\r\n", "VKP Clipboard\r\n2147483647\r\ng\r\n",
          "VKP Clipboard\r\n1\r\ng\r\nMoveTo\r\n1\r\n2\r\n3\r\n"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ReadCommandClipboard(QString::fromUtf8(text)), EVelkonError);
    }
}

// Counts so large that four lines each overflow any integer: each is a
// clipboard cut short, told as such, and nothing is reserved for it.
TEST(CommandClipboard, HugeCountsAreACutShortClipboardWithoutOverflow) {
    const char* counts[] = {"4611686018427387904", "4611686018427387903", "2305843009213693952",
                            "9223372036854775807", "1"};
    for (const char* count : counts) {
        SCOPED_TRACE(count);
        const QString text = QStringLiteral("VKP Clipboard\r\n%1\r\nx=0y=0w=1h=1a=0\r\n").arg(count);
        try {
            ReadCommandClipboard(text);
            ADD_FAILURE() << "read";
        } catch (const EVelkonError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("kevesebb sor van"))) << e.Message().toStdString();
        }
    }
    // Four lines more make the one command whole.
    const auto clip = ReadCommandClipboard(QStringLiteral("VKP Clipboard\r\n1\r\nx=0y=0w=1h=1a=0\r\n6\r\n1\r\n\r\n"));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->Commands.size(), 1u);
}

TEST(CommandClipboard, LineFeedsAloneAlsoSeparate) {
    const auto clip =
        ReadCommandClipboard(QStringLiteral("VKP Clipboard\n1\nx=0y=0w=1h=1a=0f=255\n6\n2\n\n\n"));
    ASSERT_TRUE(clip);
    ASSERT_EQ(clip->Commands.size(), 1u);
    EXPECT_EQ(clip->Commands[0].Command, cmdWait);
    EXPECT_EQ(clip->Commands[0].Param1, QStringLiteral("2"));
}

TEST(CommandClipboard, GeometryLineWithAndWithoutAlpha) {
    EXPECT_EQ(ReadGeometry(QStringLiteral("x=100y=50w=64h=64a=0f=255")),
              (TGeometry{100, 50, 64, 64, 0, 255, true}));
    EXPECT_EQ(ReadGeometry(QStringLiteral("x=1,5y=-2w=3.5h=4a=45")), (TGeometry{2, -2, 4, 4, 45, 0, false}));
    EXPECT_THROW(ReadGeometry(QStringLiteral("x=1y=2")), EVelkonError);
    EXPECT_THROW(ReadGeometry(QStringLiteral("x=ay=2w=3h=4a=5")), EVelkonError);
    // Poses just outside the editor's own plain form read as before.
    EXPECT_EQ(ReadGeometry(QStringLiteral("x=-5y=0w=1234567890h=1a=2")),
              (TGeometry{-5, 0, 1234567890, 1, 2, 0, false}));
    EXPECT_EQ(ReadGeometry(QStringLiteral("x=1y=2w=3h=4a=5f=")), (TGeometry{1, 2, 3, 4, 5, 0, true}));
    EXPECT_EQ(ReadGeometry(QStringLiteral(" x=1y=2w=3h=4a=5f=6 ")), (TGeometry{1, 2, 3, 4, 5, 6, true}));
    EXPECT_THROW(ReadGeometry(QStringLiteral("x=1y=2w=3h=4a=5f=9999999999")), EVelkonError);
}

struct TAdaptCase {
    const char* name;
    int command;
    const char* param1;
    const char* param2;
    const char* source; // geometry line at copy
    TImagesItem* (*dest)();
    const char* want1;
    const char* want2;
};

TImagesItem* At80x60() {
    static const auto l = Layer(80, 60, 50, 40, 10, 200);
    return l.get();
}

TEST(CommandClipboard, PasteAdaptationKeepsTheOffsetToTheLayer) {
    const TAdaptCase cases[] = {
        {"moveto", cmdMoveTo, "100", "100", "x=50y=50w=100h=80a=0f=255", At80x60, "130", "110"},
        {"keyframe halves the width", cmdKeyFrame, "x=60y=70w=100h=80a=30f=255", "1",
         "x=50y=50w=100h=80a=0f=255", At80x60, "x=90y=80w=50h=40a=40f=200", "1"},
        {"keyframe without alpha takes the layer's", cmdKeyFrame, "x=50y=50w=100h=80a=0", "1",
         "x=50y=50w=100h=80a=0f=255", At80x60, "x=80y=60w=50h=40a=10f=200", "1"},
        {"source of no width keeps the size", cmdKeyFrame, "x=50y=50w=30h=80a=0f=100", "1",
         "x=50y=50w=0h=80a=0f=255", At80x60, "x=80y=60w=30h=40a=10f=45", "1"},
        {"other kinds unchanged", cmdRelativeMoveTo, "100", "100", "x=50y=50w=100h=80a=0f=255", At80x60,
         "100", "100"},
    };
    for (const TAdaptCase& c : cases) {
        SCOPED_TRACE(c.name);
        TClipboardCommand cmd{c.command, QString::fromUtf8(c.param1), QString::fromUtf8(c.param2), {}};
        AdaptPastedCommand(cmd, ReadGeometry(QString::fromUtf8(c.source)), *c.dest());
        EXPECT_EQ(cmd.Param1, QString::fromUtf8(c.want1));
        EXPECT_EQ(cmd.Param2, QString::fromUtf8(c.want2));
    }
}

} // namespace
} // namespace velkon
