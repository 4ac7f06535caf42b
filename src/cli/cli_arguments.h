#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vorlix {

// A command line split into the command, its operands and its options. Options may stand
// anywhere; those that take a value are given as "--name VALUE" or "--name=VALUE"; "--" ends
// the options.
struct CliArguments {
    std::string command;
    std::vector<std::string> operands;
    std::set<std::string> flags;
    std::map<std::string, std::string> values;  // the last value of each option given
    std::map<std::string, std::vector<std::string>> valueLists;  // every value, in order
    // Set when the command line itself is malformed, e.g. a value option without its value.
    std::optional<std::string> error;

    static CliArguments parse(int argc, const char* const argv[],
                              const std::set<std::string>& valueOptions);
    bool has(const std::string& flag) const { return flags.contains(flag); }
    std::optional<std::string> value(const std::string& option) const;
    // Every value of an option that may be repeated, in the order given.
    std::vector<std::string> valuesOf(const std::string& option) const;

private:
    void setValue(const std::string& option, const std::string& value);
};

}  // namespace vorlix
