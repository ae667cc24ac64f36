// SPDX-License-Identifier: MIT
#include "CurveComparison.h"
#include "CurvePipeline.h"
#include "CurveProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Sagittal 20 h + 2 f + q + m, tangential 200 minus that (1-based indices): every value told by hand.
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

template <typename Array> std::vector<double> firstOf(const Array& values, int count)
{
    return { &values[1], &values[1] + count };
}

TEST(CompareCurve, ValuesArePlacedOnTheFirstLensListAndOutsidersLeftOut)
{
    // clang-format off
    const std::tuple<const char*, LensData, Abscissa, std::vector<double>, std::vector<double>> rows[] = {
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
    for (const auto& [what, reference, abscissa, knots, sagittal] : rows) {
        const ReferenceCurve compared = compareCurve(First, reference, abscissa, Fixed);
        ASSERT_FALSE(compared.missing) << what;
        EXPECT_EQ(firstOf(compared.curve.KnotX, compared.curve.CurvePointCount), knots) << what;
        EXPECT_EQ(firstOf(compared.curve.SagPointValues, compared.curve.CurvePointCount), sagittal) << what;
        EXPECT_EQ(compared.curve.AbscissaFactor, 1.0) << what;
        const SeriesCurve series = referenceSeries(compared, Series::Tangential, 56.7, {});
        EXPECT_EQ(series.samples.ScaleX, 56.7) << what;
        EXPECT_EQ(series.samples.drawable, knots.size() >= 2) << what;
        EXPECT_EQ(series.spline.KnotY[1], 200 - sagittal[0]) << what;
        // Without a horizontal scale of the first lens's axis, nothing to draw.
        EXPECT_FALSE(referenceSeries(compared, Series::Tangential, 0.0, {}).samples.drawable) << what;
    }
}

TEST(CompareCurve, AFixedValueTheReferenceLensLacksIsNamedAsWritten)
{
    // clang-format off
    const std::tuple<LensData, Abscissa, CurveSelection, MissingValue> rows[] = {
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
    for (const auto& [reference, abscissa, selection, missing] : rows) {
        SCOPED_TRACE(missing.text);
        const ReferenceCurve compared = compareCurve(First, reference, abscissa, selection);
        ASSERT_TRUE(compared.missing);
        EXPECT_EQ(*compared.missing, missing);
        EXPECT_EQ(compared.curve.CurvePointCount, 0);
    }
}

TEST(SameValue, NumbersEqualWithinOneMillionthTextsExactly)
{
    EXPECT_TRUE(sameValue(" 2.8", "2.8000000001"));
    EXPECT_TRUE(sameValue("2.8", "2.8000005")); // 1.8e-7 apart: still within a millionth
    EXPECT_TRUE(sameValue("0", "-0"));
    EXPECT_FALSE(sameValue("2.8", "2.80001"));
    EXPECT_FALSE(sameValue("2.8", "x2.8"));
    EXPECT_TRUE(sameValue("x2.8 ", "x2.8"));
}

TEST(AbscissaScale, ListValuesArePositionsAndBack)
{
    // A second blank in front of " 4" stays part of the text.
    const LensData lists = lens({ "2.8", " 4", "5.6" }, { "10", "x20", "40" }, heights, magnifications);
    const std::tuple<Abscissa, double, std::optional<double>> rows[] = {
        { Abscissa::FNumber, 2.8, 0.0 }, // the first entry too
        { Abscissa::FNumber, 4.8, 1.5 },
        { Abscissa::FNumber, 5.6, 2.0 }, // the last entry still on the scale
        { Abscissa::FNumber, 5.7, std::nullopt },
        { Abscissa::Magnification, -0.075, 1.5 },
        { Abscissa::Frequency, 15.0, std::nullopt },
        { Abscissa::ImageHeight, 120.0, 25.92 },
    };
    for (const auto& [abscissa, value, expected] : rows) {
        SCOPED_TRACE(value);
        const AbscissaScale scale(lists, abscissa);
        const std::optional<double> position = scale.positionOf(value);
        ASSERT_EQ(position.has_value(), expected.has_value());
        if (expected) {
            EXPECT_NEAR(*position, *expected, 1e-12);
            EXPECT_NEAR(scale.valueAt(*position).value_or(-1), value, 1e-12);
        }
    }
    EXPECT_EQ(AbscissaScale(lists, Abscissa::Frequency).firstNonNumeric(), 2);
    EXPECT_EQ(AbscissaScale(lists, Abscissa::FNumber).firstNonNumeric(), 0);
    // Heights that are all 0 give no percent scale.
    const AbscissaScale flat(lens({ "2.8" }, { "10" }, { "0" }, magnifications), Abscissa::ImageHeight);
    EXPECT_FALSE(flat.valueAt(5.0).has_value());
    // A list of one entry: that entry at position 0.
    EXPECT_EQ(AbscissaScale(lens({ "2.8" }, { "10" }, { "0" }, magnifications), Abscissa::FNumber).positionOf(2.8),
              0.0);
}

TEST(CurveProbe, SupportPointsWithinOneBillionthBetweenThemTheSplineOutsideNothing)
{
    // Over k: support points 0, 1, 2 with 60, 80, 70 (sagittal), the tangential values 10 lower.
    CurveProbe probe;
    probe.curve.CurvePointCount = 3;
    for (int i = 1; i <= 3; ++i) {
        probe.curve.KnotX[i] = i - 1;
        probe.curve.SagPointValues[i] = i == 1 ? 60 : i == 2 ? 80 : 70;
        probe.curve.TanPointValues[i] = probe.curve.SagPointValues[i] - 10;
    }
    probe.sagittal = seriesSpline(probe.curve, Series::Sagittal, {});
    probe.tangential = seriesSpline(probe.curve, Series::Tangential, {});
    // The natural spline through (0,60), (1,80), (2,70): 4 M_2 = 6 (-10 - 20),
    // M_2 = -45; at 0.5: 70 + (0.125 - 0.5) * -45 / 6 = 72.8125.
    // position, sagittal value (none: not checked), node (-1: nothing found)
    const std::tuple<double, std::optional<double>, int> rows[] = {
        { 1.0 + 5e-10, 80.0, 2 },
        { 1.0 + 5e-9, std::nullopt, 0 }, // no longer the support point: the spline
        { 0.5, 72.8125, 0 },
        { 0.0, 60.0, 1 },
        { 2.0 * (1 + 4e-10), 70.0, 3 },
        { 2.0 * (1 + 4e-9), std::nullopt, -1 }, // beyond the last point: nothing
        { -1e-6, std::nullopt, -1 },
        { NAN, std::nullopt, -1 },
    };
    for (const auto& [position, sag, node] : rows) {
        const std::optional<ProbeValue> value = probeCurve(probe, position);
        ASSERT_EQ(value.has_value(), node >= 0) << position;
        if (value) {
            EXPECT_EQ(value->node, node) << position;
        }
        if (value && sag) {
            EXPECT_NEAR(value->sag, *sag, 1e-9) << position;
            EXPECT_NEAR(value->tan, *sag - 10, 1e-9) << position;
        }
    }

    // The mirrored point of an image-height curve left of the axis is not
    // part of it: nothing is read there.
    probe.curve.KnotX[1] = -1.0;
    EXPECT_FALSE(probeCurve(probe, -1.0).has_value());

    // A curve of one support point (one image height, at 100 %) is that
    // point alone: nothing left of it.
    probe.curve.CurvePointCount = 1;
    probe.curve.KnotX[1] = 100.0;
    probe.sagittal = seriesSpline(probe.curve, Series::Sagittal, {});
    probe.tangential = seriesSpline(probe.curve, Series::Tangential, {});
    EXPECT_FALSE(probeCurve(probe, 50.0).has_value());
    ASSERT_TRUE(probeCurve(probe, 100.0).has_value());
    EXPECT_EQ(probeCurve(probe, 100.0)->node, 1);
}

} // namespace
