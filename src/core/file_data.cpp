#include "core/file_data.h"

#include <array>

namespace vorlix {

namespace {

void appendLength(std::string& out, std::size_t length) {
    while (length >= 0x80) {
        out.push_back(static_cast<char>(0x80 | (length & 0x7F)));
        length >>= 7;
    }
    out.push_back(static_cast<char>(length));
}

std::size_t readLength(std::string_view packed, std::size_t& pos) {
    std::size_t length = 0;
    int shift = 0;
    while (true) {
        const auto byte = static_cast<unsigned char>(packed[pos++]);
        length |= std::size_t{byte & 0x7Fu} << shift;
        if ((byte & 0x80) == 0) {
            return length;
        }
        shift += 7;
    }
}

std::string pack(const std::array<std::string_view, 5>& fields) {
    std::size_t total = 0;
    for (auto f : fields) {
        total += f.size() + 1;
    }
    std::string packed;
    packed.reserve(total + 4);
    for (auto f : fields) {
        appendLength(packed, f.size());
        packed.append(f);
    }
    return packed;
}

}  // namespace

CQXFileData::CQXFileData(std::string_view name, std::string_view folder, std::string_view size,
                         std::string_view drive, std::string_view discNumber)
    : m_packed(pack({name, folder, size, drive, discNumber})) {}

std::string_view CQXFileData::field(Field which) const {
    if (m_packed.empty()) {
        return {};
    }
    const std::string_view packed = m_packed;
    std::size_t pos = 0;
    for (int i = 0;; ++i) {
        const std::size_t length = readLength(packed, pos);
        if (i == which) {
            return packed.substr(pos, length);
        }
        pos += length;
    }
}

void CQXFileData::setField(Field which, std::string_view value) {
    if (field(which) == value) {
        return;
    }
    std::array<std::string, kFieldCount> copies;
    std::array<std::string_view, kFieldCount> fields;
    for (int i = 0; i < kFieldCount; ++i) {
        copies[i] = i == which ? std::string(value) : std::string(field(static_cast<Field>(i)));
        fields[i] = copies[i];
    }
    m_packed = pack(fields);
}

}  // namespace vorlix
