#include "cli/cli_arguments.h"

namespace vorlix {

CliArguments CliArguments::parse(int argc, const char* const argv[],
                                 const std::set<std::string>& valueOptions) {
    CliArguments arguments;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && word.size() > 1 && word[0] == '-') {
            const auto equals = word.find('=');
            const std::string name = word.substr(0, equals);
            if (!valueOptions.contains(name)) {
                arguments.flags.insert(word);
            } else if (equals != std::string::npos) {
                arguments.setValue(name, word.substr(equals + 1));
            } else if (i + 1 < argc) {
                arguments.setValue(name, argv[++i]);
            } else {
                arguments.error = name + " needs a value";
            }
        } else if (arguments.command.empty()) {
            arguments.command = word;
        } else {
            arguments.operands.push_back(word);
        }
    }
    return arguments;
}

std::optional<std::string> CliArguments::value(const std::string& option) const {
    const auto found = values.find(option);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::vector<std::string> CliArguments::valuesOf(const std::string& option) const {
    const auto found = valueLists.find(option);
    return found == valueLists.end() ? std::vector<std::string>() : found->second;
}

void CliArguments::setValue(const std::string& option, const std::string& value) {
    values[option] = value;
    valueLists[option].push_back(value);
}

}  // namespace vorlix
