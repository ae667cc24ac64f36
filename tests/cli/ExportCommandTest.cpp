#include "ChartDrawing.h"
#include "ImageCanvas.h"
#include "LensFileReader.h"
#include "ProgramRun.h"

#include <QImage>
#include <QJsonArray>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::string FullSize = examplePath("vollformat-objektiv.mtf");

// Runs --export OUT FILE with the options and expects a silent success.
void exportOk(const std::string& out, const std::string& lensFile, const std::vector<std::string>& options)
{
    std::vector<std::string> arguments = { "--export", out, lensFile };
    arguments.insert(arguments.end(), options.begin(), options.end());
    const ProgramRun run = runLumivex(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
}

QImage readImage(const std::string& path)
{
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

FrequencyFlags flags(const std::vector<int>& frequencies)
{
    FrequencyFlags result;
    for (const int q : frequencies) {
        result[q] = 1;
    }
    return result;
}

// The window's texts: the start texts while the image height has never
// been chosen again, else those of the abscissa change.
AxisTexts windowTexts(Abscissa abscissa)
{
    return abscissa == Abscissa::ImageHeight ? initialAxisTexts() : axisTextsFor(abscissa);
}

// The screen image of the draw command in single mode, then overlay passes
// with the f-numbers in `overlayFNumbers`, as a user would click them.
QImage drawnHere(const LensData& lens, Abscissa abscissa, const CurveSelection& fixed,
                 const std::vector<int>& frequencies, const std::vector<int>& overlayFNumbers)
{
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageCanvas canvas(image);
    drawChart(canvas, lens, abscissa, fixed, flags(frequencies), windowTexts(abscissa), {});
    for (const int k : overlayFNumbers) {
        CurveSelection pass = fixed;
        pass.FNumberIndex = k;
        drawSelectedCurves(canvas, lens, abscissa, pass, flags(frequencies), windowTexts(abscissa), {});
    }
    return image;
}

// The PNG is the screen image: every option reaches its place in the
// selection, the axis texts are the window's, and the overlay draws once
// per f-number over the first draw.
TEST(PngExport, AtScaleOneIsPixelForPixelTheDrawCommandsScreenImage)
{
    const struct
    {
        std::vector<std::string> options;
        Abscissa abscissa;
        CurveSelection fixed; // FrequencyIndex unused
        std::vector<int> frequencies;
        std::vector<int> overlayFNumbers {};
    } cases[] = {
        { {}, Abscissa::ImageHeight, { 0, 1, 1, 1 }, { 2 } },
        { { "--abscissa", "k", "--frequencies", "5,1,3", "--image-height", "4", "--magnification", "2" },
          Abscissa::FNumber,
          { 0, 1, 4, 2 },
          { 1, 3, 5 } },
        { { "--abscissa=m", "--f-number", "3", "--image-height", "5", "--frequencies", "4" },
          Abscissa::Magnification,
          { 0, 3, 5, 1 },
          { 4 } },
        { { "--abscissa", "lpmm", "--f-number", "2", "--frequencies", "2,7" },
          Abscissa::Frequency,
          { 0, 2, 1, 1 },
          { 2, 7 } },
        { { "--frequencies", "3", "--overlay-all" },
          Abscissa::ImageHeight,
          { 0, 1, 1, 1 },
          { 3 },
          { 2, 3, 4, 5, 6, 7, 8 } },
    };
    const LensData lens = readLensFile(FullSize, LensData());
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    for (const auto& c : cases) {
        exportOk(out, FullSize, c.options);
        EXPECT_TRUE(readImage(out) == drawnHere(lens, c.abscissa, c.fixed, c.frequencies, c.overlayFNumbers))
            << c.options.size();
    }
}

// Pixel of the screen plot for a data point, by the documented mapping.
QPoint screenPixel(double x, double m, const QJsonValue& curve)
{
    return { 40 + static_cast<int>(std::trunc(x * curve["ScaleX"].toDouble() * curve["AbscissaFactor"].toDouble())),
             210 - static_cast<int>(std::trunc(m * curve["ScaleY"].toDouble())) };
}

bool near(QPoint a, QPoint b)
{
    return std::abs(a.x() - b.x()) <= 4 && std::abs(a.y() - b.y()) <= 4;
}

TEST(PngExport, ScaleThreeRedrawsTheCurvesThreeTimesLarger)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    exportOk(out, FullSize, { "--scale", "3" });
    const QImage image = readImage(out);
    ASSERT_EQ(image.size(), QSize(750, 750));

    // Where the curves lie, from the dumped samples of the same selection.
    const QJsonValue curve = dumpJson(FullSize)["Curves"][0];
    const std::vector<double> x = numbers(curve["CurveSampleX"]);
    const std::vector<double> sag = numbers(curve["SagSampleY"]);
    const std::vector<double> tan = numbers(curve["TanSampleY"]);
    const std::vector<double> knotX = numbers(curve["KnotX"]);
    std::vector<QPoint> markers;
    for (std::size_t j = 0; j < knotX.size(); ++j) {
        markers.push_back(screenPixel(knotX[j], curve["SagPointValues"][static_cast<int>(j)].toDouble(), curve));
        markers.push_back(screenPixel(knotX[j], curve["TanPointValues"][static_cast<int>(j)].toDouble(), curve));
    }
    const auto nearMarker
        = [&](QPoint p) { return std::any_of(markers.begin(), markers.end(), [&](QPoint m) { return near(p, m); }); };
    const auto colourAt = [&](QPointF device) { return QColor(image.pixel(device.toPoint())); };
    const auto centre = [](QPoint p) { return QPointF(3 * p.x() + 1, 3 * p.y() + 1); };
    ASSERT_EQ(x.size(), 101U);
    std::size_t first = 0; // the first sample right of the axis: the curve starts at the mirrored height
    while (x[first] < 0) {
        ++first;
    }

    // The red line passes through the centre of every sample's 3 x 3 block,
    // except where the later blue line or a marker covers it.
    int redChecked = 0;
    for (std::size_t j = first; j < x.size(); ++j) {
        const QPoint s = screenPixel(x[j], sag[j], curve);
        if (std::abs(s.y() - screenPixel(x[j], tan[j], curve).y()) <= 4 || nearMarker(s)) {
            continue;
        }
        ++redChecked;
        const QColor c = colourAt(centre(s));
        EXPECT_TRUE(c.red() > 200 && c.green() < 60 && c.blue() < 60) << "sample " << j + 1;
    }
    EXPECT_GE(redChecked, 20);

    // Each dotted segment starts with a dot: one screen pixel along it from
    // its start the image is blue.
    int blueChecked = 0;
    for (std::size_t j = first; j + 4 < x.size(); j += 4) {
        const QPoint a = screenPixel(x[j], tan[j], curve);
        const QPoint b = screenPixel(x[j + 4], tan[j + 4], curve);
        if (a == b || nearMarker(a)) {
            continue;
        }
        ++blueChecked;
        const QColor c = colourAt(centre(a) + 3.0 * QPointF(b - a) / std::hypot(b.x() - a.x(), b.y() - a.y()));
        EXPECT_TRUE(c.blue() > 200 && c.red() < 60 && c.green() < 60) << "sample " << j + 1;
    }
    EXPECT_GE(blueChecked, 8);
}

// The polyline vertices of the SVG by stroke colour, dashed ones apart.
struct SvgContent
{
    QString viewBox;
    QString title;
    std::map<QString, std::set<std::pair<double, double>>> solid;
    std::map<QString, std::set<std::pair<double, double>>> dashed;
    bool identityTransforms = true; // apart from text
};

SvgContent parseSvg(const QByteArray& document)
{
    SvgContent content;
    QXmlStreamReader xml(document);
    QString stroke; // of the latest group: the generator gives each polyline its own
    bool dashed = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            content.viewBox = attributes.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("title")) {
            content.title = xml.readElementText();
        } else if (xml.name() == QLatin1String("g")) {
            stroke = attributes.value("stroke").toString();
            dashed = attributes.hasAttribute("stroke-dasharray");
            const QString transform = attributes.value("transform").toString();
            content.identityTransforms = content.identityTransforms
                && (transform.isEmpty() || transform == QLatin1String("matrix(1,0,0,1,0,0)")
                    || attributes.hasAttribute("font-family"));
        } else if (xml.name() == QLatin1String("polyline")) {
            for (const QString& point : attributes.value("points").toString().split(' ', Qt::SkipEmptyParts)) {
                const QStringList xy = point.split(',');
                (dashed ? content.dashed : content.solid)[stroke].insert({ xy[0].toDouble(), xy[1].toDouble() });
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return content;
}

TEST(SvgExport, ParsesAndHoldsTheCurvesInRedAndBlue)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.svg");
    const std::vector<std::string> options { "--abscissa", "k", "--frequencies", "2" };
    exportOk(out, FullSize, options);
    const SvgContent svg = parseSvg(QByteArray::fromStdString(fileText(out)));
    EXPECT_EQ(svg.viewBox, QStringLiteral("0 0 250 250"));
    EXPECT_EQ(svg.title, QString::fromUtf8("Lumivex des Objektivs: Lumivex Normal für KB 1.4/50 "));
    EXPECT_TRUE(svg.identityTransforms);

    // The vertices are the samples' pixels, lines running through the
    // pixel centres; sample 1 lies left of the axis.
    const QJsonValue curve = dumpJson(FullSize, options)["Curves"][0];
    const std::vector<double> x = numbers(curve["CurveSampleX"]);
    const auto vertices = [&](const char* key, std::size_t step) {
        const std::vector<double> y = numbers(curve[key]);
        std::set<std::pair<double, double>> points;
        for (std::size_t j = 1; j < x.size(); j += step) {
            const QPoint p = screenPixel(x[j], y[j], curve);
            points.insert({ p.x() + 0.5, p.y() + 0.5 });
        }
        return points;
    };
    EXPECT_EQ(svg.solid.at(QStringLiteral("#ff0000")), vertices("SagSampleY", 1));
    EXPECT_EQ(svg.dashed.at(QStringLiteral("#0000ff")), vertices("TanSampleY", 4));
}

TEST(PdfExport, IsTheOnePageReport)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("report.pdf");
    exportOk(out, FullSize, { "--frequencies", "1,4,8", "--abscissa", "m" });
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(fileText(out)));
    EXPECT_TRUE(pdf.startsWith(QLatin1String("%PDF-")));
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 1);
}

