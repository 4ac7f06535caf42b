#include "bench/generated_catalogue.h"

#include <array>
#include <cstdio>
#include <random>
#include <string>

namespace vorlix::bench {

namespace {

constexpr std::array<const char*, 12> kTopFolders = {"music",    "photos", "docs",   "video",
                                                     "setup",    "backup", "games",  "books",
                                                     "projects", "mp3",    "images", "archive"};
constexpr std::array<const char*, 10> kSubFolders = {"2003", "2004", "rock", "jazz",   "holiday",
                                                     "work", "old",  "misc", "drafts", "live"};
constexpr std::array<const char*, 14> kWords = {
    "Beach",  "Summer",  "Report",    "Budget",  "Highway", "Night",  "Song",
    "Letter", "Invoice", "Mountains", "Concert", "Draft",   "Family", "Party"};
// One name in twenty carries one of these (accented Latin, Greek, Cyrillic, Japanese).
constexpr std::array<const char*, 12> kWordsBeyondAscii = {"M\u00fcller",
                                                           "Caf\u00e9",
                                                           "Stra\u00dfe",
                                                           "\u00d1and\u00fa",
                                                           "\u0141\u00f3d\u017a",
                                                           "Z\u00fcrich",
                                                           "Ol\u00e9",
                                                           "\u0395\u03bb\u03bb\u03ac\u03b4\u03b1",
                                                           "\u041c\u043e\u0441\u043a\u0432\u0430",
                                                           "\u6771\u4eac",
                                                           "Fa\u00e7ade",
                                                           "\u00c9t\u00e9"};
constexpr std::array<const char*, 9> kArtists = {
    "Miles Davis",           "The Beatles", "Pink Floyd",      "Nina Simone", "Radiohead",
    "Johann Sebastian Bach", "Daft Punk",   "Ella Fitzgerald", "Led Zeppelin"};
constexpr std::array<const char*, 9> kExtensions = {".mp3", ".jpg", ".doc", ".xls", ".avi",
                                                    ".pdf", ".txt", ".png", ".zip"};
constexpr std::array<const char*, 6> kCategories = {"Audio", "DVD",   "Software",
                                                    "Music", "Movie", "Work"};

// Names as discs hold them, 20 to 30 characters on average: camera pictures, numbered tracks,
// documents with a date, words with a number; one in twenty has a word beyond ASCII, and one in
// every 100,000 the rare word "Xylophon".
std::string fileName(std::mt19937& random, std::int64_t index) {
    auto pick = [&random](const auto& list) { return std::string(list[random() % list.size()]); };
    const std::string word = random() % 20 == 0 ? pick(kWordsBeyondAscii) : pick(kWords);
    const std::string rare = index % 100000 == 4711 ? "Xylophon " : "";
    switch (random() % 4) {
        case 0:
            return rare + "IMG_" + std::to_string(1000 + random() % 9000) + " " + word + ".jpg";
        case 1:
            return rare + std::to_string(1 + random() % 20) + " - " + pick(kArtists) + " - " +
                   word + ".mp3";
        case 2:
            return rare + word + "_" + std::to_string(1990 + random() % 20) + "_" + pick(kWords) +
                   "_final" + pick(kExtensions);
        default:
            return rare + word + " " + pick(kWords) + " " + std::to_string(random() % 1000) +
                   pick(kExtensions);
    }
}

}  // namespace

CQXCatalog generatedCatalogue(int discs, int filesPerDisc) {
    std::mt19937 random(20040305);
    auto pick = [&random](const auto& list) { return list[random() % list.size()]; };

    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (const char* category : kCategories) {
        catalogue.categories.push_back(category);
    }
    for (int d = 1; d <= discs; ++d) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(d));
        disc->setName("DISC_" + std::to_string(d));
        disc->setLocation(d % 17 == 0 ? "Maria" : "home");
        disc->setDate("March 05 2004");
        disc->setInfo("<info>\r\n<notes/>\r\n</info>\r\n");
        disc->setOwnerName("anna");
        disc->setOwnerDigest("0cc175b9c0f1b6a831c399e269772661");
        disc->setShared("Yes");
        disc->setSerial(std::to_string(static_cast<std::int32_t>(random())));
        std::string outline = std::to_string(d) + " DISC_" + std::to_string(d) + "\r\n";
        if (d % 3 == 0) {
            disc->editCategories().push_back(pick(kCategories));
        }
        std::int64_t total = 0;
        std::string folder = "d:\\";
        for (int f = 0; f < filesPerDisc; ++f) {
            if (f % 40 == 0) {
                const std::string top = pick(kTopFolders);
                const std::string sub = pick(kSubFolders);
                folder = "d:\\" + top + "\\" + sub + "\\";
                outline += "\t" + top + "\r\n\t\t" + sub + "\r\n";
            }
            const std::int64_t bytes = 1000 + random() % 8000000;
            total += bytes;
            std::string name = fileName(random, d * filesPerDisc + f);
            CQXFileData& entry =
                disc->files.emplace_back(name, folder, std::to_string(bytes), "d:");
            if (f % 50 == 0) {
                entry.editCategories().push_back(pick(kCategories));
            }
        }
        char size[32];
        std::snprintf(size, sizeof size, "%0.3f", static_cast<double>(total) / 1048576.0);
        disc->setSize(size);
        disc->setOutline(outline);
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

}  // namespace vorlix::bench
