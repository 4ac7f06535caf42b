#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// An ordered list of texts in one block: each text is its length (a variable-length number)
// followed by its bytes, so an empty text costs one byte and an empty list nothing but the
// pointer. Category lists and history lists are short, but a file can hold millions of them or
// millions of texts in one, and each must cost about what it takes in the file.
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
        if (m_block) {
            clear();
        }
    }

    bool empty() const { return size() == 0; }
    std::size_t size() const;
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
    struct Header {
        std::size_t count;
        std::size_t used;
        std::size_t capacity;
    };

    Header* header() const { return reinterpret_cast<Header*>(m_block); }
    char* data() const { return m_block + sizeof(Header); }
    void reallocate(std::size_t capacity);

    char* m_block = nullptr;  // a Header, then `capacity` bytes of which `used` hold texts
};

}  // namespace vorlix
