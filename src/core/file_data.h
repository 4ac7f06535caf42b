#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text_list.h"

namespace vorlix {

// One file recorded from a disc. A catalogue holds millions of these, so an entry is three
// pointers: a block with its name, size and disc number, a block with its folder and drive,
// which the entries of one folder share when they live in a disc's list, and its category
// list, usually empty. A block is its texts packed back to back (packed_text.h). The entry owns
// a block it made itself, marked in the pointer's low bit; the blocks of entries that a disc's
// list made belong to that list, which keeps them at even addresses.
class CQXFileData {
public:
    CQXFileData() = default;
    CQXFileData(std::string_view name, std::string_view folder, std::string_view size,
                std::string_view drive, std::string_view discNumber = {});
    CQXFileData(const CQXFileData& other);
    CQXFileData& operator=(const CQXFileData& other);
    CQXFileData(CQXFileData&& other) noexcept;
    CQXFileData& operator=(CQXFileData&& other) noexcept;
    ~CQXFileData();

    std::string_view name() const;
    std::string_view folder() const;
    std::string_view size() const;
    std::string_view drive() const;
    // Set only while entries of several discs are gathered in one list; "0" once stored.
    std::string_view discNumber() const;
    // Name, folder, size, drive and disc number in one pass, for code that needs them all.
    std::array<std::string_view, 5> fields() const;

    void setName(std::string_view value);
    void setFolder(std::string_view value);
    void setSize(std::string_view value);
    void setDrive(std::string_view value);
    void setDiscNumber(std::string_view value);

    // Names of the categories attached to this file, in the order they were attached.
    const TextList& categories() const { return m_categories; }
    TextList& editCategories() { return m_categories; }
    void setCategories(TextList categories) { m_categories = std::move(categories); }

    // An entry over blocks at even addresses that outlive it and that it does not free: the
    // own block packs name, size and disc number, the place block folder and drive, in that
    // order; null stands for all-empty texts.
    CQXFileData(const char* own, const char* place);

private:
    std::array<std::string_view, 3> ownFields() const;
    std::array<std::string_view, 2> placeFields() const;
    void setOwn(std::string_view name, std::string_view size, std::string_view discNumber);
    void setPlace(std::string_view folder, std::string_view drive);
    void release();

    std::uintptr_t m_own = 0;    // name, size, disc number; 0 while all three are empty
    std::uintptr_t m_place = 0;  // folder and drive; 0 while both are empty
    TextList m_categories;
};

}  // namespace vorlix