TEST(ExportErrors, AnUnwritableTargetIsReportedInGerman)
{
    const TemporaryDirectory directory;
    for (const char* name : { "chart.png", "chart.svg", "report.pdf", "points.csv" }) {
        const std::string out = directory.file(std::string("fehlt/") + name);
        const ProgramRun run = runLumivex({ "--export", out, FullSize });
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.err, "lumivex: Die Datei „" + out + "“ kann nicht geschrieben werden\n") << name;
    }
}

// Shortest text that reads back as the same double, with a decimal point.
std::string shortest(double value)
{
    std::array<char, 32> text {};
    return std::string(text.data(), std::to_chars(text.data(), text.data() + text.size(), value).ptr);
}

std::vector<std::string> csvLines(const std::string& path)
{
    std::istringstream in(fileText(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(),
              "frequency_index;frequency;f_number;image_height;magnification;series;kind;point;"
              "abscissa;modulation_percent");
    return lines;
}

// The rows of the dumped curves after their fixed columns: per frequency
// and series the nodes, then the 101 samples.
template <typename FixedColumns> std::vector<std::string> curveRows(const QJsonValue& curves, FixedColumns fixedColumns)
{
    std::vector<std::string> rows;
    for (const QJsonValue curve : curves.toArray()) {
        const std::vector<double> knotX = numbers(curve["KnotX"]);
        const std::vector<double> sampleX = numbers(curve["CurveSampleX"]);
        for (const std::string series : { "S", "T" }) {
            const std::vector<double> nodes = numbers(curve[series == "S" ? "SagPointValues" : "TanPointValues"]);
            const std::vector<double> samples = numbers(curve[series == "S" ? "SagSampleY" : "TanSampleY"]);
            const std::string start = fixedColumns(curve["FrequencyIndex"].toInt()) + series + ';';
            for (std::size_t j = 0; j < knotX.size(); ++j) {
                rows.push_back(start + "node;" + std::to_string(j + 1) + ';' + shortest(knotX[j]) + ';'
                               + shortest(nodes[j]));
            }
            for (std::size_t j = 0; j < sampleX.size(); ++j) {
                rows.push_back(start + "sample;" + std::to_string(j + 1) + ';' + shortest(sampleX[j]) + ';'
                               + shortest(samples[j]));
            }
        }
    }
    return rows;
}

// Over k the overlay draws one pass per magnification, in their order,
// frequencies ascending; each pass holds what --dump computes for it, and
// the nodes are the table entries at the list positions 0, 1, 2 ...
TEST(CsvExport, OverTheFNumberOnePassPerMagnificationWithTheTableEntriesAsNodes)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("points.csv");
    exportOk(out, FullSize, { "--abscissa", "k", "--frequencies", "3,1", "--image-height", "4", "--overlay-all" });
    const std::vector<std::string> rows = csvLines(out);
    const LensData lens = readLensFile(FullSize, LensData());
    const std::size_t pass = 2 * 2 * (8 + 101);
    ASSERT_EQ(rows.size(), 1 + 9 * pass);
    const auto fixed = [&](int q, int m) {
        return std::to_string(q) + ';' + lens.FrequencyText[q] + ";;" + lens.ImageHeightText[1][4] + ';'
            + lens.MagnificationText[m] + ';';
    };
    for (int m = 1; m <= 9; ++m) {
        for (int k = 1; k <= 8; ++k) {
            EXPECT_EQ(rows[1 + (m - 1) * pass + k - 1],
                      fixed(1, m) + "S;node;" + std::to_string(k) + ';' + std::to_string(k - 1) + ';'
                          + std::to_string(lens.sag(k, 1, 4, m)));
        }
    }
    const QJsonValue curves = dumpJson(
        FullSize,
        { "--abscissa", "k", "--frequencies", "1,3", "--image-height", "4", "--magnification", "2" })["Curves"];
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 1 + pass, rows.begin() + 1 + 2 * pass),
              curveRows(curves, [&](int q) { return fixed(q, 2); }));
}

