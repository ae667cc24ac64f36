// SPDX-License-Identifier: MIT
#include "PlotReadout.h"

#include "CurveMapping.h"
#include "PlotGeometry.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A marker counts as under the cursor within this many pixels.
constexpr double NodeReach = 1.0;

// The column of support point j's marker, as the drawing placed it.
std::optional<int> nodeColumn(const DrawnCurve& curve, int j)
{
    const CurveMapping mapping { curve.scaleX, curve.scaleY, curve.probe.curve.AbscissaFactor };
    const std::optional<QPoint> p = mapping.screen(curve.probe.curve.KnotX[j], 0.0);
    return p ? std::optional<int>(p->x()) : std::nullopt;
}

// Calls visit(j, column) for every support point of the curve that is part
// of what is drawn right of the y axis.
template <typename Visit> void forEachNode(const DrawnCurve& curve, Visit visit)
{
    const ExtractedCurve& c = curve.probe.curve;
    const double start = probeStart(c);
    for (int j = 1; j <= std::min(c.CurvePointCount, ExtractedCurve::MaxPoints); ++j) {
        if (c.KnotX[j] >= start) {
            if (const std::optional<int> column = nodeColumn(curve, j)) {
                visit(j, *column);
            }
        }
    }
}

// The support point whose marker is nearest to x within reach, or 0.
int nodeNear(const DrawnCurve& curve, double x)
{
    int best = 0;
    double bestDistance = NodeReach;
    forEachNode(curve, [&](int j, int column) {
        const double distance = std::abs(x - column);
        if (distance < bestDistance || (best == 0 && distance <= bestDistance)) {
            best = j;
            bestDistance = distance;
        }
    });
    return best;
}

// A value with at most `decimals` decimals and no trailing zeros.
QString shortNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// The value of a list abscissa at a position: the entry's text at a support
// point, else the interpolated value, else the two entries around it.
QString listValue(const ReadoutAxis& axis, double position, int node, int decimals)
{
    const AbscissaScale& scale = axis.scale;
    if (node > 0 && std::abs(position - std::round(position)) < 1e-9) {
        return QString::fromStdString(scale.text(static_cast<int>(std::round(position)) + 1)).trimmed();
    }
    if (const std::optional<double> value = scale.valueAt(position)) {
        return shortNumber(*value, decimals);
    }
    const int below = std::clamp(static_cast<int>(std::floor(position)), 0, std::max(scale.count() - 2, 0));
    if (below + 2 > scale.count()) {
        return QStringLiteral("?");
    }
    return QStringLiteral("%1 … %2").arg(QString::fromStdString(scale.text(below + 1)).trimmed(),
                                         QString::fromStdString(scale.text(below + 2)).trimmed());
}

// Appends value rounded to one decimal ("77.2", "-0.5", "100.0").
void appendTenths(QString& out, double value)
{
    if (!std::isfinite(value) || std::abs(value) > 1e15) {
        out += QString::number(value, 'f', 1);
        return;
    }
    const long long tenths = std::llround(value * 10.0);
    const long long whole = std::llabs(tenths) / 10;
    if (tenths < 0) {
        out += QLatin1Char('-');
    }
    out += QString::number(whole);
    out += QLatin1Char('.');
    out += QLatin1Char(static_cast<char>('0' + std::llabs(tenths) % 10));
}

QString abscissaText(const DrawnCurve& curve, double position, int node)
{
    const ReadoutAxis& axis = *curve.axis;
    switch (axis.scale.abscissa()) {
    case Abscissa::FNumber:
        return QStringLiteral("k ") + listValue(axis, position, node, 2);
    case Abscissa::Frequency:
        return listValue(axis, position, node, 1) + QStringLiteral(" LP/mm");
    case Abscissa::Magnification: {
        QString text = QStringLiteral("ß′ ") + listValue(axis, position, node, 3);
        const long entry = std::lround(position);
        if (node > 0 && entry >= 0 && static_cast<std::size_t>(entry) < axis.distances.size()) {
            const QString& distance = axis.distances[static_cast<std::size_t>(entry)];
            text += QStringLiteral(", OO′ ") + distance
                + (distance == QCoreApplication::translate("DistanceLabel", "unendlich") ? QString()
                                                                                         : QStringLiteral(" mm"));
        }
        return text;
    }
    case Abscissa::ImageHeight: {
        const std::optional<double> percent = axis.scale.valueAt(position);
        return QStringLiteral("y′ %1 % (%2 mm)")
            .arg(percent ? QString::number(*percent, 'f', 1) : QStringLiteral("?"), QString::number(position, 'f', 1));
    }
    }
    return {};
}

} // namespace

