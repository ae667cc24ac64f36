#include "ChartDrawing.h"
#include "ImageCanvas.h"
#include "LensFileReader.h"
#include "ProgramRun.h"
#include "TemporaryFile.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using ::testing::HasSubstr;

namespace {

std::string examplePath(const std::string& name)
{
    return std::string(LUMIVEX_SOURCE_DIR) + "/examples/" + name;
}

const std::string FullSize = examplePath("vollformat-objektiv.mtf");

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Runs --export OUT FILE with the options and expects success.
void exportOk(const std::string& out, const std::string& lensFile, const std::vector<std::string>& options)
{
    const ProgramRun run = runLumivex(concat({ "--export", out, lensFile }, options));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
}

QJsonObject dumpJson(const std::string& lensFile, const std::vector<std::string>& options)
{
    const ProgramRun run = runLumivex(concat({ "--dump", lensFile }, options));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

std::vector<double> numbers(const QJsonValue& value)
{
    std::vector<double> out;
    for (const QJsonValue item : value.toArray()) {
        out.push_back(item.toDouble());
    }
    return out;
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

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) {
        return -1;
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) == b.pixel(x, y) ? 0 : 1;
        }
    }
    return count;
}

QImage screenImage()
{
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// --- PNG at scale 1: the screen image itself ---------------------------------

struct ScreenCase
{
    std::string file;
    std::vector<std::string> options;
    Abscissa abscissa;
    CurveSelection fixed; // FrequencyIndex unused
    std::vector<int> frequencies;
};

void PrintTo(const ScreenCase& c, std::ostream* out)
{
    *out << c.file;
    for (const std::string& option : c.options) {
        *out << ' ' << option;
    }
}

class PngAtScaleOne : public ::testing::TestWithParam<ScreenCase>
{
};

TEST_P(PngAtScaleOne, IsPixelForPixelTheDrawCommandsScreenImage)
{
    const ScreenCase& c = GetParam();
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    exportOk(out, examplePath(c.file), c.options);

    const LensData lens = readLensFile(examplePath(c.file), LensData());
    QImage expected = screenImage();
    {
        ImageCanvas canvas(expected);
        DrawChart(canvas, lens, c.abscissa, c.fixed, flags(c.frequencies), windowTexts(c.abscissa), {});
    }
    const QImage exported = QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(exported.size(), QSize(250, 250));
    EXPECT_EQ(differingPixels(exported, expected), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, PngAtScaleOne,
    ::testing::Values(
        // The window's start selection: image height, f-number 1, frequency 2.
        ScreenCase { "vollformat-objektiv.mtf", {}, Abscissa::ImageHeight, { 0, 1, 1, 1 }, { 2 } },
        ScreenCase { "vollformat-objektiv.mtf",
                     { "--abscissa", "k", "--frequencies", "5,1,3", "--image-height", "4", "--magnification", "2" },
                     Abscissa::FNumber,
                     { 0, 1, 4, 2 },
                     { 1, 3, 5 } },
        ScreenCase { "vollformat-objektiv.mtf",
                     { "--abscissa=m", "--f-number", "3", "--image-height", "5", "--frequencies", "4" },
                     Abscissa::Magnification,
                     { 0, 3, 5, 1 },
                     { 4 } },
        ScreenCase { "vollformat-objektiv.mtf",
                     { "--abscissa", "lpmm", "--f-number", "2", "--frequencies", "2,7" },
                     Abscissa::Frequency,
                     { 0, 2, 1, 1 },
                     { 2, 7 } },
        ScreenCase { "bildhoehe-je-blende.mtf",
                     { "--f-number", "2", "--frequencies", "1,2" },
                     Abscissa::ImageHeight,
                     { 0, 2, 1, 1 },
                     { 1, 2 } }));

TEST(PngExport, NeedsNoDisplayAndNoPlatformChoice)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    const ProgramRun run
        = runLumivex({ "--export", out, FullSize }, { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(250, 250));
}

int countColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

TEST(PngExport, OverlayAllDrawsOncePerFNumberOverTheFirstDraw)
{
    const TemporaryDirectory directory;
    exportOk(directory.file("single.png"), FullSize, { "--frequencies", "3" });
    exportOk(directory.file("overlay.png"), FullSize, { "--frequencies", "3", "--overlay-all" });

    // As a user would: single draw with f-number 1, then overlay mode and
    // a draw for each further f-number.
    const LensData lens = readLensFile(FullSize, LensData());
    QImage expected = screenImage();
    {
        ImageCanvas canvas(expected);
        const AxisTexts texts = initialAxisTexts();
        DrawChart(canvas, lens, Abscissa::ImageHeight, { 0, 1, 1, 1 }, flags({ 3 }), texts, {});
        for (int k = 2; k <= lens.FNumberCount; ++k) {
            DrawSelectedCurves(canvas, lens, Abscissa::ImageHeight, { 0, k, 1, 1 }, flags({ 3 }), texts, {});
        }
    }
    const QImage single
        = QImage(QString::fromStdString(directory.file("single.png"))).convertToFormat(QImage::Format_RGB32);
    const QImage overlay
        = QImage(QString::fromStdString(directory.file("overlay.png"))).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(differingPixels(overlay, expected), 0);
    EXPECT_GT(countColour(overlay, qRgb(255, 0, 0)), 2 * countColour(single, qRgb(255, 0, 0)));
}

// --- PNG at a larger scale ---------------------------------------------------

// Pixel of the screen plot for a data point, by the documented mapping.
QPoint screenPixel(double x, double m, double scaleX, double scaleY, double factor)
{
    return { 40 + static_cast<int>(std::trunc(x * scaleX * factor)), 210 - static_cast<int>(std::trunc(m * scaleY)) };
}

bool near(QPoint a, QPoint b, int distance)
{
    return std::abs(a.x() - b.x()) <= distance && std::abs(a.y() - b.y()) <= distance;
}

TEST(PngExport, ScaleThreeRedrawsTheCurvesThreeTimesLarger)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    exportOk(out, FullSize, { "--scale", "3" });
    const QImage image = QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(750, 750));

    // Where the curves lie, from the dumped samples of the same selection.
    const QJsonObject curve = dumpJson(FullSize, {})["Curves"][0].toObject();
    const std::vector<double> x = numbers(curve["CurveSampleX"]);
    const std::vector<double> sag = numbers(curve["SagSampleY"]);
    const std::vector<double> tan = numbers(curve["TanSampleY"]);
    const std::vector<double> knotX = numbers(curve["KnotX"]);
    const std::vector<double> knotSag = numbers(curve["SagPointValues"]);
    const std::vector<double> knotTan = numbers(curve["TanPointValues"]);
    const double scaleX = curve["ScaleX"].toDouble();
    const double scaleY = curve["ScaleY"].toDouble();
    const double factor = curve["AbscissaFactor"].toDouble();
    ASSERT_EQ(x.size(), 101U);

    std::vector<QPoint> markers;
    for (std::size_t j = 0; j < knotX.size(); ++j) {
        markers.push_back(screenPixel(knotX[j], knotSag[j], scaleX, scaleY, factor));
        markers.push_back(screenPixel(knotX[j], knotTan[j], scaleX, scaleY, factor));
    }
    const auto nearMarker = [&](QPoint p) {
        return std::any_of(markers.begin(), markers.end(), [&](QPoint m) { return near(p, m, 4); });
    };
    const auto colourAt = [&](QPointF device) { return QColor(image.pixel(device.toPoint())); };
    const auto centre = [](QPoint p) { return QPointF(3 * p.x() + 1, 3 * p.y() + 1); };

    std::size_t first = 0;
    while (first < x.size() && x[first] < 0) {
        ++first;
    }
    // The red line passes through the centre of every sample's 3 x 3 block,
    // except where the later blue line or a marker covers it.
    int redChecked = 0;
    for (std::size_t j = first; j < x.size(); ++j) {
        const QPoint s = screenPixel(x[j], sag[j], scaleX, scaleY, factor);
        const QPoint t = screenPixel(x[j], tan[j], scaleX, scaleY, factor);
        if (std::abs(s.y() - t.y()) <= 4 || nearMarker(s)) {
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
        const QPoint a = screenPixel(x[j], tan[j], scaleX, scaleY, factor);
        const QPoint b = screenPixel(x[j + 4], tan[j + 4], scaleX, scaleY, factor);
        if (a == b || nearMarker(a)) {
            continue;
        }
        const QPointF direction = QPointF(b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        ++blueChecked;
        const QColor c = colourAt(centre(a) + 3.0 * direction);
        EXPECT_TRUE(c.blue() > 200 && c.red() < 60 && c.green() < 60) << "sample " << j + 1;
    }
    EXPECT_GE(blueChecked, 8);
}

// --- SVG -----------------------------------------------------------------------

struct SvgContent
{
    QString viewBox;
    QString title;
    // End points of the polylines by stroke colour; dashed ones separately.
    std::map<QString, std::set<std::pair<double, double>>> solid;
    std::map<QString, std::set<std::pair<double, double>>> dashed;
    bool identityTransforms = true;
};

SvgContent parseSvg(const QByteArray& document)
{
    SvgContent content;
    QXmlStreamReader xml(document);
    struct Style
    {
        QString stroke;
        bool dashed = false;
    };
    std::vector<Style> styles { {} };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            styles.pop_back();
        }
        if (!xml.isStartElement()) {
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            content.viewBox = attributes.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("title")) {
            content.title = xml.readElementText();
        } else if (xml.name() == QLatin1String("g")) {
            Style style = styles.back();
            if (attributes.hasAttribute("stroke")) {
                style.stroke = attributes.value("stroke").toString();
                style.dashed = attributes.hasAttribute("stroke-dasharray");
            }
            const QString transform = attributes.value("transform").toString();
            if (!transform.isEmpty() && transform != QLatin1String("matrix(1,0,0,1,0,0)")
                && !attributes.hasAttribute("font-family")) {
                content.identityTransforms = false;
            }
            styles.push_back(style);
        } else if (xml.name() == QLatin1String("polyline")) {
            auto& target = styles.back().dashed ? content.dashed : content.solid;
            const QStringList points
                = attributes.value("points").toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (const QString& point : points) {
                const QStringList xy = point.split(QLatin1Char(','));
                target[styles.back().stroke].insert({ xy[0].toDouble(), xy[1].toDouble() });
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
    QFile file(QString::fromStdString(out));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const SvgContent svg = parseSvg(file.readAll());

    EXPECT_EQ(svg.viewBox, QStringLiteral("0 0 250 250"));
    EXPECT_EQ(svg.title, QString::fromUtf8("Lumivex des Objektivs: Lumivex Normal für KB 1.4/50 "));

    // The curve's vertices are the samples' pixels, lines running through
    // the pixel centres.
    const QJsonObject curve = dumpJson(FullSize, options)["Curves"][0].toObject();
    const std::vector<double> x = numbers(curve["CurveSampleX"]);
    const auto vertices = [&](const char* key, std::size_t step) {
        const std::vector<double> y = numbers(curve[key]);
        std::set<std::pair<double, double>> points;
        for (std::size_t j = 1; j < x.size(); j += step) { // sample 1 lies left of the axis
            const QPoint p = screenPixel(x[j], y[j], curve["ScaleX"].toDouble(), curve["ScaleY"].toDouble(), 1.0);
            points.insert({ p.x() + 0.5, p.y() + 0.5 });
        }
        return points;
    };
    EXPECT_EQ(svg.solid.at(QStringLiteral("#ff0000")), vertices("SagSampleY", 1));
    EXPECT_EQ(svg.dashed.at(QStringLiteral("#0000ff")), vertices("TanSampleY", 4));
    EXPECT_TRUE(svg.identityTransforms);
}

// --- PDF -------------------------------------------------------------------

TEST(PdfExport, IsTheOnePageReport)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("report.pdf");
    exportOk(out, FullSize, { "--frequencies", "1,4,8", "--abscissa", "m" });
    const QString pdf = QString::fromLatin1(QByteArray::fromStdString(fileText(out)));
    EXPECT_TRUE(pdf.startsWith(QLatin1String("%PDF-")));
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), 1);
}

