// SPDX-License-Identifier: MIT
#include "ImageCanvas.h"

#include "FontSetup.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Span
{
    long long left = 0;
    long long right = -1; // inclusive; empty when right < left
    bool contains(long long x) const { return x >= left && x <= right; }
};

// Pixels of row y inside the ellipse inscribed in the box [x1, x2) x
// [y1, y2): those whose centre lies inside it. For a 4 x 4 box this gives
// the small round marker: two pixels at the top and bottom, four in the
// middle rows.
Span ellipseSpan(long long x1, long long y1, long long x2, long long y2, long long y)
{
    if (y < y1 || y >= y2) {
        return {};
    }
    const double a = (x2 - x1) / 2.0;
    const double b = (y2 - y1) / 2.0;
    const double cx = x1 + a;
    const double cy = y1 + b;
    // A row centre inside the box is less than b from cy, so |t| < 1.
    const double t = (y + 0.5 - cy) / b;
    const double half = a * std::sqrt(1.0 - t * t);
    return { static_cast<long long>(std::ceil(cx - half - 0.5)), static_cast<long long>(std::floor(cx + half - 0.5)) };
}

} // namespace

ImageCanvas::ImageCanvas(QImage& image)
    : m_image(image)
{
    const QImage::Format format = m_image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied) {
        m_image.convertTo(QImage::Format_RGB32);
    }
}

void ImageCanvas::lineTo(int x, int y)
{
    const QPoint from = position();
    moveTo(x, y);
    rasterizeLine(from, position());
}

void ImageCanvas::plot(long long x, long long y, QRgb color)
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) {
        return;
    }
    reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(y)))[x] = color;
}

void ImageCanvas::stamp(long long x, long long y, QRgb color)
{
    const int width = drawnPenWidth();
    if (width == 1) {
        plot(x, y, color);
        return;
    }
    const long long first = -(width - 1) / 2;
    for (long long dy = first; dy < first + width; ++dy) {
        for (long long dx = first; dx < first + width; ++dx) {
            plot(x + dx, y + dy, color);
        }
    }
}

void ImageCanvas::fillSpan(long long y, long long left, long long right, QRgb color)
{
    if (y < 0 || y >= m_image.height()) {
        return;
    }
    left = std::max<long long>(left, 0);
    right = std::min<long long>(right, m_image.width() - 1);
    QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(y)));
    for (long long x = left; x <= right; ++x) {
        row[x] = color;
    }
}

// Half-open Bresenham line: steps k = 0 .. n-1 along the major axis, the
// minor offset after k steps is k * minor / major rounded, halves rounded
// down (the integer error-term loop in closed form). The closed form lets
// the loop start and stop at the image border, so a line to a far-away
// point costs no more than one across the image.
// Coordinates are pulled into +-2^28 first so that the products below fit
// 64 bits; that only bends lines that end hundreds of millions of pixels
// away.
void ImageCanvas::rasterizeLine(QPoint from, QPoint to)
{
    static constexpr long long limit = 1LL << 28;
    const auto pull = [](int v) { return std::clamp<long long>(v, -limit, limit); };
    const long long x0 = pull(from.x());
    const long long y0 = pull(from.y());
    const long long dx = pull(to.x()) - x0;
    const long long dy = pull(to.y()) - y0;
    const long long adx = std::llabs(dx);
    const long long ady = std::llabs(dy);
    const long long steps = std::max(adx, ady);
    if (steps == 0) {
        return; // a zero-length line paints nothing
    }
    const bool xMajor = adx >= ady;
    const long long major0 = xMajor ? x0 : y0;
    const long long majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const long long minor = xMajor ? ady : adx;
    const long long minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long minor0 = xMajor ? y0 : x0;

    // Steps whose major coordinate (widened by the pen) lies on the image.
    const long long reach = drawnPenWidth();
    const long long low = -reach;
    const long long high = (xMajor ? m_image.width() : m_image.height()) + reach; // exclusive
    long long kFirst = 0;
    long long kLast = steps - 1;
    if (majorSign > 0) {
        kFirst = std::max(kFirst, low - major0);
        kLast = std::min(kLast, high - 1 - major0);
    } else {
        kFirst = std::max(kFirst, major0 - (high - 1));
        kLast = std::min(kLast, major0 - low);
    }

    const bool solid = penStyle() == PenStyle::Solid;
    const QRgb penRgb = penColor().rgb();
    for (long long k = kFirst; k <= kLast; ++k) {
        const long long offset = (2 * k * minor + steps - 1) / (2 * steps);
        const long long major = major0 + majorSign * k;
        const long long minorCoord = minor0 + minorSign * offset;
        const bool on = solid || (k % 6) < 3;
        const QRgb color = on ? penRgb : m_backgroundColor;
        if (xMajor) {
            stamp(major, minorCoord, color);
        } else {
            stamp(minorCoord, major, color);
        }
    }
}

void ImageCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    const long long left = std::min(x1, x2);
    const long long right = std::max(x1, x2) - 1;
    const long long top = std::min(y1, y2);
    const long long bottom = std::max(y1, y2) - 1;
    if (right < left || bottom < top) {
        return;
    }
    const QRgb penRgb = penColor().rgb();
    const QRgb brushRgb = brushColor().rgb();
    const long long firstRow = std::max<long long>(top, 0);
    const long long lastRow = std::min<long long>(bottom, m_image.height() - 1);
    for (long long y = firstRow; y <= lastRow; ++y) {
        if (y == top || y == bottom) {
            fillSpan(y, left, right, penRgb);
        } else {
            if (!hollow()) {
                fillSpan(y, left + 1, right - 1, brushRgb);
            }
            plot(left, y, penRgb);
            plot(right, y, penRgb);
        }
    }
}

void ImageCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    const long long left = std::min(x1, x2);
    const long long right = std::max(x1, x2);
    const long long top = std::min(y1, y2);
    const long long bottom = std::max(y1, y2);
    if (right <= left || bottom <= top) {
        return;
    }
    const QRgb penRgb = penColor().rgb();
    const QRgb brushRgb = brushColor().rgb();
    const bool filled = !hollow();
    const long long firstRow = std::max<long long>(top, 0);
    const long long lastRow = std::min<long long>(bottom - 1, m_image.height() - 1);
    for (long long y = firstRow; y <= lastRow; ++y) {
        const Span span = ellipseSpan(left, top, right, bottom, y);
        if (span.right < span.left) {
            continue;
        }
        const Span above = ellipseSpan(left, top, right, bottom, y - 1);
        const Span below = ellipseSpan(left, top, right, bottom, y + 1);
        // A pixel of the shape is outline when one of its four neighbours
        // lies outside the shape; the rest is filled with the brush.
        const long long first = std::max<long long>(span.left, 0);
        const long long last = std::min<long long>(span.right, m_image.width() - 1);
        for (long long x = first; x <= last; ++x) {
            const bool edge = x == span.left || x == span.right || !above.contains(x) || !below.contains(x);
            if (edge) {
                plot(x, y, penRgb);
            } else if (filled) {
                plot(x, y, brushRgb);
            }
        }
    }
}

void ImageCanvas::fillRect(int x1, int y1, int x2, int y2, const QColor& color)
{
    const long long left = std::min(x1, x2);
    const long long right = std::max(x1, x2) - 1;
    const long long top = std::max<long long>(std::min(y1, y2), 0);
    const long long bottom = std::min<long long>(std::max(y1, y2) - 1, m_image.height() - 1);
    for (long long y = top; y <= bottom; ++y) {
        fillSpan(y, left, right, color.rgb());
    }
}

void ImageCanvas::text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees)
{
    if (text.isEmpty()) {
        return;
    }
    // The frame and every draw command write the same few texts again and
    // again; rendering them once and copying the pixels afterwards is
    // exact, because a text is an opaque box at a whole-pixel position.
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                            .arg(font.family)
                            .arg(font.height)
                            .arg(font.cellHeight)
                            .arg(font.bold)
                            .arg(angleDegrees)
                            .arg(brushColor().rgb())
                            .arg(text);
    auto cached = m_textCache.constFind(key);
    if (cached == m_textCache.constEnd()) {
        if (m_textCache.size() >= MaxCachedTexts) {
            m_textCache.clear();
        }
        cached = m_textCache.insert(key, renderText(text, font, angleDegrees));
    }
    const RenderedText& rendered = cached.value();
    const QImage& glyphs = rendered.pixels;
    const long long left = static_cast<long long>(x) - rendered.origin.x();
    const long long top = static_cast<long long>(y) - rendered.origin.y();
    const long long firstRow = std::max<long long>(top, 0);
    const long long lastRow = std::min<long long>(top + glyphs.height(), m_image.height()) - 1;
    const long long firstColumn = std::max<long long>(left, 0);
    const long long lastColumn = std::min<long long>(left + glyphs.width(), m_image.width()) - 1;
    for (long long row = firstRow; row <= lastRow; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(glyphs.constScanLine(static_cast<int>(row - top)));
        auto* target = reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(row)));
        for (long long column = firstColumn; column <= lastColumn; ++column) {
            const QRgb pixel = source[column - left];
            if (qAlpha(pixel) == 255) {
                target[column] = pixel;
            }
        }
    }
}

ImageCanvas::RenderedText ImageCanvas::renderText(const QString& text, const CanvasFont& font, int angleDegrees) const
{
    const QFont qfont = makeCanvasFont(font, 1.0, false);
    const QFontMetrics metrics(qfont);
    const QRect cell(0, 0, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    QTransform rotation;
    rotation.rotate(-angleDegrees);
    // Glyphs may reach a little beyond their cell; leave room all round.
    const int room = cell.height() + 2;
    const QRect bounds = rotation.mapRect(cell.adjusted(-room, -room, room, room));

    RenderedText rendered;
    rendered.origin = -bounds.topLeft();
    rendered.pixels = QImage(bounds.size(), QImage::Format_ARGB32);
    rendered.pixels.fill(Qt::transparent);
    QPainter painter(&rendered.pixels);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.translate(rendered.origin);
    painter.rotate(-angleDegrees);
    // The character cell, painted opaque in the brush colour, then the
    // glyphs with the baseline at the integer ascent below the reference.
    painter.fillRect(cell, QColor(brushColor().rgb()));
    painter.setFont(qfont);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(0, metrics.ascent(), text);
    return rendered;
}
