// SPDX-License-Identifier: MIT
// Reading a curve at an abscissa: the axis values of the file's lists as
// positions and back, and what a probe finds at, between and beyond the
// support points.
#include "CurveProbe.h"
#include "CurvePipeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

LensData lensWithLists()
{
    LensData lens;
    lens.FNumberCount = 3;
    lens.FNumberText[1] = "2.8";
    lens.FNumberText[2] = " 4"; // a second blank stays in front of the value
    lens.FNumberText[3] = "5.6";
    lens.MagnificationCount = 3;
    lens.MagnificationText[1] = "0";
    lens.MagnificationText[2] = "-0.05";
    lens.MagnificationText[3] = "-0.1";
    lens.FrequencyCount = 3;
    lens.FrequencyText[1] = "10";
    lens.FrequencyText[2] = "x20";
    lens.FrequencyText[3] = "40";
    lens.MaxImageHeight = 21.6;
    return lens;
}

TEST(AbscissaScale, ListValuesArePositionsAndBack)
{
    const LensData lens = lensWithLists();
    struct Row
    {
        Abscissa abscissa;
        double value;
        std::optional<double> position;
    };
    // The command line's tests read two-entry lists; here a third entry, a
    // falling list and an entry that is no number.
    const Row rows[] = {
        { Abscissa::FNumber, 4.8, 1.5 },
        { Abscissa::FNumber, 5.6, 2.0 }, // the last entry still on the scale
        { Abscissa::FNumber, 5.7, std::nullopt },
        { Abscissa::Magnification, -0.075, 1.5 },
        { Abscissa::Frequency, 15.0, std::nullopt },
        { Abscissa::Frequency, 40.0, std::nullopt },
        { Abscissa::ImageHeight, 120.0, 25.92 },
    };
    for (const Row& row : rows) {
        const AbscissaScale scale(lens, row.abscissa);
        const std::optional<double> position = scale.positionOf(row.value);
        ASSERT_EQ(position.has_value(), row.position.has_value()) << row.value;
        if (row.position) {
            EXPECT_NEAR(*position, *row.position, 1e-12) << row.value;
            EXPECT_NEAR(scale.valueAt(*position).value_or(-1), row.value, 1e-12);
        }
    }
    EXPECT_EQ(AbscissaScale(lens, Abscissa::Frequency).firstNonNumeric(), 2);
    EXPECT_EQ(AbscissaScale(lens, Abscissa::FNumber).firstNonNumeric(), 0);
}

// Over k: support points 0, 1, 2 with 60, 80, 70 (sagittal), and the
// tangential values 10 lower.
CurveProbe kCurve()
{
    CurveProbe probe;
    ExtractedCurve& c = probe.curve;
    c.CurvePointCount = 3;
    const double values[] = { 60, 80, 70 };
    for (int i = 1; i <= 3; ++i) {
        c.KnotX[i] = i - 1;
        c.SagPointValues[i] = values[i - 1];
        c.TanPointValues[i] = values[i - 1] - 10;
    }
    probe.sagittal = seriesSpline(c, Series::Sagittal, {});
    probe.tangential = seriesSpline(c, Series::Tangential, {});
    return probe;
}

TEST(CurveProbe, SupportPointsWithinOneBillionthBetweenThemTheSplineOutsideNothing)
{
    const CurveProbe probe = kCurve();
    // The natural spline through (0,60), (1,80), (2,70): 4 M_2 = 6 (-10 - 20),
    // M_2 = -45; at 0.5: 70 + (0.125 - 0.5) * -45 / 6 = 72.8125.
    struct Row
    {
        double position;
        std::optional<double> sag; // the tangential value is 10 lower; none: not checked
        int node;                  // -1: nothing found
    };
    const Row rows[] = {
        { 1.0, 80.0, 2 },
        { 1.0 + 5e-10, 80.0, 2 },
        { 1.0 + 5e-9, std::nullopt, 0 }, // no longer the support point: the spline
        { 0.5, 72.8125, 0 },
        { 0.0, 60.0, 1 },
        { 2.0 * (1 + 4e-10), 70.0, 3 },
        { 2.0 * (1 + 4e-9), std::nullopt, -1 }, // beyond the last point: nothing
        { -1e-6, std::nullopt, -1 },
    };
    for (const Row& row : rows) {
        const std::optional<ProbeValue> value = probeCurve(probe, row.position);
        if (row.node < 0) {
            EXPECT_FALSE(value) << row.position;
            continue;
        }
        ASSERT_TRUE(value) << row.position;
        EXPECT_EQ(value->node, row.node) << row.position;
        if (row.sag) {
            EXPECT_NEAR(value->sag, *row.sag, 1e-9) << row.position;
            EXPECT_NEAR(value->tan, *row.sag - 10, 1e-9) << row.position;
        }
    }
}

} // namespace
