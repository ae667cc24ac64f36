#include "CommandArguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <map>

namespace {

std::string inQuotes(const std::string& text)
{
    return "„" + text + "“";
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
            return UsageError { "Option " + name + " erwartet eine ganze Zahl ab 1, nicht " + inQuotes(value) };
        }
        return std::nullopt;
    };
    if (name == "--abscissa") {
        const std::optional<Abscissa> abscissa = parseAbscissa(value);
        if (!abscissa) {
            return UsageError { "Option --abscissa erwartet k, lpmm, y oder m, nicht " + inQuotes(value) };
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
            return UsageError { "Option --frequencies erwartet ganze Zahlen ab 1, durch Kommas getrennt, nicht "
                                + inQuotes(value) };
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

std::optional<UsageError> checkIndex(const char* option, int index, int count, const char* what)
{
    if (index > count) {
        return UsageError { "Option " + std::string(option) + ": " + std::to_string(index) + " liegt außerhalb von 1.."
                            + std::to_string(count) + " (" + what + " der Datei)" };
    }
    return std::nullopt;
}

std::optional<ExportFormat> formatOf(const std::string& outputFile)
{
    std::string ending = std::filesystem::path(outputFile).extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static const std::map<std::string, ExportFormat> formats = {
        { ".png", ExportFormat::Png },
        { ".svg", ExportFormat::Svg },
        { ".pdf", ExportFormat::Pdf },
        { ".csv", ExportFormat::Csv },
    };
    const auto found = formats.find(ending);
    return found == formats.end() ? std::nullopt : std::optional<ExportFormat>(found->second);
}

// The checks of --export that need the whole command line.
std::variant<CommandArguments, UsageError> finishExport(CommandArguments result,
                                                        const std::vector<std::string>& bareWords, bool scaleGiven)
{
    if (bareWords.empty()) {
        return UsageError { "Option --export erwartet nach " + inQuotes(result.outputFile) + " die Linsendatei" };
    }
    if (bareWords.size() > 1) {
        return UsageError { "Unerwartetes Argument " + inQuotes(bareWords[1]) };
    }
    result.lensFile = bareWords.front();
    const std::optional<ExportFormat> format = formatOf(result.outputFile);
    if (!format) {
        return UsageError { "Unbekannte Endung bei " + inQuotes(result.outputFile)
                            + ": --export schreibt .png, .svg, .pdf oder .csv" };
    }
    result.format = *format;
    if (scaleGiven && result.format != ExportFormat::Png) {
        return UsageError { "Option --scale gilt nur für .png" };
    }
    if (result.overlayAll) {
        if (result.format == ExportFormat::Pdf) {
            return UsageError { "Option --overlay-all gilt nicht für .pdf: der Bericht zeigt eine Auswahl" };
        }
        // The overlay runs through every value of this variable itself.
        const bool overFNumber = result.selection.abscissa != Abscissa::FNumber;
        if (overFNumber && result.selection.fNumber) {
            return UsageError { "Option --overlay-all zeichnet jede Blendenzahl; --f-number passt nicht dazu" };
        }
        if (!overFNumber && result.selection.magnification) {
            return UsageError {
                "Option --overlay-all zeichnet über k jeden Abbildungsmaßstab; --magnification passt nicht dazu"
            };
        }
    }
    return result;
}
} // namespace

std::variant<CommandArguments, UsageError> parseArguments(const std::vector<std::string>& arguments)
{
    CommandArguments result;
    bool selectionGiven = false;
    bool scaleGiven = false;
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
        if (!argument.starts_with('-')) {
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
                return UsageError { "Option --overlay-all erwartet keinen Wert" };
            }
            result.overlayAll = true;
            continue;
        }
        const bool takesValue = name == "--dump" || name == "--export" || name == "--scale" || isSelectionOption(name);
        if (!takesValue) {
            return UsageError { "Unbekannte Option " + inQuotes(argument) };
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                return UsageError { "Option " + name + " erwartet einen Wert" };
            }
            value = arguments[++i];
        }
        if (name == "--dump" || name == "--export") {
            const CommandMode mode = name == "--dump" ? CommandMode::Dump : CommandMode::Export;
            if (result.mode == mode) {
                return UsageError { "Option " + name + " ist mehrfach angegeben" };
            }
            if (result.mode != CommandMode::Window) {
                return UsageError { "Die Optionen --dump und --export schließen einander aus" };
            }
            if (value->empty()) {
                return UsageError { "Option " + name + " erwartet einen Dateinamen" };
            }
            if (name == "--dump") {
                result.mode = CommandMode::Dump;
                result.lensFile = *value;
            } else {
                result.mode = CommandMode::Export;
                result.outputFile = *value;
            }
            continue;
        }
        if (name == "--scale") {
            const std::optional<int> scale = parseIndex(*value);
            if (!scale || *scale > MaxExportScale) {
                return UsageError { "Option --scale erwartet eine ganze Zahl von 1 bis "
                                    + std::to_string(MaxExportScale) + ", nicht " + inQuotes(*value) };
            }
            result.scale = *scale;
            scaleGiven = true;
            continue;
        }
        if (const std::optional<UsageError> error = applySelectionOption(name, *value, result.selection)) {
            return *error;
        }
        selectionGiven = true;
    }

    if (result.mode != CommandMode::Export && (scaleGiven || result.overlayAll)) {
        return UsageError { std::string("Option ") + (scaleGiven ? "--scale" : "--overlay-all")
                            + " gilt nur zusammen mit --export" };
    }
    switch (result.mode) {
    case CommandMode::Dump:
        if (!bareWords.empty()) {
            return UsageError { "Unerwartetes Argument " + inQuotes(bareWords.front()) };
        }
        return result;
    case CommandMode::Export:
        return finishExport(std::move(result), bareWords, scaleGiven);
    default:
        break;
    }
    // The window takes one file name and nothing else.
    if (bareWords.size() > 1) {
        return UsageError { "Unerwartetes Argument " + inQuotes(bareWords[1]) };
    }
    if (selectionGiven) {
        return UsageError { "Die Auswahloptionen gelten nur zusammen mit --dump oder --export" };
    }
    if (!bareWords.empty()) {
        result.lensFile = bareWords.front();
    }
    return result;
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

    std::optional<UsageError> error
        = checkIndex("--f-number", resolved.fixed.FNumberIndex, lens.FNumberCount, "Blendenzahlen");
    if (!error) {
        error = checkIndex("--image-height", resolved.fixed.ImageHeightIndex, lens.ImageHeightCount, "Bildhöhen");
    }
    if (!error) {
        error = checkIndex("--magnification", resolved.fixed.MagnificationIndex, lens.MagnificationCount,
                           "Abbildungsmaßstäbe");
    }
    if (!error) {
        error = checkIndex("--frequencies", resolved.frequencies.back(), lens.FrequencyCount, "Ortsfrequenzen");
    }
    if (error) {
        return *error;
    }
    return resolved;
}