QString PlotReadout::text() const
{
    // Built by hand, as it is on every mouse move: QString::number is
    // several times slower than this for one decimal.
    QString out;
    out.reserve(lenses.size() + abscissa.size() + static_cast<qsizetype>(lines.size()) * 72);
    if (!lenses.isEmpty()) {
        out += lenses;
        out += QLatin1Char('\n');
    }
    out += abscissa;
    for (const ReadoutLine& line : lines) {
        out += QLatin1Char('\n');
        out += line.label;
        out += QLatin1String(": S ");
        appendTenths(out, line.sag);
        out += QLatin1String(" %  T ");
        appendTenths(out, line.tan);
        out += QLatin1String(" %  ");
        out += line.node ? QCoreApplication::translate("PlotReadout", "Stützstelle")
                         : QCoreApplication::translate("PlotReadout", "interpoliert");
    }
    for (const QString& note : notes) {
        out += QLatin1Char('\n');
        out += note;
    }
    return out;
}

PlotReadout readPlotAt(const DrawnPlot& plot, double x)
{
    PlotReadout readout;
    // Two lenses in one overlay are told apart by their number.
    const std::vector<const LensData*> lenses = drawnLenses(plot);
    const bool numbered = lenses.size() > 1;
    const auto numberOf = [&lenses](const LensData* lens) {
        return QString::number(std::find(lenses.begin(), lenses.end(), lens) - lenses.begin() + 1);
    };
    const DrawnCurve* lastRead = nullptr;
    double lastPosition = 0.0;
    int lastNode = 0;
    const auto read = [&](const DrawnCurve& curve, bool own) {
        std::optional<ProbeValue> value;
        double position = 0.0;
        if (const int node = nodeNear(curve, x)) {
            value = nodeValue(curve.probe, node);
            position = curve.probe.curve.KnotX[node];
        } else if (curve.pixelsPerUnit > 0.0) {
            position = (x - PlotGeometry::Margin) / curve.pixelsPerUnit;
            value = probeCurve(curve.probe, position);
        }
        if (!value) {
            return;
        }
        readout.lines.push_back(
            { own && numbered ? numberOf(curve.lens.get()) + QStringLiteral(": ") + curve.label : curve.label,
              value->sag, value->tan, value->node > 0 });
        lastRead = &curve;
        lastPosition = position;
        lastNode = value->node;
    };
    for (const DrawnCurve& curve : plot.curves) {
        read(curve, true);
    }
    for (const DrawnCurve& curve : plot.referenceCurves) {
        read(curve, false);
    }
    if (lastRead != nullptr) {
        readout.abscissa = abscissaText(*lastRead, lastPosition, lastNode);
        readout.notes = plot.referenceMissing;
    }
    if (lastRead != nullptr && numbered) {
        QStringList names;
        for (const LensData* lens : lenses) {
            names << numberOf(lens) + QStringLiteral(": ") + QString::fromStdString(lens->LensName).trimmed();
        }
        if (plot.reference) {
            names << QCoreApplication::translate("PlotReadout", "B: %1 (mit %2 verglichen)")
                         .arg(QString::fromStdString(plot.reference->LensName).trimmed(), numberOf(lenses.back()));
        }
        readout.lenses = names.join(QStringLiteral("  "));
    }
    return readout;
}

std::optional<int> neighbourNodeColumn(const DrawnPlot& plot, double x, int direction)
{
    std::vector<int> columns;
    for (const auto* list : { &plot.curves, &plot.referenceCurves }) {
        for (const DrawnCurve& curve : *list) {
            forEachNode(curve, [&columns](int, int column) { columns.push_back(column); });
        }
    }
    // A marker under the cursor is where the cursor is.
    double from = x;
    double nearest = NodeReach;
    for (const int column : columns) {
        if (std::abs(x - column) <= nearest) {
            nearest = std::abs(x - column);
            from = column;
        }
    }
    // Distances counted in the direction of the step: the nearest positive one.
    const int sign = direction > 0 ? 1 : -1;
    std::optional<int> next;
    for (const int column : columns) {
        const double ahead = sign * (column - from);
        if (ahead > 0 && (!next || ahead < sign * (*next - from))) {
            next = column;
        }
    }
    return next;
}
