// SPDX-License-Identifier: MIT
#include "MapModel.h"
#include "MapColours.h"
#include "MapContours.h"
#include "MapGrid.h"
#include "MapTestLens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// 100 − f at every height: 90, 80, 60.
const LensData Flat = lens({ "2", "4" }, { "10", "20", "40" }, { "0", "10", "20" }, [](int, int q, int) {
    return q == 1 ? 90 : q == 2 ? 80 : 60;
});
// 0 and 20 mm: 100 → 60, 80 → 40, 50 → 20 for 10, 20, 40 LP/mm.
const LensData Falling = lens({ "2" }, { "10", "20", "40" }, { "0", "20" }, [](int, int q, int h) {
    return (q == 1 ? 100 : q == 2 ? 80 : 50) - (h - 1) * (q == 3 ? 30 : 40);
});

MapRequest request(MapKind kind, FieldShape field = {})
{
    return { kind, CurveSelection { 1, 1, 1, 1 }, field };
}

void expectSegment(const ContourSegment& s, double x1, double y1, double x2, double y2)
{
    EXPECT_NEAR(s.x1, x1, 1e-12);
    EXPECT_NEAR(s.y1, y1, 1e-12);
    EXPECT_NEAR(s.x2, x2, 1e-12);
    EXPECT_NEAR(s.y2, y2, 1e-12);
}

// One square of four centres, values row by row (top left, top right,
// bottom left, bottom right), at level 50.
std::vector<ContourSegment> squareAt50(double topLeft, double topRight, double bottomLeft, double bottomRight)
{
    return contourSegments({ topLeft, topRight, bottomLeft, bottomRight }, 2, 2, 50);
}

} // namespace

TEST(MapModel, LinearInFrequencyAndFlatOverHeightGivesThatLineEverywhere)
{
    const MapModel map(Flat, request(MapKind::HeightFrequency));
    ASSERT_TRUE(map.available());
    EXPECT_EQ(map.xAxis().to, 20.0);
    EXPECT_EQ(map.yAxis().from, 10.0);
    EXPECT_EQ(map.yAxis().to, 40.0);
    for (const double r : { 0.0, 0.5, 7.0, 20.0 }) {
        for (const auto& [f, value] : { std::pair { 10.0, 90.0 }, { 15.0, 85.0 }, { 30.0, 70.0 }, { 40.0, 60.0 } }) {
            SCOPED_TRACE(testing::Message() << r << " mm, " << f << " LP/mm");
            const std::optional<MapValue> at = map.at(r, f);
            ASSERT_TRUE(at);
            EXPECT_NEAR(at->sag, value, 1e-9);
            EXPECT_NEAR(at->tan, value - 10, 1e-9);
        }
    }
    EXPECT_FALSE(map.at(20.1, 20));
    EXPECT_FALSE(map.at(10, 41));
}

TEST(MapModel, HeightDependentPointWorkedFromBothSplines)
{
    // Over the height (mirrored point) at 10 mm: 87.5, 67.5 and 40.625; over
    // the frequency the natural spline through (10, 87.5), (20, 67.5),
    // (40, 40.625) has M = 0.065625 at 20, so at 30 LP/mm
    // 0.546875 + 31.5625 + 20.3125 = 52.421875.
    const MapModel map(Falling, request(MapKind::HeightFrequency));
    const std::optional<MapValue> at = map.at(10, 30);
    ASSERT_TRUE(at);
    EXPECT_NEAR(at->sag, 52.421875, 1e-9);
    EXPECT_NEAR(at->tan, 42.421875, 1e-9);
}

TEST(MapModel, OverStopsThroughEachFNumbersCurve)
{
    // k 2, 4, 8 are stops 2, 4, 6 with 60, 80, 70 at every height: M = −11.25
    // at stop 4, so at stop 3: −0.9375 + 30 + 43.75 = 72.8125.
    const LensData lensData = lens({ "2", "4", "8" }, { "10" }, { "0", "10" }, [](int f, int, int) {
        return f == 1 ? 60 : f == 2 ? 80 : 70;
    });
    const MapModel map(lensData, request(MapKind::HeightFNumber));
    ASSERT_TRUE(map.available());
    EXPECT_NEAR(map.at(5, 3)->sag, 72.8125, 1e-9);
    ASSERT_EQ(map.yAxis().ticks.size(), 3U);
    EXPECT_EQ(map.yAxis().ticks[2].value, 6.0);
    EXPECT_EQ(map.yAxis().ticks[2].text, "8");
    const std::string csv = mapCsv(map);
    EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1)), "image_height_mm;f_number;sag;tan\n0;2;60;50");
}

