#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// An ordered list of texts back to back: each text is its length (a variable-length number)
// followed by its bytes, so an empty text costs one byte. Up to seven bytes of texts sit in the
// list object itself, which holds most category lists of file entries (none, or one short
// name); longer lists take one block. Category lists and history lists are short, but a file
// can hold millions of them or millions of texts in one, and each must cost about what it
// takes in the file.
class TextList {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        const_iterator() = default;
        explicit const_iterator(const char* at) : m_at(at) {}
        std::string_view operator*() const;
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_at == other.m_at; }

    private:
        const char* m_at = nullptr;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;

    TextList() = default;
    TextList(std::initializer_list<std::string_view> texts);
    explicit TextList(const std::vector<std::string>& texts);
    TextList(const TextList& other);
    TextList& operator=(const TextList& other);
    TextList(TextList&& other) noexcept;
    TextList& operator=(TextList&& other) noexcept;
    ~TextList() {
        if (!isInline()) {
            clear();
        }
    }

    bool empty() const { return size() == 0; }
    std::size_t size() const { return isInline() ? (m_bits >> 4) & 0x7 : header()->count; }
    const_iterator begin() const;
    const_iterator end() const;
    // Walks the list from its start: meant for the short lists that are read by position.
    std::string_view operator[](std::size_t index) const;
    bool contains(std::string_view text) const;
    std::vector<std::string> toVector() const;

    void push_back(std::string_view text);
    void clear();
    // Removes every text for which the predicate holds; returns how many went.
    template <typename Predicate>
    std::size_t eraseIf(Predicate predicate) {
        TextList kept;
        for (std::string_view text : *this) {
            if (!predicate(text)) {
                kept.push_back(text);
            }
        }
        const std::size_t removed = size() - kept.size();
        if (removed > 0) {
            kept.shrinkToFit();
            *this = std::move(kept);
        }
        return removed;
    }
    // Gives back the room kept for further texts; for a list that is complete.
    void shrinkToFit();

    friend bool operator==(const TextList& a, const TextList& b);
    friend bool operator==(const TextList& a, const std::vector<std::string>& b);

private:
    static_assert(std::endian::native == std::endian::little,
                  "the mark of an inline list shares its byte with a pointer's lowest bits");
    struct Header {
        std::size_t count;
        std::size_t used;
        std::size_t capacity;
    };
    // The first byte of an inline list: the mark in bit 0, the bytes used in bits 1 to 3, the
    // count in bits 4 to 6. An aligned pointer never has bit 0 set.
    static constexpr std::uintptr_t kInline = 1;
    static constexpr std::size_t kInlineCapacity = sizeof(std::uintptr_t) - 1;

    bool isInline() const { return (m_bits & kInline) != 0; }
    Header* header() const { return reinterpret_cast<Header*>(m_bits); }
    const char* data() const;
    std::size_t used() const;
    void setInline(std::size_t count, std::size_t used);
    void reallocate(std::size_t capacity);

    // Inline, the texts follow the first byte; otherwise the address of a Header followed by
    // `capacity` bytes of which `used` hold texts.
    std::uintptr_t m_bits = kInline;
};

}  // namespace vorlix
