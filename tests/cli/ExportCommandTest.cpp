// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <QImage>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

const std::string Small = examplePath("beispiel-testlinse.mtf");

// The worked example with flat curves: sagittal 60 and tangential 40 % at
// the first f-number, 80 and 20 % at the second, whatever the frequency,
// height and magnification. Every curve over the image height lies on one
// pixel row: 210 - 60 * 1.7 = 108 (sagittal) and 210 - 40 * 1.7 = 142
// (tangential) at the first f-number, 74 and 176 at the second.
std::string flatLensText()
{
    return workedExampleEdited([](int i, const std::string& line) -> std::string {
        if (i < 24 || line.front() == '[') {
            return line;
        }
        const char* values[] = { "60 60", "40 40", "80 80", "20 20" }; // the four blocks of 7 lines
        return "y1 " + std::string(values[(i - 23) / 7]) + " ";
    });
}

// Not along enlarged whole pixels (stairs of up to 2 device pixels): over k
// at image height 3 the sagittal line runs straight from 66 to 80 %, through
// ((x + 0.5) * 4, (y + 0.5) * 4) for x = 40 + 170 X, y = 210 - 1.7 m, that is
// (162, 393.2) and (842, 298). The tangential line (52 to 73 %) is dotted, 12
// device pixels on and 12 off: blue ink in about half the columns.
TEST(PngExport, AtScaleFourTheCurvesRunAlongTheirRealCoordinates)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.png");
    runOk({ "--export", out, Small, "--abscissa", "k", "--image-height", "3", "--scale", "4" });
    const QImage image = QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(1000, 1000));
    const auto inkCentre = [&image](int column, double y, bool red) {
        double weight = 0.0;
        double sum = 0.0;
        for (int row = static_cast<int>(y) - 12; row <= static_cast<int>(y) + 12; ++row) {
            const QColor c(image.pixel(column, row));
            const int own = red ? c.red() : c.blue();
            const double w = std::max(0, own - std::max(c.green(), red ? c.blue() : c.red())) / 255.0;
            weight += w;
            sum += w * (row + 0.5);
        }
        return weight >= 1.0 ? sum / weight : -1.0;
    };
    int dotted = 0;
    for (int column = 170; column < 830; ++column) {
        const double sagittal = 393.2 - 95.2 * (column + 0.5 - 162) / 680;
        EXPECT_NEAR(inkCentre(column, sagittal, true), sagittal, 0.05) << column;
        dotted += inkCentre(column, 488.4 - 142.8 * (column + 0.5 - 162) / 680, false) > 0 ? 1 : 0;
    }
    EXPECT_NEAR(dotted, 330, 40);
}

// The flat lens overlaid: the grid one path, every series one path of cubic
// Bézier segments, one per interval of its spline from the y axis on (the
// mirrored point's interval -10 .. 0 mm left out): 0 .. 10 and 10 .. 21.6 mm,
// control points at thirds of each, x = 40.5 + X * 170 / 21.6 (40.5, 66.735,
// 92.969, 119.204, 149.636, 180.068, 210.5), y = 210.5 - 1.7 m; the
// tangential one dashed over white.
TEST(SvgExport, EachSeriesIsOnePathThroughItsRealCoordinates)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("chart.svg");
    runOk({ "--export", out, directory.write("flach.mtf", flatLensText()), "--overlay-all" });
    const QString svg = QString::fromStdString(fileText(out));
    EXPECT_TRUE(svg.contains(QLatin1String("viewBox=\"0 0 250 250\"")));
    EXPECT_TRUE(svg.contains(QLatin1String(
        "<path d=\"M40.5 40.5H210.5M40.5 74.5H210.5M40.5 108.5H210.5M40.5 142.5H210.5M40.5 176.5H210.5M40.5 "
        "40.5V210.5M74.5 40.5V210.5M108.5 40.5V210.5M142.5 40.5V210.5M176.5 40.5V210.5M210.5 40.5V210.5\" "
        "fill=\"none\" stroke=\"#c0c0c0\" stroke-linecap=\"round\"")));
    // The marker of the support point at 0 mm: 3 pixels across, as on the screen.
    EXPECT_TRUE(svg.contains(QLatin1String("<circle cx=\"40.5\" cy=\"108.5\" r=\"1.5\"/>")));
    // The ordinate title reads upward from (5, 155): turned by 90°.
    EXPECT_TRUE(svg.contains(QLatin1String("<g transform=\"matrix(0,-1,1,0,5,155)\"><rect width=\"66\"")));
    // Every series: stroke, row, point count, first two and last x, dashed.
    static const QRegularExpression seriesPath(
        QStringLiteral("<path d=\"M([0-9.]+) ([0-9.]+)C([^\"]*)\" fill=\"none\" stroke=\"(#[0-9a-f]+)\"([^/]*)/>"));
    QStringList found;
    for (const QRegularExpressionMatch& m : seriesPath.globalMatch(svg)) {
        const QStringList vertices = m.captured(3).split(' ');
        const QString dashed = m.captured(5).contains(QLatin1String("dasharray")) ? " dashed" : "";
        found << QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(m.captured(4), m.captured(2))
                     .arg(vertices.size() / 2 + 1)
                     .arg(m.captured(1), vertices[0], vertices[vertices.size() - 2])
                + dashed;
        for (qsizetype i = 1; i < vertices.size(); i += 2) {
            EXPECT_EQ(vertices[i], m.captured(2)) << "every vertex on the row";
        }
    }
    EXPECT_EQ(found,
              QStringList({ "#ff0000 108.5 7 40.5 66.735 210.5", "#ffffff 142.5 7 40.5 66.735 210.5",
                            "#0000ff 142.5 7 40.5 66.735 210.5 dashed", "#ff0000 74.5 7 40.5 66.735 210.5",
                            "#ffffff 176.5 7 40.5 66.735 210.5", "#0000ff 176.5 7 40.5 66.735 210.5 dashed" }));
    EXPECT_TRUE(svg.contains(QLatin1String("C66.735 108.5 92.969 108.5 119.204 108.5 149.636 108.5 180.068 108.5 "
                                           "210.5 108.5\"")));
}

