#include "platform/disc/cda_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/disc/cd_time.h"
#include "platform/disc/volume_serial.h"

namespace vorlix {

namespace {

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

void putTime(std::string& out, const CdTime& time) {
    out.push_back(static_cast<char>(time.frames));
    out.push_back(static_cast<char>(time.seconds));
    out.push_back(static_cast<char>(time.minutes));
    out.push_back('\0');
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string cdaFileName(int track) {
    char name[16];
    std::snprintf(name, sizeof name, "Track%02d.cda", track);
    return name;
}

std::string cdaFileContent(int track, std::uint32_t discSerial, std::uint32_t startSector,
                           std::uint32_t lengthSectors) {
    std::string out;
    out.reserve(kCdaFileSize);
    out += "RIFF";
    putLittleEndian(out, kCdaFileSize - 8, 4);
    out += "CDDA";
    out += "fmt ";
    putLittleEndian(out, 24, 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(track), 2);
    putLittleEndian(out, discSerial, 4);
    putLittleEndian(out, startSector, 4);
    putLittleEndian(out, lengthSectors, 4);
    putTime(out, cdTimeOfSector(startSector));
    putTime(out, cdTimeOfFrames(lengthSectors));
    return out;
}

std::optional<std::string> cdaFileOf(const AudioToc& toc, std::string_view name) {
    const std::vector<std::uint32_t>& starts = toc.trackStarts;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int track = toc.firstTrack + static_cast<int>(i);
        if (sameName(name, cdaFileName(track))) {
            const std::uint32_t end = i + 1 < starts.size() ? starts[i + 1] : toc.leadOut;
            return cdaFileContent(track, audioDiscSerial(toc), starts[i], end - starts[i]);
        }
    }
    return std::nullopt;
}

}  // namespace vorlix
