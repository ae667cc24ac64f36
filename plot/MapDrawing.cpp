// SPDX-License-Identifier: MIT
#include "MapDrawing.h"

#include "ComparisonTexts.h"
#include "FontSetup.h"
#include "MapColours.h"
#include "MapContours.h"
#include "PainterCanvas.h"
#include "SvgCanvas.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const CanvasFont Font { QStringLiteral("Arial"), 12 };
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor NoValue(210, 210, 210);
constexpr int TickLength = 4;
constexpr int Margin = 6;
constexpr int BarGap = 24;
constexpr int BarWidth = 14;

const QFontMetrics& metrics()
{
    // Layout in logical units: the font as a surface of one pixel per unit
    // draws it.
    static const QFontMetrics fontMetrics(makeCanvasFont(Font, 1.0, true));
    return fontMetrics;
}

int textWidth(const QString& text)
{
    return metrics().horizontalAdvance(text);
}

int textHeight()
{
    return metrics().height();
}

QString trimmedText(const std::string& text)
{
    return QString::fromStdString(text).trimmed();
}

QString xTitle(MapKind kind)
{
    return kind == MapKind::Field ? QCoreApplication::translate("MapDrawing", "x [mm]")
                                  : QCoreApplication::translate("MapDrawing", "Bildhöhe y′ [mm]");
}

QString yTitle(MapKind kind)
{
    switch (kind) {
    case MapKind::HeightFNumber:
        return QCoreApplication::translate("MapDrawing", "Blendenzahl k");
    case MapKind::Field:
        return QCoreApplication::translate("MapDrawing", "y [mm]");
    case MapKind::HeightFrequency:
        break;
    }
    return QCoreApplication::translate("MapDrawing", "Ortsfrequenz [LP/mm]");
}

// The colour bar's range and its labelled values.
struct BarScale
{
    double from;
    double to;
    std::vector<double> ticks;
};

BarScale barScale(bool difference)
{
    if (difference) {
        return { -50.0, 50.0, { -50.0, -25.0, 0.0, 25.0, 50.0 } };
    }
    return { 0.0, 100.0, { 0.0, 20.0, 40.0, 60.0, 80.0, 100.0 } };
}

QColor colourOf(double value, bool difference)
{
    if (std::isnan(value)) {
        return NoValue;
    }
    const MapColour c = difference ? differenceColour(value) : modulationColour(value);
    return QColor(c.red, c.green, c.blue);
}

bool showsDifference(const MapScene& scene)
{
    return scene.reference.has_value() && scene.reference->available();
}

int widestTick(const MapAxis& axis)
{
    int widest = 0;
    for (const MapTick& tick : axis.ticks) {
        widest = std::max(widest, textWidth(QString::fromStdString(tick.text)));
    }
    return widest;
}

// The pixel a tick of the axis is drawn on, counted from the panel's first
// pixel along an edge of `length` pixels: the ends of the range fall on
// the frame, just outside the colour field (-1 and length).
int tickPixel(const MapAxis& axis, double value, int length)
{
    const double offset = (value - axis.from) / (axis.to - axis.from) * length;
    if (offset < 0.5) {
        return -1;
    }
    return offset > length - 0.5 ? length : static_cast<int>(std::floor(offset));
}

void centredText(Canvas& canvas, int centreX, int top, const QString& text)
{
    canvas.text(centreX - textWidth(text) / 2, top, text, Font);
}

// A title reading upwards, its cell's top at x, centred on centreY.
void upwardText(Canvas& canvas, int x, int centreY, const QString& text)
{
    canvas.text(x, centreY + textWidth(text) / 2, text, Font, 90);
}

