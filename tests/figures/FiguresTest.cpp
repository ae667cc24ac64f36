// SPDX-License-Identifier: MIT
#include "FieldMean.h"
#include "LensFigures.h"
#include "MtfThreshold.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<int>; // per frequency

struct HeightValues
{
    Values sag;
    Values tan;
};

// One f-number "2.8", the given frequencies and heights, magnifications "0"
// and "-0.1" (the second with every value 1 lower), and per height the
// modulation of each frequency.
LensData smallLens(const Texts& frequencies, const Texts& heights, const std::vector<HeightValues>& values)
{
    LensData lens;
    lens.LensName = "Test 2.8/50 "; // the blank the reader keeps is not written
    lens.FNumberCount = 1;
    lens.FNumberText[1] = "2.8";
    lens.MagnificationCount = 2;
    lens.MagnificationText[1] = "0";
    lens.MagnificationText[2] = "-0.1";
    lens.FrequencyCount = static_cast<int>(frequencies.size());
    for (int q = 1; q <= lens.FrequencyCount; ++q) {
        lens.FrequencyText[q] = frequencies[static_cast<std::size_t>(q - 1)];
    }
    lens.ImageHeightCount = static_cast<int>(heights.size());
    lens.ImageHeightValidCount[1] = lens.ImageHeightCount;
    for (int h = 1; h <= lens.ImageHeightCount; ++h) {
        const auto k = static_cast<std::size_t>(h - 1);
        lens.ImageHeightText[1][h] = heights[k];
        for (int q = 1; q <= lens.FrequencyCount; ++q) {
            const auto i = static_cast<std::size_t>(q - 1);
            for (int m = 1; m <= 2; ++m) {
                lens.SagModulation.set(0, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(values[k].sag[i] - m + 1));
                lens.TanModulation.set(0, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(values[k].tan[i] - m + 1));
            }
        }
    }
    lens.MaxImageHeight = std::stod(heights.back());
    return lens;
}

const FieldShape Circle {};
const FigureOptions Options {};

// Through the mirrored point, values v1 at 0 and v2 at 20 mm make the
// spline M(r) = v1 − 1.5·Δ·x² + 0.5·Δ·x³ (x = r/20, Δ = v1 − v2); over
// the circle the mean is ∫₀¹ M·2x dx = v1 − 0.75·Δ + 0.2·Δ = v1 − 0.55·Δ.
const LensData TwoHeights = smallLens({ "10", "20", "40" }, { "0", "20" },
                                      { { { 80, 60, 40 }, { 100, 100, 100 } }, { { 60, 45, 30 }, { 40, 40, 40 } } });

} // namespace

TEST(FieldMean, ConstantCurveGivesTheConstantOverEveryField)
{
    SplineState spline;
    spline.CurvePointCount = 4;
    for (int i = 1; i <= 4; ++i) {
        spline.KnotX[i] = -7.0 + 7.0 * (i - 1);
        spline.KnotY[i] = 55.0;
    }
    checkSplineKnots(spline, {});
    computeSpline(spline);
    for (const char* field : { "circle", "3:2", "4:3", "1:1", "16:9" }) {
        SCOPED_TRACE(field);
        EXPECT_NEAR(fieldMean(spline, 14.0, *parseFieldShape(field)).value(), 55.0, 1e-12);
    }
    EXPECT_FALSE(fieldMean(spline, 0.0, Circle));
}

TEST(FieldMean, TwoHeightsOverTheCircleAndRectangles)
{
    // 100 % at 0, 60 % at 20 mm: 100 − 0.55·40 = 78 over the circle. The
    // rectangles' values were taken outside the project (python, 40-point
    // Gauss–Legendre): once as the double integral of M(|p|) over the
    // rectangle divided by its area 4ab, once radially with the weight and
    // r = p + (q − p)·u² on each piece; both agree to 1e-12.
    const LensData lens = smallLens({ "10" }, { "0", "20" }, { { { 100 }, { 100 } }, { { 60 }, { 60 } } });
    const std::tuple<const char*, double> rows[] = {
        { "circle", 78.0 },
        { "1:1", 84.4348378602 },
        { "3:2", 84.5141556296 },
    };
    for (const auto& [field, expected] : rows) {
        SCOPED_TRACE(field);
        const LensFigures figures = lensFigures(lens, 1, 1, { *parseFieldShape(field), 50.0 });
        ASSERT_EQ(figures.means.size(), 1u);
        EXPECT_NEAR(figures.means[0].sag.value(), expected, 1e-9);
    }
}

