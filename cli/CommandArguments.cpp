// SPDX-License-Identifier: MIT
#include "CommandArguments.h"

#include "LineParsing.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace {

MessageText inQuotes(const std::string& text)
{
    return MessageText(LUMIVEX_TEXT("CommandArguments", "„%1“"), { text });
}

UsageError usage(SourceText source, std::vector<MessageText> arguments = {})
{
    return UsageError(MessageText(source, std::move(arguments)));
}

UsageError unexpected(const std::string& argument)
{
    return usage(LUMIVEX_TEXT("CommandArguments", "Unerwartetes Argument %1"), { inQuotes(argument) });
}

// A positive decimal index; nullopt for anything else.
std::optional<int> parseIndex(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
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

std::optional<UsageError> applySelectionOption(const std::string& name, const std::string& value,
                                               SelectionOptions& selection)
{
    const auto indexOption = [&](std::optional<int>& target) -> std::optional<UsageError> {
        target = parseIndex(value);
        if (!target) {
            return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet eine ganze Zahl ab 1, nicht %2"),
                         { name, inQuotes(value) });
        }
        return std::nullopt;
    };
    if (name == "--abscissa") {
        const std::optional<Abscissa> abscissa = parseAbscissa(value);
        if (!abscissa) {
            return usage(LUMIVEX_TEXT("CommandArguments", "Option --abscissa erwartet k, lpmm, y oder m, nicht %1"),
                         { inQuotes(value) });
        }
        selection.abscissa = *abscissa;
        return std::nullopt;
    }
    if (name == "--f-number") {
        return indexOption(selection.fNumber);
    }
    if (name == "--image-height") {
        return indexOption(selection.imageHeight);
    }
    if (name == "--magnification") {
        return indexOption(selection.magnification);
    }
    // --frequencies N[,N...]
    std::vector<int> frequencies;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = value.find(',', start);
        const std::string item = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::optional<int> index = parseIndex(item);
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
    selection.frequencies = std::move(frequencies);
    return std::nullopt;
}

bool isSelectionOption(const std::string& name)
{
    return name == "--abscissa" || name == "--f-number" || name == "--frequencies" || name == "--image-height"
        || name == "--magnification";
}

// range: the valid range, %1 its end, and the list of the file it counts.
std::optional<UsageError> checkIndex(const char* option, int index, int count, SourceText range)
{
    if (index > count) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option %1: %2 liegt außerhalb von %3"),
                     { std::string(option), index, MessageText(range, { count }) });
    }
    return std::nullopt;
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

// The checks of --scale and --overlay-all against the format and the
// selection, shared by --export and --export-dir.
std::optional<UsageError> checkFormatOptions(const CommandArguments& result, bool scaleGiven)
{
    if (scaleGiven && result.format != ExportFormat::Png) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --scale gilt nur für .png"));
    }
    if (result.overlayAll) {
        if (result.format == ExportFormat::Pdf) {
            return usage(LUMIVEX_TEXT("CommandArguments",
                                      "Option --overlay-all gilt nicht für .pdf: der Bericht zeigt eine Auswahl"));
        }
        // The overlay runs through every value of this variable itself.
        const bool overFNumber = result.selection.abscissa != Abscissa::FNumber;
        if (overFNumber && result.selection.fNumber) {
            return usage(LUMIVEX_TEXT("CommandArguments",
                                      "Option --overlay-all zeichnet jede Blendenzahl; --f-number passt nicht dazu"));
        }
        if (!overFNumber && result.selection.magnification) {
            return usage(LUMIVEX_TEXT(
                "CommandArguments",
                "Option --overlay-all zeichnet über k jeden Abbildungsmaßstab; --magnification passt nicht dazu"));
        }
    }
    return std::nullopt;
}

// The checks of --export that need the whole command line.
std::variant<CommandArguments, UsageError> finishExport(CommandArguments result,
                                                        const std::vector<std::string>& bareWords, bool scaleGiven)
{
    if (bareWords.empty()) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --export erwartet nach %1 die Linsendatei"),
                     { inQuotes(result.outputFile) });
    }
    if (bareWords.size() > 1) {
        return unexpected(bareWords[1]);
    }
    result.lensFile = bareWords.front();
    const std::optional<ExportFormat> format = formatOf(result.outputFile);
    if (!format) {
        return usage(
            LUMIVEX_TEXT("CommandArguments", "Unbekannte Endung bei %1: --export schreibt .png, .svg, .pdf oder .csv"),
            { inQuotes(result.outputFile) });
    }
    result.format = *format;
    if (const std::optional<UsageError> error = checkFormatOptions(result, scaleGiven)) {
        return *error;
    }
    return result;
}

