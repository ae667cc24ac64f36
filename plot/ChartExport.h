// SPDX-License-Identifier: MIT
#pragma once

#include "AxisTexts.h"
#include "Canvas.h"
#include "ChartDrawing.h"
#include "CurveExtraction.h"
#include "LensData.h"
#include "Spline.h"

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

// The lens and the frequencies of one pass where they are not the chart's:
// the window's overlays go on across the load of another lens file, whose
// curves are drawn from that file's data with the frequencies it shows.
struct PassSource
{
    std::shared_ptr<const LensData> lens;
    FrequencyFlags frequencies;
};

// What an export draws: the draw command once per pass, each pass with its
// own fixed values, over the same abscissa, frequencies and axis texts.
struct ChartSelection
{
    Abscissa abscissa = Abscissa::ImageHeight;
    std::vector<CurveSelection> passes; // at least one
    FrequencyFlags frequencies;
    AxisTexts texts;
    // Empty (every pass draws the chart's lens and frequencies), or one
    // entry per pass.
    std::vector<PassSource> sources;
    // The reference lens whose matching curves every pass of the last
    // pass's lens (the lens shown now) draws beneath its own, or none.
    std::shared_ptr<const LensData> reference;

    // The lens and the frequencies pass i draws.
    const LensData& lensOfPass(std::size_t i, const LensData& chartLens) const
    {
        return i < sources.size() && sources[i].lens ? *sources[i].lens : chartLens;
    }
    const FrequencyFlags& frequenciesOfPass(std::size_t i) const
    {
        return i < sources.size() ? sources[i].frequencies : frequencies;
    }
};

// The axis texts the window shows for an abscissa: the start texts for the
// image height (the window opens with it and never rewrites them until the
// abscissa is changed), the texts of an abscissa change for the others.
AxisTexts windowAxisTexts(Abscissa abscissa);

// The passes of an export: `fixed` alone, or, to overlay as a user would,
// one pass per f-number of the lens in ascending order (per magnification
// when the f-number is the abscissa), the other fixed values kept.
std::vector<CurveSelection> chartPasses(const LensData& lens, Abscissa abscissa, const CurveSelection& fixed,
                                        bool overlayAll);

// The screen image after the passes: the first pass as the draw command
// in single mode (from the empty frame), the later ones added on top as in
// overlay mode. Throws RangeError as the curve extraction does.
void drawChartPasses(Canvas& screen, const LensData& lens, const ChartSelection& chart, const SplineWarningSink& warn);

// The chart as a 250 * scale square image. Scale 1 is the screen image
// itself, pixel for pixel; a larger scale redraws the same drawing as
// vector graphics at that size: frame and text crisp on whole pixels, the
// curves antialiased through their real coordinates.
QImage renderChartImage(const LensData& lens, const ChartSelection& chart, int scale, const SplineWarningSink& warn);

// The chart drawn square at `pixels` device pixels (at least 1) through the
// smooth path whatever the size: frame, texts and markers scaled by
// pixels / 250, the curves from their real coordinates (never the 1x
// raster). For a chart that follows the size of its window.
QImage renderSmoothChart(const LensData& lens, const ChartSelection& chart, int pixels, const SplineWarningSink& warn);
