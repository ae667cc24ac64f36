// The files of --export, checked against values worked out by hand. The
// flat lens (see ProgramRun.h) puts every curve over the image height on one
// pixel row: 210 - 60 * 1.7 = 108 (sagittal) and 210 - 40 * 1.7 = 142
// (tangential) at the first f-number, 74 and 176 at the second. The
// samples from the axis on reach 40 .. 210 px; the tangential vertices,
// every fourth sample, lie at 40, 50, .. 210 px, and the markers at the
// heights 0, 10 and 21.6 mm cover 38..41, 116..119 and 208..211 px.
#include "ProgramRun.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

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

// Each screen pixel becomes a 3 x 3 block; a one-pixel line runs through
// the block centres three device pixels wide, dots are 9 device pixels.
TEST(PngExport, ScaleThreeRedrawsThreeTimesLarger)
{
    const TemporaryDirectory directory;
    const QImage image = exportedImage(directory.write("flach.mtf", flatLensText()), { "--scale", "3" });
    ASSERT_EQ(image.size(), QSize(750, 750));
    for (const int x : { 151, 301 }) { // 50 and 100 px
        EXPECT_EQ(row(image, 323, x, x) + row(image, 324, x, x) + row(image, 325, x, x) + row(image, 326, x, x)
                      + row(image, 327, x, x),
                  "wrrrw")
            << x;
    }
    // The dotted segment from 50 to 60 px: device 151.5 .. 181.5.
    EXPECT_EQ(row(image, 427, 152, 159) + row(image, 427, 161, 168) + row(image, 427, 170, 177),
              "bbbbbbbbwwwwwwwwbbbbbbbb");
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

// Vertices through the pixel centres: the samples 33 .. 101 for the solid
// line, every fourth of them for the dotted one.
TEST(SvgExport, HoldsTheCurvesInRedAndBlueThroughThePixelCentres)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.svg");
    runOk({ "--export", out, directory.write("flach.mtf", flatLensText()) });
    const SvgContent svg = parseSvg(QByteArray::fromStdString(fileText(out)));
    EXPECT_EQ(svg.viewBox, QStringLiteral("0 0 250 250"));
    EXPECT_EQ(svg.title, QStringLiteral("Lumivex des Objektivs: Testlinse 2.8/50 "));
    EXPECT_TRUE(svg.identityTransforms);

    const std::set<std::pair<double, double>>& solid = svg.solid.at(QStringLiteral("#ff0000"));
    EXPECT_EQ(solid.size(), 69U);
    EXPECT_EQ(*solid.begin(), std::make_pair(40.5, 108.5));
    EXPECT_EQ(*solid.rbegin(), std::make_pair(210.5, 108.5));
    std::set<std::pair<double, double>> dotted;
    for (int x = 40; x <= 210; x += 10) {
        dotted.insert({ x + 0.5, 142.5 });
    }
    EXPECT_EQ(svg.dashed.at(QStringLiteral("#0000ff")), dotted);
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
