#pragma once
// What the command line asks for: the options, and the commands to run one after another.
// Commands come either as the words after the options (a word ";" between two commands)
// or as one or more -e options, each holding one or more commands as text.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ilmo::ctl {

using CommandWords = std::vector<std::string>;

struct Invocation {
    bool demo = false;
    bool trace = false;
    bool json = false;
    bool help = false;
    std::vector<CommandWords> commands;
};

struct InvocationParse {
    Invocation invocation;
    std::string error;  // empty when the command line is usable

    bool ok() const { return error.empty(); }
};

// `arguments` without the program name.
InvocationParse parse_invocation(std::span<const std::string> arguments);

struct CommandTextSplit {
    std::vector<CommandWords> commands;
    std::string error;
};

// Splits a command text the way a shell splits words: blanks separate words, quotes (single
// or double) keep blanks inside one, and an unquoted ";" ends a command. Empty commands are
// dropped; an unclosed quote is an error.
CommandTextSplit split_command_text(std::string_view text);

std::string_view usage_text();

}  // namespace ilmo::ctl
