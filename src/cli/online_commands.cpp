#include "cli/online_commands.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/settings_store.h"
#include "cli/catalogue_file.h"
#include "cli/cli_session.h"
#include "cli/owner_check.h"
#include "cli/terminal_text.h"
#include "core/catalog.h"
#include "core/disc_info.h"
#include "core/price_block.h"
#include "core/user_prompt.h"
#include "online/cddb_apply.h"
#include "online/cddb_batch.h"
#include "online/cddb_client_identity.h"
#include "online/cddb_results.h"
#include "online/cover_store.h"
#include "online/freedb_control.h"
#include "online/musicbrainz_request.h"
#include "online/musicbrainz_source.h"
#include "platform/http/curl_http_client.h"

namespace vorlix {
namespace {

using namespace std::chrono_literals;

constexpr auto kRequestLimit = 15s;

// The logic's messages, gathered to be reported as the command's failure or on stderr.
class CollectingPrompt final : public UserPrompt {
public:
    std::vector<std::string> messages;

    void message(std::string_view text, MessageIcon) override { messages.emplace_back(text); }
    Answer ask(std::string_view text, Buttons, MessageIcon) override {
        messages.emplace_back(text);
        return Answer::No;
    }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override {
        return std::nullopt;
    }

    void failOnMessage() const {
        if (!messages.empty()) {
            throw CommandFailure{messages.front()};
        }
    }
};

std::size_t matchNumber(const CliArguments& a) {
    const std::string text = *a.value("--apply");
    std::size_t used = 0;
    unsigned long number = 0;
    try {
        number = std::stoul(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || number == 0) {
        throw CommandFailure{"--apply takes the number of a match, counted from 1: " + text};
    }
    return number;
}

void printMatches(const std::vector<CddbMatch>& matches) {
    std::string text;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        text += std::to_string(i + 1) + ". ";
        appendTerminalText(
            text, matches[i].category + " " + matches[i].discId + " " + matches[i].discTitle);
        text += "\n";
    }
    std::fputs(text.c_str(), stdout);
}

void printResults(const CddbResults& results) {
    std::string text;
    appendTerminalText(text, artistWithYear(results.artist, results.year) + " / " + results.album +
                                 " [" + results.category + "]");
    text += "\n";
    for (const CddbTrackRow& row : results.rows) {
        appendTerminalText(text, row.text + " " + row.time);
        text += "\n";
    }
    std::fputs(text.c_str(), stdout);
}

void runCddb(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    const Identity identity = session.login();
    const std::string& path = a.operands[0];
    const std::string& number = a.operands[1];
    const bool applying = a.value("--apply").has_value();
    const std::size_t chosen = applying ? matchNumber(a) : 1;
    std::optional<FileLock> lock;
    if (applying) {
        lock.emplace(lockCatalogueFile(path));
    }
    CQXCatalog catalogue = readCatalogueFile(path, codePage);
    if (applying) {
        checkOwner(catalogue, identity);
    }
    CollectingPrompt prompt;
    const std::optional<std::string> tag = openingMediaTag(&catalogue, number, prompt);
    prompt.failOnMessage();

    std::string server = a.value("--server")
                             .value_or(session.settings().readText(
                                 setting::kFreedbKey, setting::kFreedbSite, setting::kTextLimit));
    if (server.empty()) {
        server = kDefaultFreedbServer;
    }
    CurlHttpClient http(kRequestLimit, kRequestLimit);
    C_uFREEDB control(
        http, [](const std::string&) { return std::nullopt; },
        cddbIdentityFromSettings(session.settings()));
    std::vector<std::string> errors;
    control.setErrorHandler(
        [&errors](std::int32_t, const std::string& text) { errors.push_back(text); });
    control.setServer(server);
    if (control.lookUp(*tag) != 0 || (chosen > 1 && control.chooseMatch(chosen - 1) != 0)) {
        throw CommandFailure{errors.empty() ? "the lookup failed" : errors.front()};
    }
    printMatches(control.matches());
    if (!applying) {
        return;
    }
    const CddbResults results = readCddbResults(control);
    printResults(results);
    const bool complete = CddbApply(catalogue, prompt).apply(number, results, {});
    for (const std::string& message : prompt.messages) {
        std::fprintf(stderr, "vorlix-cli: %s\n", message.c_str());
    }
    writeCatalogueFile(catalogue, path, codePage);
    if (!complete) {
        throw CommandFailure{"the match was applied in part"};
    }
}

std::vector<std::uint8_t> pictureFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw CommandFailure{"cannot read the picture " + path};
    }
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    // The cover store holds JPEG pictures, which every reader of a catalogue expects.
    if (bytes.size() < 3 || bytes[0] != 0xff || bytes[1] != 0xd8 || bytes[2] != 0xff) {
        throw CommandFailure{path + " is not a JPEG picture"};
    }
    return bytes;
}

