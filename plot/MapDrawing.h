// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"
#include "LensData.h"
#include "MapGrid.h"
#include "MapModel.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// What a map picture shows, computed once from the lens and, to compare,
// a reference lens B: A's map, B's map of the same fixed values on its own
// data (none when B lacks one of them: `missing` says which), and the
// caption line.
struct MapScene
{
    MapModel model;
    std::optional<MapModel> reference;
    std::optional<MissingValue> missing;
    bool compared = false; // a reference lens was given
    QString caption;
};

// Throws RangeError as the curve extraction does.
MapScene makeMapScene(const LensData& lens, const MapRequest& request, const LensData* reference = nullptr);

// Where a map picture of a given size puts its parts, in pixels (right and
// bottom edges excluded): the sagittal and tangential panels, each the
// colour field of its axes' whole range (for the field kind with the
// format's aspect), and the colour bar.
struct MapLayout
{
    QRect panels[2];
    QRect colourBar;

    // The axes' values under a point of the picture, and which panel it is
    // in (0 sagittal, 1 tangential); nullopt outside both panels.
    struct Position
    {
        int panel = 0;
        double x = 0.0;
        double y = 0.0;
    };
    std::optional<Position> positionAt(QPointF point, const MapModel& model) const;
};

MapLayout mapLayout(QSize size, const MapModel& model);

// The whole picture on a white ground: caption, both panels with their
// colour fields, contour lines every 10 % (every 10 points of a difference;
// 50 % and 0 stronger), axes with ticks and titles, the colour bar. An
// unavailable map shows its reason in place of the panels. size is in the
// canvas's units; the colour field has density pixels per unit, so a canvas
// that reaches device pixels gets a field as sharp as they are.
void drawMap(Canvas& canvas, QSize size, const MapScene& scene, double density = 1.0);

// The colour field of both panels and of the colour bar as one image over
// their bounding box (transparent between them), and the grid of the
// panels' cells it is coloured from: A's values, or A − B where both have
// one when there is a reference map (the sagittal panel shows `sag`, the
// tangential `tan`). The image and the grid have density pixels per unit
// of the layout; box stays in the layout's units.
struct MapField
{
    QRect box;
    QImage image;
    MapGrid grid;
    bool difference = false;
};
MapField mapField(const MapLayout& layout, const MapScene& scene, double density = 1.0);

// The readout under the mouse: the position in the axes' units, then
// S and T, and with a reference map B's values and the difference; what B
// does not cover or lacks is said. Empty outside the panels.
QString mapReadoutText(const MapScene& scene, const MapLayout::Position& position);

// The picture as a PNG-ready image and as an SVG document of the same size
// in user units (the colour field one embedded image, the rest vectors).
// The image has size × ratio pixels and that device pixel ratio, so a
// screen of ratio 2 shows it sharp at size.
QImage renderMapImage(const MapScene& scene, QSize size, double ratio = 1.0);
QByteArray renderMapSvg(const MapScene& scene, QSize size);