// The checks of --export-dir that need the whole command line.
std::variant<CommandArguments, UsageError>
finishExportDirectory(CommandArguments result, std::vector<std::string> bareWords, bool formatGiven, bool scaleGiven)
{
    if (bareWords.empty()) {
        return usage(LUMIVEX_TEXT(
            "CommandArguments", "Option --export-dir erwartet Linsendateien, Verzeichnisse oder - (Namen auf stdin)"));
    }
    if (std::count(bareWords.begin(), bareWords.end(), "-") > 1) {
        return usage(LUMIVEX_TEXT("CommandArguments", "„-“ (Namen auf stdin) ist mehrfach angegeben"));
    }
    if (!formatGiven) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --export-dir erwartet --format png, svg, pdf oder csv"));
    }
    result.inputs = std::move(bareWords);
    if (const std::optional<UsageError> error = checkFormatOptions(result, scaleGiven)) {
        return *error;
    }
    return result;
}

// The option that chose a mode, for messages.
const char* modeOption(CommandMode mode)
{
    return mode == CommandMode::Dump ? "--dump" : mode == CommandMode::Export ? "--export" : "--export-dir";
}
} // namespace

const char* formatEnding(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Png:
        return "png";
    case ExportFormat::Svg:
        return "svg";
    case ExportFormat::Pdf:
        return "pdf";
    case ExportFormat::Csv:
        return "csv";
    }
    return "";
}

