#include "cli/cli_arguments.h"

namespace vorlix {

CliArguments CliArguments::parse(int argc, const char* const argv[]) {
    CliArguments arguments;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && word.size() > 1 && word[0] == '-') {
            arguments.flags.insert(word);
        } else if (arguments.command.empty()) {
            arguments.command = word;
        } else {
            arguments.files.push_back(word);
        }
    }
    return arguments;
}

}  // namespace vorlix
