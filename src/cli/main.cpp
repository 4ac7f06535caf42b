#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "cli/catalogue_dump.h"
#include "cli/cli_arguments.h"
#include "cli/demo_catalogue.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {
namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageText =
    "usage: vorlix-cli COMMAND [OPTIONS] FILE...\n"
    "commands:\n"
    "  new FILE             write a new empty catalogue\n"
    "  dump FILE [--json]   show a whole catalogue\n"
    "  convert IN OUT       read any catalogue (.vrd or .qvd) and write it as .vrd\n"
    "  make-demo FILE       write the demo catalogue of the installation\n";

// A failure the command reports in one line on stderr before exiting with status 1.
struct CommandFailure {
    std::string line;
};

struct Command {
    std::size_t fileCount;
    std::set<std::string> options;
    std::function<void(const CliArguments&)> run;
};

const Windows1252 kCodePage;

CQXCatalog readCatalogueFile(const std::string& path) {
    CQXCatalog catalogue;
    try {
        FileSource source(path);
        readCatalogue(source, kCodePage, catalogue);
    } catch (const ArchiveError& e) {
        throw CommandFailure{path + ": " + e.what() + " at byte " + std::to_string(e.offset())};
    } catch (const std::exception& e) {
        throw CommandFailure{path + ": " + e.what()};
    }
    return catalogue;
}

void writeCatalogueFile(CQXCatalog& catalogue, const std::string& path) {
    const std::string failure = safeWriteFile(
        path, [&catalogue](ByteSink& sink) { writeCatalogue(catalogue, kCodePage, sink); });
    if (!failure.empty()) {
        throw CommandFailure{path + ": cannot write: " + failure};
    }
}

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"new",
         {1,
          {},
          [](const CliArguments& a) {
              CQXCatalog catalogue;
              catalogue.addDefaultNamedObjects();
              writeCatalogueFile(catalogue, a.files[0]);
          }}},
        {"dump",
         {1,
          {"--json"},
          [](const CliArguments& a) {
              const CQXCatalog catalogue = readCatalogueFile(a.files[0]);
              if (a.has("--json")) {
                  dumpJson(catalogue, kCodePage, stdout);
              } else {
                  dumpText(catalogue, kCodePage, stdout);
              }
          }}},
        {"convert",
         {2,
          {},
          [](const CliArguments& a) {
              CQXCatalog catalogue = readCatalogueFile(a.files[0]);
              writeCatalogueFile(catalogue, a.files[1]);
          }}},
        {"make-demo",
         {1,
          {},
          [](const CliArguments& a) {
              CQXCatalog catalogue = makeDemoCatalogue();
              writeCatalogueFile(catalogue, a.files[0]);
          }}},
    };
    return table;
}

int run(int argc, const char* const argv[]) {
    const CliArguments arguments = CliArguments::parse(argc, argv);
    if (arguments.has("--help") || arguments.has("-h")) {
        std::fputs(kUsageText, stdout);
        return kSuccess;
    }
    const auto found = commands().find(arguments.command);
    if (found == commands().end()) {
        std::fprintf(stderr, "vorlix-cli: %s\n%s",
                     arguments.command.empty()
                         ? "no command given"
                         : ("unknown command \"" + arguments.command + "\"").c_str(),
                     kUsageText);
        return kUsage;
    }
    const Command& command = found->second;
    for (const auto& flag : arguments.flags) {
        if (!command.options.contains(flag)) {
            std::fprintf(stderr, "vorlix-cli: %s: unknown option %s\n%s", arguments.command.c_str(),
                         flag.c_str(), kUsageText);
            return kUsage;
        }
    }
    if (arguments.files.size() != command.fileCount) {
        std::fprintf(stderr, "vorlix-cli: %s takes %zu file%s\n%s", arguments.command.c_str(),
                     command.fileCount, command.fileCount == 1 ? "" : "s", kUsageText);
        return kUsage;
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
