// SPDX-License-Identifier: MIT
#include "CommandArguments.h"

#include "CommandOptions.h"

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
    GivenOptions given;
    std::vector<std::string> words; // file names and "-"
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with('-') || argument == "-") {
            // Every word names a file; an empty one would fail only later,
            // as an unreadable file or none at all.
            if (argument.empty()) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Ein leeres Argument ist kein Dateiname"));
            }
            words.push_back(argument);
            continue;
        }

        // --name value or --name=value
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const ModeOption* mode = findModeOption(name);
        const CommandOption* option = mode == nullptr ? findCommandOption(name) : nullptr;
        const bool takesValue = mode != nullptr ? mode->argument != nullptr : option != nullptr && option->argument;
        if ((mode == nullptr && option == nullptr) || (mode != nullptr && !takesValue && value)) {
            return usage(LUMIVEX_TEXT("CommandArguments", "Unbekannte Option %1"), { inQuotes(argument) });
        }
        if (!takesValue && value) {
            return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet keinen Wert"), { name });
        }
        if (takesValue && !value) {
            if (i + 1 >= arguments.size()) {
                return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 erwartet einen Wert"), { name });
            }
            value = arguments[++i];
        }
        if (mode == nullptr) {
            if (OptionCheck error = option->assign(name, value.value_or(std::string()), result)) {
                return *error;
            }
            given.insert(name);
            continue;
        }
        // --help and --version end the parsing: what follows does not matter.
        if (!takesValue) {
            result.mode = mode->mode;
            return result;
        }
        if (result.mode == mode->mode) {
            return usage(LUMIVEX_TEXT("CommandArguments", "Option %1 ist mehrfach angegeben"), { name });
        }
        if (result.mode != CommandMode::Window) {
            return usage(LUMIVEX_TEXT("CommandArguments", "Die Optionen %1 und %2 schließen einander aus"),
                         { std::string(modeRow(result.mode).name), name });
        }
        if (value->empty()) {
            return usage(mode->emptyValue, { name });
        }
        result.mode = mode->mode;
        result.*(mode->value) = *value;
    }

    for (const CommandOption& option : commandOptions()) {
        if (given.contains(option.name) && !option.modes.contains(result.mode)) {
            return usage(option.onlyWith, { std::string(option.name) });
        }
    }
    auto finished = modeRow(result.mode).finish(std::move(result), std::move(words), given);
    if (const CommandArguments* done = std::get_if<CommandArguments>(&finished)) {
        for (const CommandOption& option : commandOptions()) {
            if (option.check == nullptr || !given.contains(option.name)) {
                continue;
            }
            if (OptionCheck error = option.check(*done, given)) {
                return *error;
            }
        }
    }
    return finished;
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
