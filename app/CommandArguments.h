#pragma once

#include "CurveExtraction.h"
#include "LensData.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

enum class CommandMode
{
    Window,  // no option: the window starts (with FILE when one is given)
    Help,    // --help
    Version, // --version
    Dump,    // --dump FILE: data set and curves as JSON
};

// The selection options of the command line, 1-based as the panels count.
// An index that was not given is empty and takes its default once the file
// is known.
struct SelectionOptions
{
    Abscissa abscissa = Abscissa::ImageHeight;
    std::optional<int> fNumber;
    std::vector<int> frequencies; // ascending, without repeats
    std::optional<int> imageHeight;
    std::optional<int> magnification;
};

struct CommandArguments
{
    CommandMode mode = CommandMode::Window;
    std::string lensFile;
    SelectionOptions selection;
};

// A command line that cannot be carried out; message is German.
struct UsageError
{
    std::string message;
};

// The arguments after the program name.
std::variant<CommandArguments, UsageError> parseArguments(const std::vector<std::string>& arguments);

// The selection resolved against a loaded data set: the fixed indices and the
// frequencies whose curves are drawn, ascending.
struct ResolvedSelection
{
    Abscissa abscissa = Abscissa::ImageHeight;
    CurveSelection fixed; // FrequencyIndex is set per drawn frequency
    std::vector<int> frequencies;
};

// Applies the defaults (f-number 1, frequency 2 or the only one, image
// height 1, magnification 1) and checks every given index against the
// file's counts; an index outside is a usage error naming the option and
// the valid range.
std::variant<ResolvedSelection, UsageError> resolveSelection(const SelectionOptions& options, const LensData& lens);

// The usage text (German), ending with a line end.
std::string usageText();
