// SPDX-License-Identifier: MIT
#pragma once

#include "Canvas.h"
#include "RecordingCanvas.h"

#include <QImage>
#include <QPoint>

#include <memory>
#include <vector>

// The window's plot: a diagram of 250 x 250 logical pixels, drawn at a
// device pixel ratio. It is the canvas the plot frame and the curves are
// drawn on, and the image the window shows.
//
// At ratio 1 every pixel is set by the whole-pixel rules of ImageCanvas
// (lines without their end pixel, no antialiasing), so the picture is the
// same on every machine. At a larger ratio (a HiDPI screen)
// the same drawing is painted with antialiasing into an image of
// 250 * ratio pixels (ScaledImageCanvas), so lines and text stay sharp;
// the image carries the ratio (QImage::devicePixelRatio), so it still
// covers 250 x 250 logical pixels wherever it is drawn. There the curves run
// through their real coordinates, as in a scaled export.
//
// What was drawn since the plot was last cleared (a fill of the whole
// image, as the empty frame starts with) is remembered, so that a change of
// ratio, when the window moves to another screen, redraws the very same
// picture at the new resolution, overlaid curves included. After a very
// long run of overlays without a clear the record is given up to bound the
// memory; a ratio change then rescales the pixels instead.
class PlotImage final : public Canvas
{
public:
    // The logical size of the plot (the diagram's geometry builds on it).
    static constexpr int LogicalSize = 250;
    // Ratios are taken between these bounds: below 1 the diagram is drawn
    // at 1 and shrunk by whoever shows it; above 8 the image would only
    // cost memory.
    static constexpr double MinRatio = 1.0;
    static constexpr double MaxRatio = 8.0;
    // Operations remembered at most between two clears (a series counts as
    // the lines and markers it holds).
    static constexpr std::size_t MaxRecordedOps = 100000; // about 14 MB, some fifty full overlays

    // A white image at the ratio (clamped, see above).
    explicit PlotImage(double devicePixelRatio = 1.0);
    ~PlotImage() override;
    PlotImage(const PlotImage&) = delete;
    PlotImage& operator=(const PlotImage&) = delete;

    double devicePixelRatio() const { return m_ratio; }
    // Redraws what the plot shows at the new ratio (clamped).
    void setDevicePixelRatio(double ratio);

    // ceil(250 * ratio) pixels square, with that device pixel ratio set.
    const QImage& image() const { return m_image; }
    // The drawing operation of the same name stays a PlotImage's too.
    using Canvas::image;

    // False once the record of the drawing since the last clear has been
    // given up (see above).
    bool canRedraw() const { return m_recordComplete; }

    // Canvas
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2, const QColor& color) override;
    void text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees = 0) override;
    void series(const SeriesShape& shape) override;

private:
    static double clampRatio(double ratio);
    // A fresh white image and the canvas that draws on it at m_ratio.
    void createImage();
    // Puts the pen, brush and position in force here on the record and on
    // the canvas, before each operation.
    void passStateOn();
    // True when the next drawing operation, standing for `count`
    // operations, is to be remembered; gives the record up once it would
    // hold more than MaxRecordedOps.
    bool recording(std::size_t count = 1);

    double m_ratio = 1.0;
    QImage m_image;
    std::unique_ptr<Canvas> m_canvas; // draws on m_image

    // What was drawn since the last clear, in order, with the pen, brush
    // and position in force. Series are kept whole, so that a redraw at a
    // ratio above 1 draws them from their real coordinates.
    RecordingCanvas m_record { RecordingCanvas::SeriesRecord::Whole };
    std::size_t m_recordedCount = 0;
    bool m_recordComplete = true;
};
