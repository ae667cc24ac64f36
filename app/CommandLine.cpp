#include "CommandLine.h"

#include "CommandArguments.h"
#include "CurvePipeline.h"
#include "JsonValue.h"
#include "LensDataJson.h"
#include "LensFileReader.h"
#include "LoadError.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

int usageError(const UsageError& error)
{
    std::cerr << "lumivex: " << error.message << "\n\n" << usageText();
    return ExitUsage;
}

int runDump(const CommandArguments& arguments)
{
    LensData lens;
    try {
        lens = readLensFile(arguments.lensFile, LensData());
    } catch (const FileOpenError& error) {
        std::cerr << arguments.lensFile << ":0: " << error.what() << '\n';
        return ExitFailure;
    } catch (const LoadError& error) {
        std::cerr << arguments.lensFile << ':' << error.line() << ": " << error.message() << '\n';
        return ExitFailure;
    }

    const auto resolved = resolveSelection(arguments.selection, lens);
    if (const UsageError* error = std::get_if<UsageError>(&resolved)) {
        return usageError(*error);
    }
    const ResolvedSelection& selection = std::get<ResolvedSelection>(resolved);

    // Spline warnings are reported as they arise, as the window's message
    // boxes would show them, and the computation goes on.
    const SplineWarningSink warn
        = [](SplineWarning warning) { std::cerr << "Warnung: " << splineWarningText(warning) << '\n'; };
    JsonValue::Array curves;
    try {
        for (const int frequency : selection.frequencies) {
            CurveSelection fixed = selection.fixed;
            fixed.FrequencyIndex = frequency;
            const ExtractedCurve curve = ExtractCurve(lens, selection.abscissa, fixed);
            const SeriesCurve sagittal = ComputeSeries(curve, Series::Sagittal, warn);
            const SeriesCurve tangential = ComputeSeries(curve, Series::Tangential, warn);
            curves.push_back(curveJson(frequency, curve, sagittal, tangential));
        }
    } catch (const std::exception& error) {
        std::cerr << arguments.lensFile << ": " << error.what() << '\n';
        return ExitFailure;
    }

    JsonValue::Object document = lensDataJson(lens);
    document.emplace_back("Curves", std::move(curves));
    std::cout << JsonValue(std::move(document)).serialize() << '\n';
    std::cout.flush();
    return std::cout ? 0 : ExitFailure;
}

} // namespace

std::optional<int> runCommandLine(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto parsed = parseArguments(arguments);
    if (const UsageError* error = std::get_if<UsageError>(&parsed)) {
        return usageError(*error);
    }
    const CommandArguments& command = std::get<CommandArguments>(parsed);
    switch (command.mode) {
    case CommandMode::Window:
        return std::nullopt;
    case CommandMode::Help:
        std::cout << usageText();
        return 0;
    case CommandMode::Version:
        std::cout << "lumivex " << LUMIVEX_VERSION << '\n';
        return 0;
    case CommandMode::Dump:
        return runDump(command);
    }
    return std::nullopt;
}
