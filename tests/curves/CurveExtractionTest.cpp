#include "CurveExtraction.h"

#include "TestLens.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ExpectedPoint
{
    double x;
    // 1-based table indices whose values the point must carry
    int f, q, h, m;
};

void expectPoints(const ExtractedCurve& curve, const std::vector<ExpectedPoint>& expected)
{
    ASSERT_EQ(curve.CurvePointCount, static_cast<int>(expected.size()));
    for (int i = 1; i <= curve.CurvePointCount; ++i) {
        const auto& e = expected[i - 1];
        EXPECT_DOUBLE_EQ(curve.KnotX[i], e.x) << "point " << i;
        EXPECT_EQ(curve.SagPointValues[i], sagPattern(e.f - 1, e.q - 1, e.h - 1, e.m - 1)) << "point " << i;
        EXPECT_EQ(curve.TanPointValues[i], tanPattern(e.f - 1, e.q - 1, e.h - 1, e.m - 1)) << "point " << i;
    }
}

TEST(CurveExtractionTest, FNumberCurveOverPositions)
{
    const auto lens = patternLens(5, 4, 3, 2);
    // FNumberIndex is the abscissa's own index: never read, so 0 is fine.
    const auto curve = ExtractCurve(lens, Abscissa::FNumber, { 3, 0, 2, 2 });
    expectPoints(curve,
                 { { 0, 1, 3, 2, 2 }, { 1, 2, 3, 2, 2 }, { 2, 3, 3, 2, 2 }, { 3, 4, 3, 2, 2 }, { 4, 5, 3, 2, 2 } });
    EXPECT_EQ(curve.AbscissaFactor, 1.0);
}

TEST(CurveExtractionTest, FrequencyCurveOverPositions)
{
    const auto lens = patternLens(2, 8, 3, 2);
    const auto curve = ExtractCurve(lens, Abscissa::Frequency, { 0, 2, 3, 1 });
    std::vector<ExpectedPoint> expected;
    for (int i = 1; i <= 8; ++i) {
        expected.push_back({ i - 1.0, 2, i, 3, 1 });
    }
    expectPoints(curve, expected);
    EXPECT_EQ(curve.AbscissaFactor, 1.0);
}

TEST(CurveExtractionTest, MagnificationCurveIncludesTheInfiniteDistanceEntry)
{
    auto lens = patternLens(2, 3, 3, 9);
    lens.DistanceText[1] = "-1E20";
    const auto curve = ExtractCurve(lens, Abscissa::Magnification, { 2, 1, 3, 0 });
    std::vector<ExpectedPoint> expected;
    for (int i = 1; i <= 9; ++i) {
        expected.push_back({ i - 1.0, 1, 2, 3, i });
    }
    expectPoints(curve, expected);
    EXPECT_EQ(curve.AbscissaFactor, 1.0);
}

TEST(CurveExtractionTest, IndicesOutsideTheTablesAreRangeFaults)
{
    const auto lens = patternLens(3, 3, 3, 3);
    EXPECT_THROW(ExtractCurve(lens, Abscissa::FNumber, { 0, 1, 1, 1 }), RangeError);   // frequency 0
    EXPECT_THROW(ExtractCurve(lens, Abscissa::FNumber, { 1, 1, 7, 1 }), RangeError);   // image height 7
    EXPECT_THROW(ExtractCurve(lens, Abscissa::Frequency, { 1, 9, 1, 1 }), RangeError); // f-number 9
    EXPECT_THROW(ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 1, 10 }), RangeError);
    auto perFNumber = lens;
    perFNumber.ImageHeightPerFNumber = 1;
    EXPECT_THROW(ExtractCurve(perFNumber, Abscissa::ImageHeight, { 1, 0, 1, 1 }), RangeError); // no row 0
}

TEST(CurveExtractionTest, ImageHeightCommonRowIsMirroredAtTheAxis)
{
    auto lens = patternLens(3, 2, 6, 2);
    setImageHeightRow(lens, 1, { "0", "4", "8", "12", "16", "21.6" }, 6);
    lens.MaxImageHeight = 21.6;
    // The f-number selects the values, not the row, in the common layout.
    const auto curve = ExtractCurve(lens, Abscissa::ImageHeight, { 2, 3, 0, 1 });
    expectPoints(curve, { { -4, 3, 2, 2, 1 },
                          { 0, 3, 2, 1, 1 },
                          { 4, 3, 2, 2, 1 },
                          { 8, 3, 2, 3, 1 },
                          { 12, 3, 2, 4, 1 },
                          { 16, 3, 2, 5, 1 },
                          { 21.6, 3, 2, 6, 1 } });
    EXPECT_DOUBLE_EQ(curve.AbscissaFactor, 1.0);
}

