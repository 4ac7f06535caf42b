#include "core/text_list.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "core/packed_text.h"

namespace vorlix {

std::string_view TextList::const_iterator::operator*() const {
    const char* p = m_at;
    return packed_text::take(p);
}

TextList::const_iterator& TextList::const_iterator::operator++() {
    packed_text::take(m_at);
    return *this;
}

TextList::TextList(std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts) {
        push_back(text);
    }
    shrinkToFit();
}

TextList::TextList(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        push_back(text);
    }
    shrinkToFit();
}

TextList::TextList(const TextList& other) {
    *this = other;
}

TextList& TextList::operator=(const TextList& other) {
    if (this != &other) {
        clear();
        if (other.isInline()) {
            m_bits = other.m_bits;
        } else {
            reallocate(other.header()->used);
            std::memcpy(header() + 1, other.data(), other.header()->used);
            header()->count = other.header()->count;
            header()->used = other.header()->used;
            shrinkToFit();
        }
    }
    return *this;
}

TextList::TextList(TextList&& other) noexcept : m_bits(std::exchange(other.m_bits, kInline)) {}

TextList& TextList::operator=(TextList&& other) noexcept {
    if (this != &other) {
        clear();
        m_bits = std::exchange(other.m_bits, kInline);
    }
    return *this;
}

const char* TextList::data() const {
    return isInline() ? reinterpret_cast<const char*>(&m_bits) + 1
                      : reinterpret_cast<const char*>(header() + 1);
}

std::size_t TextList::used() const {
    return isInline() ? (m_bits >> 1) & 0x7 : header()->used;
}

void TextList::setInline(std::size_t count, std::size_t used) {
    m_bits = (m_bits & ~std::uintptr_t{0xFF}) | kInline | (used << 1) | (count << 4);
}

TextList::const_iterator TextList::begin() const {
    return const_iterator(data());
}

TextList::const_iterator TextList::end() const {
    return const_iterator(data() + used());
}

std::string_view TextList::operator[](std::size_t index) const {
    auto it = begin();
    std::advance(it, static_cast<std::ptrdiff_t>(index));
    return *it;
}

bool TextList::contains(std::string_view text) const {
    return std::find(begin(), end(), text) != end();
}

std::vector<std::string> TextList::toVector() const {
    std::vector<std::string> texts;
    texts.reserve(size());
    for (std::string_view text : *this) {
        texts.emplace_back(text);
    }
    return texts;
}

void TextList::push_back(std::string_view text) {
    const std::size_t count = size() + 1;
    const std::size_t before = used();
    const std::size_t needed = before + packed_text::storedSize(text);
    if (isInline() && needed <= kInlineCapacity) {
        packed_text::put(const_cast<char*>(data()) + before, text);
        setInline(count, needed);
        return;
    }
    if (isInline() || needed > header()->capacity) {
        reallocate(std::max<std::size_t>(needed, 2 * before));
    }
    packed_text::put(reinterpret_cast<char*>(header() + 1) + before, text);
    header()->used = needed;
    header()->count = count;
}

void TextList::clear() {
    if (!isInline()) {
        std::free(header());
    }
    m_bits = kInline;
}

void TextList::shrinkToFit() {
    if (isInline()) {
        return;
    }
    const std::size_t count = header()->count;
    const std::size_t bytes = header()->used;
    if (bytes <= kInlineCapacity) {
        Header* block = header();
        std::memcpy(reinterpret_cast<char*>(&m_bits) + 1, block + 1, bytes);
        setInline(count, bytes);
        std::free(block);
    } else if (header()->capacity > bytes) {
        reallocate(bytes);
    }
}

// Moves the texts into a block with room for `capacity` bytes, keeping count and used.
void TextList::reallocate(std::size_t capacity) {
    const std::size_t count = size();
    const std::size_t bytes = used();
    if (isInline()) {
        auto* block = static_cast<Header*>(std::malloc(sizeof(Header) + capacity));
        if (!block) {
            throw std::bad_alloc();
        }
        std::memcpy(block + 1, data(), bytes);
        m_bits = reinterpret_cast<std::uintptr_t>(block);
    } else {
        auto* block = static_cast<Header*>(std::realloc(header(), sizeof(Header) + capacity));
        if (!block) {
            throw std::bad_alloc();
        }
        m_bits = reinterpret_cast<std::uintptr_t>(block);
    }
    *header() = Header{count, bytes, capacity};
}

bool operator==(const TextList& a, const TextList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

bool operator==(const TextList& a, const std::vector<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace vorlix