// Over the image height one pass per f-number; the nodes are the heights in
// mm as written in the file, the second one mirrored first.
TEST(CsvExport, OverTheImageHeightOnePassPerFNumberWithTheHeightsInMm)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("points.csv");
    exportOk(out, FullSize, { "--overlay-all", "--frequencies", "2", "--magnification", "3" });
    const std::vector<std::string> rows = csvLines(out);
    const LensData lens = readLensFile(FullSize, LensData());
    const std::size_t pass = 2 * (7 + 101);
    ASSERT_EQ(rows.size(), 1 + 8 * pass);
    const auto fixed = [&](int q, int k) {
        return std::to_string(q) + ';' + lens.FrequencyText[q] + ';' + lens.FNumberText[k] + ";;"
            + lens.MagnificationText[3] + ';';
    };
    for (int k = 1; k <= 8; ++k) {
        const std::string first = fixed(2, k) + "T;node;";
        const std::size_t tangential = 1 + (k - 1) * pass + pass / 2;
        EXPECT_EQ(rows[tangential], first + "1;-4;" + std::to_string(lens.tan(k, 2, 2, 3)));
        for (int h = 1; h <= 6; ++h) {
            EXPECT_EQ(rows[tangential + h],
                      first + std::to_string(h + 1) + ';' + lens.ImageHeightText[1][h] + ';'
                          + std::to_string(lens.tan(k, 2, h, 3)));
        }
    }
    const QJsonValue curves
        = dumpJson(FullSize, { "--f-number", "5", "--frequencies", "2", "--magnification", "3" })["Curves"];
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 1 + 4 * pass, rows.begin() + 1 + 5 * pass),
              curveRows(curves, [&](int q) { return fixed(q, 5); }));
}

} // namespace
