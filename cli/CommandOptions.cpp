// SPDX-License-Identifier: MIT
#include "CommandOptions.h"

#include "LineParsing.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <limits>
#include <map>

// The texts keep the context "CommandArguments": the translation file holds
// every text of the parser under that one name.

namespace {

constexpr ModeSet AllModes { CommandMode::Window,    CommandMode::Help,    CommandMode::Version,
                             CommandMode::Dump,      CommandMode::Export,  CommandMode::ExportDir,
                             CommandMode::Thumbnail, CommandMode::Figures, CommandMode::Map };
constexpr ModeSet WithLens { CommandMode::Dump, CommandMode::Export, CommandMode::ExportDir, CommandMode::Map };
constexpr ModeSet MapOnly { CommandMode::Map };
constexpr ModeSet Exports { CommandMode::Export, CommandMode::ExportDir };
constexpr ModeSet ExportDirOnly { CommandMode::ExportDir };
// The f-number and the magnification also choose the figures' rows.
constexpr ModeSet WithLensOrFigures { CommandMode::Dump, CommandMode::Export, CommandMode::ExportDir, CommandMode::Map,
                                      CommandMode::Figures };
constexpr ModeSet Catalogues { CommandMode::ExportDir, CommandMode::Figures };
constexpr ModeSet FiguresOnly { CommandMode::Figures };
const SourceText OnlyWithFigures = LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --figures");

const SourceText OnlyWithLens
    = LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --dump, --export, --export-dir oder --map");
const SourceText OnlyWithMap = LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --map");
constexpr ModeSet FiguresOrMap { CommandMode::Figures, CommandMode::Map };
const SourceText OnlyWithFiguresOrMap
    = LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --figures oder --map");
const SourceText OnlyWithExports
    = LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --export oder --export-dir");
const SourceText OnlyWithExportDir = LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --export-dir");
// The selection options are named together.
const SourceText SelectionOnlyWithLens = LUMIVEX_TEXT(
    "CommandArguments", "Die Auswahloptionen gelten nur zusammen mit --dump, --export, --export-dir oder --map");

UsageError unexpected(const std::string& word)
{
    return usage(LUMIVEX_TEXT("CommandArguments", "Unerwartetes Argument %1"), { inQuotes(word) });
}

// "-" (names on standard input) is a word of --export-dir and --figures only.
OptionCheck refuseStandardInput(const std::vector<std::string>& words)
{
    if (std::count(words.begin(), words.end(), "-") > 0) {
        return usage(LUMIVEX_TEXT("CommandArguments",
                                  "„-“ (Namen auf stdin) gilt nur zusammen mit --export-dir oder --figures"));
    }
    return std::nullopt;
}

std::optional<Abscissa> parseAbscissa(const std::string& text)
{
    static const std::map<std::string, Abscissa> names = {
        { "k", Abscissa::FNumber },
        { "lpmm", Abscissa::Frequency },
        { "y", Abscissa::ImageHeight },
        { "m", Abscissa::Magnification },
    };
    const auto found = names.find(text);
    return found == names.end() ? std::nullopt : std::optional<Abscissa>(found->second);
}

// A format by its ending without the dot, case ignored.
std::optional<ExportFormat> formatNamed(std::string ending)
{
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const ExportFormat format : { ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf, ExportFormat::Csv }) {
        if (ending == formatEnding(format)) {
            return format;
        }
    }
    return std::nullopt;
}

// The format by the ending of the file name; none for a name without one
// or a hidden file's name (".png"). Plain string work: std::filesystem
// would cost a one-file export memory for the library code it touches.
std::optional<ExportFormat> formatOf(const std::string& outputFile)
{
    const std::size_t slash = outputFile.rfind('/');
    const std::string name = slash == std::string::npos ? outputFile : outputFile.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return std::nullopt;
    }
    return formatNamed(name.substr(dot + 1));
}

// --f-number, --image-height, --magnification: an index from 1.
OptionCheck assignIndex(std::string_view name, const std::string& value, std::optional<int>& target)
{
    target = parseBoundedInt(value, 1, INT_MAX);
    if (!target) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet eine ganze Zahl ab 1, nicht %2"),
                     { std::string(name), inQuotes(value) });
    }
    return std::nullopt;
}

