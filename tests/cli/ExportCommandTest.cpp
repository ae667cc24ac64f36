// SPDX-License-Identifier: MIT
// The files of --export, checked against values worked out by hand. The
// flat lens (see ProgramRun.h) puts every curve over the image height on one
// pixel row: 210 - 60 * 1.7 = 108 (sagittal) and 210 - 40 * 1.7 = 142
// (tangential) at the first f-number, 74 and 176 at the second. The
// samples from the axis on reach 40 .. 210 px; the tangential vertices,
// every fourth sample, lie at 40, 50, .. 210 px, and the markers at the
// heights 0, 10 and 21.6 mm cover 38..41, 116..119 and 208..211 px.
#include "CurvePipeline.h"
#include "LensFileReader.h"
#include "ProgramRun.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor white(255, 255, 255);

QImage exportedImage(const std::string& lensFile, const std::vector<std::string>& options)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    std::vector<std::string> arguments = { "--export", out, lensFile };
    arguments.insert(arguments.end(), options.begin(), options.end());
    runOk(arguments);
    return QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
}

// Row y from x = first to last, one character per pixel: r, b, w or ?.
std::string row(const QImage& image, int y, int first, int last)
{
    std::string text;
    for (int x = first; x <= last; ++x) {
        const QColor c(image.pixel(x, y));
        text += c == red ? 'r' : c == blue ? 'b' : c == white ? 'w' : '?';
    }
    return text;
}

// Between the markers at 0 and 10 mm: the solid line, and the dotted one
// restarting at each vertex: 3 on, 3 off, 3 on, 1 off.
const std::string solidRow(74, 'r');
const std::string dottedRow = "bwwwbbbwbbbwwwbbbwbbbwwwbbbwbbbwwwbbbwbbbwwwbbbwbbbwwwbbbwbbbwwwbbbwbbbwww";

// The overlay draws the second f-number over the first instead of clearing it.
TEST(PngExport, OverlayKeepsEveryPass)
{
    const TemporaryDirectory directory;
    const QImage image = exportedImage(directory.write("flach.mtf", flatLensText()), { "--overlay-all" });
    ASSERT_EQ(image.size(), QSize(250, 250));
    EXPECT_EQ(row(image, 108, 42, 115), solidRow);
    EXPECT_EQ(row(image, 142, 42, 115), dottedRow);
    EXPECT_EQ(row(image, 74, 42, 115), solidRow);
    EXPECT_EQ(row(image, 176, 42, 115), dottedRow);
}

const std::string FullSize = examplePath("vollformat-objektiv.mtf");

void exportOk(const std::string& out, const std::string& lensFile, std::vector<std::string> options)
{
    options.insert(options.begin(), { "--export", out, lensFile });
    runOk(options);
}

