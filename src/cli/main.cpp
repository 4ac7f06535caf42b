#include <cstdio>
#include <string>

#include "cli/account_commands.h"
#include "cli/catalogue_commands.h"
#include "cli/cli_command.h"
#include "cli/config_command.h"
#include "cli/copy_command.h"
#include "cli/database_commands.h"
#include "cli/export_html_command.h"
#include "cli/lend_commands.h"
#include "cli/number_commands.h"
#include "cli/online_commands.h"
#include "cli/playlist_command.h"
#include "cli/scan_command.h"
#include "cli/search_command.h"
#include "core/code_page.h"

namespace vorlix {
namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

std::string usageText(const CliCommands& commands) {
    std::string text = "usage: vorlix-cli COMMAND [OPTIONS] OPERAND...\ncommands:\n";
    for (const auto& [name, command] : commands) {
        char line[256];
        std::snprintf(line, sizeof line, "  %-34s %s\n", command.synopsis.c_str(),
                      command.description.c_str());
        text += line;
    }
    text += "A password is taken from VORLIX_PASSWORD or asked for on the terminal.\n";
    return text;
}

int usageError(const std::string& what, const CliCommands& commands) {
    std::fprintf(stderr, "vorlix-cli: %s\n%s", what.c_str(), usageText(commands).c_str());
    return kUsage;
}

int run(int argc, const char* const argv[]) {
    const Windows1252 codePage;
    CliCommands commands;
    addCatalogueCommands(commands, codePage);
    addAccountCommands(commands, codePage);
    addScanCommand(commands, codePage);
    addDatabaseCommands(commands, codePage);
    addConfigCommand(commands, codePage);
    addLendCommands(commands, codePage);
    addNumberCommands(commands, codePage);
    addExportHtmlCommand(commands, codePage);
    addSearchCommand(commands, codePage);
    addPlaylistCommand(commands, codePage);
    addCopyCommand(commands, codePage);
    addOnlineCommands(commands, codePage);

    const CliArguments arguments = CliArguments::parse(argc, argv, kValueOptions);
    if (arguments.has("--help") || arguments.has("-h")) {
        std::fputs(usageText(commands).c_str(), stdout);
        return kSuccess;
    }
    if (arguments.error) {
        return usageError(*arguments.error, commands);
    }
    const auto found = commands.find(arguments.command);
    if (found == commands.end()) {
        return usageError(arguments.command.empty()
                              ? "no command given"
                              : "unknown command \"" + arguments.command + "\"",
                          commands);
    }
    const CliCommand& command = found->second;
    for (const auto& flag : arguments.flags) {
        if (!command.options.contains(flag)) {
            return usageError(arguments.command + ": unknown option " + flag, commands);
        }
    }
    for (const auto& [option, value] : arguments.values) {
        if (!command.options.contains(option)) {
            return usageError(arguments.command + ": unknown option " + option, commands);
        }
    }
    if (arguments.operands.size() < command.minOperands ||
        arguments.operands.size() > command.maxOperands) {
        return usageError(arguments.command + ": wrong number of operands", commands);
    }
    try {
        command.run(arguments);
    } catch (const CommandFailure& failure) {
        std::fflush(stdout);
        std::fprintf(stderr, "vorlix-cli: %s\n", failure.line.c_str());
        return kFailure;
    }
    return std::fflush(stdout) == 0 ? kSuccess : kFailure;
}

}  // namespace
}  // namespace vorlix

int main(int argc, char* argv[]) {
    return vorlix::run(argc, argv);
}
