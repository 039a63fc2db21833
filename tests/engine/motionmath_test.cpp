#include "support/testsupport.h"

#include "engine/motionmath.h"

#include <gtest/gtest.h>

using namespace velkon;

TEST(MotionMath, EasePolynomialSCurve) {
    const std::array<double, 5> c{0, 0, -2, 3, 0};
    EXPECT_DOUBLE_EQ(EasePolynomial(c, 1000, 0), 0);
    EXPECT_DOUBLE_EQ(EasePolynomial(c, 1000, 500), 0.5);
    EXPECT_DOUBLE_EQ(EasePolynomial(c, 1000, 1000), 1);
    EXPECT_DOUBLE_EQ(EasePolynomial(c, 1000, 250), 3 * 0.0625 - 2 * 0.015625);
    EXPECT_DOUBLE_EQ(EasePolynomial({1, 0, 0, 0, 0}, 2, 1), 1.0 / 32);
    EXPECT_DOUBLE_EQ(EasePolynomial({0, 1, 0, 0, 0}, 2, 1), 1.0 / 16);
    EXPECT_DOUBLE_EQ(EasePolynomial({0, 0, 0, 0, 1}, 0, 0), 1); // nothing left to ease
}

TEST(MotionMath, RotatePoint) {
    const struct { QPoint c, q; double a; QPoint r; } cases[] = {
        {{0, 0}, {10, 0}, 90, {0, 10}},
        {{0, 0}, {10, 0}, 45, {7, 7}},
        {{0, 0}, {10, 0}, -90, {0, -10}},
        {{5, 5}, {15, 5}, 180, {-5, 5}},
        {{100, 50}, {100, 60}, 90, {90, 50}},
        {{0, 0}, {2, 0}, 30, {2, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RotatePoint(c.c, c.q, c.a), c.r) << c.a;
}

TEST(MotionMath, NormaliseAngle) {
    const struct { double a, r; } cases[] = {
        {370, 10}, {-30, 330}, {360, 360}, {720, 360}, {-360, 0}, {0, 0}, {725, 5}, {3600, 360}, {-3600, 0}, {-3610, 350},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(NormaliseAngle(c.a), c.r) << c.a;
}

TEST(MotionMath, NearestAngle) {
    EXPECT_DOUBLE_EQ(NearestAngle(350, 10), -10);
    EXPECT_DOUBLE_EQ(NearestAngle(10, 20), 10);
    EXPECT_DOUBLE_EQ(NearestAngle(180, 180), -180);
    EXPECT_DOUBLE_EQ(NearestAngle(370, 0), 10);
    EXPECT_DOUBLE_EQ(NearestAngle(300, -90), -60);
}

TEST(MotionMath, PointInTriangle) {
    const QPoint a{0, 0}, b{10, 0}, c{0, 10};
    EXPECT_TRUE(PointInTriangle(a, b, c, {1, 1}));
    EXPECT_TRUE(PointInTriangle(c, b, a, {1, 1})); // either winding
    EXPECT_FALSE(PointInTriangle(a, b, c, {5, 0}));  // edge
    EXPECT_FALSE(PointInTriangle(a, b, c, {0, 0}));  // corner
    EXPECT_FALSE(PointInTriangle(a, b, c, {5, 5}));  // hypotenuse
    EXPECT_TRUE(PointInTriangle(a, b, c, {4, 5}));
    EXPECT_FALSE(PointInTriangle(a, b, c, {11, 1}));
    EXPECT_FALSE(PointInTriangle(a, b, c, {-1, 1}));
    EXPECT_TRUE(PointInTriangle({0, 0}, {100000, 0}, {0, 100000}, {50000, 40000})); // no overflow
}

TEST(MotionMath, DistanceToSegment) {
    EXPECT_NEAR(DistanceToSegment({0, 0}, {100, 100}, {50, 60}), 7.0711, 1e-3);
    EXPECT_DOUBLE_EQ(DistanceToSegment({0, 0}, {100, 100}, {150, 60}), 1000);
    EXPECT_NEAR(DistanceToSegment({0, 0}, {100, 0}, {50, 3}), 0.5, 1e-2);
    EXPECT_DOUBLE_EQ(DistanceToSegment({0, 0}, {100, 0}, {50, 6}), 1000); // box is 5 high
    EXPECT_NEAR(DistanceToSegment({0, 0}, {0, 100}, {5, 50}), 0.0, 1.0); // widened vertical
    EXPECT_DOUBLE_EQ(DistanceToSegment({0, 0}, {0, 100}, {11, 50}), 1000);
    EXPECT_NEAR(DistanceToSegment({100, 100}, {0, 0}, {50, 60}), 7.0711, 1e-3); // either direction
}

TEST(MotionMath, RectanglesAndClamp) {
    const TEdgeRect r = OrderedRect({10, 20}, {0, 5});
    EXPECT_DOUBLE_EQ(r.Left, 0);
    EXPECT_DOUBLE_EQ(r.Top, 5);
    EXPECT_DOUBLE_EQ(r.Right, 10);
    EXPECT_DOUBLE_EQ(r.Bottom, 20);
    EXPECT_TRUE(PointInRect({5, 10}, r));
    EXPECT_FALSE(PointInRect({0, 10}, r));
    EXPECT_FALSE(PointInRect({5, 20}, r));
    EXPECT_FALSE(PointInRect({11, 10}, r));
    EXPECT_EQ(Clamp(5, 0, 10), 5);
    EXPECT_EQ(Clamp(-1, 0, 10), 0);
    EXPECT_EQ(Clamp(11, 0, 10), 10);
    EXPECT_EQ(Clamp(5, 10, 0), 0); // hi is tested first
}

TEST(MotionMath, SegmentLengthAndDirection) {
    EXPECT_DOUBLE_EQ(SegmentLength({3, 4}, {0, 0}), 5);
    EXPECT_DOUBLE_EQ(SegmentDirection({0, 10}, {0, 0}), 90);
    EXPECT_DOUBLE_EQ(SegmentDirection({-10, 0}, {0, 0}), 180);
    EXPECT_DOUBLE_EQ(SegmentDirection({0, -10}, {0, 0}), 270);
    EXPECT_DOUBLE_EQ(SegmentDirection({10, 0}, {0, 0}), 0);
    EXPECT_DOUBLE_EQ(SegmentDirection({15, 15}, {5, 5}), 45);
}