// --- CSV -----------------------------------------------------------------

struct CsvRow
{
    int frequencyIndex = 0;
    std::string frequency, fNumber, imageHeight, magnification, series, kind;
    int point = 0;
    double abscissa = 0.0;
    double modulation = 0.0;
};

double parseNumber(const std::string& text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << "not a number: " << text;
    return value;
}

const std::string CsvHeader
    = "frequency_index;frequency;f_number;image_height;magnification;series;kind;point;abscissa;modulation_percent";

std::vector<CsvRow> readCsv(const std::string& path)
{
    std::istringstream in(fileText(path));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, CsvHeader);
    std::vector<CsvRow> rows;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ';');) {
            fields.push_back(cell);
        }
        if (line.ends_with(';')) {
            fields.emplace_back();
        }
        if (fields.size() != 10) {
            ADD_FAILURE() << "row with " << fields.size() << " fields: " << line;
            continue;
        }
        CsvRow row;
        row.frequencyIndex = std::stoi(fields[0]);
        row.frequency = fields[1];
        row.fNumber = fields[2];
        row.imageHeight = fields[3];
        row.magnification = fields[4];
        row.series = fields[5];
        row.kind = fields[6];
        row.point = std::stoi(fields[7]);
        row.abscissa = parseNumber(fields[8]);
        row.modulation = parseNumber(fields[9]);
        rows.push_back(row);
    }
    return rows;
}

