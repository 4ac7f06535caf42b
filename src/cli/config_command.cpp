#include "cli/config_command.h"

#include <cstdio>
#include <string>

#include "app/settings/setting_catalogue.h"
#include "app/settings/setting_value_text.h"
#include "cli/cli_session.h"
#include "cli/terminal_text.h"

namespace vorlix {
namespace {

const SettingDefinition& settingNamed(const std::string& name) {
    const SettingDefinition* definition = findSetting(name);
    if (definition == nullptr) {
        std::string line = "no setting is named \"";
        appendTerminalText(line, name);
        throw CommandFailure{line + "\""};
    }
    return *definition;
}

void printValue(const std::string& prefix, const std::string& value) {
    std::string line = prefix;
    appendTerminalText(line, value);
    line += '\n';
    std::fputs(line.c_str(), stdout);
}

void runConfig(const CliArguments& a, const CodePage& codePage) {
    const std::string& action = a.operands[0];
    const std::size_t operands = a.operands.size();
    if (!(action == "get" && operands == 2) && !(action == "set" && operands == 3) &&
        !(action == "list" && operands == 1)) {
        throw CommandFailure{"config takes: get NAME, set NAME VALUE or list"};
    }
    CliSession session(a, codePage);
    SettingsStore& settings = session.settings();
    if (action == "list") {
        for (const SettingDefinition& definition : settingCatalogue()) {
            printValue(std::string(definition.name) + "=", readSettingValue(settings, definition));
        }
        return;
    }
    const SettingDefinition& definition = settingNamed(a.operands[1]);
    if (action == "get") {
        printValue("", readSettingValue(settings, definition));
        return;
    }
    if (const Result written = writeSettingValue(settings, definition, a.operands[2]);
        !written.ok()) {
        throw CommandFailure{written.message()};
    }
}

}  // namespace

void addConfigCommand(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["config"] = {"config get|set NAME [VALUE] | list",
                          "read or write a setting by its name, or list them all",
                          1,
                          3,
                          {},
                          [cp](const CliArguments& a) { runConfig(a, *cp); }};
}

}  // namespace vorlix
