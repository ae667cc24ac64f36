// SPDX-License-Identifier: MIT
#pragma once

#include "CurveComparison.h"
#include "FieldShape.h"
#include "LensData.h"
#include "MessageText.h"
#include "MtfThreshold.h"

#include <optional>
#include <string>
#include <vector>

// What the figures are taken over: the field of the field means and the
// threshold P (percent, 0 < P < 100) of the threshold frequencies.
struct FigureOptions
{
    FieldShape field;
    double threshold = 50.0;
};

// The field means of one frequency's curve over the image height.
struct FieldMeanRow
{
    int frequencyIndex = 0;
    std::optional<double> sag; // nullopt: unavailable
    std::optional<double> tan;
};

// The threshold frequencies at one usable image height.
struct ThresholdRow
{
    int heightIndex = 0;                   // 1-based within the f-number's row of heights
    std::optional<ThresholdFrequency> sag; // nullopt: unavailable
    std::optional<ThresholdFrequency> tan;
};

// The figures of a lens at one f-number and magnification.
struct LensFigures
{
    int fNumberIndex = 0;
    int magnificationIndex = 0;
    int heightRow = 1; // the row of image heights that serves the f-number
    // The usable heights of that row: the field's radius R is the last.
    int heightCount = 0;
    std::vector<FieldMeanRow> means;             // one per frequency, in the file's order
    std::vector<ThresholdRow> thresholds;        // one per usable image height
    std::optional<MessageText> thresholdProblem; // why the thresholds are all unavailable

    // The text of image height j of the row as written in the file.
    const std::string& heightText(const LensData& lens, int j) const { return lens.ImageHeightText[heightRow][j]; }
    // R's text, empty without usable heights.
    std::string radiusText(const LensData& lens) const
    {
        return heightCount > 0 ? heightText(lens, heightCount) : std::string();
    }
};

// The figures of the curves that the chart draws over the image height for
// this f-number and magnification (1-based): per frequency the field means
// of the sagittal and tangential curve, per usable image height the
// frequencies where they fall to the threshold, read at that height's
// support point (a capped row's last height with the values the chart uses
// there). Throws RangeError for indices outside the data set's tables.
LensFigures lensFigures(const LensData& lens, int fNumberIndex, int magnificationIndex, const FigureOptions& options);

// One of A's figures matched in the reference lens B: B's row of the same
// values, or the first value B lacks.
template <typename Row> struct MatchedRow
{
    std::optional<MissingValue> missing;
    Row row; // B's own indices; meaningful without `missing`
};

// B's figures beside A's, one entry per row of A's figures, matched by value
// as the comparison of curves matches them: B's field mean at the same
// frequency, B's threshold frequency at the same image height in mm, both at
// the same f-number and magnification. thresholdProblem is B's own.
struct ReferenceFigures
{
    std::vector<MatchedRow<FieldMeanRow>> means;
    std::vector<MatchedRow<ThresholdRow>> thresholds;
    std::optional<MessageText> thresholdProblem;
};

ReferenceFigures referenceFigures(const LensData& lens, const LensFigures& figures, const LensData& reference,
                                  const FigureOptions& options);

// The CSV of the figures.
inline constexpr const char* FiguresCsvHeader
    = "file;lens;figure;f_number;magnification;frequency_lpmm;image_height_mm;sag;tan";

// The f-numbers and magnifications (1-based, in the order wanted) whose
// figures are written, and how they are taken.
struct FiguresRequest
{
    std::vector<int> fNumbers;
    std::vector<int> magnifications;
    FigureOptions options;
};

// The name of the threshold rows: "mtf" and P ("mtf50", "mtf62.5").
std::string thresholdFigureName(double threshold);

// The rows of one lens file (without the header), each ending in LF: first
// a "field_mean" row per f-number, magnification and frequency, then a
// threshold row per f-number, magnification and usable image height.
// `file` is written as given; the lens name, the f-number, magnification,
// frequency and height as written in the file; figures as formatFigure
// writes them, empty where unavailable. Throws RangeError as lensFigures.
std::string figuresCsvRows(const std::string& file, const LensData& lens, const FiguresRequest& request);