void drawContours(Canvas& canvas, const QRect& panel, const std::vector<double>& values, int columns, int rows,
                  bool difference)
{
    const int first = difference ? -40 : 10;
    const int last = difference ? 40 : 90;
    const int strong = difference ? 0 : 50;
    for (int level = first; level <= last; level += 10) {
        SeriesShape shape;
        // Light lines over the dark low end of the scale, dark over the rest.
        shape.lineColor = level == strong     ? QColor(0, 0, 0)
            : (!difference && level < strong) ? QColor(190, 190, 190)
                                              : QColor(60, 60, 60);
        shape.lineWidth = level == strong ? 2 : 1;
        for (const std::vector<ContourPoint>& line : contourLines(values, columns, rows, level)) {
            std::vector<QPoint> piece;
            QPolygonF real;
            for (const ContourPoint& p : line) {
                const QPointF at(panel.left() + p.x * panel.width() / columns,
                                 panel.top() + p.y * panel.height() / rows);
                real << at;
                piece.emplace_back(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
            }
            shape.pieces.push_back(std::move(piece));
            shape.realPieces.push_back(std::move(real));
        }
        if (!shape.pieces.empty()) {
            canvas.series(shape);
        }
    }
}

void drawAxes(Canvas& canvas, const QRect& panel, const MapModel& model, bool withYTitle, int yTitleX)
{
    const MapAxis& x = model.xAxis();
    const MapAxis& y = model.yAxis();
    canvas.setPen(Black, 1, PenStyle::Solid);
    canvas.setBrush(White);
    const int bottom = panel.top() + panel.height();
    for (const MapTick& tick : x.ticks) {
        const int at = panel.left() + tickPixel(x, tick.value, panel.width());
        canvas.moveTo(at, bottom + 1);
        canvas.lineTo(at, bottom + 1 + TickLength);
        centredText(canvas, at, bottom + TickLength + 1, QString::fromStdString(tick.text));
    }
    for (const MapTick& tick : y.ticks) {
        const int at = bottom - 1 - tickPixel(y, tick.value, panel.height());
        canvas.moveTo(panel.left() - 1 - TickLength, at);
        canvas.lineTo(panel.left() - 1, at);
        const QString text = QString::fromStdString(tick.text);
        canvas.text(panel.left() - TickLength - 2 - textWidth(text), at - textHeight() / 2, text, Font);
    }
    centredText(canvas, panel.left() + panel.width() / 2, bottom + TickLength + 2 + textHeight(), xTitle(model.kind()));
    if (withYTitle) {
        upwardText(canvas, yTitleX, panel.top() + panel.height() / 2, yTitle(model.kind()));
    }
    // The frame, hollow; the image circle inside a square panel.
    canvas.setBrush(QColor(0, 0, 0, 0));
    canvas.rectangle(panel.left() - 1, panel.top() - 1, panel.left() + panel.width() + 1, bottom + 1);
    if (model.kind() == MapKind::Field && model.field().isCircle()) {
        canvas.ellipse(panel.left(), panel.top(), panel.left() + panel.width(), bottom);
    }
}

void drawColourBar(Canvas& canvas, const QRect& bar, bool difference)
{
    const BarScale scale = barScale(difference);
    canvas.setPen(Black, 1, PenStyle::Solid);
    canvas.setBrush(White);
    const int bottom = bar.top() + bar.height();
    const int right = bar.left() + bar.width();
    int widest = 0;
    for (const double value : scale.ticks) {
        const int at
            = bottom - static_cast<int>(std::lround((value - scale.from) / (scale.to - scale.from) * bar.height()));
        canvas.moveTo(right, at);
        canvas.lineTo(right + TickLength, at);
        const QString text = QString::number(value);
        widest = std::max(widest, textWidth(text));
        canvas.text(right + TickLength + 2, at - textHeight() / 2, text, Font);
    }
    upwardText(canvas, right + TickLength + 2 + widest + Margin, bar.top() + bar.height() / 2,
               difference ? QCoreApplication::translate("MapDrawing", "Differenz A − B [Prozentpunkte]")
                          : QCoreApplication::translate("MapDrawing", "Modulation [%]"));
    canvas.setBrush(QColor(0, 0, 0, 0));
    canvas.rectangle(bar.left() - 1, bar.top() - 1, right + 1, bottom + 1);
}

QString fixedValues(const LensData& lens, const MapRequest& request)
{
    const CurveSelection& s = request.selection;
    const QString fNumber
        = QCoreApplication::translate("MapDrawing", "k %1").arg(trimmedText(lens.FNumberText[s.FNumberIndex]));
    const QString frequency
        = QCoreApplication::translate("MapDrawing", "%1 LP/mm").arg(trimmedText(lens.FrequencyText[s.FrequencyIndex]));
    const QString magnification = QCoreApplication::translate("MapDrawing", "ß′ %1")
                                      .arg(trimmedText(lens.MagnificationText[s.MagnificationIndex]));
    switch (request.kind) {
    case MapKind::HeightFrequency:
        return fNumber + QStringLiteral(", ") + magnification;
    case MapKind::HeightFNumber:
        return frequency + QStringLiteral(", ") + magnification;
    case MapKind::Field:
        break;
    }
    const QString field = request.field.isCircle() ? QCoreApplication::translate("MapDrawing", "Bildkreis")
                                                   : QCoreApplication::translate("MapDrawing", "Format %1")
                                                         .arg(QString::fromStdString(fieldShapeText(request.field)));
    return fNumber + QStringLiteral(", ") + frequency + QStringLiteral(", ") + magnification + QStringLiteral(", ")
        + field;
}

QString percent(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

MapScene makeMapScene(const LensData& lens, const MapRequest& request, const LensData* reference)
{
    MapScene scene { MapModel(lens, request), std::nullopt, std::nullopt, reference != nullptr, {} };
    QString name = trimmedText(lens.LensName);
    QString caption;
    if (reference != nullptr) {
        name = ComparisonTexts::lensNames(name, QString::fromStdString(reference->LensName));
        const ReferenceMapRequest matched = matchReferenceRequest(lens, *reference, request);
        scene.missing = matched.missing;
        if (!matched.missing) {
            scene.reference.emplace(*reference, matched.request);
        }
    }
    caption = QCoreApplication::translate("MapDrawing", "%1 — %2").arg(name, fixedValues(lens, request));
    if (scene.missing) {
        caption += QCoreApplication::translate("MapDrawing", " — ") + ComparisonTexts::missing(*scene.missing);
    } else if (scene.reference && !scene.reference->available()) {
        caption += QCoreApplication::translate("MapDrawing", " — Vergleichsobjektiv: %1")
                       .arg(translatedMessage(*scene.reference->unavailable()));
    }
    scene.caption = caption;
    return scene;
}

MapLayout mapLayout(QSize size, const MapModel& model)
{
    MapLayout layout;
    const int h = textHeight();
    const int top = Margin + h + 4 + h + 4;
    const int bottom = TickLength + 2 + h + 2 + h + Margin;
    const int yLabels = widestTick(model.yAxis()) + 2 + TickLength;
    const int left = Margin + h + Margin + yLabels;
    const int gap = yLabels + 2 * Margin + 4;
    const int right = BarGap + BarWidth + TickLength + 2 + textWidth(QStringLiteral("-50")) + Margin + h + Margin;
    int width = std::max(1, (size.width() - left - right - gap) / 2);
    int height = std::max(1, size.height() - top - bottom);
    const double xSpan = model.xAxis().to - model.xAxis().from;
    const double ySpan = model.yAxis().to - model.yAxis().from;
    if (model.kind() == MapKind::Field && xSpan > 0.0 && ySpan > 0.0) {
        // The format's own aspect: a millimetre as long across as up.
        const double aspect = xSpan / ySpan;
        if (width > height * aspect) {
            width = std::max(1, static_cast<int>(std::lround(height * aspect)));
        } else {
            height = std::max(1, static_cast<int>(std::lround(width / aspect)));
        }
    }
    layout.panels[0] = QRect(left, top, width, height);
    layout.panels[1] = QRect(left + width + gap, top, width, height);
    layout.colourBar = QRect(layout.panels[1].left() + width + BarGap, top, BarWidth, height);
    return layout;
}

std::optional<MapLayout::Position> MapLayout::positionAt(QPointF point, const MapModel& model) const
{
    for (int i = 0; i < 2; ++i) {
        const QRect& panel = panels[i];
        const double u = (point.x() - panel.left()) / panel.width();
        const double v = (point.y() - panel.top()) / panel.height();
        if (u >= 0.0 && u <= 1.0 && v >= 0.0 && v <= 1.0) {
            return Position { i, model.xAxis().at(u), model.yAxis().at(1.0 - v) };
        }
    }
    return std::nullopt;
}

MapField mapField(const MapLayout& layout, const MapScene& scene, double density)
{
    MapField field;
    // In pixels of the field's image: the layout's units times density.
    const auto scaled = [density](const QRect& r) {
        return QRect(
            static_cast<int>(std::lround(r.left() * density)), static_cast<int>(std::lround(r.top() * density)),
            static_cast<int>(std::lround(r.width() * density)), static_cast<int>(std::lround(r.height() * density)));
    };
    field.box = layout.panels[0].united(layout.panels[1]).united(layout.colourBar);
    const QRect box = scaled(field.box);
    const QRect first = scaled(layout.panels[0]);
    field.difference = showsDifference(scene);
    const MapModel& model = scene.model;
    field.grid = sampleGrid(model, model.xAxis(), model.yAxis(), first.width(), first.height());
    if (field.difference) {
        field.grid = differenceGrid(
            field.grid, sampleGrid(*scene.reference, model.xAxis(), model.yAxis(), first.width(), first.height()));
    }
    field.image = QImage(box.size(), QImage::Format_ARGB32);
    field.image.fill(Qt::transparent);
    for (int p = 0; p < 2; ++p) {
        const std::vector<double>& values = p == 0 ? field.grid.sag : field.grid.tan;
        const QPoint origin = scaled(layout.panels[p]).topLeft() - box.topLeft();
        for (int j = 0; j < field.grid.rows; ++j) {
            auto* line = reinterpret_cast<QRgb*>(field.image.scanLine(origin.y() + j)) + origin.x();
            for (int i = 0; i < field.grid.columns; ++i) {
                line[i]
                    = colourOf(values[static_cast<std::size_t>(j * field.grid.columns + i)], field.difference).rgb();
            }
        }
    }
    const BarScale scale = barScale(field.difference);
    const QRect bar = scaled(layout.colourBar);
    for (int j = 0; j < bar.height(); ++j) {
        const double value = scale.to - (j + 0.5) / bar.height() * (scale.to - scale.from);
        const QRgb colour = colourOf(value, field.difference).rgb();
        auto* line = reinterpret_cast<QRgb*>(field.image.scanLine(bar.top() - box.top() + j));
        std::fill_n(line + (bar.left() - box.left()), bar.width(), colour);
    }
    return field;
}

void drawMap(Canvas& canvas, QSize size, const MapScene& scene, double density)
{
    canvas.fillRect(0, 0, size.width(), size.height(), White);
    canvas.setBrush(White);
    canvas.text(Margin, Margin, scene.caption, Font);
    const MapModel& model = scene.model;
    if (!model.available()) {
        const QString reason = translatedMessage(*model.unavailable());
        centredText(canvas, size.width() / 2, size.height() / 2 - textHeight() / 2,
                    QCoreApplication::translate("MapDrawing", "Keine Karte: %1").arg(reason));
        return;
    }
    const MapLayout layout = mapLayout(size, model);
    const MapField field = mapField(layout, scene, density);
    canvas.image(field.box.left(), field.box.top(), field.box.left() + field.box.width(),
                 field.box.top() + field.box.height(), field.image);
    const int titleTop = Margin + textHeight() + 4;
    for (int p = 0; p < 2; ++p) {
        const QRect& panel = layout.panels[p];
        drawContours(canvas, panel, p == 0 ? field.grid.sag : field.grid.tan, field.grid.columns, field.grid.rows,
                     field.difference);
        drawAxes(canvas, panel, model, p == 0, Margin);
        canvas.setBrush(White);
        QString title = p == 0 ? QCoreApplication::translate("MapDrawing", "Sagittal")
                               : QCoreApplication::translate("MapDrawing", "Tangential");
        if (field.difference) {
            title = QCoreApplication::translate("MapDrawing", "%1: A − B").arg(title);
        }
        centredText(canvas, panel.left() + panel.width() / 2, titleTop, title);
    }
    drawColourBar(canvas, layout.colourBar, field.difference);
}

QString mapReadoutText(const MapScene& scene, const MapLayout::Position& position)
{
    const MapModel& model = scene.model;
    QString where;
    switch (model.kind()) {
    case MapKind::HeightFrequency:
        where = QCoreApplication::translate("MapDrawing", "y′ %1 mm, %2 LP/mm")
                    .arg(percent(position.x), percent(position.y));
        break;
    case MapKind::HeightFNumber:
        where = QCoreApplication::translate("MapDrawing", "y′ %1 mm, k %2")
                    .arg(percent(position.x), QString::number(std::exp2(position.y / 2.0), 'f', 2));
        break;
    case MapKind::Field:
        where = QCoreApplication::translate("MapDrawing", "x %1 mm, y %2 mm (r %3 mm)")
                    .arg(percent(position.x), percent(position.y), percent(std::hypot(position.x, position.y)));
        break;
    }
    const std::optional<MapValue> value = model.at(position.x, position.y);
    if (!value) {
        return where + QStringLiteral(": ") + QCoreApplication::translate("MapDrawing", "kein Wert");
    }
    QString text = QCoreApplication::translate("MapDrawing", "%1: S %2 %  T %3 %")
                       .arg(where, percent(value->sag), percent(value->tan));
    if (scene.missing) {
        return text + QLatin1Char('\n') + ComparisonTexts::missing(*scene.missing);
    }
    if (!showsDifference(scene)) {
        return text;
    }
    const std::optional<MapValue> theirs = scene.reference->at(position.x, position.y);
    if (!theirs) {
        return text + QLatin1Char('\n') + ComparisonTexts::ReadoutPrefix
            + QCoreApplication::translate("MapDrawing", "kein Wert");
    }
    return text + QLatin1Char('\n') + ComparisonTexts::ReadoutPrefix
        + QCoreApplication::translate("MapDrawing", "S %1 %  T %2 %").arg(percent(theirs->sag), percent(theirs->tan))
        + QLatin1Char('\n')
        + QCoreApplication::translate("MapDrawing", "A − B: S %1  T %2")
              .arg(percent(value->sag - theirs->sag), percent(value->tan - theirs->tan));
}

QImage renderMapImage(const MapScene& scene, QSize size, double ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, scaledScreenMapping(ratio));
    drawMap(canvas, size, scene, ratio);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

QByteArray renderMapSvg(const MapScene& scene, QSize size)
{
    SvgCanvas canvas(size, QCoreApplication::translate("MapDrawing", "Lumivex-Karte: %1").arg(scene.caption),
                     QCoreApplication::translate("MapDrawing", "MTF-Karte, erstellt mit Lumivex"));
    drawMap(canvas, size, scene);
    return canvas.document();
}