QImage readImage(const std::string& path)
{
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// Centre (a continuous coordinate) of the first run of pixels in `colour`
// met from `start` going by `step`: where a crisp line of the frame runs.
double runCentre(const QImage& image, QPoint start, QPoint step, QRgb colour)
{
    QPoint p = start;
    while (image.rect().contains(p) && image.pixel(p) != colour) {
        p += step;
    }
    const QPoint first = p;
    int length = 0;
    while (image.rect().contains(p) && image.pixel(p) == colour) {
        p += step;
        ++length;
    }
    EXPECT_GT(length, 0) << "no line from " << start.x() << "," << start.y();
    const int along = step.x() != 0 ? first.x() : first.y();
    return along + (step.x() + step.y()) * (length - 1) / 2.0 + 0.5;
}

// Centre of the ink of one colour in an image column within +-reach rows
// of `around`: weights are how much of the colour a pixel holds over white
// or grey (antialiased edges count in part); nullopt with less ink than
// `least` whole pixels.
std::optional<double> inkCentre(const QImage& image, int column, double around, int reach, int channel, double least)
{
    double weight = 0.0;
    double sum = 0.0;
    for (int row = static_cast<int>(around) - reach; row <= static_cast<int>(around) + reach; ++row) {
        const QColor c(image.pixel(column, row));
        const int own = channel == 0 ? c.red() : c.blue();
        const int others = channel == 0 ? std::max(c.green(), c.blue()) : std::max(c.red(), c.green());
        const double w = std::max(0, own - others) / 255.0;
        weight += w;
        sum += w * (row + 0.5);
    }
    return weight >= least ? std::optional<double>(sum / weight) : std::nullopt;
}

// At --scale 4 the curves run along the spline itself, not along enlarged
// whole pixels (which stray from it in stairs, 2.4 and 4.8 device pixels
// around their mean offset in these two charts): in
// every column away from the markers and from the other curve, the centre
// of the red ink lies within 1.25 device pixels of the sagittal spline at
// that column's abscissa, once the mean offset is taken off; the blue dots
// lie along the tangential spline, with gaps between them. Where
// the diagram's axes lie is read off the image (the y axis, the right edge
// of the grid, the ticks at 100 % and at 20 %).
TEST(PngExport, AtScaleFourTheCurvesFollowTheSplineAtEveryColumn)
{
    const struct
    {
        std::vector<std::string> options;
        Abscissa abscissa;
        CurveSelection selection;
    } cases[] = {
        { { "--frequencies", "2" }, Abscissa::ImageHeight, { 2, 1, 1, 1 } },
        { { "--abscissa", "lpmm", "--image-height", "5" }, Abscissa::Frequency, { 2, 1, 5, 1 } },
    };
    const LensData lens = readLensFile(FullSize, LensData());
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    for (const auto& c : cases) {
        std::vector<std::string> options = c.options;
        options.insert(options.end(), { "--scale", "4" });
        exportOk(out, FullSize, options);
        const QImage image = readImage(out);
        ASSERT_EQ(image.size(), QSize(1000, 1000));

        // Along the row half way up (no curve is near the grid's left or
        // right edge there) and down through the ticks left of the y axis.
        const QRgb blueInk = qRgb(0, 0, 255);
        const double axisX = runCentre(image, { 0, 500 }, { 1, 0 }, blueInk);
        const double rightX = runCentre(image, { 999, 500 }, { -1, 0 }, qRgb(192, 192, 192));
        const double top = runCentre(image, { 153, 0 }, { 0, 1 }, blueInk);
        const double twenty = runCentre(image, { 153, 999 }, { 0, -1 }, blueInk);
        const ExtractedCurve curve = extractCurve(lens, c.abscissa, c.selection);
        const SeriesCurve sag = computeSeries(curve, Series::Sagittal, {});
        const SeriesCurve tan = computeSeries(curve, Series::Tangential, {});
        const double xRight = sag.samples.CurveMaxX / curve.AbscissaFactor;
        const auto columnOf = [&](double x) { return axisX + x / xRight * (rightX - axisX); };
        const auto rowOf = [&](double m) { return top + (100.0 - m) / 80.0 * (twenty - top); };

        std::vector<double> knotColumns;
        for (int k = 1; k <= sag.spline.CurvePointCount; ++k) {
            knotColumns.push_back(columnOf(sag.spline.KnotX[k]));
        }
        std::vector<double> sagOffsets;
        int tanInked = 0;
        for (int column = static_cast<int>(axisX) + 8; column < static_cast<int>(rightX) - 8; ++column) {
            if (std::any_of(knotColumns.begin(), knotColumns.end(),
                            [&](double k) { return std::abs(column + 0.5 - k) < 12.0; })) {
                continue;
            }
            const double x = (column + 0.5 - axisX) / (rightX - axisX) * xRight;
            const double sagRow = rowOf(evaluateSpline(sag.spline, x).value);
            const double tanRow = rowOf(evaluateSpline(tan.spline, x).value);
            if (std::abs(sagRow - tanRow) < 16.0) {
                continue;
            }
            const std::optional<double> red = inkCentre(image, column, sagRow, 12, 0, 1.0);
            ASSERT_TRUE(red) << "no red ink in column " << column;
            sagOffsets.push_back(*red - sagRow);
            tanInked += inkCentre(image, column, tanRow, 8, 2, 1.0) ? 1 : 0;
        }
        ASSERT_GE(sagOffsets.size(), 200U) << options[1];
        const double mean = std::accumulate(sagOffsets.begin(), sagOffsets.end(), 0.0) / sagOffsets.size();
        for (const double offset : sagOffsets) {
            ASSERT_LE(std::abs(offset - mean), 1.25) << options[1];
        }
        // Dots 12 device pixels long and gaps as long: blue ink along the
        // tangential spline in about half the columns.
        const double inked = static_cast<double>(tanInked) / sagOffsets.size();
        EXPECT_TRUE(inked > 0.35 && inked < 0.75) << options[1] << ": " << inked;
    }
}

// The paths of an SVG document as written: stroke colour, dashed or not,
// the subpaths' vertices, and every number of the path data as text.
struct SvgPath
{
    QString stroke;
    bool dashed = false;
    std::vector<std::vector<QPointF>> subpaths;
};

struct SvgContent
{
    QString viewBox;
    QString title;
    std::vector<SvgPath> paths;
    QStringList numbers;
};

SvgContent parseSvg(const QByteArray& document)
{
    SvgContent content;
    QXmlStreamReader xml(document);
    static const QRegularExpression token(QStringLiteral("[MLHV]|[-0-9.]+"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            content.viewBox = attributes.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("title")) {
            content.title = xml.readElementText();
        } else if (xml.name() == QLatin1String("path")) {
            SvgPath path { attributes.value("stroke").toString(), attributes.hasAttribute("stroke-dasharray"), {} };
            QChar command;
            QPointF at;
            std::vector<double> pending;
            for (const QRegularExpressionMatch& m : token.globalMatch(attributes.value("d"))) {
                const QString t = m.captured();
                if (t.front().isLetter()) {
                    command = t.front();
                    continue;
                }
                content.numbers << t;
                pending.push_back(t.toDouble());
                if (command == 'H' || command == 'V') {
                    at = command == 'H' ? QPointF(pending[0], at.y()) : QPointF(at.x(), pending[0]);
                } else if (pending.size() == 2) {
                    at = QPointF(pending[0], pending[1]);
                    if (command == 'M') {
                        path.subpaths.emplace_back();
                    }
                } else {
                    continue;
                }
                path.subpaths.back().push_back(at);
                pending.clear();
            }
            content.paths.push_back(path);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return content;
}

// The overlaid chart over LP/mm, eight pairs of curves, stays a few tens of
// KB: the grid is one path, every series one polyline through its real
// coordinates with at most three decimals, the dotted one dashed.
TEST(SvgExport, EachSeriesIsOnePathThroughItsRealCoordinates)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.svg");
    exportOk(out, FullSize, { "--abscissa", "lpmm", "--overlay-all" });
    const std::string document = fileText(out);
    EXPECT_LT(document.size(), 40000U);
    const SvgContent svg = parseSvg(QByteArray::fromStdString(document));
    EXPECT_EQ(svg.viewBox, QStringLiteral("0 0 250 250"));
    EXPECT_EQ(svg.title, QString::fromUtf8("Lumivex des Objektivs: Lumivex Normal für KB 1.4/50 "));

    // Paths by stroke, the dashed ones apart.
    std::map<QString, std::vector<SvgPath>> byStroke;
    for (const SvgPath& path : svg.paths) {
        byStroke[path.stroke + (path.dashed ? " dashed" : "")].push_back(path);
    }
    const std::vector<SvgPath>& grids = byStroke[QStringLiteral("#c0c0c0")];
    const std::vector<SvgPath>& sagittal = byStroke[QStringLiteral("#ff0000")];
    const std::vector<SvgPath>& tangential = byStroke[QStringLiteral("#0000ff dashed")];
    ASSERT_EQ(grids.size(), 1U);
    const SvgPath& grid = grids.front();
    ASSERT_EQ(grid.subpaths.size(), 11U); // five levels, six verticals
    ASSERT_EQ(sagittal.size(), 8U);
    EXPECT_EQ(tangential.size(), 8U);
    for (const auto* series : { &sagittal, &tangential }) {
        for (const SvgPath& path : *series) {
            EXPECT_EQ(path.subpaths.size(), 1U);
        }
    }

    // The first pass's sagittal line through every sample right of the
    // axis, placed by the grid: x = 0 on its first vertical, the curve's
    // end on its last, 100 % on its top level, 0 % at the verticals' foot.
    const QJsonValue curve = dumpJson(FullSize, { "--abscissa", "lpmm" })["Curves"][0];
    const std::vector<double> x = numbers(curve["CurveSampleX"]);
    const std::vector<double> m = numbers(curve["SagSampleY"]);
    const double left = grid.subpaths[5][0].x();
    const double right = grid.subpaths[10][0].x();
    const double top = grid.subpaths[0][0].y();
    const double bottom = grid.subpaths[5][1].y();
    const double xRight = 170.0 / (curve["ScaleX"].toDouble() * curve["AbscissaFactor"].toDouble());
    const std::vector<QPointF>& line = sagittal.front().subpaths.front();
    ASSERT_EQ(line.size(), 100U); // sample 1 lies 1e-8 left of the axis
    for (std::size_t j = 0; j < line.size(); ++j) {
        EXPECT_NEAR(line[j].x(), left + x[j + 1] / xRight * (right - left), 0.0011) << j;
        EXPECT_NEAR(line[j].y(), bottom - m[j + 1] / 100.0 * (bottom - top), 0.0011) << j;
    }
    static const QRegularExpression threeDecimals(QStringLiteral("^-?[0-9]+(\\.[0-9]{1,3})?$"));
    int fractional = 0;
    for (const QString& n : svg.numbers) {
        EXPECT_TRUE(threeDecimals.match(n).hasMatch()) << n.toStdString();
        const double twice = 2.0 * n.toDouble();
        fractional += twice != std::round(twice) ? 1 : 0; // neither whole nor a pixel centre
    }
    EXPECT_GT(fractional, 1000);
}

TEST(PdfExport, IsTheOnePageReport)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("report.pdf");
    runOk({ "--export", out, examplePath("vollformat-objektiv.mtf"), "--frequencies", "1,4,8", "--abscissa", "m" });
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(fileText(out)));
    EXPECT_TRUE(pdf.startsWith(QLatin1String("%PDF-")));
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 1);
}

