// SPDX-License-Identifier: MIT
#include "DrawnPlot.h"

#include "ComparisonTexts.h"
#include "CurveComparison.h"
#include "CurveSampling.h"
#include "PlotGeometry.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// A text of the file without the blanks the list layout left around it.
QString trimmed(const std::string& text)
{
    return QString::fromStdString(text).trimmed();
}

int& ownIndex(Abscissa abscissa, CurveSelection& selection)
{
    switch (abscissa) {
    case Abscissa::FNumber:
        return selection.FNumberIndex;
    case Abscissa::Frequency:
        return selection.FrequencyIndex;
    case Abscissa::Magnification:
        return selection.MagnificationIndex;
    case Abscissa::ImageHeight:
        break;
    }
    return selection.ImageHeightIndex;
}

// The fixed values that make a curve; the abscissa's own index is not one.
CurveSelection curveKey(Abscissa abscissa, CurveSelection selection)
{
    ownIndex(abscissa, selection) = 0;
    return selection;
}

bool sameSelection(const CurveSelection& a, const CurveSelection& b)
{
    return a.FrequencyIndex == b.FrequencyIndex && a.FNumberIndex == b.FNumberIndex
        && a.ImageHeightIndex == b.ImageHeightIndex && a.MagnificationIndex == b.MagnificationIndex;
}

// The reference lens's curve of a curve of the plot, read on that curve's
// axis; or what the reference lens lacks for it.
void addReferenceOf(DrawnPlot& plot, const DrawnCurve& curve)
{
    const LensData& reference = *plot.reference;
    const ReferenceCurve compared = compareCurve(*curve.lens, reference, plot.abscissa, curve.selection);
    if (compared.missing) {
        ComparisonTexts::addMissing(plot.referenceMissing, *compared.missing);
        return;
    }
    const SplineWarningSink quiet; // shown when the curve was drawn
    DrawnCurve drawn;
    drawn.lens = plot.reference;
    drawn.selection = compared.selection;
    drawn.label = ComparisonTexts::ReadoutPrefix + curveLabel(reference, plot.abscissa, compared.selection);
    drawn.probe.curve = compared.curve;
    drawn.probe.sagittal = seriesSpline(compared.curve, Series::Sagittal, quiet);
    drawn.probe.tangential = seriesSpline(compared.curve, Series::Tangential, quiet);
    // On the first lens's axes: its scales and its axis texts.
    drawn.scaleX = curve.scaleX;
    drawn.scaleY = curve.scaleY;
    const bool line = compared.curve.CurvePointCount >= 2 && curve.pixelsPerUnit > 0.0;
    drawn.pixelsPerUnit = line ? curve.scaleX * compared.curve.AbscissaFactor : 0.0;
    drawn.axis = curve.axis;
    plot.referenceCurves.push_back(std::move(drawn));
}

} // namespace

ReadoutAxis::ReadoutAxis(const LensData& lens, Abscissa abscissa)
    : scale(lens, abscissa)
    , maxImageHeight(lens.MaxImageHeight)
{
    if (abscissa == Abscissa::Magnification) {
        for (int i = 1; i <= lens.MagnificationCount; ++i) {
            // The data's "unendlich" in the language of the texts.
            const std::string& label = lens.DistanceLabels[i];
            distances.push_back(label == "unendlich" ? QCoreApplication::translate("DistanceLabel", "unendlich")
                                                     : QString::fromStdString(label));
        }
    }
}

QString curveLabel(const LensData& lens, Abscissa abscissa, const CurveSelection& s)
{
    QStringList parts;
    if (abscissa != Abscissa::Frequency) {
        parts << trimmed(lens.FrequencyText[s.FrequencyIndex]) + QStringLiteral(" LP/mm");
    }
    if (abscissa != Abscissa::FNumber) {
        parts << QStringLiteral("k ") + trimmed(lens.FNumberText[s.FNumberIndex]);
    }
    if (abscissa != Abscissa::ImageHeight) {
        // Over k the heights are named as their panel shows them.
        const int row = abscissa == Abscissa::FNumber ? 1 : lens.imageHeightRow(s.FNumberIndex);
        parts << QStringLiteral("y′ ") + trimmed(lens.ImageHeightText[row][s.ImageHeightIndex]) + QStringLiteral(" mm");
    }
    if (abscissa != Abscissa::Magnification) {
        parts << QStringLiteral("ß′ ") + trimmed(lens.MagnificationText[s.MagnificationIndex]);
    }
    return parts.join(QStringLiteral(", "));
}