std::string usageText()
{
    return "Aufruf:\n"
           "  lumivex [DATEI]                 öffnet das Fenster, auf Wunsch gleich mit DATEI\n"
           "  lumivex --dump DATEI [AUSWAHL]  gibt den Datensatz und die Kurven als JSON aus\n"
           "  lumivex --export AUSGABE DATEI [AUSWAHL] [--overlay-all] [--scale N]\n"
           "                                  schreibt Diagramm, Bericht oder Daten in AUSGABE,\n"
           "                                  ohne Bildschirm; die Endung wählt das Format\n"
           "  lumivex --help                  zeigt diese Hilfe\n"
           "  lumivex --version               zeigt die Version\n"
           "\n"
           "AUSWAHL (Nummern ab 1, wie die Schaltflächen zählen):\n"
           "  --abscissa k|lpmm|y|m    Abszisse: Blendenzahl, Ortsfrequenz, Bildhöhe oder\n"
           "                           Abbildungsmaßstab (Vorgabe y)\n"
           "  --f-number N             Blendenzahl N (Vorgabe 1)\n"
           "  --frequencies N[,N...]   Ortsfrequenzen, deren Kurven berechnet werden (Vorgabe 2)\n"
           "  --image-height N         Bildhöhe N (Vorgabe 1)\n"
           "  --magnification N        Abbildungsmaßstab N (Vorgabe 1)\n"
           "\n"
           "EXPORT:\n"
           "  --overlay-all            jede Blendenzahl überlagert (bei Abszisse k jeder\n"
           "                           Abbildungsmaßstab); nicht für .pdf\n"
           "  --scale N                nur .png: N-mal so groß (1 bis 8, Vorgabe 1), scharf\n"
           "                           neu gezeichnet, 250·N x 250·N Pixel\n";
}

std::string helpDetails()
{
    return "--export, Formate nach der Endung von AUSGABE:\n"
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
           "Die Beschriftung folgt dem Fenster: bei Abszisse y die Texte, mit denen das\n"
           "Fenster startet, sonst die Texte nach der Wahl der Abszisse.\n"
           "Spline-Warnungen erscheinen als Zeilen \"Warnung: ...\" auf stderr.\n"
           "\n"
           "Beispiele:\n"
           "  lumivex examples/vollformat-objektiv.mtf\n"
           "  lumivex --dump examples/vollformat-objektiv.mtf --abscissa k --frequencies 1,3\n"
           "  lumivex --export diagramm.png examples/vollformat-objektiv.mtf --scale 4\n"
           "  lumivex --export diagramm.svg examples/vollformat-objektiv.mtf --abscissa m --f-number 3\n"
           "  lumivex --export bericht.pdf examples/vollformat-objektiv.mtf --frequencies 2,4,6\n"
           "  lumivex --export punkte.csv examples/vollformat-objektiv.mtf --overlay-all\n"
           "\n"
           "Exit-Status: 0 erfolgreich, 1 Datei nicht lesbar, fehlerhaft oder nicht schreibbar,\n"
           "2 falscher Aufruf.\n";
}