std::vector<CsvRow> rowsOf(const std::vector<CsvRow>& rows, int frequency, const std::string& series,
                           const std::string& kind, const std::string& fNumber = "*")
{
    std::vector<CsvRow> out;
    for (const CsvRow& row : rows) {
        if (row.frequencyIndex == frequency && row.series == series && row.kind == kind
            && (fNumber == "*" || row.fNumber == fNumber)) {
            out.push_back(row);
        }
    }
    return out;
}

// Sample rows: 101, numbered, ascending from just left of the first
// support point to just left of the last, starting at its value.
void expectSamples(const std::vector<CsvRow>& samples, const std::vector<CsvRow>& nodes)
{
    ASSERT_EQ(samples.size(), 101U);
    ASSERT_FALSE(nodes.empty());
    for (std::size_t j = 0; j < samples.size(); ++j) {
        EXPECT_EQ(samples[j].point, static_cast<int>(j) + 1);
        if (j > 0) {
            EXPECT_GT(samples[j].abscissa, samples[j - 1].abscissa);
        }
    }
    EXPECT_NEAR(samples.front().abscissa, nodes.front().abscissa, 1e-7);
    EXPECT_NEAR(samples.back().abscissa, nodes.back().abscissa, 1e-7);
    EXPECT_NEAR(samples.front().modulation, nodes.front().modulation, 1e-4);
}