void clearDrawnPlot(DrawnPlot& plot, Abscissa abscissa, const AxisTexts& texts)
{
    plot.abscissa = abscissa;
    plot.texts = texts;
    plot.passes.clear();
    plot.curves.clear();
    plot.referenceCurves.clear();
    plot.referenceMissing.clear();
}

std::vector<const LensData*> drawnLenses(const DrawnPlot& plot)
{
    std::vector<const LensData*> lenses;
    for (const DrawnPass& pass : plot.passes) {
        if (std::find(lenses.begin(), lenses.end(), pass.source.lens.get()) == lenses.end()) {
            lenses.push_back(pass.source.lens.get());
        }
    }
    return lenses;
}

void setDrawnReference(DrawnPlot& plot, std::shared_ptr<const LensData> reference)
{
    plot.reference = std::move(reference);
    plot.referenceCurves.clear();
    plot.referenceMissing.clear();
    if (plot.reference && !plot.passes.empty()) {
        const LensData* shown = plot.passes.back().source.lens.get();
        for (const DrawnCurve& curve : plot.curves) {
            if (curve.lens.get() == shown) {
                addReferenceOf(plot, curve);
            }
        }
    }
}

void recordDraw(DrawnPlot& plot, const LensData& lens, Abscissa abscissa, const CurveSelection& fixed,
                const FrequencyFlags& frequencies)
{
    if (abscissa != plot.abscissa) {
        // Every abscissa change clears the plot; should a draw come without
        // one, the curves before it cannot be read on the new axis.
        clearDrawnPlot(plot, abscissa, plot.texts);
    }
    // One copy of the lens for all the draws from it, also when the same
    // file has been loaded again after another.
    std::shared_ptr<const LensData> shared;
    std::shared_ptr<const ReadoutAxis> axis;
    for (auto pass = plot.passes.rbegin(); pass != plot.passes.rend() && !shared; ++pass) {
        if (pass->source.lens.get() == &lens || *pass->source.lens == lens) {
            shared = pass->source.lens;
        }
    }
    if (shared) {
        for (auto curve = plot.curves.rbegin(); curve != plot.curves.rend() && !axis; ++curve) {
            if (curve->lens == shared) {
                axis = curve->axis;
            }
        }
    } else {
        shared = std::make_shared<const LensData>(lens);
    }
    if (!axis) {
        axis = std::make_shared<const ReadoutAxis>(lens, plot.abscissa);
    }

    for (int i = 1; i <= LensData::MaxFrequencies; ++i) {
        if (frequencies[i] != 1) {
            continue;
        }
        CurveSelection selection = fixed;
        selection.FrequencyIndex = i;
        const CurveSelection key = curveKey(plot.abscissa, selection);
        const bool known = std::any_of(plot.curves.begin(), plot.curves.end(), [&](const DrawnCurve& curve) {
            return curve.lens == shared && sameSelection(curveKey(plot.abscissa, curve.selection), key);
        });
        if (known) {
            continue;
        }
        DrawnCurve curve;
        curve.lens = shared;
        curve.selection = selection;
        curve.label = curveLabel(lens, plot.abscissa, selection);
        curve.probe = makeCurveProbe(lens, plot.abscissa, selection);
        // The scales the drawing used: both series share them.
        const CurveSamples samples
            = sampleCurve(curve.probe.sagittal, PlotGeometry::PlotAreaWidth, PlotGeometry::PlotAreaHeight);
        curve.scaleX = samples.ScaleX;
        curve.scaleY = samples.ScaleY;
        curve.pixelsPerUnit = samples.drawable ? samples.ScaleX * curve.probe.curve.AbscissaFactor : 0.0;
        curve.axis = axis;
        plot.curves.push_back(std::move(curve));
    }
    plot.passes.push_back({ fixed, { shared, frequencies } });
    if (plot.reference) {
        // Matched against the lens shown now, which this draw may have
        // changed.
        setDrawnReference(plot, plot.reference);
    }
}

ChartSelection chartOfPlot(const DrawnPlot& plot, const CurveSelection& fixed)
{
    ChartSelection chart;
    chart.abscissa = plot.abscissa;
    chart.texts = plot.texts;
    chart.reference = plot.reference;
    if (plot.passes.empty()) {
        chart.passes.push_back(fixed); // no frequency flagged: the empty frame
        return chart;
    }
    for (const DrawnPass& pass : plot.passes) {
        // The abscissa's own index is never read to draw, and is 0 until its
        // panel has once been read; the CSV looks its text up all the same.
        CurveSelection passFixed = pass.fixed;
        int& own = ownIndex(plot.abscissa, passFixed);
        own = std::max(own, 1);
        chart.passes.push_back(passFixed);
        chart.sources.push_back(pass.source);
    }
    chart.frequencies = plot.passes.back().source.frequencies;
    return chart;
}
