// SPDX-License-Identifier: MIT
#include "SvgCanvas.h"

#include "FontSetup.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// A coordinate with at most three decimals, without trailing zeros.
QByteArray number(double value)
{
    const double rounded = std::round(value * 1000.0) / 1000.0;
    QByteArray text = QByteArray::number(rounded == 0.0 ? 0.0 : rounded, 'f', 3);
    while (text.endsWith('0')) {
        text.chop(1);
    }
    if (text.endsWith('.')) {
        text.chop(1);
    }
    return text;
}

QByteArray point(double x, double y)
{
    return number(x) + ' ' + number(y);
}

QByteArray colour(const QColor& color)
{
    return color.alpha() == 0 ? QByteArray("none") : color.name(QColor::HexRgb).toLatin1();
}

// Text for XML content and attribute values; characters XML cannot carry
// are left out.
QByteArray escaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            result += QStringLiteral("&amp;");
            break;
        case '<':
            result += QStringLiteral("&lt;");
            break;
        case '>':
            result += QStringLiteral("&gt;");
            break;
        case '"':
            result += QStringLiteral("&quot;");
            break;
        default:
            if (c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
                result += c;
            }
        }
    }
    return result.toUtf8();
}

// Text is measured as on a 96 dpi device whatever the screen, so that the
// document does not depend on the machine it is written on.
const QPaintDevice& measuringDevice()
{
    static const QImage device = [] {
        const auto dotsPerMeter = static_cast<int>(std::lround(96 / 0.0254));
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// The path data of a whole-unit line to `to`: a short form for lines along
// an axis.
QByteArray lineStep(QPoint from, QPoint to)
{
    if (from.y() == to.y()) {
        return 'H' + number(to.x() + 0.5);
    }
    if (from.x() == to.x()) {
        return 'V' + number(to.y() + 0.5);
    }
    return 'L' + point(to.x() + 0.5, to.y() + 0.5);
}

// The pieces of a series' line as polylines; a piece that stays on one spot
// paints nothing and is left out.
QByteArray polylineData(const std::vector<QPolygonF>& pieces)
{
    QByteArray data;
    for (const QPolygonF& piece : pieces) {
        QByteArray pieceData = 'M' + point(piece.front().x(), piece.front().y()) + 'L';
        QByteArray last = point(piece.front().x(), piece.front().y());
        bool moves = false;
        for (const QPointF& p : piece) {
            const QByteArray next = point(p.x(), p.y());
            if (next != last) {
                pieceData += (moves ? " " : "") + next;
                last = next;
                moves = true;
            }
        }
        if (moves) {
            data += pieceData;
        }
    }
    return data;
}

// A series' spline: its first point, then its cubic segments in one 'C'.
QByteArray splineData(const QPolygonF& spline)
{
    QByteArray data = 'M' + point(spline.front().x(), spline.front().y()) + 'C';
    for (qsizetype i = 1; i < spline.size(); ++i) {
        data += (i > 1 ? " " : "") + point(spline[i].x(), spline[i].y());
    }
    return data;
}

} // namespace

SvgCanvas::SvgCanvas(QSize size, const QString& title, const QString& description)
{
    const auto millimetres = [](int units) { return number(units * 25.4 / 96.0) + "mm"; };
    m_header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\""
        + millimetres(size.width()) + "\" height=\"" + millimetres(size.height()) + "\" viewBox=\"0 0 "
        + QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height())
        + "\" xml:space=\"preserve\">\n<title>" + escaped(title) + "</title>\n<desc>" + escaped(description)
        + "</desc>\n";
}

SvgCanvas::Pen SvgCanvas::pen() const
{
    return Pen { penColor(), std::max(1, penWidth()), penStyle() };
}

void SvgCanvas::lineTo(int x, int y)
{
    const QPoint from = position();
    const QPoint to(x, y);
    moveTo(x, y);
    if (from == to) {
        return; // a zero-length line paints nothing
    }
    const Pen linePen = pen();
    if (!m_pathData.isEmpty() && !(m_pathPen == linePen)) {
        flushPath();
    }
    m_pathPen = linePen;
    // The dotted pattern restarts at every line: a subpath of its own.
    if (m_pathData.isEmpty() || m_pathEnd != from || linePen.style == PenStyle::Dotted) {
        m_pathData += 'M' + point(from.x() + 0.5, from.y() + 0.5);
    }
    m_pathData += lineStep(from, to);
    m_pathEnd = to;
}

void SvgCanvas::flushPath()
{
    if (m_pathData.isEmpty()) {
        return;
    }
    strokePath(m_pathData, m_pathPen);
    m_pathData.clear();
}