TEST(ExportErrors, AnUnwritableTargetIsReportedInGerman)
{
    const TemporaryDirectory directory;
    for (const char* name : { "chart.png", "chart.svg", "report.pdf", "points.csv" }) {
        const std::string out = directory.file(std::string("fehlt/") + name);
        const ProgramRun run = runLumivex({ "--export", out, examplePath("beispiel-testlinse.mtf") });
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.err, "lumivex: Die Datei „" + out + "“ kann nicht geschrieben werden\n") << name;
    }
}

const std::string CsvHeader = "frequency_index;frequency;f_number;image_height;magnification;series;kind;point;"
                              "abscissa;modulation_percent";

// Over k one pass per magnification, frequencies ascending, per series the
// nodes (the table entries at the list positions 0 and 1) and then the 101
// samples; the straight line through two nodes is known at every sample.
TEST(CsvExport, OverTheFNumberOnePassPerMagnification)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("points.csv");
    runOk({ "--export", out, examplePath("beispiel-testlinse.mtf"), "--abscissa", "k", "--frequencies", "2,1",
            "--image-height", "3", "--overlay-all" });
    const std::vector<std::string> rows = fileLines(out);
    ASSERT_EQ(rows.size(), 1 + 2 * 2 * 2 * (2 + 101));
    const std::pair<std::size_t, const char*> expected[] = {
        { 0, CsvHeader.c_str() },
        { 1, "1;10;;21.6;0;S;node;1;0;80" },
        { 2, "1;10;;21.6;0;S;node;2;1;89" },
        { 3, "1;10;;21.6;0;S;sample;1;-1e-08;79.99999991" },
        { 104, "1;10;;21.6;0;T;node;1;0;70" },
        { 105, "1;10;;21.6;0;T;node;2;1;85" },
        { 207, "2;20;;21.6;0;S;node;1;0;66" },
        { 413, "1;10;;21.6;-0.1;S;node;1;0;77" },
        { 824, "2;20;;21.6;-0.1;T;sample;101;0.99999999;69.99999978" },
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(rows[index], text) << "row " << index;
    }
}

