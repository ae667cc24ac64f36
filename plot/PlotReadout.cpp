#include "PlotReadout.h"

#include "CurveMapping.h"
#include "PlotGeometry.h"

#include <cmath>

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
                + (distance == QLatin1String("unendlich") ? QString() : QStringLiteral(" mm"));
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
    QString out = abscissa;
    for (const ReadoutLine& line : lines) {
        out += QLatin1Char('\n') + line.label + QStringLiteral(": S ") + QString::number(line.sag, 'f', 1)
            + QStringLiteral(" %  T ") + QString::number(line.tan, 'f', 1) + QStringLiteral(" %  ")
            + (line.node ? QStringLiteral("Stützstelle") : QStringLiteral("interpoliert"));
    }
    return out;
}

PlotReadout readPlotAt(const DrawnPlot& plot, double x)
{
    PlotReadout readout;
    const DrawnCurve* reference = nullptr;
    double referencePosition = 0.0;
    int referenceNode = 0;
    for (const DrawnCurve& curve : plot.curves) {
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
            continue;
        }
        readout.lines.push_back({ curve.label, value->sag, value->tan, value->node > 0 });
        reference = &curve;
        referencePosition = position;
        referenceNode = value->node;
    }
    if (reference != nullptr) {
        readout.abscissa = abscissaText(*reference, referencePosition, referenceNode);
    }
    return readout;
}

std::optional<int> neighbourNodeColumn(const DrawnPlot& plot, double x, int direction)
{
    std::vector<int> columns;
    for (const DrawnCurve& curve : plot.curves) {
        forEachNode(curve, [&columns](int, int column) { columns.push_back(column); });
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
    std::optional<int> next;
    for (const int column : columns) {
        if (direction > 0 && column > from && (!next || column < *next)) {
            next = column;
        } else if (direction < 0 && column < from && (!next || column > *next)) {
            next = column;
        }
    }
    return next;
}
