#include "core/file_data.h"

#include <utility>

#include "core/packed_text.h"

namespace vorlix {

namespace {

// Set in a block's pointer when the entry owns the block.
constexpr std::uintptr_t kOwned = 1;

const char* blockAt(std::uintptr_t pointer) {
    return reinterpret_cast<const char*>(pointer & ~kOwned);
}

template <std::size_t N>
std::array<std::string_view, N> readBlock(std::uintptr_t pointer) {
    std::array<std::string_view, N> fields{};
    if (pointer != 0) {
        const char* p = blockAt(pointer);
        for (auto& field : fields) {
            field = packed_text::take(p);
        }
    }
    return fields;
}

// A block the entry owns, or 0 when every field is empty.
template <std::size_t N>
std::uintptr_t ownedBlock(const std::array<std::string_view, N>& fields) {
    std::size_t size = 0;
    bool empty = true;
    for (auto field : fields) {
        size += packed_text::storedSize(field);
        empty = empty && field.empty();
    }
    if (empty) {
        return 0;
    }
    // Blocks from new[] are aligned, which leaves the low bit free for the mark.
    char* block = new char[size];
    char* out = block;
    for (auto field : fields) {
        out = packed_text::put(out, field);
    }
    return reinterpret_cast<std::uintptr_t>(block) | kOwned;
}

void freeBlock(std::uintptr_t pointer) {
    if (pointer & kOwned) {
        delete[] blockAt(pointer);
    }
}

}  // namespace

CQXFileData::CQXFileData(std::string_view name, std::string_view folder, std::string_view size,
                         std::string_view drive, std::string_view discNumber)
    : m_own(ownedBlock<3>({name, size, discNumber})), m_place(ownedBlock<2>({folder, drive})) {}

CQXFileData::CQXFileData(const char* own, const char* place)
    : m_own(reinterpret_cast<std::uintptr_t>(own)),
      m_place(reinterpret_cast<std::uintptr_t>(place)) {}

CQXFileData::CQXFileData(const CQXFileData& other) {
    *this = other;
}

CQXFileData& CQXFileData::operator=(const CQXFileData& other) {
    if (this != &other) {
        release();
        m_own = ownedBlock(other.ownFields());
        m_place = ownedBlock(other.placeFields());
        m_categories = other.m_categories;
    }
    return *this;
}

CQXFileData::CQXFileData(CQXFileData&& other) noexcept
    : m_own(std::exchange(other.m_own, 0)),
      m_place(std::exchange(other.m_place, 0)),
      m_categories(std::move(other.m_categories)) {}

CQXFileData& CQXFileData::operator=(CQXFileData&& other) noexcept {
    if (this != &other) {
        release();
        m_own = std::exchange(other.m_own, 0);
        m_place = std::exchange(other.m_place, 0);
        m_categories = std::move(other.m_categories);
    }
    return *this;
}

CQXFileData::~CQXFileData() {
    release();
}

void CQXFileData::release() {
    freeBlock(std::exchange(m_own, 0));
    freeBlock(std::exchange(m_place, 0));
}

std::array<std::string_view, 3> CQXFileData::ownFields() const {
    return readBlock<3>(m_own);
}

std::array<std::string_view, 2> CQXFileData::placeFields() const {
    return readBlock<2>(m_place);
}

std::string_view CQXFileData::name() const {
    return ownFields()[0];
}

std::string_view CQXFileData::folder() const {
    return placeFields()[0];
}

std::string_view CQXFileData::size() const {
    return ownFields()[1];
}

std::string_view CQXFileData::drive() const {
    return placeFields()[1];
}

std::string_view CQXFileData::discNumber() const {
    return ownFields()[2];
}

std::array<std::string_view, 5> CQXFileData::fields() const {
    std::array<std::string_view, 5> fields{};
    if (m_own != 0) {
        const char* p = blockAt(m_own);
        fields[0] = packed_text::take(p);
        fields[2] = packed_text::take(p);
        fields[4] = packed_text::take(p);
    }
    if (m_place != 0) {
        const char* p = blockAt(m_place);
        fields[1] = packed_text::take(p);
        fields[3] = packed_text::take(p);
    }
    return fields;
}

void CQXFileData::setOwn(std::string_view name, std::string_view size,
                         std::string_view discNumber) {
    const std::uintptr_t block = ownedBlock<3>({name, size, discNumber});
    freeBlock(m_own);
    m_own = block;
}

void CQXFileData::setPlace(std::string_view folder, std::string_view drive) {
    const std::uintptr_t block = ownedBlock<2>({folder, drive});
    freeBlock(m_place);
    m_place = block;
}

void CQXFileData::setName(std::string_view value) {
    const auto [name, size, discNumber] = ownFields();
    if (name != value) {
        setOwn(value, size, discNumber);
    }
}

void CQXFileData::setSize(std::string_view value) {
    const auto [name, size, discNumber] = ownFields();
    if (size != value) {
        setOwn(name, value, discNumber);
    }
}

void CQXFileData::setDiscNumber(std::string_view value) {
    const auto [name, size, discNumber] = ownFields();
    if (discNumber != value) {
        setOwn(name, size, value);
    }
}

void CQXFileData::setFolder(std::string_view value) {
    const auto [folder, drive] = placeFields();
    if (folder != value) {
        setPlace(value, drive);
    }
}

void CQXFileData::setDrive(std::string_view value) {
    const auto [folder, drive] = placeFields();
    if (drive != value) {
        setPlace(folder, value);
    }
}

}  // namespace vorlix
