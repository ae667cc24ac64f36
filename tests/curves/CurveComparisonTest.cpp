// SPDX-License-Identifier: MIT
// A reference lens's curve: found by the values of the fixed variables,
// placed on the first lens's abscissa.
#include "CurveComparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Sagittal 20 h + 2 f + q + m, tangential 200 minus that (1-based indices),
// so every expected value below can be told by hand.
LensData lens(const Texts& fNumbers, const Texts& frequencies, const Texts& heights, const Texts& magnifications)
{
    LensData data;
    const auto fill = [](auto& list, int& count, const Texts& texts) {
        count = static_cast<int>(texts.size());
        for (int i = 1; i <= count; ++i) {
            list[i] = texts[static_cast<std::size_t>(i - 1)];
        }
    };
    fill(data.FNumberText, data.FNumberCount, fNumbers);
    fill(data.FrequencyText, data.FrequencyCount, frequencies);
    fill(data.ImageHeightText[1], data.ImageHeightCount, heights);
    fill(data.MagnificationText, data.MagnificationCount, magnifications);
    data.ImageHeightValidCount[1] = data.ImageHeightCount;
    data.MaxImageHeight = std::stod(heights.back());
    for (int f = 1; f <= 8; ++f) {
        for (int q = 1; q <= 8; ++q) {
            for (int h = 1; h <= 6; ++h) {
                for (int m = 1; m <= 9; ++m) {
                    const int sag = 20 * h + 2 * f + q + m;
                    data.SagModulation.set(f - 1, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(sag));
                    data.TanModulation.set(f - 1, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(200 - sag));
                }
            }
        }
    }
    return data;
}

const Texts heights { "0", "4", "8", "12", "16", "21.6" };
const Texts magnifications { "0", "-0.05", "-0.1" };
const LensData First = lens({ "2.8", "4", "5.6", "8" }, { "10", "20", "40" }, heights, magnifications);
const CurveSelection Fixed { 1, 1, 1, 1 };

std::vector<double> knots(const ExtractedCurve& curve)
{
    return { &curve.KnotX[1], &curve.KnotX[1] + curve.CurvePointCount };
}
std::vector<double> sagittal(const ExtractedCurve& curve)
{
    return { &curve.SagPointValues[1], &curve.SagPointValues[1] + curve.CurvePointCount };
}

TEST(CompareCurve, ValuesArePlacedOnTheFirstLensListAndOutsidersLeftOut)
{
    struct Row
    {
        const char* what;
        LensData reference;
        Abscissa abscissa;
        std::vector<double> knots;
        std::vector<double> sagittal;
    };
    // clang-format off
    const Row rows[] = {
        // 2 and 11 lie outside 2.8 .. 8; 4.8 is halfway between 4 and 5.6.
        { "f-numbers", lens({ "2", "4", "4.8", "8", "11" }, { "10", "20", "40" }, heights, magnifications),
          Abscissa::FNumber, { 1, 1.5, 3 }, { 26, 28, 30 } },
        { "frequencies", lens({ "2.8" }, { "5", "10", "30", "40", "80" }, heights, magnifications),
          Abscissa::Frequency, { 0, 1.5, 2 }, { 25, 26, 27 } },
        // The first lens's list falls, the reference lens's rises.
        { "magnifications", lens({ "2.8" }, { "10" }, heights, { "-0.1", "-0.075", "0" }),
          Abscissa::Magnification, { 0, 1.5, 2 }, { 26, 25, 24 } },
        // Heights in mm as they are; 25 lies beyond the largest 21.6.
        { "heights", lens({ "2.8" }, { "10" }, { "0", "5", "10", "15", "20", "25" }, { "0" }),
          Abscissa::ImageHeight, { -5, 0, 5, 10, 15, 20 }, { 44, 24, 44, 64, 84, 104 } },
        { "fewer than two", lens({ "2.8" }, { "40", "80" }, heights, { "0" }), Abscissa::Frequency, { 2 }, { 24 } },
    };
    // clang-format on
    for (const Row& row : rows) {
        const ReferenceCurve compared = compareCurve(First, row.reference, row.abscissa, Fixed);
        ASSERT_FALSE(compared.missing) << row.what;
        EXPECT_EQ(knots(compared.curve), row.knots) << row.what;
        EXPECT_EQ(sagittal(compared.curve), row.sagittal) << row.what;
        EXPECT_EQ(compared.curve.AbscissaFactor, 1.0) << row.what;

        // Drawn on the first lens's horizontal scale; a line only from two points.
        const SeriesCurve series = referenceSeries(compared, Series::Tangential, 56.7, {});
        EXPECT_EQ(series.samples.ScaleX, 56.7) << row.what;
        EXPECT_EQ(series.samples.drawable, row.knots.size() >= 2) << row.what;
        EXPECT_EQ(series.spline.KnotY[1], 200 - row.sagittal[0]) << row.what;
    }
}

TEST(CompareCurve, AFixedValueTheReferenceLensLacksIsNamedAsWritten)
{
    struct Row
    {
        LensData reference;
        Abscissa abscissa;
        CurveSelection selection;
        MissingValue missing;
    };
    // clang-format off
    const Row rows[] = {
        { lens({ "2.8" }, { "10", "25" }, heights, magnifications), Abscissa::ImageHeight, { 2, 1, 1, 1 },
          { Abscissa::Frequency, "20" } },
        { lens({ "2.8", "5.6" }, { "10" }, heights, magnifications), Abscissa::Frequency, { 1, 4, 1, 1 },
          { Abscissa::FNumber, "8" } },
        { lens({ "2.8" }, { "10" }, { "0", "5", "10" }, magnifications), Abscissa::FNumber, { 1, 1, 3, 1 },
          { Abscissa::ImageHeight, "8" } },
        { lens({ "2.8" }, { "10" }, heights, { "0", "-0.05" }), Abscissa::ImageHeight, { 1, 1, 1, 3 },
          { Abscissa::Magnification, "-0.1" } },
    };
    // clang-format on
    for (const Row& row : rows) {
        const ReferenceCurve compared = compareCurve(First, row.reference, row.abscissa, row.selection);
        ASSERT_TRUE(compared.missing);
        EXPECT_EQ(*compared.missing, row.missing) << row.missing.text;
        EXPECT_EQ(compared.curve.CurvePointCount, 0);
    }
}

TEST(SameValue, NumbersEqualWithinOneMillionthTextsExactly)
{
    EXPECT_TRUE(sameValue(" 2.8", "2.8000000001"));
    EXPECT_TRUE(sameValue("0.1", "1E-1"));
    EXPECT_TRUE(sameValue("0", "-0"));
    EXPECT_FALSE(sameValue("2.8", "2.80001"));
    EXPECT_FALSE(sameValue("2.8", "x2.8"));
    EXPECT_TRUE(sameValue("x2.8 ", "x2.8"));
}

} // namespace
