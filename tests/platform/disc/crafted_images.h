#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

// Disc images made by the tools that write real ones, and the damage a hostile image carries,
// put in by hand where the tools would never write it.
namespace vorlix::test {

inline constexpr std::size_t kImageSector = 2048;

inline std::uint32_t le32(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

inline std::uint16_t le16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

inline void putLe(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    }
}

inline void putBe32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * (3 - i)));
    }
}

inline void runTool(const std::string& command) {
    ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0) << command;
}

// An ISO 9660 image of the folder tree, written by xorriso with mkisofs options ("-J" adds
// Joliet names).
inline std::string isoImage(const std::string& tree, const std::string& image,
                            const std::string& options = {}) {
    runTool("xorriso -as mkisofs " + options + " -o '" + image + "' '" + tree + "'");
    return image;
}

// A UDF image of the folder tree with an ISO 9660 bridge, written by genisoimage.
inline std::string udfImage(const std::string& tree, const std::string& image) {
    runTool("genisoimage -udf -V UDFDISC -o '" + image + "' '" + tree + "'");
    return image;
}

// Where the directory record of the folder name lies in the root of the image's bytes: in the
// primary tree, or with joliet in the Joliet tree; npos when there is none. The root's own
// extent is put in rootExtent.
inline std::size_t isoFolderRecord(const std::string& bytes, const std::string& name, bool joliet,
                                   std::uint32_t& rootExtent) {
    std::size_t descriptor = 16 * kImageSector;
    for (;; descriptor += kImageSector) {
        if (descriptor + kImageSector > bytes.size() ||
            bytes.substr(descriptor + 1, 5) != "CD001") {
            return std::string::npos;
        }
        const auto type = static_cast<unsigned char>(bytes[descriptor]);
        if ((!joliet && type == 1) ||
            (joliet && type == 2 && bytes.substr(descriptor + 88, 2) == "%/")) {
            break;
        }
    }
    rootExtent = le32(bytes, descriptor + 156 + 2);
    const std::size_t end = rootExtent * kImageSector + le32(bytes, descriptor + 156 + 10);
    std::string recorded;
    for (const char c : name) {
        recorded += joliet ? std::string{'\0', c} : std::string{c};
    }
    for (std::size_t at = rootExtent * kImageSector; at < end;) {
        const auto length = static_cast<unsigned char>(bytes[at]);
        if (length == 0) {
            at = (at / kImageSector + 1) * kImageSector;
            continue;
        }
        const auto nameLength = static_cast<unsigned char>(bytes[at + 32]);
        if ((bytes[at + 25] & 2) != 0 && bytes.substr(at + 33, nameLength) == recorded) {
            return at;
        }
        at += length;
    }
    return std::string::npos;
}

// Points the directory record of the folder name in the image's root back at the root's own
// extent, in both byte orders: in the primary tree, or with joliet in the Joliet tree. Walking
// the folder then walks the root again, without end.
inline void loopIsoFolder(const std::string& image, const std::string& name, bool joliet) {
    std::string bytes = readFile(image);
    std::uint32_t root = 0;
    const std::size_t at = isoFolderRecord(bytes, name, joliet, root);
    ASSERT_NE(at, std::string::npos) << "no folder " << name << " in the root";
    putLe(bytes, at + 2, root, 4);
    putBe32(bytes, at + 6, root);
    writeFile(image, bytes);
}

// Points the directory record of the folder name in the image's root at the given extent, in
// both byte orders, as a damaged image may: records far beyond its end, or more than it holds.
inline void setIsoFolderExtent(const std::string& image, const std::string& name, bool joliet,
                               std::uint32_t lba, std::uint32_t size) {
    std::string bytes = readFile(image);
    std::uint32_t root = 0;
    const std::size_t at = isoFolderRecord(bytes, name, joliet, root);
    ASSERT_NE(at, std::string::npos) << "no folder " << name << " in the root";
    putLe(bytes, at + 2, lba, 4);
    putBe32(bytes, at + 6, lba);
    putLe(bytes, at + 10, size, 4);
    putBe32(bytes, at + 14, size);
    writeFile(image, bytes);
}

// The CRC of a UDF descriptor (CRC-CCITT, polynomial 0x1021, starting from 0).
inline std::uint16_t udfCrc(const std::string& bytes, std::size_t at, std::size_t size) {
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << 8;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000) != 0 ? (crc << 1) ^ 0x1021 : crc << 1;
        }
    }
    return static_cast<std::uint16_t>(crc);
}

// Points the file identifier of the folder name in the root of the image's UDF file system at
// the root's own file entry, and seals the identifier again with a valid CRC and checksum.
inline void loopUdfFolder(const std::string& image, const std::string& name) {
    std::string bytes = readFile(image);
    const std::size_t anchor = 256 * kImageSector;
    const std::uint32_t sequence = le32(bytes, anchor + 20);
    std::uint32_t partition = 0;
    std::uint32_t fileSet = 0;
    for (std::uint32_t lba = sequence; le16(bytes, lba * kImageSector) != 8; ++lba) {
        const std::size_t at = lba * kImageSector;
        if (le16(bytes, at) == 5) {
            partition = le32(bytes, at + 188);
        } else if (le16(bytes, at) == 6) {
            fileSet = le32(bytes, at + 252);
        }
    }
    const std::uint32_t root = le32(bytes, (partition + fileSet) * kImageSector + 404);
    const std::size_t entry = (partition + root) * kImageSector;
    ASSERT_EQ(le16(bytes, entry), 261) << "the root is no file entry";
    ASSERT_EQ(le16(bytes, entry + 34) & 7, 0) << "the root's data is not in short extents";
    const std::size_t extent = entry + 176 + le32(bytes, entry + 168);
    const std::size_t data = (partition + le32(bytes, extent + 4)) * kImageSector;
    const std::size_t end = data + (le32(bytes, extent) & 0x3FFFFFFF);
    for (std::size_t at = data; at + 38 <= end && le16(bytes, at) == 257;) {
        const std::size_t nameAt = at + 38 + le16(bytes, at + 36);
        const auto nameLength = static_cast<unsigned char>(bytes[at + 19]);
        if (bytes.substr(nameAt, nameLength) == "\x08" + name) {
            putLe(bytes, at + 24, root, 4);
            putLe(bytes, at + 8, udfCrc(bytes, at + 16, le16(bytes, at + 10)), 2);
            unsigned sum = 0;
            for (std::size_t i = 0; i < 16; ++i) {
                sum += i == 4 ? 0 : static_cast<unsigned char>(bytes[at + i]);
            }
            bytes[at + 4] = static_cast<char>(sum);
            writeFile(image, bytes);
            return;
        }
        at += (nameAt + nameLength - at + 3) & ~std::size_t{3};
    }
    FAIL() << "no folder " << name << " in the root";
}

}  // namespace vorlix::test