TEST(CsvExport, NodesAreTheTableEntriesOverTheFNumber)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("points.csv");
    exportOk(out, FullSize,
             { "--abscissa", "k", "--frequencies", "3,1", "--image-height", "4", "--magnification", "2" });
    const LensData lens = readLensFile(FullSize, LensData());
    const std::vector<CsvRow> rows = readCsv(out);
    EXPECT_EQ(rows.size(), 2U * 2U * (8U + 101U));
    EXPECT_EQ(rows.front().frequencyIndex, 1); // frequencies ascending, S first
    EXPECT_EQ(rows.front().series, "S");

    for (const int q : { 1, 3 }) {
        for (const std::string series : { "S", "T" }) {
            SCOPED_TRACE(std::to_string(q) + series);
            const std::vector<CsvRow> nodes = rowsOf(rows, q, series, "node");
            ASSERT_EQ(nodes.size(), 8U);
            for (int k = 1; k <= 8; ++k) {
                const CsvRow& node = nodes[static_cast<std::size_t>(k - 1)];
                EXPECT_EQ(node.point, k);
                EXPECT_EQ(node.abscissa, k - 1); // list position, not scaled
                EXPECT_EQ(node.modulation, series == "S" ? lens.sag(k, q, 4, 2) : lens.tan(k, q, 4, 2));
                EXPECT_EQ(node.frequency, lens.FrequencyText[q]);
                EXPECT_EQ(node.fNumber, ""); // the abscissa's own column
                EXPECT_EQ(node.imageHeight, lens.ImageHeightText[1][4]);
                EXPECT_EQ(node.magnification, lens.MagnificationText[2]);
            }
            expectSamples(rowsOf(rows, q, series, "sample"), nodes);
        }
    }
}

