// SPDX-License-Identifier: MIT
#pragma once

#include "CurveExtraction.h"
#include "Language.h"
#include "LensData.h"
#include "LensFigures.h"
#include "MapModel.h"
#include "MessageText.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// What a run does. A new mode is a value here and a row in commandModes()
// (CommandOptions.h).
enum class CommandMode
{
    Window,    // no option: the window starts (with FILE when one is given)
    Help,      // --help
    Version,   // --version
    Dump,      // --dump FILE: data set and curves as JSON
    Export,    // --export OUT FILE: chart or report as a file
    ExportDir, // --export-dir DIR --format F FILE...: one export file per lens file
    Thumbnail, // --thumbnail SIZE IN OUT: the start chart as a small PNG, for file managers
    Figures,   // --figures FILE...: the lens figures of every file as CSV on stdout
    Map,       // --map OUT FILE: a map of the lens as PNG, SVG or CSV
};

// What --export writes, chosen by the ending of OUT (case does not matter),
// or by --format for --export-dir.
enum class ExportFormat
{
    Png, // the 250 x 250 screen image, optionally scaled
    Svg, // the same diagram as vector graphics
    Pdf, // the one-page report
    Csv, // the points behind the chart
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

// A parsed command line; every option of commandOptions() stores its value
// in a field here.
struct CommandArguments
{
    CommandMode mode = CommandMode::Window;
    std::string lensFile;
    SelectionOptions selection;
    // --export and --export-dir.
    std::string outputFile;
    ExportFormat format = ExportFormat::Png;
    int scale = 1;           // --scale, PNG only: 1..8
    bool overlayAll = false; // --overlay-all: one draw per f-number (per magnification over k)
    // --dump only: --at X, an abscissa value in the axis's own terms.
    std::optional<double> probeAt;
    // --compare FILE2 (--dump, --export, --export-dir): the reference lens
    // drawn with the lens, or empty.
    std::string compareFile;
    // --export-dir only.
    std::string exportDirectory;
    // --export-dir and --figures.
    std::vector<std::string> inputs; // lens files, directories, and "-" (names on stdin) at most once
    int jobs = 0;                    // --jobs, 1..MaxExportJobs; 0: one per processor core
    // --map only: the kind and the picture's size; the field shape of the
    // field kind is figures.field (--field serves both).
    MapKind mapKind = MapKind::HeightFrequency;
    int mapWidth = 800;
    int mapHeight = 450;
    // --thumbnail only: SIZE as written, and as the side in pixels once
    // checked (MinThumbnailSize..MaxThumbnailSize); IN is lensFile, OUT
    // outputFile.
    std::string thumbnailSizeText;
    int thumbnailSize = 0;
    // --figures only: --field and --threshold; "all" for --f-number or
    // --magnification (the f-numbers default to all, the magnification to 1).
    FigureOptions figures;
    bool allFNumbers = false;
    bool allMagnifications = false;
    // --lang: the language of the window, the messages and the report;
    // empty: the system's.
    std::optional<Language> language;
};

inline constexpr int MaxExportScale = 8;
inline constexpr int MaxExportJobs = 256;
inline constexpr int MinThumbnailSize = 16;
inline constexpr int MaxThumbnailSize = 1024;

// The file ending of an export format, without the dot ("png").
const char* formatEnding(ExportFormat format);

// A command line that cannot be carried out: message is the German text,
// text the same in pieces for translation.
struct UsageError
{
    explicit UsageError(const MessageText& pieces)
        : message(pieces.german())
        , text(pieces)
    {
    }

    std::string message;
    MessageText text;
};

// The arguments after the program name.
std::variant<CommandArguments, UsageError> parseArguments(const std::vector<std::string>& arguments);

// The language a valid --lang among the arguments names (the last one
// counts), also when the rest of the command line is wrong; nullopt
// without one.
std::optional<Language> requestedLanguage(const std::vector<std::string>& arguments);