// --frequencies N[,N...]: kept ascending, without repeats.
OptionCheck assignFrequencies(std::string_view, const std::string& value, CommandArguments& arguments)
{
    std::vector<int> frequencies;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value.find(',', start);
        const std::string item = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::optional<int> index = parseBoundedInt(item, 1, INT_MAX);
        if (!index) {
            return usage(
                LUMIVEX_TEXT("CommandArguments",
                             "Option --frequencies erwartet ganze Zahlen ab 1, durch Kommas getrennt, nicht %1"),
                { inQuotes(value) });
        }
        frequencies.push_back(*index);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    std::sort(frequencies.begin(), frequencies.end());
    frequencies.erase(std::unique(frequencies.begin(), frequencies.end()), frequencies.end());
    arguments.selection.frequencies = std::move(frequencies);
    return std::nullopt;
}

// --f-number and --magnification: an index, or "all" for --figures.
OptionCheck assignIndexOrAll(std::string_view name, const std::string& value, std::optional<int>& target, bool& all)
{
    all = value == "all";
    if (all) {
        target.reset();
        return std::nullopt;
    }
    return assignIndex(name, value, target);
}

// "all" names no single value: only --figures takes it.
OptionCheck refuseAll(std::string_view name, bool all, const CommandArguments& arguments)
{
    if (all && arguments.mode != CommandMode::Figures) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet eine ganze Zahl ab 1, nicht %2"),
                     { std::string(name), inQuotes("all") });
    }
    return std::nullopt;
}

OptionCheck checkScale(const CommandArguments& arguments, const GivenOptions&)
{
    if (arguments.format != ExportFormat::Png) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --scale gilt nur für .png"));
    }
    return std::nullopt;
}

OptionCheck checkOverlayAll(const CommandArguments& arguments, const GivenOptions&)
{
    if (arguments.format == ExportFormat::Pdf) {
        return usage(LUMIVEX_TEXT("CommandArguments",
                                  "Option --overlay-all gilt nicht für .pdf: der Bericht zeigt eine Auswahl"));
    }
    // The overlay runs through every value of this variable itself.
    const bool overFNumber = arguments.selection.abscissa != Abscissa::FNumber;
    if (overFNumber && arguments.selection.fNumber) {
        return usage(LUMIVEX_TEXT("CommandArguments",
                                  "Option --overlay-all zeichnet jede Blendenzahl; --f-number passt nicht dazu"));
    }
    if (!overFNumber && arguments.selection.magnification) {
        return usage(LUMIVEX_TEXT(
            "CommandArguments",
            "Option --overlay-all zeichnet über k jeden Abbildungsmaßstab; --magnification passt nicht dazu"));
    }
    return std::nullopt;
}