TEST(CsvExport, NodesOverTheImageHeightIncludeTheMirroredSecondHeight)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("points.csv");
    exportOk(out, FullSize, {});
    const LensData lens = readLensFile(FullSize, LensData());
    const std::vector<CsvRow> rows = readCsv(out);
    const std::vector<CsvRow> nodes = rowsOf(rows, 2, "T", "node");
    ASSERT_EQ(nodes.size(), 7U);
    // Heights in mm as written in the file; the second one mirrored first.
    EXPECT_EQ(nodes[0].abscissa, -std::stod(lens.ImageHeightText[1][2]));
    EXPECT_EQ(nodes[0].modulation, lens.tan(1, 2, 2, 1));
    for (int h = 1; h <= 6; ++h) {
        EXPECT_EQ(nodes[static_cast<std::size_t>(h)].abscissa, std::stod(lens.ImageHeightText[1][h]));
        EXPECT_EQ(nodes[static_cast<std::size_t>(h)].modulation, lens.tan(1, 2, h, 1));
        EXPECT_EQ(nodes[static_cast<std::size_t>(h)].imageHeight, "");
    }
    expectSamples(rowsOf(rows, 2, "T", "sample"), nodes);
}

TEST(CsvExport, OverlayAllRunsThroughEveryFNumberOrOverKEveryMagnification)
{
    const TemporaryDirectory directory;
    const LensData lens = readLensFile(FullSize, LensData());

    const std::string overY = directory.file("y.csv");
    exportOk(overY, FullSize, { "--overlay-all", "--frequencies", "2" });
    const std::vector<CsvRow> rows = readCsv(overY);
    EXPECT_EQ(rows.size(), 8U * 2U * (7U + 101U));
    for (int k = 1; k <= 8; ++k) {
        const std::vector<CsvRow> nodes = rowsOf(rows, 2, "S", "node", lens.FNumberText[k]);
        ASSERT_EQ(nodes.size(), 7U) << k;
        EXPECT_EQ(nodes[6].modulation, lens.sag(k, 2, 6, 1)) << k;
    }
    // Drawn in the order of the f-numbers.
    EXPECT_EQ(rows.front().fNumber, lens.FNumberText[1]);
    EXPECT_EQ(rows.back().fNumber, lens.FNumberText[8]);

    const std::string overK = directory.file("k.csv");
    exportOk(overK, FullSize, { "--overlay-all", "--abscissa", "k", "--frequencies", "2" });
    std::vector<std::string> magnifications;
    for (const CsvRow& row : readCsv(overK)) {
        EXPECT_EQ(row.fNumber, "");
        if (magnifications.empty() || magnifications.back() != row.magnification) {
            magnifications.push_back(row.magnification);
        }
    }
    std::vector<std::string> expected;
    for (int m = 1; m <= lens.MagnificationCount; ++m) {
        expected.push_back(lens.MagnificationText[m]);
    }
    EXPECT_EQ(magnifications, expected);
}

// --- Errors and messages -----------------------------------------------------

TEST(ExportErrors, SplineWarningsAreThoseOfTheSameComputation)
{
    // Heights 0 0 21.6 in the worked example: zero-width intervals.
    std::istringstream in(fileText(examplePath("beispiel-testlinse.mtf")));
    std::string text;
    std::string line;
    for (int i = 1; std::getline(in, line); ++i) {
        text += (i == 16 ? std::string("y 0 0 21.6") : line) + "\n";
    }
    const TemporaryFile lensFile(text);
    const ProgramRun dump = runLumivex({ "--dump", lensFile.path() });
    ASSERT_THAT(dump.err, HasSubstr("Warnung: Funktion singulär\n"));
    const TemporaryDirectory directory;
    for (const char* name : { "c.png", "c.svg", "c.csv", "c.pdf" }) {
        const ProgramRun run = runLumivex({ "--export", directory.file(name), lensFile.path() });
        EXPECT_EQ(run.exitCode, 0) << name;
        EXPECT_EQ(run.err, dump.err) << name;
        EXPECT_TRUE(std::filesystem::exists(directory.file(name))) << name;
    }
}

TEST(ExportErrors, UnreadableAndMalformedFilesAsForTheDump)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");

    const std::string missing = examplePath("gibt-es-nicht.mtf");
    ProgramRun run = runLumivex({ "--export", out, missing });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, missing + ":0: Abbruch beim Dateilesen\n");

    std::istringstream in(fileText(examplePath("beispiel-testlinse.mtf")));
    std::string text;
    std::string line;
    for (int i = 1; std::getline(in, line); ++i) {
        text += (i == 24 ? std::string("y1 92 300 ") : line) + "\n";
    }
    const TemporaryFile malformed(text);
    run = runLumivex({ "--export", out, malformed.path() });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, malformed.path() + ":24: Modulationswert „300“ liegt außerhalb von 0..255\n");
    EXPECT_FALSE(std::filesystem::exists(out));
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

