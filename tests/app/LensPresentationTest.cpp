// What a load shows: caption limits per panel and which controls are shown.
#include "LensPresentation.h"

#include <gtest/gtest.h>

namespace {

LensData lensWithTexts()
{
    LensData lens;
    lens.LensName = "Prüfling 2.8/50 ";
    lens.WavelengthText = "    546    480";
    lens.WeightText = "1.0 0.5";
    lens.FNumberCount = 3;
    lens.FrequencyCount = 2;
    lens.ImageHeightCount = 4;
    lens.MagnificationCount = 3;
    lens.FNumberText[1] = "1.4142"; // cut to 5
    lens.FNumberText[2] = "2";
    lens.FNumberText[3] = "2.8";
    lens.FrequencyText[1] = "1200"; // cut to 3
    lens.FrequencyText[2] = "ä5";   // a character is one, not two bytes
    lens.ImageHeightText[1][1] = "0";
    lens.ImageHeightText[1][2] = "10.12345"; // cut to 6
    lens.ImageHeightText[1][3] = "15";
    lens.ImageHeightText[1][4] = "21.6";
    lens.ImageHeightText[2][1] = "other row, not shown";
    lens.MagnificationText[1] = "-0.0250"; // the first cut to 6
    lens.MagnificationText[2] = "-0.0250"; // the others to 7
    lens.MagnificationText[3] = "-0.12345678";
    return lens;
}

TEST(LensPresentation, CaptionsAreCutToTheirLimits)
{
    const LensPresentation shown = presentLens(lensWithTexts(), " W : ", " G : ");
    EXPECT_EQ(shown.lensName, QStringLiteral("Prüfling 2.8/50 "));
    EXPECT_EQ(shown.wavelengthCaption, " W :     546    480");
    EXPECT_EQ(shown.weightCaption, " G : 1.0 0.5");

    EXPECT_EQ(shown.fNumbers[0].caption, QString("1.414"));
    EXPECT_EQ(shown.fNumbers[1].caption, QString("2"));
    EXPECT_EQ(shown.frequencies[0].caption, QString(" 120"));
    EXPECT_EQ(shown.frequencies[1].caption, QStringLiteral(" ä5"));
    EXPECT_EQ(shown.imageHeights[1].caption, QString("10.123"));
    EXPECT_EQ(shown.magnifications[0].caption, QString("-0.025"));
    EXPECT_EQ(shown.magnifications[1].caption, QString("-0.0250"));
    EXPECT_EQ(shown.magnifications[2].caption, QString("-0.1234"));
}

TEST(LensPresentation, ControlsBeyondTheCountsAreHiddenWithTheirCaptionsKept)
{
    const LensPresentation shown = presentLens(lensWithTexts(), {}, {});
    struct Row
    {
        const char* panel;
        std::vector<ValueControlState> states;
        int count;
    };
    const Row rows[] = {
        { "f-number", { shown.fNumbers.begin(), shown.fNumbers.end() }, 3 },
        { "frequency", { shown.frequencies.begin(), shown.frequencies.end() }, 2 },
        { "image height", { shown.imageHeights.begin(), shown.imageHeights.end() }, 4 },
        { "magnification", { shown.magnifications.begin(), shown.magnifications.end() }, 3 },
    };
    for (const Row& row : rows) {
        for (std::size_t k = 0; k < row.states.size(); ++k) {
            const bool inside = static_cast<int>(k) < row.count;
            EXPECT_EQ(row.states[k].shown, inside) << row.panel << " " << k + 1;
            EXPECT_EQ(row.states[k].caption.has_value(), inside) << row.panel << " " << k + 1;
        }
    }
    for (std::size_t k = 0; k < shown.distancesShown.size(); ++k) {
        EXPECT_EQ(shown.distancesShown[k], k < 3) << k + 1;
    }
}

TEST(LensPresentation, TheEmptyDataSetStillCaptionsAndShowsEveryFirstControl)
{
    const LensPresentation shown = presentLens(LensData {}, " W : ", " G : ");
    EXPECT_EQ(shown.lensName, "");
    EXPECT_EQ(shown.wavelengthCaption, " W : ");
    EXPECT_EQ(shown.fNumbers[0], (ValueControlState { QString(""), true }));
    EXPECT_EQ(shown.frequencies[0], (ValueControlState { QString(" "), true }));
    EXPECT_EQ(shown.imageHeights[0], (ValueControlState { QString(""), true }));
    EXPECT_EQ(shown.magnifications[0], (ValueControlState { QString(""), true }));
    EXPECT_TRUE(shown.distancesShown[0]);
    EXPECT_FALSE(shown.fNumbers[1].shown);
    EXPECT_FALSE(shown.distancesShown[1]);
}

} // namespace