// Over the image height one pass per f-number; the nodes are the heights
// in mm, the second one mirrored first. Texts holding the separator or a
// quote are quoted, quotes doubled.
TEST(CsvExport, OverTheImageHeightOnePassPerFNumberAndQuotedTexts)
{
    const TemporaryDirectory directory;
    const std::string lensFile = directory.write("linse.mtf", workedExampleEdited([](int i, const std::string& line) {
                                                     return i == 14 ? "k 2.8 5\"6" : i == 19 ? "f 10 2;0" : line;
                                                 }));
    const std::string out = directory.file("points.csv");
    runOk({ "--export", out, lensFile, "--overlay-all", "--frequencies", "2", "--magnification", "2" });
    const std::vector<std::string> rows = fileLines(out);
    ASSERT_EQ(rows.size(), 1 + 2 * 2 * (4 + 101));
    const std::pair<std::size_t, const char*> expected[] = {
        { 1, "2;\"2;0\";2.8;;-0.1;S;node;1;-10;75" },
        { 2, "2;\"2;0\";2.8;;-0.1;S;node;2;0;83" },
        { 4, "2;\"2;0\";2.8;;-0.1;S;node;4;21.6;62" },
        { 211, "2;\"2;0\";\"5\"\"6\";;-0.1;S;node;1;-10;85" },
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(rows[index], text) << "row " << index;
    }
    EXPECT_EQ(rows[5].substr(0, rows[5].rfind(';')), "2;\"2;0\";2.8;;-0.1;S;sample;1;-10.00000001");
    EXPECT_EQ(rows[105].substr(0, rows[105].rfind(';')), "2;\"2;0\";2.8;;-0.1;S;sample;101;21.59999999");
}

} // namespace