std::variant<CommandArguments, UsageError> parseArguments(const std::vector<std::string>& arguments)
{
    CommandArguments result;
    bool selectionGiven = false;
    bool scaleGiven = false;
    bool formatGiven = false;
    bool jobsGiven = false;
    std::vector<std::string> bareWords;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            result.mode = CommandMode::Help;
            return result;
        }
        if (argument == "--version") {
            result.mode = CommandMode::Version;
            return result;
        }
        if (!argument.starts_with('-') || argument == "-") {
            bareWords.push_back(argument);
            continue;
        }

        // --name value or --name=value
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (name == "--overlay-all") {
            if (value) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Option --overlay-all erwartet keinen Wert"));
            }
            result.overlayAll = true;
            continue;
        }
        const bool choosesMode = name == "--dump" || name == "--export" || name == "--export-dir";
        const bool takesValue = choosesMode || name == "--scale" || name == "--format" || name == "--jobs"
            || name == "--at" || name == "--compare" || name == "--lang" || isSelectionOption(name);
        if (!takesValue) {
            return usage(LUMIVEX_TEXT("CommandArguments", "Unbekannte Option %1"), { inQuotes(argument) });
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet einen Wert"), { name });
            }
            value = arguments[++i];
        }
        if (choosesMode) {
            const CommandMode mode = name == "--dump" ? CommandMode::Dump
                : name == "--export"                  ? CommandMode::Export
                                                      : CommandMode::ExportDir;
            if (result.mode == mode) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 ist mehrfach angegeben"), { name });
            }
            if (result.mode != CommandMode::Window) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Die Optionen %1 und %2 schließen einander aus"),
                             { std::string(modeOption(result.mode)), name });
            }
            if (value->empty()) {
                return mode == CommandMode::ExportDir
                    ? usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet ein Verzeichnis"), { name })
                    : usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet einen Dateinamen"), { name });
            }
            result.mode = mode;
            (mode == CommandMode::Dump         ? result.lensFile
                 : mode == CommandMode::Export ? result.outputFile
                                               : result.exportDirectory)
                = *value;
            continue;
        }
        if (name == "--lang") {
            result.language = languageNamed(*value);
            if (!result.language) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Option --lang erwartet de oder en, nicht %1"),
                             { inQuotes(*value) });
            }
            continue;
        }
        if (name == "--format") {
            const std::optional<ExportFormat> format = formatNamed(*value);
            if (!format) {
                return usage(
                    LUMIVEX_TEXT("CommandArguments", "Option --format erwartet png, svg, pdf oder csv, nicht %1"),
                    { inQuotes(*value) });
            }
            result.format = *format;
            formatGiven = true;
            continue;
        }
        if (name == "--jobs") {
            const std::optional<int> jobs = parseIndex(*value);
            if (!jobs || *jobs > MaxExportJobs) {
                return usage(
                    LUMIVEX_TEXT("CommandArguments", "Option --jobs erwartet eine ganze Zahl von 1 bis %1, nicht %2"),
                    { MaxExportJobs, inQuotes(*value) });
            }
            result.jobs = *jobs;
            jobsGiven = true;
            continue;
        }
        if (name == "--scale") {
            const std::optional<int> scale = parseIndex(*value);
            if (!scale || *scale > MaxExportScale) {
                return usage(
                    LUMIVEX_TEXT("CommandArguments", "Option --scale erwartet eine ganze Zahl von 1 bis %1, nicht %2"),
                    { MaxExportScale, inQuotes(*value) });
            }
            result.scale = *scale;
            scaleGiven = true;
            continue;
        }
        if (name == "--compare") {
            if (!result.compareFile.empty()) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 ist mehrfach angegeben"),
                             { std::string("--compare") });
            }
            if (value->empty()) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet einen Dateinamen"),
                             { std::string("--compare") });
            }
            result.compareFile = *value;
            continue;
        }
        if (name == "--at") {
            // A decimal point, never a comma; blanks around it are no part of a number.
            result.probeAt = value->starts_with(' ') ? std::nullopt : parseDecimal(*value);
            if (!result.probeAt) {
                return usage(
                    LUMIVEX_TEXT("CommandArguments", "Option --at erwartet eine Zahl mit Dezimalpunkt, nicht %1"),
                    { inQuotes(*value) });
            }
            continue;
        }
        if (const std::optional<UsageError> error = applySelectionOption(name, *value, result.selection)) {
            return *error;
        }
        selectionGiven = true;
    }

    if (result.mode == CommandMode::Window && !result.compareFile.empty()) {
        return usage(LUMIVEX_TEXT("CommandArguments",
                                  "Option --compare gilt nur zusammen mit --dump, --export oder --export-dir"));
    }
    if (result.mode != CommandMode::Dump && result.probeAt) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option --at gilt nur zusammen mit --dump"));
    }
    const bool exports = result.mode == CommandMode::Export || result.mode == CommandMode::ExportDir;
    if (!exports && (scaleGiven || result.overlayAll)) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --export oder --export-dir"),
                     { std::string(scaleGiven ? "--scale" : "--overlay-all") });
    }
    if (result.mode != CommandMode::ExportDir && (formatGiven || jobsGiven)) {
        return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 gilt nur zusammen mit --export-dir"),
                     { std::string(formatGiven ? "--format" : "--jobs") });
    }
    if (result.mode != CommandMode::ExportDir && std::count(bareWords.begin(), bareWords.end(), "-") > 0) {
        return usage(LUMIVEX_TEXT("CommandArguments", "„-“ (Namen auf stdin) gilt nur zusammen mit --export-dir"));
    }
    switch (result.mode) {
    case CommandMode::Dump:
        if (!bareWords.empty()) {
            return unexpected(bareWords.front());
        }
        return result;
    case CommandMode::Export:
        return finishExport(std::move(result), bareWords, scaleGiven);
    case CommandMode::ExportDir:
        return finishExportDirectory(std::move(result), std::move(bareWords), formatGiven, scaleGiven);
    default:
        break;
    }
    // The window takes one file name and nothing else.
    if (bareWords.size() > 1) {
        return unexpected(bareWords[1]);
    }
    if (selectionGiven) {
        return usage(LUMIVEX_TEXT("CommandArguments",
                                  "Die Auswahloptionen gelten nur zusammen mit --dump, --export oder --export-dir"));
    }
    if (!bareWords.empty()) {
        result.lensFile = bareWords.front();
    }
    return result;
}

std::optional<Language> requestedLanguage(const std::vector<std::string>& arguments)
{
    std::optional<Language> language;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::optional<Language> named;
        if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            named = languageNamed(arguments[++i]);
        } else if (arguments[i].starts_with("--lang=")) {
            named = languageNamed(std::string_view(arguments[i]).substr(7));
        }
        language = named ? named : language;
    }
    return language;
}

