// SPDX-License-Identifier: MIT
#include "FieldShape.h"

#include <gtest/gtest.h>

TEST(FieldShape, ReadsCircleAndRatiosAndRefusesTheRest)
{
    EXPECT_TRUE(parseFieldShape("circle")->isCircle());
    EXPECT_EQ(parseFieldShape("3:2"), (FieldShape { 3, 2 }));
    EXPECT_EQ(parseFieldShape("1.5:1"), (FieldShape { 1.5, 1 }));
    EXPECT_EQ(fieldShapeText(*parseFieldShape("16:9")), "16:9");
    EXPECT_EQ(fieldShapeText(*parseFieldShape("circle")), "circle");
    // Written without an exponent, so that the text reads back (found by
    // fuzzing: "1e+30" was refused).
    EXPECT_EQ(fieldShapeText({ 1e-7, 1e30 }), "0.0000001:1000000000000000019884624838656");
    for (const char* bad : { "", "3", "3:", ":2", "0:1", "-3:2", "3:2:1", "3 :2", "a:b", "Circle", "inf:1", "3:2x" }) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(parseFieldShape(bad).has_value());
    }
}

TEST(FieldShape, HalfSidesMakeTheHalfDiagonal)
{
    // 3:2 with R = √13: a = 3, b = 2.
    const FieldShape shape { 3, 2 };
    EXPECT_DOUBLE_EQ(shape.halfWidth(std::sqrt(13.0)), 3.0);
    EXPECT_DOUBLE_EQ(shape.halfHeight(std::sqrt(13.0)), 2.0);
    EXPECT_DOUBLE_EQ(FieldShape {}.halfWidth(5.0), 5.0);
}
