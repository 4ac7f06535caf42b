#pragma once

#include <set>
#include <string>
#include <vector>

namespace vorlix {

// A command line split into the command, its files and its options; options may stand
// anywhere, and "--" ends them.
struct CliArguments {
    std::string command;
    std::vector<std::string> files;
    std::set<std::string> flags;

    static CliArguments parse(int argc, const char* const argv[]);
    bool has(const std::string& flag) const { return flags.contains(flag); }
};

}  // namespace vorlix
