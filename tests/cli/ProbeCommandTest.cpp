// SPDX-License-Identifier: MIT
// lumivex --dump FILE ... --at X: the curves read at one abscissa value.
// Expected values are the small example's tables; between two support
// points over k, LP/mm and ß' (two entries each) the natural spline is the
// straight line, over y' its value was worked out by hand from the four
// support points (-10, 0, 10, 21.6 mm).
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

const std::string Small = examplePath("beispiel-testlinse.mtf");
const std::string Rows = examplePath("bildhoehe-je-blende.mtf");

struct Probe
{
    std::optional<double> sag; // nullopt: null
    std::optional<double> tan;
    bool node = false;
};

std::optional<double> orNull(const QJsonValue& value)
{
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}

void expectNear(const std::optional<double>& actual, const std::optional<double>& expected, const std::string& what)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-9) << what;
    }
}

// X as the program reads it back exactly.
std::string exactly(double x)
{
    return QString::number(x, 'g', 17).toStdString();
}

TEST(Probe, ReadsEachAbscissaAtSupportPointsBetweenThemAndOutside)
{
    struct Row
    {
        std::string file;
        std::string abscissa;
        std::vector<std::string> options;
        double at;
        std::optional<double> position;
        std::vector<Probe> curves; // one per frequency, ascending
    };
    const std::vector<std::string> height2 = { "--image-height", "2" };
    const std::vector<std::string> height3 = { "--image-height", "3" };
    const std::vector<std::string> both = { "--frequencies", "1,2" };
    const Row rows[] = {
        // Over k at image height 3: 2.8 -> 66/52, 5.6 -> 80/73.
        { Small, "k", height3, 4.2, 0.5, { { 73, 62.5 } } },
        { Small, "k", height3, 5.6, 1, { { 80, 73, true } } },
        { Small, "k", {}, 8, std::nullopt, { {} } },
        // Over LP/mm at image height 2: 10 -> 88/85, 20 -> 78/72.
        { Small, "lpmm", height2, 15, 0.5, { { 83, 78.5 } } },
        // Over ß' (the list falls: 0, -0.1) at image height 3: 66/52 and 62/48.
        { Small, "m", height3, -0.05, 0.5, { { 64, 50 } } },
        { Small, "m", height3, -0.1, 1, { { 62, 48, true } } },
        { Small, "m", {}, 0.01, std::nullopt, { {} } },
        // Over y' (21.6 mm = 100 %), frequencies 1 and 2 of f-number 2.8.
        // clang-format off
        { Small, "y", both, 50, 10.8,
          { { 87.48502817810784, 84.06517255986935 }, { 77.16605281532749, 70.52810208976678 } } },
        // clang-format on
        { Small, "y", both, 0, 0, { { 92, 92, true }, { 85, 85, true } } },
        { Small, "y", both, 100, 21.6, { { 80, 70, true }, { 66, 52, true } } },
        // Left of the axis: the mirrored first point is no part of the curve.
        { Small, "y", {}, -0.5, -0.108, { {} } },
        { Small, "y", {}, 100.5, 21.708, { {} } },
        // The row of f-number 2.8 ends at 15 mm, below the largest 21.6 mm;
        // its last point carries the values of the file's last column.
        { Rows, "y", {}, 1500 / 21.6, 15, { { 75, 65, true } } },
        { Rows, "y", {}, 70, 15.12, { {} } },
        // The row of f-number 5.6 goes on to 21.6 mm.
        { Rows, "y", { "--f-number", "3" }, 2000 / 21.6, 20, { { 88, 86, true } } },
    };
    for (const Row& row : rows) {
        std::vector<std::string> options = { "--abscissa", row.abscissa, "--at", exactly(row.at) };
        options.insert(options.end(), row.options.begin(), row.options.end());
        const std::string what = row.file.substr(row.file.rfind('/') + 1) + " " + row.abscissa + " " + exactly(row.at);
        const QJsonObject probe = dumpJson(row.file, options)["Probe"].toObject();
        EXPECT_EQ(probe["Abscissa"].toString().toStdString(), row.abscissa) << what;
        EXPECT_EQ(probe["At"].toDouble(), row.at) << what;
        expectNear(orNull(probe["Position"]), row.position, what + " Position");
        const QJsonArray curves = probe["Curves"].toArray();
        ASSERT_EQ(curves.size(), static_cast<qsizetype>(row.curves.size())) << what;
        for (qsizetype i = 0; i < curves.size(); ++i) {
            const QJsonObject curve = curves[i].toObject();
            const Probe& expected = row.curves[static_cast<std::size_t>(i)];
            EXPECT_EQ(curve["FrequencyIndex"].toInt(), row.curves.size() == 2 ? i + 1 : 2) << what;
            expectNear(orNull(curve["Sag"]), expected.sag, what + " Sag");
            expectNear(orNull(curve["Tan"]), expected.tan, what + " Tan");
            EXPECT_EQ(curve["Node"].toBool(), expected.node) << what;
        }
    }
}

// The list of the abscissa is read only when it is the abscissa.
TEST(Probe, AListEntryThatIsNoNumberIsAUsageErrorOverItsOwnAbscissaOnly)
{
    TemporaryDirectory directory;
    const std::string odd = directory.write("odd.mtf", workedExampleWithLine(14, "k 2.8 f5.6"));
    const ProgramRun overK = runLumivex({ "--dump", odd, "--abscissa", "k", "--at", "4" });
    EXPECT_EQ(overK.exitCode, 2);
    EXPECT_NE(overK.err.find("„f5.6“ der Blendenzahlen ist keine Zahl"), std::string::npos) << overK.err;
    const ProgramRun overY = runLumivex({ "--dump", odd, "--abscissa", "y", "--at", "4" });
    EXPECT_EQ(overY.exitCode, 0) << overY.err;
}

} // namespace