std::variant<ResolvedSelection, UsageError> resolveSelection(const SelectionOptions& options, const LensData& lens)
{
    ResolvedSelection resolved;
    resolved.abscissa = options.abscissa;
    resolved.fixed.FNumberIndex = options.fNumber.value_or(1);
    resolved.fixed.ImageHeightIndex = options.imageHeight.value_or(1);
    resolved.fixed.MagnificationIndex = options.magnification.value_or(1);
    // The window starts with the second frequency checked; a file with a
    // single frequency has only the first.
    resolved.frequencies
        = options.frequencies.empty() ? std::vector<int> { std::min(2, lens.FrequencyCount) } : options.frequencies;

    std::optional<UsageError> error = checkIndex("--f-number", resolved.fixed.FNumberIndex, lens.FNumberCount,
                                                 LUMIVEX_TEXT("CommandArguments", "1..%1 (Blendenzahlen der Datei)"));
    if (!error) {
        error = checkIndex("--image-height", resolved.fixed.ImageHeightIndex, lens.ImageHeightCount,
                           LUMIVEX_TEXT("CommandArguments", "1..%1 (Bildhöhen der Datei)"));
    }
    if (!error) {
        error = checkIndex("--magnification", resolved.fixed.MagnificationIndex, lens.MagnificationCount,
                           LUMIVEX_TEXT("CommandArguments", "1..%1 (Abbildungsmaßstäbe der Datei)"));
    }
    if (!error) {
        error = checkIndex("--frequencies", resolved.frequencies.back(), lens.FrequencyCount,
                           LUMIVEX_TEXT("CommandArguments", "1..%1 (Ortsfrequenzen der Datei)"));
    }
    if (error) {
        return *error;
    }
    return resolved;
}

std::string usageText()
{
    return QCoreApplication::translate(
               "CommandArguments",
               "Aufruf:\n"
               "  lumivex [DATEI]                 öffnet das Fenster, auf Wunsch gleich mit DATEI\n"
               "  lumivex --dump DATEI [AUSWAHL] [--at X] [--compare DATEI2]\n"
               "                                  gibt den Datensatz und die Kurven als JSON aus\n"
               "  lumivex --export AUSGABE DATEI [AUSWAHL] [--overlay-all] [--scale N]\n"
               "          [--compare DATEI2]\n"
               "                                  schreibt Diagramm, Bericht oder Daten in AUSGABE,\n"
               "                                  ohne Bildschirm; die Endung wählt das Format\n"
               "  lumivex --export-dir VERZEICHNIS --format FORMAT DATEI... [AUSWAHL]\n"
               "          [--overlay-all] [--scale N] [--jobs N] [--compare DATEI2]\n"
               "                                  schreibt für jede DATEI VERZEICHNIS/NAME.FORMAT\n"
               "                                  wie --export; DATEI auch ein Verzeichnis (seine\n"
               "                                  *.mtf) oder - (Dateinamen auf stdin)\n"
               "  lumivex --help                  zeigt diese Hilfe\n"
               "  lumivex --version               zeigt die Version\n"
               "\n"
               "Jeder Aufruf nimmt auch --lang de|en: die Sprache von Fenster, Meldungen und\n"
               "Bericht (Vorgabe: die des Systems nach LANGUAGE, LC_ALL, LC_MESSAGES oder LANG;\n"
               "Englisch bei en, sonst Deutsch).\n"
               "\n"
               "AUSWAHL (Nummern ab 1, wie die Schaltflächen zählen):\n"
               "  --abscissa k|lpmm|y|m    Abszisse: Blendenzahl, Ortsfrequenz, Bildhöhe oder\n"
               "                           Abbildungsmaßstab (Vorgabe y)\n"
               "  --f-number N             Blendenzahl N (Vorgabe 1)\n"
               "  --frequencies N[,N...]   Ortsfrequenzen, deren Kurven berechnet werden (Vorgabe 2)\n"
               "  --image-height N         Bildhöhe N (Vorgabe 1)\n"
               "  --magnification N        Abbildungsmaßstab N (Vorgabe 1)\n"
               "\n"
               "VERGLEICH (--dump, --export, --export-dir):\n"
               "  --compare DATEI2         zeichnet das Vergleichsobjektiv DATEI2 heller auf die\n"
               "                           Achsen von DATEI, mit denselben festen Werten;\n"
               "                           bei --export-dir wird jede DATEI mit DATEI2 verglichen\n"
               "\n"
               "DUMP:\n"
               "  --at X                   liest die Kurven an der Stelle X der Abszisse ab\n"
               "                           (Schlüssel Probe): Blendenzahl bei k, LP/mm bei lpmm,\n"
               "                           % der größten Bildhöhe bei y, Abbildungsmaßstab bei m\n"
               "\n"
               "EXPORT:\n"
               "  --format png|svg|pdf|csv nur --export-dir: das Format aller Ausgabedateien\n"
               "  --jobs N                 nur --export-dir: N Dateien zugleich (1 bis 256,\n"
               "                           Vorgabe: Zahl der Prozessorkerne)\n"
               "  --overlay-all            jede Blendenzahl überlagert (bei Abszisse k jeder\n"
               "                           Abbildungsmaßstab); nicht für .pdf\n"
               "  --scale N                nur .png: N-mal so groß (1 bis 8, Vorgabe 1), scharf\n"
               "                           neu gezeichnet, 250·N x 250·N Pixel\n")
        .toStdString();
}