TEST(MapModel, UnavailableWithTheReason)
{
    const Values any = [](int, int, int) { return 50; };
    const struct
    {
        LensData lens;
        MapKind kind;
        const char* message;
    } rows[] = {
        { lens({ "2" }, { "20", "10" }, { "0", "10" }, any), MapKind::HeightFrequency,
          "Ortsfrequenzen nicht aufsteigend" },
        { lens({ "2" }, { "10", "10" }, { "0", "10" }, any), MapKind::HeightFrequency,
          "Ortsfrequenzen nicht aufsteigend" },
        { lens({ "2" }, { "10" }, { "0", "10" }, any), MapKind::HeightFrequency, "Weniger als zwei Ortsfrequenzen" },
        { lens({ "4", "2" }, { "10" }, { "0", "10" }, any), MapKind::HeightFNumber, "Blendenzahlen nicht aufsteigend" },
        { lens({ "2" }, { "10" }, { "0" }, any), MapKind::Field, "Weniger als zwei Bildhöhen" },
        { lens({ "2" }, { "10" }, { "0", "0" }, any), MapKind::Field, "Weniger als zwei Bildhöhen" }, // no R
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        const MapModel map(row.lens, request(row.kind));
        ASSERT_FALSE(map.available());
        EXPECT_EQ(map.unavailable()->german(), row.message);
        EXPECT_FALSE(map.at(0, 10));
    }
}

TEST(MapModel, FieldRectangleHasItsAspectAndEndsAtItsEdges)
{
    // R = 20 over 3:2: half-sides 60/√13 and 40/√13.
    const MapModel map(Flat, request(MapKind::Field, FieldShape { 3, 2 }));
    EXPECT_NEAR(map.xAxis().to, 60 / std::sqrt(13.0), 1e-12);
    EXPECT_NEAR(map.yAxis().from, -40 / std::sqrt(13.0), 1e-12);
    EXPECT_NEAR(map.at(16, 11)->sag, 90, 1e-9);
    EXPECT_FALSE(map.at(0, 11.2));
    const MapModel circle(Flat, request(MapKind::Field));
    EXPECT_TRUE(circle.at(0, 19.9));
    // A computed end may be off by rounding: within 1e-9 of R (20) still in.
    EXPECT_TRUE(circle.at(0, 20 + 1e-8));
    EXPECT_FALSE(circle.at(0, 20 + 1e-7));
    EXPECT_FALSE(circle.at(15, 15));
    const std::string csv = mapCsv(circle);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "x_mm;y_mm;sag;tan");
    // The corner (−20, −20) lies outside: the first point is (0, −20).
    EXPECT_EQ(csv.substr(csv.find('\n') + 1, 12), "0;-20;90;80\n");
}

TEST(MapModel, ComparedWithItselfAllZeroAndAReferenceMatchedByValue)
{
    const MapModel map(Falling, request(MapKind::HeightFrequency));
    const std::string csv = mapCsv(map, &map);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "image_height_mm;frequency_lpmm;sag_difference;tan_difference");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 101 * 101);
    EXPECT_EQ(csv.find(";0;0\n"), csv.find('\n') + 1 + std::string("0;10").size());
    const MapGrid grid = sampleGrid(map, map.xAxis(), map.yAxis(), 4, 3);
    for (const double d : differenceGrid(grid, grid).sag) {
        EXPECT_EQ(d, 0.0);
    }

    // B: 20 and 40 LP/mm only, f-number 2 written as 2.0, heights to 10 mm.
    const LensData b = lens({ "2.0" }, { "20", "40" }, { "0", "10" }, [](int, int, int) { return 50; });
    const ReferenceMapRequest matched = matchReferenceRequest(Falling, b, request(MapKind::HeightFrequency));
    EXPECT_FALSE(matched.missing);
    const MapModel theirs(b, matched.request);
    const MapGrid difference = differenceGrid(grid, sampleGrid(theirs, map.xAxis(), map.yAxis(), 4, 3));
    // Columns at 2.5, 7.5, 12.5, 17.5 mm, rows at 35, 25, 15 LP/mm: B covers
    // the first two columns of the top two rows.
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(std::isnan(difference.sagAt(i, j)), i > 1 || j > 1) << i << ',' << j;
        }
    }
    const ReferenceMapRequest lacking = matchReferenceRequest(Falling, b, request(MapKind::Field));
    ASSERT_TRUE(lacking.missing);
    EXPECT_EQ(lacking.missing->variable, Abscissa::Frequency);
    EXPECT_EQ(lacking.missing->text, "10");
}

