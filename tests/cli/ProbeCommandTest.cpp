// SPDX-License-Identifier: MIT
// Between two support points over k the natural spline is the straight
// line; over y' its value was worked out by hand from the four support
// points (-10, 0, 10, 21.6 mm).
#include "ProgramRun.h"

namespace {

const std::string Small = examplePath("beispiel-testlinse.mtf");

std::string shown(const QJsonValue& value)
{
    return value.isNull() ? "-" : QString::number(value.toDouble(), 'g', 10).toStdString();
}

std::string probed(const std::string& file, const std::vector<std::string>& options)
{
    const QJsonObject probe = dumpJson(file, options)["Probe"].toObject();
    std::string text
        = probe["Abscissa"].toString().toStdString() + ' ' + shown(probe["At"]) + ' ' + shown(probe["Position"]);
    for (const QJsonValue curve : probe["Curves"].toArray()) {
        text += ' ' + std::to_string(curve["FrequencyIndex"].toInt()) + ':' + shown(curve["Sag"]) + '/'
            + shown(curve["Tan"]) + (curve["Node"].toBool() ? "*" : "");
    }
    return text;
}

TEST(Probe, ReadsEachAbscissaAtSupportPointsBetweenThemAndOutside)
{
    using Options = std::vector<std::string>;
    const std::pair<Options, std::string> rows[] = {
        // Over k at image height 3: 2.8 -> 66/52, 5.6 -> 80/73.
        { { "k", "4.2", "--image-height", "3" }, "k 4.2 0.5 2:73/62.5" },
        { { "k", "8" }, "k 8 - 2:-/-" },
        // Over y' (21.6 mm = 100 %), frequencies 1 and 2 of f-number 2.8.
        { { "y", "50", "--frequencies", "1,2" }, "y 50 10.8 1:87.48502818/84.06517256 2:77.16605282/70.52810209" },
        { { "y", "0", "--frequencies", "1,2" }, "y 0 0 1:92/92* 2:85/85*" },
        // Left of the axis: the mirrored first point is no part of the curve.
        { { "y", "-0.5" }, "y -0.5 -0.108 2:-/-" },
    };
    for (const auto& [options, expected] : rows) {
        SCOPED_TRACE(expected);
        const Options rest(options.begin() + 2, options.end());
        EXPECT_EQ(probed(Small, joined({ "--abscissa", options[0], "--at", options[1] }, rest)), expected);
    }
}

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
