#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class TextArena;

// One file recorded from a disc. A catalogue holds millions of these, so the five texts share
// one block, taken from the disc's arena when the entry is read from a file, and the category
// list, usually empty, is allocated only when used.
class CQXFileData {
public:
    CQXFileData() = default;
    CQXFileData(std::string_view name, std::string_view folder, std::string_view size,
                std::string_view drive, std::string_view discNumber = {});
    // Keeps the texts in the arena, which must outlive the entry.
    CQXFileData(TextArena& arena, std::string_view name, std::string_view folder,
                std::string_view size, std::string_view drive, std::string_view discNumber);
    CQXFileData(const CQXFileData& other);
    CQXFileData& operator=(const CQXFileData& other);
    CQXFileData(CQXFileData&& other) noexcept;
    CQXFileData& operator=(CQXFileData&& other) noexcept;
    ~CQXFileData();

    std::string_view name() const { return field(kName); }
    std::string_view folder() const { return field(kFolder); }
    std::string_view size() const { return field(kSize); }
    std::string_view drive() const { return field(kDrive); }
    // Set only while entries of several discs are gathered in one list; "0" once stored.
    std::string_view discNumber() const { return field(kDiscNumber); }
    // Name, folder, size, drive and disc number in one pass, for code that needs them all.
    std::array<std::string_view, 5> fields() const;

    void setName(std::string_view value) { setField(kName, value); }
    void setFolder(std::string_view value) { setField(kFolder, value); }
    void setSize(std::string_view value) { setField(kSize, value); }
    void setDrive(std::string_view value) { setField(kDrive, value); }
    void setDiscNumber(std::string_view value) { setField(kDiscNumber, value); }

    // Names of the categories attached to this file, in the order they were attached.
    const std::vector<std::string>& categories() const;
    std::vector<std::string>& editCategories();
    void setCategories(std::vector<std::string> categories);

private:
    enum Field { kName, kFolder, kSize, kDrive, kDiscNumber, kFieldCount };

    std::string_view field(Field which) const;
    void setField(Field which, std::string_view value);

    void replacePacked(char* packed, bool owned);

    // Each field as a variable-length byte count followed by its bytes, in Field order; null
    // while all five fields are empty. Owned unless it lives in an arena.
    char* m_packed = nullptr;
    bool m_ownsPacked = false;
    std::unique_ptr<std::vector<std::string>> m_categories;
};

}  // namespace vorlix
