#include "shape/shape_transform.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace tessary {
namespace {

void ExpectFailure(std::int16_t units, float scale, double twips, std::int16_t offset, int number,
                   const char* description) {
    try {
        const std::int32_t value = TransformCoordinate(units, scale, twips, offset);
        ADD_FAILURE() << "no failure, got " << value;
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.Number(), number);
        EXPECT_EQ(failure.Description(), description);
    }
}

TEST(ShapeTransformTest, TableUnitsPassUnchangedAtFifteenTwipsPerPixel) {
    for (int units : {-32768, -1, 0, 1, 17, 391, 630, 32767}) {
        EXPECT_EQ(TransformCoordinate(static_cast<std::int16_t>(units), 1.0f, 15.0, 0), units);
    }
}

TEST(ShapeTransformTest, TwelveTwipsPerPixelRoundsHalvesToEven) {
    EXPECT_EQ(TransformCoordinate(2, 1.0f, 12.0, 0), 2);      // 2.5
    EXPECT_EQ(TransformCoordinate(6, 1.0f, 12.0, 0), 8);      // 7.5
    EXPECT_EQ(TransformCoordinate(630, 1.0f, 12.0, 0), 788);  // 787.5
    EXPECT_EQ(TransformCoordinate(17, 1.0f, 12.0, 0), 21);    // 21.25
    EXPECT_EQ(TransformCoordinate(391, 1.0f, 12.0, 0), 489);  // 488.75
    EXPECT_EQ(TransformCoordinate(-2, 1.0f, 12.0, 0), -2);    // -2.5
    EXPECT_EQ(TransformCoordinate(-6, 1.0f, 12.0, 0), -8);    // -7.5
}

TEST(ShapeTransformTest, OffsetIsAddedBeforeRounding) {
    EXPECT_EQ(TransformCoordinate(2, 1.0f, 12.0, 1), 4);   // 3.5, not 2 + 1
    EXPECT_EQ(TransformCoordinate(2, 1.0f, 12.0, -3), 0);  // -0.5
    EXPECT_EQ(TransformCoordinate(10, 1.0f, 15.0, -3), 7);
}

TEST(ShapeTransformTest, ScaleIsWidenedToDoubleBeforeMultiplying) {
    // 5 * 0.1f is 0.50000000745 in double (rounds to 1) but exactly 0.5 in float (rounds to 0).
    EXPECT_EQ(TransformCoordinate(5, 0.1f, 15.0, 0), 1);
}

TEST(ShapeTransformTest, RoundingIgnoresTheFloatingPointRoundingMode) {
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-0.49999999999999994), -0.0);
    EXPECT_EQ(RoundHalfEven(2147483647.5), 2147483648.0);
    EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);
}

TEST(ShapeTransformTest, ResultMustFitThirtyTwoBits) {
    const float twoTo31 = 2147483648.0f;
    EXPECT_EQ(TransformCoordinate(1, twoTo31, 15.0, -1), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TransformCoordinate(-1, twoTo31, 15.0, 0), std::numeric_limits<std::int32_t>::min());
    ExpectFailure(1, twoTo31, 15.0, 0, kOverflow, "Overflow");
    ExpectFailure(-1, twoTo31, 15.0, -1, kOverflow, "Overflow");
    ExpectFailure(600, 10'000'000.0f, 15.0, 0, kOverflow, "Overflow");  // 6 * 10^9
    ExpectFailure(600, 1.0f, 1e-320, 0, kOverflow, "Overflow");         // the quotient is infinite
}

TEST(ShapeTransformTest, BadArgumentsAreRunTimeFailures) {
    ExpectFailure(10, 1.0f, 0.0, 0, kDivisionByZero, "Division by zero");
    ExpectFailure(0, 1.0f, 0.0, 0, kDivisionByZero, "Division by zero");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    ExpectFailure(10, nan, 15.0, 0, kInvalidProcedureCall, "Invalid procedure call or argument");
    ExpectFailure(0, infinity, 15.0, 0, kInvalidProcedureCall, "Invalid procedure call or argument");
    ExpectFailure(10, 1.0f, std::nan(""), 0, kInvalidProcedureCall, "Invalid procedure call or argument");
}

}  // namespace
}  // namespace tessary
