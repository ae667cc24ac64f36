// SPDX-License-Identifier: MIT
#pragma once

#include "CommandArguments.h"
#include "LensData.h"
#include "MessageText.h"
#include "Spline.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

// Why a lens file was not exported.
struct ExportFailure
{
    enum class Kind
    {
        Read,      // the lens file cannot be opened or is malformed
        Selection, // an index of the selection lies outside the file's counts
        Draw,      // the curves cannot be drawn (an index the file's tables lack)
        Write,     // the export file cannot be written
    };
    Kind kind = Kind::Read;
    std::string where;   // "FILE:LINE" for a malformed file, else FILE
    MessageText message; // translated when it is reported

    // "where: message", the report line without its line end, in the
    // language of the installed translation.
    std::string text() const;
};

// Runs write, the writing of one lens file's output; an exception it
// throws becomes the failure reported for lensFile: a WriteError of kind
// Write, any other of kind Draw (its message translated).
std::optional<ExportFailure> writeForLens(const std::string& lensFile, const std::function<void()>& write);

// Reads a lens file named on the command line (to dump, export or compare
// with); a failure of kind Read names it as "FILE:LINE", or as "FILE" with
// the cause when it cannot be opened ("Datei nicht gefunden").
std::variant<LensData, ExportFailure> readInputLens(const std::string& path);

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

// The export of one lens file that --export carries out, and --export-dir
// for each of its files: reads lensFile, resolves the selection of
// `arguments` against it, and writes outputFile in arguments.format all or
// nothing (the chart with arguments.scale and arguments.overlayAll, or the
// report). With arguments.compareFile the reference lens (`reference`, or
// read from that file when null; a failure to read it is of kind Read and
// names it) is drawn and named too. Spline warnings go to warn as they
// arise. Needs the QGuiApplication and its font substitutions; several
// threads may export at once. Returns nullopt once the file is written.
std::optional<ExportFailure> exportLensFile(const CommandArguments& arguments, const std::string& lensFile,
                                            const QString& outputFile, const SplineWarningSink& warn,
                                            std::shared_ptr<const LensData> reference = nullptr);
