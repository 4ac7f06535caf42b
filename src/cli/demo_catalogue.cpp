#include "cli/demo_catalogue.h"

#include <string>
#include <utility>
#include <vector>

#include "core/disc_info.h"
#include "core/numbers.h"
#include "core/stored_size.h"

namespace vorlix {

namespace {

struct DemoFile {
    const char* folder;  // below the root, "\"-separated, empty for the root
    const char* name;
    std::int64_t bytes;
    std::vector<std::string> categories = {};
};

struct DemoDisc {
    const char* number;
    const char* name;
    const char* artist;
    const char* quality;
    const char* location;
    const char* date;
    const char* lendDate;
    std::uint32_t serial;
    std::vector<const char*> folders;  // pre-order, "\"-separated
    std::vector<DemoFile> files;
    std::vector<std::string> categories;
    const char* notes;
};

std::string lowered(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::string outlineOf(const DemoDisc& demo) {
    std::string outline = std::string(demo.number) + " " + demo.name + "\r\n";
    for (std::string folder : demo.folders) {
        std::size_t depth = 1;
        std::size_t slash = 0;
        while ((slash = folder.find('\\')) != std::string::npos) {
            ++depth;
            folder.erase(0, slash + 1);
        }
        outline += std::string(depth, '\t') + folder + "\r\n";
    }
    return outline;
}

std::unique_ptr<CQXDisc> makeDisc(const DemoDisc& demo, bool audio) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(demo.number);
    disc->setName(demo.name);
    disc->setArtist(demo.artist);
    disc->setQuality(demo.quality);
    disc->setLocation(demo.location);
    disc->setDate(demo.date);
    disc->setLendDate(demo.lendDate);
    disc->setOutline(outlineOf(demo));
    disc->setOwnerName("null");
    disc->setOwnerDigest("null");
    disc->setShared("Yes");
    disc->setSerial(serialText(demo.serial));
    disc->setCategories(TextList(demo.categories));

    std::int64_t total = 0;
    for (const DemoFile& file : demo.files) {
        const std::string folder =
            std::string("d:\\") + (*file.folder ? lowered(file.folder) + "\\" : "");
        CQXFileData& entry = disc->files.emplace_back(
            file.name, folder, storedSizeText(static_cast<std::uint64_t>(file.bytes)), "d:");
        entry.setCategories(TextList(file.categories));
        total += file.bytes;
    }
    disc->setSize(megabytesText(static_cast<double>(total)));

    // A real audio CD's media tag: the CDDB disc id, the track count, each track's start in
    // frames and the disc length in seconds.
    disc->setInfo(audio ? disc_info::scannedAudioRecord(
                              "5b0ae107 7 150 35625 66935 106180 132605 164015 218300 2787")
                        : disc_info::scannedDataRecord());
    if (*demo.notes) {
        // A freshly scanned record always takes notes.
        disc->setInfo(disc_info::storeNotes(disc->info(), demo.notes).value());
    }
    return disc;
}

}  // namespace

CQXCatalog makeDemoCatalogue() {
    const DemoDisc audio{"1",
                         "Blue Train",
                         "John Coltrane",
                         "CD Audio",
                         "home",
                         "March 05 2004",
                         "",
                         0x5B0AE107,
                         {},
                         {{"", "Track01.cda", 44, {"Jazz"}},
                          {"", "Track02.cda", 44},
                          {"", "Track03.cda", 44},
                          {"", "Track04.cda", 44},
                          {"", "Track05.cda", 44},
                          {"", "Track06.cda", 44},
                          {"", "Track07.cda", 44}},
                         {"Audio", "Music"},
                         "Remastered edition, bought in Lisbon."};
    const DemoDisc backup{"2",
                          "BACKUP_2004",
                          "",
                          "CD-R",
                          "home",
                          "April 17 2004",
                          "",
                          0xE8A1F2C3,
                          {"Docs", "Docs\\Old", "Music", "Music\\Rock", "Photos"},
                          {{"Docs", "Budget 2004.xls", 48128},
                           {"Docs", "Letter to Anna.doc", 24576},
                           {"Docs\\Old", "Budget 2003.xls", 45056},
                           {"Docs\\Old", "Thesis draft.doc", 1183744},
                           {"Music", "Playlist.m3u", 212},
                           {"Music\\Rock", "Highway Song.mp3", 5242880, {"Music"}},
                           {"Music\\Rock", "Night Drive.mp3", 4718592, {"Music"}},
                           {"Photos", "Beach 001.jpg", 1572864},
                           {"Photos", "Beach 002.jpg", 1638400},
                           {"Photos", "Mountains.png", 3145728},
                           {"", "autorun.inf", 64},
                           {"", "README.txt", 1024}},
                          {},
                          "Weekly backup, keep until 2010.\r\nSecond copy in the office."};
    const DemoDisc software{"3",
                            "OFFICE_TOOLS",
                            "Tool Press",
                            "Original",
                            "Maria",
                            "May 02 2004",
                            "June 14 2004",
                            0x1A2B3C4D,
                            {"Setup", "Setup\\Data", "Manuals"},
                            {{"Setup", "setup.exe", 2359296},
                             {"Setup\\Data", "data1.cab", 52428800},
                             {"Setup\\Data", "data2.cab", 31457280},
                             {"Manuals", "User Guide.pdf", 3670016},
                             {"", "autorun.inf", 58}},
                            {"Software"},
                            "Lent to Maria for her thesis."};
    const DemoDisc dvd{"4",
                       "HOLIDAY_DVD",
                       "",
                       "DVD-R",
                       "home",
                       "August 21 2004",
                       "",
                       0x7C3E9A01,
                       {"VIDEO_TS"},
                       {{"VIDEO_TS", "VIDEO_TS.IFO", 12288},
                        {"VIDEO_TS", "VTS_01_0.IFO", 18432},
                        {"VIDEO_TS", "VTS_01_1.VOB", 1073709056, {"Movie"}},
                        {"VIDEO_TS", "VTS_01_2.VOB", 734003200, {"Movie"}}},
                       {"DVD", "Movie"},
                       ""};

    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    catalogue.appendDisc(makeDisc(audio, true));
    catalogue.appendDisc(makeDisc(backup, false));
    catalogue.appendDisc(makeDisc(software, false));
    catalogue.appendDisc(makeDisc(dvd, false));
    catalogue.categories = {"Audio", "DVD", "Software", "Music", "Movie", "Jazz"};
    auto& lendHistory = std::get<StringList>(*catalogue.named.find("LendCombo"));
    lendHistory.items = {"Maria"};
    auto& searchHistory = std::get<StringList>(*catalogue.named.find("SearchCombo"));
    searchHistory.items = {"beach", "mp3"};
    return catalogue;
}

}  // namespace vorlix