void SvgCanvas::strokePath(const QByteArray& data, const Pen& pen, double gapWidening)
{
    const QByteArray width = pen.width == 1 ? QByteArray() : " stroke-width=\"" + number(pen.width) + '"';
    if (pen.style == PenStyle::Dotted) {
        // White first: the gaps between the dots are white, as on the screen.
        m_body += "<path d=\"" + data + "\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\""
            + number(pen.width + gapWidening) + '"' + " stroke-linejoin=\"round\"/>\n<path d=\"" + data
            + "\" fill=\"none\" stroke=\"" + colour(pen.color) + '"' + width
            + " stroke-linejoin=\"round\" stroke-dasharray=\"3 3\"/>\n";
    } else {
        m_body += "<path d=\"" + data + "\" fill=\"none\" stroke=\"" + colour(pen.color) + '"' + width
            + " stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
    }
}

void SvgCanvas::fillRect(int x1, int y1, int x2, int y2, const QColor& color)
{
    flushPath();
    m_body += "<rect x=\"" + number(std::min(x1, x2)) + "\" y=\"" + number(std::min(y1, y2)) + "\" width=\""
        + number(std::abs(x2 - x1)) + "\" height=\"" + number(std::abs(y2 - y1)) + "\" fill=\"" + colour(color)
        + "\"/>\n";
}

void SvgCanvas::image(int x1, int y1, int x2, int y2, const QImage& image)
{
    flushPath();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    m_body += "<image xmlns:xlink=\"http://www.w3.org/1999/xlink\" x=\"" + number(std::min(x1, x2)) + "\" y=\""
        + number(std::min(y1, y2)) + "\" width=\"" + number(std::abs(x2 - x1)) + "\" height=\""
        + number(std::abs(y2 - y1)) + "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64,"
        + png.toBase64() + "\"/>\n";
}

void SvgCanvas::text(int x, int y, const QString& text, const CanvasFont& font, int angleDegrees)
{
    if (text.isEmpty()) {
        return;
    }
    flushPath();
    const QFont qfont = makeCanvasFont(font, 1.0, true);
    const QFontMetricsF metrics(qfont, &measuringDevice());
    QByteArray box = "width=\"" + number(metrics.horizontalAdvance(text)) + "\" height=\""
        + number(metrics.ascent() + metrics.descent()) + "\" fill=\"" + colour(brushColor()) + "\"/>";
    QByteArray glyphs = " font-family=\"" + escaped(qfont.family()) + "\" font-size=\""
        + QByteArray::number(qfont.pixelSize()) + '"' + (font.bold ? " font-weight=\"bold\"" : "") + '>' + escaped(text)
        + "</text>\n";
    if (angleDegrees == 0) {
        m_body += "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" " + box + "<text x=\"" + number(x) + "\" y=\""
            + number(y + metrics.ascent()) + '"' + glyphs;
        return;
    }
    // Turned about the reference point; the baseline runs along
    // (cos a, -sin a) on the y-down surface.
    QTransform turn;
    turn.translate(x, y);
    turn.rotate(-angleDegrees);
    m_body += "<g transform=\"matrix(" + number(turn.m11()) + ',' + number(turn.m12()) + ',' + number(turn.m21()) + ','
        + number(turn.m22()) + ',' + number(turn.dx()) + ',' + number(turn.dy()) + ")\"><rect " + box + "<text y=\""
        + number(metrics.ascent()) + '"' + glyphs + "</g>\n";
}

void SvgCanvas::series(const SeriesShape& shape)
{
    if (!shape.hasRealForm()) {
        Canvas::series(shape);
        return;
    }
    flushPath();
    const QByteArray data = shape.realSpline.isEmpty() ? polylineData(shape.realPieces) : splineData(shape.realSpline);
    if (!data.isEmpty()) {
        strokePath(data, Pen { shape.lineColor, std::max(1, shape.lineWidth), shape.lineStyle }, 0.5);
    }
    if (!shape.realMarkers.empty()) {
        // The outline runs inside the marker's box: half a pen width in from it.
        const int penWidth = std::max(1, shape.markerPenWidth);
        const QByteArray radius = number(shape.markerHalfSize - 0.5 * penWidth);
        m_body += "<g fill=\"" + colour(shape.markerFill) + "\" stroke=\"" + colour(shape.markerColor) + '"'
            + (penWidth == 1 ? QByteArray() : " stroke-width=\"" + number(penWidth) + '"') + ">\n";
        for (const QPointF& p : shape.realMarkers) {
            m_body += "<circle cx=\"" + number(p.x()) + "\" cy=\"" + number(p.y()) + "\" r=\"" + radius + "\"/>\n";
        }
        m_body += "</g>\n";
    }
    takeSeriesEndState(shape);
}

QByteArray SvgCanvas::document()
{
    flushPath();
    return m_header + m_body + "</svg>\n";
}