std::string helpDetails()
{
    return QCoreApplication::translate(
               "CommandArguments",
               "--dump ... --at X, der Schlüssel Probe:\n"
               "  Abscissa   k, lpmm, y oder m\n"
               "  At         X, in den Einheiten der Abszisse\n"
               "  Position   X auf der Abszisse der Kurven (wie KnotX): bei k, lpmm und m die\n"
               "             Position in der Liste der Datei, linear zwischen den beiden\n"
               "             Nachbarwerten (null außerhalb der Liste); bei y X / 100 mal\n"
               "             MaxImageHeight in mm\n"
               "  Curves     je gewählter Ortsfrequenz, aufsteigend: FrequencyIndex, Sag und\n"
               "             Tan (der Spline der Kurve an Position), Node (true an einer\n"
               "             Stützstelle, auf 1e-9 relativ genau: dann die Tabellenwerte).\n"
               "             Außerhalb der Kurve (bei y unter 0 oder über der letzten nutzbaren\n"
               "             Bildhöhe ihrer Zeile) sind Sag und Tan null.\n"
               "  CompareCurves  mit --compare: dasselbe für die Kurven von DATEI2\n"
               "  Ein X, das keine Zahl ist, oder ein Listeneintrag der Abszisse, der keine\n"
               "  Zahl ist, ist ein falscher Aufruf (Exit-Status 2).\n"
               "\n"
               "--dump ... --compare DATEI2, der Schlüssel Compare:\n"
               "  LensName   der Name des Vergleichsobjektivs\n"
               "  Curves     je Kurve von DATEI, deren feste Werte (Blendenzahl, Ortsfrequenz,\n"
               "             Bildhöhe, Abbildungsmaßstab) DATEI2 mit demselben Zahlenwert hat\n"
               "             (auf 1e-6 relativ genau), dieselben Schlüssel wie Curves von DATEI;\n"
               "             FrequencyIndex zählt in DATEI2, KnotX liegt auf der Abszisse von\n"
               "             DATEI (bei k, lpmm und m die Position des Werts in der Liste von\n"
               "             DATEI, Werte außerhalb fallen weg; bei y die Bildhöhe in mm, über\n"
               "             der größten Bildhöhe von DATEI fällt sie weg)\n"
               "  Missing    je fehlendem Wert: FrequencyIndex (von DATEI), Variable\n"
               "             (f_number, frequency, image_height, magnification), Value (der\n"
               "             Text aus DATEI) und Text (\"Vergleichsobjektiv: keine ...\")\n"
               "\n"
               "--export, Formate nach der Endung von AUSGABE:\n"
               "  .png   das Diagramm, 250 x 250 Pixel, wie es das Fenster nach dem Zeichnen in der\n"
               "         Einzelgrafik zeigt\n"
               "  .svg   dasselbe Diagramm als Vektorgrafik\n"
               "  .pdf   der einseitige Bericht, wie er gedruckt wird\n"
               "  .csv   die Punkte hinter dem Diagramm, eine Zeile je Punkt, Kopfzeile,\n"
               "         Trennzeichen Semikolon, Dezimalpunkt. Spalten:\n"
               "           frequency_index   Nummer der Ortsfrequenz dieses Durchgangs\n"
               "           frequency, f_number, image_height, magnification\n"
               "                             die festen Werte als Texte der Datei; die Spalte\n"
               "                             der Abszisse bleibt leer\n"
               "           series            S sagittal, T tangential\n"
               "           kind              node = Stützpunkt aus der Tabelle (gemessen),\n"
               "                             sample = einer der 101 Werte des Splines\n"
               "           point             Nummer des Punkts: 1..Stützpunktzahl bzw. 1..101\n"
               "           abscissa          x-Wert der Kurve selbst, nicht auf das Diagramm\n"
               "                             skaliert: bei k, lpmm und m die Position 0, 1, 2 ...\n"
               "                             in der Liste der Datei, bei y die Bildhöhe in mm\n"
               "                             (der erste Stützpunkt ist die zweite Bildhöhe,\n"
               "                             an der Achse gespiegelt)\n"
               "           modulation_percent  Modulation in %\n"
               "Mit --compare steht vor allen Spalten lens (1 DATEI, 2 DATEI2); die Zeilen von\n"
               "DATEI2 folgen je Durchgang denen von DATEI, mit den festen Werten und Tabellen-\n"
               "werten von DATEI2 und der Abszisse, an der sie auf der Achse von DATEI liegen.\n"
               "Die Beschriftung folgt dem Fenster: bei Abszisse y die Texte, mit denen das\n"
               "Fenster startet, sonst die Texte nach der Wahl der Abszisse.\n"
               "Spline-Warnungen erscheinen als Zeilen \"Warnung: ...\" auf stderr.\n"
               "Der Bericht (.pdf) trägt Datum und Uhrzeit des Aufrufs, oder den Zeitpunkt aus der\n"
               "Umgebungsvariablen SOURCE_DATE_EPOCH (Sekunden seit 1970, UTC), wenn sie gesetzt ist.\n"
               "\n"
               "--export-dir, ein Katalog in einem Lauf:\n"
               "  Für jede Linsendatei entsteht VERZEICHNIS/<Dateiname ohne Endung>.<FORMAT>, Byte\n"
               "  für Byte wie mit --export; VERZEICHNIS wird bei Bedarf angelegt. DATEI ist eine\n"
               "  Linsendatei, ein Verzeichnis (seine Dateien auf .mtf, nach Namen sortiert, ohne\n"
               "  Unterverzeichnisse) oder - (Dateinamen auf stdin, einer je Zeile, gelesen,\n"
               "  während die Arbeit läuft). Eine Datei, die nicht gelingt, wird als\n"
               "  \"DATEI:ZEILE: Meldung\" oder \"DATEI: Meldung\" auf stderr gemeldet und\n"
               "  übersprungen, die übrigen werden geschrieben; Warnungen als \"DATEI: Warnung: ...\".\n"
               "  Zwei DATEIen mit demselben Namen sind ein Aufruffehler, und nichts wird\n"
               "  geschrieben; kommt der zweite Name erst über stdin, ist nur noch diese Datei\n"
               "  fehlerhaft (die erste kann schon geschrieben sein). Die Meldungen folgen der\n"
               "  Reihenfolge der Dateien, und das Ergebnis hängt nicht von --jobs ab. Auf einem\n"
               "  Terminal zeigt stderr den Fortschritt (\"123/5000 Dateien\"); am Ende steht\n"
               "  \"N geschrieben, M fehlerhaft\".\n"
               "\n"
               "Beispiele:\n"
               "  lumivex examples/vollformat-objektiv.mtf\n"
               "  lumivex --dump examples/vollformat-objektiv.mtf --abscissa k --frequencies 1,3\n"
               "  lumivex --dump examples/vollformat-objektiv.mtf --abscissa k --at 4.5\n"
               "  lumivex --export diagramm.png examples/vollformat-objektiv.mtf --scale 4\n"
               "  lumivex --export diagramm.svg examples/vollformat-objektiv.mtf --abscissa m --f-number 3\n"
               "  lumivex --export bericht.pdf examples/vollformat-objektiv.mtf --frequencies 2,4,6\n"
               "  lumivex --export punkte.csv examples/vollformat-objektiv.mtf --overlay-all\n"
               "  lumivex --export vergleich.png examples/vollformat-objektiv.mtf --abscissa lpmm\n"
               "          --compare examples/vergleich-normal-1.8.mtf\n"
               "  lumivex --export-dir diagramme --format png katalog/ --frequencies 2,4\n"
               "  find katalog -name '*.mtf' | lumivex --export-dir diagramme --format png -\n"
               "\n"
               "Exit-Status: 0 erfolgreich, 1 Datei nicht lesbar, fehlerhaft oder nicht schreibbar\n"
               "(bei --export-dir: mindestens eine), 2 falscher Aufruf.\n")
        .toStdString();
}