const CommandOption Options[] = {
    { "--compare", "DATEI2", WithLens, OnlyWithLens,
      [](std::string_view name, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          if (!arguments.compareFile.empty()) {
              return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 ist mehrfach angegeben"), { std::string(name) });
          }
          if (value.empty()) {
              return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet einen Dateinamen"),
                           { std::string(name) });
          }
          arguments.compareFile = value;
          return std::nullopt;
      } },
    { "--at",
      "X",
      { CommandMode::Dump },
      LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --dump"),
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          arguments.probeAt
              = parseBoundedDouble(value, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
          if (!arguments.probeAt) {
              return usage(
                  LUMIVEX_TEXT("CommandArguments", "Option --at erwartet eine Zahl mit Dezimalpunkt, nicht %1"),
                  { inQuotes(value) });
          }
          return std::nullopt;
      } },
    { "--scale", "N", Exports, OnlyWithExports,
      [](std::string_view name, const std::string& value, CommandArguments& arguments) {
          return assignBoundedInt(name, value, 1, MaxExportScale, arguments.scale);
      },
      checkScale },
    { "--overlay-all", nullptr, Exports, OnlyWithExports,
      [](std::string_view, const std::string&, CommandArguments& arguments) -> OptionCheck {
          arguments.overlayAll = true;
          return std::nullopt;
      },
      checkOverlayAll },
    { "--format", "FORMAT", ExportDirOnly, OnlyWithExportDir,
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          const std::optional<ExportFormat> format = formatNamed(value);
          if (!format) {
              return usage(
                  LUMIVEX_TEXT("CommandArguments", "Option --format erwartet png, svg, pdf oder csv, nicht %1"),
                  { inQuotes(value) });
          }
          arguments.format = *format;
          return std::nullopt;
      } },
    { "--jobs", "N", Catalogues,
      LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --export-dir oder --figures"),
      [](std::string_view name, const std::string& value, CommandArguments& arguments) {
          return assignBoundedInt(name, value, 1, MaxExportJobs, arguments.jobs);
      } },
    { "--abscissa", "k|lpmm|y|m", WithLens, SelectionOnlyWithLens,
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          const std::optional<Abscissa> abscissa = parseAbscissa(value);
          if (!abscissa) {
              return usage(LUMIVEX_TEXT("CommandArguments", "Option --abscissa erwartet k, lpmm, y oder m, nicht %1"),
                           { inQuotes(value) });
          }
          arguments.selection.abscissa = *abscissa;
          return std::nullopt;
      } },
    { "--f-number", "N", WithLensOrFigures, SelectionOnlyWithLens,
      [](std::string_view name, const std::string& value, CommandArguments& arguments) {
          return assignIndexOrAll(name, value, arguments.selection.fNumber, arguments.allFNumbers);
      },
      [](const CommandArguments& arguments, const GivenOptions&) {
          return refuseAll("--f-number", arguments.allFNumbers, arguments);
      } },
    { "--frequencies", "N[,N...]", WithLens, SelectionOnlyWithLens, assignFrequencies },
    { "--image-height", "N", WithLens, SelectionOnlyWithLens,
      [](std::string_view name, const std::string& value, CommandArguments& arguments) {
          return assignIndex(name, value, arguments.selection.imageHeight);
      } },
    { "--magnification", "N", WithLensOrFigures, SelectionOnlyWithLens,
      [](std::string_view name, const std::string& value, CommandArguments& arguments) {
          return assignIndexOrAll(name, value, arguments.selection.magnification, arguments.allMagnifications);
      },
      [](const CommandArguments& arguments, const GivenOptions&) {
          return refuseAll("--magnification", arguments.allMagnifications, arguments);
      } },
    { "--threshold", "P", FiguresOnly, OnlyWithFigures,
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          const std::optional<double> threshold = parseBoundedDouble(value, 0.0, 100.0);
          if (!threshold || *threshold <= 0.0 || *threshold >= 100.0) {
              return usage(LUMIVEX_TEXT("CommandArguments",
                                        "Option --threshold erwartet eine Zahl über 0 und unter 100, nicht %1"),
                           { inQuotes(value) });
          }
          arguments.figures.threshold = *threshold;
          return std::nullopt;
      } },
    { "--field", "circle|W:H", FiguresOrMap, OnlyWithFiguresOrMap,
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          const std::optional<FieldShape> field = parseFieldShape(value);
          if (!field) {
              return usage(
                  LUMIVEX_TEXT("CommandArguments", "Option --field erwartet circle oder W:H (etwa 3:2), nicht %1"),
                  { inQuotes(value) });
          }
          arguments.figures.field = *field;
          return std::nullopt;
      } },
    { "--map-kind", "ART", MapOnly, OnlyWithMap,
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          const std::optional<MapKind> kind = parseMapKind(value);
          if (!kind) {
              return usage(LUMIVEX_TEXT("CommandArguments",
                                        "Option --map-kind erwartet height-frequency, height-fnumber oder field, "
                                        "nicht %1"),
                           { inQuotes(value) });
          }
          arguments.mapKind = *kind;
          return std::nullopt;
      } },
    { "--size", "WxH", MapOnly, OnlyWithMap,
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          const std::size_t x = value.find('x');
          const std::optional<int> width
              = x == std::string::npos ? std::nullopt : parseBoundedInt(value.substr(0, x), 320, 8000);
          const std::optional<int> height
              = x == std::string::npos ? std::nullopt : parseBoundedInt(value.substr(x + 1), 200, 8000);
          if (!width || !height) {
              return usage(LUMIVEX_TEXT("CommandArguments",
                                        "Option --size erwartet BREITExHÖHE in Pixeln (320x200 bis 8000x8000), "
                                        "nicht %1"),
                           { inQuotes(value) });
          }
          arguments.mapWidth = *width;
          arguments.mapHeight = *height;
          return std::nullopt;
      } },
    // Every mode takes it, so it is never out of place.
    { "--lang",
      "de|en",
      AllModes,
      {},
      [](std::string_view, const std::string& value, CommandArguments& arguments) -> OptionCheck {
          arguments.language = languageNamed(value);
          if (!arguments.language) {
              return usage(LUMIVEX_TEXT("CommandArguments", "Option --lang erwartet de oder en, nicht %1"),
                           { inQuotes(value) });
          }
          return std::nullopt;
      } },
};

