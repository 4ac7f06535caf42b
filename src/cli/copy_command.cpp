#include "cli/copy_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "accounts/ownership.h"
#include "app/settings/drive_map_settings.h"
#include "cli/catalogue_file.h"
#include "cli/cli_session.h"
#include "cli/copy_answers.h"
#include "cli/copy_progress_line.h"
#include "cli/scan_source.h"
#include "core/catalog.h"
#include "core/numbers.h"
#include "core/text_case.h"
#include "net/copy_job.h"
#include "platform/disc/linux_disc_drives.h"

namespace vorlix {

namespace {

namespace fs = std::filesystem;

// A disc catalogued without a serial number (a blank disc, a folder) is taken from any source.
bool sameDisc(DiscVolume& volume, const CQXDisc& disc) {
    const std::string serial(disc.serial());
    if (serial.empty() || serial == "0") {
        return true;
    }
    const std::optional<VolumeIdentity> identity = volume.identity();
    return !identity || serialText(identity->serial) == serial;
}

// "docs\hello.txt", "\Docs\Hello.TXT" and "docs/hello.txt" alike name d:\docs\hello.txt.
const CQXFileData* findFile(const CQXDisc& disc, std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    path.erase(0, path.find_first_not_of('\\'));
    const std::string wanted = lowerCase(path);
    for (const CQXFileData& entry : disc.files) {
        const std::string_view folder = entry.folder();
        const std::size_t slash = folder.find('\\');
        const std::string_view below =
            slash == std::string_view::npos ? std::string_view() : folder.substr(slash + 1);
        if (lowerCase(std::string(below) + std::string(entry.name())) == wanted) {
            return &entry;
        }
    }
    return nullptr;
}

std::string sourceRoot(DiscDrives& drives, const std::string& operand, const CQXDisc& disc) {
    const DiscSource source = findScanSource(drives, operand);
    const std::unique_ptr<DiscVolume> volume = drives.open(source.root);
    if (!volume || !volume->ready()) {
        const std::string problem = volume ? volume->problem() : std::string();
        throw CommandFailure{problem.empty() ? operand + " holds no disc" : problem};
    }
    if (!sameDisc(*volume, disc)) {
        throw CommandFailure{operand + " holds another disc than disc " +
                             std::string(disc.number())};
    }
    return source.root;
}

std::string opticalDriveHolding(DiscDrives& drives, const CQXDisc& disc) {
    for (const DiscSource& drive : drives.opticalDrives()) {
        const std::unique_ptr<DiscVolume> volume = drives.open(drive.root);
        if (volume && volume->ready() && sameDisc(*volume, disc)) {
            return drive.root;
        }
    }
    throw CommandFailure{"disc " + std::string(disc.number()) +
                         " is in none of the optical drives; give --from with the drive, "
                         "image or folder that holds it"};
}

// A folder takes the file under its catalogued name; a name without an extension gets the
// file's, as the save dialog of the desktop program gives it.
std::string destinationFor(const std::string& operand, const std::string& name) {
    if (fs::is_directory(operand)) {
        return (fs::path(operand) / name).string();
    }
    const std::size_t dot = name.rfind('.');
    if (fs::path(operand).filename().string().find('.') == std::string::npos &&
        dot != std::string::npos) {
        return operand + name.substr(dot);
    }
    return operand;
}

void runCopy(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    const Identity identity = session.login();
    const std::string& catalogueFile = a.operands[0];
    const std::string& number = a.operands[1];
    const CQXCatalog catalogue = readCatalogueFile(catalogueFile, codePage);
    const CQXDisc* disc = catalogue.findDisc(number);
    if (disc == nullptr) {
        throw CommandFailure{"no disc numbered " + number + " in " + catalogueFile};
    }
    // Anybody but the owner sees only the shared discs.
    if (!isOwner(catalogue, identity) && disc->shared() != "Yes") {
        throw CommandFailure{refusalText(identity)};
    }
    const CQXFileData* entry = findFile(*disc, a.operands[2]);
    if (entry == nullptr) {
        throw CommandFailure{"disc " + number + " holds no file " + a.operands[2]};
    }
    const std::string name(entry->name());
    const std::string destination = destinationFor(a.operands[3], name);
    if (fs::exists(destination) && !a.has("--force")) {
        throw CommandFailure{destination + " exists already; give --force to replace it"};
    }

    LinuxDiscDrives drives(readDriveMap(session.settings()));
    const auto from = a.value("--from");
    const std::string root =
        from ? sourceRoot(drives, *from, *disc) : opticalDriveHolding(drives, *disc);
    const std::string_view folder = entry->folder();
    const std::size_t slash = folder.find('\\');
    CopyFile file{root + std::string(slash == std::string_view::npos ? std::string_view()
                                                                     : folder.substr(slash + 1)),
                  name, std::string(entry->size()), number};

    CopyAnswers answers(destination);
    CopyProgressLine progress(stderr);
    const std::atomic<bool> ending = false;
    CopyJob({CopyOrigin::FileList, {std::move(file)}}, drives, answers, progress, ending).run();
    progress.finish();
    if (!progress.completed()) {
        // The copy asks for the disc when the file is not where the disc was found.
        std::string reason = answers.said();
        if (!progress.destination() &&
            reason == copyInsertDiscQuestion(CopyOrigin::FileList, number)) {
            reason = a.operands[2] + " is not on " + (from ? *from : root);
        }
        throw CommandFailure{reason.empty() ? "nothing was copied" : reason};
    }
    std::printf("copied %llu bytes to %s\n", static_cast<unsigned long long>(*progress.completed()),
                destination.c_str());
}

}  // namespace

void addCopyCommand(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["copy"] = {
        "copy CATALOGUE DISC PATH DEST [--from SOURCE] [--force] [--user NAME]",
        "copy a catalogued file (PATH as docs\\hello.txt, or a member of an archive as "
        "backup\\old.zip\\docs\\a.txt) from its disc to DEST",
        4,
        4,
        {"--from", "--force", "--user"},
        [cp](const CliArguments& a) { runCopy(a, *cp); }};
}

}  // namespace vorlix
