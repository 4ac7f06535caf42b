#include "platform/disc/rock_ridge_names.h"

#include <algorithm>

namespace vorlix {

namespace {

constexpr std::size_t kEntryHeader = 4;
constexpr std::size_t kNameHeader = 5;
constexpr std::size_t kContinuationEntrySize = 28;
constexpr int kMaxContinuations = 32;
constexpr std::size_t kMaxNameBytes = 1024;

enum NameFlags : unsigned char { kContinues = 0x01, kCurrent = 0x02, kParent = 0x04 };

std::uint32_t le32(std::string_view at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at.data());
    return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
           std::uint32_t{b[3]} << 24;
}

}  // namespace

struct RockRidgeNames::AreaEnd {
    bool nameComplete = false;
    // Where the entries go on; a length of 0 when the area does not say.
    std::uint32_t lba = 0;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

RockRidgeNames::RockRidgeNames(SectorWindow& continuations) : m_continuations(&continuations) {}

bool RockRidgeNames::read(std::string_view systemUse, std::string& name) {
    name.clear();
    bool found = false;
    std::string_view area = systemUse;
    for (int hop = 0; hop <= kMaxContinuations; ++hop) {
        const AreaEnd end = readArea(area, name, found);
        if (end.nameComplete || end.length == 0) {
            break;
        }
        area = continuationArea(end.lba, end.offset, end.length);
    }
    return found;
}

RockRidgeNames::AreaEnd RockRidgeNames::readArea(std::string_view area, std::string& name,
                                                 bool& found) const {
    AreaEnd end;
    while (area.size() >= kEntryHeader) {
        const std::size_t length = static_cast<unsigned char>(area[2]);
        if (length < kEntryHeader || length > area.size()) {
            break;
        }
        const std::string_view signature = area.substr(0, 2);
        if (signature == "NM" && length >= kNameHeader) {
            found = true;
            const auto flags = static_cast<unsigned char>(area[4]);
            if ((flags & (kCurrent | kParent)) != 0) {
                name = (flags & kCurrent) != 0 ? "." : "..";
                end.nameComplete = true;
                return end;
            }
            const std::string_view part = area.substr(kNameHeader, length - kNameHeader);
            name.append(part.substr(0, kMaxNameBytes - std::min(kMaxNameBytes, name.size())));
            if ((flags & kContinues) == 0) {
                end.nameComplete = true;
                return end;
            }
        } else if (signature == "CE" && length >= kContinuationEntrySize) {
            end.lba = le32(area.substr(4));
            end.offset = le32(area.substr(12));
            end.length = le32(area.substr(20));
        } else if (signature == "ST") {
            break;
        }
        area.remove_prefix(length);
    }
    return end;
}

std::string_view RockRidgeNames::continuationArea(std::uint32_t lba, std::uint32_t offset,
                                                  std::uint32_t length) {
    // A continuation area lies within one sector.
    const std::uint8_t* sector = m_continuations->sectors(lba, 1);
    if (sector == nullptr || offset >= kSectorSize || length > kSectorSize - offset) {
        return {};
    }
    return std::string_view(reinterpret_cast<const char*>(sector) + offset, length);
}

}  // namespace vorlix
