#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_entries.h"
#include "core/text_list.h"

namespace vorlix {

// The location of a disc that is available; any other location names the borrower.
inline constexpr std::string_view kHomeLocation = "home";

// The texts of one disc and the names of the categories attached to it. Every text is kept as
// the catalogue file keeps it, numbers, dates, sizes and flags included. The texts sit back to
// back in one block (packed_text.h), or none while all are empty: a file can hold a great many
// discs of a few bytes each, and each must cost about what it takes in the file. Setting a text
// makes a new block, so a view of any text of the disc lasts until the next change.
class DiscTexts {
public:
    static constexpr std::size_t kTextCount = 14;
    // All texts in the order the catalogue file holds them.
    using Texts = std::array<std::string_view, kTextCount>;

    DiscTexts() = default;
    DiscTexts(const DiscTexts& other);
    DiscTexts& operator=(const DiscTexts& other);
    DiscTexts(DiscTexts&& other) noexcept;
    DiscTexts& operator=(DiscTexts&& other) noexcept;
    ~DiscTexts();

    std::string_view number() const;
    std::string_view quality() const;
    std::string_view info() const;  // XML text with the root element "info"
    std::string_view artist() const;
    std::string_view name() const;
    std::string_view location() const;  // "home" when available, else the borrower or "virtual"
    std::string_view date() const;
    std::string_view lendDate() const;
    std::string_view outline() const;  // folder tree, one CR LF terminated line per folder,
                                       // tab-indented
    std::string_view ownerName() const;
    std::string_view ownerDigest() const;
    std::string_view shared() const;  // "Yes" or "No"
    std::string_view serial() const;
    std::string_view size() const;
    // Every text in one pass, for code that needs them all.
    Texts texts() const;

    void setNumber(std::string_view value);
    void setQuality(std::string_view value);
    void setInfo(std::string_view value);
    void setArtist(std::string_view value);
    void setName(std::string_view value);
    void setLocation(std::string_view value);
    void setDate(std::string_view value);
    void setLendDate(std::string_view value);
    void setOutline(std::string_view value);
    void setOwnerName(std::string_view value);
    void setOwnerDigest(std::string_view value);
    void setShared(std::string_view value);
    void setSerial(std::string_view value);
    void setSize(std::string_view value);
    void setTexts(const Texts& texts);

    const TextList& categories() const { return m_categories; }
    TextList& editCategories() { return m_categories; }
    void setCategories(TextList categories) { m_categories = std::move(categories); }

private:
    enum Text : std::size_t {
        kNumber,
        kQuality,
        kInfo,
        kArtist,
        kName,
        kLocation,
        kDate,
        kLendDate,
        kOutline,
        kOwnerName,
        kOwnerDigest,
        kShared,
        kSerial,
        kSize,
    };

    std::string_view text(Text which) const;
    void setText(Text which, std::string_view value);
    void replaceBlock(char* block);

    char* m_block = nullptr;  // null while every text is empty
    TextList m_categories;
};

// One disc of the catalogue; owns the entries of the files recorded from it, in walk order.
class CQXDisc : public DiscTexts {
public:
    FileEntries files;
};

// The outline with its first line replaced by "<number part> <newName>", the number part being
// the outline up to its first space.
std::string outlineWithName(const std::string& outline, const std::string& newName);

}  // namespace vorlix
