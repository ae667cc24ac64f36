#include "CommandArguments.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace {

std::string quoted(const std::string& text)
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
            return UsageError { "Option " + name + " erwartet eine ganze Zahl ab 1, nicht " + quoted(value) };
        }
        return std::nullopt;
    };
    if (name == "--abscissa") {
        const std::optional<Abscissa> abscissa = parseAbscissa(value);
        if (!abscissa) {
            return UsageError { "Option --abscissa erwartet k, lpmm, y oder m, nicht " + quoted(value) };
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
                                + quoted(value) };
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

} // namespace

std::variant<CommandArguments, UsageError> parseArguments(const std::vector<std::string>& arguments)
{
    CommandArguments result;
    bool selectionGiven = false;
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
        const bool takesValue = name == "--dump" || isSelectionOption(name);
        if (!takesValue) {
            return UsageError { "Unbekannte Option " + quoted(argument) };
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                return UsageError { "Option " + name + " erwartet einen Wert" };
            }
            value = arguments[++i];
        }
        if (name == "--dump") {
            if (result.mode == CommandMode::Dump) {
                return UsageError { "Option --dump ist mehrfach angegeben" };
            }
            if (value->empty()) {
                return UsageError { "Option --dump erwartet einen Dateinamen" };
            }
            result.mode = CommandMode::Dump;
            result.lensFile = *value;
            continue;
        }
        if (const std::optional<UsageError> error = applySelectionOption(name, *value, result.selection)) {
            return *error;
        }
        selectionGiven = true;
    }
    if (result.mode == CommandMode::Dump) {
        if (!bareWords.empty()) {
            return UsageError { "Unerwartetes Argument " + quoted(bareWords.front()) };
        }
        return result;
    }
    // The window takes one file name and nothing else.
    if (bareWords.size() > 1) {
        return UsageError { "Unerwartetes Argument " + quoted(bareWords[1]) };
    }
    if (selectionGiven) {
        return UsageError { "Die Auswahloptionen gelten nur zusammen mit --dump" };
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
           "Exit-Status: 0 erfolgreich, 1 Datei nicht lesbar oder fehlerhaft, 2 falscher Aufruf.\n";
}
