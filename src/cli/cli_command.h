#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "cli/cli_arguments.h"

namespace vorlix {

// A failure a command reports in one line on stderr before the tool exits with status 1.
struct CommandFailure {
    std::string line;
};

// One command of the tool: how it is called, what it accepts and what it does.
struct CliCommand {
    std::string synopsis;     // how it is called, for the usage text
    std::string description;  // what it does, for the usage text
    std::size_t minOperands;
    std::size_t maxOperands;
    std::set<std::string> options;
    std::function<void(const CliArguments&)> run;
};

using CliCommands = std::map<std::string, CliCommand>;

// Options that take a value, for every command.
inline const std::set<std::string> kValueOptions = {
    "--user", "--drive",  "--borrower", "--in-cd", "--artist",  "--folder",       "--category",
    "--from", "--server", "--apply",    "--file",  "--release", "--archive-limit"};

}  // namespace vorlix
