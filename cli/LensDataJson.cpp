// SPDX-License-Identifier: MIT
#include "LensDataJson.h"

#include <QCoreApplication>

namespace {

// The distance labels as the window shows them: the data's "unendlich" in
// the language of the run.
JsonValue distanceLabels(const LensData& lens)
{
    JsonValue::Array items;
    for (int i = 1; i <= lens.MagnificationCount; ++i) {
        const std::string& label = lens.DistanceLabels[i];
        items.emplace_back(
            label == "unendlich" ? QCoreApplication::translate("DistanceLabel", "unendlich").toStdString() : label);
    }
    return items;
}

template <typename List>

JsonValue textList(const List& list, int count)
{
    JsonValue::Array items;
    for (int i = 1; i <= count; ++i) {
        items.emplace_back(list[i]);
    }
    return items;
}

template <typename List>

JsonValue realList(const List& list, int first, int count)
{
    JsonValue::Array items;
    for (int i = first; i < first + count; ++i) {
        items.emplace_back(list[i]);
    }
    return items;
}

JsonValue modulationJson(const LensData& lens, const ModulationTable& table)
{
    JsonValue::Array fNumbers;
    for (int k = 0; k < lens.FNumberCount; ++k) {
        JsonValue::Array frequencies;
        for (int q = 0; q < lens.FrequencyCount; ++q) {
            JsonValue::Array heights;
            for (int h = 0; h < lens.ImageHeightCount; ++h) {
                JsonValue::Array magnifications;
                for (int m = 0; m < lens.MagnificationCount; ++m) {
                    magnifications.emplace_back(static_cast<int>(table.at(k, q, h, m)));
                }
                heights.emplace_back(std::move(magnifications));
            }
            frequencies.emplace_back(std::move(heights));
        }
        fNumbers.emplace_back(std::move(frequencies));
    }
    return fNumbers;
}

} // namespace

JsonValue::Object lensDataJson(const LensData& lens)
{
    const int rows = lens.imageHeightRowCount();
    JsonValue::Array heightRows;
    JsonValue::Array validCounts;
    for (int r = 1; r <= rows; ++r) {
        heightRows.push_back(textList(lens.ImageHeightText[r], lens.ImageHeightCount));
        validCounts.emplace_back(lens.ImageHeightValidCount[r]);
    }

    return {
        { "LensName", lens.LensName },
        { "WavelengthText", lens.WavelengthText },
        { "WeightText", lens.WeightText },
        { "ImageHeightPerFNumber", lens.ImageHeightPerFNumber },
        { "FNumberCount", lens.FNumberCount },
        { "FrequencyCount", lens.FrequencyCount },
        { "ImageHeightCount", lens.ImageHeightCount },
        { "MagnificationCount", lens.MagnificationCount },
        { "FNumberText", textList(lens.FNumberText, lens.FNumberCount) },
        { "FrequencyText", textList(lens.FrequencyText, lens.FrequencyCount) },
        { "MagnificationText", textList(lens.MagnificationText, lens.MagnificationCount) },
        { "DistanceText", textList(lens.DistanceText, lens.MagnificationCount) },
        { "DistanceLabels", distanceLabels(lens) },
        { "ImageHeightText", std::move(heightRows) },
        { "ImageHeightValidCount", std::move(validCounts) },
        { "MaxImageHeight", lens.MaxImageHeight },
        { "SagModulation", modulationJson(lens, lens.SagModulation) },
        { "TanModulation", modulationJson(lens, lens.TanModulation) },
    };
}

JsonValue curveJson(int frequencyIndex, const ExtractedCurve& curve, const SeriesCurve& sagittal,
                    const SeriesCurve& tangential)
{
    const int n = curve.CurvePointCount;
    constexpr int Samples = CurveSamples::SampleCount;
    return JsonValue::Object {
        { "FrequencyIndex", frequencyIndex },
        { "CurvePointCount", n },
        { "AbscissaFactor", curve.AbscissaFactor },
        { "KnotX", realList(curve.KnotX, 1, n) },
        { "SagPointValues", realList(curve.SagPointValues, 1, n) },
        { "TanPointValues", realList(curve.TanPointValues, 1, n) },
        { "CurveSampleX", realList(sagittal.samples.CurveSampleX, 1, Samples) },
        { "SagSampleY", realList(sagittal.samples.CurveSampleY, 1, Samples) },
        { "TanSampleY", realList(tangential.samples.CurveSampleY, 1, Samples) },
        { "ScaleX", sagittal.samples.ScaleX },
        { "ScaleY", sagittal.samples.ScaleY },
    };
}

const char* abscissaName(Abscissa abscissa)
{
    switch (abscissa) {
    case Abscissa::FNumber:
        return "k";
    case Abscissa::Frequency:
        return "lpmm";
    case Abscissa::ImageHeight:
        return "y";
    case Abscissa::Magnification:
        return "m";
    }
    return "y";
}

JsonValue probeJson(int frequencyIndex, const std::optional<ProbeValue>& value)
{
    return JsonValue::Object {
        { "FrequencyIndex", frequencyIndex },
        { "Sag", value ? JsonValue(value->sag) : JsonValue() },
        { "Tan", value ? JsonValue(value->tan) : JsonValue() },
        { "Node", value && value->node > 0 },
    };
}

JsonValue missingJson(int frequencyIndex, const MissingValue& value, const std::string& text)
{
    const char* variable = value.variable == Abscissa::FNumber ? "f_number"
        : value.variable == Abscissa::Frequency                ? "frequency"
        : value.variable == Abscissa::ImageHeight              ? "image_height"
                                                               : "magnification";
    return JsonValue::Object {
        { "FrequencyIndex", frequencyIndex },
        { "Variable", variable },
        { "Value", value.text },
        { "Text", text },
    };
}