struct UsageCase
{
    std::vector<std::string> arguments;
    std::string fragment;
};

void PrintTo(const UsageCase& c, std::ostream* out)
{
    for (const std::string& argument : c.arguments) {
        *out << argument << ' ';
    }
}

class ExportUsageErrors : public ::testing::TestWithParam<UsageCase>
{
};

TEST_P(ExportUsageErrors, PrintTheProblemAndTheUsageExitWithTwoAndWriteNothing)
{
    const TemporaryDirectory directory;
    std::vector<std::string> arguments = GetParam().arguments;
    std::vector<std::string> outputs;
    for (std::string& argument : arguments) {
        if (argument == "FULL") {
            argument = FullSize;
        } else if (argument.starts_with("OUT")) {
            argument = directory.file(argument);
            outputs.push_back(argument);
        }
    }
    const ProgramRun run = runLumivex(arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr(GetParam().fragment));
    EXPECT_THAT(run.err, HasSubstr("Aufruf:"));
    EXPECT_THAT(run.err, HasSubstr("lumivex --help"));
    EXPECT_EQ(run.out, "");
    for (const std::string& output : outputs) {
        EXPECT_FALSE(std::filesystem::exists(output)) << output;
    }
}

// The parser's own cases are in CommandArgumentsTest; these run the program.
INSTANTIATE_TEST_SUITE_P(
    Table, ExportUsageErrors,
    ::testing::Values(
        UsageCase { { "--export", "OUT.png" }, "die Linsendatei" },
        UsageCase { { "--export", "OUT.png", "FULL", "b.mtf" }, "Unerwartetes Argument „b.mtf“" },
        UsageCase { { "--export", "OUT.bmp", "FULL" }, "Unbekannte Endung" },
        UsageCase { { "--export", "OUT.png", "FULL", "--bogus" }, "Unbekannte Option „--bogus“" },
        UsageCase { { "--export", "OUT.png", "FULL", "--scale", "0" }, "--scale erwartet eine ganze Zahl von 1 bis 8" },
        UsageCase { { "--export", "OUT.svg", "FULL", "--scale", "2" }, "--scale gilt nur für .png" },
        UsageCase { { "--export", "OUT.pdf", "FULL", "--overlay-all" }, "--overlay-all gilt nicht für .pdf" },
        UsageCase { { "--export", "OUT.png", "FULL", "--overlay-all", "--f-number", "2" }, "--f-number passt nicht" },
        UsageCase { { "--export", "OUT.png", "FULL", "--dump", "FULL" }, "--dump und --export schließen einander aus" },
        // Indices outside the file's counts name the option and the range.
        UsageCase { { "--export", "OUT.png", "FULL", "--f-number", "9" }, "--f-number: 9 liegt außerhalb von 1..8" },
        UsageCase { { "--export", "OUT.svg", "FULL", "--frequencies", "2,9" },
                    "--frequencies: 9 liegt außerhalb von 1..8" },
        UsageCase { { "--export", "OUT.csv", "FULL", "--image-height", "7" },
                    "--image-height: 7 liegt außerhalb von 1..6" },
        UsageCase { { "--export", "OUT.pdf", "FULL", "--magnification", "10" },
                    "--magnification: 10 liegt außerhalb von 1..9" }));

TEST(ExportHelp, ListsEveryModeOptionAndFormatWithExamples)
{
    const ProgramRun help = runLumivex({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    for (const char* item : { "lumivex [DATEI]",
                              "--dump DATEI",
                              "--export AUSGABE DATEI",
                              "--help",
                              "--version",
                              "--abscissa",
                              "--f-number",
                              "--frequencies",
                              "--image-height",
                              "--magnification",
                              "--overlay-all",
                              "--scale N",
                              ".png",
                              ".svg",
                              ".pdf",
                              ".csv",
                              "Semikolon",
                              "frequency_index",
                              "modulation_percent",
                              "Beispiele:",
                              "lumivex --export" }) {
        EXPECT_THAT(help.out, HasSubstr(item));
    }
}

} // namespace
