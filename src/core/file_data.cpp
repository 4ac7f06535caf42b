#include "core/file_data.h"

#include <cstring>
#include <utility>

#include "core/text_arena.h"

namespace vorlix {

namespace {

std::size_t lengthSize(std::size_t length) {
    std::size_t bytes = 1;
    while (length >= 0x80) {
        length >>= 7;
        ++bytes;
    }
    return bytes;
}

char* putLength(char* out, std::size_t length) {
    while (length >= 0x80) {
        *out++ = static_cast<char>(0x80 | (length & 0x7F));
        length >>= 7;
    }
    *out++ = static_cast<char>(length);
    return out;
}

// Reads the field at p and moves p past it.
std::string_view takeField(const char*& p) {
    std::size_t length = 0;
    int shift = 0;
    while (true) {
        const auto byte = static_cast<unsigned char>(*p++);
        length |= std::size_t{byte & 0x7Fu} << shift;
        if ((byte & 0x80) == 0) {
            break;
        }
        shift += 7;
    }
    const std::string_view field(p, length);
    p += length;
    return field;
}

std::size_t packedSize(const std::array<std::string_view, 5>& fields) {
    std::size_t total = 0;
    for (auto f : fields) {
        total += f.size();
    }
    if (total == 0) {
        return 0;
    }
    for (auto f : fields) {
        total += lengthSize(f.size());
    }
    return total;
}

void pack(const std::array<std::string_view, 5>& fields, char* out) {
    for (auto f : fields) {
        out = putLength(out, f.size());
        if (!f.empty()) {
            std::memcpy(out, f.data(), f.size());
        }
        out += f.size();
    }
}

// A heap block holding the fields, or null when they are all empty.
char* packOwned(const std::array<std::string_view, 5>& fields) {
    const std::size_t size = packedSize(fields);
    if (size == 0) {
        return nullptr;
    }
    char* packed = new char[size];
    pack(fields, packed);
    return packed;
}

const std::vector<std::string> kNoCategories;

}  // namespace

CQXFileData::CQXFileData(std::string_view name, std::string_view folder, std::string_view size,
                         std::string_view drive, std::string_view discNumber)
    : m_packed(packOwned({name, folder, size, drive, discNumber})), m_ownsPacked(true) {}

CQXFileData::CQXFileData(TextArena& arena, std::string_view name, std::string_view folder,
                         std::string_view size, std::string_view drive,
                         std::string_view discNumber) {
    const std::array<std::string_view, 5> fields = {name, folder, size, drive, discNumber};
    if (const std::size_t bytes = packedSize(fields); bytes > 0) {
        m_packed = arena.allocate(bytes);
        pack(fields, m_packed);
    }
}

CQXFileData::CQXFileData(const CQXFileData& other) {
    *this = other;
}

CQXFileData::CQXFileData(CQXFileData&& other) noexcept
    : m_packed(std::exchange(other.m_packed, nullptr)),
      m_ownsPacked(std::exchange(other.m_ownsPacked, false)),
      m_categories(std::move(other.m_categories)) {}

CQXFileData& CQXFileData::operator=(CQXFileData&& other) noexcept {
    if (this != &other) {
        replacePacked(std::exchange(other.m_packed, nullptr),
                      std::exchange(other.m_ownsPacked, false));
        m_categories = std::move(other.m_categories);
    }
    return *this;
}

CQXFileData::~CQXFileData() {
    replacePacked(nullptr, false);
}

void CQXFileData::replacePacked(char* packed, bool owned) {
    if (m_ownsPacked) {
        delete[] m_packed;
    }
    m_packed = packed;
    m_ownsPacked = owned;
}

CQXFileData& CQXFileData::operator=(const CQXFileData& other) {
    if (this != &other) {
        replacePacked(packOwned(other.fields()), true);
        m_categories = other.m_categories
                           ? std::make_unique<std::vector<std::string>>(*other.m_categories)
                           : nullptr;
    }
    return *this;
}

std::array<std::string_view, 5> CQXFileData::fields() const {
    std::array<std::string_view, 5> result;
    if (m_packed) {
        const char* p = m_packed;
        for (auto& f : result) {
            f = takeField(p);
        }
    }
    return result;
}

std::string_view CQXFileData::field(Field which) const {
    if (!m_packed) {
        return {};
    }
    const char* p = m_packed;
    for (int i = 0; i < which; ++i) {
        takeField(p);
    }
    return takeField(p);
}

void CQXFileData::setField(Field which, std::string_view value) {
    std::array<std::string_view, kFieldCount> current = fields();
    if (current[which] == value) {
        return;
    }
    current[which] = value;
    replacePacked(packOwned(current), true);
}

const std::vector<std::string>& CQXFileData::categories() const {
    return m_categories ? *m_categories : kNoCategories;
}

std::vector<std::string>& CQXFileData::editCategories() {
    if (!m_categories) {
        m_categories = std::make_unique<std::vector<std::string>>();
    }
    return *m_categories;
}

void CQXFileData::setCategories(std::vector<std::string> categories) {
    m_categories = categories.empty()
                       ? nullptr
                       : std::make_unique<std::vector<std::string>>(std::move(categories));
}

}  // namespace vorlix