// f-number 1 has the row 0 5 10 15 15 (usable up to column 4), the last
// f-number 0 5 10 15 21.6: the first curve ends at 15/21.6 of the width.
TEST(CurveExtractionTest, ImageHeightPerFNumberRowsScaleToTheLargestHeight)
{
    auto lens = patternLens(2, 2, 5, 1);
    lens.ImageHeightPerFNumber = 1;
    setImageHeightRow(lens, 1, { "0", "5", "10", "15", "15" }, 4);
    setImageHeightRow(lens, 2, { "0", "5", "10", "15", "21.6" }, 5);
    lens.MaxImageHeight = 21.6;
    const LensData before = lens;

    const auto first = ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 });
    // The last usable height takes the values of the file's last column.
    expectPoints(first,
                 { { -5, 1, 1, 2, 1 }, { 0, 1, 1, 1, 1 }, { 5, 1, 1, 2, 1 }, { 10, 1, 1, 3, 1 }, { 15, 1, 1, 5, 1 } });
    EXPECT_DOUBLE_EQ(first.AbscissaFactor, 15 / 21.6);

    const auto last = ExtractCurve(lens, Abscissa::ImageHeight, { 1, 2, 0, 1 });
    expectPoints(last, { { -5, 2, 1, 2, 1 },
                         { 0, 2, 1, 1, 1 },
                         { 5, 2, 1, 2, 1 },
                         { 10, 2, 1, 3, 1 },
                         { 15, 2, 1, 4, 1 },
                         { 21.6, 2, 1, 5, 1 } });
    EXPECT_DOUBLE_EQ(last.AbscissaFactor, 1.0);

    // The data set stays as read: ImageHeightCount still counts the columns.
    EXPECT_EQ(lens, before);
    EXPECT_EQ(lens.ImageHeightCount, 5);
}

// A common row read as 0 5 10 15 20 18 is capped by the reader to
// 0 5 10 15 18 18 with five usable heights; the values measured at 18 are
// stored under column 6. Using all six columns would repeat the abscissa 18,
// and taking column FNumberCount (3 here) would use values of height 10.
TEST(CurveExtractionTest, CappedCommonRowUsesItsUsableHeightsAndTheLastColumnsValues)
{
    auto lens = patternLens(3, 2, 6, 1);
    setImageHeightRow(lens, 1, { "0", "5", "10", "15", "18", "18" }, 5);
    lens.MaxImageHeight = 18;
    const auto curve = ExtractCurve(lens, Abscissa::ImageHeight, { 1, 2, 0, 1 });
    expectPoints(curve, { { -5, 2, 1, 2, 1 },
                          { 0, 2, 1, 1, 1 },
                          { 5, 2, 1, 2, 1 },
                          { 10, 2, 1, 3, 1 },
                          { 15, 2, 1, 4, 1 },
                          { 18, 2, 1, 6, 1 } });
    EXPECT_DOUBLE_EQ(curve.AbscissaFactor, 1.0);
}

TEST(CurveExtractionTest, ImageHeightRowsWithFewHeights)
{
    auto lens = patternLens(1, 1, 3, 1);
    lens.MaxImageHeight = 20;

    // Two heights: the mirrored point and both heights; the second is the
    // row's last usable one, so its values (mirror too) come from column 3.
    setImageHeightRow(lens, 1, { "0", "10", "10" }, 2);
    expectPoints(ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 }),
                 { { -10, 1, 1, 3, 1 }, { 0, 1, 1, 1, 1 }, { 10, 1, 1, 3, 1 } });

    // One usable height (a row read as 30 10 20): nothing to mirror, the
    // single point at 20 with the values measured there (column 3).
    setImageHeightRow(lens, 1, { "20", "10", "20" }, 1);
    const auto single = ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 });
    expectPoints(single, { { 20, 1, 1, 3, 1 } });
    EXPECT_DOUBLE_EQ(single.AbscissaFactor, 1.0);

    // No usable row (nothing loaded): an empty curve, no fault.
    lens.ImageHeightValidCount[1] = 0;
    EXPECT_EQ(ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 }).CurvePointCount, 0);
}

TEST(CurveExtractionTest, ImageHeightTextsAreReadAsDecimalNumbers)
{
    auto lens = patternLens(1, 1, 5, 1);
    setImageHeightRow(lens, 1, { " 0", "2.5", "+5", "1E1", "1.26e1 " }, 5);
    lens.MaxImageHeight = 25.2;
    const auto curve = ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 });
    ASSERT_EQ(curve.CurvePointCount, 6);
    const std::vector<double> expected { -2.5, 0, 2.5, 5, 10, 12.6 };
    for (int i = 1; i <= 6; ++i) {
        EXPECT_DOUBLE_EQ(curve.KnotX[i], expected[i - 1]) << i;
    }
    EXPECT_DOUBLE_EQ(curve.AbscissaFactor, 0.5);

    // Not a number: read as 0 (the spline check then reports the repeat).
    setImageHeightRow(lens, 1, { "0", "5", "x", "15", "20" }, 5);
    EXPECT_EQ(ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 }).KnotX[4], 0.0);

    // No positive reference height: the factor stays 1.
    lens.MaxImageHeight = 0;
    EXPECT_EQ(ExtractCurve(lens, Abscissa::ImageHeight, { 1, 1, 0, 1 }).AbscissaFactor, 1.0);
}

} // namespace