// The length of the circle of radius r inside the field: all of it in the
// image circle (10π at 5 mm); in 3:2 with R = √13 (half-sides 3 and 2) the
// circle of 2.5 mm loses two caps beyond |y| = 2 of 2·acos(0.8) each:
// 2.5·(2π − 4·acos(0.8)) = 9.272952180016123.
TEST(FieldMean, WeightIsTheLengthOfTheCircleInsideTheField)
{
    EXPECT_NEAR(fieldWeight(FieldShape {}, 20.0, 5.0), 31.41592653589793, 1e-12);
    EXPECT_NEAR(fieldWeight(FieldShape { 3, 2 }, std::sqrt(13.0), 2.5), 9.272952180016123, 1e-12);
}

TEST(MtfThreshold, FallsLinearlyBetweenFrequencies)
{
    using Kind = ThresholdFrequency::Kind;
    const std::vector<double> frequencies { 10, 20, 40 };
    // clang-format off
    const std::tuple<std::vector<double>, double, ThresholdFrequency, const char*> rows[] = {
        { { 80, 60, 40 }, 50, { Kind::At, 30 }, "30" },     // 20 + 20·10/20
        { { 80, 60, 40 }, 80, { Kind::At, 10 }, "10" },     // M₁ = P
        { { 80, 60, 40 }, 60, { Kind::At, 20 }, "20" },     // reaches P at a tabulated frequency
        { { 80, 50, 50 }, 50, { Kind::At, 20 }, "20" },     // the first fall to P counts
        { { 80, 60, 40 }, 90, { Kind::Below, 10 }, "<10" }, // already below at f₁
        { { 40, 70, 30 }, 50, { Kind::Below, 10 }, "<10" },
        { { 80, 60, 40 }, 30, { Kind::Above, 40 }, ">40" }, // never falls to P
        { { 60, 45, 30 }, 50, { Kind::At, 10 + 10.0 * 10 / 15 }, "16.6667" },
    };
    // clang-format on
    for (const auto& [modulation, threshold, expected, text] : rows) {
        SCOPED_TRACE(text);
        const ThresholdFrequency found = thresholdFrequency(frequencies, modulation, threshold);
        EXPECT_EQ(found.kind, expected.kind);
        EXPECT_DOUBLE_EQ(found.frequency, expected.frequency);
        EXPECT_EQ(thresholdText(found), text);
    }
    EXPECT_EQ(formatFigure(77.99999999999997), "78");
    EXPECT_EQ(formatFigure(-0.00001), "0");
}

TEST(MtfThreshold, FrequenciesMustRiseStrictly)
{
    for (const Texts& list : { Texts { "10", "40", "20" }, Texts { "10", "10" }, Texts { "10", "x" } }) {
        const Values ones(list.size(), 1);
        const LensData lens = smallLens(list, { "0", "20" }, { { ones, ones }, { ones, ones } });
        const LensFigures figures = lensFigures(lens, 1, 1, Options);
        ASSERT_TRUE(figures.thresholdProblem);
        EXPECT_EQ(figures.thresholdProblem->german(), "Ortsfrequenzen nicht aufsteigend");
        EXPECT_FALSE(figures.thresholds.at(0).sag);
    }
    EXPECT_EQ(std::get<std::vector<double>>(risingFrequencies(TwoHeights)), (std::vector<double> { 10, 20, 40 }));
}

