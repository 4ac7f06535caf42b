// Measures the memory a catalogue of 1,000 discs with 1,000 file entries each takes once read:
// the peak and the resident size after reading, each against the file's size. The file is
// generated in a child process so that generating it does not count.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench/generated_catalogue.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace {

double statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(std::string(field).size()));
        }
    }
    return 0;
}

}  // namespace

int main() {
    const vorlix::Windows1252 codePage;
    const std::string path = "/tmp/vorlix-bench-memory.vrd";
    if (const pid_t child = fork(); child == 0) {
        vorlix::CQXCatalog catalogue = vorlix::bench::generatedCatalogue(1000, 1000);
        const vorlix::Result written = vorlix::safeWriteFile(path, [&](vorlix::ByteSink& sink) {
            vorlix::writeCatalogue(catalogue, codePage, sink);
        });
        _exit(written.ok() ? 0 : 1);
    } else {
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "could not generate %s\n", path.c_str());
            return 1;
        }
    }

    const double baseline = statusKilobytes("VmRSS:");
    vorlix::CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    vorlix::FileSource source(path);
    vorlix::readCatalogue(source, codePage, catalogue);
    const double peak = statusKilobytes("VmHWM:") - baseline;
    const double held = statusKilobytes("VmRSS:") - baseline;
    const double fileKilobytes = static_cast<double>(source.size()) / 1024.0;
    std::printf("file %.1f MB, peak %.1f MB (%.2f x file), held %.1f MB (%.2f x file)\n",
                fileKilobytes / 1024.0, peak / 1024.0, peak / fileKilobytes, held / 1024.0,
                held / fileKilobytes);
    std::remove(path.c_str());
    return 0;
}