struct FoundCover {
    std::vector<std::uint8_t> picture;
    std::string asin;
};

// The release given, or the first that MusicBrainz finds for the disc: by its table of
// contents for an audio CD, else by its name.
FoundCover musicBrainzCover(const CliArguments& a, const CQXDisc& disc, CliSession& session) {
    MusicBrainzSource source(musicBrainzHostsFromSettings(session.settings()),
                             std::make_shared<RequestPacer>(1s));
    CurlHttpClient http(kRequestLimit, kRequestLimit,
                        describedUserAgent(CurlHttpClient::defaultUserAgent(), session.settings()));
    CoverItem release;
    if (const std::optional<std::string> id = a.value("--release")) {
        release.sourceId = *id;
    } else {
        const disc_info::ChildValue tag = disc_info::readMediaTag(disc.info());
        CoverPageOutcome page = source.fetchPage(
            http, {std::string(disc.name()), "music", tag.exists ? tag.value : ""}, 1);
        if (!page.error.empty()) {
            throw CommandFailure{page.error};
        }
        if (page.items.empty()) {
            throw CommandFailure{"MusicBrainz knows no release of disc " +
                                 std::string(disc.number())};
        }
        release = std::move(page.items.front());
        std::string text = "Release " + release.sourceId + ": ";
        appendTerminalText(text, release.productName);
        std::puts(text.c_str());
    }
    CoverPictureOutcome picture = source.fetchPicture(http, release, true);
    if (!picture.error.empty()) {
        throw CommandFailure{picture.error};
    }
    return {std::move(picture.bytes), release.asin};
}

void runCover(const CliArguments& a, const CodePage& codePage) {
    const bool fromFile = a.value("--file").has_value();
    if (fromFile == a.has("--musicbrainz") || (fromFile && a.value("--release"))) {
        throw CommandFailure{"give either --file PICTURE or --musicbrainz [--release MBID]"};
    }
    CliSession session(a, codePage);
    const Identity identity = session.login();
    const std::string& path = a.operands[0];
    const std::string& number = a.operands[1];
    const FileLock lock = lockCatalogueFile(path);
    CQXCatalog catalogue = readCatalogueFile(path, codePage);
    checkOwner(catalogue, identity);
    const CQXDisc* disc = catalogue.findDisc(number);
    if (disc == nullptr) {
        throw CommandFailure{"the catalogue has no disc " + number};
    }
    if (fromFile) {
        catalogue.named.set("CD" + number, ByteArray{pictureFile(*a.value("--file"))});
    } else {
        const FoundCover found = musicBrainzCover(a, *disc, session);
        storeCover(catalogue, number, found.picture,
                   {todaysPriceDate(), "N/A", "N/A", found.asin, "music"});
    }
    writeCatalogueFile(catalogue, path, codePage);
}

}  // namespace

void addOnlineCommands(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["cddb"] = {"cddb CATALOGUE DISC [--server HOST] [--apply N] [--user NAME]",
                        "list the freedb matches of an audio disc, or apply match N to it",
                        2,
                        2,
                        {"--server", "--apply", "--user"},
                        [cp](const CliArguments& a) { runCddb(a, *cp); }};
    commands["cover"] = {
        "cover CATALOGUE DISC (--file PICTURE | --musicbrainz [--release MBID]) [--user NAME]",
        "store a disc's cover from a JPEG file or from MusicBrainz and the Cover Art Archive",
        2,
        2,
        {"--file", "--musicbrainz", "--release", "--user"},
        [cp](const CliArguments& a) { runCover(a, *cp); }};
}

}  // namespace vorlix