TEST(LensFigures, CsvRowsOfOneLens)
{
    // Field means v1 − 0.55·Δ: sagittal 80 − 11 = 69, 60 − 8.25 = 51.75,
    // 40 − 5.5 = 34.5; tangential 100 − 33 = 67. The second magnification
    // is 1 lower everywhere: its means are 1 lower.
    const FiguresRequest request { { 1 }, { 1, 2 }, Options };
    EXPECT_EQ(figuresCsvRows("a;b.mtf", TwoHeights, request),
              "\"a;b.mtf\";Test 2.8/50;field_mean;2.8;0;10;20;69;67\n"
              "\"a;b.mtf\";Test 2.8/50;field_mean;2.8;0;20;20;51.75;67\n"
              "\"a;b.mtf\";Test 2.8/50;field_mean;2.8;0;40;20;34.5;67\n"
              "\"a;b.mtf\";Test 2.8/50;field_mean;2.8;-0.1;10;20;68;66\n"
              "\"a;b.mtf\";Test 2.8/50;field_mean;2.8;-0.1;20;20;50.75;66\n"
              "\"a;b.mtf\";Test 2.8/50;field_mean;2.8;-0.1;40;20;33.5;66\n"
              "\"a;b.mtf\";Test 2.8/50;mtf50;2.8;0;;0;30;>40\n"
              "\"a;b.mtf\";Test 2.8/50;mtf50;2.8;0;;20;16.6667;<10\n"
              "\"a;b.mtf\";Test 2.8/50;mtf50;2.8;-0.1;;0;29;>40\n"
              "\"a;b.mtf\";Test 2.8/50;mtf50;2.8;-0.1;;20;16;<10\n");
    EXPECT_EQ(thresholdFigureName(62.5), "mtf62.5");
}

TEST(LensFigures, CappedRowUsesItsOwnRadiusAndLastColumn)
{
    // f-number 1: heights 0, 10 (its row capped; the values at 10 mm are
    // stored under the last column, 3); f-number 2: 0, 10, 20.
    LensData lens = smallLens({ "10", "20" }, { "0", "10", "20" },
                              { { { 100, 80 }, { 90, 90 } }, { { 1, 1 }, { 1, 1 } }, { { 60, 40 }, { 90, 90 } } });
    lens.ImageHeightPerFNumber = 1;
    lens.FNumberCount = 2;
    lens.FNumberText[2] = "4";
    lens.ImageHeightText[1][2] = "10";
    lens.ImageHeightValidCount[1] = 2;
    lens.ImageHeightText[2] = lens.ImageHeightText[1];
    lens.ImageHeightText[2][3] = "20";
    lens.ImageHeightValidCount[2] = 3;
    const LensFigures figures = lensFigures(lens, 1, 1, Options);
    EXPECT_EQ(figures.radiusText(lens), "10");
    // The two-height curve over R = 10: 100 − 0.55·40 = 78.
    EXPECT_NEAR(figures.means.at(0).sag.value(), 78.0, 1e-9);
    ASSERT_EQ(figures.thresholds.size(), 2u);
    // At 10 mm 60 and 40 %: 10 + 10·10/20 = 15.
    EXPECT_EQ(thresholdText(figures.thresholds[1].sag.value()), "15");
}

TEST(LensFigures, ReferenceMatchedByValue)
{
    // B has 20 and 40 LP/mm but no 10, and its heights 0, 10, 20 mm: A's
    // 20 mm is B's third height.
    const LensData reference
        = smallLens({ "20", "40" }, { "0", "10", "20" },
                    { { { 70, 50 }, { 70, 50 } }, { { 1, 1 }, { 1, 1 } }, { { 50, 30 }, { 50, 30 } } });
    const LensFigures own = lensFigures(TwoHeights, 1, 2, Options);
    const ReferenceFigures matched = referenceFigures(TwoHeights, own, reference, Options);
    ASSERT_EQ(matched.means.size(), 3u);
    EXPECT_EQ(matched.means[0].missing, (MissingValue { Abscissa::Frequency, "10" }));
    ASSERT_FALSE(matched.means[1].missing);
    EXPECT_EQ(matched.means[1].row.frequencyIndex, 1);
    ASSERT_EQ(matched.thresholds.size(), 2u);
    ASSERT_FALSE(matched.thresholds[0].missing); // 0 mm, B's first height
    EXPECT_EQ(matched.thresholds[0].row.heightIndex, 1);
    ASSERT_FALSE(matched.thresholds[1].missing);
    EXPECT_EQ(matched.thresholds[1].row.heightIndex, 3);
    // Magnification -0.1: 49, 29 at 20 mm fall to 50 % below 20 LP/mm.
    EXPECT_EQ(thresholdText(matched.thresholds[1].row.sag.value()), "<20");
    // B's row using only its first two heights: 20 mm is in its list but
    // not a height of its curves.
    LensData capped = reference;
    capped.ImageHeightValidCount[1] = 2;
    const ReferenceFigures cut = referenceFigures(TwoHeights, own, capped, Options);
    EXPECT_FALSE(cut.thresholds[0].missing);
    EXPECT_EQ(cut.thresholds[1].missing, (MissingValue { Abscissa::ImageHeight, "20" }));
}
