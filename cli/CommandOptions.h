// SPDX-License-Identifier: MIT
#pragma once

#include "CommandArguments.h"
#include "MessageText.h"

#include <initializer_list>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The modes an option belongs to.
class ModeSet
{
public:
    constexpr ModeSet(std::initializer_list<CommandMode> modes)
    {
        for (const CommandMode mode : modes) {
            m_bits |= 1U << static_cast<unsigned>(mode);
        }
    }

    constexpr bool contains(CommandMode mode) const { return (m_bits & (1U << static_cast<unsigned>(mode))) != 0; }

private:
    unsigned m_bits = 0;
};

// The names of the options given on a command line ("--scale"), for the
// checks that depend on whether an option was given at all.
using GivenOptions = std::set<std::string, std::less<>>;

// A result of a check: nothing, or the usage error to report.
using OptionCheck = std::optional<UsageError>;

// An option that tunes a mode (everything but the mode options below).
// Adding one is a row in commandOptions() and a field in CommandArguments.
struct CommandOption
{
    const char* name;     // "--scale"
    const char* argument; // its value in the synopsis ("N"); nullptr: a switch that takes no value
    ModeSet modes;        // the modes that take it
    SourceText onlyWith;  // the usage error when the mode does not take it; %1 is the name
    // Checks the value (empty for a switch) and stores it in arguments.
    // name is the option's name, for messages. Called once per occurrence,
    // in the order of the command line.
    OptionCheck (*assign)(std::string_view name, const std::string& value, CommandArguments& arguments);
    // The checks against the whole command line, once the mode has taken
    // its words; only for a given option in a mode that takes it. nullptr:
    // none.
    OptionCheck (*check)(const CommandArguments& arguments, const GivenOptions& given) = nullptr;
};

// An option that chooses the mode, with the checks the mode needs once the
// whole command line is read. Adding a mode is an enum value in CommandMode
// and a row in commandModes().
struct ModeOption
{
    CommandMode mode;
    const char* name;     // "--dump"; nullptr for the window, which no option chooses
    const char* argument; // its value in the synopsis ("DATEI"); nullptr: none, and the mode is chosen at once
    std::string CommandArguments::*value; // where its value goes
    SourceText emptyValue;                // the usage error for an empty value; %1 is the name
    // Takes the words that are no options (file names, "-") and checks what
    // needs the whole command line; returns the finished arguments.
    std::variant<CommandArguments, UsageError> (*finish)(CommandArguments arguments, std::vector<std::string> words,
                                                         const GivenOptions& given)
        = nullptr;
};

// Every option that tunes a mode. The order is that of the checks: when
// several options do not fit the mode, the first of them is reported.
std::span<const CommandOption> commandOptions();

// Every mode, each once with the option that chooses it (--help twice, as
// -h too).
std::span<const ModeOption> commandModes();

// The row of the option called name, or nullptr.
const CommandOption* findCommandOption(std::string_view name);
const ModeOption* findModeOption(std::string_view name);
// The row of mode (the first for --help).
const ModeOption& modeRow(CommandMode mode);

// A decimal integer from min to max, without sign or blanks; nullopt for
// anything else.
std::optional<int> parseBoundedInt(std::string_view text, int min, int max);

// A real number with a decimal point from min to max (no blanks, no decimal
// comma, no "inf" or "nan"); nullopt for anything else.
std::optional<double> parseBoundedDouble(std::string_view text, double min, double max);

// Stores an integer from min to max in target; a usage error ("Option
// NAME erwartet eine ganze Zahl von MIN bis MAX, nicht „TEXT“") when the text
// is not one.
OptionCheck assignBoundedInt(std::string_view name, const std::string& text, int min, int max, int& target);

// A usage error from a source text and its arguments.
UsageError usage(SourceText source, std::vector<MessageText> arguments = {});

// A command-line word in quotes, for messages.
MessageText inQuotes(const std::string& text);
