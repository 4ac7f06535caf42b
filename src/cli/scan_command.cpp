#include "cli/scan_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/setting_names.h"
#include "app/settings/drive_map_settings.h"
#include "app/settings/settings_flags.h"
#include "app/settings_store.h"
#include "cli/catalogue_file.h"
#include "cli/cli_session.h"
#include "cli/owner_check.h"
#include "cli/scan_progress_line.h"
#include "cli/scan_source.h"
#include "online/freedb_control.h"
#include "platform/disc/linux_disc_drives.h"
#include "platform/http/curl_http_client.h"
#include "scan/archive_settings.h"
#include "scan/filter_lists.h"
#include "scan/scan_job.h"
#include "scan/scan_request.h"
#include "scan/scan_session.h"
#include "scan/scanned_disc.h"

namespace vorlix {

namespace {

CQXCatalog openOrNew(const std::string& path, const CodePage& codePage) {
    if (std::filesystem::exists(path)) {
        return readCatalogueFile(path, codePage);
    }
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    return catalogue;
}

std::string recordedDriveRoot(const CliArguments& a, const DiscSource& source) {
    const auto drive = a.value("--drive");
    if (!drive) {
        return source.root;
    }
    const auto root = driveRootOf(*drive);
    if (!root) {
        throw CommandFailure{"--drive takes a drive letter such as E:"};
    }
    return *root;
}

// --archive-limit in megabytes, else the setting.
std::uint32_t archiveLimitMegabytes(const CliArguments& a, const SettingsStore& settings) {
    const auto given = a.value("--archive-limit");
    if (!given) {
        return readArchiveLimitMegabytes(settings);
    }
    std::uint32_t megabytes = 0;
    const char* end = given->data() + given->size();
    const auto [stop, error] = std::from_chars(given->data(), end, megabytes);
    if (error != std::errc() || stop != end || megabytes == 0) {
        throw CommandFailure{"--archive-limit takes a size in megabytes, 1 or more: " + *given};
    }
    return megabytes;
}

void printDisc(const CQXDisc& disc, const std::vector<std::string>& detected) {
    std::printf("number: %s\nname: %s\nserial: %s\nsize: %s MB\nfiles: %zu\nlocation: %s\n",
                std::string(disc.number()).c_str(), std::string(disc.name()).c_str(),
                std::string(disc.serial()).c_str(), std::string(disc.size()).c_str(),
                disc.files.size(), std::string(disc.location()).c_str());
    if (!detected.empty()) {
        std::string list;
        for (const std::string& extension : detected) {
            list += (list.empty() ? "" : " ") + extension;
        }
        std::printf("not recorded, on neither filter list: %s\n", list.c_str());
    }
}

void runScan(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    const Identity identity = session.login();
    const std::string& catalogueFile = a.operands[1];
    // Held through the walk: the disc's number and the serial check come from the catalogue as
    // read, so nobody may change it before the disc is added.
    const FileLock lock = lockCatalogueFile(catalogueFile);
    CQXCatalog catalogue = openOrNew(catalogueFile, codePage);
    checkOwner(catalogue, identity);

    LinuxDiscDrives drives(readDriveMap(session.settings()));
    const DiscSource source = findScanSource(drives, a.operands[0]);
    const std::string driveRoot = recordedDriveRoot(a, source);
    const std::unique_ptr<DiscVolume> volume = drives.open(source.root);
    if (!volume || !volume->ready()) {
        const std::string problem = volume ? volume->problem() : std::string();
        throw CommandFailure{problem.empty() ? std::string(kDriveNotReadyMessage) : problem};
    }

    CurlHttpClient http;
    C_uFREEDB freedb(
        http, [&volume](const std::string&) { return volume->audioToc(); }, CddbClientIdentity{});
    FilterLists lists(session.programFolder(), codePage);
    ScanJob job(lists, freedb);
    const ScanRequest request = makeScanRequest(catalogue, identity, {});
    job.setDiscNumber(request.discNumber);
    job.setDrivePath(driveRoot);
    job.setFilterOn(!a.has("--no-filter"));
    job.setSkipFilesWithoutExtension(
        session.settings().readNumber(setting::kSettingsKey, setting::kDelNoExt) != 0);
    job.setListArchives(a.has("--archives"));
    job.setArchiveLimit(megabytesToBytes(archiveLimitMegabytes(a, session.settings())));

    const bool virtualDisc = source.kind == DiscSourceKind::Folder;
    if (virtualDisc) {
        job.setVolume(std::string(kVirtualDiscName), {});
    } else {
        job.readVolume(volume->identity());
        const auto& known = request.knownSerials;
        if (std::find(known.begin(), known.end(), job.serialText()) != known.end()) {
            throw CommandFailure{std::string(kSameSerialMessage)};
        }
    }
    if (const Result prepared = job.prepare(); !prepared.ok()) {
        throw CommandFailure{prepared.message()};
    }
    ScanProgressLine progress(stderr, job);
    const Result walked = job.walk(*volume, [&progress] { progress.fileMet(); });
    progress.finish();
    if (!walked.ok()) {
        throw CommandFailure{walked.message()};
    }

    auto disc = makeScannedDisc(job, request, virtualDisc ? kVirtualLocation : kHomeLocation,
                                readFlag(session.settings(), setting::kShare), todayDiscDateText());
    const CQXDisc& added = *disc;
    catalogue.appendDisc(std::move(disc));
    writeCatalogueFile(catalogue, catalogueFile, codePage);
    printDisc(added, job.detectedExtensions());
    // A disc with something unreadable is still added: what could be read is catalogued, and
    // the warning says what is missing.
    if (const std::string unreadable = job.unreadableText(); !unreadable.empty()) {
        std::fprintf(stderr, "vorlix-cli: warning: %s\n", unreadable.c_str());
    }
}

}  // namespace

void addScanCommand(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["scan"] = {
        "scan SOURCE CATALOGUE [--no-filter] [--archives [--archive-limit MB]] [--user NAME] "
        "[--drive X:]",
        "add a disc from a drive (D: or /dev/sr0), an ISO or BIN/CUE image or a folder; "
        "--archives lists the members of archives as files",
        2,
        2,
        {"--no-filter", "--archives", "--archive-limit", "--user", "--drive"},
        [cp](const CliArguments& a) { runScan(a, *cp); }};
}

}  // namespace vorlix