// The window takes one file name and nothing else.
std::variant<CommandArguments, UsageError> finishWindow(CommandArguments arguments, std::vector<std::string> words,
                                                        const GivenOptions&)
{
    if (OptionCheck error = refuseStandardInput(words)) {
        return *error;
    }
    if (words.size() > 1) {
        return unexpected(words[1]);
    }
    if (!words.empty()) {
        arguments.lensFile = words.front();
    }
    return arguments;
}

std::variant<CommandArguments, UsageError> finishDump(CommandArguments arguments, std::vector<std::string> words,
                                                      const GivenOptions&)
{
    if (OptionCheck error = refuseStandardInput(words)) {
        return *error;
    }
    if (!words.empty()) {
        return unexpected(words.front());
    }
    return arguments;
}

std::variant<CommandArguments, UsageError> finishExport(CommandArguments arguments, std::vector<std::string> words,
                                                        const GivenOptions&)
{
    if (OptionCheck error = refuseStandardInput(words)) {
        return *error;
    }
    if (words.empty()) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --export erwartet nach %1 die Linsendatei"),
                     { inQuotes(arguments.outputFile) });
    }
    if (words.size() > 1) {
        return unexpected(words[1]);
    }
    arguments.lensFile = words.front();
    const std::optional<ExportFormat> format = formatOf(arguments.outputFile);
    if (!format) {
        return usage(
            LUMIVEX_TEXT("CommandArguments", "Unbekannte Endung bei %1: --export schreibt .png, .svg, .pdf oder .csv"),
            { inQuotes(arguments.outputFile) });
    }
    arguments.format = *format;
    return arguments;
}

std::variant<CommandArguments, UsageError>
finishExportDirectory(CommandArguments arguments, std::vector<std::string> words, const GivenOptions& given)
{
    if (words.empty()) {
        return usage(LUMIVEX_TEXT(
            "CommandArguments", "Option --export-dir erwartet Linsendateien, Verzeichnisse oder - (Namen auf stdin)"));
    }
    if (std::count(words.begin(), words.end(), "-") > 1) {
        return usage(LUMIVEX_TEXT("CommandArguments", "„-“ (Namen auf stdin) ist mehrfach angegeben"));
    }
    if (!given.contains("--format")) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --export-dir erwartet --format png, svg, pdf oder csv"));
    }
    arguments.inputs = std::move(words);
    return arguments;
}

std::variant<CommandArguments, UsageError> finishMap(CommandArguments arguments, std::vector<std::string> words,
                                                     const GivenOptions&)
{
    if (OptionCheck error = refuseStandardInput(words)) {
        return *error;
    }
    if (words.empty()) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --map erwartet nach %1 die Linsendatei"),
                     { inQuotes(arguments.outputFile) });
    }
    if (words.size() > 1) {
        return unexpected(words[1]);
    }
    arguments.lensFile = words.front();
    const std::optional<ExportFormat> format = formatOf(arguments.outputFile);
    if (!format || *format == ExportFormat::Pdf) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Unbekannte Endung bei %1: --map schreibt .png, .svg oder .csv"),
                     { inQuotes(arguments.outputFile) });
    }
    arguments.format = *format;
    return arguments;
}

// --thumbnail SIZE IN OUT: the lens file and the PNG file, nothing else.
std::variant<CommandArguments, UsageError> finishThumbnail(CommandArguments arguments, std::vector<std::string> words,
                                                           const GivenOptions&)
{
    if (OptionCheck error = assignBoundedInt("--thumbnail", arguments.thumbnailSizeText, MinThumbnailSize,
                                             MaxThumbnailSize, arguments.thumbnailSize)) {
        return *error;
    }
    if (OptionCheck error = refuseStandardInput(words)) {
        return *error;
    }
    if (words.size() < 2) {
        return usage(LUMIVEX_TEXT("CommandArguments",
                                  "Option --thumbnail erwartet nach %1 die Linsendatei und die "
                                  "PNG-Datei"),
                     { inQuotes(arguments.thumbnailSizeText) });
    }
    if (words.size() > 2) {
        return unexpected(words[2]);
    }
    arguments.lensFile = words[0];
    arguments.outputFile = words[1];
    return arguments;
}

