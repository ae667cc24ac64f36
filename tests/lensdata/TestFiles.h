#pragma once

#include "LensData.h"

#include <functional>
#include <string>
#include <vector>

// Builds lens data files line by line for the reader tests. The default is
// the small worked example of the file format (50 lines: two f-numbers, two
// magnifications, three image heights in one row, two frequencies), with
// the modulation values given by modulationValue().
struct TestFile
{
    std::string head = "X12320";
    std::string title = "Obj:Testlinse 2.8/50 mm";
    std::string fNumberLine = "k 2.8 5.6";
    std::string magnificationLine = "m 0 -0.1";
    std::vector<std::string> imageHeightLines = { "y 0 10 21.6" };
    std::string wavelengthLine = "WL   546 480 644";
    std::string weightLine = "GEW 1.0 0.5 0.5";
    std::string frequencyLine = "f 10 20";
    std::vector<std::string> distanceLines = { "1 0 -1E20 -1E20", "2 -0.1 -550 604.5" };
    // Shape of the modulation blocks written after [ABB].
    int fNumbers = 2;
    int magnifications = 2;
    int imageHeights = 3;
    int frequencies = 2;

    // The value written for f-number n, orientation (1 sagittal, 2
    // tangential), magnification m, image height h and frequency q; every
    // combination of the full 8 x 2 x 9 x 6 x 8 shape gets its own value
    // modulo 101.
    static int modulationValue(int n, int orientation, int m, int h, int q);

    std::vector<std::string> lines() const;
};

std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\n");

// Reads text as a lens data file on top of current.
LensData readText(const std::string& text, const LensData& current = LensData());

// Reads a file of examples/.
std::string exampleText(const std::string& name);
std::string examplePath(const std::string& name);
