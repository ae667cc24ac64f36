// SPDX-License-Identifier: MIT
#include "PlotFrame.h"

namespace {

const QColor white(255, 255, 255);
const QColor blue(0, 0, 255);
const QColor silver(192, 192, 192);

constexpr int TickTextHeight = 9;

} // namespace

void drawRotatedText(Canvas& canvas, int x, int y, const QString& text, int height, int angle)
{
    if (text.isEmpty()) {
        return;
    }
    CanvasFont font;
    font.family = QStringLiteral("Arial");
    font.height = height; // character height, not cell height
    canvas.text(x, y, text, font, angle);
}

void drawPlotFrame(Canvas& screen, Abscissa abscissa, const AxisTexts& texts)
{
    using namespace PlotGeometry;
    constexpr int h = TickTextHeight;
    constexpr int right = Margin + PlotAreaWidth;   // 210
    constexpr int bottom = Margin + PlotAreaHeight; // 210

    screen.setBrush(white);
    screen.fillRect(0, 0, ImageSize, ImageSize, white);

    // The grid: modulation levels 100 .. 20 % (0 % gets no line, the x axis
    // stands there) and five equal intervals along x, the line at the right
    // edge closing the square. Lines of one colour follow each other, so
    // that vector output keeps each colour as one path; no text crosses a
    // line, so the order does not change a pixel.
    screen.setPen(silver, 1, PenStyle::Solid);
    for (int i = 0; i <= 4; ++i) {
        const int y = Margin + GridStep * i;
        screen.moveTo(Margin, y);
        screen.lineTo(right, y);
    }
    for (int i = 0; i <= 5; ++i) {
        const int x = Margin + GridStep * i;
        screen.moveTo(x, Margin);
        screen.lineTo(x, bottom);
    }

    // The ticks left of and below the axes, then the axes over the grid.
    screen.setPen(blue, 1, PenStyle::Solid);
    for (int i = 0; i <= 4; ++i) {
        const int y = Margin + GridStep * i;
        screen.moveTo(Margin - 2, y);
        screen.lineTo(Margin, y);
    }
    for (int i = 0; i <= 5; ++i) {
        const int x = Margin + GridStep * i;
        screen.moveTo(x, bottom + 2);
        screen.lineTo(x, bottom);
    }
    screen.moveTo(Margin, Margin);
    screen.lineTo(Margin, bottom);
    screen.lineTo(right, bottom);

    // The tick values.
    for (int i = 0; i <= 4; ++i) {
        drawRotatedText(screen, Margin - 2 * h, Margin + GridStep * i - h / 2, QString::number((5 - i) * 20), h, 0);
    }
    if (abscissa == Abscissa::ImageHeight) {
        for (int i = 0; i <= 5; ++i) {
            drawRotatedText(screen, Margin + GridStep * i - h / 2, bottom + h / 2, QString::number(i * 20), h, 0);
        }
    }

    AxisTexts frameTexts = texts;
    frameTexts.AxisTitleY = QStringLiteral("Modulation [%]");
    drawAxisTitles(screen, abscissa, frameTexts);
}

void drawAxisTitles(Canvas& screen, Abscissa abscissa, const AxisTexts& texts)
{
    using namespace PlotGeometry;
    constexpr int H = ImageSize;
    drawRotatedText(screen, 5, H - 10 - PlotAreaHeight / 2, texts.AxisTitleY, 10, 90);
    drawRotatedText(screen, 32, H - 2 * 9, texts.AxisRangeText, 10, 0);
    drawRotatedText(screen, 32, H - 18 - 220, texts.AxisVariableText, 11, 0);
    if (abscissa == Abscissa::ImageHeight) {
        drawPercentTickValues(screen);
    } else {
        // Blanks on the opaque background wipe the tick-value row.
        drawRotatedText(screen, 32, H - 18 - 20, QString(63, QLatin1Char(' ')), 10, 0);
    }
}

void drawPercentTickValues(Canvas& screen)
{
    using namespace PlotGeometry;
    for (int i = 0; i <= 5; ++i) {
        drawRotatedText(screen, Margin + GridStep * i - TickTextHeight / 2, ImageSize - Margin + TickTextHeight / 2,
                        QString::number(i * 20), TickTextHeight, 0);
    }
}
