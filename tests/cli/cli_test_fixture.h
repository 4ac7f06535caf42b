#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace vorlix::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    // Runs the tool with its settings and program folder inside the test's folder, no
    // terminal, and the password, if any, in the environment.
    CliRun run(const std::string& arguments,
               const std::optional<std::string>& password = std::nullopt) {
        const std::string outPath = folder.file("stdout");
        const std::string errPath = folder.file("stderr");
        std::string environment = "env -u VORLIX_PASSWORD XDG_CONFIG_HOME='" +
                                  folder.file("config") + "' XDG_DATA_HOME='" +
                                  folder.file("data") + "' ";
        if (password) {
            environment += "VORLIX_PASSWORD='" + *password + "' ";
        }
        const std::string command = environment + launcher + VORLIX_CLI + " " + arguments + " >" +
                                    outPath + " 2>" + errPath + " </dev/null";
        const int raw = std::system(command.c_str());
        return {WEXITSTATUS(raw), readFile(outPath), readFile(errPath)};
    }
    std::string quoted(const std::string& name) { return "'" + folder.file(name) + "'"; }

    test::TempDir folder;
    // Put before the tool, "timeout 10 " for a run that must not hang.
    std::string launcher;
};

}  // namespace vorlix::test
