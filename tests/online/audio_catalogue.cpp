#include "online/audio_catalogue.h"

#include <cstdio>

#include "core/disc_info.h"

namespace vorlix::test {

std::unique_ptr<CQXDisc> scannedAudioDisc(const std::string& number, const std::string& tag,
                                          std::size_t tracks) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName("Audio CD");
    disc->setOutline(number + " Audio CD\r\n");
    disc->setInfo(disc_info::scannedAudioRecord(tag));
    for (std::size_t track = 1; track <= tracks; ++track) {
        char name[32];
        std::snprintf(name, sizeof name, "Track%02zu.cda", track);
        disc->files.emplace_back(name, "d:\\", "1024", "d:", number);
    }
    return disc;
}

std::unique_ptr<CQXDisc> scannedDataDisc(const std::string& number) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName("Data");
    disc->setOutline(number + " Data\r\n");
    disc->setInfo(disc_info::scannedDataRecord());
    disc->files.emplace_back("readme.txt", "d:\\", "12", "d:", number);
    return disc;
}

std::vector<std::string> entryNames(const CQXDisc& disc) {
    std::vector<std::string> names;
    for (const CQXFileData& entry : disc.files) {
        names.emplace_back(entry.name());
    }
    return names;
}

}  // namespace vorlix::test
