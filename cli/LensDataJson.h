// SPDX-License-Identifier: MIT
#pragma once

#include "CurveComparison.h"
#include "CurvePipeline.h"
#include "CurveProbe.h"
#include "JsonValue.h"
#include "LensData.h"

// The data set as the --dump contract lays it out: every list up to its
// count, the image-height rows in use, the modulation tables as
// [FNumberCount][FrequencyCount][ImageHeightCount][MagnificationCount].
JsonValue::Object lensDataJson(const LensData& lens);

// One drawn frequency: the support points of the extraction and the two
// sampled series (the abscissae of the samples are the same for both).
JsonValue curveJson(int frequencyIndex, const ExtractedCurve& curve, const SeriesCurve& sagittal,
                    const SeriesCurve& tangential);

// The option value that names an abscissa: k, lpmm, y or m.
const char* abscissaName(Abscissa abscissa);

// A value the reference lens lacks for the curve of frequencyIndex (the
// first lens's): the variable (f_number, frequency, image_height,
// magnification), the value as written and the text the window shows.
JsonValue missingJson(int frequencyIndex, const MissingValue& value, const std::string& text);

// One curve of a probe: the frequency, the values (null outside the curve)
// and whether they are the table's values at a support point.
JsonValue probeJson(int frequencyIndex, const std::optional<ProbeValue>& value);
