#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// One file recorded from a disc. A catalogue holds millions of these, so the five texts share
// one heap block instead of five strings; accessors hand out views into it.
class CQXFileData {
public:
    CQXFileData() = default;
    CQXFileData(std::string_view name, std::string_view folder, std::string_view size,
                std::string_view drive, std::string_view discNumber = {});

    std::string_view name() const { return field(kName); }
    std::string_view folder() const { return field(kFolder); }
    std::string_view size() const { return field(kSize); }
    std::string_view drive() const { return field(kDrive); }
    // Set only while entries of several discs are gathered in one list; "0" once stored.
    std::string_view discNumber() const { return field(kDiscNumber); }

    void setName(std::string_view value) { setField(kName, value); }
    void setFolder(std::string_view value) { setField(kFolder, value); }
    void setSize(std::string_view value) { setField(kSize, value); }
    void setDrive(std::string_view value) { setField(kDrive, value); }
    void setDiscNumber(std::string_view value) { setField(kDiscNumber, value); }

    std::vector<std::string> categories;

private:
    enum Field { kName, kFolder, kSize, kDrive, kDiscNumber, kFieldCount };

    std::string_view field(Field which) const;
    void setField(Field which, std::string_view value);

    // Each field as a variable-length byte count followed by its bytes, in Field order. Empty
    // means all five fields are empty.
    std::string m_packed;
};

}  // namespace vorlix