TEST(MapContours, PlaneCrossesTheLevelWhereItIsFifty)
{
    // v = 10 i + 4 j: 50 at i = 5, 4.6, 4.2 in rows 0, 1, 2 (centres at +0.5).
    std::vector<double> values;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 8; ++i) {
            values.push_back(10 * i + 4 * j);
        }
    }
    const std::vector<ContourSegment> segments = contourSegments(values, 8, 3, 50);
    ASSERT_EQ(segments.size(), 2U);
    expectSegment(segments[0], 5.5, 0.5, 5.1, 1.5);
    expectSegment(segments[1], 5.1, 1.5, 4.7, 2.5);
    const auto lines = contourLines(values, 8, 3, 50);
    ASSERT_EQ(lines.size(), 1U);
    ASSERT_EQ(lines[0].size(), 3U);
    EXPECT_DOUBLE_EQ(lines[0][2].x, 4.7);
    values[4] = NAN;
    EXPECT_EQ(contourSegments(values, 8, 3, 50).size(), 1U);
}

TEST(MapContours, SaddlesFollowTheCentreAndACornerAtTheLevelCountsAsAbove)
{
    // 70 and 60 above on one diagonal, 40 below on the other: the centre
    // (52.5) is above, so the lines cut off the two low corners. The
    // crossings: 70 → 40 two thirds along the top edge, 40 → 60 halfway down
    // the right, 60 → 40 halfway along the bottom, 40 → 70 a third up the left.
    const auto high = squareAt50(70, 40, 40, 60);
    ASSERT_EQ(high.size(), 2U);
    expectSegment(high[0], 0.5 + 2.0 / 3, 0.5, 1.5, 1.0);
    expectSegment(high[1], 1.0, 1.5, 0.5, 1.5 - 1.0 / 3);
    // 60 and 30: the centre (45) is below, so the lines cut off the high
    // corners, top left and bottom right.
    const auto low = squareAt50(60, 30, 30, 60);
    ASSERT_EQ(low.size(), 2U);
    expectSegment(low[0], 0.5 + 1.0 / 3, 0.5, 0.5, 1.5 - 2.0 / 3);
    expectSegment(low[1], 1.5, 0.5 + 2.0 / 3, 1.5 - 1.0 / 3, 1.5);
    // A centre exactly at the level counts as above: as for 70 and 60.
    const auto tie = squareAt50(60, 40, 40, 60);
    ASSERT_EQ(tie.size(), 2U);
    expectSegment(tie[0], 1.0, 0.5, 1.5, 1.0);
    expectSegment(tie[1], 1.0, 1.5, 0.5, 1.0);
    // Top left exactly at 50 is above with its neighbour 60: the line runs
    // from halfway down the right edge to that corner.
    const auto corner = squareAt50(50, 60, 40, 40);
    ASSERT_EQ(corner.size(), 1U);
    expectSegment(corner[0], 1.5, 1.0, 0.5, 0.5);
}

TEST(MapColours, EndsOfBothScales)
{
    // cividis entries 0, 128 and 255 times 255.
    EXPECT_EQ(modulationColour(0), (MapColour { 0, 34, 78 }));
    EXPECT_EQ(modulationColour(-5), (MapColour { 0, 34, 78 }));
    EXPECT_EQ(modulationColour(50), (MapColour { 125, 124, 120 }));
    EXPECT_EQ(modulationColour(130), (MapColour { 254, 232, 56 }));
    EXPECT_EQ(differenceColour(0), (MapColour { 255, 255, 255 }));
    EXPECT_EQ(differenceColour(-25), (MapColour { 229, 131, 104 }));
    EXPECT_EQ(differenceColour(80), (MapColour { 5, 48, 97 }));
}

// The 256 entries as transcribed: each channel summed with the weight
// i + 1 of entry i, so a changed or swapped entry shows.
TEST(MapColours, CividisTableAsTranscribed)
{
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    for (int i = 0; i < 256; ++i) {
        const MapColour c = modulationColour(i * 100.0 / 255.0);
        red += (i + 1) * c.red;
        green += (i + 1) * c.green;
        blue += (i + 1) * c.blue;
    }
    EXPECT_EQ(red, 5520313);
    EXPECT_EQ(green, 5215135);
    EXPECT_EQ(blue, 3315503);
}