// Per series the nodes (the table entries at the list positions 0 and 1),
// then 101 samples on the straight line through them.
TEST(CsvExport, OverTheFNumberOnePassPerMagnification)
{
    const TemporaryDirectory directory;
    const std::string out = directory.file("points.csv");
    runOk(
        { "--export", out, Small, "--abscissa", "k", "--frequencies", "2,1", "--image-height", "3", "--overlay-all" });
    const std::vector<std::string> rows = fileLines(out);
    ASSERT_EQ(rows.size(), 1 + 2 * 2 * 2 * (2 + 101));
    const std::pair<std::size_t, const char*> expected[] = {
        { 1, "1;10;;21.6;0;S;node;1;0;80" },      { 3, "1;10;;21.6;0;S;sample;1;-1e-08;79.99999991" },
        { 104, "1;10;;21.6;0;T;node;1;0;70" },    { 207, "2;20;;21.6;0;S;node;1;0;66" },
        { 413, "1;10;;21.6;-0.1;S;node;1;0;77" }, { 824, "2;20;;21.6;-0.1;T;sample;101;0.99999999;69.99999978" },
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(rows[index], text) << "row " << index;
    }
}

// The nodes are the heights in mm, the second one mirrored first.
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
        { 4, "2;\"2;0\";2.8;;-0.1;S;node;4;21.6;62" },
        { 211, "2;\"2;0\";\"5\"\"6\";;-0.1;S;node;1;-10;85" },
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(rows[index], text) << "row " << index;
    }
}

// The creation date is the moment of SOURCE_DATE_EPOCH in UTC, whatever the
// clock and the time zone (2026-01-01 12:00:00 UTC; in UTC the writer ends
// the date in "Z", elsewhere in an offset of seven characters).
TEST(PdfExport, WithSourceDateEpochTwoRunsASecondApartGiveTheSameBytes)
{
    const TemporaryDirectory directory;
    const std::string pdf = directory.file("bericht.pdf");
    for (const auto& [zone, date] :
         { std::pair { "UTC", "(D:20260101120000Z)" }, std::pair { "Europe/Berlin", "(D:20260101120000+00'00')" } }) {
        std::string first;
        for (int run = 0; run < 2; ++run) {
            std::this_thread::sleep_for(std::chrono::milliseconds(run * 1100));
            const std::vector<std::string> environment = { "SOURCE_DATE_EPOCH=1767268800", "TZ=" + std::string(zone) };
            ASSERT_EQ(runLumivex({ "--export", pdf, Small }, {}, environment).exitCode, 0);
            EXPECT_TRUE(run == 0 || fileText(pdf) == first) << zone;
            first = fileText(pdf);
        }
        EXPECT_NE(first.find(std::string("/CreationDate ") + date), std::string::npos) << zone;
    }
}

} // namespace
