#include "core/text_list.h"

#include <algorithm>
#include <cstdlib>
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
        if (other.m_block) {
            reallocate(other.header()->used);
            std::memcpy(m_block, other.m_block, sizeof(Header) + other.header()->used);
            header()->capacity = other.header()->used;
        }
    }
    return *this;
}

TextList::TextList(TextList&& other) noexcept : m_block(std::exchange(other.m_block, nullptr)) {}

TextList& TextList::operator=(TextList&& other) noexcept {
    if (this != &other) {
        clear();
        m_block = std::exchange(other.m_block, nullptr);
    }
    return *this;
}

std::size_t TextList::size() const {
    return m_block ? header()->count : 0;
}

TextList::const_iterator TextList::begin() const {
    return const_iterator(m_block ? data() : nullptr);
}

TextList::const_iterator TextList::end() const {
    return const_iterator(m_block ? data() + header()->used : nullptr);
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
    const std::size_t used = m_block ? header()->used : 0;
    const std::size_t needed = used + packed_text::storedSize(text);
    if (!m_block || needed > header()->capacity) {
        reallocate(std::max<std::size_t>(needed, 2 * used));
    }
    packed_text::put(data() + used, text);
    header()->used = needed;
    ++header()->count;
}

void TextList::clear() {
    std::free(m_block);
    m_block = nullptr;
}

void TextList::shrinkToFit() {
    if (m_block && header()->capacity > header()->used) {
        reallocate(header()->used);
    }
}

void TextList::reallocate(std::size_t capacity) {
    const bool fresh = m_block == nullptr;
    auto* block = static_cast<char*>(std::realloc(m_block, sizeof(Header) + capacity));
    if (!block) {
        throw std::bad_alloc();
    }
    m_block = block;
    if (fresh) {
        *header() = Header{0, 0, 0};
    }
    header()->capacity = capacity;
}

bool operator==(const TextList& a, const TextList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

bool operator==(const TextList& a, const std::vector<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace vorlix