// --figures FILE...: the value and the words are the inputs, as for
// --export-dir.
std::variant<CommandArguments, UsageError> finishFigures(CommandArguments arguments, std::vector<std::string> words,
                                                         const GivenOptions&)
{
    // The value is the first file: in "--figures --jobs 1 d" it would be
    // "--jobs", which names no file a user means.
    if (arguments.lensFile.starts_with("--")) {
        return usage(LUMIVEX_TEXT("CommandArguments",
                                  "Option --figures erwartet zuerst Linsendateien, Verzeichnisse oder -, nicht %1"),
                     { inQuotes(arguments.lensFile) });
    }
    words.insert(words.begin(), arguments.lensFile);
    arguments.lensFile.clear();
    if (std::count(words.begin(), words.end(), "-") > 1) {
        return usage(LUMIVEX_TEXT("CommandArguments", "„-“ (Namen auf stdin) ist mehrfach angegeben"));
    }
    arguments.inputs = std::move(words);
    return arguments;
}

const SourceText FileNameExpected = LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet einen Dateinamen");

const ModeOption Modes[] = {
    { CommandMode::Window, nullptr, nullptr, nullptr, {}, finishWindow },
    { CommandMode::Help, "--help", nullptr, nullptr, {} },
    { CommandMode::Help, "-h", nullptr, nullptr, {} },
    { CommandMode::Version, "--version", nullptr, nullptr, {} },
    { CommandMode::Dump, "--dump", "DATEI", &CommandArguments::lensFile, FileNameExpected, finishDump },
    { CommandMode::Export, "--export", "AUSGABE", &CommandArguments::outputFile, FileNameExpected, finishExport },
    { CommandMode::ExportDir, "--export-dir", "VERZEICHNIS", &CommandArguments::exportDirectory,
      LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet ein Verzeichnis"), finishExportDirectory },
    { CommandMode::Map, "--map", "AUSGABE", &CommandArguments::outputFile, FileNameExpected, finishMap },
    { CommandMode::Thumbnail, "--thumbnail", "GRÖSSE", &CommandArguments::thumbnailSizeText,
      LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet eine Größe in Pixeln"), finishThumbnail },
    { CommandMode::Figures, "--figures", "DATEI", &CommandArguments::lensFile, FileNameExpected, finishFigures },
};

} // namespace

std::span<const CommandOption> commandOptions()
{
    return Options;
}

std::span<const ModeOption> commandModes()
{
    return Modes;
}

const CommandOption* findCommandOption(std::string_view name)
{
    const auto found = std::find_if(std::begin(Options), std::end(Options),
                                    [name](const CommandOption& option) { return name == option.name; });
    return found == std::end(Options) ? nullptr : &*found;
}

const ModeOption* findModeOption(std::string_view name)
{
    const auto found = std::find_if(std::begin(Modes), std::end(Modes), [name](const ModeOption& mode) {
        return mode.name != nullptr && name == mode.name;
    });
    return found == std::end(Modes) ? nullptr : &*found;
}

const ModeOption& modeRow(CommandMode mode)
{
    return *std::find_if(std::begin(Modes), std::end(Modes),
                         [mode](const ModeOption& row) { return row.mode == mode; });
}

std::optional<int> parseBoundedInt(std::string_view text, int min, int max)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseBoundedDouble(std::string_view text, double min, double max)
{
    // parseDecimal reads a file's columns and skips leading blanks; here a
    // blank is no part of a number.
    const std::optional<double> value = text.starts_with(' ') ? std::nullopt : parseDecimal(text);
    if (!value || *value < min || *value > max) {
        return std::nullopt;
    }
    return value;
}

OptionCheck assignBoundedInt(std::string_view name, const std::string& text, int min, int max, int& target)
{
    const std::optional<int> value = parseBoundedInt(text, min, max);
    if (!value) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet eine ganze Zahl von %2 bis %3, nicht %4"),
                     { std::string(name), min, max, inQuotes(text) });
    }
    target = *value;
    return std::nullopt;
}

UsageError usage(SourceText source, std::vector<MessageText> arguments)
{
    return UsageError(MessageText(source, std::move(arguments)));
}

MessageText inQuotes(const std::string& text)
{
    return MessageText(LUMIVEX_TEXT("CommandArguments", "„%1“"), { text });
}
