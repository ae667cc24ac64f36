// SPDX-License-Identifier: MIT
#include "MapDrawing.h"
#include "MapTestLens.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

// 100 − f sagittal at every height, so 75 % at 25 LP/mm, halfway up.
const LensData Flat = lens({ "2" }, { "10", "20", "40" }, { "0", "10", "20" }, [](int, int q, int) {
    return q == 1 ? 90 : q == 2 ? 80 : 60;
});
const LensData Falling = lens({ "2" }, { "10", "20", "40" }, { "0", "20" }, [](int, int q, int h) {
    return (q == 1 ? 100 : q == 2 ? 80 : 50) - (h - 1) * (q == 3 ? 30 : 40);
});
const QSize Size(800, 450);

MapRequest request(MapKind kind, FieldShape field = {})
{
    return { kind, CurveSelection { 1, 1, 1, 1 }, field };
}

} // namespace

TEST(MapDrawing, PixelHalfwayUpHasTheColourOfItsValue)
{
    const MapScene scene = makeMapScene(Flat, request(MapKind::HeightFrequency));
    const MapLayout layout = mapLayout(Size, scene.model);
    const QImage image = renderMapImage(scene, Size);
    // Cividis entries 191 (75 %) and 166 (65 %, the tangential 10 below).
    for (const auto& [panel, colour] : { std::pair { 0, QColor(187, 173, 109) }, { 1, QColor(161, 153, 117) } }) {
        const QRect& area = layout.panels[panel];
        EXPECT_EQ(image.pixelColor(area.left() + area.width() / 3, area.top() + area.height() / 2), colour) << panel;
    }
}

TEST(MapDrawing, ComparedWithItselfAllWhiteWithADifferenceScale)
{
    const MapScene scene = makeMapScene(Falling, request(MapKind::HeightFrequency), &Falling);
    const MapLayout layout = mapLayout(Size, scene.model);
    const QImage image = renderMapImage(scene, Size);
    for (const QRect& panel : layout.panels) {
        for (int y = panel.top(); y <= panel.bottom(); ++y) {
            for (int x = panel.left(); x <= panel.right(); ++x) {
                ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << ',' << y;
            }
        }
    }
    RecordingCanvas canvas;
    drawMap(canvas, Size, scene);
    EXPECT_EQ(canvas.textsEqual(QStringLiteral("-50")).size(), 1U);
}

TEST(MapDrawing, FiftyPercentStrongerAndTheFieldKeepsItsFormat)
{
    RecordingCanvas canvas(RecordingCanvas::SeriesRecord::Whole);
    drawMap(canvas, Size, makeMapScene(Falling, request(MapKind::HeightFrequency)));
    int strong = 0;
    for (const CanvasOp& op : canvas.ofKind(CanvasOp::Kind::Series)) {
        strong += op.series->lineWidth == 2 ? 1 : 0;
    }
    EXPECT_EQ(strong, 2); // one line in each panel
    EXPECT_EQ(canvas.ofKind(CanvasOp::Kind::Image).size(), 1U);

    const MapScene field = makeMapScene(Flat, request(MapKind::Field, FieldShape { 3, 2 }));
    const QRect panel = mapLayout(Size, field.model).panels[0];
    EXPECT_NEAR(static_cast<double>(panel.width()) / panel.height(), 1.5, 0.01);
    const QByteArray svg = renderMapSvg(field, Size);
    EXPECT_EQ(svg.count("<image "), 1);
    EXPECT_TRUE(svg.contains("width=\"800\" height=\"450\""));
}

TEST(MapDrawing, UnavailableMapShowsItsReason)
{
    RecordingCanvas canvas;
    drawMap(canvas, Size,
            makeMapScene(lens({ "2" }, { "20", "10" }, { "0", "10" }, [](int, int, int) { return 50; }),
                         request(MapKind::HeightFrequency)));
    EXPECT_EQ(canvas.textsEqual(QStringLiteral("Keine Karte: Ortsfrequenzen nicht aufsteigend")).size(), 1U);
    EXPECT_TRUE(canvas.ofKind(CanvasOp::Kind::Image).empty());
}
